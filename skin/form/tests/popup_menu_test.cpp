// Popup menu windows ("#32768") and the popup path of the skin manager.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "skin/core/skin_messages.h"
#include "skin/form/popup_menu_skinner.h"
#include "skin/form/tests/skin_manage_fixture.h"
#include "tests/support/win_test_util.h"

namespace {

using skin::TSkinData;

thread_local std::function<void()> t_menuTick;

void CALLBACK MenuTimer(HWND, UINT, UINT_PTR, DWORD) {
  if (t_menuTick) t_menuTick();
}

BOOL CALLBACK FindVisibleMenuWindow(HWND window, LPARAM out) {
  char name[16] = {};
  GetClassNameA(window, name, sizeof name);
  if (std::string(name) == "#32768" && IsWindowVisible(window)) {
    *reinterpret_cast<HWND*>(out) = window;
    return FALSE;
  }
  return TRUE;
}

HWND VisibleMenuWindowOfThisThread() {
  HWND found = nullptr;
  EnumThreadWindows(GetCurrentThreadId(), FindVisibleMenuWindow, reinterpret_cast<LPARAM>(&found));
  return found;
}

// Tracks a two-item popup menu on the owner; `inspect` runs once while the menu window is up,
// then the menu is closed. False when no menu window came up.
bool TrackMenu(HWND owner, const std::function<void(HWND menuWindow, HMENU menu)>& inspect) {
  HMENU menu = CreatePopupMenu();
  AppendMenuA(menu, MF_STRING, 1, "one");
  AppendMenuA(menu, MF_STRING, 2, "two");
  bool inspected = false;
  int ticks = 0;
  UINT_PTR timer = SetTimer(nullptr, 0, 20, MenuTimer);
  t_menuTick = [&] {
    HWND window = VisibleMenuWindowOfThisThread();
    if (!window && ++ticks < 100) return;
    if (window && !inspected) {
      inspected = true;
      inspect(window, menu);
    }
    EndMenu();
  };
  SetForegroundWindow(owner);
  TrackPopupMenu(menu, TPM_LEFTALIGN | TPM_TOPALIGN, 100, 100, 0, owner, nullptr);
  KillTimer(nullptr, timer);
  t_menuTick = nullptr;
  DestroyMenu(menu);
  return inspected;
}

TEST_F(SkinManageTest, PopupMenuWindowIsSkinnedWhileItIsShownAndReleasedWithIt) {
  AddSkinData();
  EnableSkinning();
  HWND owner = CreateTestWindow("SkinTestPlain");
  SetActiveWindow(owner);
  size_t skinnersWhileShown = 0;
  bool answered = false;
  skin::IPopupMenuSkinner* popup = nullptr;
  HWND shownWindow = nullptr;
  ASSERT_TRUE(TrackMenu(owner, [&](HWND window, HMENU) {
    shownWindow = window;
    skinnersWhileShown = manager->MenuSkinners().size();
    answered = AnswersSkinned(window);
    if (!manager->MenuSkinners().empty()) popup = manager->MenuSkinners().front();
  }));
  EXPECT_EQ(skinnersWhileShown, 1u);
  EXPECT_TRUE(answered);
  ASSERT_NE(popup, nullptr);
  EXPECT_TRUE(manager->MenuSkinners().empty()) << "released with its window";
  EXPECT_EQ(manager->MenuMode(), skin::kMenuModePopup);
  EXPECT_FALSE(manager->IsPopupMenuSkinned(shownWindow));
}

TEST_F(SkinManageTest, PopupMenusAreOfferedUnderTheGatesOfMenuMode) {
  TSkinData* data = AddSkinData();
  EnableSkinning();
  HWND owner = CreateTestWindow("SkinTestPlain");
  SetActiveWindow(owner);
  using skin::SkinControlSet;
  struct Case {
    int32_t mode;
    skin::TSkinControlTypes controls;
    bool skinned;
  };
  const Case cases[] = {
      {skin::kMenuModePopup, SkinControlSet({skin::xcPopupMenu}), true},
      {skin::kMenuModePopup, SkinControlSet({skin::xcMainMenu, skin::xcMenuItem, skin::xcSystemMenu}), false},
      {skin::kMenuModeMenuBar, SkinControlSet({skin::xcMainMenu}), true},
      {skin::kMenuModeMenuBar, SkinControlSet({skin::xcMenuItem}), true},
      {skin::kMenuModeMenuBar, SkinControlSet({skin::xcPopupMenu, skin::xcSystemMenu}), false},
      {skin::kMenuModeSystem, SkinControlSet({skin::xcSystemMenu}), true},
      {skin::kMenuModeSystem, SkinControlSet({skin::xcPopupMenu, skin::xcMainMenu}), false},
      {3, ~skin::TSkinControlTypes{0}, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE("menu mode " + std::to_string(c.mode) + ", controls " + std::to_string(c.controls));
    data->SetSkinControls(c.controls);
    manager->SetMenuMode(c.mode);
    bool skinned = false;
    ASSERT_TRUE(TrackMenu(owner, [&](HWND window, HMENU) { skinned = manager->IsPopupMenuSkinned(window); }));
    EXPECT_EQ(skinned, c.skinned);
    EXPECT_EQ(manager->MenuMode(), skin::kMenuModePopup) << "reset when the last popup skinner goes";
  }
}

TEST_F(SkinManageTest, NoPopupMenuIsSkinnedWhileSkinningIsOff) {
  AddSkinData();
  HWND owner = CreateTestWindow("SkinTestPlain");
  SetActiveWindow(owner);
  bool skinned = true;
  ASSERT_TRUE(TrackMenu(owner, [&](HWND window, HMENU) { skinned = manager->IsPopupMenuSkinned(window); }));
  EXPECT_FALSE(skinned);
}

TEST_F(SkinManageTest, PopupSkinnersCarryTheMenuFlagAndTheirMenu) {
  AddSkinData();
  EnableSkinning();
  HWND owner = CreateTestWindow("SkinTestPlain");
  SetActiveWindow(owner);
  manager->SetMenuFlag(true);
  uint8_t marked = 0;
  bool bitmapFound = false, otherMenuFound = true;
  ASSERT_TRUE(TrackMenu(owner, [&](HWND, HMENU menu) {
    ASSERT_EQ(manager->MenuSkinners().size(), 1u);
    skin::IPopupMenuSkinner* popup = manager->MenuSkinners().front();
    marked = popup->Marked();
    EXPECT_EQ(popup->MenuHandle(), nullptr);
    manager->AssignMenuToPopup(menu);
    EXPECT_EQ(popup->MenuHandle(), menu);
    bitmapFound = manager->FindPopupMenuBitmap(menu) == &popup->Background();
    otherMenuFound = manager->FindPopupMenuBitmap(reinterpret_cast<HMENU>(0x1234)) != nullptr;
  }));
  EXPECT_EQ(marked, 1);
  EXPECT_TRUE(bitmapFound);
  EXPECT_FALSE(otherMenuFound);
  EXPECT_FALSE(manager->MenuFlag()) << "reset when the last popup skinner goes";
}

}  // namespace
