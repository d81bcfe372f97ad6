#include "skin/resources/bitmap_decoder.h"

#include <algorithm>
#include <array>
#include <bit>

namespace skin {
namespace {

constexpr size_t kFileHeaderSize = 14;
constexpr uint32_t kCoreHeaderSize = 12;
constexpr uint32_t kInfoHeaderSize = 40;
constexpr uint32_t kRunLength8 = 1;
constexpr uint32_t kRunLength4 = 2;
constexpr size_t kMaskBytes = 12;
constexpr uint32_t kLargestHintTable = 4096;
constexpr uint32_t kStandardMasks32[3] = {0xFF0000, 0x00FF00, 0x0000FF};

uint32_t Little16(const uint8_t* bytes) { return uint32_t{bytes[0]} | (uint32_t{bytes[1]} << 8); }
uint32_t Little32(const uint8_t* bytes) { return Little16(bytes) | (Little16(bytes + 2) << 16); }
uint32_t Get16(std::span<const uint8_t> data, size_t at) { return Little16(data.data() + at); }
uint32_t Get32(std::span<const uint8_t> data, size_t at) { return Little32(data.data() + at); }

bool SupportedDepth(int bits) { return bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32; }

bool KnownHeaderSize(uint32_t size) {
  for (uint32_t known : {kCoreHeaderSize, kInfoHeaderSize, 52u, 56u, 108u, 124u})
    if (size == known) return true;
  return false;
}

std::optional<BitmapLayout> Refuse(std::string& error, std::string reason) {
  error = std::move(reason);
  return std::nullopt;
}

// One colour channel of 16- and 32-bit pixels: the run of set bits from the lowest set bit of
// its mask (a mask with gaps counts up to its first gap), widened or cut to 8 bits.
class Channel {
 public:
  explicit Channel(uint32_t mask) {
    if (mask == 0) return;
    shift_ = std::countr_zero(mask);
    bits_ = std::countr_one(mask >> shift_);
    // Narrow channels repeat their bits: 5-bit v becomes v << 3 | v >> 2.
    if (bits_ < 8) {
      for (uint32_t value = 0; value < (1u << bits_); ++value) {
        uint32_t wide = 0;
        for (int at = 8 - bits_; at > -bits_; at -= bits_) wide |= at >= 0 ? value << at : value >> -at;
        widened_[value] = static_cast<uint8_t>(wide);
      }
    }
  }

  [[nodiscard]] uint32_t Of(uint32_t pixel) const {
    if (bits_ == 0) return 0;
    const uint32_t value = static_cast<uint32_t>((uint64_t{pixel} >> shift_) & ((uint64_t{1} << bits_) - 1));
    return bits_ < 8 ? widened_[value] : value >> (bits_ - 8);
  }

 private:
  int shift_ = 0;
  int bits_ = 0;
  std::array<uint8_t, 128> widened_{};
};

}  // namespace

std::optional<BitmapLayout> ReadBitmapLayout(std::span<const uint8_t> file, BitmapChecks checks, std::string& error) {
  const bool strict = checks == BitmapChecks::kStrict;
  if (file.size() < kFileHeaderSize + kCoreHeaderSize)
    return Refuse(error, "too short for a bitmap file (" + std::to_string(file.size()) + " bytes)");
  if (file[0] != 'B' || file[1] != 'M') return Refuse(error, "not a bitmap file (no \"BM\" signature)");

  BitmapLayout layout;
  layout.pixel_offset = Get32(file, 10);
  layout.header_size = Get32(file, kFileHeaderSize);
  const uint32_t header = layout.header_size;
  const bool core = header == kCoreHeaderSize;
  if (strict ? !KnownHeaderSize(header) : !core && header < kInfoHeaderSize)
    return Refuse(error, "unknown bitmap header size " + std::to_string(header));
  if (file.size() - kFileHeaderSize < header) return Refuse(error, "bitmap header cut short");

  int64_t width = 0, height = 0;
  uint32_t planes = 0, colours_used = 0;
  if (core) {
    width = Get16(file, 18);
    height = Get16(file, 20);
    planes = Get16(file, 22);
    layout.bits_per_pixel = static_cast<int>(Get16(file, 24));
    layout.palette_entry_size = 3;
  } else {
    width = static_cast<int32_t>(Get32(file, 18));
    height = static_cast<int32_t>(Get32(file, 22));
    planes = Get16(file, 26);
    layout.bits_per_pixel = static_cast<int>(Get16(file, 28));
    layout.compression = Get32(file, 30);
    colours_used = Get32(file, 46);
  }
  layout.top_down = height < 0;
  if (height < 0) height = -height;
  if (width <= 0 || height <= 0 || width > kMaxBitmapSide || height > kMaxBitmapSide)
    return Refuse(error, "bad bitmap size " + std::to_string(width) + " x " + std::to_string(height));
  if (width * height > kMaxBitmapPixels)
    return Refuse(error, "bitmap of " + std::to_string(width) + " x " + std::to_string(height) +
                             " pixels is larger than " + std::to_string(kMaxBitmapPixels));
  layout.width = static_cast<int>(width);
  layout.height = static_cast<int>(height);
  if (strict && planes != 1) return Refuse(error, "bad plane count " + std::to_string(planes));
  const int bits = layout.bits_per_pixel;
  if (!SupportedDepth(bits)) return Refuse(error, "unsupported " + std::to_string(bits) + " bits per pixel");
  if (layout.compression == kRunLength8 || layout.compression == kRunLength4)
    return Refuse(error, "run-length compressed bitmaps are not supported");
  const bool bit_fields = layout.compression == kBitmapBitFields;
  if (layout.compression != kBitmapPlain && !(bit_fields && (bits == 16 || bits == 32)))
    return Refuse(error, "unsupported compression " + std::to_string(layout.compression) + " for " +
                             std::to_string(bits) + " bits per pixel");

  // The three masks follow a 40-byte header; the larger headers hold them at the same place.
  uint64_t table_at = kFileHeaderSize + uint64_t{header};
  if (bit_fields) {
    const size_t masks_at = kFileHeaderSize + kInfoHeaderSize;
    if (file.size() - masks_at < kMaskBytes) return Refuse(error, "bit-field masks cut short");
    for (size_t i = 0; i < 3; ++i) layout.masks[i] = Get32(file, masks_at + 4 * i);
    if (header == kInfoHeaderSize) table_at += kMaskBytes;
  } else if (bits == 16) {
    layout.masks[0] = 0x7C00;
    layout.masks[1] = 0x03E0;
    layout.masks[2] = 0x001F;
  } else if (bits == 32) {
    std::copy(std::begin(kStandardMasks32), std::end(kStandardMasks32), layout.masks);
  }

  uint64_t table_end = table_at;
  if (bits <= 8) {
    const uint32_t largest = 1u << bits;
    if (colours_used > largest && strict)
      return Refuse(error, "colour table of " + std::to_string(colours_used) + " entries for " + std::to_string(bits) +
                               " bits per pixel");
    layout.palette_entries = static_cast<int>(colours_used == 0 || colours_used > largest ? largest : colours_used);
    table_end += layout.palette_entry_size * static_cast<uint64_t>(layout.palette_entries);
    if (table_end > file.size()) return Refuse(error, "colour table runs past the end of the file");
  } else {
    layout.palette_entries = static_cast<int>(std::min(colours_used, kLargestHintTable));
  }
  layout.palette_at = static_cast<size_t>(table_at);

  const uint64_t row_bytes = (static_cast<uint64_t>(width) * static_cast<uint64_t>(bits) + 31) / 32 * 4;
  const uint64_t pixel_bytes = row_bytes * static_cast<uint64_t>(height);
  const uint64_t declared = layout.pixel_offset;
  uint64_t rows_at = declared;
  if (strict) {
    if (declared < table_end)
      return Refuse(error, "pixel data offset " + std::to_string(declared) + " overlaps the headers");
  } else if (declared < table_end || declared + pixel_bytes > file.size()) {
    // Some writers leave the offset 0 or wrong: the rows then follow the colour table.
    rows_at = table_end;
  }
  if (rows_at + pixel_bytes > file.size())
    return Refuse(error, "pixel data cut short: needs " + std::to_string(rows_at + pixel_bytes) + " bytes, file has " +
                             std::to_string(file.size()));
  layout.rows_at = static_cast<size_t>(rows_at);
  layout.row_bytes = static_cast<size_t>(row_bytes);
  return layout;
}

void DecodeBitmapRows(std::span<const uint8_t> file, const BitmapLayout& layout,
                      FunctionRef<void(int y, std::span<const uint32_t> pixels)> row) {
  const int width = layout.width, height = layout.height, bits = layout.bits_per_pixel;
  if (width <= 0 || height <= 0 || width > kMaxBitmapSide || height > kMaxBitmapSide) return;
  if (!SupportedDepth(bits)) return;
  if (layout.row_bytes < (static_cast<uint64_t>(width) * static_cast<uint64_t>(bits) + 7) / 8 ||
      layout.rows_at > file.size() || (file.size() - layout.rows_at) / layout.row_bytes < static_cast<uint64_t>(height))
    return;

  std::vector<uint32_t> palette;
  if (bits <= 8) {
    const size_t entry = layout.palette_entry_size;
    const size_t entries = static_cast<size_t>(std::max(layout.palette_entries, 0));
    if (entry < 3 || layout.palette_at > file.size() || (file.size() - layout.palette_at) / entry < entries) return;
    for (size_t i = 0; i < entries; ++i) {
      const size_t at = layout.palette_at + entry * i;
      palette.push_back((uint32_t{file[at + 2]} << 16) | (uint32_t{file[at + 1]} << 8) | file[at]);
    }
  }
  const Channel red(layout.masks[0]), green(layout.masks[1]), blue(layout.masks[2]);
  // 32-bit pixels in the standard byte order keep their fourth byte.
  const bool fourth_byte =
      bits == 32 && std::equal(std::begin(layout.masks), std::end(layout.masks), std::begin(kStandardMasks32));

  std::vector<uint32_t> pixels(static_cast<size_t>(width));
  for (int stored = 0; stored < height; ++stored) {
    const uint8_t* from = file.data() + layout.rows_at + layout.row_bytes * static_cast<size_t>(stored);
    if (bits <= 8) {
      const uint32_t index_mask = (1u << bits) - 1u;
      for (int x = 0; x < width; ++x) {
        const size_t bit = static_cast<size_t>(x) * static_cast<size_t>(bits);
        const uint32_t index = (from[bit / 8] >> (8 - bits - static_cast<int>(bit % 8))) & index_mask;
        pixels[static_cast<size_t>(x)] = index < palette.size() ? palette[index] : 0;
      }
    } else if (bits == 24) {
      for (int x = 0; x < width; ++x, from += 3)
        pixels[static_cast<size_t>(x)] = (uint32_t{from[2]} << 16) | (uint32_t{from[1]} << 8) | from[0];
    } else if (fourth_byte) {
      for (int x = 0; x < width; ++x, from += 4)
        pixels[static_cast<size_t>(x)] =
            (uint32_t{from[3]} << 24) | (uint32_t{from[2]} << 16) | (uint32_t{from[1]} << 8) | from[0];
    } else {
      const size_t step = static_cast<size_t>(bits / 8);
      for (int x = 0; x < width; ++x, from += step) {
        const uint32_t pixel = bits == 16 ? Little16(from) : Little32(from);
        pixels[static_cast<size_t>(x)] = (red.Of(pixel) << 16) | (green.Of(pixel) << 8) | blue.Of(pixel);
      }
    }
    row(layout.top_down ? stored : height - 1 - stored, pixels);
  }
}

std::optional<DecodedBitmap> DecodeBitmapFile(std::span<const uint8_t> file, BitmapChecks checks, std::string& error) {
  const std::optional<BitmapLayout> layout = ReadBitmapLayout(file, checks, error);
  if (!layout) return std::nullopt;
  DecodedBitmap image;
  image.width = layout->width;
  image.height = layout->height;
  image.source_32_bit = layout->bits_per_pixel == 32;
  image.pixels.resize(static_cast<size_t>(layout->width) * static_cast<size_t>(layout->height));
  DecodeBitmapRows(file, *layout, [&](int y, std::span<const uint32_t> pixels) {
    std::copy(pixels.begin(), pixels.end(), image.pixels.begin() + static_cast<ptrdiff_t>(y) * image.width);
  });
  return image;
}

}  // namespace skin
