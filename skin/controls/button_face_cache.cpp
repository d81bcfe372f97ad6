#include "skin/controls/button_face_cache.h"

#include <algorithm>
#include <cstring>

#include "framework/handles.h"
#include "skin/controls/button_skinner.h"

namespace skin {

namespace {

int RowLength(const fw::TBitmap& bitmap) { return bitmap.Width() * bitmap.BytesPerPixel(); }

}  // namespace

bool BitmapSnapshot::Matches(const fw::TBitmap& bitmap) const {
  if (bitmap.Width() != width_ || bitmap.Height() != height_ || bitmap.PixelFormat() != format_) return false;
  const auto row = static_cast<size_t>(RowLength(bitmap));
  for (int y = 0; y < height_; ++y)
    if (std::memcmp(bitmap.ScanLine(y), pixels_.data() + row * static_cast<size_t>(y), row) != 0) return false;
  return true;
}

void BitmapSnapshot::Take(const fw::TBitmap& bitmap) {
  width_ = bitmap.Width();
  height_ = bitmap.Height();
  format_ = bitmap.PixelFormat();
  const auto row = static_cast<size_t>(RowLength(bitmap));
  pixels_.resize(row * static_cast<size_t>(height_));
  for (int y = 0; y < height_; ++y) std::memcpy(pixels_.data() + row * static_cast<size_t>(y), bitmap.ScanLine(y), row);
}

ButtonFaceCache::Frame* ButtonFaceCache::FrameFor(const SkinElementImage& element, int frames, int frame, SIZE size) {
  if (!element.Bitmap || frame < 1 || frame > kFrames || size.cx <= 0 || size.cy <= 0) return nullptr;
  const FrameMargins& m = element.Margins;
  const bool same = elementSource_.Matches(*element.Bitmap) && m.LeftWidth == margins_.LeftWidth &&
                    m.TopHeight == margins_.TopHeight && m.RightWidth == margins_.RightWidth &&
                    m.BottomHeight == margins_.BottomHeight && element.Tile == tile_ && element.Trans == trans_ &&
                    frames == frames_ && size.cx == size_.cx && size.cy == size_.cy;
  if (!same) {
    elementSource_.Take(*element.Bitmap);
    margins_ = m;
    tile_ = element.Tile;
    trans_ = element.Trans;
    frames_ = frames;
    size_ = size;
    framesMade_ = {};
  }
  Frame& made = framesMade_[static_cast<size_t>(frame)];
  if (!made.made) {
    fw::TBitmap stretched = StretchFrame(RECT{0, 0, size.cx, size.cy}, *element.Bitmap, m, FrameStrip::SideBySide,
                                         element.Tile ? CentreFill::Tile : CentreFill::Stretch, frames, frame);
    if (element.Trans == 1) {
      made.keyed = KeyedImage(std::move(stretched), kKeyColor);
    } else {
      made.stretched = std::move(stretched);
    }
    made.made = true;
  }
  return &made;
}

void ButtonFaceCache::Put(HDC dc, const Frame& made, SIZE size) {
  const RECT all{0, 0, size.cx, size.cy};
  if (!made.keyed.Empty()) {
    made.keyed.Draw(dc, all);
  } else if (!made.stretched.Empty()) {
    BitBlt(dc, 0, 0, size.cx, size.cy, made.stretched.DC(), 0, 0, SRCCOPY);
  }
}

void ButtonFaceCache::DrawFrame(HDC dc, const SkinElementImage& element, int frames, int frame, SIZE size) {
  if (const Frame* made = FrameFor(element, frames, frame, size)) Put(dc, *made, size);
}

void ButtonFaceCache::DrawFrameOnFace(HDC dc, const SkinElementImage& element, int frames, int frame, SIZE size,
                                      COLORREF face) {
  const RECT all{0, 0, size.cx, size.cy};
  Frame* made = FrameFor(element, frames, frame, size);
  if (!made) {
    fw::UniqueBrush brush(CreateSolidBrush(face));
    FillRect(dc, &all, brush.get());
    return;
  }
  if (made->onFaceColour != face) {
    made->onFace.SetSize(size.cx, size.cy);
    fw::UniqueBrush brush(CreateSolidBrush(face));
    FillRect(made->onFace.DC(), &all, brush.get());
    Put(made->onFace.DC(), *made, size);
    made->onFaceColour = face;
  }
  BitBlt(dc, 0, 0, size.cx, size.cy, made->onFace.DC(), 0, 0, SRCCOPY);
}

void ButtonFaceCache::DrawGlyph(HDC dc, POINT at, int count, int index, const fw::TBitmap& glyph) {
  count = std::max(count, 1);
  const std::array<COLORREF, 3> colours{GetSysColor(COLOR_BTNFACE), GetSysColor(COLOR_BTNHIGHLIGHT),
                                        GetSysColor(COLOR_BTNSHADOW)};
  if (count != glyphCount_ || colours != glyphColours_ || !glyphSource_.Matches(glyph)) {
    glyphSource_.Take(glyph);
    glyphCount_ = count;
    glyphColours_ = colours;
    glyphs_ = {};
  }
  if (index < 1 || index >= static_cast<int>(glyphs_.size())) {
    skin::DrawGlyph(dc, at, count, index, glyph);
    return;
  }
  GlyphPicture& made = glyphs_[static_cast<size_t>(index)];
  if (!made.made) {
    // Keyed once with the colour of its bottom-left pixel: the pixels DrawGlyphPicture gives.
    fw::TBitmap picture = GlyphFramePicture(count, index, glyph);
    const COLORREF key = picture.Empty() ? 0 : picture.Pixel(0, picture.Height() - 1);
    made.picture = KeyedImage(std::move(picture), key);
    made.made = true;
  }
  made.picture.Draw(dc, RECT{at.x, at.y, at.x + made.picture.Width(), at.y + made.picture.Height()});
}

}  // namespace skin
