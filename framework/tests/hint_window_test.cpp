// The hint window measures its text on a screen DC that it gives back every time.
#include "framework/hint_window.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/support/resource_count.h"

namespace {

// The text's extent as DrawText measures it with the hint's font (the status font).
SIZE MeasuredText(const std::string& text, int max_width) {
  NONCLIENTMETRICSA metrics{};
  metrics.cbSize = sizeof metrics;
  EXPECT_TRUE(SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0));
  fw::UniqueFont font(CreateFontIndirectA(&metrics.lfStatusFont));
  fw::WindowDC screen(nullptr);
  fw::SelectObjectGuard select(screen.get(), font.get());
  RECT r{0, 0, max_width, 0};
  DrawTextA(screen.get(), text.c_str(), static_cast<int>(text.size()), &r,
            DT_LEFT | DT_WORDBREAK | DT_NOPREFIX | DT_CALCRECT);
  return {r.right, r.bottom};
}

TEST(HintWindow, CalcHintRectIsTheTextWithItsPaddingAndWrapsAtTheWidth) {
  fw::THintWindow hint;
  const std::string short_text = "Close";
  const RECT one_line = hint.CalcHintRect(500, short_text);
  const SIZE text = MeasuredText(short_text, 500);
  EXPECT_EQ(one_line.left, 0);
  EXPECT_EQ(one_line.top, 0);
  EXPECT_EQ(one_line.right, text.cx + 8);
  EXPECT_EQ(one_line.bottom, text.cy + 6);

  const std::string long_text = "Restore the window to the size and place it had before it was maximized";
  const RECT wrapped = hint.CalcHintRect(120, long_text);
  EXPECT_LE(wrapped.right, 120 + 8);
  EXPECT_GT(wrapped.bottom, 2 * text.cy);
  EXPECT_EQ(wrapped.bottom, MeasuredText(long_text, 120).cy + 6);
}

TEST(HintWindow, MeasuringGivesEveryScreenDcBack) {
  fw::THintWindow hint;
  (void)hint.CalcHintRect(200, "warm up");
  const auto before = test_support::CountGdiObjects();
  ASSERT_TRUE(before.has_value());
  for (int i = 0; i < 500; ++i) (void)hint.CalcHintRect(200, "Minimize " + std::to_string(i));
  EXPECT_EQ(test_support::CountGdiObjects(), before);
}

}  // namespace
