// The frame tests' fixture: windows skinned and activated with a chosen skin, the skinned frame
// painted into a bitmap or read back from the window, and real mouse input at screen points.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "framework/graphics/bitmap.h"
#include "skin/form/form_skinner.h"
#include "skin/form/tests/frame_test_skins.h"
#include "skin/form/tests/skin_manage_fixture.h"

namespace frametest {

class FrameTest : public SkinManageTest {
 protected:
  // A skin component holding `stored`, registered, with skinning switched on.
  skin::TSkinData* UseSkin(const Bytes& stored, skin::TSkinFormType type = skin::sfMainform);

  // A visible window (CreateTestWindow) that is activated and skinned, once its skinner has applied
  // the skin; nullptr when it was not skinned.
  skin::TWinSkinForm* SkinnedWindow(const std::string& className = "SkinFrameTest", DWORD style = WS_OVERLAPPEDWINDOW,
                                    DWORD exStyle = 0, int width = 400, int height = 300);
  // Activates the window and waits until its skinner has applied the skin.
  skin::TWinSkinForm* ActivateSkinned(HWND window);

  // The frame as the skinner paints it into a bitmap of the window's size; pixels it leaves are
  // testutil::kUnpaintedColour.
  static fw::TBitmap PaintedFrame(skin::TWinSkinForm& skinner);
  // What the window shows now, read back from its window DC.
  static fw::TBitmap ShownWindow(HWND window);
  // Runs `round` `rounds` times and expects the process's GDI and USER objects back at their
  // count after the first round (which makes the system's own caches), within a little slack.
  static void ExpectObjectsBackAfter(int rounds, const std::function<void()>& round);
};

// The name of a case of a parameterized test: the `name` of its parameter in letters, digits and '_'.
std::string CaseName(std::string name);
template <typename Case>
std::string CaseName(const testing::TestParamInfo<Case>& test) {
  return CaseName(std::string(test.param.name));
}

// ---- Windows and their caption buttons ---------------------------------------------------------

SIZE SizeOf(HWND window);
POINT CentreOf(const RECT& r);
// The screen point at the centre of a caption button.
POINT OnButton(const skin::TWinSkinForm& skinner, size_t index);
// A non-client mouse message at a screen point with the hit code the window gives it, sent at once.
void SendNcMouse(HWND window, UINT message, POINT screen);

// ---- Real mouse input ---------------------------------------------------------------------------

// A point of the window, relative to its top-left corner, on the screen.
POINT OnScreen(HWND window, int x, int y);
// Queues the mouse moving to the screen point (with the left button's state unchanged).
void MouseMoveTo(POINT screen);
void LeftButtonDown();
void LeftButtonUp();
// A left click at the screen point.
void ClickAt(POINT screen);
// The left button pressed at `from`, the mouse moved to `to` in `steps` even steps, released.
void DragFromTo(POINT from, POINT to, int steps = 8);

// The colour of a pixel of the frame skin's images as a painted pixel reads (0x00BBGGRR).
inline COLORREF Painted(skinimage::Rgb rgb) { return skintest::Colorref(rgb); }

}  // namespace frametest
