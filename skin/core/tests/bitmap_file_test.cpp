#include "skin/core/bitmap_file.h"

#include <gtest/gtest.h>

#include "skin/core/tests/test_skins.h"

namespace {

using skintest::Bytes;
using skintest::Colorref;

// A picture whose every corner differs, so that row order and mirroring show.
skinimage::Image Corners(int width, int height) {
  skinimage::Image image(width, height, 0x808080);
  image.Set(0, 0, 0xFF0000);
  image.Set(width - 1, 0, 0x00FF00);
  image.Set(0, height - 1, 0x0000FF);
  image.Set(width - 1, height - 1, 0xFFFFFF);
  return image;
}

void ExpectSamePixels(const fw::TBitmap& bitmap, const skinimage::Image& image) {
  ASSERT_EQ(bitmap.Width(), image.Width());
  ASSERT_EQ(bitmap.Height(), image.Height());
  for (int y = 0; y < image.Height(); ++y)
    for (int x = 0; x < image.Width(); ++x)
      ASSERT_EQ(bitmap.Pixel(x, y), Colorref(image.At(x, y))) << x << "," << y;
}

void PutLittleEndian32(Bytes& bytes, size_t at, uint32_t value) {
  for (int i = 0; i < 4; ++i)
    bytes[at + static_cast<size_t>(i)] = static_cast<uint8_t>(value >> (8 * i));
}

TEST(BitmapFile, EveryWrittenDepthLoadsWithItsPixels) {
  struct Case {
    int bits;
    fw::TPixelFormat format;
  };
  for (const Case& c : {Case{24, fw::pf24bit}, Case{32, fw::pf32bit}}) {
    SCOPED_TRACE(c.bits);
    const skinimage::Image image = Corners(7, 5);  // rows of 21 bytes need padding
    fw::TBitmap bitmap;
    ASSERT_TRUE(skin::LoadBitmapFile(bitmap, skinimage::EncodeBmp(image, {c.bits, 0})));
    EXPECT_EQ(bitmap.PixelFormat(), c.format);
    ExpectSamePixels(bitmap, image);
  }
}

TEST(BitmapFile, MonochromeAndTopDownFilesLoad) {
  skinimage::Image mono(9, 3, skinimage::kBlack);
  mono.Set(0, 0, skinimage::kWhite);
  mono.Set(8, 2, skinimage::kWhite);
  fw::TBitmap bitmap;
  ASSERT_TRUE(skin::LoadBitmapFile(bitmap, skinimage::EncodeBmp(mono, {1, 0})));
  EXPECT_EQ(bitmap.PixelFormat(), fw::pf24bit);
  ExpectSamePixels(bitmap, mono);

  // The same 24-bit picture stored top-down: negative height, rows in the other order.
  const skinimage::Image image = Corners(4, 3);
  Bytes file = skinimage::EncodeBmp(image, {24, 0});
  PutLittleEndian32(file, 22, static_cast<uint32_t>(-3));
  const size_t row = 12;
  Bytes flipped(file.begin(), file.begin() + 54);
  for (int y = 2; y >= 0; --y)
    flipped.insert(flipped.end(), file.begin() + 54 + static_cast<long>(row) * y,
                   file.begin() + 54 + static_cast<long>(row) * (y + 1));
  ASSERT_TRUE(skin::LoadBitmapFile(bitmap, flipped));
  ExpectSamePixels(bitmap, image);
}

TEST(BitmapFile, DamagedFilesLeaveTheBitmapEmpty) {
  const Bytes good = skinimage::EncodeBmp(Corners(6, 4), {24, 0});
  struct Case {
    const char* what;
    size_t at;  // where to patch, or SIZE_MAX to cut the file at `value`
    uint32_t value;
  };
  const Case cases[] = {
      {"no magic", 0, 0x4D41},
      {"header size 0", 14, 0},
      {"header larger than the file", 14, 4000},
      {"zero width", 18, 0},
      {"negative width", 18, static_cast<uint32_t>(-6)},
      {"huge height", 22, 100000},
      {"zero height", 22, 0},
      {"3 bits per pixel", 26, 0x00030001},
      {"RLE8 compression", 30, 1},
      {"bit fields on 24 bits", 30, 3},
      {"cut inside the header", SIZE_MAX, 30},
      {"cut inside the last row", SIZE_MAX, 54 + 4 * 20 - 1},
      {"empty file", SIZE_MAX, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Bytes file = good;
    if (c.at == SIZE_MAX) {
      file.resize(c.value);
    } else if (c.at == 0) {
      file[0] = 'X';
    } else {
      PutLittleEndian32(file, c.at, c.value);
    }
    fw::TBitmap bitmap(3, 3);
    EXPECT_FALSE(skin::LoadBitmapFile(bitmap, file));
    EXPECT_TRUE(bitmap.Empty());
  }
}

TEST(BitmapFile, AWrongPixelOffsetFallsBackToTheRowsAfterTheHeader) {
  const skinimage::Image image = Corners(3, 2);
  Bytes file = skinimage::EncodeBmp(image, {24, 0});
  for (uint32_t offset : {0u, 0xFFFFFFF0u}) {
    PutLittleEndian32(file, 10, offset);
    fw::TBitmap bitmap;
    ASSERT_TRUE(skin::LoadBitmapFile(bitmap, file)) << offset;
    ExpectSamePixels(bitmap, image);
  }
}

TEST(BitmapFile, ProgramResourcesLoadAndMissingOnesAreEmpty) {
  fw::TBitmap track;
  ASSERT_TRUE(skin::LoadBitmapResource(track, "TRACK"));
  EXPECT_EQ(track.Width(), 16);
  EXPECT_EQ(track.Height(), 4);
  fw::TBitmap missing(2, 2);
  EXPECT_FALSE(skin::LoadBitmapResource(missing, "NO_SUCH_BITMAP"));
  EXPECT_TRUE(missing.Empty());
}

}  // namespace
