// Timing of scrolling the history list (run by hand, not a test): 1000 line steps through a list
// of 1000 records, each step handled and repainted in full, with the skin on and with it off in
// the same run, and how many times the drawn scroll bars are painted (one blit each) per step.
// Usage: scroll_bench [rounds]
//        scroll_bench --show SECONDS: the main window with 1000 records (and a long preview) scrolled
//        to the middle, shown for SECONDS, for a screenshot of the skinned scroll bars.
#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/main_form.h"
#include "framework/application.h"
#include "skin/form/skinning.h"
#include "tests/support/timing.h"
#include "tests/support/win_test_util.h"

namespace {

using testutil::Median;
using testutil::Now;

// Paint messages taken from the queue by the drawn bars (each paint is one blit of the bar).
long g_barPaints = 0;
HHOOK g_hook = nullptr;

LRESULT CALLBACK CountBarPaints(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HC_ACTION && wParam == PM_REMOVE) {
    const MSG* msg = reinterpret_cast<const MSG*>(lParam);
    wchar_t name[64] = {};
    if (msg->message == WM_PAINT && GetClassNameW(msg->hwnd, name, 64) &&
        std::wstring(name) == L"PastelleSkinScrollBar") {
      ++g_barPaints;
    }
  }
  return CallNextHookEx(g_hook, code, wParam, lParam);
}

// Handles every message waiting, paints included.
void Drain() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

// Seconds for 1000 line steps down from the top, each handled and painted.
double ThousandSteps(HWND list) {
  SendMessageW(list, LVM_ENSUREVISIBLE, 0, FALSE);
  Drain();
  const double start = Now();
  for (int i = 0; i < 1000; ++i) {
    SendMessageW(list, WM_VSCROLL, SB_LINEDOWN, 0);
    Drain();
  }
  SendMessageW(list, WM_VSCROLL, SB_ENDSCROLL, 0);
  Drain();
  return Now() - start;
}

}  // namespace

int main(int argc, char** argv) {
  const bool show = argc > 2 && std::string(argv[1]) == "--show";
  const int rounds = show ? 0 : argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
  fw::TApplication app;
  app.Initialize();
  fw::RegisterComponentClass(pastelle::TForm1::StaticClass());
  fw::RegisterComponentClass(skin::TSkinData::StaticClass());
  skin::InstallSkinning();
  auto* form = app.CreateForm<pastelle::TForm1>();
  form->Show();
  for (int i = 0; i < 1000; ++i) form->ListView1->Items()->Add("record " + std::to_string(i), {"0:00:00"});
  testutil::PumpMessages(300);
  HWND list = form->ListView1->Handle();
  if (show) {
    std::string preview;
    for (int i = 0; i < 60; ++i)
      preview += "Preview line " + std::to_string(i) + " of a record long enough to scroll\r\n";
    SetWindowTextA(form->Memo1->Handle(), preview.c_str());
    SendMessageW(list, LVM_ENSUREVISIBLE, 600, FALSE);
    testutil::PumpMessages(static_cast<DWORD>(std::atoi(argv[2])) * 1000);
    return 0;
  }
  g_hook = SetWindowsHookExW(WH_GETMESSAGE, &CountBarPaints, nullptr, GetCurrentThreadId());

  std::vector<double> skinned, plain;
  long skinnedPaints = 0;
  for (int r = 0; r < rounds; ++r) {
    g_barPaints = 0;
    skinned.push_back(ThousandSteps(list));
    skinnedPaints = g_barPaints;
  }
  form->SkinData1->SetActive(false);
  testutil::PumpMessages(300);
  long plainPaints = 0;
  for (int r = 0; r < rounds; ++r) {
    g_barPaints = 0;
    plain.push_back(ThousandSteps(list));
    plainPaints = g_barPaints;
  }
  UnhookWindowsHookEx(g_hook);

  const double s = Median(skinned);
  const double p = Median(plain);
  std::printf("1000 line steps through 1000 records (median of %d rounds)\n", rounds);
  std::printf("  skinned:   %8.1f ms  (%.3f ms a step)\n", s * 1000, s);
  std::printf("  unskinned: %8.1f ms  (%.3f ms a step)\n", p * 1000, p);
  std::printf("  ratio skinned/unskinned: %.2f\n", p > 0 ? s / p : 0.0);
  std::printf("  drawn bar paints (one blit each) per step: %.2f skinned, %.2f unskinned\n", skinnedPaints / 1000.0,
              plainPaints / 1000.0);
  return 0;
}
