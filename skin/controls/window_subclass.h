// Subclassing windows without generated machine code: the one life cycle every skinner shares.
//
// Each subclassed window has one record in a table keyed by window. The first layer replaces the
// window's procedure (GWL_WNDPROC, wide or ANSI as the window is) with one static procedure; every
// further layer of ours joins the record's chain, newest first, and sees the window's messages
// before the layers below it and before the window's previous procedure. Layers leave in any order.
// The window's previous procedure goes back when the last layer leaves, and only while ours is
// still the installed one: when another library subclassed the window after us, our procedure
// stays in its chain and passes messages straight through until the window is destroyed.
//
// The record counts the window's messages that are being handled (a nesting depth). A layer that
// is released while one of them runs leaves the chain at once but is freed only when the outermost
// message of that window returns, so no handler ever runs on a freed object. The record itself is
// dropped after WM_NCDESTROY has gone through the chain, whatever the layers do, so a recycled
// window handle starts afresh.
//
// Exceptions never cross the window procedure: a layer's exception is caught, the message still
// reaches the procedures below when the layer had not passed it on, and the error is reported from
// the message loop afterwards (see SetSkinnerErrorReporter).
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>

namespace skin {

class SubclassLayer {
 public:
  SubclassLayer() = default;
  SubclassLayer(const SubclassLayer&) = delete;
  SubclassLayer& operator=(const SubclassLayer&) = delete;
  // Leaves the window's chain when still in it.
  virtual ~SubclassLayer();

  // Puts this layer on top of the window's chain. False when the window is gone, the layer is
  // already in a chain, or the window refused the new procedure.
  bool JoinChain(HWND window) noexcept;
  // Takes this layer out of its window's chain (see the file comment for when the previous
  // procedure goes back). Nothing when the layer is in no chain.
  void LeaveChain() noexcept;

  [[nodiscard]] bool IsSubclassed() const noexcept { return window_ != nullptr; }
  // The window whose chain this layer is in, nullptr when none.
  [[nodiscard]] HWND SubclassedWindow() const noexcept { return window_; }

 protected:
  // Passes a message to the layer below, or to the window's previous procedure. A layer that
  // left its chain while handling the message passes it to what was below it.
  LRESULT CallNextProc(UINT msg, WPARAM wParam, LPARAM lParam) noexcept;
  // Sees the window's messages; whatever it does not keep it passes on with CallNextProc.
  virtual LRESULT WindowMessage(UINT msg, WPARAM wParam, LPARAM lParam) = 0;
  // WM_NCDESTROY has gone through the whole chain; the layer has left it.
  virtual void WindowDestroyed() noexcept {}

 private:
  friend class SubclassChain;
  friend void ReleaseWhenIdle(SubclassLayer* layer, std::function<void()> free);
  HWND window_ = nullptr;      // in this window's chain
  HWND lastWindow_ = nullptr;  // the window of the chain it was last in (for deferred release)
};

// Runs `free` once no message of the window is being handled: at once when none is, otherwise
// when the outermost one returns. `free` must not throw.
void ReleaseWhenIdle(HWND window, std::function<void()> free);
// The same for a layer, which leaves its window's chain at once.
void ReleaseWhenIdle(SubclassLayer* layer, std::function<void()> free);

// Counts as a message of the window for the life of the scope: a release meanwhile waits until
// the scope ends. For messages that reach a skinner another way (a framework control's window
// method) and for work on a skinner from outside its window's messages (the manager's commands).
class WindowBusyScope {
 public:
  explicit WindowBusyScope(HWND window) noexcept;
  ~WindowBusyScope();
  WindowBusyScope(const WindowBusyScope&) = delete;
  WindowBusyScope& operator=(const WindowBusyScope&) = delete;

 private:
  HWND window_;
};

// Where errors of skinners go: called from the message loop, never inside a window procedure.
// By default they go to the debugger output only (skinning fails silently); nullptr restores that.
using SkinnerErrorReporter = std::function<void(const std::string& text)>;
void SetSkinnerErrorReporter(SkinnerErrorReporter reporter);
// Reports an error caught at a window procedure, hook or callback boundary, after that returns.
void ReportSkinnerError(std::string text) noexcept;

// Windows with a record, and the layers in the chain of one (for tests).
[[nodiscard]] size_t SubclassedWindowCount() noexcept;
[[nodiscard]] size_t LayerCount(HWND window) noexcept;

}  // namespace skin
