// A bare clipboard viewer, the yardstick of the capture benchmark and the second viewer of the
// chain tests: one window with a native report list view. On each WM_DRAWCLIPBOARD it passes the
// message on, reads CF_TEXT and appends one row; it does nothing else (no duplicate test, no
// time, no second attempt when the clipboard is busy). It leaves the chain when its window is
// closed; a test may kill it instead, which leaves the chain broken the way a crashed viewer does.
//
// With the argument --self-repair it also watches the chain and rejoins it as Pastelle does, and
// rejoins at once when it receives the registered message kRejoinNowMessage: a Pastelle-like
// second viewer for the tests of two viewers repairing the chain together.
#include "tests/support/bare_viewer.h"

#include <windows.h>

#include <commctrl.h>

#include <cstring>

#include "app/viewer_chain.h"

namespace {

HWND g_list = nullptr;
HWND g_next = nullptr;
bool g_selfRepair = false;
UINT g_rejoinNow = 0;
int g_noticeDepth = 0;
pastelle::ViewerChainWatch g_watch;

void AppendClipboardText(HWND window) {
  if (!OpenClipboard(window)) return;
  if (HANDLE data = GetClipboardData(CF_TEXT)) {
    if (auto* text = static_cast<char*>(GlobalLock(data))) {
      LVITEMA item{};
      item.mask = LVIF_TEXT;
      item.iItem = static_cast<int>(SendMessageA(g_list, LVM_GETITEMCOUNT, 0, 0));
      item.pszText = text;
      SendMessageA(g_list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
}

void OnDrawClipboard(HWND window, WPARAM wParam, LPARAM lParam) {
  if (g_selfRepair) {
    // A notice that came round a chain running in a circle goes no further.
    if (g_noticeDepth >= 4) return;
    g_watch.Noticed(GetClipboardSequenceNumber());
  }
  ++g_noticeDepth;
  if (g_next) SendMessageA(g_next, WM_DRAWCLIPBOARD, wParam, lParam);
  AppendClipboardText(window);
  --g_noticeDepth;
}

void WatchChain(HWND window) {
  if (g_watch.Check(GetClipboardSequenceNumber()) == pastelle::ViewerChainWatch::Verdict::kBroken)
    pastelle::RejoinClipboardChain(window, g_next);
  SetTimer(window, 1, g_watch.NextCheckDelayMs(), nullptr);
}

LRESULT CALLBACK ViewerProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (g_rejoinNow && msg == g_rejoinNow) {
    pastelle::RejoinClipboardChain(window, g_next);
    return 0;
  }
  switch (msg) {
    case WM_CREATE: {
      g_list = CreateWindowExA(WS_EX_CLIENTEDGE, WC_LISTVIEWA, "", WS_CHILD | WS_VISIBLE | LVS_REPORT, 0, 0, 0, 0,
                               window, nullptr, GetModuleHandleA(nullptr), nullptr);
      LVCOLUMNA column{};
      column.mask = LVCF_TEXT | LVCF_WIDTH;
      column.cx = 300;
      column.pszText = const_cast<char*>("Text");
      SendMessageA(g_list, LVM_INSERTCOLUMNA, 0, reinterpret_cast<LPARAM>(&column));
      g_next = SetClipboardViewer(window);
      if (g_selfRepair) SetTimer(window, 1, g_watch.NextCheckDelayMs(), nullptr);
      return 0;
    }
    case WM_SIZE:
      MoveWindow(g_list, 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE);
      return 0;
    case WM_DRAWCLIPBOARD:
      OnDrawClipboard(window, wParam, lParam);
      return 0;
    case WM_CHANGECBCHAIN:
      if (reinterpret_cast<HWND>(wParam) == g_next) {
        g_next = reinterpret_cast<HWND>(lParam);
      } else if (g_next) {
        SendMessageA(g_next, msg, wParam, lParam);
      }
      return 0;
    case WM_TIMER:
      if (g_selfRepair && wParam == 1) WatchChain(window);
      return 0;
    case WM_DESTROY:
      pastelle::LeaveClipboardChain(window, g_next);
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcA(window, msg, wParam, lParam);
  }
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
  g_selfRepair = commandLine && std::strstr(commandLine, "--self-repair") != nullptr;
  if (g_selfRepair) g_rejoinNow = RegisterWindowMessageA(testutil::kRejoinNowMessage);
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_LISTVIEW_CLASSES};
  InitCommonControlsEx(&controls);
  WNDCLASSA wc{};
  wc.lpfnWndProc = ViewerProc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  wc.lpszClassName = testutil::kBareViewerClass;
  RegisterClassA(&wc);
  // The list is as large as Pastelle's.
  RECT frame{0, 0, 655, 232};
  AdjustWindowRect(&frame, WS_OVERLAPPEDWINDOW, FALSE);
  HWND window =
      CreateWindowExA(0, testutil::kBareViewerClass, "Bare clipboard viewer", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 40, 40,
                      frame.right - frame.left, frame.bottom - frame.top, nullptr, nullptr, instance, nullptr);
  if (!window) return 1;
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return 0;
}
