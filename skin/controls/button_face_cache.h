// What a button skinner keeps from one paint to the next: the skin's button frame stretched to the
// button's size for each state (also composed over the face colour), and the glyph picture of each
// glyph frame. Making them is most of a paint; drawing them is a blit or two.
//
// Every entry remembers exactly what it was made from (the source bitmap's pixels included) and
// is made again as soon as any of it differs, so a new skin, another size or colour, or a glyph
// changed in place never shows a stale picture.
#pragma once

#include <windows.h>

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "framework/graphics/bitmap.h"
#include "skin/paint/skin_paint.h"

namespace skin {

// The pixels of a bitmap as they were when taken.
class BitmapSnapshot {
 public:
  [[nodiscard]] bool Matches(const fw::TBitmap& bitmap) const;
  void Take(const fw::TBitmap& bitmap);

 private:
  int width_ = -1, height_ = -1;
  fw::TPixelFormat format_ = fw::pf24bit;
  std::vector<std::uint8_t> pixels_;  // rows without their padding
};

class ButtonFaceCache {
 public:
  static constexpr int kFrames = 5;

  // Frame `frame` of `frames` of the element stretched into (0, 0, size) and put onto `dc` as
  // DrawSkinElement puts it.
  void DrawFrame(HDC dc, const SkinElementImage& element, int frames, int frame, SIZE size);
  // The face colour filled over (0, 0, size), then the frame as DrawFrame puts it, copied to `dc`.
  void DrawFrameOnFace(HDC dc, const SkinElementImage& element, int frames, int frame, SIZE size, COLORREF face);
  // Frame `index` (1-based) of a strip of `count` glyphs, drawn at `at` as DrawGlyph draws it.
  void DrawGlyph(HDC dc, POINT at, int count, int index, const fw::TBitmap& glyph);

 private:
  struct Frame {
    fw::TBitmap stretched;  // opaque elements
    KeyedImage keyed;       // elements keyed with magenta
    fw::TBitmap onFace;     // the frame over the face colour
    std::optional<COLORREF> onFaceColour;
    bool made = false;
  };
  // The frame for the element at that size, made when missing; nullptr when it has no pixels.
  Frame* FrameFor(const SkinElementImage& element, int frames, int frame, SIZE size);
  static void Put(HDC dc, const Frame& made, SIZE size);

  BitmapSnapshot elementSource_;
  FrameMargins margins_{};
  int tile_ = 0, trans_ = 0, frames_ = 0;
  SIZE size_{};
  std::array<Frame, kFrames + 1> framesMade_;  // by frame number

  struct GlyphPicture {
    KeyedImage picture;
    bool made = false;
  };
  BitmapSnapshot glyphSource_;
  int glyphCount_ = 0;
  std::array<COLORREF, 3> glyphColours_{};  // the system colours a disabled glyph is embossed with
  std::array<GlyphPicture, 5> glyphs_;      // by glyph frame
};

}  // namespace skin
