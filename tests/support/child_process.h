// A Windows program started by a test or a benchmark: started with a command line, found by its
// windows, closed or killed, and never left running when its owner goes.
#pragma once

#include <windows.h>

#include <string>

namespace testutil {

class ChildProcess {
 public:
  ChildProcess() = default;
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;
  // Kills the program if it still runs.
  ~ChildProcess();

  // Starts "program" with the arguments (already quoted as needed); false when it cannot start.
  bool Start(const std::string& program, const std::string& arguments = {});
  [[nodiscard]] bool Running() const;
  [[nodiscard]] DWORD Id() const { return info_.dwProcessId; }
  [[nodiscard]] HANDLE Handle() const { return info_.hProcess; }

  // A top-level window of the program, waited for; nullptr when none shows in time.
  [[nodiscard]] HWND WaitForWindow(const char* className, bool visibleOnly, DWORD timeoutMs) const;
  // Ends the program the way a crash does: no window gets the chance to clean up.
  void Kill();
  // Waits until the program has ended; false when it still runs after the timeout.
  bool WaitForExit(DWORD timeoutMs) const;
  // The exit code, or STILL_ACTIVE.
  [[nodiscard]] DWORD ExitCode() const;

 private:
  void Release();
  PROCESS_INFORMATION info_{};
};

}  // namespace testutil
