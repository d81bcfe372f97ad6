// Writes Windows bitmap files field by field, for the decoder's tests and the fuzz seeds: any
// header size, depth, mask set, colour table and row order, including the ones a tidy writer
// never makes.
#pragma once

#include <cstdint>
#include <vector>

namespace skin::testing {

struct BitmapFileSpec {
  uint32_t header_size = 40;  // 12 writes the core header
  int width = 1;
  int height = 1;
  bool top_down = false;
  int bits = 24;
  uint32_t compression = 0;
  std::vector<uint32_t> masks;    // written right after a 40-byte header, else at its byte 40
  std::vector<uint32_t> palette;  // 0x00RRGGBB each
  uint32_t colours_used = 0;
  uint16_t planes = 1;
  // One value per pixel, rows from the top: a colour index up to 8 bits per pixel, else the
  // stored pixel (0xRRGGBB for 24 bits).
  std::vector<uint32_t> values;
};

inline void PutLittleEndian(std::vector<uint8_t>& out, uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

inline std::vector<uint8_t> BitmapFile(const BitmapFileSpec& recipe) {
  const bool core = recipe.header_size == 12;
  const uint32_t row_bytes = (static_cast<uint32_t>(recipe.width * recipe.bits) + 31) / 32 * 4;
  const uint32_t masks_after = recipe.header_size == 40 ? 4 * static_cast<uint32_t>(recipe.masks.size()) : 0;
  const uint32_t entry = core ? 3 : 4;
  const uint32_t offset = 14 + recipe.header_size + masks_after + entry * static_cast<uint32_t>(recipe.palette.size());

  std::vector<uint8_t> out = {'B', 'M'};
  PutLittleEndian(out, offset + row_bytes * static_cast<uint32_t>(recipe.height), 4);
  PutLittleEndian(out, 0, 4);
  PutLittleEndian(out, offset, 4);
  PutLittleEndian(out, recipe.header_size, 4);
  const int height = recipe.top_down ? -recipe.height : recipe.height;
  if (core) {
    PutLittleEndian(out, static_cast<uint32_t>(recipe.width), 2);
    PutLittleEndian(out, static_cast<uint32_t>(height), 2);
    PutLittleEndian(out, recipe.planes, 2);
    PutLittleEndian(out, static_cast<uint32_t>(recipe.bits), 2);
  } else {
    PutLittleEndian(out, static_cast<uint32_t>(recipe.width), 4);
    PutLittleEndian(out, static_cast<uint32_t>(height), 4);
    PutLittleEndian(out, recipe.planes, 2);
    PutLittleEndian(out, static_cast<uint32_t>(recipe.bits), 2);
    PutLittleEndian(out, recipe.compression, 4);
    PutLittleEndian(out, row_bytes * static_cast<uint32_t>(recipe.height), 4);
    PutLittleEndian(out, 2835, 4);
    PutLittleEndian(out, 2835, 4);
    PutLittleEndian(out, recipe.colours_used, 4);
    PutLittleEndian(out, 0, 4);
    // The masks follow a 40-byte header; larger headers carry them at their byte 40, then fields
    // that the decoder does not read.
    const size_t header_end = 14 + recipe.header_size;
    for (uint32_t mask : recipe.masks) PutLittleEndian(out, mask, 4);
    if (recipe.header_size != 40) out.resize(header_end, 0);
  }
  for (uint32_t colour : recipe.palette) PutLittleEndian(out, colour, static_cast<int>(entry));

  if (recipe.values.empty()) {  // every index or pixel 0
    out.resize(out.size() + static_cast<size_t>(row_bytes) * static_cast<size_t>(recipe.height), 0);
    return out;
  }
  for (int stored = 0; stored < recipe.height; ++stored) {
    const int y = recipe.top_down ? stored : recipe.height - 1 - stored;
    const size_t row_start = out.size();
    out.resize(row_start + row_bytes, 0);
    for (int x = 0; x < recipe.width; ++x) {
      const size_t at = static_cast<size_t>(y) * static_cast<size_t>(recipe.width) + static_cast<size_t>(x);
      const uint32_t value = at < recipe.values.size() ? recipe.values[at] : 0;
      if (recipe.bits <= 8) {
        const int bit = x * recipe.bits;
        out[row_start + static_cast<size_t>(bit / 8)] |= static_cast<uint8_t>(value << (8 - recipe.bits - bit % 8));
      } else {
        const size_t bytes = static_cast<size_t>(recipe.bits / 8);
        for (size_t i = 0; i < bytes; ++i)
          out[row_start + static_cast<size_t>(x) * bytes + i] = static_cast<uint8_t>(value >> (8 * i));
      }
    }
  }
  return out;
}

}  // namespace skin::testing
