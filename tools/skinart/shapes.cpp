#include "tools/skinart/shapes.h"

#include <algorithm>

namespace skinart {
namespace {

// Pixel (x, y) against the quarter circle of a corner of radius r, whose square occupies
// [0, r) × [0, r) with the circle's centre at (r, r). A pixel counts when its centre lies half a
// pixel inside the arc, so that even small radii visibly round the corner (r = 1 cuts the corner
// pixel, r = 2 three pixels). Doubled coordinates keep it integral.
bool InsideCorner(int x, int y, int r) {
  const int dx = 2 * x + 1 - 2 * r;
  const int dy = 2 * y + 1 - 2 * r;
  return dx * dx + dy * dy <= (2 * r - 1) * (2 * r - 1);
}

}  // namespace

bool InsideRoundedBox(int x, int y, int width, int height, const Corners& corners) {
  if (x < 0 || y < 0 || x >= width || y >= height) return false;
  const int mx = width - 1 - x;   // distance from the right edge
  const int my = height - 1 - y;  // distance from the bottom edge
  if (x < corners.top_left && y < corners.top_left) return InsideCorner(x, y, corners.top_left);
  if (mx < corners.top_right && y < corners.top_right) return InsideCorner(mx, y, corners.top_right);
  if (mx < corners.bottom_right && my < corners.bottom_right) return InsideCorner(mx, my, corners.bottom_right);
  if (x < corners.bottom_left && my < corners.bottom_left) return InsideCorner(x, my, corners.bottom_left);
  return true;
}

bool InsideCutBox(int x, int y, int width, int height, const Corners& cuts) {
  if (x < 0 || y < 0 || x >= width || y >= height) return false;
  const int mx = width - 1 - x;   // distance from the right edge
  const int my = height - 1 - y;  // distance from the bottom edge
  return x + y >= cuts.top_left && mx + y >= cuts.top_right && mx + my >= cuts.bottom_right &&
         x + my >= cuts.bottom_left;
}

Rect FrameRect(int index, int frame_width, int height) {
  return {index * frame_width, 0, (index + 1) * frame_width, height};
}

Image TransposeFrames(const Image& strip, int frames) {
  const int fw = strip.Width() / frames;
  Image result(strip.Height() * frames, fw);
  for (int i = 0; i < frames; ++i)
    result.Draw(strip.Crop(FrameRect(i, fw, strip.Height())).Transposed(), i * strip.Height(), 0);
  return result;
}

Rgb ThreeStop(Rgb top, Rgb middle, Rgb bottom, int row, int rows) {
  if (rows <= 1) return top;
  const int half = (rows - 1) / 2;
  if (row <= half) return half > 0 ? skinimage::Mix(top, middle, row, half) : top;
  return skinimage::Mix(middle, bottom, row - half, rows - 1 - half);
}

void PaintBox(Image& image, const Rect& area, const Corners& corners, const BoxStyle& style, Rgb outside) {
  const int w = area.Width(), h = area.Height();
  PaintShape(
      image, area, [&](int x, int y) { return InsideRoundedBox(x, y, w, h, corners); }, style, outside);
}

void PaintCutBox(Image& image, const Rect& area, const Corners& cuts, const BoxStyle& style, Rgb outside) {
  const int w = area.Width(), h = area.Height();
  PaintShape(
      image, area, [&](int x, int y) { return InsideCutBox(x, y, w, h, cuts); }, style, outside);
}

bool InsideDisc(int x, int y, int diameter) {
  const int dx = 2 * x + 1 - diameter;
  const int dy = 2 * y + 1 - diameter;
  return x >= 0 && y >= 0 && x < diameter && y < diameter && dx * dx + dy * dy <= diameter * diameter;
}

void PaintArrow(Image& image, const Rect& area, Direction direction, int size, Rgb colour) {
  const int base = 2 * size - 1;
  const bool vertical = direction == Direction::kUp || direction == Direction::kDown;
  const int box_w = vertical ? base : size;
  const int box_h = vertical ? size : base;
  const int left = area.left + (area.Width() - box_w) / 2;
  const int top = area.top + (area.Height() - box_h) / 2;
  for (int step = 0; step < size; ++step) {
    // Row `step` counted from the tip has 2 × step + 1 pixels.
    const int from = size - 1 - step, to = size - 1 + step;
    switch (direction) {
      case Direction::kUp:
        image.HorizontalLine(left + from, left + to, top + step, colour);
        break;
      case Direction::kDown:
        image.HorizontalLine(left + from, left + to, top + size - 1 - step, colour);
        break;
      case Direction::kLeft:
        image.VerticalLine(left + step, top + from, top + to, colour);
        break;
      case Direction::kRight:
        image.VerticalLine(left + size - 1 - step, top + from, top + to, colour);
        break;
    }
  }
}

void PaintCloseSymbol(Image& image, int x, int y, int size, int thickness, Rgb colour) {
  for (int i = 0; i < size; ++i) {
    for (int t = 0; t < thickness; ++t) {
      const int along = std::min(i + t, size - 1);
      image.Set(x + along, y + i, colour);
      image.Set(x + size - 1 - along, y + i, colour);
    }
  }
}

void PaintMaximizeSymbol(Image& image, int x, int y, int size, Rgb colour) {
  image.Frame({x, y, x + size, y + size - 1}, colour);
  image.HorizontalLine(x, x + size - 1, y + 1, colour);
}

void PaintMinimizeSymbol(Image& image, int x, int y, int size, Rgb colour) {
  const int inset = size / 6;
  image.Fill({x + inset, y + size - 3, x + size - inset, y + size - 1}, colour);
}

void PaintRestoreSymbol(Image& image, int x, int y, int size, Rgb colour) {
  // Two overlapping windows: the back one up and to the right, the front one down and to the
  // left, each with a thicker title edge when there is room for it.
  const int offset = size / 3;
  const int span = size - offset;  // side of each window
  const Rect front = {x, y + offset, x + span, y + size};
  const Rect back = {x + offset, y, x + size, y + span};
  const int title = size >= 8 ? 2 : 1;
  auto outline = [&](const Rect& r, int px, int py) {
    return px == r.left || px == r.right - 1 || py == r.bottom - 1 || (py >= r.top && py < r.top + title);
  };
  for (int py = y; py < y + size; ++py) {
    for (int px = x; px < x + size; ++px) {
      if (front.Contains(px, py)) {
        if (outline(front, px, py)) image.Set(px, py, colour);
      } else if (back.Contains(px, py) && outline(back, px, py)) {
        image.Set(px, py, colour);
      }
    }
  }
}

void PaintCheckMark(Image& image, int x, int y, Rgb colour) {
  static constexpr const char* kRows[] = {
      "......#", ".....##", "#...##.", "##.##..", ".###...", "..#....",
  };
  for (int row = 0; row < 6; ++row)
    for (int column = 0; column < 7; ++column)
      if (kRows[row][column] == '#') image.Set(x + column, y + row, colour);
}

void PaintGrip(Image& image, const Rect& area, bool vertical_ridges, int length, Rgb dark, Rgb light) {
  // Three ridges two pixels apart, each a dark line and a light line: 8 pixels across.
  const int across = 8;
  if (vertical_ridges) {
    const int x0 = area.left + (area.Width() - across) / 2;
    const int y0 = area.top + (area.Height() - length) / 2;
    for (int i = 0; i < 3; ++i) {
      image.VerticalLine(x0 + 3 * i, y0, y0 + length - 1, dark);
      image.VerticalLine(x0 + 3 * i + 1, y0, y0 + length - 1, light);
    }
  } else {
    const int y0 = area.top + (area.Height() - across) / 2;
    const int x0 = area.left + (area.Width() - length) / 2;
    for (int i = 0; i < 3; ++i) {
      image.HorizontalLine(x0, x0 + length - 1, y0 + 3 * i, dark);
      image.HorizontalLine(x0, x0 + length - 1, y0 + 3 * i + 1, light);
    }
  }
}

}  // namespace skinart
