// Renders a window as it would look on screen into a bitmap, for exact-pixel tests: the frame,
// the client area and the visible child windows, each through the window's own printing.
#pragma once

#include <windows.h>

#include "framework/graphics/bitmap.h"

namespace testutil {

// Pixels that nothing painted keep this colour (outside a window region, say).
inline constexpr COLORREF kUnpaintedColour = RGB(0x12, 0x34, 0x56);

struct RenderedWindow {
  // The whole window rectangle: 32 bits per pixel, top-down, Pixel(x, y) as 0x00BBGGRR.
  fw::TBitmap image;
  // The window's frame came from SKM_PAINTFRAMETO (a skinned window), not from WM_PRINT.
  bool frameFromSkin = false;
};

// The frame comes from SKM_PAINTFRAMETO when the window answers it with the skin engine's magic
// number, otherwise from WM_PRINT with PRF_NONCLIENT. The client area comes from WM_ERASEBKGND and
// WM_PRINTCLIENT (PRF_CLIENT | PRF_ERASEBKGND | PRF_CHILDREN) at the client's offset, clipped to
// it; the visible children follow the same way, the bottom of the z-order first. A window region
// clips everything. Throws fw::EOutOfResources when the bitmap cannot be made.
RenderedWindow RenderWindow(HWND window);

}  // namespace testutil
