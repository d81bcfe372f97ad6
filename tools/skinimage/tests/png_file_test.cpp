#include "tools/skinimage/png_file.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

namespace skinimage {
namespace {

// A small inflater for the blocks the encoder writes (stored and fixed-code blocks), so that the
// test checks real decoding rather than the encoder's own view of its output.
class Inflater {
 public:
  explicit Inflater(std::span<const uint8_t> data) : data_(data) {}

  std::vector<uint8_t> Run() {
    std::vector<uint8_t> out;
    bool last = false;
    while (!last) {
      last = Bits(1) != 0;
      const uint32_t type = Bits(2);
      if (type != 1) throw std::runtime_error("unexpected block type " + std::to_string(type));
      for (;;) {
        const int symbol = LiteralOrLength();
        if (symbol < 256) {
          out.push_back(static_cast<uint8_t>(symbol));
        } else if (symbol == 256) {
          break;
        } else {
          static const int kBase[] = {3,  4,  5,  6,  7,  8,  9,  10, 11,  13,  15,  17,  19,  23, 27,
                                      31, 35, 43, 51, 59, 67, 83, 99, 115, 131, 163, 195, 227, 258};
          static const int kExtra[] = {0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2,
                                       2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0};
          static const int kDist[] = {1,    2,    3,    4,    5,    7,    9,    13,    17,    25,
                                      33,   49,   65,   97,   129,  193,  257,  385,   513,   769,
                                      1025, 1537, 2049, 3073, 4097, 6145, 8193, 12289, 16385, 24577};
          static const int kDistExtra[] = {0, 0, 0, 0, 1, 1, 2, 2,  3,  3,  4,  4,  5,  5,  6,
                                           6, 7, 7, 8, 8, 9, 9, 10, 10, 11, 11, 12, 12, 13, 13};
          const int code = symbol - 257;
          const int length = kBase[code] + static_cast<int>(Bits(kExtra[code]));
          const int dcode = static_cast<int>(Reversed(5));
          const int distance = kDist[dcode] + static_cast<int>(Bits(kDistExtra[dcode]));
          if (distance > static_cast<int>(out.size())) throw std::runtime_error("distance too far");
          for (int i = 0; i < length; ++i) out.push_back(out[out.size() - static_cast<size_t>(distance)]);
        }
      }
    }
    return out;
  }

 private:
  uint32_t Bits(int count) {
    uint32_t value = 0;
    for (int i = 0; i < count; ++i) {
      if (at_ / 8 >= data_.size()) throw std::runtime_error("out of data");
      value |= static_cast<uint32_t>((data_[at_ / 8] >> (at_ % 8)) & 1) << i;
      ++at_;
    }
    return value;
  }
  uint32_t Reversed(int count) {
    uint32_t value = 0;
    for (int i = 0; i < count; ++i) value = (value << 1) | Bits(1);
    return value;
  }
  int LiteralOrLength() {
    uint32_t code = Reversed(7);
    if (code <= 0x17) return static_cast<int>(code) + 256;
    code = (code << 1) | Bits(1);
    if (code >= 0x30 && code <= 0xBF) return static_cast<int>(code - 0x30);
    if (code >= 0xC0 && code <= 0xC7) return static_cast<int>(code - 0xC0) + 280;
    code = (code << 1) | Bits(1);
    return static_cast<int>(code - 0x190) + 144;
  }

  std::span<const uint8_t> data_;
  size_t at_ = 0;
};

std::vector<uint8_t> Unzlib(std::span<const uint8_t> stream) {
  EXPECT_EQ((stream[0] * 256 + stream[1]) % 31, 0);
  std::vector<uint8_t> out = Inflater(stream.subspan(2, stream.size() - 6)).Run();
  uint32_t a = 1, b = 0;
  for (uint8_t byte : out) {
    a = (a + byte) % 65521u;
    b = (b + a) % 65521u;
  }
  const size_t n = stream.size();
  const uint32_t stored = (uint32_t{stream[n - 4]} << 24) | (uint32_t{stream[n - 3]} << 16) |
                          (uint32_t{stream[n - 2]} << 8) | stream[n - 1];
  EXPECT_EQ(stored, (b << 16) | a);
  return out;
}

TEST(PngFile, Crc32MatchesTheStandardCheckValue) {
  const std::string text = "123456789";
  EXPECT_EQ(Crc32({reinterpret_cast<const uint8_t*>(text.data()), text.size()}), 0xCBF43926u);
}

TEST(PngFile, DeflateRoundTripsLiteralsRunsAndLongMatches) {
  std::vector<std::vector<uint8_t>> inputs = {{}, {42}, std::vector<uint8_t>(100000, 7)};
  std::vector<uint8_t> mixed;
  uint32_t seed = 12345;
  for (int i = 0; i < 70000; ++i) {
    seed = seed * 1103515245u + 12345u;
    mixed.push_back(i % 1000 < 300 ? static_cast<uint8_t>(seed >> 24) : static_cast<uint8_t>(i % 17));
  }
  inputs.push_back(mixed);
  for (const auto& input : inputs) {
    const std::vector<uint8_t> packed = ZlibCompress(input);
    EXPECT_EQ(Unzlib(packed), input) << input.size() << " bytes";
  }
  EXPECT_LT(ZlibCompress(inputs[2]).size(), 1000u);
}

TEST(PngFile, ImageDataDecodesToFilteredRows) {
  Image image(3, 2, kWhite);
  image.Set(1, 1, MakeRgb(10, 20, 30));
  const std::vector<uint8_t> png = EncodePng(image);
  ASSERT_GT(png.size(), 8u + 25u + 12u);
  EXPECT_EQ(png[1], 'P');
  EXPECT_EQ(std::string(png.begin() + 12, png.begin() + 16), "IHDR");
  EXPECT_EQ(png[19], 3);  // width
  EXPECT_EQ(png[23], 2);  // height
  const uint32_t idat_length =
      (uint32_t{png[33]} << 24) | (uint32_t{png[34]} << 16) | (uint32_t{png[35]} << 8) | png[36];
  ASSERT_EQ(std::string(png.begin() + 37, png.begin() + 41), "IDAT");
  const std::vector<uint8_t> rows = Unzlib(std::span(png).subspan(41, idat_length));
  ASSERT_EQ(rows.size(), 2u * (1 + 9));
  // Undo the filters and compare the pixels.
  std::vector<uint8_t> previous(9, 0), current(9);
  for (int y = 0; y < 2; ++y) {
    const uint8_t filter = rows[static_cast<size_t>(y) * 10];
    for (size_t i = 0; i < 9; ++i) {
      const int left = i >= 3 ? current[i - 3] : 0, up = previous[i], up_left = i >= 3 ? previous[i - 3] : 0;
      int p = 0;
      if (filter == 1) p = left;
      if (filter == 2) p = up;
      if (filter == 3) p = (left + up) / 2;
      if (filter == 4) {
        const int e = left + up - up_left, da = std::abs(e - left), db = std::abs(e - up), dc = std::abs(e - up_left);
        p = da <= db && da <= dc ? left : (db <= dc ? up : up_left);
      }
      current[i] = static_cast<uint8_t>(rows[static_cast<size_t>(y) * 10 + 1 + i] + p);
    }
    for (int x = 0; x < 3; ++x) {
      const size_t at = 3 * static_cast<size_t>(x);
      EXPECT_EQ(MakeRgb(current[at], current[at + 1], current[at + 2]), image.At(x, y)) << x << "," << y;
    }
    previous = current;
  }
}

}  // namespace
}  // namespace skinimage
