#include "skin/form/tests/scroll_test_pixels.h"

#include <gtest/gtest.h>

#include "framework/graphics/color.h"
#include "framework/handles.h"
#include "skin/controls/scroll_bar_paint.h"
#include "skin/paint/skin_paint.h"

namespace frametest {

fw::TBitmap ExpectedBarFrame(const skin::TSkinData& data, int width, int height, int frame, int arrowSize) {
  fw::TBitmap expected;
  expected.SetSize(width, height);
  HDC dc = expected.Canvas().Handle();
  fw::UniqueBrush face(CreateSolidBrush(fw::ColorToRGB(data.Colours[skin::ciButtonFace])));
  const RECT all{0, 0, width, height};
  FillRect(dc, &all, face.get());
  const RECT r{0, 0, skin::BarThickness(data, arrowSize), height};
  skin::DrawFrameKeyedDC(dc, r, 23, frame, *data.Scrollbar->Bitmap);
  return expected;
}

void ExpectSamePixels(fw::TBitmap& shown, int left, int top, fw::TBitmap expected, const std::string& what) {
  int differing = 0;
  std::string first;
  for (int y = 0; y < expected.Height(); ++y) {
    for (int x = 0; x < expected.Width(); ++x) {
      const COLORREF got = GetPixel(shown.Canvas().Handle(), left + x, top + y);
      const COLORREF want = GetPixel(expected.Canvas().Handle(), x, y);
      if (got != want && differing++ == 0) {
        first = " first at " + std::to_string(x) + "," + std::to_string(y) + ": " + std::to_string(got) + " not " +
                std::to_string(want);
      }
    }
  }
  EXPECT_EQ(differing, 0) << what << first << " (" << expected.Width() << "x" << expected.Height() << ")";
}

}  // namespace frametest
