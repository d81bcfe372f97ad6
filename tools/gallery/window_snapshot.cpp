#include "tools/gallery/window_snapshot.h"

#include <cstdint>
#include <vector>

#include "framework/handles.h"
#include "skin/core/skin_messages.h"

namespace gallery {
namespace {

// kUnpaintedColour as a pixel of a 32-bit DIB (0x00RRGGBB).
constexpr uint32_t kUnpaintedPixel =
    (GetRValue(kUnpaintedColour) << 16) | (GetGValue(kUnpaintedColour) << 8) | GetBValue(kUnpaintedColour);

bool IsUnpainted(uint32_t pixel) { return (pixel & 0xFFFFFF) == kUnpaintedPixel; }

RECT Intersection(const RECT& a, const RECT& b) {
  RECT both{};
  IntersectRect(&both, &a, &b);
  return both;
}

// The pixels of the snapshot, addressed in its own coordinates.
class Pixels {
 public:
  explicit Pixels(fw::TBitmap& image) : image_(image) {}

  [[nodiscard]] uint32_t* Row(int y) const { return reinterpret_cast<uint32_t*>(image_.ScanLine(y)); }

  void Fill(const RECT& area) const {
    for (int y = area.top; y < area.bottom; ++y)
      for (int x = area.left; x < area.right; ++x) Row(y)[x] = kUnpaintedPixel;
  }

  [[nodiscard]] std::vector<uint32_t> Save(const RECT& area) const {
    std::vector<uint32_t> saved;
    for (int y = area.top; y < area.bottom; ++y) saved.insert(saved.end(), Row(y) + area.left, Row(y) + area.right);
    return saved;
  }

  // Whether anything painted a pixel of `area` outside `hole`.
  [[nodiscard]] bool PaintedOutside(const RECT& area, const RECT& hole) const {
    for (int y = area.top; y < area.bottom; ++y) {
      const uint32_t* row = Row(y);
      for (int x = area.left; x < area.right; ++x) {
        if (y >= hole.top && y < hole.bottom && x >= hole.left && x < hole.right) continue;
        if (!IsUnpainted(row[x])) return true;
      }
    }
    return false;
  }

  [[nodiscard]] bool Unpainted(const RECT& area) const {
    for (int y = area.top; y < area.bottom; ++y) {
      const uint32_t* row = Row(y);
      for (int x = area.left; x < area.right; ++x)
        if (IsUnpainted(row[x])) return true;
    }
    return false;
  }

  // Unpainted pixels of `area` take the pixel of `source` (laid out as `area`, row by row).
  void FillUnpainted(const RECT& area, const std::vector<uint32_t>& source) const {
    size_t at = 0;
    for (int y = area.top; y < area.bottom; ++y) {
      uint32_t* row = Row(y);
      for (int x = area.left; x < area.right; ++x, ++at)
        if (IsUnpainted(row[x])) row[x] = source[at];
    }
  }

  // Pixels of `area` outside the mask take the pixel of `source` back.
  void Restore(const RECT& area, const std::vector<uint32_t>& source, const std::vector<bool>& keep) const {
    size_t at = 0;
    for (int y = area.top; y < area.bottom; ++y) {
      uint32_t* row = Row(y);
      for (int x = area.left; x < area.right; ++x, ++at)
        if (!keep[at]) row[x] = source[at];
    }
  }

 private:
  fw::TBitmap& image_;
};

// What the system last painted of the window on its own surface, laid out as `area` (snapshot
// coordinates, the window's top-left corner at `origin`).
std::vector<uint32_t> WindowSurface(HWND window, POINT origin, const RECT& area) {
  fw::TBitmap surface(area.right - area.left, area.bottom - area.top, fw::pf32bit);
  fw::WindowDC dc(window, fw::WindowDC::Area::Window);
  if (dc)
    BitBlt(surface.DC(), 0, 0, surface.Width(), surface.Height(), dc.get(), area.left - origin.x, area.top - origin.y,
           SRCCOPY);
  std::vector<uint32_t> pixels;
  for (int y = 0; y < surface.Height(); ++y) {
    const auto* row = reinterpret_cast<const uint32_t*>(surface.ScanLine(y));
    pixels.insert(pixels.end(), row, row + surface.Width());
  }
  return pixels;
}

// Which pixels of `area` lie inside the window's region (all of them when it has none).
std::vector<bool> RegionMask(HWND window, POINT origin, const RECT& area) {
  const auto count = static_cast<size_t>(area.right - area.left) * static_cast<size_t>(area.bottom - area.top);
  fw::UniqueRegion shape(CreateRectRgn(0, 0, 0, 0));
  if (!shape || GetWindowRgn(window, shape.get()) == ERROR) return std::vector<bool>(count, true);
  fw::TBitmap mask(area.right - area.left, area.bottom - area.top, fw::pf32bit);
  OffsetRgn(shape.get(), origin.x - area.left, origin.y - area.top);
  FillRgn(mask.DC(), shape.get(), static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  GdiFlush();
  std::vector<bool> inside;
  inside.reserve(count);
  for (int y = 0; y < mask.Height(); ++y) {
    const auto* row = reinterpret_cast<const uint32_t*>(mask.ScanLine(y));
    for (int x = 0; x < mask.Width(); ++x) inside.push_back((row[x] & 0xFFFFFF) != 0);
  }
  return inside;
}

struct Placement {
  POINT origin;  // the window's top-left corner in the snapshot
  RECT clip;     // what the window may paint of the snapshot: its ancestors' client areas
};

// Paints the window and its children into the snapshot; answers whether the frame came from the skin.
bool PaintWindowInto(fw::TBitmap& image, HWND window, const Placement& at) {
  RECT bounds{};
  RECT client{};
  POINT clientOrigin{0, 0};
  if (!GetWindowRect(window, &bounds) || !GetClientRect(window, &client) || !ClientToScreen(window, &clientOrigin))
    return false;
  const POINT origin = at.origin;
  const RECT whole{origin.x, origin.y, origin.x + bounds.right - bounds.left, origin.y + bounds.bottom - bounds.top};
  OffsetRect(&client, origin.x + clientOrigin.x - bounds.left, origin.y + clientOrigin.y - bounds.top);
  const RECT area = Intersection(whole, at.clip);
  if (IsRectEmpty(&area)) return false;

  const Pixels pixels(image);
  const std::vector<uint32_t> parent = pixels.Save(area);
  pixels.Fill(area);
  HDC dc = image.DC();
  const auto paintDC = reinterpret_cast<WPARAM>(dc);
  bool skinned = false;
  {
    fw::SavedDCState state(dc);
    IntersectClipRect(dc, area.left, area.top, area.right, area.bottom);
    SetViewportOrgEx(dc, origin.x, origin.y, nullptr);
    if (!EqualRect(&client, &whole)) {
      skinned = SendMessageA(window, skin::SKM_PAINTFRAMETO, paintDC, skin::kSkinMagic) == skin::kSkinMagic &&
                pixels.PaintedOutside(area, client);
      if (!skinned) SendMessageA(window, WM_PRINT, paintDC, PRF_NONCLIENT);
    }
    SetViewportOrgEx(dc, 0, 0, nullptr);
    IntersectClipRect(dc, client.left, client.top, client.right, client.bottom);
    SetViewportOrgEx(dc, client.left, client.top, nullptr);
    SendMessageA(window, WM_ERASEBKGND, paintDC, 0);
    SendMessageA(window, WM_PRINTCLIENT, paintDC, PRF_CLIENT | PRF_ERASEBKGND);
  }
  // What printing left out comes from the window's own surface, as the system last painted it
  // there: the frame under Wine 8, which prints none, controls that print nothing or only part of
  // themselves, and what a window paints only on the screen.
  if (IsWindowVisible(window) && pixels.Unpainted(area)) pixels.FillUnpainted(area, WindowSurface(window, origin, area));
  pixels.FillUnpainted(area, parent);
  // Outside its region the window shows what lies under it.
  pixels.Restore(area, parent, RegionMask(window, origin, area));

  const Placement inside{origin, Intersection(area, client)};
  HWND first = GetWindow(window, GW_CHILD);
  for (HWND child = first ? GetWindow(first, GW_HWNDLAST) : nullptr; child; child = GetWindow(child, GW_HWNDPREV)) {
    RECT childBounds{};
    if (!IsWindowVisible(child) || !GetWindowRect(child, &childBounds)) continue;
    PaintWindowInto(image, child,
                    {{origin.x + childBounds.left - bounds.left, origin.y + childBounds.top - bounds.top},
                     inside.clip});
  }
  return skinned;
}

}  // namespace

WindowSnapshot SnapshotWindow(HWND window) {
  WindowSnapshot snapshot;
  RECT bounds{};
  if (!GetWindowRect(window, &bounds) || bounds.right <= bounds.left || bounds.bottom <= bounds.top) return snapshot;
  const int width = bounds.right - bounds.left;
  const int height = bounds.bottom - bounds.top;
  snapshot.image = fw::TBitmap(width, height, fw::pf32bit);
  const RECT all{0, 0, width, height};
  Pixels(snapshot.image).Fill(all);
  snapshot.frameFromSkin = PaintWindowInto(snapshot.image, window, {{0, 0}, all});
  GdiFlush();
  return snapshot;
}

}  // namespace gallery
