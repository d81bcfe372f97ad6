// TBitmap: a device-independent bitmap (a DIB section) with direct access to its pixel rows, a
// canvas for GDI drawing, and a transparent colour used when it is drawn onto another canvas.
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <span>
#include <stdexcept>
#include <vector>

#include "framework/component.h"
#include "framework/graphics/color.h"
#include "framework/handles.h"

namespace fw {

class TCanvas;

enum TPixelFormat { pf24bit, pf32bit };

// A bitmap or DC that the system could not create.
class EOutOfResources : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Published so that controls can hold one as a property (a button's Glyph) readable by name.
class TBitmap : public TPersistent {
  FW_DECLARE_CLASS()

 public:
  TBitmap() noexcept;
  TBitmap(int width, int height, TPixelFormat format = pf24bit);
  TBitmap(TBitmap&& other) noexcept;
  TBitmap& operator=(TBitmap&& other) noexcept;
  TBitmap(const TBitmap&) = delete;
  TBitmap& operator=(const TBitmap&) = delete;
  ~TBitmap() override;

  [[nodiscard]] int Width() const noexcept { return width_; }
  [[nodiscard]] int Height() const noexcept { return height_; }
  [[nodiscard]] bool Empty() const noexcept { return width_ == 0 || height_ == 0; }
  [[nodiscard]] TPixelFormat PixelFormat() const noexcept { return format_; }
  [[nodiscard]] int BytesPerPixel() const noexcept { return format_ == pf24bit ? 3 : 4; }
  // Bytes from one row to the next (rows are padded to four bytes).
  [[nodiscard]] int RowBytes() const noexcept;

  // Changes the size, keeping the pixels of the part that both sizes share; new pixels are black.
  // Negative sizes count as 0. Throws EOutOfResources when the system refuses the bitmap.
  void SetSize(int width, int height);
  // Converts the pixels to the new format (the fourth byte of 32-bit pixels becomes 0).
  void SetPixelFormat(TPixelFormat format);

  // Row `row` (0 at the top) as blue, green, red (and a fourth byte for pf32bit) per pixel;
  // nullptr outside the bitmap. Pending GDI drawing is flushed first.
  [[nodiscard]] std::uint8_t* ScanLine(int row) noexcept;
  [[nodiscard]] const std::uint8_t* ScanLine(int row) const noexcept;

  // The pixel at (x, y) as 0x00BBGGRR, CLR_INVALID outside the bitmap.
  [[nodiscard]] COLORREF Pixel(int x, int y) const noexcept;
  void SetPixel(int x, int y, COLORREF color) noexcept;

  // The canvas draws into this bitmap. It lives as long as the bitmap and keeps a memory DC with
  // the bitmap selected, which DC() also hands out as a source for blits.
  [[nodiscard]] TCanvas& Canvas();
  [[nodiscard]] HDC DC() const;
  [[nodiscard]] HBITMAP Handle() const noexcept { return bitmap_.get(); }

  // When Transparent is set, TCanvas::Draw leaves the destination visible wherever this bitmap
  // has TransparentColor.
  [[nodiscard]] bool Transparent() const noexcept { return transparent_; }
  void SetTransparent(bool transparent) noexcept { transparent_ = transparent; }
  [[nodiscard]] TColor TransparentColor() const noexcept { return transparent_color_; }
  void SetTransparentColor(TColor color) noexcept { transparent_color_ = color; }

  // Makes this bitmap a copy of `source`: size, pixel format, pixels and transparency.
  void Assign(const TBitmap& source);

  // Replaces the pixels by those of an uncompressed Windows bitmap file (1, 4, 8, 16, 24 or 32 bits
  // per pixel, bottom-up or top-down); the result is pf24bit. A damaged, cut short, compressed or
  // oversized file leaves the bitmap as it was and gives false.
  bool LoadFromBitmapFile(std::span<const std::uint8_t> file);
  // The "Data" of a stored description: the length of a bitmap file, then the file. Reading takes
  // the file with or without the length; data that is no readable bitmap throws EReadError.
  [[nodiscard]] std::vector<std::uint8_t> Data() const;
  void SetData(const std::vector<std::uint8_t>& data);

 private:
  struct Surface;
  static Surface CreateSurface(int width, int height, TPixelFormat format);
  void Adopt(Surface surface);
  void EnsureDC() const;

  int width_ = 0;
  int height_ = 0;
  TPixelFormat format_ = pf24bit;
  UniqueBitmap bitmap_;
  std::uint8_t* bits_ = nullptr;
  bool transparent_ = false;
  TColor transparent_color_ = clFuchsia;
  // The memory DC and the canvas over it are made on first use; the DC keeps bitmap_ selected.
  mutable UniqueMemoryDC dc_;
  mutable HGDIOBJ dc_original_bitmap_ = nullptr;
  mutable std::unique_ptr<TCanvas> canvas_;
};

}  // namespace fw
