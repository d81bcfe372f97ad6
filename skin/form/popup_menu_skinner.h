// TWinSkinPopMenu, the popup menu window skinner: the skin manager gives one to every popup menu
// window ("#32768") that it skins, and frees it when the window is destroyed. It subclasses the
// window (always through the ANSI API) and sees every message first.
//
// What it does so far: attach, the answer to SKM_ISSKINNED, passing everything on while the
// manager is disabled, and detach (at WM_DESTROY at the latest). The menu keeps the platform's
// look.
#pragma once

#include <windows.h>

#include <cstdint>

#include "framework/component.h"
#include "framework/graphics/bitmap.h"
#include "framework/messages.h"
#include "skin/form/window_subclass.h"

namespace skin {

class TSkinData;

class TWinSkinPopMenu : public fw::TObject {
  FW_DECLARE_CLASS()

 public:
  TWinSkinPopMenu() = default;
  ~TWinSkinPopMenu() override;
  TWinSkinPopMenu(const TWinSkinPopMenu&) = delete;
  TWinSkinPopMenu& operator=(const TWinSkinPopMenu&) = delete;

  // Subclasses the popup window; the skin manager passes no menu (the item drawing assigns it).
  void Attach(HWND handle, TSkinData* skinData, HMENU menuHandle);
  // Puts the window's own procedure back (only while attached).
  void Detach();

  // The window procedure.
  void WndProc(fw::TMessage& message);
  // Entry from the window procedure of the subclass table.
  LRESULT DispatchWindowMessage(UINT msg, WPARAM wParam, LPARAM lParam) noexcept;

  WNDPROC OldWndProc = nullptr;       // the popup window's previous procedure
  WNDPROC WndProcInstance = nullptr;  // our procedure, exactly while attached
  HWND Handle = nullptr;              // the popup menu window
  TSkinData* SkinData = nullptr;      // the skin component chosen for the window
  fw::TBitmap Background;             // the window's skinned background as last painted
  HMENU MenuHandle = nullptr;         // the menu this window shows, once known
  uint8_t Marked = 0;                 // set by the skin manager; not consulted here

 private:
  void CallOld(fw::TMessage& message);

  uint32_t FPassedOn = 0;  // counts the messages passed on to the previous procedure
  LifeToken FLife;
};

}  // namespace skin
