#include "tools/skinimage/bmp_file.h"

#include <gtest/gtest.h>

#include <string>

namespace skinimage {
namespace {

Image Sample(int width, int height) {
  Image image(width, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) image.Set(x, y, MakeRgb(x * 7, y * 11, (x ^ y) * 5));
  return image;
}

void Put32(std::vector<uint8_t>& file, size_t at, uint32_t value) {
  for (int i = 0; i < 4; ++i) file[at + static_cast<size_t>(i)] = static_cast<uint8_t>(value >> (8 * i));
}

TEST(BmpFile, TrueColourRoundTripsInBothDepths) {
  for (int bits : {24, 32}) {
    for (auto [w, h] : {std::pair{1, 1}, {3, 2}, {5, 10}, {100, 23}, {45, 20}}) {
      const Image image = Sample(w, h);
      const std::vector<uint8_t> file = EncodeBmp(image, {bits, 0});
      EXPECT_EQ(file.size(), BmpFileSize(w, h, bits, 0));
      std::string error;
      const std::optional<Image> back = DecodeBmp(file, error);
      ASSERT_TRUE(back) << error;
      EXPECT_EQ(*back, image) << bits << " bits, " << w << " x " << h;
    }
  }
}

TEST(BmpFile, SizesFollowTheRowPaddingOfTheFormat) {
  EXPECT_EQ(BmpFileSize(100, 23, 24, 0), 6954u);
  EXPECT_EQ(BmpFileSize(90, 18, 24, 0), 4950u);    // 270-byte rows padded to 272
  EXPECT_EQ(BmpFileSize(45, 20, 24, 0), 2774u);    // 135 → 136
  EXPECT_EQ(BmpFileSize(10, 13, 24, 256), 1494u);  // with a 256-entry colour table
  EXPECT_EQ(BmpFileSize(20, 20, 32, 0), 1654u);
  EXPECT_EQ(BmpFileSize(64, 16, 1, 2), 190u);
}

TEST(BmpFile, HintPaletteListsTheImageColoursFirst) {
  Image image(5, 10, MakeRgb(1, 2, 3));
  image.Set(4, 0, MakeRgb(10, 20, 30));
  const std::vector<uint8_t> file = EncodeBmp(image, {24, 256});
  ASSERT_EQ(file.size(), 1238u);
  EXPECT_EQ(file[46], 0);  // biClrUsed = 256
  EXPECT_EQ(file[47], 1);
  EXPECT_EQ(file[10] | (file[11] << 8), 1078);  // pixels after the table
  EXPECT_EQ(file[54], 3);                       // first entry: blue, green, red of the first colour
  EXPECT_EQ(file[55], 2);
  EXPECT_EQ(file[56], 1);
  EXPECT_EQ(file[58], 30);
  std::string error;
  const std::optional<Image> back = DecodeBmp(file, error);
  ASSERT_TRUE(back) << error;
  EXPECT_EQ(*back, image);
}

TEST(BmpFile, MonochromeKeepsWhiteAndTurnsEverythingElseBlack) {
  Image image(64, 16, kWhite);
  image.Set(0, 0, kBlack);
  image.Set(63, 15, MakeRgb(200, 200, 200));
  const std::vector<uint8_t> file = EncodeBmp(image, {1, 0});
  ASSERT_EQ(file.size(), 190u);
  std::string error;
  const std::optional<BmpInfo> info = ReadBmpInfo(file, error);
  ASSERT_TRUE(info) << error;
  EXPECT_EQ(info->bits_per_pixel, 1);
  EXPECT_EQ(info->palette_entries, 2);
  const std::optional<Image> back = DecodeBmp(file, error);
  ASSERT_TRUE(back) << error;
  EXPECT_EQ(back->At(0, 0), kBlack);
  EXPECT_EQ(back->At(1, 0), kWhite);
  EXPECT_EQ(back->At(63, 15), kBlack);
}

TEST(BmpFile, TopDownAndBitfieldFilesDecode) {
  // A 2 × 2 top-down 16-bit file with 5-6-5 masks.
  std::vector<uint8_t> file(14 + 40 + 12 + 8, 0);
  file[0] = 'B';
  file[1] = 'M';
  Put32(file, 2, static_cast<uint32_t>(file.size()));
  Put32(file, 10, 66);
  Put32(file, 14, 40);
  Put32(file, 18, 2);
  Put32(file, 22, static_cast<uint32_t>(-2));
  file[26] = 1;
  file[28] = 16;
  Put32(file, 30, 3);
  Put32(file, 54, 0xF800);
  Put32(file, 58, 0x07E0);
  Put32(file, 62, 0x001F);
  file[66] = 0x00;  // (0, 0): pure red 0xF800
  file[67] = 0xF8;
  file[68] = 0x1F;  // (1, 0): pure blue
  file[70] = 0xE0;  // (0, 1): pure green 0x07E0
  file[71] = 0x07;
  std::string error;
  const std::optional<Image> image = DecodeBmp(file, error);
  ASSERT_TRUE(image) << error;
  EXPECT_EQ(image->At(0, 0), MakeRgb(255, 0, 0));
  EXPECT_EQ(image->At(1, 0), MakeRgb(0, 0, 255));
  EXPECT_EQ(image->At(0, 1), MakeRgb(0, 255, 0));
  EXPECT_EQ(image->At(1, 1), kBlack);
}

TEST(BmpFile, DamagedFilesAreRefusedWithAReason) {
  const std::vector<uint8_t> good = EncodeBmp(Sample(6, 4));
  struct Case {
    const char* what;
    size_t at;  // where to patch a 32-bit value; SIZE_MAX: cut the file to `value` bytes
    uint32_t value;
    const char* reason;
  };
  const Case cases[] = {
      {"cut inside the headers", SIZE_MAX, 20, "too short"},
      {"cut inside the pixels", SIZE_MAX, 80, "cut short"},
      {"no signature", 0, 0x4D41, "signature"},
      {"unknown header", 14, 64, "header size"},
      {"zero width", 18, 0, "size"},
      {"huge height", 22, 1000000, "size"},
      {"two planes", 26, 0x00180002, "plane"},
      {"12 bits per pixel", 26, 0x000C0001, "bits per pixel"},
      {"run-length coded", 30, 1, "run-length"},
      {"pixel offset inside the header", 10, 20, "overlaps"},
      {"pixel offset past the end", 10, 0x7FFFFFF0, "cut short"},
  };
  for (const Case& c : cases) {
    std::vector<uint8_t> file = good;
    if (c.at == SIZE_MAX)
      file.resize(c.value);
    else if (c.at == 0)
      file[0] = 'A';
    else
      Put32(file, c.at, c.value);
    std::string error;
    EXPECT_FALSE(DecodeBmp(file, error)) << c.what;
    EXPECT_NE(error.find(c.reason), std::string::npos) << c.what << ": " << error;
  }
}

TEST(BmpFile, PaletteLargerThanTheDepthAllowsIsRefused) {
  std::vector<uint8_t> file = EncodeBmp(Image(8, 1, kWhite), {1, 0});
  Put32(file, 46, 3);  // three colours for one bit per pixel
  std::string error;
  EXPECT_FALSE(ReadBmpInfo(file, error));
  EXPECT_NE(error.find("colour table"), std::string::npos) << error;
}

}  // namespace
}  // namespace skinimage
