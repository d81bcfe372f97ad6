#include "skin/controls/skinner_base.h"

#include <exception>
#include <utility>

namespace skin {

SkinnerBase::~SkinnerBase() { Unhook(); }

HWND SkinnerBase::HookedWindow() const noexcept {
  if (IsSubclassed()) return SubclassedWindow();
  auto* windowed = dynamic_cast<fw::TWinControl*>(method_.Control());
  return windowed && windowed->HandleAllocated() ? windowed->Handle() : nullptr;
}

bool SkinnerBase::HookWindow(HWND window) noexcept {
  if (Hooked()) return false;
  return JoinChain(window);
}

bool SkinnerBase::HookControl(fw::TControl* control) {
  if (Hooked()) return false;
  return method_.Install(control, [this](fw::TMessage& message) { MethodMessage(message); });
}

void SkinnerBase::Unhook() noexcept {
  LeaveChain();
  method_.Restore();
}

void SkinnerBase::ReleaseWhenIdle(std::function<void()> free) {
  const HWND window = HookedWindow();
  method_.Restore();
  if (IsSubclassed()) {
    skin::ReleaseWhenIdle(static_cast<SubclassLayer*>(this), std::move(free));
  } else {
    skin::ReleaseWhenIdle(window, std::move(free));
  }
}

void SkinnerBase::CallDefault(fw::TMessage& message) noexcept {
  ++passedOn_;
  if (IsSubclassed() || !method_.WasInstalled()) {
    message.Result = CallNextProc(message.Msg, message.WParam, message.LParam);
    return;
  }
  try {
    method_.CallPrevious(message);
  } catch (const std::exception& error) {
    ReportSkinnerError(error.what());
  } catch (...) {
    ReportSkinnerError("unknown error below a skinner");
  }
}

LRESULT SkinnerBase::WindowMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  // The chain catches what escapes and passes the message on when it was not.
  fw::TMessage message{msg, wParam, lParam, 0};
  HandleMessage(message);
  return message.Result;
}

void SkinnerBase::MethodMessage(fw::TMessage& message) noexcept {
  const uint32_t passedOn = passedOn_;
  try {
    HandleMessage(message);
  } catch (const std::exception& error) {
    ReportSkinnerError(error.what());
    if (passedOn_ == passedOn) CallDefault(message);
  } catch (...) {
    ReportSkinnerError("unknown error in a skinner");
    if (passedOn_ == passedOn) CallDefault(message);
  }
}

}  // namespace skin
