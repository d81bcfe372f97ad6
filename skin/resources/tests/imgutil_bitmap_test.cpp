#include <gtest/gtest.h>

#include <vector>

#include "skin/resources/imgutil.h"

namespace {

using fw::TBitmap;

// A bitmap whose every pixel is different: red = 10 × column + 1, green = 10 × row + 1.
TBitmap Numbered(int width, int height, fw::TPixelFormat format = fw::pf24bit) {
  TBitmap bitmap(width, height, format);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) bitmap.SetPixel(x, y, RGB(10 * x + 1, 10 * y + 1, 7));
  }
  return bitmap;
}

COLORREF At(int x, int y) { return RGB(10 * x + 1, 10 * y + 1, 7); }

TEST(ImgUtilBitmap, ReplaceKeyColorTouchesOnlyPureMagenta) {
  const COLORREF original[] = {RGB(255, 0, 255), RGB(255, 1, 255), RGB(254, 0, 255), RGB(255, 0, 254), RGB(0, 0, 0)};
  TBitmap bitmap(5, 1, fw::pf32bit);
  for (int x = 0; x < 5; ++x) bitmap.SetPixel(x, 0, original[x]);
  skin::ReplaceKeyColor(bitmap, RGB(1, 2, 3));
  EXPECT_EQ(bitmap.PixelFormat(), fw::pf24bit);
  EXPECT_EQ(bitmap.Pixel(0, 0), RGB(1, 2, 3));
  for (int x = 1; x < 5; ++x) EXPECT_EQ(bitmap.Pixel(x, 0), original[x]) << x;
}

TEST(ImgUtilBitmap, ReplaceKeyColorResolvesASystemColour) {
  TBitmap bitmap(1, 1);
  bitmap.SetPixel(0, 0, RGB(255, 0, 255));
  skin::ReplaceKeyColor(bitmap, fw::clBtnFace);
  EXPECT_EQ(bitmap.Pixel(0, 0), GetSysColor(COLOR_BTNFACE));
}

TEST(ImgUtilBitmap, MirrorAndFlipReverseColumnsAndRows) {
  for (fw::TPixelFormat format : {fw::pf24bit, fw::pf32bit}) {
    TBitmap mirrored = Numbered(3, 2, format);
    skin::MirrorBitmap(mirrored);
    TBitmap flipped = Numbered(3, 2, format);
    skin::FlipBitmap(flipped);
    for (int y = 0; y < 2; ++y) {
      for (int x = 0; x < 3; ++x) {
        EXPECT_EQ(mirrored.Pixel(x, y), At(2 - x, y)) << x << "," << y;
        EXPECT_EQ(flipped.Pixel(x, y), At(x, 1 - y)) << x << "," << y;
      }
    }
    EXPECT_EQ(mirrored.Width(), 3);
    EXPECT_EQ(flipped.Height(), 2);
    EXPECT_EQ(mirrored.PixelFormat(), format);
  }
}

TEST(ImgUtilBitmap, RotationsTurnTheRightWayAndExchangeTheSize) {
  TBitmap left = Numbered(3, 2);
  skin::RotateBitmapLeft(left);
  ASSERT_EQ(left.Width(), 2);
  ASSERT_EQ(left.Height(), 3);
  // Anticlockwise: the old top-right corner is the new top-left one.
  EXPECT_EQ(left.Pixel(0, 0), At(2, 0));
  EXPECT_EQ(left.Pixel(1, 0), At(2, 1));
  EXPECT_EQ(left.Pixel(0, 2), At(0, 0));
  EXPECT_EQ(left.Pixel(1, 2), At(0, 1));

  TBitmap right = Numbered(3, 2);
  skin::RotateBitmapRight(right);
  ASSERT_EQ(right.Width(), 2);
  ASSERT_EQ(right.Height(), 3);
  // Clockwise: the old bottom-left corner is the new top-left one.
  EXPECT_EQ(right.Pixel(0, 0), At(0, 1));
  EXPECT_EQ(right.Pixel(1, 0), At(0, 0));
  EXPECT_EQ(right.Pixel(0, 2), At(2, 1));
  EXPECT_EQ(right.Pixel(1, 2), At(2, 0));
}

TEST(ImgUtilBitmap, RotationRoundTripsGiveTheBitmapBack) {
  using Turn = void (*)(TBitmap&);
  struct Case {
    const char* what;
    std::vector<Turn> turns;
  };
  const Case cases[] = {
      {"left then right", {skin::RotateBitmapLeft, skin::RotateBitmapRight}},
      {"right then left", {skin::RotateBitmapRight, skin::RotateBitmapLeft}},
      {"four lefts", {skin::RotateBitmapLeft, skin::RotateBitmapLeft, skin::RotateBitmapLeft, skin::RotateBitmapLeft}},
      {"two rights are a mirror and a flip",
       {skin::RotateBitmapRight, skin::RotateBitmapRight, skin::MirrorBitmap, skin::FlipBitmap}},
  };
  for (const Case& c : cases) {
    TBitmap bitmap = Numbered(3, 2);
    for (Turn turn : c.turns) turn(bitmap);
    ASSERT_EQ(bitmap.Width(), 3) << c.what;
    ASSERT_EQ(bitmap.Height(), 2) << c.what;
    for (int y = 0; y < 2; ++y) {
      for (int x = 0; x < 3; ++x) EXPECT_EQ(bitmap.Pixel(x, y), At(x, y)) << c.what;
    }
  }
}

TEST(ImgUtilBitmap, EmptyBitmapsPassThroughUnharmed) {
  TBitmap empty;
  skin::MirrorBitmap(empty);
  skin::FlipBitmap(empty);
  skin::RotateBitmapLeft(empty);
  skin::RotateBitmapRight(empty);
  skin::ReplaceKeyColor(empty, 0);
  EXPECT_TRUE(empty.Empty());
}

}  // namespace
