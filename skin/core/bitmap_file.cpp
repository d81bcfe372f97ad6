#include "skin/core/bitmap_file.h"

#include <windows.h>

#include <optional>
#include <string>

#include "framework/handles.h"
#include "skin/resources/bitmap_decoder.h"

namespace skin {

bool LoadBitmapFile(fw::TBitmap& target, std::span<const uint8_t> file) {
  target = fw::TBitmap();
  std::string reason;
  const std::optional<BitmapLayout> layout = ReadBitmapLayout(file, BitmapChecks::kTolerant, reason);
  if (!layout) return false;
  const bool deep = layout->bits_per_pixel == 32;
  fw::TBitmap image(layout->width, layout->height, deep ? fw::pf32bit : fw::pf24bit);
  // The rows go straight into the bitmap: blue, green, red and, in 32-bit bitmaps, the fourth byte.
  DecodeBitmapRows(file, *layout, [&](int y, std::span<const uint32_t> pixels) {
    uint8_t* to = image.ScanLine(y);
    for (uint32_t pixel : pixels) {
      *to++ = static_cast<uint8_t>(pixel);
      *to++ = static_cast<uint8_t>(pixel >> 8);
      *to++ = static_cast<uint8_t>(pixel >> 16);
      if (deep) *to++ = static_cast<uint8_t>(pixel >> 24);
    }
  });
  target = std::move(image);
  return true;
}

bool LoadBitmapResource(fw::TBitmap& target, const char* name) {
  target = fw::TBitmap();
  fw::UniqueBitmap resource(
      static_cast<HBITMAP>(LoadImageA(GetModuleHandleA(nullptr), name, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
  if (!resource) return false;
  BITMAP info{};
  if (!GetObjectA(resource.get(), sizeof info, &info) || info.bmWidth < 1 || info.bmHeight < 1) return false;
  fw::TBitmap image(info.bmWidth, info.bmHeight, fw::pf24bit);
  fw::UniqueMemoryDC source(CreateCompatibleDC(nullptr));
  if (!source) return false;
  {
    fw::SelectObjectGuard selected(source.get(), resource.get());
    BitBlt(image.DC(), 0, 0, info.bmWidth, info.bmHeight, source.get(), 0, 0, SRCCOPY);
  }
  GdiFlush();
  target = std::move(image);
  return true;
}

}  // namespace skin
