// The caption buttons and the caption bar under the mouse: the command each button gives, the
// hot and pressed frames, a press on one button released on another, hints, and what a real user
// does (click the buttons, drag the caption, drag a border, double-click the caption) through
// real mouse input at screen points.
#include <windows.h>

#include <gtest/gtest.h>

#include <ostream>
#include <vector>

#include "framework/application.h"
#include "framework/hint_window.h"
#include "skin/core/skin_data.h"
#include "skin/core/skin_messages.h"
#include "skin/form/caption_buttons.h"
#include "skin/form/tests/frame_test_fixture.h"
#include "skin/paint/platform_family.h"
#include "tests/support/win_test_util.h"

namespace frametest {
namespace {

using skin::TWinSkinForm;

void ClickBySending(HWND window, POINT screen) {
  SendNcMouse(window, WM_NCLBUTTONDOWN, screen);
  SendNcMouse(window, WM_NCLBUTTONUP, screen);
}

// Button indexes of StandardButtons().
constexpr size_t kClose = 0, kMaximize = 1, kRestore = 2, kMinimize = 3;

// ---- The commands of the buttons ---------------------------------------------------------------

// A window that keeps the window commands and custom-button messages it receives to itself.
struct CommandLog {
  static std::vector<std::pair<UINT, WPARAM>>& Entries() {
    static std::vector<std::pair<UINT, WPARAM>> entries;
    return entries;
  }
  static LRESULT CALLBACK Procedure(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_SYSCOMMAND || msg == skin::SKM_CUSTOMBUTTON) {
      Entries().emplace_back(msg, msg == WM_SYSCOMMAND ? (wParam & 0xFFF0) : wParam);
      return 0;
    }
    return DefWindowProcA(window, msg, wParam, lParam);
  }
  static const char* Class() {
    WNDCLASSA wc{};
    if (!GetClassInfoA(GetModuleHandleA(nullptr), "SkinFrameCommands", &wc)) {
      wc.lpfnWndProc = Procedure;
      wc.hInstance = GetModuleHandleA(nullptr);
      wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
      wc.lpszClassName = "SkinFrameCommands";
      RegisterClassA(&wc);
    }
    return "SkinFrameCommands";
  }
};

struct ActionCase {
  const char* name;
  int action;
  UINT message;
  WPARAM command;
};

void PrintTo(const ActionCase& c, std::ostream* out) { *out << c.name; }

class CaptionButtonAction : public FrameTest, public testing::WithParamInterface<ActionCase> {};

TEST_P(CaptionButtonAction, ClickGivesTheCommandOfTheButtonsAction) {
  const ActionCase& c = GetParam();
  FrameSkinSpec recipe;
  recipe.buttons.resize(1);
  recipe.buttons[0].action = c.action;
  UseSkin(SolidFrameSkin(recipe));
  TWinSkinForm* skinner = SkinnedWindow(CommandLog::Class());
  ASSERT_NE(skinner, nullptr);
  ASSERT_TRUE(skinner->FButtons[0]->Visible);
  CommandLog::Entries().clear();
  ClickBySending(skinner->FHandle, OnButton(*skinner, 0));
  testutil::PumpUntil([] { return !CommandLog::Entries().empty(); }, 1000);
  testutil::PumpMessages(20);
  ASSERT_EQ(CommandLog::Entries().size(), 1u);
  EXPECT_EQ(CommandLog::Entries()[0].first, c.message);
  EXPECT_EQ(CommandLog::Entries()[0].second, c.command);
}

const ActionCase kActionCases[] = {
    {"Close", 0, WM_SYSCOMMAND, SC_CLOSE},
    {"Maximize", 1, WM_SYSCOMMAND, SC_MAXIMIZE},
    {"MaximizeToo", 22, WM_SYSCOMMAND, SC_MAXIMIZE},
    {"Minimize", 2, WM_SYSCOMMAND, SC_MINIMIZE},
    {"ContextHelp", 4, WM_SYSCOMMAND, SC_CONTEXTHELP},
    {"Custom42", 42, skin::SKM_CUSTOMBUTTON, 42},
    {"Custom5", 5, skin::SKM_CUSTOMBUTTON, 5},
    {"Custom1500", 1500, skin::SKM_CUSTOMBUTTON, 1500},
};

INSTANTIATE_TEST_SUITE_P(Actions, CaptionButtonAction, testing::ValuesIn(kActionCases), CaseName<ActionCase>);

TEST_F(FrameTest, ReleasingOverAnotherButtonThanThePressedOneDoesNothing) {
  UseSkin(SolidFrameSkin());
  TWinSkinForm* skinner = SkinnedWindow(CommandLog::Class());
  ASSERT_NE(skinner, nullptr);
  HWND window = skinner->FHandle;
  CommandLog::Entries().clear();
  SendNcMouse(window, WM_NCLBUTTONDOWN, OnButton(*skinner, kClose));
  EXPECT_EQ(skinner->FHotObject, skinner->FButtons[kClose].get());
  EXPECT_EQ(skinner->FButtons[kClose]->State, skin::osPressed);
  SendNcMouse(window, WM_NCMOUSEMOVE, OnButton(*skinner, kMinimize));
  SendNcMouse(window, WM_NCLBUTTONUP, OnButton(*skinner, kMinimize));
  // Released over the caption bar, away from any button, after a press on one.
  SendNcMouse(window, WM_NCLBUTTONDOWN, OnButton(*skinner, kMaximize));
  SendNcMouse(window, WM_NCLBUTTONUP, OnScreen(window, 100, 12));
  testutil::PumpMessages(50);
  EXPECT_TRUE(CommandLog::Entries().empty());
  EXPECT_EQ(skinner->FButtons[kClose]->State, skin::osNormal);
}

TEST_F(FrameTest, DisabledMaximizeButtonShowsItsFourthFrameAndGivesNoCommand) {
  UseSkin(SolidFrameSkin());
  // A minimize box, no maximize box: the maximize button is shown, disabled.
  TWinSkinForm* skinner =
      SkinnedWindow(CommandLog::Class(), WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_THICKFRAME, 0, 400, 300);
  ASSERT_NE(skinner, nullptr);
  const fw::TBitmap frame = PaintedFrame(*skinner);
  ASSERT_TRUE(skinner->FButtons[kMaximize]->Visible);
  EXPECT_FALSE(skinner->FButtons[kMaximize]->Enabled);
  const POINT centre = CentreOf(skinner->FButtons[kMaximize]->BoundsRect);
  EXPECT_EQ(frame.Pixel(centre.x, centre.y), Painted(StandardButtons()[kMaximize].colours[3]));
  CommandLog::Entries().clear();
  ClickBySending(skinner->FHandle, OnButton(*skinner, kMaximize));
  testutil::PumpMessages(50);
  EXPECT_TRUE(CommandLog::Entries().empty());
}

TEST_F(FrameTest, CloseButtonNeedsTheSystemMenusCloseItemExceptOnTheWindows9xFamily) {
  UseSkin(SolidFrameSkin());
  TWinSkinForm* skinner = SkinnedWindow(CommandLog::Class());
  ASSERT_NE(skinner, nullptr);
  DeleteMenu(GetSystemMenu(skinner->FHandle, FALSE), SC_CLOSE, MF_BYCOMMAND);
  CommandLog::Entries().clear();
  ClickBySending(skinner->FHandle, OnButton(*skinner, kClose));
  testutil::PumpMessages(50);
  EXPECT_TRUE(CommandLog::Entries().empty());
  {
    skin::ScopedPlatformFamily family(skin::PlatformFamily::Windows9x);
    ClickBySending(skinner->FHandle, OnButton(*skinner, kClose));
    testutil::PumpMessages(50);
  }
  ASSERT_EQ(CommandLog::Entries().size(), 1u);
  EXPECT_EQ(CommandLog::Entries()[0].second, static_cast<WPARAM>(SC_CLOSE));
}

TEST_F(FrameTest, DoubleClickOnTheWindowIconCloses) {
  FrameSkinSpec recipe;
  ButtonSpec icon;
  icon.action = 3;
  icon.align = 0;
  icon.x = 6;
  icon.y = 4;
  icon.image = false;
  recipe.buttons.push_back(icon);
  UseSkin(SolidFrameSkin(recipe));
  TWinSkinForm* skinner = SkinnedWindow(CommandLog::Class());
  ASSERT_NE(skinner, nullptr);
  ASSERT_TRUE(skinner->FButtons[4]->Visible);
  CommandLog::Entries().clear();
  SendNcMouse(skinner->FHandle, WM_NCLBUTTONDBLCLK, OnButton(*skinner, 4));
  // A double-click on another button does nothing.
  SendNcMouse(skinner->FHandle, WM_NCLBUTTONDBLCLK, OnButton(*skinner, kMinimize));
  testutil::PumpMessages(50);
  ASSERT_EQ(CommandLog::Entries().size(), 1u);
  EXPECT_EQ(CommandLog::Entries()[0].second, static_cast<WPARAM>(SC_CLOSE));
}

// ---- Hints ----------------------------------------------------------------------------------------

class CaptionHint : public FrameTest, public testing::WithParamInterface<bool> {};

TEST_P(CaptionHint, ShownAfterTwiceTheHintPauseAndHiddenAfterTheHidePauseOnlyWithTheOption) {
  const bool withOption = GetParam();
  skin::TSkinData* data = UseSkin(SolidFrameSkin());
  const skin::TSkinOptions hintOption = skin::SkinOptionSet({skin::xoCaptionButtonHint});
  data->SetOptions(withOption ? (data->Options() | hintOption) : (data->Options() & ~hintOption));
  app->HintPause = 250;
  app->HintHidePause = 500;
  TWinSkinForm* skinner = SkinnedWindow();
  ASSERT_NE(skinner, nullptr);
  const POINT over = OnButton(*skinner, kClose);
  SetCursorPos(over.x, over.y);
  SendNcMouse(skinner->FHandle, WM_NCMOUSEMOVE, over);
  ASSERT_EQ(skinner->FHotObject, skinner->FButtons[kClose].get());

  const DWORD start = GetTickCount();
  const bool shown = testutil::PumpUntil([&] { return data->CaptionHintShowing(); }, 2000);
  const DWORD shownAfter = GetTickCount() - start;
  EXPECT_EQ(shown, withOption);
  if (!withOption) return;
  EXPECT_GE(shownAfter, 400u) << "not before the second hover tick";
  ASSERT_TRUE(data->HintWindow);
  EXPECT_EQ(data->HintWindow->Text(), "Close");
  EXPECT_TRUE(data->HintWindow->Showing());
  RECT hint{};
  GetWindowRect(data->HintWindow->Handle(), &hint);
  EXPECT_EQ(hint.left, OnScreen(skinner->FHandle, skinner->FButtons[kClose]->BoundsRect.left, 0).x);
  EXPECT_TRUE(testutil::PumpUntil([&] { return !data->CaptionHintShowing(); }, 2000)) << "never hidden";
  EXPECT_FALSE(testutil::PumpUntil([&] { return data->CaptionHintShowing(); }, 600)) << "shown again";
}

INSTANTIATE_TEST_SUITE_P(Option, CaptionHint, testing::Bool(),
                         [](const testing::TestParamInfo<bool>& option) { return option.param ? "On" : "Off"; });

TEST_F(FrameTest, HintGoesWhenTheFrameIsPaintedAfreshAndForgetsTheHotButton) {
  skin::TSkinData* data = UseSkin(SolidFrameSkin());
  data->SetOptions(data->Options() | skin::SkinOptionSet({skin::xoCaptionButtonHint}));
  app->HintPause = 100;
  app->HintHidePause = 5000;
  TWinSkinForm* skinner = SkinnedWindow();
  ASSERT_NE(skinner, nullptr);
  const POINT over = OnButton(*skinner, kClose);
  SetCursorPos(over.x, over.y);
  SendNcMouse(skinner->FHandle, WM_NCMOUSEMOVE, over);
  ASSERT_TRUE(testutil::PumpUntil([&] { return data->CaptionHintShowing(); }, 2000));
  SendMessageA(skinner->FHandle, skin::SKM_REPAINTFRAME, 0, 0);
  EXPECT_EQ(skinner->FHotObject, nullptr);
  EXPECT_FALSE(data->CaptionHintShowing()) << "the hint of a forgotten button stays on screen";
  EXPECT_EQ(data->HoverTime, 0);
  SetCursorPos(5, 5);
}

TEST_F(FrameTest, HotButtonGoesBackToNormalWhenTheMouseHasLeftIt) {
  UseSkin(SolidFrameSkin());
  TWinSkinForm* skinner = SkinnedWindow();
  ASSERT_NE(skinner, nullptr);
  const POINT over = OnButton(*skinner, kClose);
  SetCursorPos(over.x, over.y);
  SendNcMouse(skinner->FHandle, WM_NCMOUSEMOVE, over);
  ASSERT_EQ(skinner->FButtons[kClose]->State, skin::osHot);
  const POINT away = OnScreen(skinner->FHandle, 100, 100);
  SetCursorPos(away.x, away.y);
  EXPECT_TRUE(testutil::PumpUntil([&] { return skinner->FHotObject == nullptr; }, 2000));
  EXPECT_EQ(skinner->FButtons[kClose]->State, skin::osNormal);
  const POINT centre = CentreOf(skinner->FButtons[kClose]->BoundsRect);
  EXPECT_EQ(ShownWindow(skinner->FHandle).Pixel(centre.x, centre.y), Painted(StandardButtons()[kClose].colours[0]));
}

// ---- Real mouse input ---------------------------------------------------------------------------

TEST_F(FrameTest, HotAndPressedFramesShowOnTheWindowUnderTheRealMouse) {
  UseSkin(SolidFrameSkin());
  TWinSkinForm* skinner = SkinnedWindow(CommandLog::Class());
  ASSERT_NE(skinner, nullptr);
  HWND window = skinner->FHandle;
  const POINT centre = CentreOf(skinner->FButtons[kMinimize]->BoundsRect);
  const ButtonSpec minimize = StandardButtons()[kMinimize];
  auto shownColour = [&] { return ShownWindow(window).Pixel(centre.x, centre.y); };
  EXPECT_EQ(shownColour(), Painted(minimize.colours[0]));

  MouseMoveTo(OnButton(*skinner, kMinimize));
  EXPECT_TRUE(testutil::PumpUntil([&] { return skinner->FButtons[kMinimize]->State == skin::osHot; }, 1000));
  EXPECT_EQ(shownColour(), Painted(minimize.colours[2])) << "hot";
  LeftButtonDown();
  EXPECT_TRUE(testutil::PumpUntil([&] { return skinner->FButtons[kMinimize]->State == skin::osPressed; }, 1000));
  EXPECT_EQ(shownColour(), Painted(minimize.colours[1])) << "pressed";
  CommandLog::Entries().clear();
  LeftButtonUp();
  EXPECT_TRUE(testutil::PumpUntil([] { return !CommandLog::Entries().empty(); }, 1000));
  EXPECT_EQ(shownColour(), Painted(minimize.colours[2])) << "hot again after the click";
  ASSERT_EQ(CommandLog::Entries().size(), 1u);
  EXPECT_EQ(CommandLog::Entries()[0].second, static_cast<WPARAM>(SC_MINIMIZE));
  MouseMoveTo(OnScreen(window, 100, 100));
  testutil::PumpMessages(20);
}

TEST_F(FrameTest, PressOnOneButtonReleasedOnAnotherUnderTheRealMouseDoesNothing) {
  UseSkin(SolidFrameSkin());
  TWinSkinForm* skinner = SkinnedWindow(CommandLog::Class());
  ASSERT_NE(skinner, nullptr);
  CommandLog::Entries().clear();
  MouseMoveTo(OnButton(*skinner, kClose));
  LeftButtonDown();
  MouseMoveTo(OnButton(*skinner, kMinimize));
  LeftButtonUp();
  testutil::PumpMessages(200);
  EXPECT_TRUE(CommandLog::Entries().empty());
  EXPECT_TRUE(IsWindow(skinner->FHandle));
  MouseMoveTo(OnScreen(skinner->FHandle, 100, 100));
  testutil::PumpMessages(20);
}

// The window's state after a real click on a caption button.
struct ClickCase {
  const char* name;
  int before;     // ShowWindow command that prepares the state, 0 for none
  size_t button;  // index in StandardButtons()
  bool (*after)(HWND);
};

void PrintTo(const ClickCase& c, std::ostream* out) { *out << c.name; }

class RealCaptionClick : public FrameTest, public testing::WithParamInterface<ClickCase> {};

TEST_P(RealCaptionClick, ButtonDoesWhatItShows) {
  const ClickCase& c = GetParam();
  UseSkin(SolidFrameSkin());
  TWinSkinForm* skinner = SkinnedWindow("SkinFrameClick");
  ASSERT_NE(skinner, nullptr);
  HWND window = skinner->FHandle;
  if (c.before) {
    ShowWindow(window, c.before);
    testutil::PumpMessages(50);
  }
  SetWindowTextA(window, "");
  PaintedFrame(*skinner);  // lays the buttons out for the state
  ASSERT_TRUE(skinner->FButtons[c.button]->Visible);
  ClickAt(OnButton(*skinner, c.button));
  EXPECT_TRUE(testutil::PumpUntil([&] { return c.after(window); }, 2000));
  MouseMoveTo(POINT{5, 5});
  testutil::PumpMessages(20);
}

const ClickCase kClickCases[] = {
    {"Close", 0, kClose, [](HWND w) { return !IsWindow(w); }},
    {"Maximize", 0, kMaximize, [](HWND w) { return IsZoomed(w) != FALSE; }},
    {"Minimize", 0, kMinimize, [](HWND w) { return IsIconic(w) != FALSE; }},
    {"Restore", SW_MAXIMIZE, kRestore, [](HWND w) { return !IsZoomed(w) && !IsIconic(w) && IsWindowVisible(w); }},
};

INSTANTIATE_TEST_SUITE_P(Buttons, RealCaptionClick, testing::ValuesIn(kClickCases), CaseName<ClickCase>);

TEST_F(FrameTest, DraggingTheCaptionMovesTheWindow) {
  UseSkin(SolidFrameSkin());
  TWinSkinForm* skinner = SkinnedWindow();
  ASSERT_NE(skinner, nullptr);
  HWND window = skinner->FHandle;
  RECT before{};
  GetWindowRect(window, &before);
  const POINT from = OnScreen(window, 120, 12);
  DragFromTo(from, POINT{from.x + 60, from.y + 40});
  RECT after{};
  EXPECT_TRUE(testutil::PumpUntil([&] {
    GetWindowRect(window, &after);
    return after.left == before.left + 60 && after.top == before.top + 40;
  }));
  EXPECT_EQ(after.right - after.left, before.right - before.left);
  EXPECT_EQ(after.bottom - after.top, before.bottom - before.top);
}

TEST_F(FrameTest, DraggingTheRightBorderResizesTheWindowAndItsFrameAndRegionFollow) {
  FrameSkinSpec recipe;
  recipe.transparent = true;
  UseSkin(SolidFrameSkin(recipe));
  TWinSkinForm* skinner = SkinnedWindow();
  ASSERT_NE(skinner, nullptr);
  HWND window = skinner->FHandle;
  const SIZE before = SizeOf(window);
  const POINT from = OnScreen(window, before.cx - 2, before.cy / 2);
  ASSERT_EQ(SendMessageA(window, WM_NCHITTEST, 0, MAKELPARAM(from.x, from.y)), HTRIGHT);
  DragFromTo(from, POINT{from.x + 50, from.y});
  EXPECT_TRUE(testutil::PumpUntil([&] { return SizeOf(window).cx == before.cx + 50; }));
  testutil::PumpMessages(50);
  const SIZE after = SizeOf(window);
  EXPECT_EQ(after.cy, before.cy);
  EXPECT_EQ(skinner->FRegionWidth, after.cx);
  fw::UniqueRegion region(CreateRectRgn(0, 0, 0, 0));
  GetWindowRgn(window, region.get());
  EXPECT_FALSE(PtInRegion(region.get(), after.cx - 1, 0)) << "the new corner is cut";
  EXPECT_TRUE(PtInRegion(region.get(), after.cx - 1, after.cy / 2));
  const fw::TBitmap shown = ShownWindow(window);
  EXPECT_EQ(shown.Pixel(after.cx - 2, after.cy / 2), Painted(kRightColours.active));
  EXPECT_EQ(shown.Pixel(after.cx - 30, 1), Painted(kTopColours.active)) << "the caption bar reaches the new edge";
}

TEST_F(FrameTest, DoubleClickOnTheCaptionMaximizesAndAgainRestores) {
  UseSkin(SolidFrameSkin());
  TWinSkinForm* skinner = SkinnedWindow();
  ASSERT_NE(skinner, nullptr);
  HWND window = skinner->FHandle;
  const POINT caption = OnScreen(window, 120, 12);
  ClickAt(caption);
  ClickAt(caption);
  EXPECT_TRUE(testutil::PumpUntil([&] { return IsZoomed(window) != FALSE; }));
  testutil::PumpMessages(GetDoubleClickTime() + 50);
  const POINT maximizedCaption = OnScreen(window, 120, 12);
  ClickAt(maximizedCaption);
  ClickAt(maximizedCaption);
  EXPECT_TRUE(testutil::PumpUntil([&] { return !IsZoomed(window); }));
}

}  // namespace
}  // namespace frametest
