// Renders a window, as it looks, into a bitmap of its window rectangle: the frame through the skin
// engine (SKM_PAINTFRAMETO) when it paints one, else through the system (WM_PRINT with
// PRF_NONCLIENT); the client area through WM_ERASEBKGND and WM_PRINTCLIENT; then the visible child
// windows the same way, the bottom of the z-order first, each clipped to its parent's client area.
// Where printing leaves pixels out, they come from the window's own surface, as the system last
// painted it there (the frame under Wine 8, which prints none; controls that print nothing).
//
// The same contract as the test helper testutil::RenderWindow, which this can give way to once the
// gallery may use the test support.
#pragma once

#include <windows.h>

#include "framework/graphics/bitmap.h"

namespace gallery {

// Pixels that nothing painted keep this colour (outside a window region, say).
inline constexpr COLORREF kUnpaintedColour = RGB(0x12, 0x34, 0x56);

struct WindowSnapshot {
  fw::TBitmap image;           // 32 bits per pixel; empty for a window without area
  bool frameFromSkin = false;  // the frame came from the skin engine
};

WindowSnapshot SnapshotWindow(HWND window);

}  // namespace gallery
