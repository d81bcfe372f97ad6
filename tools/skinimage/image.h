// A plain RGB raster with the few drawing operations the skin tools need. Colours are 0x00RRGGBB
// and every operation is integer-only, so that the same code draws the same pixels on every
// compiler and processor (the skin files built from it must be byte-identical everywhere).
#pragma once

#include <cstdint>
#include <vector>

namespace skinimage {

using Rgb = uint32_t;  // 0x00RRGGBB

constexpr Rgb MakeRgb(int red, int green, int blue) {
  return (static_cast<Rgb>(red & 0xFF) << 16) | (static_cast<Rgb>(green & 0xFF) << 8) | static_cast<Rgb>(blue & 0xFF);
}
constexpr int RedOf(Rgb colour) { return static_cast<int>((colour >> 16) & 0xFF); }
constexpr int GreenOf(Rgb colour) { return static_cast<int>((colour >> 8) & 0xFF); }
constexpr int BlueOf(Rgb colour) { return static_cast<int>(colour & 0xFF); }

// The key colour of skin bitmaps: pixels of this colour are transparent where a skin says so.
inline constexpr Rgb kMagenta = 0xFF00FF;
inline constexpr Rgb kWhite = 0xFFFFFF;
inline constexpr Rgb kBlack = 0x000000;

// `to` weighted `weight` out of `scale` against `from`, rounded to nearest.
Rgb Mix(Rgb from, Rgb to, int weight, int scale);

struct Rect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;

  [[nodiscard]] int Width() const { return right - left; }
  [[nodiscard]] int Height() const { return bottom - top; }
  [[nodiscard]] bool Empty() const { return right <= left || bottom <= top; }
  [[nodiscard]] bool Contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
  [[nodiscard]] Rect Inset(int dx, int dy) const { return {left + dx, top + dy, right - dx, bottom - dy}; }
  [[nodiscard]] Rect Offset(int dx, int dy) const { return {left + dx, top + dy, right + dx, bottom + dy}; }
  friend bool operator==(const Rect&, const Rect&) = default;
};

class Image {
 public:
  Image() = default;
  Image(int width, int height, Rgb fill = kBlack);
  // Takes `pixels` (rows from the top) when it holds width × height of them; else an empty image.
  Image(int width, int height, std::vector<Rgb> pixels);

  [[nodiscard]] int Width() const { return width_; }
  [[nodiscard]] int Height() const { return height_; }
  [[nodiscard]] Rect Bounds() const { return {0, 0, width_, height_}; }
  [[nodiscard]] bool Empty() const { return width_ == 0 || height_ == 0; }

  // Reading outside the image gives black; drawing outside it is clipped away.
  [[nodiscard]] Rgb At(int x, int y) const;
  void Set(int x, int y, Rgb colour);

  void Fill(const Rect& area, Rgb colour);
  void HorizontalLine(int x0, int x1, int y, Rgb colour);  // x0..x1 inclusive
  void VerticalLine(int x, int y0, int y1, Rgb colour);    // y0..y1 inclusive
  // One-pixel frame just inside `area`.
  void Frame(const Rect& area, Rgb colour);
  // Top-to-bottom gradient over `area`: the first row is `top`, the last `bottom`.
  void VerticalGradient(const Rect& area, Rgb top, Rgb bottom);
  // Left-to-right gradient over `area`.
  void HorizontalGradient(const Rect& area, Rgb left, Rgb right);
  // Replaces every pixel of `from` inside `area` by `to`.
  void Replace(const Rect& area, Rgb from, Rgb to);

  // Copies `source` (its `from` part) with its top-left corner at (x, y).
  void Draw(const Image& source, const Rect& from, int x, int y);
  void Draw(const Image& source, int x, int y) { Draw(source, source.Bounds(), x, y); }
  // As Draw, leaving the destination alone wherever the source holds `key`.
  void DrawKeyed(const Image& source, const Rect& from, int x, int y, Rgb key);

  [[nodiscard]] Image Crop(const Rect& area) const;
  // Each pixel becomes a factor × factor block.
  [[nodiscard]] Image Magnified(int factor) const;
  [[nodiscard]] Image MirroredHorizontally() const;
  [[nodiscard]] Image FlippedVertically() const;
  // Exchanges x and y (the transpose): a horizontal design becomes a vertical one.
  [[nodiscard]] Image Transposed() const;

  [[nodiscard]] const std::vector<Rgb>& Pixels() const { return pixels_; }
  friend bool operator==(const Image&, const Image&) = default;

 private:
  int width_ = 0;
  int height_ = 0;
  std::vector<Rgb> pixels_;
};

}  // namespace skinimage
