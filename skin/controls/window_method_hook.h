// Replacing a framework control's window method (its WindowProc), the way skinners of framework
// controls and forms see the control's messages first. The previous method goes back only while
// ours is still the installed one; when another method was installed after ours, whoever holds
// ours keeps reaching the previous method through it.
//
// Messages that arrive through the hook count as messages of the control's window (see
// WindowBusyScope), so a skinner released while one runs is freed when it returns.
#pragma once

#include <functional>
#include <memory>

#include "framework/control.h"
#include "framework/messages.h"

namespace skin {

class WindowMethodHook {
 public:
  WindowMethodHook() = default;
  ~WindowMethodHook() { Restore(); }
  WindowMethodHook(const WindowMethodHook&) = delete;
  WindowMethodHook& operator=(const WindowMethodHook&) = delete;

  // Makes `handler` the control's window method. False when already installed or no control.
  bool Install(fw::TControl* control, std::function<void(fw::TMessage&)> handler);
  // Lets go of the control (see the file comment). A control being destroyed is not touched.
  void Restore();
  // Passes the message to the method that was installed before ours.
  void CallPrevious(fw::TMessage& message) const;

  [[nodiscard]] bool Installed() const { return static_cast<bool>(link_); }
  // Installed now or before: CallPrevious still reaches the method that was below ours.
  [[nodiscard]] bool WasInstalled() const { return link_ || released_; }
  [[nodiscard]] fw::TControl* Control() const { return control_; }

 private:
  struct Link;
  struct Call;
  std::shared_ptr<Link> link_;
  std::shared_ptr<Link> released_;  // after Restore: a message still running passes on through it
  fw::TControl* control_ = nullptr;
};

}  // namespace skin
