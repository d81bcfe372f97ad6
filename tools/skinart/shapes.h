// Drawing blocks of the skin artwork: rounded boxes with a border, a gradient fill and a bevel,
// and the small glyphs (arrows, check marks, caption symbols). Pixel art: every pixel is either
// fully inside a shape or fully outside, so that key-coloured (magenta) surrounds stay exact.
#pragma once

#include <optional>

#include "tools/skinimage/image.h"

namespace skinart {

using skinimage::Image;
using skinimage::Rect;
using skinimage::Rgb;

struct Corners {
  int top_left = 0;
  int top_right = 0;
  int bottom_right = 0;
  int bottom_left = 0;

  static Corners All(int radius) { return {radius, radius, radius, radius}; }
  static Corners Top(int radius) { return {radius, radius, 0, 0}; }
  static Corners Bottom(int radius) { return {0, 0, radius, radius}; }
  static Corners Left(int radius) { return {radius, 0, 0, radius}; }
  static Corners Right(int radius) { return {0, radius, radius, 0}; }
};

// Whether pixel (x, y) of a w × h box lies inside the box with these corner radii: the pixel's
// centre must lie inside the corner's quarter circle.
bool InsideRoundedBox(int x, int y, int width, int height, const Corners& corners);

// Whether pixel (x, y) of a w × h box lies inside the box with its corners cut off at 45 degrees:
// a corner's value is how many pixels of the box's edges the cut takes away.
bool InsideCutBox(int x, int y, int width, int height, const Corners& cuts);

// Frame `index` (from 0) of a strip of frames `frame_width` wide and `height` high, side by side.
Rect FrameRect(int index, int frame_width, int height);

// Each frame of a strip turned from horizontal to vertical design (x and y exchanged).
Image TransposeFrames(const Image& strip, int frames);

// Colours of one state of a box-shaped element.
struct BoxStyle {
  Rgb border = 0;
  Rgb fill_top = 0;               // first row inside the border
  Rgb fill_middle = 0;            // row at half height
  Rgb fill_bottom = 0;            // last row inside the border
  std::optional<Rgb> highlight;   // one-pixel line just inside the border along the top
  std::optional<Rgb> inner_ring;  // one-pixel ring just inside the border (focus, default)
};

// Paints the shape `inside` (a predicate over the area's own coordinates) over `area` in the
// box style; pixels outside the shape get `outside`.
template <typename Inside>
void PaintShape(Image& image, const Rect& area, Inside inside, const BoxStyle& style, Rgb outside);

// Paints a rounded box over `area`; pixels outside the rounded shape get `outside`. The border is
// the shape's outermost ring of pixels; the fill runs top, middle, bottom.
void PaintBox(Image& image, const Rect& area, const Corners& corners, const BoxStyle& style, Rgb outside);

// The same with corners cut off at 45 degrees.
void PaintCutBox(Image& image, const Rect& area, const Corners& cuts, const BoxStyle& style, Rgb outside);

// Whether pixel (x, y) lies inside the circle inscribed in a d × d square.
bool InsideDisc(int x, int y, int diameter);

// A three-stop vertical gradient: `top` at the first row, `middle` at half height, `bottom` at
// the last row.
Rgb ThreeStop(Rgb top, Rgb middle, Rgb bottom, int row, int rows);

enum class Direction { kLeft, kRight, kUp, kDown };

// A solid triangle pointing in `direction`, `size` pixels from base to tip, its base 2 × size - 1
// pixels long, centred in `area`.
void PaintArrow(Image& image, const Rect& area, Direction direction, int size, Rgb colour);

// The caption button symbols, drawn into a square of side `size` whose top-left is (x, y).
void PaintCloseSymbol(Image& image, int x, int y, int size, int thickness, Rgb colour);
void PaintMaximizeSymbol(Image& image, int x, int y, int size, Rgb colour);
void PaintMinimizeSymbol(Image& image, int x, int y, int size, Rgb colour);
void PaintRestoreSymbol(Image& image, int x, int y, int size, Rgb colour);

// A check mark 7 pixels wide and 6 high with its top-left at (x, y).
void PaintCheckMark(Image& image, int x, int y, Rgb colour);

// Three grip ridges centred in `area`: vertical ridges (for a horizontal thumb) or horizontal
// ones, each a dark line with a light line beside it.
void PaintGrip(Image& image, const Rect& area, bool vertical_ridges, int length, Rgb dark, Rgb light);

template <typename Inside>
void PaintShape(Image& image, const Rect& area, Inside inside, const BoxStyle& style, Rgb outside) {
  const int w = area.Width(), h = area.Height();
  // Depth of a pixel: 0 on the outermost ring of the shape, 1 on the ring inside it, 2 deeper.
  auto depth = [&](int x, int y) {
    for (int d = 0; d < 2; ++d) {
      if (!inside(x - 1 - d, y) || !inside(x + 1 + d, y) || !inside(x, y - 1 - d) || !inside(x, y + 1 + d)) return d;
    }
    return 2;
  };
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      Rgb colour = outside;
      if (inside(x, y)) {
        const int d = depth(x, y);
        colour = ThreeStop(style.fill_top, style.fill_middle, style.fill_bottom, y - 1, h - 2);
        if (d == 0) {
          colour = style.border;
        } else if (d == 1 && style.inner_ring) {
          colour = *style.inner_ring;
        } else if (d == 1 && style.highlight && !inside(x, y - 2)) {
          colour = *style.highlight;
        }
      }
      image.Set(area.left + x, area.top + y, colour);
    }
  }
}

}  // namespace skinart
