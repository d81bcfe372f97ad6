#include "skin/form/popup_menu_skinner.h"

#include "skin/core/skin_manage.h"
#include "skin/core/skin_messages.h"

namespace skin {

const fw::ClassInfo& TWinSkinPopMenu::StaticClass() {
  static const fw::ClassInfo info{"TWinSkinPopMenu", &fw::TObject::StaticClass()};
  return info;
}

TWinSkinPopMenu::~TWinSkinPopMenu() { Detach(); }

void TWinSkinPopMenu::Attach(HWND handle, TSkinData* skinData, HMENU menuHandle) {
  if (Hooked()) return;
  Handle = handle;
  FSkinData = skinData;
  FMenuHandle = menuHandle;
  FMarked = 0;
  HookWindow(handle);
}

void TWinSkinPopMenu::Detach() {
  if (!Hooked()) return;
  Unhook();
  FBackground = fw::TBitmap();
}

void TWinSkinPopMenu::HandleMessage(fw::TMessage& message) {
  if (message.Msg == SKM_ISSKINNED) {
    message.Result = 1;
    return;
  }
  TSkinManage* manager = SkinManager();
  if (manager && manager->Enabled() && message.Msg == WM_DESTROY) Detach();
  CallDefault(message);
}

}  // namespace skin
