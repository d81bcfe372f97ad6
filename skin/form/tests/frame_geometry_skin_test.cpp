// The frame geometry of the program's default skin, read from the real skin component, and a real
// window whose WM_NCCALCSIZE and WM_NCHITTEST answer from that geometry.
#include "skin/form/frame_geometry_skin.h"

#include <windows.h>

#include <gtest/gtest.h>
#include <windowsx.h>

#include <fstream>
#include <iterator>
#include <memory>
#include <vector>

#include "framework/handles.h"
#include "skin/core/skin_data.h"
#include "skin/form/frame_geometry.h"
#include "skin/paint/plane_win32.h"
#include "tests/support/win_test_util.h"

namespace {

using skin::FrameMetrics;
using skin::FrameSkin;
using skin::FrameWindow;
using skin::Point;
using skin::Rect;
using skin::Size;

constexpr int kWidth = 663;
constexpr int kHeight = 518;
constexpr DWORD kMainWindowStyle = WS_OVERLAPPEDWINDOW;

const auto kNoAnswer = [](int32_t, int32_t) { return false; };

std::vector<uint8_t> DefaultSkinStream() {
  std::ifstream file(testutil::WindowsPathOf(PASTELLE_DEFAULT_SKIN_STREAM), std::ios::binary);
  return std::vector<uint8_t>(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

Size SmallIcon() { return Size{GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON)}; }

// The window facts as the form skinner reads them from a window's style.
FrameWindow WindowFromStyle(DWORD style, DWORD ex_style, int width, int height) {
  FrameWindow window;
  window.Width = width;
  window.Height = height;
  window.BorderKind = skin::BorderKindOf(style, ex_style, false);
  window.BorderIcons = skin::BorderIconsOf(style, ex_style, false);
  window.Flags = skin::StyleFlagsOf(style, ex_style) | skin::ffActive;
  return window;
}

class DefaultSkinFrame : public ::testing::Test {
 protected:
  void SetUp() override {
    data_ = std::make_unique<skin::TSkinData>(nullptr);
    data_->SetSkinStream(DefaultSkinStream());
    ASSERT_FALSE(data_->SkinEmpty()) << "the default skin did not load";
    skin_ = skin::FrameSkinOf(*data_, SmallIcon());
  }

  std::unique_ptr<skin::TSkinData> data_;
  FrameSkin skin_;
};

TEST_F(DefaultSkinFrame, TheRecordsReachTheGeometryUnderTheirOwnNames) {
  EXPECT_EQ(skin_.Left.Image, (Size{8, 100}));
  EXPECT_EQ(skin_.Left.Frames, 2);
  EXPECT_EQ(skin_.Left.Trans, 1);
  EXPECT_EQ(skin_.Top.Image, (Size{632, 56}));
  EXPECT_EQ(skin_.Bottom.Image, (Size{632, 10}));
  EXPECT_EQ(skin_.Bottom.Trans, 0);
  EXPECT_EQ(skin_.Title.TextShift, 16);
  EXPECT_EQ(skin_.Title.TextShiftVert, 2);
  EXPECT_EQ(skin_.Title.TextRightClip, 20);
  EXPECT_EQ(data_->BorderTop->Stretch(), 1);
  EXPECT_EQ(skin_.MenuBarLeftWidth, 0) << "the default skin has no menu bar image";

  // Five buttons of the skin, then the three of a maximized MDI child.
  ASSERT_EQ(skin_.Buttons.size(), 8u);
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(skin_.Buttons[i].Align, skin::baRight) << i;
    EXPECT_EQ(skin_.Buttons[i].FrameSize(), (Size{21, 21})) << i;
  }
  const skin::CaptionButtonRecord& icon = skin_.Buttons[4];
  EXPECT_EQ(icon.Action, skin::acSystemMenu);
  EXPECT_EQ(icon.FrameSize(), SmallIcon()) << "the window icon stands in for the empty image";
  EXPECT_TRUE(data_->SysButtons[4]->Bitmap->Empty()) << "the skin's record is left as it is";
  for (int i = 5; i < 8; ++i) {
    EXPECT_EQ(skin_.Buttons[i].Action, skin::acMdiChildMinimize + (i - 5)) << i;
    EXPECT_EQ(skin_.Buttons[i].Align, skin::baMenuBand) << i;
    EXPECT_EQ(skin_.Buttons[i].Visibility, skin::bvMdiChildMaximized) << i;
  }
}

TEST_F(DefaultSkinFrame, AMainWindowOf663By518HasItsClientAtFourTwentyEightAndItsButtonsAtTheRight) {
  const FrameWindow window = WindowFromStyle(kMainWindowStyle, 0, kWidth, kHeight);
  ASSERT_EQ(window.BorderKind, skin::TBorderKind::bkSizeable);
  const FrameMetrics metrics = skin::MeasureFrame(window, skin_);
  EXPECT_EQ(skin::ClientOriginInFrame(window, metrics), (Point{4, 28}));
  EXPECT_EQ(skin::PiecesOf(window, metrics).Client, (Rect{4, 28, kWidth - 4, kHeight - 5}));

  const skin::CaptionLayout layout = skin::LayoutCaption(window, skin_, metrics, {120, 16}, kNoAnswer);
  const int w = kWidth;
  EXPECT_EQ(layout.Buttons[0].Bounds.TopLeft(), (Point{w - 25, 5})) << "close";
  EXPECT_EQ(layout.Buttons[1].Bounds.TopLeft(), (Point{w - 49, 5})) << "maximize";
  EXPECT_EQ(layout.Buttons[2].Bounds.TopLeft(), (Point{w - 73, 5})) << "minimize";
  EXPECT_FALSE(layout.Buttons[3].State.Visible) << "restore, for a window that is not maximized";
  EXPECT_EQ(layout.Buttons[4].Bounds.TopLeft(), (Point{8, 7})) << "icon";
  for (int i = 5; i < 8; ++i) EXPECT_FALSE(layout.Buttons[i].State.Visible) << i;
  EXPECT_EQ(layout.Text.RightButtonsWidth, 73);
}

// A window whose non-client answers come from the frame geometry, as the form skinner's do.
struct GeometryWindow {
  FrameSkin skin;
  FrameWindow window;
  FrameMetrics metrics;
  int last_default_hit = -1;

  static LRESULT CALLBACK Procedure(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_NCCREATE) {
      auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
      SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* self = reinterpret_cast<GeometryWindow*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (!self) return DefWindowProcA(hwnd, msg, wParam, lParam);
    switch (msg) {
      case WM_NCCALCSIZE: {
        // The first rectangle is the proposed window rectangle, whichever form the call takes.
        auto* proposed = reinterpret_cast<RECT*>(lParam);
        const skin::Rect window = skin::FromRECT(*proposed);
        self->window.Width = window.Width();
        self->window.Height = window.Height();
        self->metrics = skin::MeasureFrame(self->window, self->skin);
        if (const auto client = skin::SkinnedClientRect(self->window, self->metrics, window)) {
          *proposed = skin::ToRECT(*client);
          return wParam ? WVR_VALIDRECTS : 0;
        }
        return DefWindowProcA(hwnd, msg, wParam, lParam);
      }
      case WM_NCHITTEST: {
        const auto code = static_cast<int>(DefWindowProcA(hwnd, msg, wParam, lParam));
        self->last_default_hit = code;
        POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        ScreenToClient(hwnd, &at);
        const Point origin = skin::ClientOriginInFrame(self->window, self->metrics);
        return skin::RefineHitTest(self->metrics, code, Point{at.x + origin.X, at.y + origin.Y});
      }
      case WM_NCPAINT:
        return 0;
      default:
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
  }
};

constexpr const char* kGeometryClass = "PastelleFrameGeometryTest";

fw::UniqueWindow CreateGeometryWindow(GeometryWindow& state) {
  WNDCLASSA cls{};
  cls.lpfnWndProc = &GeometryWindow::Procedure;
  cls.hInstance = GetModuleHandleA(nullptr);
  cls.lpszClassName = kGeometryClass;
  RegisterClassA(&cls);  // a second registration fails harmlessly
  return fw::UniqueWindow(CreateWindowExA(0, kGeometryClass, "Pastelle V2.0", kMainWindowStyle, 40, 30, kWidth, kHeight,
                                          nullptr, nullptr, GetModuleHandleA(nullptr), &state));
}

LRESULT HitAt(HWND window, int x, int y) {
  RECT bounds{};
  GetWindowRect(window, &bounds);
  return SendMessageA(window, WM_NCHITTEST, 0, MAKELPARAM(bounds.left + x, bounds.top + y));
}

TEST_F(DefaultSkinFrame, ARealWindowGetsItsClientAndHitCodesFromTheSameRectangles) {
  GeometryWindow state;
  state.skin = skin_;
  state.window = WindowFromStyle(kMainWindowStyle, 0, kWidth, kHeight);
  const fw::UniqueWindow window = CreateGeometryWindow(state);
  ASSERT_TRUE(window);
  SetWindowPos(window.get(), nullptr, 0, 0, 0, 0,
               SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);

  RECT bounds{}, client{};
  GetWindowRect(window.get(), &bounds);
  GetClientRect(window.get(), &client);
  POINT origin{0, 0};
  ClientToScreen(window.get(), &origin);
  EXPECT_EQ(origin.x - bounds.left, 4);
  EXPECT_EQ(origin.y - bounds.top, 28);
  EXPECT_EQ(client.right, kWidth - 8);
  EXPECT_EQ(client.bottom, kHeight - 28 - 5);

  // Below the top rows of the caption bar the window is dragged by its caption, down to the
  // bar's last row, which the platform's own frame does not reach; the top rows still size it.
  EXPECT_EQ(HitAt(window.get(), 300, 27), HTCAPTION) << "the platform said " << state.last_default_hit;
  EXPECT_EQ(HitAt(window.get(), 300, 10), HTCAPTION);
  EXPECT_EQ(HitAt(window.get(), 300, 1), HTTOP);
  EXPECT_EQ(HitAt(window.get(), 300, 100), HTCLIENT);

  // A point over the close button, converted as the form skinner converts mouse positions.
  POINT at{bounds.left + kWidth - 25 + 3, bounds.top + 8};
  ScreenToClient(window.get(), &at);
  const Point in_frame = skin::ClientOriginInFrame(state.window, state.metrics);
  const skin::CaptionLayout layout = skin::LayoutCaption(state.window, skin_, state.metrics, {120, 16}, kNoAnswer);
  EXPECT_EQ(skin::CaptionButtonAt(skin_, layout, Point{at.x + in_frame.X, at.y + in_frame.Y}), 0);
}

}  // namespace
