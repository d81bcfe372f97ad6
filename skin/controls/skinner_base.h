// The base of every skinner: it sees its window's messages first, through the window's procedure
// chain (any window) or through a framework control's window method, handles them in
// HandleMessage and passes the rest on with CallDefault. The life cycle is the subclass chain's
// (window_subclass.h): a skinner released while one of its window's messages runs is freed when
// the outermost one returns, and exceptions are caught at the boundary and reported afterwards.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>

#include "framework/control.h"
#include "framework/messages.h"
#include "skin/controls/window_method_hook.h"
#include "skin/controls/window_subclass.h"

namespace skin {

class SkinnerBase : private SubclassLayer {
 public:
  SkinnerBase() = default;
  ~SkinnerBase() override;

  // The window whose messages this skinner sees, nullptr when it sees none.
  [[nodiscard]] HWND HookedWindow() const noexcept;
  [[nodiscard]] bool Hooked() const noexcept { return IsSubclassed() || method_.Installed(); }
  [[nodiscard]] bool HookedThroughWindowMethod() const noexcept { return method_.Installed(); }
  // Frees the skinner with `free` once no message of its window is being handled; it sees no
  // message from now on.
  void ReleaseWhenIdle(std::function<void()> free);

 protected:
  // Through the window's procedure chain.
  bool HookWindow(HWND window) noexcept;
  // Through the framework control's window method (the control's window need not exist yet).
  bool HookControl(fw::TControl* control);
  // Lets go of the window: what this skinner replaced goes back while it is still installed.
  void Unhook() noexcept;
  // Passes the message on to what was installed before this skinner; sets its Result.
  void CallDefault(fw::TMessage& message) noexcept;
  // Every message of the window, first.
  virtual void HandleMessage(fw::TMessage& message) = 0;
  // The window was destroyed (after WM_NCDESTROY went through); the skinner sees no more messages.
  void WindowDestroyed() noexcept override {}

 private:
  LRESULT WindowMessage(UINT msg, WPARAM wParam, LPARAM lParam) final;
  void MethodMessage(fw::TMessage& message) noexcept;

  WindowMethodHook method_;
  uint32_t passedOn_ = 0;  // counts CallDefault calls, to know whether a failed message went on
};

}  // namespace skin
