// The skinned frame against bad input and hard lives: skins without frame elements or with
// borders wider than the window, windows of no size, a bad device context, windows destroyed
// while a caption button is hot or pressed or inside their own activation, hundreds of windows
// and many skin switches. Nothing crashes and every GDI and USER object goes back.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>

#include "framework/application.h"
#include "framework/form.h"
#include "skin/controls/window_subclass.h"
#include "skin/core/skin_data.h"
#include "skin/core/skin_messages.h"
#include "skin/form/caption_buttons.h"
#include "skin/form/tests/frame_test_fixture.h"
#include "tests/support/resource_count.h"
#include "tests/support/win_test_util.h"

namespace frametest {
namespace {

using skin::TWinSkinForm;
using test_support::CountGdiObjects;
using test_support::CountUserObjects;

// Everything a skinned frame does with its skin: paint, hover and press a button, resize (region),
// activate and deactivate, change the caption.
void ExerciseFrame(TWinSkinForm& skinner, HWND other) {
  HWND window = skinner.FHandle;
  fw::TBitmap frame(SizeOf(window).cx, SizeOf(window).cy, fw::pf32bit);
  skinner.PaintFrame(frame.DC());
  SendMessageA(window, skin::SKM_REPAINTFRAME, 0, 0);
  // A press beside the buttons would start the default procedure's sizing loop.
  if (!skinner.FButtons.empty() && skinner.FButtons[0]->Visible && !IsRectEmpty(&skinner.FButtons[0]->BoundsRect)) {
    SendNcMouse(window, WM_NCMOUSEMOVE, OnButton(skinner, 0));
    SendNcMouse(window, WM_NCLBUTTONDOWN, OnButton(skinner, 0));
    SendNcMouse(window, WM_NCMOUSEMOVE, OnScreen(window, 2, 2));
  }
  SetWindowPos(window, nullptr, 0, 0, 260, 170, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  SetWindowTextA(window, "another caption, long enough to be cut with an ellipsis somewhere");
  SetActiveWindow(other);
  SetActiveWindow(window);
  testutil::PumpMessages(10);
}

// ---- Skins without frame elements --------------------------------------------------------------------

struct BrokenSkin {
  const char* name;
  FrameSkinSpec recipe;
  int width = 400;
  int height = 300;
};

std::vector<BrokenSkin> BrokenSkins() {
  std::vector<BrokenSkin> skins;
  BrokenSkin noBorders{"NoBorderImages"};
  noBorders.recipe.borders = false;
  skins.push_back(noBorders);
  BrokenSkin noButtonImages{"NoButtonImages"};
  for (ButtonSpec& button : noButtonImages.recipe.buttons) button.image = false;
  skins.push_back(noButtonImages);
  BrokenSkin noTitle{"NoTitleRecord"};
  noTitle.recipe.title = false;
  skins.push_back(noTitle);
  BrokenSkin nothing{"NoFrameAtAll"};
  nothing.recipe.borders = false;
  nothing.recipe.title = false;
  nothing.recipe.buttons.clear();
  skins.push_back(nothing);
  BrokenSkin wide{"BordersWiderThanTheWindow"};
  wide.recipe.side = 300;
  wide.recipe.top = 250;
  wide.recipe.bottom = 200;
  wide.recipe.transparent = true;
  wide.width = 200;
  wide.height = 150;
  skins.push_back(wide);
  BrokenSkin wideOpaque = wide;
  wideOpaque.name = "OpaqueBordersWiderThanTheWindow";
  wideOpaque.recipe.transparent = false;
  skins.push_back(wideOpaque);
  return skins;
}

void PrintTo(const BrokenSkin& c, std::ostream* out) { *out << c.name; }

class BrokenFrameSkin : public FrameTest, public testing::WithParamInterface<BrokenSkin> {};

TEST_P(BrokenFrameSkin, WindowIsSkinnedAndPaintedWithoutCrashOrLeak) {
  const BrokenSkin& c = GetParam();
  UseSkin(SolidFrameSkin(c.recipe));
  // The other window is skinned before the first exercise too: its frame images, kept per
  // activation state, are then all made during it.
  HWND other = CreateTestWindow("SkinFrameOther");
  ASSERT_NE(ActivateSkinned(other), nullptr);
  TWinSkinForm* skinner = SkinnedWindow("SkinFrameBroken", WS_OVERLAPPEDWINDOW, 0, c.width, c.height);
  ASSERT_NE(skinner, nullptr);
  ExerciseFrame(*skinner, other);  // what the system keeps after the first time
  const auto gdi = CountGdiObjects();
  const auto user = CountUserObjects();
  ASSERT_TRUE(gdi && user);
  for (int i = 0; i < 20; ++i) ExerciseFrame(*skinner, other);
  EXPECT_EQ(CountGdiObjects(), gdi);
  EXPECT_EQ(CountUserObjects(), user);
  EXPECT_TRUE(IsWindow(skinner->FHandle));
  RECT client{};
  GetClientRect(skinner->FHandle, &client);
  EXPECT_GE(client.right, 0);
  EXPECT_GE(client.bottom, 0);
}

INSTANTIATE_TEST_SUITE_P(Skins, BrokenFrameSkin, testing::ValuesIn(BrokenSkins()), CaseName<BrokenSkin>);

TEST_F(FrameTest, SkinWithoutBorderImagesGivesNoBordersAndTheWholeWindowAsRegion) {
  FrameSkinSpec recipe;
  recipe.borders = false;
  UseSkin(SolidFrameSkin(recipe));
  TWinSkinForm* skinner = SkinnedWindow();
  ASSERT_NE(skinner, nullptr);
  EXPECT_EQ(skinner->Metrics(), (skin::FrameMetrics{0, 0, 0, 0, 0}));
  RECT client{};
  GetClientRect(skinner->FHandle, &client);
  const SIZE size = SizeOf(skinner->FHandle);
  EXPECT_EQ(client.right, size.cx);
  EXPECT_EQ(client.bottom, size.cy);
}

// ---- Windows of no size -----------------------------------------------------------------------------

TEST_F(FrameTest, WindowOfNoSizeIsLeftWithoutRegionAndGetsItBackWithASize) {
  FrameSkinSpec recipe;
  recipe.transparent = true;
  UseSkin(SolidFrameSkin(recipe));
  TWinSkinForm* skinner = SkinnedWindow();
  ASSERT_NE(skinner, nullptr);
  HWND window = skinner->FHandle;
  for (const SIZE size : {SIZE{0, 0}, SIZE{0, 200}, SIZE{200, 0}, SIZE{1, 1}, SIZE{3, 30}}) {
    SetWindowPos(window, nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    testutil::PumpMessages(5);
    skinner->UpdateRegion();
    skinner->PaintFrame(nullptr);
    (void)PaintedFrame(*skinner);
    SendMessageA(window, skin::SKM_REPAINTFRAME, 0, 0);
  }
  SetWindowPos(window, nullptr, 0, 0, 300, 200, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  testutil::PumpMessages(10);
  EXPECT_EQ(skinner->FRegionWidth, 300);
  fw::UniqueRegion region(CreateRectRgn(0, 0, 0, 0));
  ASSERT_NE(GetWindowRgn(window, region.get()), ERROR);
  EXPECT_FALSE(PtInRegion(region.get(), 0, 0));
  EXPECT_TRUE(PtInRegion(region.get(), 150, 100));
}

// ---- SKM_PAINTFRAMETO with a bad device context -------------------------------------------------

TEST_F(FrameTest, PaintFrameToWithABadDeviceContextAnswersAndLeaksNothing) {
  UseSkin(SolidFrameSkin());
  fw::TForm* form = ShowForm();
  TWinSkinForm* skinner = SkinnerOf(form->Handle());
  ASSERT_NE(skinner, nullptr);
  ASSERT_TRUE(testutil::PumpUntil([&] { return skinner->FLifeState == skin::lsActive; }));
  HWND window = form->Handle();
  HDC deleted = CreateCompatibleDC(nullptr);
  DeleteDC(deleted);
  const HDC bad[] = {reinterpret_cast<HDC>(0x12345678), deleted, reinterpret_cast<HDC>(-1),
                     reinterpret_cast<HDC>(GetStockObject(BLACK_BRUSH))};
  auto sendAll = [&] {
    for (HDC dc : bad)
      EXPECT_EQ(SendMessageA(window, skin::SKM_PAINTFRAMETO, reinterpret_cast<WPARAM>(dc), skin::kSkinMagic),
                skin::kSkinMagic);
    EXPECT_EQ(SendMessageA(window, skin::SKM_PAINTFRAMETO, 0, skin::kSkinMagic), skin::kSkinMagic) << "no DC";
    EXPECT_NE(SendMessageA(window, skin::SKM_PAINTFRAMETO, 0, 0), skin::kSkinMagic) << "no magic number";
  };
  sendAll();
  const auto gdi = CountGdiObjects();
  const auto user = CountUserObjects();
  for (int i = 0; i < 20; ++i) sendAll();
  EXPECT_EQ(CountGdiObjects(), gdi);
  EXPECT_EQ(CountUserObjects(), user);
  // The window still paints its frame.
  EXPECT_EQ(PaintedFrame(*skinner).Pixel(1, 50), Painted(kLeftColours.active));
}

// ---- Windows destroyed at awkward moments ------------------------------------------------------------

struct AwkwardMoment {
  const char* name;
  // Brings a caption button of the window into the state; the window is destroyed afterwards.
  std::function<void(TWinSkinForm&)> prepare;
};

void PrintTo(const AwkwardMoment& c, std::ostream* out) { *out << c.name; }

class DestroyedWhileButtonBusy : public FrameTest, public testing::WithParamInterface<AwkwardMoment> {};

TEST_P(DestroyedWhileButtonBusy, NothingIsTouchedAfterwardsAndTheHintGoes) {
  skin::TSkinData* data = UseSkin(SolidFrameSkin());
  data->SetOptions(data->Options() | skin::SkinOptionSet({skin::xoCaptionButtonHint}));
  app->HintPause = 100;
  app->HintHidePause = 5000;
  HWND other = CreateTestWindow("SkinFrameOther");
  TWinSkinForm* skinner = SkinnedWindow();
  ASSERT_NE(skinner, nullptr);
  HWND window = skinner->FHandle;
  const POINT over = OnButton(*skinner, 0);
  SetCursorPos(over.x, over.y);
  GetParam().prepare(*skinner);
  ASSERT_NE(skinner->FHotObject, nullptr);
  DestroyWindow(window);
  EXPECT_EQ(skinner->FLifeState, skin::lsDestroyed);
  EXPECT_FALSE(data->CaptionHintShowing()) << "the hint of a destroyed window stays on screen";
  // Hover ticks and a purge come and go.
  testutil::PumpMessages(600);
  SetActiveWindow(other);
  manager->PurgeFormSkinners();
  EXPECT_EQ(SkinnerOf(window), nullptr);
  EXPECT_EQ(skin::SubclassedWindowCount(), 1u) << "only the other window's skinner";
  SetCursorPos(5, 5);
}

const AwkwardMoment kAwkwardMoments[] = {
    {"Hot", [](TWinSkinForm& s) { SendNcMouse(s.FHandle, WM_NCMOUSEMOVE, OnButton(s, 0)); }},
    {"Pressed", [](TWinSkinForm& s) { SendNcMouse(s.FHandle, WM_NCLBUTTONDOWN, OnButton(s, 0)); }},
    {"HotWithItsHintShown",
     [](TWinSkinForm& s) {
       SendNcMouse(s.FHandle, WM_NCMOUSEMOVE, OnButton(s, 0));
       EXPECT_TRUE(testutil::PumpUntil([&] { return s.FSkinData->CaptionHintShowing(); }, 2000));
     }},
};

INSTANTIATE_TEST_SUITE_P(Moments, DestroyedWhileButtonBusy, testing::ValuesIn(kAwkwardMoments),
                         CaseName<AwkwardMoment>);

// A window that destroys itself on the first message of its own activation that `when` picks.
struct SelfDestroying {
  static std::function<bool(UINT, WPARAM, LPARAM)>& When() {
    static std::function<bool(UINT, WPARAM, LPARAM)> when;
    return when;
  }
  static LRESULT CALLBACK Procedure(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (When() && When()(msg, wParam, lParam)) {
      When() = nullptr;
      DestroyWindow(window);
      return 0;
    }
    return DefWindowProcA(window, msg, wParam, lParam);
  }
  static const char* Class() {
    WNDCLASSA wc{};
    if (!GetClassInfoA(GetModuleHandleA(nullptr), "SkinFrameSelfDestroying", &wc)) {
      wc.lpfnWndProc = Procedure;
      wc.hInstance = GetModuleHandleA(nullptr);
      wc.lpszClassName = "SkinFrameSelfDestroying";
      RegisterClassA(&wc);
    }
    return "SkinFrameSelfDestroying";
  }
};

struct DestroyMoment {
  const char* name;
  std::function<bool(UINT, WPARAM, LPARAM)> when;
};

void PrintTo(const DestroyMoment& c, std::ostream* out) { *out << c.name; }

class DestroyedInsideActivation : public FrameTest, public testing::WithParamInterface<DestroyMoment> {};

TEST_P(DestroyedInsideActivation, SkinnerReportsTheWindowGoneAndLeavesNothingBehind) {
  UseSkin(SolidFrameSkin(FrameSkinSpec{.transparent = true}));
  HWND other = CreateTestWindow("SkinFrameOther");
  SetActiveWindow(other);
  auto openAndDestroy = [&] {
    HWND window = CreateTestWindow(SelfDestroying::Class());
    SelfDestroying::When() = GetParam().when;
    SetActiveWindow(window);
    TWinSkinForm* skinner = SkinnerOf(window);
    EXPECT_NE(skinner, nullptr);
    EXPECT_TRUE(testutil::PumpUntil([&] { return !IsWindow(window); }, 2000)) << "the window was not destroyed";
    SelfDestroying::When() = nullptr;
    testutil::PumpMessages(20);
    if (skinner) {
      EXPECT_EQ(skinner->LifeState(), skin::lsDestroyed);
    }
    SetActiveWindow(other);
    manager->PurgeFormSkinners();
    EXPECT_EQ(manager->FormSkinners().size(), 1u) << "only the other window's skinner is left";
  };
  openAndDestroy();
  const auto gdi = CountGdiObjects();
  const auto user = CountUserObjects();
  for (int i = 0; i < 10; ++i) openAndDestroy();
  EXPECT_EQ(CountGdiObjects(), gdi);
  EXPECT_EQ(CountUserObjects(), user);
  EXPECT_EQ(skin::SubclassedWindowCount(), 1u);
}

const DestroyMoment kDestroyMoments[] = {
    {"WhenTheSkinIsReady", [](UINT msg, WPARAM, LPARAM) { return msg == skin::SKM_SKINREADY; }},
    {"WhileTheWindowTakesTheSkinnedSize",
     [](UINT msg, WPARAM, LPARAM lParam) {
       return msg == WM_WINDOWPOSCHANGED && (reinterpret_cast<WINDOWPOS*>(lParam)->flags & SWP_FRAMECHANGED);
     }},
    {"WhileItsClientAreaIsCalculated", [](UINT msg, WPARAM wParam, LPARAM) { return msg == WM_NCCALCSIZE && wParam; }},
};

INSTANTIATE_TEST_SUITE_P(Moments, DestroyedInsideActivation, testing::ValuesIn(kDestroyMoments),
                         CaseName<DestroyMoment>);

TEST_F(FrameTest, FormDestroyedByItsAfterSkinEventLeavesNothingBehind) {
  skin::TSkinData* data = UseSkin(SolidFrameSkin());
  HWND destroyed = nullptr;
  data->OnAfterSkinForm.handler = skin::TOnSkinForm([&](fw::TObject*, HWND window, const std::string&) {
    destroyed = window;
    DestroyWindow(window);
  });
  HWND window = CreateTestWindow("SkinFrameAfterSkin");
  SetActiveWindow(window);
  EXPECT_TRUE(testutil::PumpUntil([&] { return !IsWindow(window); }, 2000));
  EXPECT_EQ(destroyed, window);
  data->OnAfterSkinForm.handler.reset();
  manager->PurgeFormSkinners();
  EXPECT_EQ(SkinnerOf(window), nullptr);
  EXPECT_EQ(skin::SubclassedWindowCount(), 0u);
}

TEST_F(FrameTest, WindowDestroyedWhileTheSkinIsRefreshedIsPurgedAndTheOthersFollowTheSkin) {
  skin::TSkinData* data = UseSkin(SolidFrameSkin());
  TWinSkinForm* doomed = SkinnedWindow("SkinFrameRefreshDoomed");
  TWinSkinForm* survivor = SkinnedWindow("SkinFrameRefreshSurvivor");
  ASSERT_TRUE(doomed && survivor);
  HWND window = doomed->FHandle;
  data->OnAfterSkinForm.handler = skin::TOnSkinForm([&](fw::TObject*, HWND skinned, const std::string&) {
    if (skinned == window) DestroyWindow(skinned);
  });
  data->SetSkinStream(DefaultSkin());
  data->ApplySkin();
  manager->ProcessCommand();
  data->OnAfterSkinForm.handler.reset();
  EXPECT_FALSE(IsWindow(window));
  EXPECT_EQ(survivor->FBorderTop, 28);
  manager->PurgeFormSkinners();
  EXPECT_EQ(SkinnerOf(window), nullptr) << "the destroyed window's skinner stays listed";
  EXPECT_EQ(manager->FormSkinners().size(), 1u);
}

// ---- Many windows, many skins ---------------------------------------------------------------------------

// Opens a window, lets it be skinned, hovers and presses its close button, and closes it with a
// click on that button.
void OpenUseAndClose(skin::TSkinManage* manager, int index) {
  const std::string className = index % 2 ? "SkinFrameManyA" : "SkinFrameManyB";
  WNDCLASSA wc{};
  if (!GetClassInfoA(GetModuleHandleA(nullptr), className.c_str(), &wc)) {
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = className.c_str();
    RegisterClassA(&wc);
  }
  HWND window = CreateWindowExA(0, className.c_str(), "many", WS_OVERLAPPEDWINDOW, 50 + index % 40, 50, 260 + index % 7,
                                180, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  ASSERT_NE(window, nullptr);
  ShowWindow(window, SW_SHOW);
  auto* skinner = static_cast<TWinSkinForm*>(manager->FindFormSkinner(window));
  ASSERT_NE(skinner, nullptr);
  ASSERT_TRUE(testutil::PumpUntil([&] { return skinner->FLifeState == skin::lsActive; }, 2000));
  SendNcMouse(window, WM_NCMOUSEMOVE, OnButton(*skinner, 0));
  SendNcMouse(window, WM_NCLBUTTONDOWN, OnButton(*skinner, 0));
  SendNcMouse(window, WM_NCLBUTTONUP, OnButton(*skinner, 0));
  ASSERT_TRUE(testutil::PumpUntil([&] { return !IsWindow(window); }, 2000)) << "the close button did not close it";
}

TEST_F(FrameTest, ThreeHundredWindowsOpenedUsedAndClosedLeaveNothingBehind) {
  UseSkin(SolidFrameSkin(FrameSkinSpec{.transparent = true}));
  HWND owner = CreateTestWindow("SkinFrameOwner");
  SetActiveWindow(owner);
  for (int i = 0; i < 3; ++i) OpenUseAndClose(manager, i);
  manager->PurgeFormSkinners();
  const auto gdi = CountGdiObjects();
  const auto user = CountUserObjects();
  ASSERT_TRUE(gdi && user);
  for (int i = 0; i < 300; ++i) {
    OpenUseAndClose(manager, i);
    if (HasFatalFailure()) return;
  }
  manager->PurgeFormSkinners();
  EXPECT_EQ(manager->FormSkinners().size(), 1u);
  EXPECT_EQ(skin::SubclassedWindowCount(), 1u);
  EXPECT_EQ(CountGdiObjects(), gdi);
  EXPECT_EQ(CountUserObjects(), user);
}

TEST_F(FrameTest, FiftySkinSwitchesWithWindowsOpenLeaveNothingBehind) {
  skin::TSkinData* data = UseSkin(DefaultSkin());
  const Bytes skins[] = {SolidFrameSkin(FrameSkinSpec{.transparent = true}), DefaultSkin(), SolidFrameSkin(),
                         MidnightSkin()};
  const int captionHeights[] = {24, 28, 24, 32};
  constexpr int kSkins = 4;
  TWinSkinForm* plain = SkinnedWindow("SkinFrameSwitchA");
  fw::TForm* form = ShowForm();
  TWinSkinForm* ofForm = SkinnerOf(form->Handle());
  HWND dialog = CreatePlainDialog(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | WS_VISIBLE);
  TWinSkinForm* ofDialog = ActivateSkinned(dialog);
  ASSERT_TRUE(plain && ofForm && ofDialog);
  const std::vector<TWinSkinForm*> skinners = {plain, ofForm, ofDialog};
  auto switchTo = [&](int i) {
    data->SetSkinStream(skins[i % kSkins]);
    data->ApplySkin();
    manager->ProcessCommand();  // the refresh the timer would run
    testutil::PumpMessages(5);
    for (TWinSkinForm* skinner : skinners) {
      EXPECT_EQ(skinner->FBorderTop, captionHeights[i % kSkins]) << "switch " << i;
      // The frame follows the skin: the client keeps its size inside the new borders.
      RECT client{};
      GetClientRect(skinner->FHandle, &client);
      const SIZE size = SizeOf(skinner->FHandle);
      EXPECT_EQ(size.cy, client.bottom + skinner->FBorderTop + skinner->FBorderBottom) << "switch " << i;
      // The region is the new skin's for the new size: its far edges are in, its corner as the
      // skin's left piece says.
      const fw::TBitmap frame = PaintedFrame(*skinner);
      fw::UniqueRegion region(CreateRectRgn(0, 0, 0, 0));
      ASSERT_NE(GetWindowRgn(skinner->FHandle, region.get()), ERROR);
      EXPECT_TRUE(PtInRegion(region.get(), size.cx - 1, size.cy / 2)) << "switch " << i;
      EXPECT_TRUE(PtInRegion(region.get(), size.cx / 2, size.cy - 1)) << "switch " << i;
      // The frame is the new skin's: a pixel of the left piece's fixed top rows.
      const fw::TBitmap& left = *data->BorderLeft->Bitmap;
      const int leftFrame = skinner->FActive || data->BorderLeft->Frame < 2 ? 0 : left.Width() / 2;
      EXPECT_EQ(frame.Pixel(1, 1), left.Pixel(leftFrame + 1, 1)) << "switch " << i;
      const bool cut = data->BorderLeft->Trans == 1 && frame.Pixel(0, 0) == RGB(255, 0, 255);
      EXPECT_EQ(PtInRegion(region.get(), 0, 0) != FALSE, !cut) << "switch " << i;
    }
  };
  for (int i = 0; i < kSkins; ++i) switchTo(i);
  const auto gdi = CountGdiObjects();
  const auto user = CountUserObjects();
  ASSERT_TRUE(gdi && user);
  for (int i = 0; i < 52; ++i) switchTo(i);  // ends on the skin the count was taken with
  EXPECT_EQ(CountGdiObjects(), gdi);
  EXPECT_EQ(CountUserObjects(), user);
}

}  // namespace
}  // namespace frametest
