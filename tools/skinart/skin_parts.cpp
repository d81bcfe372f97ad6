#include "tools/skinart/skin_parts.h"

namespace skinart {

using skinimage::kMagenta;

void PaintSymbol(Image& image, Symbol symbol, int x, int y, int size, int thickness, Rgb colour) {
  switch (symbol) {
    case Symbol::kClose:
      PaintCloseSymbol(image, x, y, size, thickness, colour);
      break;
    case Symbol::kMaximize:
      PaintMaximizeSymbol(image, x, y, size, colour);
      break;
    case Symbol::kMinimize:
      PaintMinimizeSymbol(image, x, y, size, colour);
      break;
    case Symbol::kRestore:
      PaintRestoreSymbol(image, x, y, size, colour);
      break;
  }
}

Rgb TrackRow(int row, const TrackShades& shades) {
  if (row <= 0 || row >= kTrackSize - 1) return shades.edge;
  return skinimage::Mix(shades.top, shades.bottom, row - 1, kTrackSize - 3);
}

Image TrackStrip(std::span<const TrackShades> frames) {
  Image image(static_cast<int>(frames.size()) * kTrackSize, kTrackSize);
  for (size_t i = 0; i < frames.size(); ++i) {
    const int left = static_cast<int>(i) * kTrackSize;
    for (int y = 0; y < kTrackSize; ++y) image.HorizontalLine(left, left + kTrackSize - 1, y, TrackRow(y, frames[i]));
  }
  return image;
}

Image ThumbsOverTrack(int width, int height, const TrackShades& track, std::span<const BoxStyle> styles,
                      const std::function<void(Image&, const Rect&, const BoxStyle&)>& paint) {
  Image image(static_cast<int>(styles.size()) * width, height);
  for (size_t i = 0; i < styles.size(); ++i) {
    const Rect frame = FrameRect(static_cast<int>(i), width, height);
    for (int y = 0; y < height; ++y) image.HorizontalLine(frame.left, frame.right - 1, y, TrackRow(y + 1, track));
    Image box(width, height - 2);
    for (int y = 0; y < box.Height(); ++y) box.HorizontalLine(0, width - 1, y, TrackRow(y + 2, track));
    Image shaped = box;
    paint(shaped, box.Bounds(), styles[i]);
    box.DrawKeyed(shaped, shaped.Bounds(), 0, 0, kMagenta);
    image.Draw(box, frame.left, 1);
  }
  return image;
}

Image SpinArrowStrip(bool horizontal, std::span<const Rgb, skin::StateFrames::kCount> glyphs) {
  using U = skin::UpDownFrames;
  const int fw = horizontal ? 6 : 7, fh = horizontal ? 7 : 6;
  Image image(fw * U::kCount, fh, kMagenta);
  for (int half = 0; half < 2; ++half) {
    const Direction direction = horizontal ? (half == 0 ? Direction::kLeft : Direction::kRight)
                                           : (half == 0 ? Direction::kUp : Direction::kDown);
    const int first = half == 0 ? U::kFirst : U::kSecond;
    for (int s = 0; s < skin::StateFrames::kCount; ++s)
      PaintArrow(image, FrameRect(first - 1 + s, fw, fh), direction, 4, glyphs[static_cast<size_t>(s)]);
  }
  return image;
}

Image PaintWindowFrame(const WindowShape& shape, const FrameColours& c) {
  const int w = shape.width, h = shape.height;
  const auto& inside = shape.inside;
  Image image(w, h, kMagenta);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      if (!inside(x, y)) continue;
      const bool edge = !inside(x - 1, y) || !inside(x + 1, y) || !inside(x, y - 1) || !inside(x, y + 1);
      Rgb colour;
      if (edge) {
        colour = c.outline;
      } else if (y < shape.caption) {
        if (!inside(x, y - 2))
          colour = c.highlight;
        else if (y == shape.caption - 1)
          colour = c.caption_base;
        else
          colour = ThreeStop(c.caption_top, c.caption_middle, c.caption_bottom, y - 2, shape.caption - 3);
      } else if (x == shape.left - 1 || x == w - shape.right || y == h - shape.bottom) {
        colour = c.border_inner;
      } else {
        colour = c.border;
      }
      image.Set(x, y, colour);
    }
  }
  // The client area, which the border pieces never cover.
  image.Fill({shape.left, shape.caption, w - shape.right, h - shape.bottom}, skinimage::kWhite);
  return image;
}

BorderPieces CutBorderPieces(const WindowShape& shape, const FrameColours& active, const FrameColours& inactive) {
  using A = skin::ActiveFrames;
  const int w = shape.width, h = shape.height, middle = w - shape.left - shape.right;
  BorderPieces pieces{Image(A::kCount * shape.left, h), Image(A::kCount * shape.right, h),
                      Image(middle, A::kCount * shape.caption), Image(middle, A::kCount * shape.bottom)};
  for (int i = 0; i < A::kCount; ++i) {
    const Image frame = PaintWindowFrame(shape, i + 1 == A::kActive ? active : inactive);
    pieces.left.Draw(frame, {0, 0, shape.left, h}, shape.left * i, 0);
    pieces.right.Draw(frame, {w - shape.right, 0, w, h}, shape.right * i, 0);
    pieces.top.Draw(frame, {shape.left, 0, w - shape.right, shape.caption}, 0, shape.caption * i);
    pieces.bottom.Draw(frame, {shape.left, h - shape.bottom, w - shape.right, h}, 0, shape.bottom * i);
  }
  return pieces;
}

}  // namespace skinart
