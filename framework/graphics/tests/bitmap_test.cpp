#include "framework/graphics/bitmap.h"

#include <gtest/gtest.h>

#include <utility>

#include "framework/graphics/canvas.h"
#include "tests/support/resource_count.h"

namespace {

using fw::TBitmap;

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kGreen = RGB(0, 255, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);

TEST(Bitmap, NewBitmapHasItsSizeFormatAndPaddedRows) {
  struct Case {
    int width, height;
    fw::TPixelFormat format;
    int row_bytes;
  };
  for (const Case& c : {Case{3, 2, fw::pf24bit, 12}, Case{1, 1, fw::pf24bit, 4}, Case{4, 5, fw::pf24bit, 12},
                        Case{3, 2, fw::pf32bit, 12}}) {
    TBitmap bitmap(c.width, c.height, c.format);
    EXPECT_EQ(bitmap.Width(), c.width);
    EXPECT_EQ(bitmap.Height(), c.height);
    EXPECT_EQ(bitmap.PixelFormat(), c.format);
    EXPECT_EQ(bitmap.RowBytes(), c.row_bytes);
    if (c.height > 1) {
      EXPECT_EQ(bitmap.ScanLine(1) - bitmap.ScanLine(0), c.row_bytes);
    }
  }
}

TEST(Bitmap, EmptyAndOutOfRangeAccessIsHarmless) {
  TBitmap empty;
  EXPECT_TRUE(empty.Empty());
  EXPECT_EQ(empty.ScanLine(0), nullptr);
  EXPECT_EQ(empty.Pixel(0, 0), CLR_INVALID);
  empty.SetPixel(0, 0, kRed);
  EXPECT_NE(empty.DC(), nullptr);
  empty.Canvas().FillRect(RECT{0, 0, 5, 5});

  TBitmap negative(-3, 4);
  EXPECT_TRUE(negative.Empty());
  EXPECT_EQ(negative.Width(), 0);
  EXPECT_EQ(negative.Height(), 0);

  TBitmap bitmap(2, 2);
  EXPECT_EQ(bitmap.ScanLine(-1), nullptr);
  EXPECT_EQ(bitmap.ScanLine(2), nullptr);
  EXPECT_EQ(bitmap.Pixel(2, 0), CLR_INVALID);
  EXPECT_EQ(bitmap.Pixel(0, -1), CLR_INVALID);
}

TEST(Bitmap, RowZeroIsTheTopRowAsGdiSeesIt) {
  for (fw::TPixelFormat format : {fw::pf24bit, fw::pf32bit}) {
    TBitmap bitmap(3, 2, format);
    std::uint8_t* top = bitmap.ScanLine(0);
    top[0] = 0x30;  // blue
    top[1] = 0x20;  // green
    top[2] = 0x10;  // red
    EXPECT_EQ(GetPixel(bitmap.DC(), 0, 0), RGB(0x10, 0x20, 0x30));
    EXPECT_EQ(GetPixel(bitmap.DC(), 0, 1), RGB(0, 0, 0));
    // And the other way round: GDI drawing shows up in the rows once flushed.
    SetPixelV(bitmap.DC(), 2, 1, kBlue);
    EXPECT_EQ(bitmap.Pixel(2, 1), kBlue);
    EXPECT_EQ(bitmap.ScanLine(1)[2 * bitmap.BytesPerPixel()], 255);
  }
}

TEST(Bitmap, SetSizeKeepsTheSharedPartAndBlackensTheRest) {
  TBitmap bitmap(2, 2);
  bitmap.SetPixel(0, 0, kRed);
  bitmap.SetPixel(1, 1, kGreen);
  ASSERT_NE(bitmap.DC(), nullptr);  // the DC must follow the new surface
  bitmap.SetSize(3, 1);
  EXPECT_EQ(bitmap.Width(), 3);
  EXPECT_EQ(bitmap.Height(), 1);
  EXPECT_EQ(bitmap.Pixel(0, 0), kRed);
  EXPECT_EQ(bitmap.Pixel(1, 0), RGB(0, 0, 0));
  EXPECT_EQ(bitmap.Pixel(2, 0), RGB(0, 0, 0));
  EXPECT_EQ(GetPixel(bitmap.DC(), 0, 0), kRed);
  SetPixelV(bitmap.DC(), 2, 0, kBlue);
  EXPECT_EQ(bitmap.Pixel(2, 0), kBlue);

  bitmap.SetSize(0, 5);
  EXPECT_TRUE(bitmap.Empty());
  bitmap.SetSize(1, 1);
  EXPECT_EQ(GetPixel(bitmap.DC(), 0, 0), RGB(0, 0, 0));
}

TEST(Bitmap, PixelFormatConversionKeepsColours) {
  TBitmap bitmap(5, 3, fw::pf24bit);
  for (int y = 0; y < 3; ++y) {
    for (int x = 0; x < 5; ++x) bitmap.SetPixel(x, y, RGB(x * 40, y * 70, 255 - x));
  }
  bitmap.SetPixelFormat(fw::pf32bit);
  EXPECT_EQ(bitmap.PixelFormat(), fw::pf32bit);
  EXPECT_EQ(bitmap.RowBytes(), 20);
  bitmap.SetPixelFormat(fw::pf24bit);
  EXPECT_EQ(bitmap.RowBytes(), 16);
  for (int y = 0; y < 3; ++y) {
    for (int x = 0; x < 5; ++x) EXPECT_EQ(bitmap.Pixel(x, y), RGB(x * 40, y * 70, 255 - x));
  }
}

TEST(Bitmap, MoveHandsOverPixelsAndCanvas) {
  TBitmap source(2, 1);
  source.SetPixel(1, 0, kGreen);
  source.Canvas().SetBrushColor(fw::clWhite);
  TBitmap moved(std::move(source));
  EXPECT_TRUE(source.Empty());
  EXPECT_EQ(moved.Pixel(1, 0), kGreen);
  moved.Canvas().FillRect(RECT{0, 0, 1, 1});
  EXPECT_EQ(moved.Pixel(0, 0), RGB(255, 255, 255));

  TBitmap target(4, 4);
  ASSERT_NE(target.DC(), nullptr);
  target = std::move(moved);
  EXPECT_EQ(target.Width(), 2);
  EXPECT_EQ(GetPixel(target.DC(), 1, 0), kGreen);
}

TEST(Bitmap, AssignCopiesEverythingIntoAnIndependentBitmap) {
  TBitmap source(3, 2, fw::pf32bit);
  source.SetPixel(2, 1, kRed);
  source.SetTransparent(true);
  source.SetTransparentColor(0x00FF00);
  TBitmap copy(1, 1);
  copy.Assign(source);
  EXPECT_EQ(copy.Width(), 3);
  EXPECT_EQ(copy.Height(), 2);
  EXPECT_EQ(copy.PixelFormat(), fw::pf32bit);
  EXPECT_TRUE(copy.Transparent());
  EXPECT_EQ(copy.TransparentColor(), 0x00FF00);
  EXPECT_EQ(copy.Pixel(2, 1), kRed);
  source.SetPixel(2, 1, kBlue);
  EXPECT_EQ(copy.Pixel(2, 1), kRed);
  EXPECT_NE(copy.Handle(), source.Handle());
}

TEST(Bitmap, NothingLeaksOverThousandsOfBitmaps) {
  auto churn = [] {
    TBitmap bitmap(8, 8);
    bitmap.Canvas().SetBrushColor(fw::clFuchsia);
    bitmap.Canvas().FillRect(RECT{0, 0, 4, 4});
    bitmap.SetSize(16, 4);
    bitmap.SetPixelFormat(fw::pf32bit);
    TBitmap copy;
    copy.Assign(bitmap);
    TBitmap moved(std::move(copy));
    moved = TBitmap(2, 2);
  };
  churn();
  const auto before = test_support::CountGdiObjects();
  ASSERT_TRUE(before.has_value());
  for (int i = 0; i < 3000; ++i) churn();
  EXPECT_EQ(test_support::CountGdiObjects(), before);
}

}  // namespace
