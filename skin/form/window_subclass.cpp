#include "skin/form/window_subclass.h"

namespace skin {

WNDPROC ReplaceWindowProc(HWND window, WNDPROC procedure, bool unicode) noexcept {
  const auto value = reinterpret_cast<LONG_PTR>(procedure);
  LONG_PTR previous =
      unicode ? SetWindowLongPtrW(window, GWLP_WNDPROC, value) : SetWindowLongPtrA(window, GWLP_WNDPROC, value);
  return reinterpret_cast<WNDPROC>(previous);
}

WNDPROC InstalledWindowProc(HWND window, bool unicode) noexcept {
  LONG_PTR value = unicode ? GetWindowLongPtrW(window, GWLP_WNDPROC) : GetWindowLongPtrA(window, GWLP_WNDPROC);
  return reinterpret_cast<WNDPROC>(value);
}

LRESULT CallSavedWindowProc(WNDPROC previous, bool unicode, HWND window, UINT msg, WPARAM wParam,
                            LPARAM lParam) noexcept {
  if (!previous) {
    return unicode ? DefWindowProcW(window, msg, wParam, lParam) : DefWindowProcA(window, msg, wParam, lParam);
  }
  return unicode ? CallWindowProcW(previous, window, msg, wParam, lParam)
                 : CallWindowProcA(previous, window, msg, wParam, lParam);
}

}  // namespace skin
