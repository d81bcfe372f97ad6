#include "skin/form/skinning.h"

#include <memory>
#include <string>

#include "skin/core/skin_manage.h"
#include "skin/form/form_skinner.h"
#include "skin/form/popup_menu_skinner.h"

namespace skin {
namespace {

IFormSkinner* CreateFormSkinner(HWND window, fw::TForm* form, TSkinData* data, void* managerTag,
                                const std::string& eventName) {
  // Owned by the framework form when there is one; otherwise by the manager's list.
  auto* skinner = new TWinSkinForm(form);
  skinner->FHandle = window;
  skinner->FManagerTag = managerTag;
  skinner->FEventName = eventName;
  if (form) {
    skinner->AttachForm(data, form);
  } else {
    skinner->AttachWindow(data);
  }
  if (skinner->Hooked()) return skinner;
  fw::Free(skinner);
  return nullptr;
}

void FreeFormSkinner(IFormSkinner* listed) {
  auto* skinner = static_cast<TWinSkinForm*>(listed);
  // Freed by us from now on, even when its form goes first.
  skinner->RemoveFromOwner();
  skinner->ReleaseWhenIdle([skinner] { fw::Free(skinner); });
}

IPopupMenuSkinner* CreatePopupSkinner(HWND window, TSkinData* data) {
  auto popup = std::make_unique<TWinSkinPopMenu>();
  popup->Attach(window, data, nullptr);
  if (!popup->Hooked()) return nullptr;
  return popup.release();
}

void FreePopupSkinner(IPopupMenuSkinner* listed) {
  auto* popup = static_cast<TWinSkinPopMenu*>(listed);
  popup->ReleaseWhenIdle([popup] { delete popup; });
}

}  // namespace

void InstallSkinning() {
  SkinnerFactory factory;
  factory.createForm = CreateFormSkinner;
  factory.freeForm = FreeFormSkinner;
  factory.createPopup = CreatePopupSkinner;
  factory.freePopup = FreePopupSkinner;
  SetSkinnerFactory(factory);
  InstallSkinManager();
}

}  // namespace skin
