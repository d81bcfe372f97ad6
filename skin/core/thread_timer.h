// A timer without a window: while enabled, OnTimer runs every Interval milliseconds from the
// message loop of the thread that enabled it (any loop that dispatches messages, modal ones
// included). Exceptions of OnTimer are swallowed at the timer's boundary.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>

namespace skin {

class TThreadTimer {
 public:
  explicit TThreadTimer(uint32_t intervalMs, std::function<void()> onTimer = {});
  ~TThreadTimer();
  TThreadTimer(const TThreadTimer&) = delete;
  TThreadTimer& operator=(const TThreadTimer&) = delete;

  [[nodiscard]] bool Enabled() const noexcept { return id_ != 0; }
  void SetEnabled(bool enabled);
  [[nodiscard]] uint32_t Interval() const noexcept { return interval_; }
  // A running timer restarts with the new interval.
  void SetInterval(uint32_t intervalMs);

  std::function<void()> OnTimer;

 private:
  static void CALLBACK TimerProc(HWND window, UINT msg, UINT_PTR id, DWORD time);
  void Start();
  void Stop() noexcept;

  uint32_t interval_;
  UINT_PTR id_ = 0;
};

}  // namespace skin
