// TWinSkinPopMenu, the popup menu window skinner: the skin manager gives one to every popup menu
// window ("#32768") that it skins, and frees it when the window is destroyed. It sees every
// message of the window first.
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
#include "skin/controls/skinner_base.h"
#include "skin/core/skinner_links.h"

namespace skin {

class TSkinData;

class TWinSkinPopMenu : public fw::TObject, public SkinnerBase, public IPopupMenuSkinner {
  FW_DECLARE_CLASS()

 public:
  TWinSkinPopMenu() = default;
  ~TWinSkinPopMenu() override;

  // Subclasses the popup window; the skin manager passes no menu (the item drawing assigns it).
  void Attach(HWND handle, TSkinData* skinData, HMENU menuHandle);

  // --- What the skin manager asks (IPopupMenuSkinner). ---
  [[nodiscard]] HWND Window() const override { return Handle; }
  [[nodiscard]] TSkinData* SkinData() const override { return FSkinData; }
  [[nodiscard]] HMENU MenuHandle() const override { return FMenuHandle; }
  void SetMenuHandle(HMENU menu) override { FMenuHandle = menu; }
  [[nodiscard]] bool Marked() const override { return FMarked != 0; }
  void SetMarked(bool marked) override { FMarked = marked ? 1 : 0; }
  [[nodiscard]] fw::TBitmap& Background() override { return FBackground; }
  void Detach() override;

  HWND Handle = nullptr;  // the popup menu window

 protected:
  // The window procedure.
  void HandleMessage(fw::TMessage& message) override;

 private:
  TSkinData* FSkinData = nullptr;  // the skin component chosen for the window
  fw::TBitmap FBackground;         // the window's skinned background as last painted
  HMENU FMenuHandle = nullptr;     // the menu this window shows, once known
  uint8_t FMarked = 0;             // set by the skin manager; not consulted here
};

}  // namespace skin
