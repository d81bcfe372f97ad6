// Timing of the skinned frame (run by hand, not a test), all in one run so that ratios compare
// like with like:
//   1. PaintFrame of a window of the main window's size (655 × 485), with an icon, and of one
//      maximized at 1920 × 1080, into the window and into a bitmap, painted again with nothing
//      changed and composed anew (activation state, caption text), beside one BitBlt of the same
//      area; what one composition's parts cost; a caption button turning hot;
//   2. UpdateRegion after a resize (the transparent region rebuilt from the border images);
//   3. a resize drag of 100 steps (SetWindowPos, then the frame and client painted at once),
//      of a skinned window and of the same window without skin, taking turns.
// Build the Windows tree, then:
//   source tools/wine-session.sh; wine_session_start BUILD/win private
//   wine BUILD/win/skin/form/bench/skin_frame_bench.exe [--skin FILE.skin]; wine_session_stop
// Without --skin the program's default skin is used.
#include <windows.h>

#include <cstdio>
#include <fstream>
#include <functional>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "framework/application.h"
#include "framework/graphics/bitmap.h"
#include "framework/handles.h"
#include "skin/core/skin_data.h"
#include "skin/core/skin_manage.h"
#include "skin/core/skin_manager_link.h"
#include "skin/form/bitmap_region.h"
#include "skin/form/caption_buttons.h"
#include "skin/form/form_skinner.h"
#include "skin/form/skinning.h"
#include "tests/support/timing.h"
#include "tests/support/win_test_util.h"

namespace {

using testutil::Median;
using testutil::Now;

constexpr const char* kClassName = "PastelleFrameBench";
SIZE g_maximizedSize{1920, 1080};

// Maximized windows take g_maximizedSize, whatever the screen's size.
LRESULT CALLBACK BenchWindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_GETMINMAXINFO) {
    auto* info = reinterpret_cast<MINMAXINFO*>(lParam);
    info->ptMaxSize = POINT{g_maximizedSize.cx, g_maximizedSize.cy};
    info->ptMaxPosition = POINT{0, 0};
    info->ptMaxTrackSize = POINT{g_maximizedSize.cx, g_maximizedSize.cy};
    return 0;
  }
  return DefWindowProcA(window, msg, wParam, lParam);
}

HWND CreateBenchWindow(int width, int height) {
  static const bool registered = [] {
    WNDCLASSA wc{};
    wc.lpfnWndProc = BenchWindowProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = kClassName;
    return RegisterClassA(&wc) != 0;
  }();
  if (!registered) return nullptr;
  HWND window = CreateWindowExA(0, kClassName, "Pastelle V2.0", WS_OVERLAPPEDWINDOW, 20, 20, width, height, nullptr,
                                nullptr, GetModuleHandleA(nullptr), nullptr);
  // An icon in the caption, as the program's main window has.
  SendMessageA(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(LoadIconA(nullptr, IDI_APPLICATION)));
  ShowWindow(window, SW_SHOW);
  SetActiveWindow(window);
  testutil::PumpMessages(30);
  return window;
}

// Median over batches of the time of one call, in microseconds.
double MicrosPerCall(const std::function<void()>& call, int callsPerBatch) {
  for (int i = 0; i < callsPerBatch / 4 + 1; ++i) call();
  std::vector<double> batches;
  for (int batch = 0; batch < 7; ++batch) {
    GdiFlush();
    const double start = Now();
    for (int i = 0; i < callsPerBatch; ++i) call();
    GdiFlush();
    batches.push_back((Now() - start) * 1e6 / callsPerBatch);
  }
  return Median(batches);
}

std::vector<uint8_t> StoredSkin(const std::string& skinFile) {
  std::ifstream file(skinFile.empty() ? testutil::WindowsPathOf(PASTELLE_DEFAULT_SKIN_STREAM) : skinFile,
                     std::ios::binary);
  std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  if (skinFile.empty()) return bytes;
  // A skin file: the stored property holds its length first.
  std::vector<uint8_t> stored(4);
  for (int i = 0; i < 4; ++i) stored[static_cast<size_t>(i)] = static_cast<uint8_t>(bytes.size() >> (8 * i));
  stored.insert(stored.end(), bytes.begin(), bytes.end());
  return stored;
}

SIZE SizeOf(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  return SIZE{r.right - r.left, r.bottom - r.top};
}

// One resize drag: the right edge moves `steps` times by 3 pixels (out, or back when `back`),
// every step painted at once, frame and client, as the system's sizing loop does. Milliseconds.
double ResizeDragMs(HWND window, int steps, bool back) {
  const SIZE start = SizeOf(window);
  const int from = back ? start.cx - 3 * steps : start.cx;
  const double t0 = Now();
  for (int i = 1; i <= steps; ++i) {
    SetWindowPos(window, nullptr, 0, 0, back ? start.cx - 3 * i : from + 3 * i, start.cy,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ERASE | RDW_UPDATENOW);
  }
  GdiFlush();
  return (Now() - t0) * 1e3;
}

}  // namespace

int main(int argc, char** argv) {
  std::string skinFile;
  for (int i = 1; i + 1 < argc; ++i)
    if (std::string(argv[i]) == "--skin") skinFile = argv[i + 1];
  constexpr int kDragSteps = 100;

  fw::TApplication application;
  application.Initialize();

  // A window without skin: made and activated before any skinning exists in the process, and
  // never activated again, so that the skin manager leaves it alone.
  HWND plain = CreateBenchWindow(655, 485);

  skin::InstallSkinning();
  skin::CreateSkinManagerIfMissing();
  skin::TSkinManage* manager = skin::SkinManager();
  manager->InstallHook();
  auto* data = new skin::TSkinData(&application);
  data->SetSkinStream(StoredSkin(skinFile));
  if (data->SkinEmpty()) {
    std::printf("the skin did not load\n");
    return 1;
  }
  manager->RegisterSkinData(data);
  manager->SetEnabled(true);

  HWND window = CreateBenchWindow(655, 485);
  auto* skinner = static_cast<skin::TWinSkinForm*>(manager->FindFormSkinner(window));
  if (!skinner || !testutil::PumpUntil([&] { return skinner->FLifeState == skin::lsActive; })) {
    std::printf("the window was not skinned\n");
    return 1;
  }
  std::printf("borders %d/%d/%d/%d, %s\n", skinner->FBorderLeft, skinner->FBorderTop, skinner->FBorderRight,
              skinner->FBorderBottom, skinner->FOwnRegion ? "with a region" : "without region");

  // 1. PaintFrame beside one BitBlt of the same area: painted again with nothing changed (a
  //    repeated WM_NCPAINT), composed anew for the other activation state (it flips every time),
  //    and composed anew for a caption text of another width (its suffix changes every time).
  std::printf("\n%-24s %10s %10s %10s %10s %10s %7s %7s %7s\n", "PaintFrame", "same us", "to bmp us", "state us",
              "text us", "BitBlt us", "same/B", "state/B", "text/B");
  for (const bool maximized : {false, true}) {
    if (maximized) {
      ShowWindow(window, SW_MAXIMIZE);
      testutil::PumpMessages(30);
    } else {
      SetWindowPos(window, nullptr, 0, 0, 655, 485, SWP_NOMOVE | SWP_NOZORDER);
    }
    const SIZE size = SizeOf(window);
    fw::TBitmap target(size.cx, size.cy, fw::pf32bit);
    fw::TBitmap source(size.cx, size.cy, fw::pf32bit);
    const double same = MicrosPerCall([&] { skinner->PaintFrame(nullptr); }, 50);
    const double intoBitmap = MicrosPerCall([&] { skinner->PaintFrame(target.DC()); }, 50);
    const double anew = MicrosPerCall(
        [&] {
          skinner->FActive = skinner->FActive ? 0 : 1;
          skinner->PaintFrame(nullptr);
        },
        50);
    skinner->FActive = 1;
    const double newText = MicrosPerCall(
        [&] {
          skinner->FCaptionSuffix = skinner->FCaptionSuffix.size() == 2 ? L"   " : L"  ";
          skinner->PaintFrame(nullptr);
        },
        50);
    skinner->FCaptionSuffix = L"  ";
    fw::WindowDC windowDC(window, fw::WindowDC::Area::Window);
    const double blit =
        MicrosPerCall([&] { BitBlt(windowDC.get(), 0, 0, size.cx, size.cy, source.DC(), 0, 0, SRCCOPY); }, 50);
    char name[64];
    std::snprintf(name, sizeof name, "%ld x %ld%s", size.cx, size.cy, maximized ? " maximized" : "");
    std::printf("%-24s %10.1f %10.1f %10.1f %10.1f %10.1f %7.2f %7.2f %7.2f\n", name, same, intoBitmap, anew, newText,
                blit, same / blit, anew / blit, newText / blit);
  }
  ShowWindow(window, SW_RESTORE);
  SetWindowPos(window, nullptr, 0, 0, 655, 485, SWP_NOMOVE | SWP_NOZORDER);
  testutil::PumpMessages(30);

  // Where the time of one composition goes, each part drawn into a bitmap: the border pieces
  // (made once per size, activation state and skin), and what a new caption draws again.
  {
    const SIZE size = SizeOf(window);
    fw::TBitmap target(size.cx, size.cy, fw::pf24bit);
    fw::TCanvas canvas(target.DC());
    const int w = size.cx, h = size.cy;
    const int left = skinner->FBorderLeft, right = skinner->FBorderRight, top = skinner->FBorderTop,
              bottom = skinner->FBorderBottom;
    auto part = [](const char* name, double micros) { std::printf("  %-34s %8.1f us\n", name, micros); };
    std::printf("\nparts at %ld x %ld, drawn into a bitmap:\n", size.cx, size.cy);
    part("left, right and bottom pieces",
         MicrosPerCall(
             [&] {
               skinner->DrawBorderPiece(skin::TBorderPiece::bpLeft, RECT{0, 0, left, h}, target.DC());
               skinner->DrawBorderPiece(skin::TBorderPiece::bpRight, RECT{0, 0, right, h}, target.DC());
               skinner->DrawBorderPiece(skin::TBorderPiece::bpBottom, RECT{0, 0, w, bottom}, target.DC());
             },
             30));
    part("top piece",
         MicrosPerCall(
             [&] {
               skinner->DrawBorderPiece(skin::TBorderPiece::bpTop, RECT{left, 0, w - right, top}, target.DC());
             },
             30));
    part("caption text", MicrosPerCall([&] { skinner->DrawCaptionText(canvas, RECT{left, 0, w - right, top}); }, 30));
    part("caption buttons and icon", MicrosPerCall([&] { skinner->DrawCaptionButtons(canvas); }, 30));
  }

  // A caption button turning hot: the caption composed again and put on.
  size_t hoverable = 0;
  while (hoverable < skinner->FButtons.size() && !skinner->FButtons[hoverable]->Visible) ++hoverable;
  if (hoverable < skinner->FButtons.size()) {
    skin::TWinSysButton& button = *skinner->FButtons[hoverable];
    const double hover = MicrosPerCall(
        [&] {
          if (skinner->FHotObject) {
            button.MouseLeave();
          } else {
            button.MouseEnter();
          }
        },
        50);
    std::printf("a caption button turning hot or normal: %.1f us\n", hover);
  }

  // 2. UpdateRegion after a resize, and what the region is built from.
  const double direct = MicrosPerCall(
      [&] {
        skinner->FRegionWidth = 0;  // rebuilt as after a resize
        skinner->UpdateRegion();
      },
      20);
  fw::TBitmap strip(4, 485, fw::pf24bit);
  skinner->DrawBorderPiece(skin::TBorderPiece::bpLeft, RECT{0, 0, 4, 485}, strip.DC());
  const double fromStrip = MicrosPerCall([&] { (void)skin::BitmapToRegion(strip, 0, 0, RGB(255, 0, 255)); }, 20);
  std::printf("\nUpdateRegion at 655 x 485: %.1f us (BitmapToRegion of the 4 x 485 left strip: %.1f us)\n", direct,
              fromStrip);

  // 3. The same drags of both windows, taking turns.
  if (manager->FindFormSkinner(plain)) std::printf("the window meant to stay without skin was skinned\n");
  std::vector<double> skinnedDrags, plainDrags;
  for (int run = 0; run < 10; ++run) {
    skinnedDrags.push_back(ResizeDragMs(window, kDragSteps, run % 2 != 0));
    plainDrags.push_back(ResizeDragMs(plain, kDragSteps, run % 2 != 0));
  }
  const double skinnedDrag = Median(skinnedDrags), plainDrag = Median(plainDrags);
  std::printf("\nresize drag of %d steps from 655 x 485: skinned %.1f ms, without skin %.1f ms, ratio %.2f\n",
              kDragSteps, skinnedDrag, plainDrag, skinnedDrag / plainDrag);
  DestroyWindow(window);
  DestroyWindow(plain);
  return 0;
}
