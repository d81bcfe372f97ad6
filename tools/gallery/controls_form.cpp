#include "tools/gallery/controls_form.h"

namespace gallery {

const fw::ClassInfo& TControlsForm::StaticClass() {
  static const fw::ClassInfo info = fw::ClassBuilder<TControlsForm>("TControlsForm", &fw::TForm::StaticClass()).Build();
  return info;
}

TControlsForm::TControlsForm(fw::TComponent* owner, const char* resourceName) : fw::TForm(owner) {
  LoadDescription(ResourceText(resourceName));
}

}  // namespace gallery
