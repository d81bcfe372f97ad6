#include "framework/graphics/bitmap.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "framework/graphics/canvas.h"

namespace fw {
namespace {

int BitsPerPixel(TPixelFormat format) { return format == pf24bit ? 24 : 32; }

int StrideOf(int width, TPixelFormat format) {
  return ((width * BitsPerPixel(format) + 31) / 32) * 4;
}

}  // namespace

const ClassInfo& TBitmap::StaticClass() {
  static const ClassInfo info =
      ClassBuilder<TBitmap>("TBitmap", &TPersistent::StaticClass())
          .Boolean("Transparent", &TBitmap::Transparent, &TBitmap::SetTransparent)
          .Integer("TransparentColor", &TBitmap::TransparentColor, &TBitmap::SetTransparentColor, &kColorIdents)
          .Build();
  return info;
}

// A freshly made DIB section and its pixels.
struct TBitmap::Surface {
  UniqueBitmap bitmap;
  std::uint8_t* bits = nullptr;
  int width = 0;
  int height = 0;
};

TBitmap::TBitmap() noexcept = default;

TBitmap::TBitmap(int width, int height, TPixelFormat format) : format_(format) {
  SetSize(width, height);
}

TBitmap::TBitmap(TBitmap&& other) noexcept { *this = std::move(other); }

TBitmap& TBitmap::operator=(TBitmap&& other) noexcept {
  if (this == &other) return *this;
  // Our own DC and canvas go first, so that our bitmap is no longer selected anywhere.
  canvas_.reset();
  if (dc_ && dc_original_bitmap_) ::SelectObject(dc_.get(), dc_original_bitmap_);
  dc_.reset();
  dc_original_bitmap_ = nullptr;

  width_ = std::exchange(other.width_, 0);
  height_ = std::exchange(other.height_, 0);
  format_ = other.format_;
  bitmap_ = std::move(other.bitmap_);
  bits_ = std::exchange(other.bits_, nullptr);
  transparent_ = other.transparent_;
  transparent_color_ = other.transparent_color_;
  dc_ = std::move(other.dc_);
  dc_original_bitmap_ = std::exchange(other.dc_original_bitmap_, nullptr);
  canvas_ = std::move(other.canvas_);
  return *this;
}

TBitmap::~TBitmap() {
  canvas_.reset();
  if (dc_ && dc_original_bitmap_) ::SelectObject(dc_.get(), dc_original_bitmap_);
}

int TBitmap::RowBytes() const noexcept { return StrideOf(width_, format_); }

TBitmap::Surface TBitmap::CreateSurface(int width, int height, TPixelFormat format) {
  Surface surface;
  surface.width = std::max(width, 0);
  surface.height = std::max(height, 0);
  if (surface.width == 0 || surface.height == 0) {
    surface.width = surface.height = 0;
    return surface;
  }
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = surface.width;
  info.bmiHeader.biHeight = -surface.height;  // top-down: row 0 first in memory
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = static_cast<WORD>(BitsPerPixel(format));
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  surface.bitmap.reset(::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!surface.bitmap || !bits) throw EOutOfResources("CreateDIBSection failed");
  surface.bits = static_cast<std::uint8_t*>(bits);
  return surface;
}

// Puts a new surface in place of the current one, in the DC too when there is one.
void TBitmap::Adopt(Surface surface) {
  if (dc_ && surface.bitmap) {
    HGDIOBJ previous = ::SelectObject(dc_.get(), surface.bitmap.get());
    if (!dc_original_bitmap_) dc_original_bitmap_ = previous;
  } else if (dc_ && dc_original_bitmap_) {
    ::SelectObject(dc_.get(), dc_original_bitmap_);
  }
  bitmap_ = std::move(surface.bitmap);
  bits_ = surface.bits;
  width_ = surface.width;
  height_ = surface.height;
}

void TBitmap::SetSize(int width, int height) {
  width = std::max(width, 0);
  height = std::max(height, 0);
  if (width == width_ && height == height_ && (bitmap_ || width == 0 || height == 0)) return;
  Surface surface = CreateSurface(width, height, format_);
  if (surface.bits && bits_) {
    ::GdiFlush();
    const int rows = std::min(height_, surface.height);
    const int bytes = std::min(width_, surface.width) * BytesPerPixel();
    const int stride = StrideOf(surface.width, format_);
    for (int y = 0; y < rows; ++y) {
      std::memcpy(surface.bits + static_cast<std::ptrdiff_t>(y) * stride, ScanLine(y), bytes);
    }
  }
  Adopt(std::move(surface));
}

void TBitmap::SetPixelFormat(TPixelFormat format) {
  if (format == format_) return;
  Surface surface = CreateSurface(width_, height_, format);
  if (surface.bits) {
    ::GdiFlush();
    const int old_size = BytesPerPixel();
    const int new_size = format == pf24bit ? 3 : 4;
    const int stride = StrideOf(width_, format);
    for (int y = 0; y < height_; ++y) {
      const std::uint8_t* from = ScanLine(y);
      std::uint8_t* to = surface.bits + static_cast<std::ptrdiff_t>(y) * stride;
      for (int x = 0; x < width_; ++x, from += old_size, to += new_size) std::memcpy(to, from, 3);
    }
  }
  format_ = format;
  Adopt(std::move(surface));
}

std::uint8_t* TBitmap::ScanLine(int row) noexcept {
  if (!bits_ || row < 0 || row >= height_) return nullptr;
  ::GdiFlush();
  return bits_ + static_cast<std::ptrdiff_t>(row) * RowBytes();
}

const std::uint8_t* TBitmap::ScanLine(int row) const noexcept {
  return const_cast<TBitmap*>(this)->ScanLine(row);
}

COLORREF TBitmap::Pixel(int x, int y) const noexcept {
  if (x < 0 || x >= width_) return CLR_INVALID;
  const std::uint8_t* line = ScanLine(y);
  if (!line) return CLR_INVALID;
  const std::uint8_t* pixel = line + x * BytesPerPixel();
  return RGB(pixel[2], pixel[1], pixel[0]);
}

void TBitmap::SetPixel(int x, int y, COLORREF color) noexcept {
  if (x < 0 || x >= width_) return;
  std::uint8_t* line = ScanLine(y);
  if (!line) return;
  std::uint8_t* pixel = line + x * BytesPerPixel();
  pixel[0] = GetBValue(color);
  pixel[1] = GetGValue(color);
  pixel[2] = GetRValue(color);
}

void TBitmap::EnsureDC() const {
  if (dc_) return;
  UniqueMemoryDC dc(::CreateCompatibleDC(nullptr));
  if (!dc) throw EOutOfResources("CreateCompatibleDC failed");
  if (bitmap_) dc_original_bitmap_ = ::SelectObject(dc.get(), bitmap_.get());
  dc_ = std::move(dc);
}

HDC TBitmap::DC() const {
  EnsureDC();
  return dc_.get();
}

TCanvas& TBitmap::Canvas() {
  EnsureDC();
  if (!canvas_) canvas_ = std::make_unique<TCanvas>(dc_.get());
  return *canvas_;
}

void TBitmap::Assign(const TBitmap& source) {
  if (&source == this) return;
  Surface surface = CreateSurface(source.width_, source.height_, source.format_);
  if (surface.bits) {
    ::GdiFlush();
    std::memcpy(surface.bits, source.bits_,
                static_cast<std::size_t>(StrideOf(source.width_, source.format_)) * source.height_);
  }
  format_ = source.format_;
  Adopt(std::move(surface));
  transparent_ = source.transparent_;
  transparent_color_ = source.transparent_color_;
}

}  // namespace fw
