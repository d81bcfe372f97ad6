// Fuzz target: bitmap files through the decoder with both checks. Traps when a refusal has no
// one-line reason, when the layout points outside the file, when the image has the wrong number of
// pixels, or when a file the strict checks accept loads differently with the tolerant ones.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "skin/resources/bitmap_decoder.h"

namespace {

void CheckLayout(std::span<const uint8_t> file, const skin::BitmapLayout& layout) {
  if (layout.width < 1 || layout.height < 1 || layout.width > skin::kMaxBitmapSide ||
      layout.height > skin::kMaxBitmapSide || int64_t{layout.width} * layout.height > skin::kMaxBitmapPixels)
    __builtin_trap();
  if (layout.rows_at > file.size() ||
      (file.size() - layout.rows_at) / layout.row_bytes < static_cast<size_t>(layout.height))
    __builtin_trap();
}

std::optional<skin::DecodedBitmap> Decode(std::span<const uint8_t> file, skin::BitmapChecks checks) {
  std::string error;
  std::optional<skin::DecodedBitmap> image = skin::DecodeBitmapFile(file, checks, error);
  if (!image) {
    if (error.empty() || error.find('\n') != std::string::npos) __builtin_trap();
    return image;
  }
  const std::optional<skin::BitmapLayout> layout = skin::ReadBitmapLayout(file, checks, error);
  if (!layout) __builtin_trap();
  CheckLayout(file, *layout);
  if (image->pixels.size() != static_cast<size_t>(image->width) * static_cast<size_t>(image->height) ||
      image->width != layout->width || image->height != layout->height ||
      image->source_32_bit != (layout->bits_per_pixel == 32))
    __builtin_trap();
  return image;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::span<const uint8_t> file(data, size);
  const std::optional<skin::DecodedBitmap> tolerant = Decode(file, skin::BitmapChecks::kTolerant);
  const std::optional<skin::DecodedBitmap> strict = Decode(file, skin::BitmapChecks::kStrict);
  if (strict && (!tolerant || tolerant->pixels != strict->pixels)) __builtin_trap();
  return 0;
}
