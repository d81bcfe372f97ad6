// Skin bitmaps into framework bitmaps: Windows bitmap files as a skin archive holds them, and the
// bitmap resources compiled into the program.
#pragma once

#include <cstdint>
#include <span>

#include "framework/graphics/bitmap.h"
#include "skin/resources/bitmap_decoder.h"

namespace skin {

// Replaces `target` by the image of an uncompressed Windows bitmap file (1, 4, 8, 16, 24 or 32 bits
// per pixel, plain or with bit-field masks, bottom-up or top-down), decoded with the tolerant
// checks of skin/resources/bitmap_decoder.h: 32-bit files become pf32bit bitmaps, every other
// depth pf24bit. A file that is damaged, cut short, compressed or larger than kMaxBitmapPixels
// leaves `target` empty and gives false.
bool LoadBitmapFile(fw::TBitmap& target, std::span<const uint8_t> file);

// Replaces `target` by a 24-bit copy of the program's bitmap resource `name`; false, with `target`
// empty, when the program has no such resource.
bool LoadBitmapResource(fw::TBitmap& target, const char* name);

}  // namespace skin
