#include "tests/support/child_process.h"

#include "tests/support/win_test_util.h"

namespace testutil {

ChildProcess::~ChildProcess() {
  if (Running()) Kill();
  Release();
}

void ChildProcess::Release() {
  if (info_.hProcess) CloseHandle(info_.hProcess);
  if (info_.hThread) CloseHandle(info_.hThread);
  info_ = {};
}

bool ChildProcess::Start(const std::string& program, const std::string& arguments) {
  if (Running()) Kill();
  Release();
  std::string command = "\"" + program + "\"";
  if (!arguments.empty()) command += " " + arguments;
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  return CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info_) !=
         FALSE;
}

bool ChildProcess::Running() const { return info_.hProcess && WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT; }

HWND ChildProcess::WaitForWindow(const char* className, bool visibleOnly, DWORD timeoutMs) const {
  HWND found = nullptr;
  PumpUntil(
      [&] {
        found = FindProcessWindow(info_.dwProcessId, className, visibleOnly);
        return found != nullptr || !Running();
      },
      timeoutMs);
  return found;
}

void ChildProcess::Kill() {
  if (!info_.hProcess) return;
  TerminateProcess(info_.hProcess, 9);
  WaitForExit(10000);
}

bool ChildProcess::WaitForExit(DWORD timeoutMs) const {
  if (!info_.hProcess) return true;
  return PumpUntil([&] { return WaitForSingleObject(info_.hProcess, 0) != WAIT_TIMEOUT; }, timeoutMs);
}

DWORD ChildProcess::ExitCode() const {
  DWORD code = STILL_ACTIVE;
  if (info_.hProcess) GetExitCodeProcess(info_.hProcess, &code);
  return code;
}

}  // namespace testutil
