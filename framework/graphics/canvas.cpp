#include "framework/graphics/canvas.h"

#include "framework/graphics/bitmap.h"

namespace fw {

// Each change to the DC is undone on its own rather than with SaveDC/RestoreDC: the DC's owner may
// change the DC while the canvas holds it (a TBitmap selects a new surface into its DC), and
// RestoreDC would undo that as well.
void TCanvas::SetHandle(HDC dc) noexcept {
  if (dc_) {
    if (dc_original_font_) ::SelectObject(dc_, dc_original_font_);
    if (dc_original_text_color_ != CLR_INVALID) ::SetTextColor(dc_, dc_original_text_color_);
  }
  dc_original_font_ = nullptr;
  dc_original_text_color_ = CLR_INVALID;
  dc_ = dc;
  if (!dc_) return;
  ApplyFont();
  dc_original_text_color_ = ::SetTextColor(dc_, ColorToRGB(font_color_));
}

void TCanvas::SetFont(HFONT font) noexcept {
  font_ = font;
  ApplyFont();
}

void TCanvas::ApplyFont() noexcept {
  if (!dc_) return;
  if (font_) {
    HGDIOBJ previous = ::SelectObject(dc_, font_);
    if (previous && previous != HGDI_ERROR && !dc_original_font_) dc_original_font_ = previous;
  } else if (dc_original_font_) {
    ::SelectObject(dc_, dc_original_font_);
    dc_original_font_ = nullptr;
  }
}

void TCanvas::SetFontColor(TColor color) noexcept {
  font_color_ = color;
  if (dc_) ::SetTextColor(dc_, ColorToRGB(color));
}

void TCanvas::SetBrushColor(TColor color) noexcept {
  if (color != brush_color_) brush_.reset();
  brush_color_ = color;
}

void TCanvas::FillRect(const RECT& rect) {
  if (!dc_) return;
  if (!brush_) {
    brush_.reset(::CreateSolidBrush(ColorToRGB(brush_color_)));
    if (!brush_) throw EOutOfResources("CreateSolidBrush failed");
  }
  ::FillRect(dc_, &rect, brush_.get());
}

void TCanvas::Draw(int x, int y, const TBitmap& bitmap) {
  StretchDraw(RECT{x, y, x + bitmap.Width(), y + bitmap.Height()}, bitmap);
}

void TCanvas::StretchDraw(const RECT& rect, const TBitmap& bitmap) {
  if (!dc_ || bitmap.Empty()) return;
  const int width = rect.right - rect.left;
  const int height = rect.bottom - rect.top;
  if (width <= 0 || height <= 0) return;
  if (bitmap.Transparent()) {
    ::GdiTransparentBlt(dc_, rect.left, rect.top, width, height, bitmap.DC(), 0, 0, bitmap.Width(), bitmap.Height(),
                        ColorToRGB(bitmap.TransparentColor()));
  } else {
    CopyRect(rect, bitmap.DC(), RECT{0, 0, bitmap.Width(), bitmap.Height()});
  }
}

void TCanvas::CopyRect(const RECT& dest, HDC source, const RECT& source_rect) {
  if (!dc_ || !source) return;
  const int previous_mode = ::SetStretchBltMode(dc_, COLORONCOLOR);
  ::StretchBlt(dc_, dest.left, dest.top, dest.right - dest.left, dest.bottom - dest.top, source, source_rect.left,
               source_rect.top, source_rect.right - source_rect.left, source_rect.bottom - source_rect.top, SRCCOPY);
  if (previous_mode) ::SetStretchBltMode(dc_, previous_mode);
}

}  // namespace fw
