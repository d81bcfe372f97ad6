#include "tools/gallery/page_support.h"

#include <string>

#include "framework/handles.h"

namespace gallery {
namespace {

void PaintPlainWindow(HWND window, HDC dc) {
  RECT client{};
  GetClientRect(window, &client);
  FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
  char text[256] = {};
  GetWindowTextA(window, text, sizeof text);
  fw::SavedDCState state(dc);
  SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
  DrawTextA(dc, text, -1, &client, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS);
}

// The messages both classes handle alike; false leaves the message to the default procedure.
bool HandlePlainMessage(HWND window, UINT msg, WPARAM wParam, LRESULT& result) {
  switch (msg) {
    case WM_PAINT: {
      fw::PaintDC paint(window);
      PaintPlainWindow(window, paint.get());
      result = 0;
      return true;
    }
    case WM_PRINTCLIENT:
      PaintPlainWindow(window, reinterpret_cast<HDC>(wParam));
      result = 0;
      return true;
    case WM_ERASEBKGND:
      result = 1;
      return true;
    default:
      return false;
  }
}

LRESULT CALLBACK PlainWindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  if (HandlePlainMessage(window, msg, wParam, result)) return result;
  if (msg == WM_CLOSE) {
    ShowWindow(window, SW_HIDE);
    return 0;
  }
  return DefWindowProcA(window, msg, wParam, lParam);
}

LRESULT CALLBACK MdiChildProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  if (HandlePlainMessage(window, msg, wParam, result)) return result;
  return DefMDIChildProcA(window, msg, wParam, lParam);
}

void RegisterClassOnce(const char* name, WNDPROC proc) {
  HINSTANCE instance = GetModuleHandleA(nullptr);
  WNDCLASSA existing{};
  if (GetClassInfoA(instance, name, &existing)) return;
  WNDCLASSA wc{};
  wc.style = CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS;
  wc.lpfnWndProc = proc;
  wc.hInstance = instance;
  wc.hIcon = LoadIconA(instance, "MAINICON");
  wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  wc.lpszClassName = name;
  RegisterClassA(&wc);
}

}  // namespace

void ShowFormAt(fw::TForm& form, PageHost& host) {
  RECT bounds{};
  GetWindowRect(form.Handle(), &bounds);
  const SIZE size{bounds.right - bounds.left, bounds.bottom - bounds.top};
  const POINT at = host.NextPosition(size);
  form.SetBounds(at.x, at.y, size.cx, size.cy);
  form.Show();
}

void ShowWindowAt(HWND window, PageHost& host) {
  RECT bounds{};
  GetWindowRect(window, &bounds);
  const POINT at = host.NextPosition({bounds.right - bounds.left, bounds.bottom - bounds.top});
  SetWindowPos(window, nullptr, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  ShowWindow(window, SW_SHOW);
}

bool IsShown(HWND window) { return window && IsWindow(window) && IsWindowVisible(window); }

void RegisterPlainWindowClasses() {
  RegisterClassOnce(kPlainWindowClass, PlainWindowProc);
  RegisterClassOnce(kMdiChildClass, MdiChildProc);
}

}  // namespace gallery
