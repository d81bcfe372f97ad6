// Windows bitmap files: writing the uncompressed forms a skin carries (24 and 32 bits per pixel,
// and the monochrome strips of the program's own resources) and reading any uncompressed bitmap
// back through the program's own decoder (skin/resources/bitmap_decoder.h) with its strict checks,
// which explain what is wrong with a damaged file.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "tools/skinimage/image.h"

namespace skinimage {

struct BmpWriteOptions {
  int bits_per_pixel = 24;  // 1, 24 or 32
  // A 24-bit file may carry a colour table as a hint for palette displays; this many entries are
  // written (the image's own colours first, then black), 0 for none.
  int hint_palette_entries = 0;
};

// 1 bit per pixel stores white as 1 and every other colour as 0 (black), with a two-entry table
// black, white. 32 bits per pixel stores an opaque alpha byte.
std::vector<uint8_t> EncodeBmp(const Image& image, const BmpWriteOptions& options = {});

// Layout of the file size of an uncompressed bitmap of that shape.
uint32_t BmpFileSize(int width, int height, int bits_per_pixel, int palette_entries);

struct BmpInfo {
  int width = 0;
  int height = 0;  // always positive; `top_down` tells the row order
  bool top_down = false;
  int bits_per_pixel = 0;
  uint32_t compression = 0;
  uint32_t header_size = 0;
  int palette_entries = 0;
  uint32_t pixel_offset = 0;
};

// Checks the headers, the colour table and that the pixel rows lie inside the file. On failure
// returns nothing and sets `error` to a one-line reason. Every file accepted here the program
// loads with the same pixels.
std::optional<BmpInfo> ReadBmpInfo(std::span<const uint8_t> file, std::string& error);

// Decodes an uncompressed bitmap (1, 4, 8, 16, 24 or 32 bits per pixel, plain or bit-field masks);
// the fourth byte of 32-bit pixels is dropped.
std::optional<Image> DecodeBmp(std::span<const uint8_t> file, std::string& error);

}  // namespace skinimage
