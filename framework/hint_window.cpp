#include "framework/hint_window.h"

namespace fw {

namespace {
constexpr const char* kHintClass = "THintWindow";
constexpr UINT kTextFlags = DT_LEFT | DT_WORDBREAK | DT_NOPREFIX;
constexpr int kPadding = 2;
}  // namespace

THintWindow::THintWindow() {
  NONCLIENTMETRICSA metrics{};
  metrics.cbSize = sizeof metrics;
  if (SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0))
    font_.reset(CreateFontIndirectA(&metrics.lfStatusFont));
}

RECT THintWindow::CalcHintRect(int maxWidth, const std::string& text) {
  RECT r{0, 0, maxWidth, 0};
  WindowDC screen(nullptr);
  if (screen) {
    SelectObjectGuard font(screen.get(), font_ ? font_.get() : GetStockObject(DEFAULT_GUI_FONT));
    DrawTextA(screen.get(), text.c_str(), static_cast<int>(text.size()), &r, kTextFlags | DT_CALCRECT);
  }
  r.right += 2 * kPadding + 4;
  r.bottom += 2 * kPadding + 2;
  return r;
}

void THintWindow::ActivateHint(const RECT& screenRect, const std::string& text) {
  text_ = text;
  HINSTANCE instance = GetModuleHandleA(nullptr);
  if (!window_) {
    WNDCLASSA wc{};
    if (!GetClassInfoA(instance, kHintClass, &wc)) {
      wc.style = CS_SAVEBITS | CS_DROPSHADOW;
      wc.lpfnWndProc = WindowProc;
      wc.hInstance = instance;
      wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
      wc.lpszClassName = kHintClass;
      RegisterClassA(&wc);
    }
    window_.reset(CreateWindowExA(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, kHintClass, "", WS_POPUP | WS_BORDER, 0, 0, 0, 0,
                                  nullptr, nullptr, instance, this));
    if (!window_) return;
    SetWindowLongPtrA(window_.get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  }
  SetWindowTextA(window_.get(), text.c_str());
  SetWindowPos(window_.get(), HWND_TOPMOST, screenRect.left, screenRect.top, screenRect.right - screenRect.left,
               screenRect.bottom - screenRect.top, SWP_SHOWWINDOW | SWP_NOACTIVATE);
  InvalidateRect(window_.get(), nullptr, TRUE);
}

void THintWindow::Hide() {
  if (window_) ShowWindow(window_.get(), SW_HIDE);
}

void THintWindow::Paint(HDC dc) {
  RECT r;
  GetClientRect(window_.get(), &r);
  FillRect(dc, &r, GetSysColorBrush(COLOR_INFOBK));
  SelectObjectGuard font(dc, font_ ? font_.get() : GetStockObject(DEFAULT_GUI_FONT));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, GetSysColor(COLOR_INFOTEXT));
  InflateRect(&r, -kPadding, -kPadding);
  DrawTextA(dc, text_.c_str(), static_cast<int>(text_.size()), &r, kTextFlags);
}

LRESULT CALLBACK THintWindow::WindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  auto* self = reinterpret_cast<THintWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (msg == WM_PAINT && self) {
    PaintDC paint(window);
    self->Paint(paint.get());
    return 0;
  }
  if (msg == WM_NCHITTEST) return HTTRANSPARENT;
  return DefWindowProcA(window, msg, wParam, lParam);
}

}  // namespace fw
