// Every kind of window of the gallery opens, each is skinned, and the native controls and window
// states are what the pages promise.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "skin/core/skin_data.h"
#include "skin/core/skin_manage.h"
#include "skin/core/skin_messages.h"
#include "tests/support/win_test_util.h"
#include "tools/gallery/res/gallery_ids.h"
#include "tools/gallery/tests/gallery_fixture.h"

namespace gallerytest {
namespace {

std::string ClassOf(HWND window) {
  char name[64] = {};
  GetClassNameA(window, name, sizeof name);
  return name;
}

// The child windows of a dialog by class, with their styles.
std::multimap<std::string, DWORD> ChildrenOf(HWND parent) {
  std::multimap<std::string, DWORD> children;
  for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
    children.emplace(ClassOf(child), static_cast<DWORD>(GetWindowLongA(child, GWL_STYLE)));
  return children;
}

int CountWithStyle(const std::multimap<std::string, DWORD>& children, const char* className, DWORD mask, DWORD value) {
  auto [first, last] = children.equal_range(className);
  return static_cast<int>(std::count_if(first, last, [&](const auto& c) { return (c.second & mask) == value; }));
}

bool FrameSkinned(HWND window) {
  return SendMessageA(window, skin::SKM_QUERYSKINFORM, 0, skin::kSkinMagic) == skin::kSkinMagic;
}

TEST_F(GalleryTest, EveryKindOfWindowOpensAndIsSkinnedThenTheDialogsClose) {
  Start();
  gallery->OpenModelessPages();
  const std::vector<gallery::GalleryWindow> modeless = gallery->Windows();
  bool ran = false;
  gallery->WithEveryWindowOpen([&] {
    ran = true;
    std::vector<std::string> names = WindowNames();
    EXPECT_EQ(names, EveryWindowName());
    // The windows that were open stay as they were; only the dialogs are new.
    for (const gallery::GalleryWindow& window : modeless) EXPECT_EQ(WindowNamed(window.name), window.window);
    for (const gallery::GalleryWindow& window : gallery->Windows()) {
      EXPECT_TRUE(IsWindowVisible(window.window)) << window.name;
      EXPECT_TRUE(gallery::Gallery::IsSkinned(window.window)) << window.name << " has no active form skinner";
    }
    // Framework forms whose component skins the main menu have their frame skinned; the form whose
    // own component lacks xcMainMenu gets that component and keeps the system's frame.
    EXPECT_TRUE(FrameSkinned(WindowNamed("form-sizeable")));
    HWND noMenu = WindowNamed("no-main-menu-form");
    EXPECT_FALSE(FrameSkinned(noMenu));
    const skin::IFormSkinner* skinner = skin::SkinManager()->FindFormSkinner(noMenu);
    ASSERT_NE(skinner, nullptr);
    EXPECT_NE(skinner->SkinData(), gallery->MainForm().SkinData1);
    EXPECT_EQ(skinner->SkinData()->SkinFormtype(), skin::sfOnlyThisForm);
    EXPECT_FALSE(skinner->SkinData()->HasControl(skin::xcMainMenu));
    EXPECT_NE(GetMenu(noMenu), nullptr);

    // The modal dialogs are the system's, each owned by the one opened before it.
    for (const char* name : {"message-box", "colour-dialog", "open-file-dialog"})
      EXPECT_EQ(ClassOf(WindowNamed(name)), "#32770") << name;
    EXPECT_EQ(GetWindow(WindowNamed("colour-dialog"), GW_OWNER), WindowNamed("message-box"));
  });
  EXPECT_TRUE(ran);
  const std::vector<std::string> names = WindowNames();
  EXPECT_EQ(names.size(), EveryWindowName().size() - 3) << "the three modal dialogs are cancelled";
  EXPECT_TRUE(std::none_of(names.begin(), names.end(), [](const std::string& n) { return n == "message-box"; }));
}

TEST_F(GalleryTest, FormsHaveTheirBorderStylesAndMdiChildrenTheirStates) {
  Start();
  gallery->OpenModelessPages();
  const struct {
    const char* name;
    DWORD style;
    DWORD exStyle;
  } forms[] = {
      {"form-sizeable", WS_CAPTION | WS_THICKFRAME, 0},
      {"form-single", WS_CAPTION, 0},
      {"form-dialog", WS_CAPTION | DS_MODALFRAME, WS_EX_DLGMODALFRAME},
      {"form-none", WS_POPUP, 0},
      {"form-tool-window", WS_CAPTION, WS_EX_TOOLWINDOW},
      {"form-sizeable-tool-window", WS_CAPTION | WS_THICKFRAME, WS_EX_TOOLWINDOW},
      {"popup-window", WS_POPUP | WS_CAPTION | WS_THICKFRAME, 0},
  };
  for (const auto& form : forms) {
    HWND window = WindowNamed(form.name);
    ASSERT_NE(window, nullptr) << form.name;
    const auto style = static_cast<DWORD>(GetWindowLongA(window, GWL_STYLE));
    const auto exStyle = static_cast<DWORD>(GetWindowLongA(window, GWL_EXSTYLE));
    EXPECT_EQ(style & form.style, form.style) << form.name;
    EXPECT_EQ(exStyle & form.exStyle, form.exStyle) << form.name;
  }
  EXPECT_EQ(GetWindowLongA(WindowNamed("form-single"), GWL_STYLE) & WS_THICKFRAME, 0);
  EXPECT_EQ(GetWindowLongA(WindowNamed("form-none"), GWL_STYLE) & WS_CAPTION, 0);

  HWND normal = WindowNamed("mdi-frame-a-normal-child");
  HWND minimized = WindowNamed("mdi-frame-a-minimized-child");
  HWND maximized = WindowNamed("mdi-frame-b-maximized-child");
  ASSERT_TRUE(normal && minimized && maximized);
  EXPECT_TRUE(!IsIconic(normal) && !IsZoomed(normal));
  EXPECT_TRUE(IsIconic(minimized));
  EXPECT_TRUE(IsZoomed(maximized));
  for (HWND child : {normal, minimized, maximized}) {
    EXPECT_TRUE(GetWindowLongA(child, GWL_EXSTYLE) & WS_EX_MDICHILD);
    EXPECT_EQ(ClassOf(GetParent(child)), "MDIClient");
  }
}

TEST_F(GalleryTest, TheNativeDialogHoldsTheCommonControls) {
  Start();
  gallery->OpenModelessPages();
  HWND dialog = WindowNamed("dialog-controls");
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(ClassOf(dialog), "#32770");
  const auto children = ChildrenOf(dialog);
  const DWORD kind = BS_TYPEMASK;
  EXPECT_EQ(CountWithStyle(children, "Button", kind, BS_PUSHBUTTON), 4);  // plain, disabled, flat, bitmap
  EXPECT_EQ(CountWithStyle(children, "Button", BS_FLAT, BS_FLAT), 1);
  EXPECT_EQ(CountWithStyle(children, "Button", BS_BITMAP, BS_BITMAP), 1);
  EXPECT_EQ(CountWithStyle(children, "Button", kind, BS_OWNERDRAW), 1);
  EXPECT_EQ(CountWithStyle(children, "Button", kind, BS_DEFPUSHBUTTON), 1);
  EXPECT_EQ(CountWithStyle(children, "Button", kind, BS_AUTOCHECKBOX), 4);  // with push-like, right to left
  EXPECT_EQ(CountWithStyle(children, "Button", BS_PUSHLIKE, BS_PUSHLIKE), 1);
  EXPECT_EQ(CountWithStyle(children, "Button", BS_LEFTTEXT, BS_LEFTTEXT), 1);
  EXPECT_EQ(CountWithStyle(children, "Button", kind, BS_AUTO3STATE), 1);
  EXPECT_EQ(CountWithStyle(children, "Button", kind, BS_AUTORADIOBUTTON), 3);
  EXPECT_EQ(CountWithStyle(children, "Button", kind, BS_GROUPBOX), 1);
  EXPECT_EQ(CountWithStyle(children, "Edit", ES_MULTILINE, 0), 1);
  EXPECT_EQ(CountWithStyle(children, "Edit", ES_MULTILINE, ES_MULTILINE), 1);
  for (DWORD comboStyle : {CBS_SIMPLE, CBS_DROPDOWN, CBS_DROPDOWNLIST})
    EXPECT_EQ(CountWithStyle(children, "ComboBox", 3, comboStyle), 1) << comboStyle;
  EXPECT_EQ(children.count("ListBox"), 1u);
  EXPECT_EQ(children.count("ComboBoxEx32"), 1u);
  EXPECT_EQ(CountWithStyle(children, "ScrollBar", SBS_SIZEGRIP | SBS_VERT, SBS_HORZ), 1);
  EXPECT_EQ(CountWithStyle(children, "ScrollBar", SBS_SIZEGRIP | SBS_VERT, SBS_VERT), 1);
  EXPECT_EQ(CountWithStyle(children, "ScrollBar", SBS_SIZEGRIP, SBS_SIZEGRIP), 1);
  EXPECT_EQ(SendMessageA(FindWindowExA(dialog, nullptr, "SysTabControl32", nullptr), TCM_GETITEMCOUNT, 0, 0), 3);
  EXPECT_EQ(SendMessageA(FindWindowExA(dialog, nullptr, "SysTreeView32", nullptr), TVM_GETCOUNT, 0, 0), 3);
  EXPECT_EQ(SendMessageA(FindWindowExA(dialog, nullptr, "ToolbarWindow32", nullptr), TB_BUTTONCOUNT, 0, 0), 5);
  EXPECT_EQ(IsDlgButtonChecked(dialog, IDC_CHECK_BOX_3STATE), BST_INDETERMINATE);

  // The size grip stays in the corner as the dialog is resized.
  RECT bounds{};
  GetWindowRect(dialog, &bounds);
  SetWindowPos(dialog, nullptr, 0, 0, bounds.right - bounds.left + 40, bounds.bottom - bounds.top + 30,
               SWP_NOMOVE | SWP_NOZORDER);
  RECT client{};
  RECT grip{};
  GetClientRect(dialog, &client);
  GetWindowRect(GetDlgItem(dialog, IDC_SIZE_GRIP), &grip);
  MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&grip), 2);
  EXPECT_EQ(grip.right, client.right);
  EXPECT_EQ(grip.bottom, client.bottom);
}

TEST_F(GalleryTest, ThePagesCloseAndOpenAgainFromTheMenu) {
  Start();
  gallery->OpenModelessPages();
  HWND firstDialog = WindowNamed("dialog-controls");
  ASSERT_NE(firstDialog, nullptr);
  PostMessageA(firstDialog, WM_CLOSE, 0, 0);
  ASSERT_TRUE(testutil::PumpUntil([&] { return WindowNamed("dialog-controls") == nullptr; }));

  // Windows > Native dialog from a template: the page's index among the pages.
  const auto& pages = gallery->Pages();
  const auto page = std::find_if(pages.begin(), pages.end(), [](const auto& p) { return p->Name() == "dialog"; });
  ASSERT_NE(page, pages.end());
  SendMessageA(gallery->MainForm().Handle(), WM_COMMAND, 2000 + (page - pages.begin()), 0);
  HWND again = WindowNamed("dialog-controls");
  ASSERT_NE(again, nullptr);
  EXPECT_FALSE(IsWindow(firstDialog)) << "the page's earlier dialog is destroyed, not leaked";
  EXPECT_TRUE(gallery->Settle());
  EXPECT_TRUE(gallery::Gallery::IsSkinned(again));
}

}  // namespace
}  // namespace gallerytest
