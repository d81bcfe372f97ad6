#include "skin/controls/scroll_bar_paint.h"

#include <algorithm>
#include <cstdlib>
#include <exception>

#include "framework/graphics/color.h"
#include "framework/handles.h"
#include "skin/paint/skin_paint.h"

namespace skin {

namespace {

constexpr int kScrollbarFrames = 23;

// Frames of "Scrollbar": the base (normal) frame of each arrow and grip.
constexpr int kLeftArrowFrame = 1;
constexpr int kRightArrowFrame = 5;
constexpr int kUpArrowFrame = 9;
constexpr int kDownArrowFrame = 13;
constexpr int kHorzGripFrame = 17;
constexpr int kVertGripFrame = 20;

bool HasBitmap(const std::unique_ptr<TDataSkinObject>& element) {
  return element && element->Bitmap && !element->Bitmap->Empty();
}

void DrawPicture(HDC mdc, const TSkinData& data, const BarPicture& p) {
  const fw::TBitmap& strip = *data.Scrollbar->Bitmap;
  const int thickness = BarThickness(data, p.arrowSize);
  const RECT r{0, 0, p.width, p.height};
  RECT draw = r;
  (p.vertical ? draw.right : draw.bottom) = std::min<LONG>(thickness, p.vertical ? r.right : r.bottom);
  const int along = p.vertical ? draw.bottom : draw.right;

  // Track between the arrows.
  const auto& track = p.vertical ? data.VertScroll : data.HorzScroll;
  if (HasBitmap(track)) {
    RECT t = draw;
    (p.vertical ? t.top : t.left) += p.arrowSize;
    (p.vertical ? t.bottom : t.right) -= p.arrowSize;
    DrawSkinElement(mdc, t, 4, p.enabled ? 1 : 3, *track);
  }
  // Arrows at both ends: half the bar each when it is shorter than two arrows.
  const int a = ArrowLength(along, p.arrowSize);
  auto arrowFrame = [&](int base, int part) {
    if (p.hotPart != part || !p.enabled) return base;
    return base + (p.tracking ? 1 : 3);
  };
  RECT first = draw;
  RECT second = draw;
  (p.vertical ? first.bottom : first.right) = a;
  (p.vertical ? second.top : second.left) = along - a;
  DrawFrameKeyedDC(mdc, first, kScrollbarFrames, arrowFrame(p.vertical ? kUpArrowFrame : kLeftArrowFrame, kFirstArrow),
                   strip);
  DrawFrameKeyedDC(mdc, second, kScrollbarFrames,
                   arrowFrame(p.vertical ? kDownArrowFrame : kRightArrowFrame, kSecondArrow), strip);

  // Thumb and grip, only on an enabled bar.
  const auto& thumbElement = p.vertical ? data.VertScrollThumb : data.HorzScrollThumb;
  const ThumbSpan span = p.thumb;
  if (!p.enabled || span.end <= span.start || !HasBitmap(thumbElement)) return;
  const int limit = p.vertical ? r.bottom : r.right;
  if (span.start >= limit || span.end > limit) return;
  const int frame = p.hotPart == kThumb ? (p.tracking ? 2 : 3) : 1;
  const int frames = thumbElement->Frame > 0 ? thumbElement->Frame : 3;
  const RECT thumb = p.vertical ? RECT{0, span.start, thickness, span.end} : RECT{span.start, 0, span.end, thickness};
  SkinElementImage thumbImage = ElementImage(*thumbElement);
  thumbImage.Tile = 0;
  DrawSkinElement(mdc, thumb, frames, std::min(frame, frames), thumbImage);
  const int grip = strip.Height();
  const int offset = GripOffset(span, grip);
  if (offset < 0) return;
  const int gripFrame =
      (p.vertical ? kVertGripFrame : kHorzGripFrame) + (p.hotPart == kThumb ? (p.tracking ? 1 : 2) : 0);
  const int at = span.start + offset;
  const int across = (thickness - grip) / 2;
  const RECT g = p.vertical ? RECT{across, at, across + grip, at + grip} : RECT{at, across, at + grip, across + grip};
  if (g.right <= r.right && g.bottom <= r.bottom) DrawFrameKeyedDC(mdc, g, kScrollbarFrames, gripFrame, strip);
}

}  // namespace

bool CanDrawScrollBars(const TSkinData* data) { return data && HasBitmap(data->Scrollbar); }

int BarThickness(const TSkinData& data, int arrowSize) {
  const int height = HasBitmap(data.Scrollbar) ? data.Scrollbar->Bitmap->Height() : arrowSize;
  return std::abs(height - arrowSize) > 2 ? arrowSize : height;
}

void PaintBarPicture(HDC dc, POINT at, const TSkinData& data, const BarPicture& picture, SIZE stretchTo) {
  if (!CanDrawScrollBars(&data) || picture.width <= 0 || picture.height <= 0) return;
  fw::UniqueMemoryDC memory(CreateCompatibleDC(dc));
  fw::UniqueBitmap image(CreateCompatibleBitmap(dc, picture.width, picture.height));
  if (!memory || !image) return;
  const HGDIOBJ oldImage = SelectObject(memory.get(), image.get());
  const HDC mdc = memory.get();
  SetStretchBltMode(mdc, COLORONCOLOR);
  const RECT all{0, 0, picture.width, picture.height};
  fw::UniqueBrush face(CreateSolidBrush(fw::ColorToRGB(data.Colours[ciButtonFace])));
  FillRect(mdc, &all, face.get());
  try {
    DrawPicture(mdc, data, picture);
  } catch (const std::exception&) {
    // A bitmap the system refuses ends this paint; the bar keeps its last look.
    SelectObject(mdc, oldImage);
    return;
  }
  if (stretchTo.cx > 0 && stretchTo.cy > 0) {
    StretchBlt(dc, at.x, at.y, stretchTo.cx, stretchTo.cy, mdc, 0, 0, picture.width, picture.height, SRCCOPY);
  } else {
    BitBlt(dc, at.x, at.y, picture.width, picture.height, mdc, 0, 0, SRCCOPY);
  }
  SelectObject(mdc, oldImage);
}

}  // namespace skin
