// The skinned frame of real windows: border thicknesses, the client area the window is given, hit
// codes, the window region, dialog widening, frameless and native-framed windows, MDI children, and
// what reaches the window's own procedure before the skin is applied.
#include <windows.h>

#include <gtest/gtest.h>
#include <windowsx.h>

#include <ostream>
#include <string>

#include "framework/control.h"
#include "framework/handles.h"
#include "skin/core/skin_data.h"
#include "skin/core/skin_messages.h"
#include "skin/form/caption_buttons.h"
#include "skin/form/tests/frame_test_fixture.h"
#include "tests/support/message_recorder.h"
#include "tests/support/message_sequences.h"
#include "tests/support/win_test_util.h"
#include "tests/support/window_render.h"

namespace frametest {
namespace {

using skin::TWinSkinForm;

RECT ClientOf(HWND window) {
  RECT client{};
  GetClientRect(window, &client);
  return client;
}

// The client rectangle's top-left corner relative to the window's.
POINT ClientOrigin(HWND window) {
  POINT origin{0, 0};
  ClientToScreen(window, &origin);
  RECT bounds{};
  GetWindowRect(window, &bounds);
  return POINT{origin.x - bounds.left, origin.y - bounds.top};
}

LRESULT HitAt(HWND window, int x, int y) {
  const POINT at = OnScreen(window, x, y);
  return SendMessageA(window, WM_NCHITTEST, 0, MAKELPARAM(at.x, at.y));
}

// The same hit test answered by the default procedure alone.
LRESULT DefaultHitAt(HWND window, int x, int y) {
  const POINT at = OnScreen(window, x, y);
  return DefWindowProcA(window, WM_NCHITTEST, 0, MAKELPARAM(at.x, at.y));
}

bool SameRect(const RECT& a, const RECT& b) { return EqualRect(&a, &b) != FALSE; }

std::string Describe(const RECT& r) {
  return "(" + std::to_string(r.left) + ", " + std::to_string(r.top) + ", " + std::to_string(r.right) + ", " +
         std::to_string(r.bottom) + ")";
}

// ---- Metrics and client area --------------------------------------------------------------------

TEST_F(FrameTest, SkinnedWindowKeepsItsClientSizeInsideTheSkinBorders) {
  UseSkin(SolidFrameSkin());
  HWND window = CreateTestWindow("SkinFrameTest", WS_OVERLAPPEDWINDOW, 0, nullptr, nullptr, 400, 300);
  const RECT nativeClient = ClientOf(window);
  TWinSkinForm* skinner = ActivateSkinned(window);
  ASSERT_NE(skinner, nullptr);
  EXPECT_EQ(skinner->FBorderLeft, 4);
  EXPECT_EQ(skinner->FBorderTop, 24);
  EXPECT_EQ(skinner->FBorderRight, 4);
  EXPECT_EQ(skinner->FBorderBottom, 4);
  EXPECT_EQ(skinner->FMenuBarHeight, 0);
  EXPECT_PRED2(SameRect, ClientOf(window), nativeClient) << Describe(ClientOf(window));
  const POINT origin = ClientOrigin(window);
  EXPECT_EQ(origin.x, 4);
  EXPECT_EQ(origin.y, 24);
  const SIZE size = SizeOf(window);
  EXPECT_EQ(size.cx, nativeClient.right + 8);
  EXPECT_EQ(size.cy, nativeClient.bottom + 28);
}

TEST_F(FrameTest, NonClientSizeIsTheProposedRectangleLessTheSkinBorders) {
  UseSkin(SolidFrameSkin());
  TWinSkinForm* skinner = SkinnedWindow();
  ASSERT_NE(skinner, nullptr);
  WINDOWPOS position{skinner->FHandle, nullptr, 100, 50, 300, 200, SWP_NOZORDER};
  NCCALCSIZE_PARAMS params{};
  params.rgrc[0] = RECT{100, 50, 400, 250};
  params.rgrc[1] = RECT{100, 50, 400, 250};
  params.rgrc[2] = RECT{104, 74, 396, 246};
  params.lppos = &position;
  EXPECT_EQ(SendMessageA(skinner->FHandle, WM_NCCALCSIZE, TRUE, reinterpret_cast<LPARAM>(&params)), WVR_VALIDRECTS);
  EXPECT_PRED2(SameRect, params.rgrc[0], (RECT{104, 74, 396, 246})) << Describe(params.rgrc[0]);
  EXPECT_PRED2(SameRect, params.rgrc[1], params.rgrc[0]);
}

// ---- Dialogs whose caption does not fit ---------------------------------------------------------

// The caption's width in the caption font of the system's non-client metrics.
int CaptionWidth(HWND window, const std::wstring& text) {
  NONCLIENTMETRICSA metrics{};
  metrics.cbSize = 340;
  SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0);
  fw::UniqueFont font(CreateFontIndirectA(&metrics.lfCaptionFont));
  fw::WindowDC dc(window, fw::WindowDC::Area::Window);
  HGDIOBJ old = SelectObject(dc.get(), font.get());
  SIZE extent{};
  GetTextExtentPoint32W(dc.get(), text.c_str(), static_cast<int>(text.size()), &extent);
  SelectObject(dc.get(), old);
  return extent.cx;
}

struct DialogCaseSpec {
  const char* name;
  const wchar_t* caption;
  int width;
};

void PrintTo(const DialogCaseSpec& c, std::ostream* out) { *out << c.name; }

class DialogWidening : public FrameTest, public testing::WithParamInterface<DialogCaseSpec> {};

TEST_P(DialogWidening, DialogIsWidenedToItsCaptionAndItsChildrenMoveByHalfTheGrowth) {
  const DialogCaseSpec& c = GetParam();
  FrameSkinSpec recipe;
  recipe.textShift = 8;
  recipe.textRightClip = 30;
  UseSkin(SolidFrameSkin(recipe));
  HWND dialog = CreatePlainDialog(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | WS_VISIBLE);
  ASSERT_NE(dialog, nullptr);
  SetWindowTextW(dialog, c.caption);
  SetWindowPos(dialog, nullptr, 0, 0, c.width, 120, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  HWND child = CreateWindowExA(0, "BUTTON", "OK", WS_CHILD | WS_VISIBLE, 10, 30, 50, 20, dialog, nullptr,
                               GetModuleHandleA(nullptr), nullptr);
  const RECT client = ClientOf(dialog);
  const int captionWidth = CaptionWidth(dialog, c.caption);

  TWinSkinForm* skinner = ActivateSkinned(dialog);
  ASSERT_NE(skinner, nullptr);
  EXPECT_TRUE(skinner->FDialogClass);
  EXPECT_EQ(skinner->FBorderKind, skin::TBorderKind::bkDialog);
  EXPECT_EQ(skinner->FCaptionTextWidth, captionWidth);
  const int skinned = client.right + 4 + 4;
  const int needed = 8 + captionWidth + 30;
  const int expected = std::max(skinned, needed);
  EXPECT_EQ(SizeOf(dialog).cx, expected);
  RECT childBounds{};
  GetWindowRect(child, &childBounds);
  MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&childBounds), 2);
  EXPECT_EQ(childBounds.left, 10 + (expected - skinned) / 2);
  EXPECT_EQ(childBounds.top, 30);
  EXPECT_EQ(childBounds.right - childBounds.left, 50) << "children keep their size";
}

const DialogCaseSpec kDialogCases[] = {
    {"LongCaption", L"A caption far wider than this narrow dialog can show", 120},
    {"ShortCaption", L"Hi", 300},
};

INSTANTIATE_TEST_SUITE_P(Captions, DialogWidening, testing::ValuesIn(kDialogCases), CaseName<DialogCaseSpec>);

// ---- Border kind none ---------------------------------------------------------------------------

TEST_F(FrameTest, WindowWithoutCaptionGetsNoBordersNoMenuBandAndItsOwnClientArea) {
  UseSkin(SolidFrameSkin());
  // WS_BORDER alone is half of WS_CAPTION.
  HWND window =
      CreateTestWindow("SkinFrameNoCaption", WS_POPUP | WS_BORDER | WS_SYSMENU, 0, nullptr, nullptr, 300, 200);
  const RECT nativeClient = ClientOf(window);
  const POINT nativeOrigin = ClientOrigin(window);
  TWinSkinForm* skinner = ActivateSkinned(window);
  ASSERT_NE(skinner, nullptr);
  EXPECT_EQ(skinner->FBorderKind, skin::TBorderKind::bkNone);
  EXPECT_EQ(skinner->Metrics(), (skin::FrameMetrics{0, 0, 0, 0, 0}));
  EXPECT_PRED2(SameRect, ClientOf(window), nativeClient);
  EXPECT_EQ(ClientOrigin(window).x, nativeOrigin.x);
  EXPECT_EQ(ClientOrigin(window).y, nativeOrigin.y);
  EXPECT_EQ(SizeOf(window).cx, 300);
  EXPECT_EQ(SizeOf(window).cy, 200);

  // WM_NCCALCSIZE answers what the default procedure answers.
  NCCALCSIZE_PARAMS params{};
  WINDOWPOS position{window, nullptr, 10, 10, 300, 200, SWP_NOZORDER};
  params.rgrc[0] = params.rgrc[1] = params.rgrc[2] = RECT{10, 10, 310, 210};
  params.lppos = &position;
  NCCALCSIZE_PARAMS native = params;
  SendMessageA(window, WM_NCCALCSIZE, TRUE, reinterpret_cast<LPARAM>(&params));
  DefWindowProcA(window, WM_NCCALCSIZE, TRUE, reinterpret_cast<LPARAM>(&native));
  EXPECT_PRED2(SameRect, params.rgrc[0], native.rgrc[0]) << Describe(params.rgrc[0]);

  // Nothing of the skin is painted on it.
  fw::TBitmap frame = PaintedFrame(*skinner);
  for (int y = 0; y < frame.Height(); y += 7)
    for (int x = 0; x < frame.Width(); x += 7)
      ASSERT_EQ(frame.Pixel(x, y), testutil::kUnpaintedColour) << x << "," << y;
}

// ---- Frame left native --------------------------------------------------------------------------

TEST_F(FrameTest, WithoutMainMenuSkinningTheFrameStaysNative) {
  skin::TSkinData* data = UseSkin(SolidFrameSkin());
  data->SetSkinControls(data->SkinControls() & ~skin::SkinControlSet({skin::xcMainMenu}));
  SetActiveWindow(CreateTestWindow("SkinFrameOther"));
  HWND window = CreateHiddenTestWindow("SkinFrameNative", WS_OVERLAPPEDWINDOW, 0, nullptr, nullptr, 300, 200);
  const RECT nativeClient = ClientOf(window);
  const POINT nativeOrigin = ClientOrigin(window);
  // The frame's messages reach the window's own procedure, activation and paint included.
  testutil::MessageRecorder below;
  below.Ignore(fw::ControlMessage());
  ASSERT_TRUE(below.Attach(window));
  ShowWindow(window, SW_SHOW);
  ASSERT_TRUE(testutil::PumpUntilRecorded(below, skin::SKM_SKINREADY));
  testutil::PumpUntilQuiet(below);
  EXPECT_MESSAGE_SEQUENCE(below, testutil::skinned_window::kFirstShowNativeFrameBelowSkinner, "ShowWindow(SW_SHOW)");
  TWinSkinForm* skinner = SkinnerOf(window);
  ASSERT_NE(skinner, nullptr);
  EXPECT_FALSE(skinner->FSkinFrame);
  EXPECT_EQ(skinner->FLifeState, skin::lsActive);
  EXPECT_TRUE(SendMessageA(window, skin::SKM_ISSKINNED, 0, 0) == 1);
  EXPECT_PRED2(SameRect, ClientOf(window), nativeClient);
  EXPECT_EQ(ClientOrigin(window).x, nativeOrigin.x);
  EXPECT_EQ(ClientOrigin(window).y, nativeOrigin.y);
  fw::UniqueRegion region(CreateRectRgn(0, 0, 0, 0));
  EXPECT_EQ(GetWindowRgn(window, region.get()), ERROR) << "no region";
  EXPECT_EQ(HitAt(window, 150, 10), DefaultHitAt(window, 150, 10));
  EXPECT_TRUE(PaintedFrame(*skinner).Pixel(1, 100) == testutil::kUnpaintedColour) << "the skinner paints no frame";

  // The client area is erased with the skin's face colour.
  const testutil::RenderedWindow shown = testutil::RenderWindow(window);
  EXPECT_FALSE(shown.frameFromSkin);
  EXPECT_EQ(shown.image.Pixel(nativeOrigin.x + 20, nativeOrigin.y + 20), Painted(kFaceColour));
}

// ---- Hit-testing --------------------------------------------------------------------------------

TEST_F(FrameTest, HitTestKeepsTheTopRowsAndMakesTheRestOfTheCaptionBarCaption) {
  UseSkin(SolidFrameSkin());
  TWinSkinForm* skinner = SkinnedWindow();
  ASSERT_NE(skinner, nullptr);
  HWND window = skinner->FHandle;
  // The default procedure sizes the window from its top rows; below them the caption bar drags.
  for (int y = 0; y <= 3; ++y) EXPECT_EQ(HitAt(window, 150, y), DefaultHitAt(window, 150, y)) << y;
  EXPECT_EQ(HitAt(window, 150, 1), HTTOP);
  for (int y = 4; y < 24; ++y) EXPECT_EQ(HitAt(window, 150, y), HTCAPTION) << y;
  EXPECT_EQ(HitAt(window, 150, 24), HTCLIENT);
  EXPECT_EQ(HitAt(window, 1, 100), HTLEFT) << "borders keep the default's codes";
  const SIZE size = SizeOf(window);
  EXPECT_EQ(HitAt(window, size.cx - 1, size.cy - 1), HTBOTTOMRIGHT);
}

// Registers a window class of this module once.
void RegisterClassOnce(const char* name, WNDPROC procedure, UINT style = 0) {
  WNDCLASSA wc{};
  if (GetClassInfoA(GetModuleHandleA(nullptr), name, &wc)) return;
  wc.style = style;
  wc.lpfnWndProc = procedure;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  wc.lpszClassName = name;
  RegisterClassA(&wc);
}

// An MDI frame of its own class, its client, and children made through the client.
class MdiWindows {
 public:
  explicit MdiWindows(std::vector<HWND>& windows) {
    RegisterClassOnce("SkinFrameMdiFrame", FrameProc);
    RegisterClassOnce("SkinFrameMdiChild", DefMDIChildProcA);
    frame = CreateWindowExA(0, "SkinFrameMdiFrame", "frame", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 20, 20, 600, 450,
                            nullptr, nullptr, GetModuleHandleA(nullptr), this);
    windows.push_back(frame);
    CLIENTCREATESTRUCT ccs{nullptr, 1000};
    client = CreateWindowExA(0, "MDICLIENT", nullptr, WS_CHILD | WS_CLIPCHILDREN | WS_VISIBLE, 0, 0, 500, 350, frame,
                             nullptr, GetModuleHandleA(nullptr), &ccs);
  }

  HWND CreateChild(DWORD style = WS_OVERLAPPEDWINDOW) {
    MDICREATESTRUCTA mcs{};
    mcs.szClass = "SkinFrameMdiChild";
    mcs.szTitle = "child";
    mcs.hOwner = GetModuleHandleA(nullptr);
    mcs.x = mcs.y = 10;
    mcs.cx = 240;
    mcs.cy = 180;
    mcs.style = style;
    return reinterpret_cast<HWND>(SendMessageA(client, WM_MDICREATE, 0, reinterpret_cast<LPARAM>(&mcs)));
  }

  HWND frame = nullptr;
  HWND client = nullptr;

 private:
  static LRESULT CALLBACK FrameProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    HWND mdiClient = FindWindowExA(window, nullptr, "MDICLIENT", nullptr);
    return DefFrameProcA(window, mdiClient, msg, wParam, lParam);
  }
};

TEST_F(FrameTest, MenuBandOfAnMdiChildAnswersHtMenu) {
  // A caption bar lower than the platform's leaves an MDI child a band below it.
  FrameSkinSpec recipe;
  recipe.top = 10;
  UseSkin(SolidFrameSkin(recipe));
  MdiWindows mdi(windows);
  ShowWindow(mdi.frame, SW_SHOW);
  HWND child = mdi.CreateChild();
  ASSERT_NE(child, nullptr);
  TWinSkinForm* skinner = SkinnerOf(child);
  ASSERT_NE(skinner, nullptr);
  ASSERT_TRUE(testutil::PumpUntil([&] { return skinner->FLifeState == skin::lsActive; }));
  const int band = GetSystemMetrics(SM_CYCAPTION) + GetSystemMetrics(SM_CXFRAME) - 10;
  ASSERT_GT(band, 0);
  EXPECT_EQ(skinner->FMenuBarHeight, band);
  EXPECT_EQ(ClientOrigin(child).y, 10 + band);
  EXPECT_EQ(HitAt(child, 100, 5), HTCAPTION);
  EXPECT_EQ(HitAt(child, 100, 10), HTCAPTION) << "the caption bar's last row";
  for (int y = 11; y < 10 + band; ++y) EXPECT_EQ(HitAt(child, 100, y), HTMENU) << y;
  EXPECT_EQ(HitAt(child, 100, 10 + band), HTCLIENT);
}

// The frame tests with an MDI frame and a child of it, both skinned.
class MdiFrameTest : public FrameTest {
 protected:
  // Shows and skins the frame, makes a child and waits until its skinner has applied the skin.
  TWinSkinForm* SkinnedChild(MdiWindows& mdi) {
    ShowWindow(mdi.frame, SW_SHOW);
    if (!ActivateSkinned(mdi.frame)) return nullptr;
    TWinSkinForm* skinner = SkinnerOf(mdi.CreateChild());
    if (!skinner || !testutil::PumpUntil([&] { return skinner->FLifeState == skin::lsActive; })) return nullptr;
    return skinner;
  }
};

TEST_F(MdiFrameTest, MaximizedMdiChildHasNoSkinnedFrameNoRegionAndTheDefaultClientArea) {
  UseSkin(SolidFrameSkin());
  MdiWindows mdi(windows);
  TWinSkinForm* skinner = SkinnedChild(mdi);
  ASSERT_NE(skinner, nullptr);
  HWND child = skinner->FHandle;
  fw::UniqueRegion region(CreateRectRgn(0, 0, 0, 0));

  SendMessageA(mdi.client, WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(child), 0);
  testutil::PumpMessages(50);
  ASSERT_EQ(skinner->FWindowState, skin::TWindowState::wsMaximized);
  EXPECT_TRUE(manager->MdiMaximized());
  fw::TBitmap frame = PaintedFrame(*skinner);
  for (int y = 0; y < frame.Height(); y += 5)
    for (int x = 0; x < frame.Width(); x += 5)
      ASSERT_EQ(frame.Pixel(x, y), testutil::kUnpaintedColour) << x << "," << y;
  EXPECT_EQ(GetWindowRgn(child, region.get()), ERROR) << "no region";
  // The client area is the default procedure's.
  NCCALCSIZE_PARAMS params{};
  WINDOWPOS position{child, nullptr, -4, -20, 508, 378, SWP_NOZORDER};
  params.rgrc[0] = params.rgrc[1] = params.rgrc[2] = RECT{-4, -20, 504, 358};
  params.lppos = &position;
  NCCALCSIZE_PARAMS native = params;
  SendMessageA(child, WM_NCCALCSIZE, TRUE, reinterpret_cast<LPARAM>(&params));
  DefMDIChildProcA(child, WM_NCCALCSIZE, TRUE, reinterpret_cast<LPARAM>(&native));
  EXPECT_PRED2(SameRect, params.rgrc[0], native.rgrc[0]) << Describe(params.rgrc[0]);
  // The frame's caption buttons of a maximized child are those of the menu bar; there is none yet,
  // so none of them is shown.
  skin::TWinSkinForm* frameSkinner = SkinnerOf(mdi.frame);
  for (const auto& button : frameSkinner->FButtons)
    if (button->SkinButton->Visibility == skin::bvMdiChildMaximized) {
      EXPECT_FALSE(button->Visible);
    }

  // Restored, the child has its skinned frame back.
  SendMessageA(mdi.client, WM_MDIRESTORE, reinterpret_cast<WPARAM>(child), 0);
  testutil::PumpMessages(50);
  EXPECT_EQ(skinner->FWindowState, skin::TWindowState::wsNormal);
  EXPECT_EQ(PaintedFrame(*skinner).Pixel(1, 60), Painted(kLeftColours.active));
  EXPECT_NE(GetWindowRgn(child, region.get()), ERROR);
}

// A minimized MDI child shows its caption bar alone. Its region is that bar's shape in the skin
// of now: in the skin it was minimized with, and again after a switch to a skin of other corners
// and caption height. No magenta pixel of the caption it paints lies inside the region.
TEST_F(MdiFrameTest, MinimizedMdiChildsRegionFollowsTheCaptionOfEachSkin) {
  skin::TSkinData* data = UseSkin(DefaultSkin());
  MdiWindows mdi(windows);
  TWinSkinForm* skinner = SkinnedChild(mdi);
  ASSERT_NE(skinner, nullptr);
  HWND child = skinner->FHandle;
  SendMessageA(mdi.client, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(child), 0);
  ShowWindow(child, SW_MINIMIZE);
  testutil::PumpMessages(50);
  ASSERT_EQ(skinner->FWindowState, skin::TWindowState::wsMinimized);
  const int defaultCaption = skinner->FBorderTop;
  for (const Bytes& stored : {MidnightSkin(), DefaultSkin()}) {
    data->SetSkinStream(stored);
    data->ApplySkin();
    manager->ProcessCommand();
    testutil::PumpMessages(20);
    SCOPED_TRACE("caption " + std::to_string(skinner->FBorderTop));
    const fw::TBitmap painted = PaintedFrame(*skinner);
    fw::UniqueRegion region(CreateRectRgn(0, 0, 0, 0));
    ASSERT_NE(GetWindowRgn(child, region.get()), ERROR) << "no region";
    const SIZE s = SizeOf(child);
    int magenta = 0, inside = 0;
    for (int y = 0; y < std::min<int>(s.cy, skinner->FBorderTop); ++y)
      for (int x = 0; x < s.cx; ++x) {
        const bool in = PtInRegion(region.get(), x, y) != FALSE;
        if (painted.Pixel(x, y) == RGB(255, 0, 255)) {
          ++magenta;
          EXPECT_FALSE(in) << "magenta at " << x << "," << y;
        } else {
          inside += in;
        }
      }
    EXPECT_GT(magenta, 0) << "the skin's caption has transparent corners";
    EXPECT_GT(inside, s.cx * 4) << "the caption itself is in";
    EXPECT_TRUE(PtInRegion(region.get(), s.cx / 2, s.cy - 1)) << "the rest of the window is whole";
  }
  EXPECT_EQ(skinner->FBorderTop, defaultCaption);
}

// ---- The window region --------------------------------------------------------------------------

TEST_F(FrameTest, OpaqueBordersGiveARectangularRegionEqualToTheWindowBounds) {
  UseSkin(SolidFrameSkin());
  TWinSkinForm* skinner = SkinnedWindow();
  ASSERT_NE(skinner, nullptr);
  fw::UniqueRegion region(CreateRectRgn(0, 0, 0, 0));
  ASSERT_EQ(GetWindowRgn(skinner->FHandle, region.get()), SIMPLEREGION);
  RECT box{};
  GetRgnBox(region.get(), &box);
  const SIZE size = SizeOf(skinner->FHandle);
  EXPECT_PRED2(SameRect, box, (RECT{0, 0, size.cx, size.cy})) << Describe(box);
  EXPECT_TRUE(skinner->FOwnRegion);
}

// Which border element a window pixel belongs to, as the region strips divide the frame.
const skin::TDataSkinBorder* PieceAt(const TWinSkinForm& skinner, int x, int y, SIZE size) {
  const skin::TSkinData& data = *skinner.FSkinData;
  if (x < skinner.FBorderLeft) return data.BorderLeft.get();
  if (x >= size.cx - skinner.FBorderRight) return data.BorderRight.get();
  if (y < skinner.FBorderTop) return data.BorderTop.get();
  if (y >= size.cy - skinner.FBorderBottom) return data.BorderBottom.get();
  return nullptr;
}

class ShippedSkinFrame : public FrameTest, public testing::WithParamInterface<ShippedSkin> {};

TEST_P(ShippedSkinFrame, RegionHoldsExactlyTheFramePixelsThatAreNotMagenta) {
  UseSkin(GetParam().stored());
  TWinSkinForm* skinner = SkinnedWindow("SkinFrameRegion", WS_OVERLAPPEDWINDOW, 0, 420, 260);
  ASSERT_NE(skinner, nullptr);
  fw::UniqueRegion region(CreateRectRgn(0, 0, 0, 0));
  ASSERT_NE(GetWindowRgn(skinner->FHandle, region.get()), ERROR);
  const SIZE size = SizeOf(skinner->FHandle);
  const fw::TBitmap frame = PaintedFrame(*skinner);
  int checked = 0;
  // The four corners, where the shapes are, and a band across every border.
  for (int y = 0; y < size.cy; ++y) {
    for (int x = 0; x < size.cx; ++x) {
      const bool corner = (x < 12 || x >= size.cx - 12) && (y < 12 || y >= size.cy - 12);
      const bool band = x == size.cx / 2 || y == size.cy / 2;
      if (!corner && !band) continue;
      const skin::TDataSkinBorder* piece = PieceAt(*skinner, x, y, size);
      if (!piece) {
        EXPECT_TRUE(PtInRegion(region.get(), x, y)) << x << "," << y;
        continue;
      }
      const bool keyed = piece->Trans == 1 && frame.Pixel(x, y) == RGB(255, 0, 255);
      EXPECT_EQ(PtInRegion(region.get(), x, y) != FALSE, !keyed) << x << "," << y;
      ++checked;
    }
  }
  EXPECT_GT(checked, 500);
}

INSTANTIATE_TEST_SUITE_P(Skins, ShippedSkinFrame, testing::ValuesIn(ShippedSkins()), CaseName<ShippedSkin>);

TEST_F(FrameTest, TransparentCornersAreCutOutAndTheRegionFollowsASize) {
  FrameSkinSpec recipe;
  recipe.transparent = true;
  UseSkin(SolidFrameSkin(recipe));
  TWinSkinForm* skinner = SkinnedWindow();
  ASSERT_NE(skinner, nullptr);
  HWND window = skinner->FHandle;
  fw::UniqueRegion region(CreateRectRgn(0, 0, 0, 0));
  auto inRegion = [&](int x, int y) {
    GetWindowRgn(window, region.get());
    return PtInRegion(region.get(), x, y) != FALSE;
  };
  SIZE size = SizeOf(window);
  // The outermost corner pixel of each side piece and of the caption's two ends.
  EXPECT_FALSE(inRegion(0, 0));
  EXPECT_FALSE(inRegion(3, 0)) << "the left piece's right corner";
  EXPECT_TRUE(inRegion(1, 0));
  EXPECT_FALSE(inRegion(4, 0)) << "the caption's left end";
  EXPECT_TRUE(inRegion(5, 0));
  EXPECT_FALSE(inRegion(size.cx - 5, 0)) << "the caption's right end";
  EXPECT_FALSE(inRegion(size.cx - 1, 0));
  EXPECT_TRUE(inRegion(size.cx / 2, size.cy / 2));

  SetWindowPos(window, nullptr, 0, 0, 500, 320, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  testutil::PumpMessages(20);
  size = SizeOf(window);
  ASSERT_EQ(size.cx, 500);
  EXPECT_EQ(skinner->FRegionWidth, 500);
  EXPECT_EQ(skinner->FRegionHeight, 320);
  EXPECT_FALSE(inRegion(499, 0));
  EXPECT_TRUE(inRegion(498, 10));
  EXPECT_TRUE(inRegion(499, 319)) << "the bottom-right pixel of the right piece";
  EXPECT_FALSE(inRegion(500, 10));
}

// ---- The client after the frame change ----------------------------------------------------------

// A window that paints its whole client in one colour and leaves erasing to its paint, as the
// gallery's plain windows do; the skinner of a window without framework form erases in the skin's
// face colour first.
struct GreenWindow {
  static constexpr COLORREF kGreen = RGB(0, 200, 0);
  static LRESULT CALLBACK Procedure(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_ERASEBKGND) return 1;
    if (msg == WM_PAINT) {
      PAINTSTRUCT paint{};
      HDC dc = BeginPaint(window, &paint);
      RECT client{};
      GetClientRect(window, &client);
      fw::UniqueBrush green(CreateSolidBrush(kGreen));
      FillRect(dc, &client, green.get());
      EndPaint(window, &paint);
      return 0;
    }
    return DefWindowProcA(window, msg, wParam, lParam);
  }
  static const char* Class() {
    RegisterClassOnce("SkinFrameGreen", Procedure, CS_HREDRAW | CS_VREDRAW);
    return "SkinFrameGreen";
  }
};

class ShippedSkinClient : public FrameTest, public testing::WithParamInterface<ShippedSkin> {};

TEST_P(ShippedSkinClient, ClientShowsOnlyWhatTheWindowPaintedAfterTheFrameChange) {
  UseSkin(GetParam().stored());
  for (const DWORD style : {DWORD{WS_POPUP | WS_CAPTION | WS_SYSMENU}, DWORD{WS_OVERLAPPEDWINDOW}}) {
    SCOPED_TRACE(style & WS_POPUP ? "popup" : "overlapped");
    HWND window = CreateWindowExA(0, GreenWindow::Class(), "Green", style | WS_VISIBLE, 60, 60, 283, 152, nullptr,
                                  nullptr, GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(window, nullptr);
    windows.push_back(window);
    ASSERT_NE(ActivateSkinned(window), nullptr);
    testutil::PumpMessages(30);
    const fw::TBitmap shown = ShownWindow(window);
    const POINT origin = ClientOrigin(window);
    const RECT client = ClientOf(window);
    ASSERT_GT(client.bottom, 20);
    for (int y = 0; y < client.bottom; ++y)
      for (int x = 0; x < client.right; ++x)
        ASSERT_EQ(shown.Pixel(origin.x + x, origin.y + y), GreenWindow::kGreen) << "client " << x << "," << y;
  }
}

INSTANTIATE_TEST_SUITE_P(Skins, ShippedSkinClient, testing::ValuesIn(ShippedSkins()), CaseName<ShippedSkin>);

// ---- Before the skin is applied -----------------------------------------------------------------

// What the window's own procedure receives while it is shown for the first time and skinned: the
// skinner keeps every non-client activation and paint to itself until the skin is applied.
TEST_F(FrameTest, NoNativeFramePaintReachesTheWindowBeforeTheSkinIsApplied) {
  UseSkin(SolidFrameSkin());
  // Another window of the thread is active (the thread's input method is set up with it).
  SetActiveWindow(CreateTestWindow("SkinFrameOther"));
  HWND window = CreateHiddenTestWindow("SkinFrameFirstShow", WS_OVERLAPPEDWINDOW, 0, nullptr, nullptr, 300, 200);
  ASSERT_NE(window, nullptr);
  testutil::MessageRecorder below;
  below.Ignore(fw::ControlMessage());
  ASSERT_TRUE(below.Attach(window));
  ShowWindow(window, SW_SHOW);
  ASSERT_TRUE(testutil::PumpUntilRecorded(below, skin::SKM_SKINREADY));
  testutil::PumpUntilQuiet(below);
  EXPECT_MESSAGE_SEQUENCE(below, testutil::skinned_window::kFirstShowBelowSkinner, "ShowWindow(SW_SHOW), skinned");
}

// From then on the frame is the skinner's: activation, frame changes and caption changes reach
// the window's own procedure without WM_NCACTIVATE and WM_NCPAINT.
TEST_F(FrameTest, ActivationFrameChangeAndCaptionReachTheWindowWithoutNonClientPainting) {
  UseSkin(SolidFrameSkin());
  HWND other = CreateTestWindow("SkinFrameOther");
  SetActiveWindow(other);
  HWND window = CreateHiddenTestWindow("SkinFrameBelow", WS_OVERLAPPEDWINDOW, 0, nullptr, nullptr, 300, 200);
  testutil::MessageRecorder below;
  below.Ignore(fw::ControlMessage());
  ASSERT_TRUE(below.Attach(window));
  ShowWindow(window, SW_SHOW);
  ASSERT_TRUE(testutil::PumpUntilRecorded(below, skin::SKM_SKINREADY));
  testutil::PumpUntilQuiet(below);
  below.Clear();
  namespace table = testutil::skinned_window;

  SetActiveWindow(other);
  testutil::PumpUntilQuiet(below);
  EXPECT_MESSAGE_SEQUENCE(below, table::kDeactivateBelowSkinner, "SetActiveWindow(other)");
  SetActiveWindow(window);
  testutil::PumpUntilQuiet(below);
  EXPECT_MESSAGE_SEQUENCE(below, table::kActivateBelowSkinner, "SetActiveWindow(window)");
  SetWindowPos(window, nullptr, 0, 0, 0, 0, SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  testutil::PumpUntilQuiet(below);
  EXPECT_MESSAGE_SEQUENCE(below, table::kFrameChangedBelowSkinner, "SetWindowPos(SWP_FRAMECHANGED)");
  SetWindowTextA(window, "a new caption");
  testutil::PumpUntilQuiet(below);
  EXPECT_MESSAGE_SEQUENCE(below, table::kSetWindowTextBelowSkinner, "SetWindowText");
}

}  // namespace
}  // namespace frametest
