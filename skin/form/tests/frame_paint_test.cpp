// The skinned frame to the pixel: border pieces, caption bar and caption buttons painted into a
// bitmap by the skinner and read back as the window shows them, for solid test skins whose
// pixels are known and for every skin of the program, whose pixels come from its own images;
// the caption text's place, its clip and ellipsis, dialogs without icon, and the text drawn the
// ANSI way of the Windows 9x family.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "framework/form.h"
#include "skin/core/skin_data.h"
#include "skin/core/skin_messages.h"
#include "skin/form/caption_buttons.h"
#include "skin/form/tests/frame_test_fixture.h"
#include "skin/paint/platform_family.h"
#include "tests/support/win_test_util.h"
#include "tests/support/window_render.h"

namespace frametest {
namespace {

using skin::TWinSkinForm;

constexpr COLORREF kMagenta = RGB(255, 0, 255);

// Every pixel of the rectangle has the colour; otherwise the first one that does not.
testing::AssertionResult AllPixels(const fw::TBitmap& image, const RECT& area, COLORREF colour) {
  for (int y = area.top; y < area.bottom; ++y)
    for (int x = area.left; x < area.right; ++x)
      if (image.Pixel(x, y) != colour) {
        char text[96];
        std::snprintf(text, sizeof text, "pixel (%d, %d) is %06lX, not %06lX", x, y, image.Pixel(x, y), colour);
        return testing::AssertionFailure() << text;
      }
  return testing::AssertionSuccess();
}

// The columns of the rows top..bottom (exclusive) that hold a pixel other than `background`,
// between `left` and `right`: the first and the last, or -1 when there is none.
struct Columns {
  int first = -1;
  int last = -1;
};
Columns ColumnsNotOf(const fw::TBitmap& image, int left, int right, int top, int bottom, COLORREF background) {
  Columns found;
  for (int x = left; x < right; ++x)
    for (int y = top; y < bottom; ++y)
      if (image.Pixel(x, y) != background) {
        if (found.first < 0) found.first = x;
        found.last = x;
        break;
      }
  return found;
}

FrameSkinSpec WithoutButtons() {
  FrameSkinSpec recipe;
  recipe.buttons.clear();
  return recipe;
}

// ---- The solid skin, pixel by pixel ------------------------------------------------------------------

TEST_F(FrameTest, SolidSkinPaintsEveryBorderAndButtonInItsActiveColours) {
  UseSkin(SolidFrameSkin());
  TWinSkinForm* skinner = SkinnedWindow("SkinFramePaint", WS_OVERLAPPEDWINDOW, 0, 400, 300);
  ASSERT_NE(skinner, nullptr);
  const SIZE s = SizeOf(skinner->FHandle);
  const int w = s.cx, h = s.cy;
  SetWindowTextA(skinner->FHandle, "");
  testutil::PumpMessages(20);
  const fw::TBitmap frame = PaintedFrame(*skinner);

  // The side pieces run the whole height, the caption bar and the bottom piece between them.
  EXPECT_TRUE(AllPixels(frame, RECT{0, 0, 4, h}, Painted(kLeftColours.active)));
  EXPECT_TRUE(AllPixels(frame, RECT{w - 4, 0, w, h}, Painted(kRightColours.active)));
  EXPECT_TRUE(AllPixels(frame, RECT{4, h - 4, w - 4, h}, Painted(kBottomColours.active)));
  // The caption bar apart from the buttons (close, maximize and minimize; no restore).
  EXPECT_TRUE(AllPixels(frame, RECT{4, 0, w - 73, 24}, Painted(kTopColours.active)));
  EXPECT_TRUE(AllPixels(frame, RECT{w - 73, 0, w - 4, 2}, Painted(kTopColours.active)));
  EXPECT_TRUE(AllPixels(frame, RECT{w - 73, 22, w - 4, 24}, Painted(kTopColours.active)));
  const std::vector<ButtonSpec> buttons = StandardButtons();
  EXPECT_TRUE(AllPixels(frame, RECT{w - 25, 2, w - 4, 22}, Painted(buttons[0].colours[0]))) << "close";
  EXPECT_TRUE(AllPixels(frame, RECT{w - 49, 2, w - 28, 22}, Painted(buttons[1].colours[0]))) << "maximize";
  EXPECT_TRUE(AllPixels(frame, RECT{w - 73, 2, w - 52, 22}, Painted(buttons[3].colours[0]))) << "minimize";
  EXPECT_TRUE(AllPixels(frame, RECT{w - 28, 2, w - 25, 22}, Painted(kTopColours.active))) << "between buttons";
  // The client area is not the frame's.
  EXPECT_TRUE(AllPixels(frame, RECT{4, 24, w - 4, h - 4}, testutil::kUnpaintedColour));
}

TEST_F(FrameTest, InactiveWindowPaintsTheSecondFramesAndInactiveButtons) {
  UseSkin(SolidFrameSkin());
  TWinSkinForm* skinner = SkinnedWindow("SkinFramePaint", WS_OVERLAPPEDWINDOW, 0, 400, 300);
  ASSERT_NE(skinner, nullptr);
  SetWindowTextA(skinner->FHandle, "");
  HWND other = CreateTestWindow("SkinFrameOther");
  SetActiveWindow(other);
  testutil::PumpMessages(20);
  ASSERT_EQ(skinner->FActive, 0);
  const SIZE s = SizeOf(skinner->FHandle);
  const int w = s.cx, h = s.cy;
  const fw::TBitmap frame = PaintedFrame(*skinner);
  EXPECT_TRUE(AllPixels(frame, RECT{0, 0, 4, h}, Painted(kLeftColours.inactive)));
  EXPECT_TRUE(AllPixels(frame, RECT{w - 4, 0, w, h}, Painted(kRightColours.inactive)));
  EXPECT_TRUE(AllPixels(frame, RECT{4, h - 4, w - 4, h}, Painted(kBottomColours.inactive)));
  EXPECT_TRUE(AllPixels(frame, RECT{4, 0, w - 73, 24}, Painted(kTopColours.inactive)));
  EXPECT_TRUE(AllPixels(frame, RECT{w - 25, 2, w - 4, 22}, Painted(StandardButtons()[0].colours[3])));
  // And what the window shows is the same.
  const fw::TBitmap shown = ShownWindow(skinner->FHandle);
  EXPECT_EQ(shown.Pixel(1, h / 2), Painted(kLeftColours.inactive));
  EXPECT_EQ(shown.Pixel(w / 2, 1), Painted(kTopColours.inactive));
}

TEST_F(FrameTest, FrameImagesKeptForBothActivationStatesFollowTheWindowsSize) {
  UseSkin(SolidFrameSkin());
  TWinSkinForm* skinner = SkinnedWindow("SkinFramePaint", WS_OVERLAPPEDWINDOW, 0, 400, 300);
  ASSERT_NE(skinner, nullptr);
  SetWindowTextA(skinner->FHandle, "Kept");
  testutil::PumpMessages(20);
  skinner->FActive = 1;
  const fw::TBitmap active = PaintedFrame(*skinner);
  skinner->FActive = 0;
  const fw::TBitmap inactive = PaintedFrame(*skinner);
  skinner->FActive = 1;
  const fw::TBitmap activeAgain = PaintedFrame(*skinner);
  const SIZE s = SizeOf(skinner->FHandle);
  EXPECT_EQ(inactive.Pixel(1, s.cy / 2), Painted(kLeftColours.inactive));
  for (int y = 0; y < s.cy; ++y)
    for (int x = 0; x < s.cx; ++x) ASSERT_EQ(activeAgain.Pixel(x, y), active.Pixel(x, y)) << x << "," << y;

  // A new size: both states are made for it, the one not shown before too.
  SetWindowPos(skinner->FHandle, nullptr, 0, 0, 300, 200, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  testutil::PumpMessages(10);
  ASSERT_EQ(SizeOf(skinner->FHandle).cx, 300);
  skinner->FActive = 1;
  (void)PaintedFrame(*skinner);
  skinner->FActive = 0;
  const fw::TBitmap smaller = PaintedFrame(*skinner);
  skinner->FActive = 1;
  EXPECT_TRUE(AllPixels(smaller, RECT{0, 0, 4, 200}, Painted(kLeftColours.inactive)));
  EXPECT_TRUE(AllPixels(smaller, RECT{296, 0, 300, 200}, Painted(kRightColours.inactive)));
  EXPECT_TRUE(AllPixels(smaller, RECT{4, 196, 296, 200}, Painted(kBottomColours.inactive)));
  EXPECT_TRUE(AllPixels(smaller, RECT{4, 0, 296 - 73, 2}, Painted(kTopColours.inactive)));
  EXPECT_TRUE(AllPixels(smaller, RECT{300 - 25, 2, 296, 22}, Painted(StandardButtons()[0].colours[3])));
}

TEST_F(FrameTest, CaptionKeptForTheOtherActivationStateBringsItsOwnButtonsBack) {
  // One button only while active, another only while inactive, at the same place.
  FrameSkinSpec recipe = WithoutButtons();
  ButtonSpec whenActive;
  whenActive.action = 77;
  whenActive.visibility = whenActive.visibility1 = skin::bvActive;
  ButtonSpec whenInactive = whenActive;
  whenInactive.action = 78;
  whenInactive.visibility = whenInactive.visibility1 = skin::bvInactive;
  whenInactive.colours[0] = whenInactive.colours[3] = 0x00C000;
  recipe.buttons = {whenActive, whenInactive};
  UseSkin(SolidFrameSkin(recipe));
  TWinSkinForm* skinner = SkinnedWindow("SkinFramePaint", WS_OVERLAPPEDWINDOW, 0, 400, 300);
  ASSERT_NE(skinner, nullptr);
  const int w = SizeOf(skinner->FHandle).cx;
  const RECT place{w - 30, 2, w - 30 + 21, 22};
  const POINT inside{place.left + 5, place.top + 5};
  for (int round = 0; round < 3; ++round) {
    for (const bool active : {true, false}) {
      SCOPED_TRACE(std::string(active ? "active" : "inactive") + ", round " + std::to_string(round));
      skinner->FActive = active ? 1 : 0;
      const fw::TBitmap frame = PaintedFrame(*skinner);
      EXPECT_TRUE(AllPixels(frame, place, Painted(active ? whenActive.colours[0] : whenInactive.colours[0])));
      EXPECT_EQ(skinner->FButtons[0]->Visible, active ? 1 : 0);
      EXPECT_EQ(skinner->FButtons[1]->Visible, active ? 0 : 1);
      const skin::TWinSysButton* hit = skinner->CaptionButtonAt(inside);
      ASSERT_NE(hit, nullptr);
      EXPECT_EQ(hit->SkinButton->Action, active ? 77 : 78);
    }
  }
}

TEST_F(FrameTest, IconDrawnOffScreenFollowsWhatLiesUnderIt) {
  UseSkin(SolidFrameSkin());
  TWinSkinForm* skinner = SkinnedWindow("SkinFramePaint", WS_OVERLAPPEDWINDOW, 0, 400, 200);
  ASSERT_NE(skinner, nullptr);
  HICON icon = LoadIconA(nullptr, IDI_WARNING);
  SendMessageA(skinner->FHandle, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
  const int size = skinner->FIconSize;
  ASSERT_GT(size, 0);
  // The icon as DrawIconEx draws it over a background, beside what the skinner draws there.
  fw::UniqueIcon scaled(static_cast<HICON>(CopyImage(icon, IMAGE_ICON, size, size, LR_COPYFROMRESOURCE)));
  auto over = [&](COLORREF background, bool bySkinner) {
    fw::TBitmap image(size + 4, size + 4, fw::pf32bit);
    fw::UniqueBrush brush(CreateSolidBrush(background));
    const RECT all{0, 0, size + 4, size + 4};
    FillRect(image.DC(), &all, brush.get());
    if (bySkinner) {
      skinner->DrawIcon(image.DC(), RECT{2, 2, 2 + size, 2 + size});
    } else {
      DrawIconEx(image.DC(), 2, 2, scaled ? scaled.get() : icon, size, size, 0, nullptr, DI_NORMAL);
    }
    return image;
  };
  for (const COLORREF background :
       {RGB(255, 255, 255), RGB(255, 255, 255), RGB(0, 0, 128), RGB(0, 0, 128), RGB(255, 255, 255)}) {
    const fw::TBitmap expected = over(background, false);
    const fw::TBitmap drawn = over(background, true);
    for (int y = 0; y < expected.Height(); ++y)
      for (int x = 0; x < expected.Width(); ++x)
        ASSERT_EQ(drawn.Pixel(x, y), expected.Pixel(x, y)) << x << "," << y << " over " << std::hex << background;
  }
}

TEST_F(FrameTest, MaximizedWindowShowsRestoreInsteadOfMaximize) {
  UseSkin(SolidFrameSkin());
  TWinSkinForm* skinner = SkinnedWindow("SkinFramePaint", WS_OVERLAPPEDWINDOW, 0, 400, 300);
  ASSERT_NE(skinner, nullptr);
  ShowWindow(skinner->FHandle, SW_MAXIMIZE);
  testutil::PumpMessages(30);
  ASSERT_EQ(skinner->FWindowState, skin::TWindowState::wsMaximized);
  const int w = SizeOf(skinner->FHandle).cx;
  const fw::TBitmap frame = PaintedFrame(*skinner);
  const std::vector<ButtonSpec> buttons = StandardButtons();
  EXPECT_TRUE(AllPixels(frame, RECT{w - 49, 2, w - 28, 22}, Painted(buttons[2].colours[0]))) << "restore";
  EXPECT_TRUE(AllPixels(frame, RECT{w - 25, 2, w - 4, 22}, Painted(buttons[0].colours[0]))) << "close";
}

TEST_F(FrameTest, RightAlignedButtonSitsAtTheWindowWidthLessItsXcoord) {
  FrameSkinSpec recipe = WithoutButtons();
  ButtonSpec button;
  button.action = 0;
  button.x = 30;
  button.width = 21;
  recipe.buttons = {button};
  UseSkin(SolidFrameSkin(recipe));
  TWinSkinForm* skinner = SkinnedWindow("SkinFramePaint", WS_OVERLAPPEDWINDOW, 0, 400, 300);
  ASSERT_NE(skinner, nullptr);
  SetWindowPos(skinner->FHandle, nullptr, 0, 0, 400, 300, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  SetWindowTextA(skinner->FHandle, "");
  testutil::PumpMessages(20);
  ASSERT_EQ(SizeOf(skinner->FHandle).cx, 400);
  const fw::TBitmap frame = PaintedFrame(*skinner);
  ASSERT_EQ(skinner->FButtons.size(), 4u) << "the skin's button and the three of a maximized MDI child";
  const RECT bounds = skinner->FButtons[0]->BoundsRect;
  EXPECT_EQ(bounds.left, 370);
  EXPECT_EQ(bounds.top, 2);
  EXPECT_EQ(bounds.right, 391);
  EXPECT_EQ(bounds.bottom, 22);
  EXPECT_TRUE(AllPixels(frame, RECT{370, 2, 391, 22}, Painted(button.colours[0])));
  EXPECT_TRUE(AllPixels(frame, RECT{369, 0, 370, 24}, Painted(kTopColours.active)));
  EXPECT_TRUE(AllPixels(frame, RECT{391, 0, 396, 24}, Painted(kTopColours.active)));
}

// ---- Caption text -----------------------------------------------------------------------------------

constexpr const char* kLongCaption =
    "A caption much longer than the caption bar of this window has room for, so it must end in an ellipsis";

TEST_F(FrameTest, CaptionTooLongIsCutWithAnEllipsisAtTheRightClip) {
  FrameSkinSpec recipe = WithoutButtons();
  recipe.textRightClip = 30;
  UseSkin(SolidFrameSkin(recipe));
  TWinSkinForm* skinner = SkinnedWindow("SkinFramePaint", WS_OVERLAPPEDWINDOW, 0, 300, 200);
  ASSERT_NE(skinner, nullptr);
  SetWindowTextA(skinner->FHandle, kLongCaption);
  testutil::PumpMessages(20);
  const int w = SizeOf(skinner->FHandle).cx;
  const fw::TBitmap frame = PaintedFrame(*skinner);
  const int limit = w - 4 - 30;
  EXPECT_EQ(skinner->FCaptionTextRect.right, limit);
  const Columns text = ColumnsNotOf(frame, 4, w - 4, 0, 24, Painted(kTopColours.active));
  ASSERT_GE(text.first, 0) << "no caption text";
  EXPECT_LT(text.last, limit) << "text beyond the clip";
  EXPECT_GE(text.last, limit - 12) << "the text ends well before the clip: no ellipsis reaches it";
  // The ellipsis: the last glyphs are three dots, narrow columns of text colour on one row.
  int dots = 0;
  for (int x = text.last; x > text.last - 14 && x > 0; --x) {
    const Columns column = ColumnsNotOf(frame, x, x + 1, 0, 24, Painted(kTopColours.active));
    const bool ink = column.first >= 0;
    const bool inkLeft = x > 0 && ColumnsNotOf(frame, x - 1, x, 0, 24, Painted(kTopColours.active)).first >= 0;
    if (ink && !inkLeft) ++dots;
  }
  EXPECT_GE(dots, 3) << "three separate dots at the end";
}

TEST_F(FrameTest, PopupCaptionStopsFivePixelsBeforeTheRightButtons) {
  FrameSkinSpec recipe;  // close, maximize and minimize: a zone of 73 pixels
  recipe.textRightClip = 10;
  UseSkin(SolidFrameSkin(recipe));
  TWinSkinForm* skinner = SkinnedWindow(
      "SkinFramePopup", WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX, 0, 320, 200);
  ASSERT_NE(skinner, nullptr);
  SetWindowTextA(skinner->FHandle, kLongCaption);
  testutil::PumpMessages(20);
  const int w = SizeOf(skinner->FHandle).cx;
  EXPECT_EQ(skinner->FRightButtonsWidth, 73);
  EXPECT_EQ(skinner->FCaptionTextRect.right, w - 4 - 73 - 5);
  const fw::TBitmap frame = PaintedFrame(*skinner);
  const Columns text = ColumnsNotOf(frame, 4, w - 73, 0, 24, Painted(kTopColours.active));
  ASSERT_GE(text.first, 0);
  EXPECT_LT(text.last, w - 4 - 73 - 5);
}

TEST_F(FrameTest, CaptionTextIsDrawnInTheTitleColours) {
  UseSkin(SolidFrameSkin(WithoutButtons()));
  TWinSkinForm* skinner = SkinnedWindow("SkinFramePaint", WS_OVERLAPPEDWINDOW, 0, 400, 200);
  ASSERT_NE(skinner, nullptr);
  SetWindowTextA(skinner->FHandle, "WWWW");
  testutil::PumpMessages(20);
  auto count = [&](COLORREF colour) {
    const fw::TBitmap frame = PaintedFrame(*skinner);
    int pixels = 0;
    for (int y = 0; y < 24; ++y)
      for (int x = 4; x < 200; ++x) pixels += frame.Pixel(x, y) == colour;
    return pixels;
  };
  EXPECT_GT(count(Painted(kTitleActiveColour)), 20);
  EXPECT_EQ(count(Painted(kTitleInactiveColour)), 0);
  skinner->FActive = 0;
  EXPECT_GT(count(Painted(kTitleInactiveColour)), 20);
  EXPECT_EQ(count(Painted(kTitleActiveColour)), 0);
}

// The window's icon as a system-menu button at the caption's left (Action 3, no image).
FrameSkinSpec WithIconButton() {
  FrameSkinSpec recipe = WithoutButtons();
  ButtonSpec icon;
  icon.action = 3;
  icon.align = 0;
  icon.x = 6;
  icon.y = 4;
  icon.image = false;
  recipe.buttons = {icon};
  recipe.textShift = 28;
  return recipe;
}

TEST_F(FrameTest, DialogShowsNoIconAndItsLeftAlignedCaptionMovesSixteenPixelsLeft) {
  UseSkin(SolidFrameSkin(WithIconButton()));
  TWinSkinForm* plain = SkinnedWindow("SkinFrameWithIcon", WS_OVERLAPPEDWINDOW, 0, 400, 200);
  ASSERT_NE(plain, nullptr);
  HWND dialog = CreatePlainDialog(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | WS_VISIBLE);
  SetWindowPos(dialog, nullptr, 0, 0, 400, 200, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  TWinSkinForm* box = ActivateSkinned(dialog);
  ASSERT_NE(box, nullptr);
  for (HWND window : {plain->FHandle, dialog}) {
    SendMessageA(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(LoadIconA(nullptr, IDI_APPLICATION)));
    SetWindowTextA(window, "Same caption");
  }
  testutil::PumpMessages(20);
  // Both painted as active windows.
  plain->FActive = box->FActive = 1;
  const COLORREF bar = Painted(kTopColours.active);
  const fw::TBitmap withIcon = PaintedFrame(*plain);
  const fw::TBitmap ofDialog = PaintedFrame(*box);
  const int icon = GetSystemMetrics(SM_CXSMICON);

  // The plain window's icon is drawn at (6, 4); the dialog has none there.
  EXPECT_FALSE(AllPixels(withIcon, RECT{6, 4, 6 + icon, 4 + icon}, bar)) << "no icon drawn";
  EXPECT_TRUE(AllPixels(ofDialog, RECT{4, 0, 4 + icon + 8, 4}, bar));
  EXPECT_FALSE(box->FButtons[0]->Visible);
  // The caption text starts 16 pixels further left in the dialog.
  const Columns plainText = ColumnsNotOf(withIcon, 6 + icon, 300, 0, 24, bar);
  const Columns dialogText = ColumnsNotOf(ofDialog, 4, 300, 0, 24, bar);
  ASSERT_GE(plainText.first, 0);
  ASSERT_GE(dialogText.first, 0);
  EXPECT_EQ(plainText.first - dialogText.first, 16);
  EXPECT_EQ(plain->FCaptionTextRect.left - box->FCaptionTextRect.left, 16);
  EXPECT_EQ(box->FCaptionTextRect.left, 4 + 28 - 16);
}

// A window that answers SKM_BUTTONVISIBLE with what the test says, and notes what it was asked.
struct AskedWindow {
  static bool& Answer() {
    static bool answer = false;
    return answer;
  }
  static std::vector<std::pair<WPARAM, LPARAM>>& Questions() {
    static std::vector<std::pair<WPARAM, LPARAM>> questions;
    return questions;
  }
  static LRESULT CALLBACK Procedure(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == skin::SKM_BUTTONVISIBLE) {
      Questions().emplace_back(wParam, lParam);
      return Answer() ? 1 : 0;
    }
    return DefWindowProcA(window, msg, wParam, lParam);
  }
  static const char* Class() {
    WNDCLASSA wc{};
    if (!GetClassInfoA(GetModuleHandleA(nullptr), "SkinFrameAsked", &wc)) {
      wc.lpfnWndProc = Procedure;
      wc.hInstance = GetModuleHandleA(nullptr);
      wc.lpszClassName = "SkinFrameAsked";
      RegisterClassA(&wc);
    }
    return "SkinFrameAsked";
  }
};

TEST_F(FrameTest, FrameFollowsEveryChangeOfWhatItShows) {
  FrameSkinSpec recipe = WithIconButton();
  ButtonSpec asked;  // shown while the window says so
  asked.action = 77;
  asked.x = 40;
  asked.visibility = 1234;
  recipe.buttons.push_back(asked);
  UseSkin(SolidFrameSkin(recipe));
  AskedWindow::Answer() = false;
  TWinSkinForm* skinner = SkinnedWindow(AskedWindow::Class(), WS_OVERLAPPEDWINDOW, 0, 400, 200);
  ASSERT_NE(skinner, nullptr);
  HWND window = skinner->FHandle;
  SetWindowTextA(window, "First");
  testutil::PumpMessages(20);
  const COLORREF bar = Painted(kTopColours.active);
  const int w = SizeOf(window).cx;
  const RECT iconArea{6, 4, 6 + GetSystemMetrics(SM_CXSMICON), 4 + GetSystemMetrics(SM_CYSMICON)};
  const RECT askedArea{w - 40, 2, w - 40 + 21, 22};

  fw::TBitmap before = PaintedFrame(*skinner);
  EXPECT_TRUE(AllPixels(before, askedArea, bar)) << "the window said no";
  EXPECT_TRUE(AllPixels(before, iconArea, bar)) << "no icon yet";
  const Columns firstText = ColumnsNotOf(before, 30, w - 60, 0, 24, bar);
  ASSERT_GE(firstText.first, 0);
  // The question is asked at every paint, with the button's Visibility and Action.
  AskedWindow::Questions().clear();
  AskedWindow::Answer() = true;
  fw::TBitmap shown = PaintedFrame(*skinner);
  ASSERT_FALSE(AskedWindow::Questions().empty());
  EXPECT_EQ(AskedWindow::Questions().back(), (std::pair<WPARAM, LPARAM>{1234, 77}));
  EXPECT_TRUE(AllPixels(shown, askedArea, Painted(asked.colours[0])));

  SetWindowTextA(window, "Second caption, longer");
  const Columns secondText = ColumnsNotOf(PaintedFrame(*skinner), 30, w - 60, 0, 24, bar);
  EXPECT_GT(secondText.last, firstText.last + 20) << "the new caption";

  SendMessageA(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(LoadIconA(nullptr, IDI_APPLICATION)));
  EXPECT_FALSE(AllPixels(PaintedFrame(*skinner), iconArea, bar)) << "the new icon";

  SetWindowPos(window, nullptr, 0, 0, 300, 150, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  const fw::TBitmap smaller = PaintedFrame(*skinner);
  EXPECT_TRUE(AllPixels(smaller, RECT{296, 0, 300, 150}, Painted(kRightColours.active)));
  EXPECT_TRUE(AllPixels(smaller, RECT{4, 146, 296, 150}, Painted(kBottomColours.active)));
}

// ---- The Windows 9x family: ANSI text ----------------------------------------------------------

TEST_F(FrameTest, CaptionDrawnTheAnsiWayLooksTheSameAsTheWideWay) {
  UseSkin(SolidFrameSkin(WithoutButtons()));
  TWinSkinForm* skinner = SkinnedWindow("SkinFramePaint", WS_OVERLAPPEDWINDOW, 0, 400, 200);
  ASSERT_NE(skinner, nullptr);
  // "Pastelle 剪贴板历史" in code page 936.
  SetWindowTextA(skinner->FHandle, "Pastelle \xBC\xF4\xCC\xF9\xB0\xE5\xC0\xFA\xCA\xB7");
  testutil::PumpMessages(20);
  const fw::TBitmap wide = PaintedFrame(*skinner);
  fw::TBitmap ansi;
  {
    skin::ScopedPlatformFamily family(skin::PlatformFamily::Windows9x);
    ansi = PaintedFrame(*skinner);
  }
  const Columns text = ColumnsNotOf(wide, 4, 396, 0, 24, Painted(kTopColours.active));
  ASSERT_GE(text.first, 0);
  EXPECT_GT(text.last - text.first, 60) << "the whole caption, Chinese included";
  for (int y = 0; y < 24; ++y)
    for (int x = 0; x < wide.Width(); ++x) ASSERT_EQ(ansi.Pixel(x, y), wide.Pixel(x, y)) << x << "," << y;
}

TEST_F(FrameTest, UnicodeWindowsCaptionIsReadWideAndLooksAsTheAnsiWindowsOne) {
  UseSkin(SolidFrameSkin(WithoutButtons()));
  WNDCLASSW wc{};
  wc.lpfnWndProc = DefWindowProcW;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = L"SkinFrameWide";
  RegisterClassW(&wc);
  HWND wide = CreateWindowExW(0, L"SkinFrameWide", L"Pastelle \u526A\u8D34\u677F\u5386\u53F2", WS_OVERLAPPEDWINDOW, 40,
                              40, 400, 200, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  ASSERT_NE(wide, nullptr);
  windows.push_back(wide);
  ShowWindow(wide, SW_SHOWNOACTIVATE);
  TWinSkinForm* ofWide = ActivateSkinned(wide);
  TWinSkinForm* ofAnsi = SkinnedWindow("SkinFramePaint", WS_OVERLAPPEDWINDOW, 0, 400, 200);
  ASSERT_TRUE(ofWide && ofAnsi);
  EXPECT_TRUE(ofWide->FUnicode);
  EXPECT_FALSE(ofAnsi->FUnicode);
  SetWindowTextA(ofAnsi->FHandle, "Pastelle \xBC\xF4\xCC\xF9\xB0\xE5\xC0\xFA\xCA\xB7");
  testutil::PumpMessages(20);
  ofWide->FActive = ofAnsi->FActive = 1;
  const fw::TBitmap fromWide = PaintedFrame(*ofWide);
  const fw::TBitmap fromAnsi = PaintedFrame(*ofAnsi);
  ASSERT_EQ(fromWide.Width(), fromAnsi.Width());
  EXPECT_GT(ColumnsNotOf(fromWide, 4, 396, 0, 24, Painted(kTopColours.active)).last, 60);
  for (int y = 0; y < 24; ++y)
    for (int x = 0; x < fromWide.Width(); ++x) ASSERT_EQ(fromWide.Pixel(x, y), fromAnsi.Pixel(x, y)) << x << "," << y;
}

TEST_F(FrameTest, OnTheWindows9xFamilyTheSystemMenuIsLeftUnskinned) {
  skin::TSkinData* data = UseSkin(SolidFrameSkin());
  ASSERT_TRUE(data->HasControl(skin::xcSystemMenu));
  skin::ScopedPlatformFamily family(skin::PlatformFamily::Windows9x);
  ASSERT_NE(SkinnedWindow(), nullptr);
  EXPECT_FALSE(data->HasControl(skin::xcSystemMenu));
  EXPECT_TRUE(data->HasControl(skin::xcMainMenu));
}

// ---- Every skin of the program ----------------------------------------------------------------------

// The painted pixel that the skin's image gives a border position that lies in one of the image's
// fixed margins: frame `frame` (1 or 2), at (x, y) of that frame.
COLORREF BorderPixel(const skin::TDataSkinBorder& border, bool stacked, int frame, int x, int y) {
  const fw::TBitmap& image = *border.Bitmap;
  const int frames = std::max(border.Frame, 1);
  if (stacked) return image.Pixel(x, (frame - 1) * (image.Height() / frames) + y);
  return image.Pixel((frame - 1) * (image.Width() / frames) + x, y);
}

class ShippedSkinPaint : public FrameTest, public testing::WithParamInterface<ShippedSkin> {};

TEST_P(ShippedSkinPaint, CornersAndSeamsComeFromTheSkinsOwnImages) {
  skin::TSkinData* data = UseSkin(GetParam().stored());
  TWinSkinForm* skinner = SkinnedWindow("SkinFrameShipped", WS_OVERLAPPEDWINDOW, 0, 500, 360);
  ASSERT_NE(skinner, nullptr);
  SetWindowTextA(skinner->FHandle, "");
  HWND window = skinner->FHandle;
  for (int frame : {1, 2}) {
    SCOPED_TRACE(frame == 1 ? "active" : "inactive");
    skinner->FActive = frame == 1 ? 1 : 0;
    const fw::TBitmap painted = PaintedFrame(*skinner);
    const SIZE s = SizeOf(window);
    const int w = s.cx, h = s.cy;
    const int bl = skinner->FBorderLeft, br = skinner->FBorderRight, bt = skinner->FBorderTop,
              bb = skinner->FBorderBottom;
    const skin::TDataSkinBorder& left = *data->BorderLeft;
    const skin::TDataSkinBorder& right = *data->BorderRight;
    const skin::TDataSkinBorder& top = *data->BorderTop;
    const skin::TDataSkinBorder& bottom = *data->BorderBottom;
    const int leftImageHeight = left.Bitmap->Height(), rightImageHeight = right.Bitmap->Height();
    // The side pieces' fixed top and bottom rows.
    for (int x = 0; x < bl; ++x) {
      for (int y = 0; y < left.TopHeight; ++y)
        ASSERT_EQ(painted.Pixel(x, y), BorderPixel(left, false, frame, x, y)) << x << "," << y;
      for (int y = h - left.BottomHeight; y < h; ++y)
        ASSERT_EQ(painted.Pixel(x, y), BorderPixel(left, false, frame, x, leftImageHeight - (h - y))) << x << "," << y;
    }
    for (int x = w - br; x < w; ++x) {
      for (int y = 0; y < right.TopHeight; ++y)
        ASSERT_EQ(painted.Pixel(x, y), BorderPixel(right, false, frame, x - (w - br), y)) << x << "," << y;
      for (int y = h - right.BottomHeight; y < h; ++y)
        ASSERT_EQ(painted.Pixel(x, y), BorderPixel(right, false, frame, x - (w - br), rightImageHeight - (h - y)))
            << x << "," << y;
    }
    // The bottom piece's fixed left and right columns.
    const int bottomWidth = bottom.Bitmap->Width();
    for (int y = h - bb; y < h; ++y) {
      for (int x = bl; x < bl + bottom.LeftWidth; ++x)
        ASSERT_EQ(painted.Pixel(x, y), BorderPixel(bottom, true, frame, x - bl, y - (h - bb))) << x << "," << y;
      for (int x = w - br - bottom.RightWidth; x < w - br; ++x)
        ASSERT_EQ(painted.Pixel(x, y), BorderPixel(bottom, true, frame, bottomWidth - (w - br - x), y - (h - bb)))
            << x << "," << y;
    }
    // The caption bar's fixed ends, where no button or icon lies over them.
    const int topWidth = top.Bitmap->Width();
    auto underAButton = [&](int x, int y) {
      const POINT at{x, y};
      for (const auto& button : skinner->FButtons)
        if (button->Visible && PtInRect(&button->BoundsRect, at)) return true;
      return false;
    };
    for (int y = 0; y < bt; ++y) {
      for (int x = bl; x < bl + top.LeftWidth; ++x) {
        if (underAButton(x, y)) continue;
        ASSERT_EQ(painted.Pixel(x, y), BorderPixel(top, true, frame, x - bl, y)) << x << "," << y;
      }
      for (int x = w - br - top.RightWidth; x < w - br; ++x) {
        if (underAButton(x, y)) continue;
        ASSERT_EQ(painted.Pixel(x, y), BorderPixel(top, true, frame, topWidth - (w - br - x), y)) << x << "," << y;
      }
    }
    // Every caption button with an image shows the frame of its state where it is not magenta.
    int buttonPixels = 0;
    for (const auto& button : skinner->FButtons) {
      const skin::TDataSkinSysButton& record = *button->SkinButton;
      if (!button->Visible || record.Bitmap->Empty() || record.Align == skin::baMenuBand) continue;
      if (record.Action == skin::acSystemMenu || record.Action == skin::acWindowIcon) continue;
      const int frames = std::max(record.Frame, 1);
      const int shown = frame == 1 || frames < 4 ? 1 : 4;
      const int frameWidth = record.Bitmap->Width() / frames;
      const RECT& at = button->BoundsRect;
      if (record.Align == skin::baRight) {
        EXPECT_EQ(at.left, w - record.Xcoord);
      } else if (record.Align == skin::baLeft) {
        EXPECT_EQ(at.left, record.Xcoord);
      }
      EXPECT_EQ(at.top, record.Ycoord);
      for (int y = 0; y < record.Bitmap->Height(); ++y)
        for (int x = 0; x < frameWidth; ++x) {
          const COLORREF source = record.Bitmap->Pixel((shown - 1) * frameWidth + x, y);
          if (source == kMagenta) continue;
          ASSERT_EQ(painted.Pixel(at.left + x, at.top + y), source) << record.Name << " " << x << "," << y;
          ++buttonPixels;
        }
    }
    EXPECT_GT(buttonPixels, 0);
  }
}

TEST_P(ShippedSkinPaint, FrameworkFormAnswersPaintFrameToWithTheSameFrame) {
  UseSkin(GetParam().stored());
  fw::TForm* form = ShowForm();
  TWinSkinForm* skinner = SkinnerOf(form->Handle());
  ASSERT_NE(skinner, nullptr);
  ASSERT_TRUE(testutil::PumpUntil([&] { return skinner->FLifeState == skin::lsActive; }));
  form->SetCaption("Pastelle V2.0");
  testutil::PumpMessages(20);
  const testutil::RenderedWindow rendered = testutil::RenderWindow(form->Handle());
  ASSERT_TRUE(rendered.frameFromSkin);
  const fw::TBitmap painted = PaintedFrame(*skinner);
  fw::UniqueRegion region(CreateRectRgn(0, 0, 0, 0));
  const bool shaped = GetWindowRgn(form->Handle(), region.get()) != ERROR;
  const SIZE s = SizeOf(form->Handle());
  for (int y = 0; y < s.cy; ++y)
    for (int x = 0; x < s.cx; ++x) {
      const bool inFrame = x < skinner->FBorderLeft || x >= s.cx - skinner->FBorderRight || y < skinner->FBorderTop ||
                           y >= s.cy - skinner->FBorderBottom;
      if (!inFrame || (shaped && !PtInRegion(region.get(), x, y))) continue;
      ASSERT_EQ(rendered.image.Pixel(x, y), painted.Pixel(x, y)) << x << "," << y;
    }
  // What the window shows is that frame too.
  const fw::TBitmap shown = ShownWindow(form->Handle());
  EXPECT_EQ(shown.Pixel(1, s.cy / 2), painted.Pixel(1, s.cy / 2));
  EXPECT_EQ(shown.Pixel(s.cx / 2, s.cy - 1), painted.Pixel(s.cx / 2, s.cy - 1));
}

INSTANTIATE_TEST_SUITE_P(Skins, ShippedSkinPaint, testing::ValuesIn(ShippedSkins()), CaseName<ShippedSkin>);

}  // namespace
}  // namespace frametest
