// Windows bitmap files, as a skin archive holds them, into plain pixels. The program puts the
// pixels into its own bitmaps (skin/core/bitmap_file.h), the skin tools into their images; both
// refuse the same damaged files for the same reasons.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "skin/resources/function_ref.h"

namespace skin {

// Larger files are refused before anything is allocated for their pixels.
inline constexpr int kMaxBitmapSide = 32768;
inline constexpr int64_t kMaxBitmapPixels = int64_t{1} << 24;

// How closely a file must follow the format. Every file the strict checks accept is accepted by
// the tolerant ones with the same pixels.
enum class BitmapChecks {
  // What the program loads: an info header of any size from 40 bytes on, the plane count unread,
  // a colour table count above what the depth allows cut to it, and a pixel data offset that
  // does not lead to the rows replaced by the position right after the colour table.
  kTolerant,
  // What the skin tools accept as a well-formed file: in addition a known header size (12, 40, 52,
  // 56, 108 or 124 bytes), one plane, a colour table within the depth, and the rows where the
  // pixel data offset says.
  kStrict,
};

inline constexpr uint32_t kBitmapPlain = 0;      // BI_RGB
inline constexpr uint32_t kBitmapBitFields = 3;  // BI_BITFIELDS

// What the headers of a checked file say, and where its colour table and rows lie.
struct BitmapLayout {
  int width = 0;
  int height = 0;  // always positive; `top_down` tells the row order
  bool top_down = false;
  int bits_per_pixel = 0;  // 1, 4, 8, 16, 24 or 32
  uint32_t compression = kBitmapPlain;
  uint32_t header_size = 0;
  // Colour table entries: those the pixels index (up to 8 bits per pixel), else the number the
  // header lists as a hint for palette displays (at most 4096), which nothing reads.
  int palette_entries = 0;
  uint32_t pixel_offset = 0;  // as the file declares it
  // Red, green and blue masks of 16- and 32-bit pixels (the format's defaults for plain files).
  uint32_t masks[3] = {};
  size_t palette_at = 0;
  size_t palette_entry_size = 4;  // 3 in files with the 12-byte core header
  size_t rows_at = 0;             // the first stored row: the bottom one unless `top_down`
  size_t row_bytes = 0;           // padding to four bytes included
};

// A decoded image: width × height pixels, rows from the top, each 0xAARRGGBB. The top byte is the
// fourth byte a 32-bit file stores with its pixels in the standard byte order (blue, green, red)
// and 0 otherwise. Channels narrower than 8 bits are widened by repeating their bits (5-bit 28
// becomes 231), wider ones keep their top 8 bits; a colour index past the table gives black.
struct DecodedBitmap {
  int width = 0;
  int height = 0;
  bool source_32_bit = false;
  std::vector<uint32_t> pixels;
};

// Checks the headers, the colour table and that the rows lie inside the file; on failure returns
// nothing and sets `error` to a one-line reason.
std::optional<BitmapLayout> ReadBitmapLayout(std::span<const uint8_t> file, BitmapChecks checks, std::string& error);

// Calls `row` once per row, in the order the file stores them, with y counted from the top and
// the row's width pixels in the layout of DecodedBitmap. `layout` must come from ReadBitmapLayout
// of the same bytes; a layout that does not fit them decodes nothing.
void DecodeBitmapRows(std::span<const uint8_t> file, const BitmapLayout& layout,
                      FunctionRef<void(int y, std::span<const uint32_t> pixels)> row);

// ReadBitmapLayout and DecodeBitmapRows into one image.
std::optional<DecodedBitmap> DecodeBitmapFile(std::span<const uint8_t> file, BitmapChecks checks, std::string& error);

}  // namespace skin
