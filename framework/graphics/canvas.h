// TCanvas: drawing onto a device context that someone else owns (a window's DC, a printer's, or
// the memory DC of a TBitmap). The canvas may be pointed at another DC at any time; whatever it
// selected into or set on the previous DC (font, text colour; the stretch mode of a copy) is put
// back first, so a borrowed DC leaves as it came.
#pragma once

#include <windows.h>

#include "framework/graphics/color.h"
#include "framework/handles.h"

namespace fw {

class TBitmap;

class TCanvas {
 public:
  TCanvas() noexcept = default;
  explicit TCanvas(HDC dc) noexcept { SetHandle(dc); }
  TCanvas(const TCanvas&) = delete;
  TCanvas& operator=(const TCanvas&) = delete;
  ~TCanvas() { SetHandle(nullptr); }

  [[nodiscard]] HDC Handle() const noexcept { return dc_; }
  // Gives back the previous DC (its own font and text colour restored) and starts drawing onto `dc`.
  void SetHandle(HDC dc) noexcept;

  // The font is borrowed: its owner keeps it alive while the canvas uses it.
  [[nodiscard]] HFONT Font() const noexcept { return font_; }
  void SetFont(HFONT font) noexcept;
  [[nodiscard]] TColor FontColor() const noexcept { return font_color_; }
  void SetFontColor(TColor color) noexcept;

  [[nodiscard]] TColor BrushColor() const noexcept { return brush_color_; }
  void SetBrushColor(TColor color) noexcept;

  // Fills the rectangle (right and bottom edges excluded) with the brush colour.
  void FillRect(const RECT& rect);
  // Draws the bitmap unscaled with its top-left corner at (x, y); a transparent bitmap leaves the
  // destination visible wherever it has its transparent colour.
  void Draw(int x, int y, const TBitmap& bitmap);
  // Draws the bitmap stretched into the rectangle, keyed as Draw does.
  void StretchDraw(const RECT& rect, const TBitmap& bitmap);
  // Copies `source_rect` of another DC into `dest`, stretched with COLORONCOLOR.
  void CopyRect(const RECT& dest, HDC source, const RECT& source_rect);

 private:
  void ApplyFont() noexcept;

  HDC dc_ = nullptr;
  HFONT font_ = nullptr;
  // What the DC had before the canvas changed it, put back when the canvas lets go of the DC.
  HGDIOBJ dc_original_font_ = nullptr;
  COLORREF dc_original_text_color_ = CLR_INVALID;
  TColor font_color_ = clBlack;
  TColor brush_color_ = clWhite;
  UniqueBrush brush_;
};

}  // namespace fw
