#include "skin/paint/skin_paint.h"

#include <algorithm>
#include <utility>

#include "framework/handles.h"
#include "skin/paint/platform_family.h"

namespace skin {
namespace {

// Source copied where the mask is black, destination kept where it is white.
constexpr DWORD kKeepDestinationWhereMaskIsWhite = 0xCCAA0029;

int Width(const RECT& rect) { return rect.right - rect.left; }
int Height(const RECT& rect) { return rect.bottom - rect.top; }
bool Inverted(const RECT& rect) { return rect.right < rect.left || rect.bottom < rect.top; }

// An off-screen image to compose into; stretching copies into it use COLORONCOLOR.
fw::TBitmap NewImage(int width, int height) {
  fw::TBitmap image(width, height, fw::pf32bit);
  ::SetStretchBltMode(image.DC(), COLORONCOLOR);
  return image;
}

// Copies `source` of one DC into `dest` of another, stretched; parts without area are skipped,
// so that a negative size never mirrors a part.
void StretchPart(HDC to, const RECT& dest, HDC from, const RECT& source) {
  if (Width(dest) <= 0 || Height(dest) <= 0 || Width(source) <= 0 || Height(source) <= 0) return;
  ::StretchBlt(to, dest.left, dest.top, Width(dest), Height(dest), from, source.left, source.top, Width(source),
               Height(source), SRCCOPY);
}

// The frame stretched to (width, height) in a new image; empty when there is no frame.
fw::TBitmap StretchedFrameCopy(const fw::TBitmap& bitmap, const RECT& frame, int width, int height) {
  if (width <= 0 || height <= 0 || ::IsRectEmpty(&frame)) return {};
  fw::TBitmap image = NewImage(width, height);
  StretchPart(image.DC(), RECT{0, 0, width, height}, bitmap.DC(), frame);
  return image;
}

// Puts a composed image onto the DC at the rectangle: keyed with kKeyColor, or copied.
void PutImage(HDC dc, const RECT& rect, const fw::TBitmap& image, Keying keying) {
  if (image.Empty()) return;
  if (keying == Keying::Transparent) {
    DrawTransparent(dc, rect, image, kKeyColor);
  } else {
    ::BitBlt(dc, rect.left, rect.top, Width(rect), Height(rect), image.DC(), 0, 0, SRCCOPY);
  }
}

// With one tile of `tile_width` drawn at (left, top) in the image, repeats it to the right until
// the tiles reach `right` (the last one may pass it), doubling the copied run each time.
void RepeatAcross(fw::TBitmap& image, int left, int top, int tile_width, int height, int right) {
  if (tile_width <= 0) return;
  const int needed = (right - left + tile_width - 1) / tile_width * tile_width;
  const int limit = std::min(needed, image.Width() - left);
  HDC dc = image.DC();
  for (int covered = tile_width; covered < limit;) {
    const int run = std::min(covered, needed - covered);
    ::BitBlt(dc, left + covered, top, run, height, dc, left, top, SRCCOPY);
    covered += run;
  }
}

// The same downwards, for a row of tiles `width` wide.
void RepeatDown(fw::TBitmap& image, int left, int top, int width, int tile_height, int bottom) {
  if (tile_height <= 0) return;
  const int needed = (bottom - top + tile_height - 1) / tile_height * tile_height;
  const int limit = std::min(needed, image.Height() - top);
  HDC dc = image.DC();
  for (int covered = tile_height; covered < limit;) {
    const int run = std::min(covered, needed - covered);
    ::BitBlt(dc, left, top + covered, width, run, dc, left, top, SRCCOPY);
    covered += run;
  }
}

// Copies the parts of a sliced frame from the bitmap into the image, in their order.
void PaintParts(fw::TBitmap& image, const fw::TBitmap& bitmap, const SliceList& parts) {
  HDC to = image.DC();
  HDC from = bitmap.DC();
  for (const SlicePart& part : parts) {
    const RECT target = ToRECT(part.Target);
    const RECT source = ToRECT(part.Source);
    switch (part.Fill) {
      case PartFill::Stretch:
        StretchPart(to, target, from, source);
        break;
      case PartFill::Tile:
        TileRect(image.Canvas(), target, bitmap, source);
        break;
      case PartFill::RepeatAcross: {
        // One copy of the source's width, then copies of it to the right.
        const int tile = Width(source);
        StretchPart(to, RECT{target.left, target.top, target.left + tile, target.bottom}, from, source);
        RepeatAcross(image, target.left, target.top, tile, Height(target), target.right);
        break;
      }
    }
  }
}

// A monochrome mask of the bitmap's top-left width × height pixels: white (1) where the bitmap
// has the key colour, black (0) elsewhere. Read straight from the pixel rows, which is what a
// colour-to-monochrome blit with the key as background colour gives, only much faster.
fw::UniqueBitmap KeyMask(const fw::TBitmap& bitmap, int width, int height, COLORREF key) {
  struct {
    BITMAPINFOHEADER header;
    RGBQUAD colours[2];
  } info{};
  info.header.biSize = sizeof(BITMAPINFOHEADER);
  info.header.biWidth = width;
  info.header.biHeight = -height;  // top-down
  info.header.biPlanes = 1;
  info.header.biBitCount = 1;
  info.header.biCompression = BI_RGB;
  info.colours[1] = RGBQUAD{255, 255, 255, 0};
  void* bits = nullptr;
  fw::UniqueBitmap mask(
      ::CreateDIBSection(nullptr, reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!mask || !bits) throw fw::EOutOfResources("cannot create a transparency mask");

  const int stride = ((width + 31) / 32) * 4;
  const int pixel_size = bitmap.BytesPerPixel();
  const std::uint8_t blue = GetBValue(key), green = GetGValue(key), red = GetRValue(key);
  for (int y = 0; y < height; ++y) {
    const std::uint8_t* pixel = bitmap.ScanLine(y);
    std::uint8_t* row = static_cast<std::uint8_t*>(bits) + static_cast<std::ptrdiff_t>(y) * stride;
    std::fill(row, row + stride, std::uint8_t{0});
    for (int x = 0; x < width; ++x, pixel += pixel_size) {
      if (pixel[0] == blue && pixel[1] == green && pixel[2] == red) {
        row[x >> 3] |= static_cast<std::uint8_t>(0x80 >> (x & 7));
      }
    }
  }
  return mask;
}

// The frame with its middle repeated (TileFrameHorz) in a new image of width × height.
fw::TBitmap RepeatedMiddleImage(int width, int height, const fw::TBitmap& bitmap, FrameStrip strip, int frame_count,
                                int frame_index, const FrameMargins& margins) {
  const RECT frame = FrameRect(bitmap, strip, frame_count, frame_index);
  const SliceList parts = RepeatedMiddleParts(Size{width, height}, FromRECT(frame), margins);
  if (width <= 0 || height <= 0 || parts.size() == 0) return {};
  fw::TBitmap image = NewImage(width, height);
  PaintParts(image, bitmap, parts);
  return image;
}

// Puts the top-left width × height pixels of `source` onto the DC at (left, top), leaving the
// destination where the mask (KeyMask, selected into `mask_dc`) is white, in three blits:
// dest ^ source, masked to the key pixels, ^ source again: the key pixels get their destination
// back, all others the source.
void PutMaskedByBlits(HDC dc, int left, int top, int width, int height, HDC source, HDC mask_dc) {
  const COLORREF background = ::SetBkColor(dc, RGB(255, 255, 255));
  const COLORREF text = ::SetTextColor(dc, RGB(0, 0, 0));
  ::BitBlt(dc, left, top, width, height, source, 0, 0, SRCINVERT);
  ::BitBlt(dc, left, top, width, height, mask_dc, 0, 0, SRCAND);
  ::BitBlt(dc, left, top, width, height, source, 0, 0, SRCINVERT);
  ::SetTextColor(dc, text);
  ::SetBkColor(dc, background);
}

fw::UniqueMemoryDC MaskDC() {
  fw::UniqueMemoryDC mask_dc(::CreateCompatibleDC(nullptr));
  if (!mask_dc) throw fw::EOutOfResources("cannot create a DC for a transparency mask");
  return mask_dc;
}

// The same with MaskBlt on the NT family, which never shows the destination half done.
void PutMasked(HDC dc, int left, int top, int width, int height, HDC source, HBITMAP mask) {
  if (IsWindowsNT()) {
    ::MaskBlt(dc, left, top, width, height, source, 0, 0, mask, 0, 0, kKeepDestinationWhereMaskIsWhite);
    return;
  }
  const fw::UniqueMemoryDC mask_dc = MaskDC();
  fw::SelectObjectGuard select(mask_dc.get(), mask);
  PutMaskedByBlits(dc, left, top, width, height, source, mask_dc.get());
}

// Lets the parent erase and paint itself into the DC with the origin moved to (left, top) of the
// parent and the drawing clipped to the control's client rectangle there.
template <typename Perform>
void PaintParentUnder(int left, int top, RECT client, HDC dc, Perform perform) {
  fw::SavedDCState saved(dc);
  POINT origin{};
  ::GetViewportOrgEx(dc, &origin);
  ::SetViewportOrgEx(dc, origin.x - left, origin.y - top, nullptr);
  ::OffsetRect(&client, left, top);
  ::IntersectClipRect(dc, client.left, client.top, client.right, client.bottom);
  perform(WM_ERASEBKGND);
  perform(WM_PAINT);
}

}  // namespace

RECT FrameRect(const fw::TBitmap& bitmap, FrameStrip strip, int count, int index) {
  return ToRECT(FrameRect(Size{bitmap.Width(), bitmap.Height()}, strip, count, index));
}

fw::TBitmap StretchFrame(const RECT& dest, const fw::TBitmap& bitmap, const FrameMargins& margins, FrameStrip strip,
                         CentreFill centre, int frame_count, int frame_index) {
  const RECT frame = FrameRect(bitmap, strip, frame_count, frame_index);
  const SliceList parts = NineSliceParts(Size{Width(dest), Height(dest)}, FromRECT(frame), margins, centre);
  if (parts.size() == 0) return {};
  fw::TBitmap result = NewImage(Width(dest), Height(dest));
  PaintParts(result, bitmap, parts);
  return result;
}

void DrawSkinFrame(HDC dc, const RECT& rect, const fw::TBitmap& bitmap, FrameStrip strip, CentreFill centre,
                   Keying keying, int frame_count, int frame_index, const FrameMargins& margins) {
  if (!dc || Inverted(rect)) return;
  const fw::TBitmap image = StretchFrame(rect, bitmap, margins, strip, centre, frame_count, frame_index);
  PutImage(dc, rect, image, keying);
}

void DrawSkinElement(HDC dc, const RECT& rect, int frame_count, int frame_index, const SkinElementImage& element) {
  if (!element.Bitmap) return;
  DrawSkinFrame(dc, rect, *element.Bitmap, FrameStrip::SideBySide,
                element.Tile ? CentreFill::Tile : CentreFill::Stretch,
                element.Trans == 1 ? Keying::Transparent : Keying::Opaque, frame_count, frame_index, element.Margins);
}

void DrawFrameStretched(HDC dc, const RECT& rect, const fw::TBitmap& bitmap, Keying keying, int frame_count,
                        int frame_index) {
  if (!dc || Inverted(rect)) return;
  const RECT frame = FrameRect(bitmap, FrameStrip::SideBySide, frame_count, frame_index);
  PutImage(dc, rect, StretchedFrameCopy(bitmap, frame, Width(rect), Height(rect)), keying);
}

void DrawFrameCentered(HDC dc, const RECT& rect, const fw::TBitmap& bitmap, Keying keying, int frame_count,
                       int frame_index) {
  if (!dc || Inverted(rect)) return;
  const RECT frame = FrameRect(bitmap, FrameStrip::SideBySide, frame_count, frame_index);
  const fw::TBitmap image = StretchedFrameCopy(bitmap, frame, Width(frame), Height(frame));
  const int x = rect.left + (Width(rect) - Width(frame)) / 2;
  const int y = rect.top + (Height(rect) - Height(frame)) / 2;
  PutImage(dc, RECT{x, y, x + Width(frame), y + Height(frame)}, image, keying);
}

void DrawFrameThreePart(HDC dc, const RECT& rect, const fw::TBitmap& bitmap, FrameStrip strip, int frame_count,
                        int frame_index, int left_width, int right_width) {
  if (!dc || Inverted(rect)) return;
  const RECT frame = FrameRect(bitmap, strip, frame_count, frame_index);
  const SliceList parts = ThreeColumnParts(Size{Width(rect), Height(rect)}, FromRECT(frame), left_width, right_width);
  if (parts.size() == 0) return;
  fw::TBitmap image = NewImage(Width(rect), Height(rect));
  PaintParts(image, bitmap, parts);
  PutImage(dc, rect, image, Keying::Opaque);
}

void TileFrameHorz(fw::TCanvas& canvas, const RECT& rect, const fw::TBitmap& bitmap, FrameStrip strip, Keying keying,
                   int frame_count, int frame_index, const FrameMargins& margins) {
  if (!canvas.Handle() || Inverted(rect)) return;
  fw::TBitmap image = RepeatedMiddleImage(Width(rect), Height(rect), bitmap, strip, frame_count, frame_index, margins);
  if (image.Empty()) return;
  if (keying == Keying::Transparent) {
    KeyedImage(std::move(image), kKeyColor).Draw(canvas.Handle(), rect);
  } else {
    canvas.Draw(rect.left, rect.top, image);
  }
}

KeyedImage KeyedFrameHorz(int width, int height, const fw::TBitmap& bitmap, FrameStrip strip, int frame_count,
                          int frame_index, const FrameMargins& margins) {
  return KeyedImage(RepeatedMiddleImage(width, height, bitmap, strip, frame_count, frame_index, margins), kKeyColor);
}

void TileRect(fw::TCanvas& canvas, const RECT& dest, const fw::TBitmap& bitmap, const RECT& source) {
  HDC dc = canvas.Handle();
  const int tile_width = Width(source);
  const int tile_height = Height(source);
  if (!dc || tile_width <= 0 || tile_height <= 0 || Width(dest) <= 0 || Height(dest) <= 0) return;

  // Only the tiles that meet the DC's clip box are drawn.
  const int columns = (Width(dest) + tile_width - 1) / tile_width;
  const int rows = (Height(dest) + tile_height - 1) / tile_height;
  int first_column = 0, last_column = columns - 1, first_row = 0, last_row = rows - 1;
  RECT clip{};
  const int clip_kind = ::GetClipBox(dc, &clip);
  if (clip_kind == NULLREGION) return;
  if (clip_kind != ERROR) {
    if (clip.right <= dest.left || clip.bottom <= dest.top) return;
    first_column = std::max(0, static_cast<int>(clip.left - dest.left) / tile_width);
    last_column = std::min(last_column, static_cast<int>(clip.right - 1 - dest.left) / tile_width);
    first_row = std::max(0, static_cast<int>(clip.top - dest.top) / tile_height);
    last_row = std::min(last_row, static_cast<int>(clip.bottom - 1 - dest.top) / tile_height);
    if (first_column > last_column || first_row > last_row) return;
  }

  const int width = (last_column - first_column + 1) * tile_width;
  const int height = (last_row - first_row + 1) * tile_height;
  fw::TBitmap tiles = NewImage(width, height);
  ::BitBlt(tiles.DC(), 0, 0, tile_width, tile_height, bitmap.DC(), source.left, source.top, SRCCOPY);
  RepeatAcross(tiles, 0, 0, tile_width, tile_height, width);
  RepeatDown(tiles, 0, 0, width, tile_height, height);
  canvas.Draw(dest.left + first_column * tile_width, dest.top + first_row * tile_height, tiles);
}

void DrawTransparent(HDC dc, const RECT& rect, const fw::TBitmap& bitmap, COLORREF key) {
  if (!dc || Inverted(rect) || bitmap.Empty()) return;
  const int w = std::min(Width(rect), bitmap.Width());
  const int h = std::min(Height(rect), bitmap.Height());
  if (w <= 0 || h <= 0) return;
  const fw::UniqueBitmap mask = KeyMask(bitmap, w, h, key);
  PutMasked(dc, rect.left, rect.top, w, h, bitmap.DC(), mask.get());
}

KeyedImage::KeyedImage(fw::TBitmap image, COLORREF key) : image_(std::move(image)) {
  if (image_.Empty()) return;
  mask_ = KeyMask(image_, image_.Width(), image_.Height(), key);
  mask_dc_ = MaskDC();
  ::SelectObject(mask_dc_.get(), mask_.get());
}

void KeyedImage::Draw(HDC dc, const RECT& rect) const {
  if (!dc || Inverted(rect) || image_.Empty()) return;
  // The mask's top-left part is the mask DrawTransparent would read out of that part.
  const int w = std::min(skin::Width(rect), image_.Width());
  const int h = std::min(skin::Height(rect), image_.Height());
  if (w <= 0 || h <= 0) return;
  // Nobody sees an off-screen image half done: there the three plain blits, much cheaper than
  // MaskBlt, give the same pixels.
  if (IsWindowsNT() && ::GetObjectType(dc) != OBJ_MEMDC) {
    ::MaskBlt(dc, rect.left, rect.top, w, h, image_.DC(), 0, 0, mask_.get(), 0, 0, kKeepDestinationWhereMaskIsWhite);
    return;
  }
  PutMaskedByBlits(dc, rect.left, rect.top, w, h, image_.DC(), mask_dc_.get());
}

KeyedImage KeyedFrame(const fw::TBitmap& bitmap, int frame_count, int frame_index, int width, int height) {
  const RECT frame = FrameRect(bitmap, FrameStrip::SideBySide, frame_count, frame_index);
  return KeyedImage(StretchedFrameCopy(bitmap, frame, width, height), kKeyColor);
}

void DrawFrameKeyed(fw::TCanvas& canvas, const RECT& rect, int frame_count, int frame_index,
                    const fw::TBitmap& bitmap) {
  if (!canvas.Handle() || Inverted(rect)) return;
  const RECT frame = FrameRect(bitmap, FrameStrip::SideBySide, frame_count, frame_index);
  fw::TBitmap image = StretchedFrameCopy(bitmap, frame, Width(rect), Height(rect));
  if (image.Empty()) return;
  image.SetTransparent(true);
  image.SetTransparentColor(static_cast<fw::TColor>(kKeyColor));
  canvas.Draw(rect.left, rect.top, image);
}

void DrawFrameKeyedDC(HDC dc, const RECT& rect, int frame_count, int frame_index, const fw::TBitmap& bitmap) {
  if (!dc) return;
  fw::TCanvas canvas(dc);
  DrawFrameKeyed(canvas, rect, frame_count, frame_index, bitmap);
}

void DrawFrameMasked(HDC dc, const RECT& rect, int frame_count, int frame_index, const fw::TBitmap& bitmap) {
  if (!dc || Inverted(rect)) return;
  const RECT frame = FrameRect(bitmap, FrameStrip::SideBySide, frame_count, frame_index);
  const fw::TBitmap image = StretchedFrameCopy(bitmap, frame, Width(rect), Height(rect));
  if (!image.Empty()) DrawTransparent(dc, rect, image, kKeyColor);
}

void DrawParentBackground(const ParentPaintTarget& control, HDC dc) {
  if (!control.Parent || !dc) return;
  PaintParentUnder(control.Left, control.Top, control.ClientRect, dc,
                   [&](UINT message) { ::SendMessageW(control.Parent, message, reinterpret_cast<WPARAM>(dc), 0); });
}

void DrawParentBackground(HWND control, HDC dc) {
  if (!::IsWindow(control) || !(::GetWindowLongW(control, GWL_STYLE) & WS_CHILD)) return;
  ParentPaintTarget target;
  target.Parent = ::GetParent(control);
  if (!target.Parent) return;
  RECT bounds{};
  ::GetWindowRect(control, &bounds);
  ::MapWindowPoints(HWND_DESKTOP, target.Parent, reinterpret_cast<POINT*>(&bounds), 2);
  target.Left = bounds.left;
  target.Top = bounds.top;
  ::GetClientRect(control, &target.ClientRect);
  DrawParentBackground(target, dc);
}

void DrawParentBackground(fw::TControl& control, HDC dc) {
  fw::TWinControl* parent = control.Parent();
  if (!parent || !dc) return;
  PaintParentUnder(control.Left(), control.Top(), control.ClientRect(), dc,
                   [&](UINT message) { parent->Perform(message, reinterpret_cast<WPARAM>(dc), 0); });
}

}  // namespace skin
