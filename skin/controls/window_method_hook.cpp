#include "skin/controls/window_method_hook.h"

#include <utility>

#include "skin/controls/window_subclass.h"

namespace skin {

// Shared by the hook and the method installed on the control, which may outlive the hook (a later
// replacement keeps a copy of it).
struct WindowMethodHook::Link {
  std::function<void(fw::TMessage&)> handler;  // empty once the hook let go
  fw::TWndMethod previous;
  fw::TControl* control = nullptr;
};

struct WindowMethodHook::Call {
  std::shared_ptr<Link> link;

  void operator()(fw::TMessage& message) const {
    const std::shared_ptr<Link> keep = link;  // the hook may let go while the message runs
    if (keep->handler) {
      auto* windowed = dynamic_cast<fw::TWinControl*>(keep->control);
      WindowBusyScope busy(windowed && windowed->HandleAllocated() ? windowed->Handle() : nullptr);
      std::function<void(fw::TMessage&)> handler = keep->handler;
      handler(message);
    } else if (keep->previous) {
      fw::TWndMethod previous = keep->previous;
      previous(message);
    }
  }
};

bool WindowMethodHook::Install(fw::TControl* control, std::function<void(fw::TMessage&)> handler) {
  if (!control || link_) return false;
  released_.reset();
  link_ = std::make_shared<Link>();
  link_->handler = std::move(handler);
  link_->previous = control->WindowProc;
  link_->control = control;
  control_ = control;
  control->WindowProc = Call{link_};
  return true;
}

void WindowMethodHook::Restore() {
  if (!link_) return;
  std::shared_ptr<Link> link = std::move(link_);
  released_ = link;
  fw::TControl* control = std::exchange(control_, nullptr);
  link->handler = nullptr;
  const bool usable = control && !control->HasState(fw::ComponentState::Destroying);
  const auto* installed = usable ? control->WindowProc.target<Call>() : nullptr;
  if (installed && installed->link == link) control->WindowProc = link->previous;
  // Otherwise whoever still holds our method reaches the previous one through the link.
}

void WindowMethodHook::CallPrevious(fw::TMessage& message) const {
  const Link* link = link_ ? link_.get() : released_.get();
  if (!link || !link->previous) return;
  fw::TWndMethod previous = link->previous;  // a copy: the hook may let go while it runs
  previous(message);
}

}  // namespace skin
