#include "tools/skinimage/bmp_file.h"

#include <algorithm>
#include <utility>

#include "skin/resources/bitmap_decoder.h"

namespace skinimage {
namespace {

constexpr uint32_t kFileHeaderSize = 14;
constexpr uint32_t kInfoHeaderSize = 40;
constexpr int32_t kPixelsPerMetre = 2835;  // 72 dots per inch

uint32_t RowStride(int width, int bits_per_pixel) {
  return ((static_cast<uint32_t>(width) * static_cast<uint32_t>(bits_per_pixel) + 31u) / 32u) * 4u;
}

void Put16(std::vector<uint8_t>& out, uint32_t value) {
  out.push_back(static_cast<uint8_t>(value));
  out.push_back(static_cast<uint8_t>(value >> 8));
}
void Put32(std::vector<uint8_t>& out, uint32_t value) {
  Put16(out, value & 0xFFFF);
  Put16(out, value >> 16);
}

// The image's colours in row order (top row first), at most `limit`.
std::vector<Rgb> ColoursOf(const Image& image, size_t limit) {
  std::vector<Rgb> colours;
  for (Rgb pixel : image.Pixels()) {
    if (colours.size() >= limit) break;
    if (std::find(colours.begin(), colours.end(), pixel) == colours.end()) colours.push_back(pixel);
  }
  return colours;
}

}  // namespace

uint32_t BmpFileSize(int width, int height, int bits_per_pixel, int palette_entries) {
  return kFileHeaderSize + kInfoHeaderSize + 4u * static_cast<uint32_t>(palette_entries) +
         RowStride(width, bits_per_pixel) * static_cast<uint32_t>(height);
}

std::vector<uint8_t> EncodeBmp(const Image& image, const BmpWriteOptions& options) {
  const int bits = options.bits_per_pixel;
  const int width = image.Width(), height = image.Height();
  std::vector<Rgb> palette;
  if (bits == 1) {
    palette = {kBlack, kWhite};
  } else if (bits == 24 && options.hint_palette_entries > 0) {
    palette = ColoursOf(image, static_cast<size_t>(options.hint_palette_entries));
    palette.resize(static_cast<size_t>(options.hint_palette_entries), kBlack);
  }
  const uint32_t palette_bytes = 4u * static_cast<uint32_t>(palette.size());
  const uint32_t stride = RowStride(width, bits);
  const uint32_t offset = kFileHeaderSize + kInfoHeaderSize + palette_bytes;
  const uint32_t file_size = offset + stride * static_cast<uint32_t>(height);

  std::vector<uint8_t> out;
  out.reserve(file_size);
  out.push_back('B');
  out.push_back('M');
  Put32(out, file_size);
  Put32(out, 0);  // reserved
  Put32(out, offset);
  Put32(out, kInfoHeaderSize);
  Put32(out, static_cast<uint32_t>(width));
  Put32(out, static_cast<uint32_t>(height));  // positive: rows bottom-up
  Put16(out, 1);                              // planes
  Put16(out, static_cast<uint32_t>(bits));
  Put32(out, skin::kBitmapPlain);
  Put32(out, stride * static_cast<uint32_t>(height));
  Put32(out, kPixelsPerMetre);
  Put32(out, kPixelsPerMetre);
  Put32(out, static_cast<uint32_t>(palette.size()));  // colours used
  Put32(out, 0);                                      // all colours important
  for (Rgb colour : palette) {
    out.push_back(static_cast<uint8_t>(BlueOf(colour)));
    out.push_back(static_cast<uint8_t>(GreenOf(colour)));
    out.push_back(static_cast<uint8_t>(RedOf(colour)));
    out.push_back(0);
  }
  for (int y = height - 1; y >= 0; --y) {
    const size_t row_start = out.size();
    if (bits == 1) {
      for (int x = 0; x < width; x += 8) {
        uint8_t byte = 0;
        for (int bit = 0; bit < 8 && x + bit < width; ++bit)
          if (image.At(x + bit, y) == kWhite) byte |= static_cast<uint8_t>(0x80 >> bit);
        out.push_back(byte);
      }
    } else {
      for (int x = 0; x < width; ++x) {
        const Rgb pixel = image.At(x, y);
        out.push_back(static_cast<uint8_t>(BlueOf(pixel)));
        out.push_back(static_cast<uint8_t>(GreenOf(pixel)));
        out.push_back(static_cast<uint8_t>(RedOf(pixel)));
        if (bits == 32) out.push_back(0xFF);
      }
    }
    while (out.size() - row_start < stride) out.push_back(0);
  }
  return out;
}

std::optional<BmpInfo> ReadBmpInfo(std::span<const uint8_t> file, std::string& error) {
  const std::optional<skin::BitmapLayout> layout = skin::ReadBitmapLayout(file, skin::BitmapChecks::kStrict, error);
  if (!layout) return std::nullopt;
  BmpInfo info;
  info.width = layout->width;
  info.height = layout->height;
  info.top_down = layout->top_down;
  info.bits_per_pixel = layout->bits_per_pixel;
  info.compression = layout->compression;
  info.header_size = layout->header_size;
  info.palette_entries = layout->palette_entries;
  info.pixel_offset = layout->pixel_offset;
  return info;
}

std::optional<Image> DecodeBmp(std::span<const uint8_t> file, std::string& error) {
  std::optional<skin::DecodedBitmap> decoded = skin::DecodeBitmapFile(file, skin::BitmapChecks::kStrict, error);
  if (!decoded) return std::nullopt;
  for (uint32_t& pixel : decoded->pixels) pixel &= 0xFFFFFF;  // no alpha in these images
  return Image(decoded->width, decoded->height, std::move(decoded->pixels));
}

}  // namespace skinimage
