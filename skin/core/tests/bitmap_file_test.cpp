#include "skin/core/bitmap_file.h"

#include <gtest/gtest.h>

#include "skin/core/tests/test_skins.h"
#include "skin/resources/tests/bitmap_file_builder.h"

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
    for (int x = 0; x < image.Width(); ++x) ASSERT_EQ(bitmap.Pixel(x, y), Colorref(image.At(x, y))) << x << "," << y;
}

void PutLittleEndian32(Bytes& bytes, size_t at, uint32_t value) {
  for (int i = 0; i < 4; ++i) bytes[at + static_cast<size_t>(i)] = static_cast<uint8_t>(value >> (8 * i));
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

// The pixels GDI itself makes of a file (StretchDIBits of its own header and rows) into a bitmap
// of the format LoadBitmapFile chooses.
fw::TBitmap DrawnByGdi(const Bytes& file, const skin::testing::BitmapFileSpec& recipe) {
  fw::TBitmap image(recipe.width, recipe.height, recipe.bits == 32 ? fw::pf32bit : fw::pf24bit);
  const uint32_t offset = static_cast<uint32_t>(file[10]) | (static_cast<uint32_t>(file[11]) << 8);
  StretchDIBits(image.DC(), 0, 0, recipe.width, recipe.height, 0, 0, recipe.width, recipe.height, file.data() + offset,
                reinterpret_cast<const BITMAPINFO*>(file.data() + 14), DIB_RGB_COLORS, SRCCOPY);
  GdiFlush();
  return image;
}

TEST(BitmapFile, EveryDepthGivesThePixelsGdiMakesOfTheFile) {
  using skin::testing::BitmapFileSpec;
  uint32_t state = 12345;
  auto random = [&] { return state = state * 1103515245u + 12345u, (state >> 8) * 2654435761u; };
  auto colours = [&](size_t count) {
    std::vector<uint32_t> list(count);
    for (uint32_t& colour : list) colour = random() & 0xFFFFFF;
    return list;
  };
  auto values = [&](const BitmapFileSpec& recipe, uint32_t mask) {
    std::vector<uint32_t> list(static_cast<size_t>(recipe.width * recipe.height));
    for (uint32_t& value : list) value = random() & mask;
    return list;
  };
  std::vector<uint32_t> every16(65536);
  for (uint32_t v = 0; v < 65536; ++v) every16[v] = v;

  struct Case {
    const char* what;
    BitmapFileSpec recipe;
    uint32_t value_mask;  // random values, or every 16-bit value when 0
  };
  Case cases[] = {
      {"1 bit", {.width = 37, .height = 5, .bits = 1}, 1},
      {"1 bit, core header", {.header_size = 12, .width = 19, .height = 3, .bits = 1}, 1},
      {"4 bits, 5 colours listed", {.width = 13, .height = 4, .bits = 4, .colours_used = 5}, 15},
      {"8 bits", {.width = 33, .height = 9, .bits = 8}, 255},
      {"8 bits, core header", {.header_size = 12, .width = 7, .height = 7, .bits = 8}, 255},
      {"16 bits, 5-5-5", {.width = 256, .height = 256, .bits = 16}, 0},
      {"16 bits, 5-6-5",
       {.width = 256, .height = 256, .bits = 16, .compression = 3, .masks = {0xF800, 0x07E0, 0x1F}},
       0},
      {"16 bits, 4-4-4", {.width = 256, .height = 256, .bits = 16, .compression = 3, .masks = {0xF00, 0xF0, 0xF}}, 0},
      {"16 bits, 6-5-5 in a 124-byte header",
       {.header_size = 124, .width = 256, .height = 256, .bits = 16, .compression = 3, .masks = {0xFC00, 0x3E0, 0x1F}},
       0},
      {"24 bits, top-down", {.width = 31, .height = 6, .top_down = true, .bits = 24}, 0xFFFFFF},
      {"32 bits", {.width = 17, .height = 5, .bits = 32}, 0xFFFFFFFF},
      {"32 bits, standard masks",
       {.width = 17, .height = 5, .bits = 32, .compression = 3, .masks = {0xFF0000, 0xFF00, 0xFF}},
       0xFFFFFFFF},
      {"32 bits, 10-10-10",
       {.width = 17, .height = 5, .bits = 32, .compression = 3, .masks = {0x3FF00000, 0xFFC00, 0x3FF}},
       0xFFFFFFFF},
      {"32 bits, red and blue exchanged, 108-byte header",
       {.header_size = 108, .width = 17, .height = 5, .bits = 32, .compression = 3, .masks = {0xFF, 0xFF00, 0xFF0000}},
       0xFFFFFFFF},
  };
  for (Case& c : cases) {
    SCOPED_TRACE(c.what);
    if (c.recipe.bits <= 8) {
      const size_t listed = c.recipe.colours_used ? c.recipe.colours_used : size_t{1} << c.recipe.bits;
      c.recipe.palette = colours(listed);
    }
    c.recipe.values = c.value_mask ? values(c.recipe, c.value_mask) : every16;
    const Bytes file = skin::testing::BitmapFile(c.recipe);
    fw::TBitmap loaded;
    ASSERT_TRUE(skin::LoadBitmapFile(loaded, file));
    const fw::TBitmap expected = DrawnByGdi(file, c.recipe);
    ASSERT_EQ(loaded.PixelFormat(), expected.PixelFormat());
    ASSERT_EQ(loaded.Width(), expected.Width());
    ASSERT_EQ(loaded.Height(), expected.Height());
    const int used_bytes = loaded.Width() * loaded.BytesPerPixel();
    for (int y = 0; y < loaded.Height(); ++y) {
      const uint8_t* got = loaded.ScanLine(y);
      const uint8_t* want = expected.ScanLine(y);
      for (int i = 0; i < used_bytes; ++i)
        ASSERT_EQ(got[i], want[i]) << "row " << y << ", pixel " << i / loaded.BytesPerPixel() << ", byte "
                                   << i % loaded.BytesPerPixel();
    }
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
