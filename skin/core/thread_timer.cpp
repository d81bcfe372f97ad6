#include "skin/core/thread_timer.h"

#include <unordered_map>
#include <utility>

namespace skin {
namespace {

// The system names a window-less timer by an id of its own choosing: find the object by it.
std::unordered_map<UINT_PTR, TThreadTimer*>& RunningTimers() {
  static std::unordered_map<UINT_PTR, TThreadTimer*> timers;
  return timers;
}

}  // namespace

TThreadTimer::TThreadTimer(uint32_t intervalMs, std::function<void()> onTimer)
    : OnTimer(std::move(onTimer)), interval_(intervalMs) {}

TThreadTimer::~TThreadTimer() { Stop(); }

void TThreadTimer::SetEnabled(bool enabled) {
  if (enabled == Enabled()) return;
  if (enabled) {
    Start();
  } else {
    Stop();
  }
}

void TThreadTimer::SetInterval(uint32_t intervalMs) {
  interval_ = intervalMs;
  if (Enabled()) {
    Stop();
    Start();
  }
}

void TThreadTimer::Start() {
  id_ = SetTimer(nullptr, 0, interval_, TimerProc);
  if (id_) RunningTimers()[id_] = this;
}

void TThreadTimer::Stop() noexcept {
  if (!id_) return;
  KillTimer(nullptr, id_);
  RunningTimers().erase(id_);
  id_ = 0;
}

void CALLBACK TThreadTimer::TimerProc(HWND, UINT, UINT_PTR id, DWORD) {
  auto it = RunningTimers().find(id);
  if (it == RunningTimers().end()) return;
  TThreadTimer* timer = it->second;
  if (!timer->OnTimer) return;
  try {
    timer->OnTimer();
  } catch (...) {
    // Nothing may unwind into the system's dispatch code.
  }
}

}  // namespace skin
