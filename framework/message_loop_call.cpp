#include "framework/message_loop_call.h"

#include <windows.h>

#include <deque>
#include <utility>

namespace fw {
namespace {

thread_local std::deque<std::function<void()>> t_queue;
thread_local UINT_PTR t_timer = 0;

void CALLBACK RunQueued(HWND, UINT, UINT_PTR timer, DWORD) {
  KillTimer(nullptr, timer);
  t_timer = 0;
  // Calls queued meanwhile (by a call that runs its own message loop) wait for the next round.
  std::deque<std::function<void()>> calls = std::move(t_queue);
  t_queue.clear();
  for (auto& call : calls) {
    try {
      call();
    } catch (...) {
      // Nothing may unwind into the dispatch of the timer.
    }
  }
}

}  // namespace

void CallFromMessageLoop(std::function<void()> call) noexcept {
  try {
    t_queue.push_back(std::move(call));
    if (!t_timer) t_timer = SetTimer(nullptr, 0, 0, RunQueued);
  } catch (...) {
    // Without memory the call is lost; the window procedure is not.
  }
}

}  // namespace fw
