#include "tools/gallery/sample_form.h"

#include "skin/core/skin_data.h"

namespace gallery {

const fw::ClassInfo& TSampleForm::StaticClass() {
  static const fw::ClassInfo info = fw::ClassBuilder<TSampleForm>("TSampleForm", &fw::TForm::StaticClass())
                                        .Field("Panel1", &TSampleForm::Panel1)
                                        .Field("Button1", &TSampleForm::Button1)
                                        .Field("Label1", &TSampleForm::Label1)
                                        .Field("Memo1", &TSampleForm::Memo1)
                                        .Field("SkinData1", &TSampleForm::SkinData1)
                                        .Build();
  return info;
}

TSampleForm::TSampleForm(fw::TComponent* owner, const char* resourceName) : fw::TForm(owner) {
  LoadDescription(ResourceText(resourceName));
}

}  // namespace gallery
