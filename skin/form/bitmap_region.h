// The window region of a transparent frame border: the pixels of a bitmap that are not the key
// colour, as a region.
#pragma once

#include <windows.h>

#include "framework/graphics/bitmap.h"
#include "framework/handles.h"

namespace skin {

// Each row's runs of pixels whose red, green and blue are not all within key..key + 1 become
// one-pixel-high rectangles, offset by (x, y). Empty when the bitmap is.
[[nodiscard]] fw::UniqueRegion BitmapToRegion(const fw::TBitmap& bitmap, int x, int y, COLORREF key);

}  // namespace skin
