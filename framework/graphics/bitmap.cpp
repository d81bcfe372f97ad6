#include "framework/graphics/bitmap.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "framework/form_syntax.h"
#include "framework/graphics/canvas.h"

namespace fw {
namespace {

int BitsPerPixel(TPixelFormat format) { return format == pf24bit ? 24 : 32; }

int StrideOf(int width, TPixelFormat format) { return ((width * BitsPerPixel(format) + 31) / 32) * 4; }

std::uint32_t ReadU32(const std::uint8_t* p) {
  return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}
std::uint16_t ReadU16(const std::uint8_t* p) { return static_cast<std::uint16_t>(p[0] | (p[1] << 8)); }

// Bitmap files larger than this are refused rather than allocated.
constexpr std::int64_t kMaxFilePixels = 16 * 1024 * 1024;
constexpr std::size_t kFileHeaderSize = 14;
constexpr std::size_t kInfoHeaderSize = 40;

}  // namespace

const ClassInfo& TBitmap::StaticClass() {
  static const ClassInfo info =
      ClassBuilder<TBitmap>("TBitmap", &TPersistent::StaticClass())
          .Boolean("Transparent", &TBitmap::Transparent, &TBitmap::SetTransparent)
          .Integer("TransparentColor", &TBitmap::TransparentColor, &TBitmap::SetTransparentColor, &kColorIdents)
          .Binary("Data", &TBitmap::Data, &TBitmap::SetData)
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

TBitmap::TBitmap(int width, int height, TPixelFormat format) : format_(format) { SetSize(width, height); }

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

const std::uint8_t* TBitmap::ScanLine(int row) const noexcept { return const_cast<TBitmap*>(this)->ScanLine(row); }

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

namespace fw {

bool TBitmap::LoadFromBitmapFile(std::span<const std::uint8_t> file) {
  if (file.size() < kFileHeaderSize + kInfoHeaderSize || file[0] != 'B' || file[1] != 'M') return false;
  const std::uint8_t* info = file.data() + kFileHeaderSize;
  const std::uint32_t offBits = ReadU32(file.data() + 10);
  const std::uint32_t headerSize = ReadU32(info);
  const std::int32_t width = static_cast<std::int32_t>(ReadU32(info + 4));
  const std::int32_t height = static_cast<std::int32_t>(ReadU32(info + 8));
  const int bitCount = ReadU16(info + 14);
  const std::uint32_t compression = ReadU32(info + 16);
  const std::uint32_t colorsUsed = ReadU32(info + 32);
  if (headerSize < kInfoHeaderSize || headerSize > file.size() - kFileHeaderSize) return false;
  if (width <= 0 || height == 0 || height == INT32_MIN) return false;
  const std::int64_t rows = height < 0 ? -static_cast<std::int64_t>(height) : height;
  if (static_cast<std::int64_t>(width) * rows > kMaxFilePixels) return false;
  if (bitCount != 1 && bitCount != 4 && bitCount != 8 && bitCount != 16 && bitCount != 24 && bitCount != 32)
    return false;
  // What follows the 40-byte header: the colour masks of a bit-field file or the palette.
  std::size_t extra = 0;
  if (compression == BI_BITFIELDS) {
    if (bitCount != 16 && bitCount != 32) return false;
    extra = 12;
  } else if (compression != BI_RGB) {
    return false;
  } else if (bitCount <= 8) {
    const std::uint32_t most = 1u << bitCount;
    if (colorsUsed > most) return false;
    extra = (colorsUsed ? colorsUsed : most) * 4;
  }
  const std::size_t tableStart =
      compression == BI_BITFIELDS ? kFileHeaderSize + kInfoHeaderSize : kFileHeaderSize + headerSize;
  const std::int64_t stride = ((static_cast<std::int64_t>(width) * bitCount + 31) / 32) * 4;
  if (tableStart + extra > offBits || offBits > file.size() ||
      stride * rows > static_cast<std::int64_t>(file.size() - offBits))
    return false;

  // The header as GDI wants it (40 bytes, then masks or palette), aligned.
  std::vector<std::uint32_t> header((kInfoHeaderSize + extra + 3) / 4);
  auto* bytes = reinterpret_cast<std::uint8_t*>(header.data());
  std::memcpy(bytes, info, kInfoHeaderSize);
  std::memcpy(bytes + kInfoHeaderSize, file.data() + tableStart, extra);
  reinterpret_cast<BITMAPINFOHEADER*>(bytes)->biSize = kInfoHeaderSize;

  TBitmap loaded(width, static_cast<int>(rows), pf24bit);
  const int copied =
      ::StretchDIBits(loaded.DC(), 0, 0, width, static_cast<int>(rows), 0, 0, width, static_cast<int>(rows),
                      file.data() + offBits, reinterpret_cast<const BITMAPINFO*>(bytes), DIB_RGB_COLORS, SRCCOPY);
  if (copied <= 0) return false;  // 0 or GDI_ERROR
  ::GdiFlush();
  loaded.transparent_ = transparent_;
  loaded.transparent_color_ = transparent_color_;
  *this = std::move(loaded);
  return true;
}

std::vector<std::uint8_t> TBitmap::Data() const {
  if (Empty()) return {};
  const std::uint32_t pixelBytes = static_cast<std::uint32_t>(RowBytes()) * static_cast<std::uint32_t>(height_);
  const std::uint32_t fileSize = kFileHeaderSize + kInfoHeaderSize + pixelBytes;
  std::vector<std::uint8_t> data;
  data.reserve(4 + fileSize);
  auto put = [&data](std::uint32_t value, int size) {
    for (int i = 0; i < size; ++i) data.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
  };
  put(fileSize, 4);
  data.push_back('B');
  data.push_back('M');
  put(fileSize, 4);
  put(0, 4);
  put(kFileHeaderSize + kInfoHeaderSize, 4);
  put(kInfoHeaderSize, 4);
  put(static_cast<std::uint32_t>(width_), 4);
  put(static_cast<std::uint32_t>(height_), 4);  // bottom-up
  put(1, 2);
  put(static_cast<std::uint32_t>(BitsPerPixel(format_)), 2);
  put(BI_RGB, 4);
  put(pixelBytes, 4);
  for (int i = 0; i < 4; ++i) put(0, 4);
  for (int y = height_ - 1; y >= 0; --y) {
    const std::uint8_t* row = ScanLine(y);
    data.insert(data.end(), row, row + RowBytes());
  }
  return data;
}

void TBitmap::SetData(const std::vector<std::uint8_t>& data) {
  if (data.empty()) {
    SetSize(0, 0);
    return;
  }
  std::span<const std::uint8_t> file(data);
  // Stored descriptions put the file's length first.
  if (file.size() > 6 && file[4] == 'B' && file[5] == 'M' && ReadU32(file.data()) == file.size() - 4)
    file = file.subspan(4);
  if (!LoadFromBitmapFile(file)) throw EReadError("Bitmap data is not a readable bitmap file");
}

}  // namespace fw
