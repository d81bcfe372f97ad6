#include "skin/form/popup_menu_skinner.h"

#include "skin/core/skin_manage.h"
#include "skin/form/skin_messages.h"

namespace skin {

using PopupTable = SubclassTable<TWinSkinPopMenu>;

const fw::ClassInfo& TWinSkinPopMenu::StaticClass() {
  static const fw::ClassInfo info{"TWinSkinPopMenu", &fw::TObject::StaticClass()};
  return info;
}

TWinSkinPopMenu::~TWinSkinPopMenu() { Detach(); }

void TWinSkinPopMenu::Attach(HWND handle, TSkinData* skinData, HMENU menuHandle) {
  if (WndProcInstance) return;
  Handle = handle;
  SkinData = skinData;
  MenuHandle = menuHandle;
  Marked = 0;
  OldWndProc = PopupTable::Subclass(handle, this, false);
  if (OldWndProc) WndProcInstance = &PopupTable::Procedure;
}

void TWinSkinPopMenu::Detach() {
  if (!WndProcInstance) return;
  PopupTable::Unsubclass(Handle);
  WndProcInstance = nullptr;
  Background = fw::TBitmap();
}

void TWinSkinPopMenu::CallOld(fw::TMessage& message) {
  ++FPassedOn;
  message.Result = CallSavedWindowProc(OldWndProc, false, Handle, message.Msg, message.WParam, message.LParam);
}

void TWinSkinPopMenu::WndProc(fw::TMessage& message) {
  if (message.Msg == SKM_ISSKINNED) {
    message.Result = 1;
    return;
  }
  TSkinManage* manager = SkinManager();
  if (!manager || !manager->Enabled()) {
    CallOld(message);
    return;
  }
  if (message.Msg == WM_DESTROY) {
    // The saved procedure stays in OldWndProc after Detach.
    Detach();
    CallOld(message);
    return;
  }
  CallOld(message);
}

LRESULT TWinSkinPopMenu::DispatchWindowMessage(UINT msg, WPARAM wParam, LPARAM lParam) noexcept {
  fw::TMessage message{msg, wParam, lParam, 0};
  const WNDPROC previous = OldWndProc;
  const HWND window = Handle;
  const LifeWatch life = FLife.Watch();
  const uint32_t passedOn = FPassedOn;
  try {
    WndProc(message);
  } catch (...) {
    // Failures of skinning are silent, but the window still gets its message.
    if (!life.ObjectGone() && FPassedOn == passedOn)
      message.Result = CallSavedWindowProc(previous, false, window, msg, wParam, lParam);
  }
  return message.Result;
}

}  // namespace skin
