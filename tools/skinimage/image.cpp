#include "tools/skinimage/image.h"

#include <algorithm>
#include <cstddef>
#include <utility>

namespace skinimage {

Rgb Mix(Rgb from, Rgb to, int weight, int scale) {
  if (scale <= 0) return from;
  weight = std::clamp(weight, 0, scale);
  auto channel = [&](int a, int b) { return (a * (scale - weight) + b * weight + scale / 2) / scale; };
  return MakeRgb(channel(RedOf(from), RedOf(to)), channel(GreenOf(from), GreenOf(to)),
                 channel(BlueOf(from), BlueOf(to)));
}

Image::Image(int width, int height, Rgb fill)
    : width_(std::max(width, 0)),
      height_(std::max(height, 0)),
      pixels_(static_cast<size_t>(width_) * static_cast<size_t>(height_), fill) {
  if (width_ == 0 || height_ == 0) {
    width_ = height_ = 0;
    pixels_.clear();
  }
}

Image::Image(int width, int height, std::vector<Rgb> pixels) {
  if (width <= 0 || height <= 0 || pixels.size() != static_cast<size_t>(width) * static_cast<size_t>(height)) return;
  width_ = width;
  height_ = height;
  pixels_ = std::move(pixels);
}

Rgb Image::At(int x, int y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return kBlack;
  return pixels_[static_cast<size_t>(y) * static_cast<size_t>(width_) + static_cast<size_t>(x)];
}

void Image::Set(int x, int y, Rgb colour) {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
  pixels_[static_cast<size_t>(y) * static_cast<size_t>(width_) + static_cast<size_t>(x)] = colour;
}

void Image::Fill(const Rect& area, Rgb colour) {
  const int x0 = std::max(area.left, 0), x1 = std::min(area.right, width_);
  const int y0 = std::max(area.top, 0), y1 = std::min(area.bottom, height_);
  for (int y = y0; y < y1; ++y)
    for (int x = x0; x < x1; ++x) Set(x, y, colour);
}

void Image::HorizontalLine(int x0, int x1, int y, Rgb colour) {
  if (x1 < x0) std::swap(x0, x1);
  Fill({x0, y, x1 + 1, y + 1}, colour);
}

void Image::VerticalLine(int x, int y0, int y1, Rgb colour) {
  if (y1 < y0) std::swap(y0, y1);
  Fill({x, y0, x + 1, y1 + 1}, colour);
}

void Image::Frame(const Rect& area, Rgb colour) {
  if (area.Empty()) return;
  HorizontalLine(area.left, area.right - 1, area.top, colour);
  HorizontalLine(area.left, area.right - 1, area.bottom - 1, colour);
  VerticalLine(area.left, area.top, area.bottom - 1, colour);
  VerticalLine(area.right - 1, area.top, area.bottom - 1, colour);
}

void Image::VerticalGradient(const Rect& area, Rgb top, Rgb bottom) {
  const int steps = area.Height() - 1;
  for (int y = area.top; y < area.bottom; ++y) {
    const Rgb colour = steps > 0 ? Mix(top, bottom, y - area.top, steps) : top;
    Fill({area.left, y, area.right, y + 1}, colour);
  }
}

void Image::HorizontalGradient(const Rect& area, Rgb left, Rgb right) {
  const int steps = area.Width() - 1;
  for (int x = area.left; x < area.right; ++x) {
    const Rgb colour = steps > 0 ? Mix(left, right, x - area.left, steps) : left;
    Fill({x, area.top, x + 1, area.bottom}, colour);
  }
}

void Image::Replace(const Rect& area, Rgb from, Rgb to) {
  for (int y = std::max(area.top, 0); y < std::min(area.bottom, height_); ++y)
    for (int x = std::max(area.left, 0); x < std::min(area.right, width_); ++x)
      if (At(x, y) == from) Set(x, y, to);
}

void Image::Draw(const Image& source, const Rect& from, int x, int y) {
  for (int sy = from.top; sy < from.bottom; ++sy)
    for (int sx = from.left; sx < from.right; ++sx)
      if (sx >= 0 && sy >= 0 && sx < source.width_ && sy < source.height_)
        Set(x + sx - from.left, y + sy - from.top, source.At(sx, sy));
}

void Image::DrawKeyed(const Image& source, const Rect& from, int x, int y, Rgb key) {
  for (int sy = from.top; sy < from.bottom; ++sy)
    for (int sx = from.left; sx < from.right; ++sx)
      if (sx >= 0 && sy >= 0 && sx < source.width_ && sy < source.height_ && source.At(sx, sy) != key)
        Set(x + sx - from.left, y + sy - from.top, source.At(sx, sy));
}

Image Image::Crop(const Rect& area) const {
  Image result(area.Width(), area.Height());
  result.Draw(*this, area, 0, 0);
  return result;
}

Image Image::Magnified(int factor) const {
  if (factor <= 1) return *this;
  Image result(width_ * factor, height_ * factor);
  for (int y = 0; y < height_; ++y)
    for (int x = 0; x < width_; ++x)
      result.Fill({x * factor, y * factor, (x + 1) * factor, (y + 1) * factor}, At(x, y));
  return result;
}

Image Image::MirroredHorizontally() const {
  Image result(width_, height_);
  for (int y = 0; y < height_; ++y)
    for (int x = 0; x < width_; ++x) result.Set(width_ - 1 - x, y, At(x, y));
  return result;
}

Image Image::FlippedVertically() const {
  Image result(width_, height_);
  for (int y = 0; y < height_; ++y)
    for (int x = 0; x < width_; ++x) result.Set(x, height_ - 1 - y, At(x, y));
  return result;
}

Image Image::Transposed() const {
  Image result(height_, width_);
  for (int y = 0; y < height_; ++y)
    for (int x = 0; x < width_; ++x) result.Set(y, x, At(x, y));
  return result;
}

}  // namespace skinimage
