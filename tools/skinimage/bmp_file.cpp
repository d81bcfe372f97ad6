#include "tools/skinimage/bmp_file.h"

#include <algorithm>
#include <array>
#include <bit>

namespace skinimage {
namespace {

constexpr uint32_t kFileHeaderSize = 14;
constexpr uint32_t kInfoHeaderSize = 40;
constexpr uint32_t kBiRgb = 0;
constexpr uint32_t kBiRle8 = 1;
constexpr uint32_t kBiRle4 = 2;
constexpr uint32_t kBiBitfields = 3;
constexpr int32_t kPixelsPerMetre = 2835;  // 72 dots per inch
constexpr int kLargestSide = 32768;

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

uint32_t Get16(std::span<const uint8_t> data, size_t at) {
  return static_cast<uint32_t>(data[at]) | (static_cast<uint32_t>(data[at + 1]) << 8);
}
uint32_t Get32(std::span<const uint8_t> data, size_t at) {
  return Get16(data, at) | (Get16(data, at + 2) << 16);
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

// Value of the channel selected by `mask`, scaled to 0..255.
int MaskedChannel(uint32_t pixel, uint32_t mask) {
  if (mask == 0) return 0;
  const int shift = std::countr_zero(mask);
  const uint32_t top = mask >> shift;
  const uint32_t value = (pixel & mask) >> shift;
  return static_cast<int>((value * 255u + top / 2u) / top);
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
  Put32(out, kBiRgb);
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
  if (file.size() < kFileHeaderSize + 12) {
    error = "too short for a bitmap file (" + std::to_string(file.size()) + " bytes)";
    return std::nullopt;
  }
  if (file[0] != 'B' || file[1] != 'M') {
    error = "not a bitmap file (no \"BM\" signature)";
    return std::nullopt;
  }
  BmpInfo info;
  info.pixel_offset = Get32(file, 10);
  info.header_size = Get32(file, 14);
  const uint32_t header = info.header_size;
  const bool core = header == 12;
  if (!core && header != 40 && header != 52 && header != 56 && header != 108 && header != 124) {
    error = "unknown bitmap header size " + std::to_string(header);
    return std::nullopt;
  }
  if (file.size() < kFileHeaderSize + header) {
    error = "bitmap header cut short";
    return std::nullopt;
  }
  int64_t width = 0, height = 0;
  uint32_t planes = 0;
  uint32_t colours_used = 0;
  if (core) {
    width = Get16(file, 18);
    height = Get16(file, 20);
    planes = Get16(file, 22);
    info.bits_per_pixel = static_cast<int>(Get16(file, 24));
  } else {
    width = static_cast<int32_t>(Get32(file, 18));
    height = static_cast<int32_t>(Get32(file, 22));
    planes = Get16(file, 26);
    info.bits_per_pixel = static_cast<int>(Get16(file, 28));
    info.compression = Get32(file, 30);
    colours_used = Get32(file, 46);
  }
  info.top_down = height < 0;
  if (height < 0) height = -height;
  if (width <= 0 || height <= 0 || width > kLargestSide || height > kLargestSide) {
    error = "bad bitmap size " + std::to_string(width) + " x " + std::to_string(height);
    return std::nullopt;
  }
  info.width = static_cast<int>(width);
  info.height = static_cast<int>(height);
  if (planes != 1) {
    error = "bad plane count " + std::to_string(planes);
    return std::nullopt;
  }
  const int bits = info.bits_per_pixel;
  if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32) {
    error = "unsupported " + std::to_string(bits) + " bits per pixel";
    return std::nullopt;
  }
  if (info.compression == kBiRle8 || info.compression == kBiRle4) {
    error = "run-length compressed bitmaps are not supported";
    return std::nullopt;
  }
  if (info.compression != kBiRgb &&
      !(info.compression == kBiBitfields && (bits == 16 || bits == 32))) {
    error = "unsupported compression " + std::to_string(info.compression) + " for " +
            std::to_string(bits) + " bits per pixel";
    return std::nullopt;
  }
  const uint32_t entry_size = core ? 3 : 4;
  uint64_t table_start = kFileHeaderSize + header;
  if (info.compression == kBiBitfields && header == 40) table_start += 12;  // the three masks
  if (bits <= 8) {
    const uint32_t largest = 1u << bits;
    info.palette_entries = static_cast<int>(colours_used == 0 ? largest : colours_used);
    if (colours_used > largest) {
      error = "colour table of " + std::to_string(colours_used) + " entries for " +
              std::to_string(bits) + " bits per pixel";
      return std::nullopt;
    }
  } else {
    info.palette_entries = static_cast<int>(std::min<uint32_t>(colours_used, 4096));
  }
  const uint64_t table_end = table_start + uint64_t{entry_size} * static_cast<uint32_t>(info.palette_entries);
  if (bits <= 8 && table_end > file.size()) {
    error = "colour table runs past the end of the file";
    return std::nullopt;
  }
  if (info.pixel_offset < table_start || (bits <= 8 && info.pixel_offset < table_end)) {
    error = "pixel data offset " + std::to_string(info.pixel_offset) + " overlaps the headers";
    return std::nullopt;
  }
  const uint64_t pixels_end =
      uint64_t{info.pixel_offset} + uint64_t{RowStride(info.width, bits)} * static_cast<uint64_t>(info.height);
  if (pixels_end > file.size()) {
    error = "pixel data cut short: needs " + std::to_string(pixels_end) + " bytes, file has " +
            std::to_string(file.size());
    return std::nullopt;
  }
  return info;
}

std::optional<Image> DecodeBmp(std::span<const uint8_t> file, std::string& error) {
  const std::optional<BmpInfo> info = ReadBmpInfo(file, error);
  if (!info) return std::nullopt;
  const int bits = info->bits_per_pixel;
  const bool core = info->header_size == 12;
  const size_t table_start = kFileHeaderSize + info->header_size;

  std::vector<Rgb> palette;
  if (bits <= 8) {
    const size_t entry = core ? 3 : 4;
    for (int i = 0; i < info->palette_entries; ++i) {
      const size_t at = table_start + entry * static_cast<size_t>(i);
      palette.push_back(MakeRgb(file[at + 2], file[at + 1], file[at]));
    }
  }
  std::array<uint32_t, 3> masks = {0x7C00, 0x03E0, 0x001F};  // red, green, blue
  if (bits == 32) masks = {0xFF0000, 0x00FF00, 0x0000FF};
  if (info->compression == kBiBitfields)
    masks = {Get32(file, table_start), Get32(file, table_start + 4), Get32(file, table_start + 8)};

  const uint32_t stride = RowStride(info->width, bits);
  Image image(info->width, info->height);
  for (int row = 0; row < info->height; ++row) {
    const int y = info->top_down ? row : info->height - 1 - row;
    const size_t start = info->pixel_offset + static_cast<size_t>(stride) * static_cast<size_t>(row);
    for (int x = 0; x < info->width; ++x) {
      Rgb colour = kBlack;
      if (bits <= 8) {
        const size_t bit_index = static_cast<size_t>(x) * static_cast<size_t>(bits);
        const uint8_t byte = file[start + bit_index / 8];
        const int shift = 8 - bits - static_cast<int>(bit_index % 8);
        const size_t index = (byte >> shift) & ((1u << bits) - 1u);
        colour = index < palette.size() ? palette[index] : kBlack;
      } else if (bits == 24) {
        const size_t at = start + 3 * static_cast<size_t>(x);
        colour = MakeRgb(file[at + 2], file[at + 1], file[at]);
      } else {
        const size_t at = start + static_cast<size_t>(bits / 8) * static_cast<size_t>(x);
        const uint32_t pixel = bits == 16 ? Get16(file, at) : Get32(file, at);
        colour = MakeRgb(MaskedChannel(pixel, masks[0]), MaskedChannel(pixel, masks[1]),
                         MaskedChannel(pixel, masks[2]));
      }
      image.Set(x, y, colour);
    }
  }
  return image;
}

}  // namespace skinimage
