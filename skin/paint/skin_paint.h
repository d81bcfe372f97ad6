// The skin painting routines: every skinned surface is drawn from a skin bitmap that holds the
// state frames of one element side by side (or stacked), numbered from 1. These routines cut one
// frame out and put it into a target rectangle: nine-sliced with fixed corners and stretched or
// tiled edges and centre, stretched whole, centred unscaled, in three columns, or with a repeated
// middle, optionally keyed so that magenta (0xFF00FF) pixels leave the destination visible.
//
// Every routine draws nothing for an inverted rectangle (right < left or bottom < top), and
// nothing for a frame that is not in the bitmap (a count below 1, an index outside 1..count, or
// a bitmap too small to hold the frames). Images are composed off-screen and put onto the target
// in one operation; everything made on the way is freed on every path. A bitmap the system
// refuses to create raises fw::EOutOfResources; painters swallow it.
#pragma once

#include <windows.h>

#include <memory>

#include "framework/control.h"
#include "framework/graphics/bitmap.h"
#include "framework/graphics/canvas.h"
#include "skin/paint/nine_slice.h"
#include "skin/paint/plane_win32.h"

namespace skin {

inline constexpr COLORREF kKeyColor = 0xFF00FF;

// Whether key-coloured pixels leave the destination visible.
enum class Keying { Opaque, Transparent };

// Frame `index` of `count` in the bitmap; an empty rectangle when there is no such frame.
[[nodiscard]] RECT FrameRect(const fw::TBitmap& bitmap, FrameStrip strip, int count, int index);

// A new bitmap of the destination's size holding the frame nine-sliced: corners copied, edges and
// centre stretched (the centre tiled with CentreFill::Tile). Margins that do not fit the
// destination are dropped: left and right when it is narrower than both, top and bottom when it
// is shorter. Empty when the destination or the frame is.
[[nodiscard]] fw::TBitmap StretchFrame(const RECT& dest, const fw::TBitmap& bitmap, const FrameMargins& margins,
                                       FrameStrip strip, CentreFill centre, int frame_count, int frame_index);

// StretchFrame into the rectangle, then keyed with kKeyColor or copied.
void DrawSkinFrame(HDC dc, const RECT& rect, const fw::TBitmap& bitmap, FrameStrip strip, CentreFill centre,
                   Keying keying, int frame_count, int frame_index, const FrameMargins& margins);

// What DrawSkinElement reads of a skin element: its bitmap (frames side by side), margins, Tile
// (non-zero tiles the centre) and Trans (1 keys out magenta).
struct SkinElementImage {
  const fw::TBitmap* Bitmap = nullptr;
  FrameMargins Margins;
  int Tile = 0;
  int Trans = 0;
};

// Draws frame `frame_index` of `frame_count` of the element into the rectangle.
void DrawSkinElement(HDC dc, const RECT& rect, int frame_count, int frame_index, const SkinElementImage& element);

// The same for any element record with the fields LeftWidth, TopHeight, RightWidth,
// BottomHeight, Bitmap (a TBitmap, a pointer to one or a unique_ptr), Tile and Trans.
inline const fw::TBitmap* BitmapOf(const fw::TBitmap& bitmap) { return &bitmap; }
inline const fw::TBitmap* BitmapOf(const fw::TBitmap* bitmap) { return bitmap; }
inline const fw::TBitmap* BitmapOf(const std::unique_ptr<fw::TBitmap>& bitmap) { return bitmap.get(); }
template <typename Element>
SkinElementImage ElementImage(const Element& element) {
  return SkinElementImage{BitmapOf(element.Bitmap),
                          FrameMargins{element.LeftWidth, element.TopHeight, element.RightWidth, element.BottomHeight},
                          element.Tile, element.Trans};
}
template <typename Element>
void DrawSkinElement(HDC dc, const RECT& rect, int frame_count, int frame_index, const Element& element) {
  DrawSkinElement(dc, rect, frame_count, frame_index, ElementImage(element));
}

// The whole frame (frames side by side) stretched into the rectangle, keyed or copied.
void DrawFrameStretched(HDC dc, const RECT& rect, const fw::TBitmap& bitmap, Keying keying, int frame_count,
                        int frame_index);

// The frame unscaled, centred in the rectangle (offsets (width - frame width) div 2 and
// (height - frame height) div 2; a frame larger than the rectangle reaches past it).
void DrawFrameCentered(HDC dc, const RECT& rect, const fw::TBitmap& bitmap, Keying keying, int frame_count,
                       int frame_index);

// The frame in three columns: the left part (left_width wide), the middle stretched across, the
// right part (right_width wide) at the right edge, all stretched to the rectangle's height. Into
// a rectangle narrower than one frame the whole frame is stretched instead.
void DrawFrameThreePart(HDC dc, const RECT& rect, const fw::TBitmap& bitmap, FrameStrip strip, int frame_count,
                        int frame_index, int left_width, int right_width);

// The frame's left part (LeftWidth wide), then its middle repeated from x = LeftWidth while
// x < width - RightWidth, then its right part (RightWidth wide) at the right edge, each stretched
// to the rectangle's height; keyed with kKeyColor when Transparent. A frame whose margins leave
// no middle is stretched whole across the rectangle instead. Top and bottom margins are unused.
void TileFrameHorz(fw::TCanvas& canvas, const RECT& rect, const fw::TBitmap& bitmap, FrameStrip strip, Keying keying,
                   int frame_count, int frame_index, const FrameMargins& margins);

// Repeats the source rectangle of the bitmap from the destination's top-left corner, column by
// column, while the position is inside the destination (the last tiles may reach past its
// right and bottom edges). Nothing when the source is empty.
void TileRect(fw::TCanvas& canvas, const RECT& dest, const fw::TBitmap& bitmap, const RECT& source);

// Draws the bitmap's top-left part (the rectangle's size at most) at the rectangle, leaving the
// destination untouched wherever the bitmap has the key colour: MaskBlt on the NT family, three
// blits with a monochrome mask elsewhere.
void DrawTransparent(HDC dc, const RECT& rect, const fw::TBitmap& bitmap, COLORREF key);

// An image with the mask of its key-coloured pixels, made once and put on as often as needed:
// what DrawTransparent does with the image, without reading the mask out of it every time.
class KeyedImage {
 public:
  KeyedImage() = default;
  // `image` keyed with `key`; empty when the image is.
  KeyedImage(fw::TBitmap image, COLORREF key);
  [[nodiscard]] bool Empty() const { return image_.Empty(); }
  [[nodiscard]] int Width() const { return image_.Width(); }
  [[nodiscard]] int Height() const { return image_.Height(); }
  // The same pixels as DrawTransparent (dc, rect, image, key).
  void Draw(HDC dc, const RECT& rect) const;

 private:
  fw::TBitmap image_;
  fw::UniqueBitmap mask_;
  fw::UniqueMemoryDC mask_dc_;  // holds mask_ selected; freed first
};

// The frame (frames side by side) stretched to width × height and keyed with kKeyColor: drawn
// into a rectangle of that size it gives what DrawFrameStretched gives with Keying::Transparent.
[[nodiscard]] KeyedImage KeyedFrame(const fw::TBitmap& bitmap, int frame_count, int frame_index, int width, int height);

// TileFrameHorz's image for a rectangle of width × height, keyed with kKeyColor: drawn into such
// a rectangle, it gives what TileFrameHorz gives there with Keying::Transparent.
[[nodiscard]] KeyedImage KeyedFrameHorz(int width, int height, const fw::TBitmap& bitmap, FrameStrip strip,
                                        int frame_count, int frame_index, const FrameMargins& margins);

// The frame (frames side by side) stretched into the rectangle and drawn onto the canvas with
// kKeyColor as its transparent colour.
void DrawFrameKeyed(fw::TCanvas& canvas, const RECT& rect, int frame_count, int frame_index, const fw::TBitmap& bitmap);
// The same onto a DC, through a temporary canvas.
void DrawFrameKeyedDC(HDC dc, const RECT& rect, int frame_count, int frame_index, const fw::TBitmap& bitmap);
// The same frame copy, put onto the DC with DrawTransparent and kKeyColor.
void DrawFrameMasked(HDC dc, const RECT& rect, int frame_count, int frame_index, const fw::TBitmap& bitmap);

// What DrawParentBackground needs of a control: the window it sits in (none for a control
// without a parent), its position there (Left, Top) and its client rectangle.
struct ParentPaintTarget {
  HWND Parent = nullptr;
  int Left = 0;
  int Top = 0;
  RECT ClientRect{};
};
// Paints into the DC (whose origin is the control's top-left corner) what the parent shows under
// the control: the parent erases and paints itself through a shifted origin, clipped to the
// control. Nothing without a parent.
void DrawParentBackground(const ParentPaintTarget& control, HDC dc);
// The same for a child window; a top-level window has no parent and draws nothing.
void DrawParentBackground(HWND control, HDC dc);
// The same for a framework control, windowed or not: its parent performs the two messages.
void DrawParentBackground(fw::TControl& control, HDC dc);

}  // namespace skin
