#include "skin/form/tests/frame_test_fixture.h"

#include <cctype>
#include <optional>

#include "framework/handles.h"
#include "skin/form/caption_buttons.h"
#include "tests/support/resource_count.h"
#include "tests/support/win_test_util.h"
#include "tests/support/window_render.h"

namespace frametest {

void FrameTest::ExpectObjectsBackAfter(int rounds, const std::function<void()>& round) {
  std::optional<unsigned> gdi, user;
  for (int i = 0; i < rounds; ++i) {
    if (i == 1) {
      testutil::PumpMessages(20);
      gdi = test_support::CountGdiObjects();
      user = test_support::CountUserObjects();
    }
    round();
    testutil::PumpMessages(5);
  }
  testutil::PumpMessages(20);
  if (gdi && user) {
    EXPECT_LE(*test_support::CountGdiObjects(), *gdi + 5);
    EXPECT_LE(*test_support::CountUserObjects(), *user + 5);
  }
}

skin::TSkinData* FrameTest::UseSkin(const Bytes& stored, skin::TSkinFormType type) {
  skin::TSkinData* data = AddSkinDataFrom(stored, type);
  EnableSkinning();
  return data;
}

skin::TWinSkinForm* FrameTest::SkinnedWindow(const std::string& className, DWORD style, DWORD exStyle, int width,
                                             int height) {
  HWND window = CreateTestWindow(className, style, exStyle, nullptr, nullptr, width, height);
  return window ? ActivateSkinned(window) : nullptr;
}

skin::TWinSkinForm* FrameTest::ActivateSkinned(HWND window) {
  SetActiveWindow(window);
  skin::TWinSkinForm* skinner = SkinnerOf(window);
  if (!skinner) return nullptr;
  const bool applied =
      testutil::PumpUntil([&] { return skinner->FActivated != 0 && skinner->FLifeState == skin::lsActive; });
  EXPECT_TRUE(applied) << "the skinner never applied the skin";
  testutil::PumpMessages(20);
  return applied ? skinner : nullptr;
}

fw::TBitmap FrameTest::PaintedFrame(skin::TWinSkinForm& skinner) {
  RECT bounds{};
  GetWindowRect(skinner.FHandle, &bounds);
  fw::TBitmap image(bounds.right - bounds.left, bounds.bottom - bounds.top, fw::pf32bit);
  fw::UniqueBrush unpainted(CreateSolidBrush(testutil::kUnpaintedColour));
  const RECT all{0, 0, image.Width(), image.Height()};
  FillRect(image.DC(), &all, unpainted.get());
  skinner.PaintFrame(image.DC());
  GdiFlush();
  return image;
}

fw::TBitmap FrameTest::ShownWindow(HWND window) {
  RECT bounds{};
  GetWindowRect(window, &bounds);
  fw::TBitmap image(bounds.right - bounds.left, bounds.bottom - bounds.top, fw::pf32bit);
  fw::WindowDC screen(window, fw::WindowDC::Area::Window);
  BitBlt(image.DC(), 0, 0, image.Width(), image.Height(), screen.get(), 0, 0, SRCCOPY);
  GdiFlush();
  return image;
}

std::string CaseName(std::string name) {
  for (char& c : name)
    if (!isalnum(static_cast<unsigned char>(c))) c = '_';
  return name;
}

SIZE SizeOf(HWND window) {
  RECT bounds{};
  GetWindowRect(window, &bounds);
  return SIZE{bounds.right - bounds.left, bounds.bottom - bounds.top};
}

POINT CentreOf(const RECT& r) { return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

POINT OnButton(const skin::TWinSkinForm& skinner, size_t index) {
  const POINT centre = CentreOf(skinner.FButtons[index]->BoundsRect);
  return OnScreen(skinner.FHandle, centre.x, centre.y);
}

void SendNcMouse(HWND window, UINT message, POINT screen) {
  const LPARAM at = MAKELPARAM(screen.x, screen.y);
  const auto hit = static_cast<WPARAM>(SendMessageA(window, WM_NCHITTEST, 0, at));
  SendMessageA(window, message, hit, at);
}

POINT OnScreen(HWND window, int x, int y) {
  RECT bounds{};
  GetWindowRect(window, &bounds);
  return POINT{bounds.left + x, bounds.top + y};
}

void MouseMoveTo(POINT screen) { testutil::MouseMoveTo(screen); }

void LeftButtonDown() { testutil::LeftButtonDown(); }

void LeftButtonUp() { testutil::LeftButtonUp(); }

void ClickAt(POINT screen) {
  MouseMoveTo(screen);
  LeftButtonDown();
  LeftButtonUp();
}

void DragFromTo(POINT from, POINT to, int steps) {
  auto step = [&](int i) { return POINT{from.x + (to.x - from.x) * i / steps, from.y + (to.y - from.y) * i / steps}; };
  if (test_support::RunningUnderWine()) {
    // Wine's size loop waits for the X server's pointer events and never sees SendInput's: the drag
    // is the X server's own, played by xdotool (screen points are X root points). Its process
    // cannot be waited for; the caller waits for the drag's effect.
    std::string command = "Z:\\usr\\bin\\xdotool mousemove " + std::to_string(from.x) + " " + std::to_string(from.y) +
                          " sleep 0.1 mousedown 1 sleep 0.1";
    for (int i = 1; i <= steps; ++i)
      command += " mousemove " + std::to_string(step(i).x) + " " + std::to_string(step(i).y) + " sleep 0.03";
    command += " mouseup 1";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    const BOOL started =
        CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process);
    EXPECT_TRUE(started) << "xdotool could not be started: " << command;
    if (started) {
      CloseHandle(process.hThread);
      CloseHandle(process.hProcess);
    }
    return;
  }
  MouseMoveTo(from);
  LeftButtonDown();
  for (int i = 1; i <= steps; ++i) MouseMoveTo(step(i));
  LeftButtonUp();
}

}  // namespace frametest
