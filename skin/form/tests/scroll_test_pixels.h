// What the scroll bar tests expect to see: one arrow or grip frame of the skin's "Scrollbar" as a
// drawn bar shows it, and an exact comparison of a shown image with an expected one.
#pragma once

#include <string>

#include "framework/graphics/bitmap.h"
#include "skin/core/skin_data.h"

namespace frametest {

// A `width` x `height` piece of a vertical bar holding `frame` of "Scrollbar", keyed over
// ButtonFace, as thick as a bar with `arrowSize` arrows draws it.
fw::TBitmap ExpectedBarFrame(const skin::TSkinData& data, int width, int height, int frame, int arrowSize);

// Expects `expected` pixel for pixel in `shown` at (left, top); names the first difference.
void ExpectSamePixels(fw::TBitmap& shown, int left, int top, fw::TBitmap expected, const std::string& what);

}  // namespace frametest
