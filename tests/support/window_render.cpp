#include "tests/support/window_render.h"

#include <cstdint>

#include "framework/handles.h"
#include "skin/core/skin_messages.h"

namespace testutil {
namespace {

void FillUnpainted(fw::TBitmap& image) {
  fw::UniqueBrush unpainted(CreateSolidBrush(kUnpaintedColour));
  const RECT all{0, 0, image.Width(), image.Height()};
  FillRect(image.DC(), &all, unpainted.get());
}

bool AnyPixelPaintedOutside(const fw::TBitmap& image, const RECT& inside) {
  const std::uint32_t unpainted =
      (GetRValue(kUnpaintedColour) << 16) | (GetGValue(kUnpaintedColour) << 8) | GetBValue(kUnpaintedColour);
  for (int y = 0; y < image.Height(); ++y) {
    const auto* row = reinterpret_cast<const std::uint32_t*>(image.ScanLine(y));
    const bool besideClient = y >= inside.top && y < inside.bottom;
    for (int x = 0; x < image.Width(); ++x) {
      if (besideClient && x >= inside.left && x < inside.right) continue;
      if ((row[x] & 0xFFFFFF) != unpainted) return true;
    }
  }
  return false;
}

// The window's frame as the default procedure paints it, in window coordinates. WM_PRINT with
// PRF_NONCLIENT is the way; Wine 8's default procedure ignores that flag, and there the frame is
// copied from the window's own surface, where the default procedure painted it last (a visible
// window only).
fw::TBitmap PrintedFrame(HWND window, int width, int height, const RECT& client) {
  fw::TBitmap frame(width, height, fw::pf32bit);
  FillUnpainted(frame);
  SendMessageA(window, WM_PRINT, reinterpret_cast<WPARAM>(frame.DC()), PRF_NONCLIENT);
  if (!AnyPixelPaintedOutside(frame, client) && IsWindowVisible(window)) {
    fw::WindowDC screen(window, fw::WindowDC::Area::Window);
    if (screen) BitBlt(frame.DC(), 0, 0, width, height, screen.get(), 0, 0, SRCCOPY);
  }
  GdiFlush();
  return frame;
}

// Paints `window` into `dc` with its window rectangle's top-left at `origin` (image pixels).
// `frameFromSkin` tells, for the outermost window, which way the frame was painted.
void PaintWindowInto(HDC dc, HWND window, POINT origin, bool* frameFromSkin) {
  RECT bounds;
  RECT client;
  POINT clientTopLeft{0, 0};
  if (!GetWindowRect(window, &bounds) || !GetClientRect(window, &client) || !ClientToScreen(window, &clientTopLeft))
    return;
  const int width = bounds.right - bounds.left;
  const int height = bounds.bottom - bounds.top;
  // The client rectangle in window coordinates.
  const RECT inner{clientTopLeft.x - bounds.left, clientTopLeft.y - bounds.top,
                   clientTopLeft.x - bounds.left + client.right, clientTopLeft.y - bounds.top + client.bottom};

  fw::SavedDCState windowState(dc);
  IntersectClipRect(dc, origin.x, origin.y, origin.x + width, origin.y + height);
  fw::UniqueRegion shape(CreateRectRgn(0, 0, 0, 0));
  if (shape && GetWindowRgn(window, shape.get()) != ERROR) {
    OffsetRgn(shape.get(), origin.x, origin.y);
    ExtSelectClipRgn(dc, shape.get(), RGN_AND);
  }
  SetViewportOrgEx(dc, origin.x, origin.y, nullptr);

  const auto paintDC = reinterpret_cast<WPARAM>(dc);
  const bool skinned = SendMessageA(window, skin::SKM_PAINTFRAMETO, paintDC, skin::kSkinMagic) == skin::kSkinMagic;
  if (frameFromSkin) *frameFromSkin = skinned;
  const bool hasFrame = inner.left > 0 || inner.top > 0 || inner.right < width || inner.bottom < height;
  if (!skinned && hasFrame) {
    fw::TBitmap frame = PrintedFrame(window, width, height, inner);
    fw::SavedDCState frameState(dc);
    ExcludeClipRect(dc, inner.left, inner.top, inner.right, inner.bottom);
    BitBlt(dc, 0, 0, width, height, frame.DC(), 0, 0, SRCCOPY);
  }

  // The client area, and the children in it, are clipped to the client rectangle.
  IntersectClipRect(dc, inner.left, inner.top, inner.right, inner.bottom);
  {
    fw::SavedDCState clientState(dc);
    SetViewportOrgEx(dc, origin.x + inner.left, origin.y + inner.top, nullptr);
    SendMessageA(window, WM_ERASEBKGND, paintDC, 0);
    SendMessageA(window, WM_PRINTCLIENT, paintDC, PRF_CLIENT | PRF_ERASEBKGND | PRF_CHILDREN);
  }

  SetViewportOrgEx(dc, 0, 0, nullptr);
  HWND first = GetWindow(window, GW_CHILD);
  for (HWND child = first ? GetWindow(first, GW_HWNDLAST) : nullptr; child; child = GetWindow(child, GW_HWNDPREV)) {
    RECT childBounds;
    if (!(GetWindowLongA(child, GWL_STYLE) & WS_VISIBLE) || !GetWindowRect(child, &childBounds)) continue;
    PaintWindowInto(dc, child,
                    POINT{origin.x + childBounds.left - bounds.left, origin.y + childBounds.top - bounds.top}, nullptr);
  }
}

}  // namespace

RenderedWindow RenderWindow(HWND window) {
  RenderedWindow rendered;
  RECT bounds{};
  GetWindowRect(window, &bounds);
  rendered.image = fw::TBitmap(bounds.right - bounds.left, bounds.bottom - bounds.top, fw::pf32bit);
  if (rendered.image.Empty()) return rendered;
  FillUnpainted(rendered.image);
  PaintWindowInto(rendered.image.DC(), window, POINT{0, 0}, &rendered.frameFromSkin);
  GdiFlush();
  return rendered;
}

}  // namespace testutil
