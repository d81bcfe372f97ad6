#include "tools/gallery/gallery_form.h"

namespace gallery {

const fw::ClassInfo& TGalleryForm::StaticClass() {
  static const fw::ClassInfo info = fw::ClassBuilder<TGalleryForm>("TGalleryForm", &fw::TForm::StaticClass())
                                        .Field("Panel1", &TGalleryForm::Panel1)
                                        .Field("Label1", &TGalleryForm::Label1)
                                        .Field("ListView1", &TGalleryForm::ListView1)
                                        .Field("StatusPanel", &TGalleryForm::StatusPanel)
                                        .Field("StatusLabel", &TGalleryForm::StatusLabel)
                                        .Field("SkinData1", &TGalleryForm::SkinData1)
                                        .Build();
  return info;
}

TGalleryForm::TGalleryForm(fw::TComponent* owner) : fw::TForm(owner) { LoadDescription(ResourceText("TGALLERYFORM")); }

void TGalleryForm::WndProc(fw::TMessage& message) {
  // A command of the menu bar carries neither a control nor an accelerator.
  if (message.Msg == WM_COMMAND && message.LParam == 0 && HIWORD(message.WParam) == 0 && OnMenuCommand) {
    OnMenuCommand(LOWORD(message.WParam));
    return;
  }
  fw::TForm::WndProc(message);
}

}  // namespace gallery
