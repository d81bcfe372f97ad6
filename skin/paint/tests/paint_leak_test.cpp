// Thousands of calls of every routine, on both platform paths, leave the process's GDI object
// count where it started; so does a bitmap the system refuses halfway through a routine.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "framework/handles.h"
#include "skin/paint/skin_paint.h"
#include "skin/paint/skin_text.h"
#include "skin/paint/tests/paint_test_support.h"
#include "tests/support/resource_count.h"

namespace {

using paint_test::FromPicture;
using skin::FrameMargins;
using skin::FrameStrip;
using skin::Keying;

constexpr int kCalls = 2000;

struct Routine {
  const char* name;
  std::function<void(fw::TBitmap& target)> call;
};

class PaintLeak : public ::testing::TestWithParam<skin::PlatformFamily> {
 protected:
  void SetUp() override {
    child_.reset(CreateWindowExW(0, L"STATIC", L"\u526a\u8d34\u677f caption", WS_POPUP, 0, 0, 30, 20, nullptr, nullptr,
                                 nullptr, nullptr));
    label_ = CreateWindowExW(0, L"STATIC", L"", WS_CHILD, 2, 2, 10, 10, child_.get(), nullptr, nullptr, nullptr);
  }

  std::vector<Routine> Routines() {
    const FrameMargins m{2, 2, 3, 2};
    return {
        {"StretchFrame",
         [=, this](fw::TBitmap&) {
           (void)skin::StretchFrame(RECT{0, 0, 40, 20}, bitmap_, m, FrameStrip::SideBySide, skin::CentreFill::Tile, 2,
                                    2);
         }},
        {"DrawSkinElement",
         [=, this](fw::TBitmap& t) {
           skin::DrawSkinElement(t.DC(), RECT{0, 0, 40, 20}, 2, 1, skin::SkinElementImage{&bitmap_, m, 1, 1});
         }},
        {"DrawSkinFrame",
         [=, this](fw::TBitmap& t) {
           skin::DrawSkinFrame(t.DC(), RECT{1, 1, 30, 15}, bitmap_, FrameStrip::SideBySide, skin::CentreFill::Stretch,
                               Keying::Opaque, 2, 2, m);
         }},
        {"DrawFrameStretched",
         [this](fw::TBitmap& t) {
           skin::DrawFrameStretched(t.DC(), RECT{0, 0, 20, 9}, bitmap_, Keying::Transparent, 2, 1);
         }},
        {"DrawFrameCentered",
         [this](fw::TBitmap& t) {
           skin::DrawFrameCentered(t.DC(), RECT{0, 0, 20, 9}, bitmap_, Keying::Transparent, 2, 2);
         }},
        {"DrawFrameThreePart",
         [this](fw::TBitmap& t) {
           skin::DrawFrameThreePart(t.DC(), RECT{0, 0, 30, 9}, bitmap_, FrameStrip::SideBySide, 2, 1, 2, 2);
         }},
        {"TileFrameHorz",
         [=, this](fw::TBitmap& t) {
           skin::TileFrameHorz(t.Canvas(), RECT{0, 0, 40, 9}, bitmap_, FrameStrip::SideBySide, Keying::Transparent, 2,
                               1, m);
         }},
        {"TileRect",
         [this](fw::TBitmap& t) {
           skin::TileRect(t.Canvas(), RECT{0, 0, 40, 20}, bitmap_, RECT{1, 1, 4, 3});
         }},
        {"DrawTransparent",
         [this](fw::TBitmap& t) {
           skin::DrawTransparent(t.DC(), RECT{0, 0, 10, 6}, bitmap_, paint_test::kMagenta);
         }},
        {"DrawFrameKeyed",
         [this](fw::TBitmap& t) {
           skin::DrawFrameKeyed(t.Canvas(), RECT{0, 0, 9, 9}, 2, 1, bitmap_);
         }},
        {"DrawFrameKeyedDC",
         [this](fw::TBitmap& t) {
           skin::DrawFrameKeyedDC(t.DC(), RECT{0, 0, 9, 9}, 2, 2, bitmap_);
         }},
        {"DrawFrameMasked",
         [this](fw::TBitmap& t) {
           skin::DrawFrameMasked(t.DC(), RECT{0, 0, 9, 9}, 2, 1, bitmap_);
         }},
        {"KeyedFrame",
         [this](fw::TBitmap& t) {
           skin::KeyedFrame(bitmap_, 2, 1, 9, 9).Draw(t.DC(), RECT{0, 0, 9, 9});
         }},
        {"DrawParentBackground", [this](fw::TBitmap& t) { skin::DrawParentBackground(label_, t.DC()); }},
        {"GetWindowCaption", [this](fw::TBitmap&) { (void)skin::GetWindowCaption(child_.get()); }},
        {"DrawSkinText",
         [](fw::TBitmap& t) {
           RECT area{0, 0, 40, 20};
           skin::DrawSkinText(t.DC(), L"\u526a\u8d34 text", area, DT_SINGLELINE);
         }},
    };
  }

  const fw::TBitmap bitmap_ = FromPicture({"abMdefghMj", "klmnoMqrst", "uvwxyzABCD"});
  fw::UniqueWindow child_;
  HWND label_ = nullptr;
};

TEST_P(PaintLeak, ThousandsOfCallsOfEachRoutineLeaveTheGdiObjectCount) {
  skin::ScopedPlatformFamily forced(GetParam());
  fw::TBitmap target = paint_test::BlankTarget(40, 20);
  for (const Routine& routine : Routines()) {
    routine.call(target);  // first use may create objects the system keeps
    const auto before = test_support::CountGdiObjects();
    ASSERT_TRUE(before.has_value()) << "this platform cannot count GDI objects";
    for (int i = 0; i < kCalls; ++i) routine.call(target);
    EXPECT_EQ(test_support::CountGdiObjects(), before) << routine.name;
  }
}

TEST_P(PaintLeak, ARefusedBitmapHalfwayThroughLeavesNothingBehind) {
  skin::ScopedPlatformFamily forced(GetParam());
  fw::TBitmap target = paint_test::BlankTarget(4, 4);
  const FrameMargins m{1, 1, 1, 1};
  // More pixels than the system gives one bitmap: about 3.6 GB, more than a 32-bit process can
  // map; 6.4 GB for a 64-bit one, past the 4 GB that a DIB section can hold.
  constexpr int kSide = sizeof(void*) == 4 ? 30000 : 40000;
  const RECT huge{0, 0, kSide, kSide};
  auto refused = [&] {
    skin::DrawSkinFrame(target.DC(), huge, bitmap_, FrameStrip::SideBySide, skin::CentreFill::Tile, Keying::Transparent,
                        2, 1, m);
  };
  EXPECT_THROW(refused(), fw::EOutOfResources);
  const auto before = test_support::CountGdiObjects();
  ASSERT_TRUE(before.has_value());
  for (int i = 0; i < 50; ++i) EXPECT_THROW(refused(), fw::EOutOfResources);
  EXPECT_EQ(test_support::CountGdiObjects(), before);
  EXPECT_EQ(paint_test::ToPicture(target), paint_test::Blank(4, 4));
}

INSTANTIATE_TEST_SUITE_P(BothFamilies, PaintLeak,
                         ::testing::Values(skin::PlatformFamily::WindowsNT, skin::PlatformFamily::Windows9x),
                         [](const ::testing::TestParamInfo<skin::PlatformFamily>& param) {
                           return std::string(param.param == skin::PlatformFamily::WindowsNT ? "NT" : "Win9x");
                         });

}  // namespace
