#include "skin/resources/bitmap_decoder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "skin/resources/tests/bitmap_file_builder.h"

namespace {

using skin::BitmapChecks;
using skin::testing::BitmapFile;
using skin::testing::BitmapFileSpec;
using Bytes = std::vector<uint8_t>;
using Pixels = std::vector<uint32_t>;

void Put32(Bytes& file, size_t at, uint32_t value) {
  for (int i = 0; i < 4; ++i) file[at + static_cast<size_t>(i)] = static_cast<uint8_t>(value >> (8 * i));
}

// Each depth and header form, with the pixels GDI gives for the same file (widened narrow
// channels repeat their bits; wide ones keep their top 8 bits).
TEST(BitmapDecoder, EveryDepthAndHeaderFormDecodesToItsPixels) {
  struct Case {
    const char* what;
    BitmapFileSpec recipe;
    Pixels expected;
  };
  const Pixels grey4 = {0x000000, 0x555555, 0xAAAAAA, 0xFFFFFF};
  const Case cases[] = {
      {"1 bit, 9 wide (a row of two bytes, padded)",
       {.width = 9,
        .height = 2,
        .bits = 1,
        .palette = {0x102030, 0xF0E0D0},
        .values = {1, 0, 0, 0, 0, 0, 0, 0, 1, 0, 1, 0, 1, 0, 1, 0, 1, 0}},
       {0xF0E0D0, 0x102030, 0x102030, 0x102030, 0x102030, 0x102030, 0x102030, 0x102030, 0xF0E0D0, 0x102030, 0xF0E0D0,
        0x102030, 0xF0E0D0, 0x102030, 0xF0E0D0, 0x102030, 0xF0E0D0, 0x102030}},
      {"4 bits, an index past the three listed colours is black",
       {.width = 3,
        .height = 2,
        .bits = 4,
        .palette = {0x111111, 0x222222, 0x333333},
        .colours_used = 3,
        .values = {0, 1, 2, 2, 15, 0}},
       {0x111111, 0x222222, 0x333333, 0x333333, 0x000000, 0x111111}},
      {"8 bits, the table's fourth byte ignored",
       {.width = 2,
        .height = 2,
        .bits = 8,
        .palette = {0xFF123456u, 0x80ABCDEFu},
        .colours_used = 2,
        .values = {1, 0, 200, 1}},
       {0xABCDEF, 0x123456, 0x000000, 0xABCDEF}},
      {"1 bit under a core header (3-byte table entries)",
       {.header_size = 12, .width = 2, .height = 1, .bits = 1, .palette = {0x010203, 0xA0B0C0}, .values = {1, 0}},
       {0xA0B0C0, 0x010203}},
      {"16 bits plain: 5 bits per channel",
       {.width = 4, .height = 1, .bits = 16, .values = {0x7FFF, 28 << 10 | 1 << 5 | 16, 0x7C00, 0}},
       {0xFFFFFF, 0xE70884, 0xFF0000, 0x000000}},
      {"16 bits with 5-6-5 masks, top-down",
       {.width = 2,
        .height = 2,
        .top_down = true,
        .bits = 16,
        .compression = 3,
        .masks = {0xF800, 0x07E0, 0x001F},
        .values = {0xF800, 1 << 5, 0x001F, 0xFFFF}},
       {0xFF0000, 0x000400, 0x0000FF, 0xFFFFFF}},
      {"16 bits with 4-4-4 masks",
       {.width = 3,
        .height = 1,
        .bits = 16,
        .compression = 3,
        .masks = {0x0F00, 0x00F0, 0x000F},
        .values = {0x0123, 0x0FFF, 0xF000}},
       {0x112233, 0xFFFFFF, 0x000000}},
      {"16 bits, a mask with a gap counts up to the gap",
       {.width = 1, .height = 1, .bits = 16, .compression = 3, .masks = {0x0F0F, 0x00F0, 0}, .values = {0x0F5A}},
       {0xAA5500}},
      {"24 bits, bottom-up rows of 9 bytes padded to 12",
       {.width = 3, .height = 2, .bits = 24, .values = {0x010203, 0x040506, 0x070809, 0xFF00FF, 0x00FF00, 0xFFFFFF}},
       {0x010203, 0x040506, 0x070809, 0xFF00FF, 0x00FF00, 0xFFFFFF}},
      {"32 bits plain keep their fourth byte",
       {.width = 2, .height = 1, .bits = 32, .values = {0x80102030, 0x00445566}},
       {0x80102030, 0x00445566}},
      {"32 bits with the standard masks keep it too",
       {.width = 1,
        .height = 1,
        .bits = 32,
        .compression = 3,
        .masks = {0xFF0000, 0xFF00, 0xFF},
        .values = {0x7F010203}},
       {0x7F010203}},
      {"32 bits with 10-bit channels keep their top 8 bits",
       {.width = 3,
        .height = 1,
        .bits = 32,
        .compression = 3,
        .masks = {0x3FF00000, 0x000FFC00, 0x000003FF},
        .values = {0xC0000000u | 1023u << 20 | 512u << 10 | 4u, 1u << 20 | 511u << 10, 0}},
       {0xFF8001, 0x007F00, 0x000000}},
      {"16 bits under a 108-byte header, the masks inside it",
       {.header_size = 108,
        .width = 2,
        .height = 1,
        .bits = 16,
        .compression = 3,
        .masks = {0x001F, 0x07E0, 0xF800},
        .values = {0x001F, 0xF800}},
       {0xFF0000, 0x0000FF}},
      {"4 grey levels over a 124-byte header",
       {.header_size = 124,
        .width = 4,
        .height = 1,
        .bits = 4,
        .palette = grey4,
        .colours_used = 4,
        .values = {3, 2, 1, 0}},
       {0xFFFFFF, 0xAAAAAA, 0x555555, 0x000000}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const Bytes file = BitmapFile(c.recipe);
    for (BitmapChecks checks : {BitmapChecks::kStrict, BitmapChecks::kTolerant}) {
      std::string error;
      const auto image = skin::DecodeBitmapFile(file, checks, error);
      ASSERT_TRUE(image) << error;
      EXPECT_EQ(image->width, c.recipe.width);
      EXPECT_EQ(image->height, c.recipe.height);
      EXPECT_EQ(image->source_32_bit, c.recipe.bits == 32);
      EXPECT_EQ(image->pixels, c.expected);
    }
  }
}

// Files that are damaged, cut short, compressed or too large: refused by both checks with one
// reason, or loaded by the program's tolerant checks and refused only by the strict ones.
TEST(BitmapDecoder, DamagedFilesAreRefusedWithAReason) {
  const BitmapFileSpec good_spec{.width = 6, .height = 4, .bits = 24};
  const Bytes good = BitmapFile(good_spec);  // 54 bytes of headers, rows of 20 bytes
  const BitmapFileSpec mono_spec{.width = 8, .height = 2, .bits = 1, .palette = {0, 0xFFFFFF}};
  struct Case {
    const char* what;
    Bytes file;
    const char* strict_reason;
    const char* tolerant_reason;  // nullptr: the program loads it
  };
  auto patched = [](Bytes file, size_t at, uint32_t value) {
    Put32(file, at, value);
    return file;
  };
  auto cut = [](Bytes file, size_t size) {
    file.resize(size);
    return file;
  };
  const Case cases[] = {
      {"empty", {}, "too short", "too short"},
      {"cut inside the header", cut(good, 25), "too short", "too short"},
      {"no signature", patched(good, 0, 0x4D41), "signature", "signature"},
      {"header size 20", patched(good, 14, 20), "header size 20", "header size 20"},
      {"header size 64", BitmapFile({.header_size = 64, .width = 6, .height = 4, .bits = 24}), "header size 64",
       nullptr},
      {"header size 64 leaving no room for the rows", patched(good, 14, 64), "header size 64", "cut short"},
      {"header larger than the file", patched(good, 14, 4000), "header size", "header cut short"},
      {"zero width", patched(good, 18, 0), "size", "size"},
      {"negative width", patched(good, 18, static_cast<uint32_t>(-6)), "size", "size"},
      {"width of -2^31", patched(good, 18, 0x80000000u), "size", "size"},
      {"height of -2^31", patched(good, 22, 0x80000000u), "size", "size"},
      {"too high", patched(good, 22, 32769), "size", "size"},
      {"more pixels than allowed", patched(patched(good, 18, 8192), 22, 4096), "larger than", "larger than"},
      {"two planes", patched(good, 26, 0x00180002), "plane", nullptr},
      {"12 bits per pixel", patched(good, 26, 0x000C0001), "bits per pixel", "bits per pixel"},
      {"RLE8", patched(good, 30, 1), "run-length", "run-length"},
      {"RLE4", patched(good, 30, 2), "run-length", "run-length"},
      {"bit fields on 24 bits", patched(good, 30, 3), "compression", "compression"},
      {"JPEG inside", patched(good, 30, 4), "compression", "compression"},
      {"bit-field masks cut short", cut(patched(patched(good, 26, 0x00200001), 30, 3), 60), "masks cut short",
       "masks cut short"},
      {"three colours for one bit", patched(BitmapFile(mono_spec), 46, 3), "colour table", nullptr},
      {"colour table cut short", cut(BitmapFile(mono_spec), 14 + 40 + 6), "colour table", "colour table"},
      {"pixel offset 0", patched(good, 10, 0), "overlaps", nullptr},
      {"pixel offset inside the header", patched(good, 10, 20), "overlaps", nullptr},
      {"pixel offset past the end", patched(good, 10, 0xFFFFFFF0u), "cut short", nullptr},
      {"cut inside the last row", cut(good, 54 + 4 * 20 - 1), "cut short", "cut short"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    std::string error;
    EXPECT_FALSE(skin::DecodeBitmapFile(c.file, BitmapChecks::kStrict, error));
    EXPECT_NE(error.find(c.strict_reason), std::string::npos) << error;
    EXPECT_EQ(error.find('\n'), std::string::npos) << error;
    error.clear();
    const auto tolerant = skin::DecodeBitmapFile(c.file, BitmapChecks::kTolerant, error);
    if (c.tolerant_reason != nullptr) {
      EXPECT_FALSE(tolerant);
      EXPECT_NE(error.find(c.tolerant_reason), std::string::npos) << error;
    } else {
      ASSERT_TRUE(tolerant) << error;
      EXPECT_EQ(error, "");
    }
  }
}

TEST(BitmapDecoder, AWrongPixelOffsetReadsTheRowsAfterTheColourTable) {
  const BitmapFileSpec recipe{.width = 3,
                              .height = 2,
                              .bits = 8,
                              .palette = {0x0000FF, 0x00FF00, 0xFF0000},
                              .colours_used = 3,
                              .values = {0, 1, 2, 2, 1, 0}};
  const Bytes good = BitmapFile(recipe);
  std::string error;
  const auto expected = skin::DecodeBitmapFile(good, BitmapChecks::kStrict, error);
  ASSERT_TRUE(expected) << error;
  for (uint32_t offset : {0u, 54u, 0xFFFFFFF0u, static_cast<uint32_t>(good.size())}) {
    SCOPED_TRACE(offset);
    Bytes file = good;
    Put32(file, 10, offset);
    const auto image = skin::DecodeBitmapFile(file, BitmapChecks::kTolerant, error);
    ASSERT_TRUE(image) << error;
    EXPECT_EQ(image->pixels, expected->pixels);
    const auto layout = skin::ReadBitmapLayout(file, BitmapChecks::kTolerant, error);
    EXPECT_EQ(layout->pixel_offset, offset);
    EXPECT_EQ(layout->rows_at, 14u + 40u + 12u);
  }
}

TEST(BitmapDecoder, LayoutReportsTheHeaders) {
  std::string error;
  const auto layout = skin::ReadBitmapLayout(BitmapFile({.width = 5,
                                                         .height = 3,
                                                         .top_down = true,
                                                         .bits = 16,
                                                         .compression = 3,
                                                         .masks = {0xF800, 0x07E0, 0x001F},
                                                         .colours_used = 9000}),
                                             BitmapChecks::kStrict, error);
  ASSERT_TRUE(layout) << error;
  EXPECT_EQ(layout->width, 5);
  EXPECT_EQ(layout->height, 3);
  EXPECT_TRUE(layout->top_down);
  EXPECT_EQ(layout->bits_per_pixel, 16);
  EXPECT_EQ(layout->compression, skin::kBitmapBitFields);
  EXPECT_EQ(layout->header_size, 40u);
  EXPECT_EQ(layout->palette_entries, 4096);  // a hint table: listed, never read
  EXPECT_EQ(layout->pixel_offset, 66u);
  EXPECT_EQ(layout->rows_at, 66u);
  EXPECT_EQ(layout->row_bytes, 12u);
  EXPECT_EQ(layout->masks[0], 0xF800u);
}

TEST(BitmapDecoder, TheLargestAllowedBitmapIsAccepted) {
  // 4096 × 4096 is exactly the pixel limit; 32768 × 512 has the longest allowed side.
  for (auto [width, height] : {std::pair{4096, 4096}, std::pair{32768, 512}}) {
    SCOPED_TRACE(width);
    const Bytes file = BitmapFile({.width = width, .height = height, .bits = 1, .palette = {0, 0xFFFFFF}});
    std::string error;
    const auto layout = skin::ReadBitmapLayout(file, BitmapChecks::kStrict, error);
    ASSERT_TRUE(layout) << error;
    EXPECT_EQ(int64_t{layout->width} * layout->height, width * int64_t{height});
  }
}

TEST(BitmapDecoder, RowsComeInStoredOrderAndAForeignLayoutDecodesNothing) {
  const Bytes file = BitmapFile({.width = 2, .height = 3, .bits = 24, .values = {1, 2, 3, 4, 5, 6}});
  std::string error;
  const auto layout = skin::ReadBitmapLayout(file, BitmapChecks::kStrict, error);
  ASSERT_TRUE(layout) << error;
  std::vector<int> rows;
  skin::DecodeBitmapRows(file, *layout, [&](int y, std::span<const uint32_t> pixels) {
    rows.push_back(y);
    EXPECT_EQ(pixels.size(), 2u);
    EXPECT_EQ(pixels[0], static_cast<uint32_t>(2 * y + 1));
  });
  EXPECT_EQ(rows, (std::vector<int>{2, 1, 0}));

  // The same layout over fewer bytes, or with sizes the bytes cannot hold, reads nothing.
  const Bytes shorter(file.begin(), file.end() - 1);
  skin::BitmapLayout wider = *layout;
  wider.width = 3;
  skin::BitmapLayout odd_depth = *layout;
  odd_depth.bits_per_pixel = 12;
  int calls = 0;
  auto count = [&](int, std::span<const uint32_t>) { ++calls; };
  skin::DecodeBitmapRows(shorter, *layout, count);
  skin::DecodeBitmapRows(file, wider, count);
  skin::DecodeBitmapRows(file, odd_depth, count);
  EXPECT_EQ(calls, 0);
}

}  // namespace
