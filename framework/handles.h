// Owners of Win32 handles: one move-only type per handle kind, so that every GDI and user object
// has exactly one owner that frees it on every path. Owners never convert implicitly to the raw
// handle: use get(), reset() and release().
#pragma once

#include <windows.h>

#include <utility>

namespace fw {

template <typename Handle, auto Close, Handle Invalid = Handle{}>
class UniqueHandle {
 public:
  UniqueHandle() noexcept = default;
  explicit UniqueHandle(Handle handle) noexcept : handle_(handle) {}
  UniqueHandle(UniqueHandle&& other) noexcept : handle_(other.release()) {}
  UniqueHandle& operator=(UniqueHandle&& other) noexcept {
    if (this != &other) reset(other.release());
    return *this;
  }
  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;
  ~UniqueHandle() { reset(); }

  [[nodiscard]] Handle get() const noexcept { return handle_; }
  explicit operator bool() const noexcept { return handle_ != Invalid; }

  void reset(Handle handle = Invalid) noexcept {
    Handle old = std::exchange(handle_, handle);
    if (old != Invalid) Close(old);
  }
  [[nodiscard]] Handle release() noexcept { return std::exchange(handle_, Invalid); }

 private:
  Handle handle_ = Invalid;
};

namespace detail {
template <typename GdiHandle>
void DeleteGdiObject(GdiHandle object) noexcept {
  ::DeleteObject(object);
}
inline void DeleteMemoryDC(HDC dc) noexcept { ::DeleteDC(dc); }
inline void CloseKernelHandle(HANDLE handle) noexcept { ::CloseHandle(handle); }
inline void DestroyIconHandle(HICON icon) noexcept { ::DestroyIcon(icon); }
inline void DestroyMenuHandle(HMENU menu) noexcept { ::DestroyMenu(menu); }
inline void DestroyWindowHandle(HWND window) noexcept { ::DestroyWindow(window); }
inline void UnhookHandle(HHOOK hook) noexcept { ::UnhookWindowsHookEx(hook); }
inline void DeleteGlobalAtom(ATOM atom) noexcept { ::GlobalDeleteAtom(atom); }
}  // namespace detail

template <typename GdiHandle>
using UniqueGdi = UniqueHandle<GdiHandle, detail::DeleteGdiObject<GdiHandle>>;

using UniqueBitmap = UniqueGdi<HBITMAP>;
using UniqueBrush = UniqueGdi<HBRUSH>;
using UniquePen = UniqueGdi<HPEN>;
using UniqueFont = UniqueGdi<HFONT>;
using UniqueRegion = UniqueGdi<HRGN>;
using UniqueMemoryDC = UniqueHandle<HDC, detail::DeleteMemoryDC>;
using UniqueKernelHandle = UniqueHandle<HANDLE, detail::CloseKernelHandle>;
using UniqueIcon = UniqueHandle<HICON, detail::DestroyIconHandle>;
using UniqueMenu = UniqueHandle<HMENU, detail::DestroyMenuHandle>;
using UniqueWindow = UniqueHandle<HWND, detail::DestroyWindowHandle>;
using UniqueHook = UniqueHandle<HHOOK, detail::UnhookHandle>;
using UniqueGlobalAtom = UniqueHandle<ATOM, detail::DeleteGlobalAtom>;

// A DC from GetDC or GetWindowDC: remembers its window for ReleaseDC.
class WindowDC {
 public:
  enum class Area { Client, Window };
  explicit WindowDC(HWND window, Area area = Area::Client) noexcept
      : window_(window), dc_(area == Area::Client ? ::GetDC(window) : ::GetWindowDC(window)) {}
  WindowDC(const WindowDC&) = delete;
  WindowDC& operator=(const WindowDC&) = delete;
  ~WindowDC() {
    if (dc_) ::ReleaseDC(window_, dc_);
  }
  [[nodiscard]] HDC get() const noexcept { return dc_; }
  explicit operator bool() const noexcept { return dc_ != nullptr; }

 private:
  HWND window_;
  HDC dc_;
};

// BeginPaint paired with EndPaint.
class PaintDC {
 public:
  explicit PaintDC(HWND window) noexcept : window_(window), dc_(::BeginPaint(window, &paint_)) {}
  PaintDC(const PaintDC&) = delete;
  PaintDC& operator=(const PaintDC&) = delete;
  ~PaintDC() { ::EndPaint(window_, &paint_); }
  [[nodiscard]] HDC get() const noexcept { return dc_; }
  [[nodiscard]] const RECT& dirty() const noexcept { return paint_.rcPaint; }

 private:
  HWND window_;
  PAINTSTRUCT paint_{};
  HDC dc_;
};

// Selects an object into a DC and puts the previous one back on scope exit.
class SelectObjectGuard {
 public:
  SelectObjectGuard(HDC dc, HGDIOBJ object) noexcept : dc_(dc), old_(::SelectObject(dc, object)) {
    if (old_ == HGDI_ERROR) old_ = nullptr;
  }
  SelectObjectGuard(const SelectObjectGuard&) = delete;
  SelectObjectGuard& operator=(const SelectObjectGuard&) = delete;
  ~SelectObjectGuard() {
    if (old_) ::SelectObject(dc_, old_);
  }

 private:
  HDC dc_;
  HGDIOBJ old_;
};

// SaveDC / RestoreDC around code that changes clipping, modes or colours of a borrowed DC.
class SavedDCState {
 public:
  explicit SavedDCState(HDC dc) noexcept : dc_(dc), state_(::SaveDC(dc)) {}
  SavedDCState(const SavedDCState&) = delete;
  SavedDCState& operator=(const SavedDCState&) = delete;
  ~SavedDCState() {
    if (state_) ::RestoreDC(dc_, state_);
  }

 private:
  HDC dc_;
  int state_;
};

}  // namespace fw
