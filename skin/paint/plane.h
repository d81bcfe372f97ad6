// Points, sizes and rectangles of the skin engine's geometry, free of any platform header so that
// the geometry builds and is tested natively. A rectangle holds its left and top edges and
// excludes its right and bottom edges, as the platform's rectangles do.
#pragma once

#include <ostream>

namespace skin {

struct Point {
  int X = 0;
  int Y = 0;
  friend bool operator==(const Point&, const Point&) = default;
};

struct Size {
  int Width = 0;
  int Height = 0;
  [[nodiscard]] constexpr bool Empty() const { return Width <= 0 || Height <= 0; }
  friend bool operator==(const Size&, const Size&) = default;
};

struct Rect {
  int Left = 0;
  int Top = 0;
  int Right = 0;
  int Bottom = 0;

  [[nodiscard]] constexpr int Width() const { return Right - Left; }
  [[nodiscard]] constexpr int Height() const { return Bottom - Top; }
  [[nodiscard]] constexpr Size Extent() const { return Size{Width(), Height()}; }
  [[nodiscard]] constexpr Point TopLeft() const { return Point{Left, Top}; }
  // No area: zero or negative width or height.
  [[nodiscard]] constexpr bool Empty() const { return Right <= Left || Bottom <= Top; }
  // The right edge left of the left edge, or the bottom above the top: painters draw nothing.
  [[nodiscard]] constexpr bool Inverted() const { return Right < Left || Bottom < Top; }
  [[nodiscard]] constexpr bool Contains(Point p) const {
    return p.X >= Left && p.X < Right && p.Y >= Top && p.Y < Bottom;
  }
  [[nodiscard]] constexpr Rect Offset(int dx, int dy) const {
    return Rect{Left + dx, Top + dy, Right + dx, Bottom + dy};
  }
  static constexpr Rect At(Point origin, Size size) {
    return Rect{origin.X, origin.Y, origin.X + size.Width, origin.Y + size.Height};
  }
  friend bool operator==(const Rect&, const Rect&) = default;
};

// Test failures and diagnostics print these readably.
inline std::ostream& operator<<(std::ostream& out, const Point& p) { return out << "(" << p.X << ", " << p.Y << ")"; }
inline std::ostream& operator<<(std::ostream& out, const Size& s) { return out << s.Width << " x " << s.Height; }
inline std::ostream& operator<<(std::ostream& out, const Rect& r) {
  return out << "(" << r.Left << ", " << r.Top << ", " << r.Right << ", " << r.Bottom << ")";
}

}  // namespace skin
