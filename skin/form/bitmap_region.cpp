#include "skin/form/bitmap_region.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace skin {
namespace {

constexpr size_t kRectanglesPerRegion = 2000;

bool NearKey(uint8_t value, uint8_t key) { return value >= key && value <= std::min(key + 1, 255); }

// Merges the collected rectangles into `result` and starts a new batch.
void Flush(std::vector<RECT>& rectangles, fw::UniqueRegion& result) {
  if (rectangles.empty()) return;
  const size_t bytes = sizeof(RGNDATAHEADER) + rectangles.size() * sizeof(RECT);
  std::vector<uint8_t> buffer(bytes);
  auto* data = reinterpret_cast<RGNDATA*>(buffer.data());
  data->rdh.dwSize = sizeof(RGNDATAHEADER);
  data->rdh.iType = RDH_RECTANGLES;
  data->rdh.nCount = static_cast<DWORD>(rectangles.size());
  data->rdh.nRgnSize = static_cast<DWORD>(rectangles.size() * sizeof(RECT));
  RECT bounds = rectangles.front();
  for (const RECT& r : rectangles) UnionRect(&bounds, &bounds, &r);
  data->rdh.rcBound = bounds;
  std::copy(rectangles.begin(), rectangles.end(), reinterpret_cast<RECT*>(data->Buffer));
  fw::UniqueRegion batch(ExtCreateRegion(nullptr, static_cast<DWORD>(bytes), data));
  rectangles.clear();
  if (!batch) return;
  if (!result) {
    result = std::move(batch);
  } else {
    CombineRgn(result.get(), result.get(), batch.get(), RGN_OR);
  }
}

}  // namespace

fw::UniqueRegion BitmapToRegion(const fw::TBitmap& bitmap, int x, int y, COLORREF key) {
  const int width = bitmap.Width();
  const int height = bitmap.Height();
  fw::UniqueRegion result;
  if (width <= 0 || height <= 0) return result;
  GdiFlush();  // the pixels are read straight from the bitmap's memory
  const int bytesPerPixel = bitmap.BytesPerPixel();
  const uint8_t keyRed = GetRValue(key), keyGreen = GetGValue(key), keyBlue = GetBValue(key);
  auto transparent = [&](const uint8_t* pixel) {
    return NearKey(pixel[2], keyRed) && NearKey(pixel[1], keyGreen) && NearKey(pixel[0], keyBlue);
  };
  std::vector<RECT> rectangles;
  rectangles.reserve(500);
  for (int row = 0; row < height; ++row) {
    const uint8_t* line = bitmap.ScanLine(row);
    if (!line) continue;
    auto at = [&](int column) { return line + static_cast<ptrdiff_t>(column) * bytesPerPixel; };
    int column = 0;
    while (column < width) {
      while (column < width && transparent(at(column))) ++column;
      const int start = column;
      while (column < width && !transparent(at(column))) ++column;
      if (column > start) rectangles.push_back(RECT{x + start, y + row, x + column, y + row + 1});
      if (rectangles.size() == kRectanglesPerRegion) Flush(rectangles, result);
    }
  }
  Flush(rectangles, result);
  if (!result) result.reset(CreateRectRgn(0, 0, 0, 0));
  return result;
}

}  // namespace skin
