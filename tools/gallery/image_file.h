// Writes a bitmap of the program as a PNG file.
#pragma once

#include <string>

#include "framework/graphics/bitmap.h"

namespace gallery {

// False when the file cannot be written (or the bitmap is empty).
bool WritePngFile(const fw::TBitmap& image, const std::string& path);

}  // namespace gallery
