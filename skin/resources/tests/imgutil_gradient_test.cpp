#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "framework/graphics/canvas.h"
#include "skin/resources/imgutil.h"
#include "skin/resources/platform_hooks.h"
#include "tests/support/resource_count.h"

namespace {

using fw::TBitmap;
using skin::GradientCache;
using skin::TColor;

// Captures the failed checks for the life of the object.
class AssertionCapture {
 public:
  AssertionCapture()
      : previous_(
            skin::SetAssertionHook([this](const skin::AssertionFailure& failure) { failures_.push_back(failure); })) {}
  ~AssertionCapture() { skin::SetAssertionHook(std::move(previous_)); }
  [[nodiscard]] const std::vector<skin::AssertionFailure>& Failures() const { return failures_; }

 private:
  std::vector<skin::AssertionFailure> failures_;
  skin::AssertionHook previous_;
};

const std::vector<TColor>& Ramp(int slot) { return GradientCache().Slots.at(slot); }

int NextSlot() { return static_cast<int>(GradientCache().Next); }

TEST(ImgUtilGradient, MakeGradientComputesTheRamp) {
  struct Case {
    const char* what;
    int count;
    TColor c1, c2;
    std::vector<TColor> expected;
  };
  const Case cases[] = {
      {"one entry is the rounded-down middle", 1, RGB(0, 0, 0), RGB(255, 255, 255), {RGB(127, 127, 127)}},
      {"one entry of a falling channel truncates toward zero", 1, RGB(255, 0, 0), RGB(0, 0, 0), {RGB(128, 0, 0)}},
      {"rising channels",
       5,
       RGB(0, 0, 0),
       RGB(255, 100, 10),
       {RGB(0, 0, 0), RGB(64, 25, 3), RGB(128, 50, 5), RGB(191, 75, 8), RGB(255, 100, 10)}},
      {"a falling channel ends one short",
       3,
       RGB(255, 0, 0),
       RGB(0, 0, 0),
       {RGB(255, 0, 0), RGB(128, 0, 0), RGB(1, 0, 0)}},
      {"two entries are the two ends", 2, RGB(9, 8, 7), RGB(1, 2, 3), {RGB(9, 8, 7), RGB(1, 2, 3)}},
  };
  for (const Case& c : cases) {
    const int expected_slot = NextSlot();
    const int slot = skin::MakeGradient(c.count, c.c1, c.c2);
    EXPECT_EQ(slot, expected_slot) << c.what;
    EXPECT_EQ(Ramp(slot), c.expected) << c.what;
  }
}

TEST(ImgUtilGradient, TheRingOverwritesTheOldestRampWithTheSeventeenth) {
  const int first_slot = skin::MakeGradient(40, RGB(0, 0, 0), RGB(0, 0, 1));
  for (int i = 1; i < skin::kGradientSlots; ++i) {
    const int slot = skin::MakeGradient(40, RGB(0, 0, 0), RGB(0, i, 1));
    EXPECT_EQ(slot, (first_slot + i) % skin::kGradientSlots);
  }
  EXPECT_EQ(skin::FindGradient(40, RGB(0, 0, 0), RGB(0, 0, 1)), first_slot);
  const int seventeenth = skin::MakeGradient(40, RGB(0, 0, 0), RGB(0, 0, 2));
  EXPECT_EQ(seventeenth, first_slot);
  EXPECT_EQ(skin::FindGradient(40, RGB(0, 0, 0), RGB(0, 0, 1)), -1);
  EXPECT_EQ(skin::FindGradient(40, RGB(0, 0, 0), RGB(0, 5, 1)), (first_slot + 5) % skin::kGradientSlots);
}

TEST(ImgUtilGradient, FindGradientMatchesLengthAndBothEndsAndPrefersHigherSlots) {
  // Fill the ring so that the next two ramps land in slots 0 and 1.
  while (NextSlot() != 0) skin::MakeGradient(1, 0, 0);
  EXPECT_EQ(skin::MakeGradient(10, RGB(0, 0, 0), RGB(90, 90, 90)), 0);
  EXPECT_EQ(skin::MakeGradient(10, RGB(0, 0, 0), RGB(90, 90, 90)), 1);
  EXPECT_EQ(skin::FindGradient(10, RGB(0, 0, 0), RGB(90, 90, 90)), 1);
  EXPECT_EQ(skin::FindGradient(11, RGB(0, 0, 0), RGB(90, 90, 90)), -1);
  EXPECT_EQ(skin::FindGradient(10, RGB(0, 0, 1), RGB(90, 90, 90)), -1);
  EXPECT_EQ(skin::FindGradient(10, RGB(0, 0, 0), RGB(90, 90, 91)), -1);
}

TEST(ImgUtilGradient, GetGradientReusesARampButRecomputesOneThatFallsShort) {
  const int rising = skin::GetGradient(33, RGB(0, 0, 0), RGB(0, 0, 255));
  const int after = NextSlot();
  EXPECT_EQ(skin::GetGradient(33, RGB(0, 0, 0), RGB(0, 0, 255)), rising);
  EXPECT_EQ(NextSlot(), after);

  // Its last entry is 1, not 0: it never matches and takes the next slot on every request.
  const int falling = skin::GetGradient(3, RGB(0, 0, 255), RGB(0, 0, 0));
  EXPECT_EQ(Ramp(falling).back(), RGB(0, 0, 1));
  const int again = skin::GetGradient(3, RGB(0, 0, 255), RGB(0, 0, 0));
  EXPECT_EQ(again, (falling + 1) % skin::kGradientSlots);
}

TEST(ImgUtilGradient, CountsBelowOneAreReportedAndLeaveTheCacheAlone) {
  AssertionCapture capture;
  const int next = NextSlot();
  EXPECT_EQ(skin::FindGradient(0, 0, 0), -1);
  EXPECT_EQ(skin::MakeGradient(-3, 0, 0), -1);
  EXPECT_EQ(skin::GetGradient(0, 0, 0), -1);
  EXPECT_EQ(NextSlot(), next);
  ASSERT_EQ(capture.Failures().size(), 3u);
  EXPECT_EQ(capture.Failures()[0].Message, "Assertion failure");
  EXPECT_EQ(capture.Failures()[0].Unit, "imgutil");
  EXPECT_EQ(capture.Failures()[0].Line, 302);
  EXPECT_EQ(capture.Failures()[1].Line, 321);
  EXPECT_EQ(capture.Failures()[1].Text(), "Assertion failure (imgutil, line 321)");
  EXPECT_EQ(capture.Failures()[2].Line, 302);  // GetGradient stops at the first failed check
}

TEST(ImgUtilGradient, WithoutItsOwnHookAFailedCheckGoesToTheMessageDialog) {
  std::vector<std::string> shown;
  skin::MessageDialogHook previous =
      skin::SetMessageDialogHook([&](const std::string& text) { shown.push_back(text); });
  skin::AssertionHook own = skin::SetAssertionHook(nullptr);
  EXPECT_EQ(skin::MakeGradient(0, 0, 0), -1);
  skin::SetAssertionHook(std::move(own));
  skin::SetMessageDialogHook(std::move(previous));
  EXPECT_EQ(shown, std::vector<std::string>{"Assertion failure (imgutil, line 321)"});
}

constexpr COLORREF kUntouched = RGB(1, 2, 3);

TBitmap Canvas(int width, int height) {
  TBitmap bitmap(width, height, fw::pf32bit);
  bitmap.Canvas().SetBrushColor(static_cast<TColor>(kUntouched));
  bitmap.Canvas().FillRect(RECT{0, 0, width, height});
  return bitmap;
}

TEST(ImgUtilGradient, FillGradientPaintsOneRampEntryPerLine) {
  struct Case {
    const char* what;
    skin::GradientDirection direction;
  };
  for (const Case& c :
       {Case{"vertical", skin::GradientDirection::Vertical}, Case{"horizontal", skin::GradientDirection::Horizontal}}) {
    TBitmap bitmap = Canvas(10, 10);
    const RECT rect{1, 1, 9, 9};
    skin::FillGradient(bitmap.DC(), rect, RGB(0, 0, 0), c.direction, RGB(0, 70, 140));
    const int slot = skin::FindGradient(8, RGB(0, 0, 0), RGB(0, 70, 140));
    ASSERT_GE(slot, 0) << c.what;
    for (int y = 0; y < 10; ++y) {
      for (int x = 0; x < 10; ++x) {
        const bool inside = x >= 1 && x < 9 && y >= 1 && y < 9;
        const int line = c.direction == skin::GradientDirection::Vertical ? y - 1 : x - 1;
        const COLORREF expected = inside ? static_cast<COLORREF>(Ramp(slot)[line]) : kUntouched;
        ASSERT_EQ(bitmap.Pixel(x, y), expected) << c.what << " at " << x << "," << y;
      }
    }
  }
}

TEST(ImgUtilGradient, FillGradientPaintsOnlyTheClippedHalfWithTheFullRampsColours) {
  TBitmap bitmap = Canvas(3, 8);
  HDC dc = bitmap.DC();
  IntersectClipRect(dc, 0, 4, 3, 8);
  skin::FillGradient(dc, RECT{0, 0, 3, 8}, RGB(0, 0, 0), skin::GradientDirection::Vertical, RGB(0, 0, 70));
  SelectClipRgn(dc, nullptr);
  const int slot = skin::FindGradient(8, RGB(0, 0, 0), RGB(0, 0, 70));
  ASSERT_GE(slot, 0) << "the ramp spans the whole rectangle";
  for (int y = 0; y < 8; ++y) {
    const COLORREF expected = y < 4 ? kUntouched : static_cast<COLORREF>(Ramp(slot)[y]);
    for (int x = 0; x < 3; ++x) EXPECT_EQ(bitmap.Pixel(x, y), expected) << x << "," << y;
  }
}

TEST(ImgUtilGradient, FillGradientOfARectangleReachingPastTheBitmap) {
  TBitmap bitmap = Canvas(6, 2);
  skin::FillGradient(bitmap.DC(), RECT{-4, 0, 8, 2}, RGB(0, 0, 0), skin::GradientDirection::Horizontal, RGB(110, 0, 0));
  const int slot = skin::FindGradient(12, RGB(0, 0, 0), RGB(110, 0, 0));
  ASSERT_GE(slot, 0);
  for (int x = 0; x < 6; ++x) {
    EXPECT_EQ(bitmap.Pixel(x, 1), static_cast<COLORREF>(Ramp(slot)[x + 4])) << x;
  }
}

TEST(ImgUtilGradient, FillGradientDrawsNothingForInvisibleOrInvertedRectangles) {
  struct Case {
    const char* what;
    RECT rect;
  };
  const Case cases[] = {
      {"outside", RECT{20, 20, 30, 30}},
      {"inverted", RECT{5, 5, 1, 1}},
      {"no height", RECT{0, 2, 4, 2}},
  };
  for (const Case& c : cases) {
    TBitmap bitmap = Canvas(4, 4);
    const int next = NextSlot();
    skin::FillGradient(bitmap.DC(), c.rect, 0, skin::GradientDirection::Vertical, 0xFFFFFF);
    EXPECT_EQ(NextSlot(), next) << c.what;
    for (int y = 0; y < 4; ++y) {
      for (int x = 0; x < 4; ++x) EXPECT_EQ(bitmap.Pixel(x, y), kUntouched) << c.what;
    }
  }
  skin::FillGradient(nullptr, RECT{0, 0, 4, 4}, 0, skin::GradientDirection::Vertical, 0);
}

TEST(ImgUtilGradient, FillGradientResolvesSystemColours) {
  TBitmap bitmap = Canvas(1, 2);
  skin::FillGradient(bitmap.DC(), RECT{0, 0, 1, 2}, fw::clWindow, skin::GradientDirection::Vertical, fw::clWindowText);
  EXPECT_EQ(bitmap.Pixel(0, 0), GetSysColor(COLOR_WINDOW));
  EXPECT_EQ(bitmap.Pixel(0, 1), GetSysColor(COLOR_WINDOWTEXT));
}

TEST(ImgUtilGradient, FillGradientLeaksNothing) {
  TBitmap bitmap = Canvas(40, 40);
  auto paint = [&](int i) {
    skin::FillGradient(bitmap.DC(), RECT{0, 0, 40, 40}, RGB(i & 0xFF, 0, 0), skin::GradientDirection::Vertical,
                       0xFFFFFF);
  };
  paint(0);
  const auto before = test_support::CountGdiObjects();
  ASSERT_TRUE(before.has_value());
  for (int i = 0; i < 2000; ++i) paint(i);
  EXPECT_EQ(test_support::CountGdiObjects(), before);
}

}  // namespace
