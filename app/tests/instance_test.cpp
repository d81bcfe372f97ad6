// The single-instance guard, with two real Pastelle processes.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>

#include "framework/text.h"
#include "tests/support/win_test_util.h"

namespace {

struct Process {
  PROCESS_INFORMATION info{};
  bool Start() {
    std::string command = "\"" + testutil::WindowsPathOf(PASTELLE_EXE) + "\"";
    STARTUPINFOA startup{sizeof startup};
    return CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info);
  }
  ~Process() {
    if (info.hProcess) {
      if (WaitForSingleObject(info.hProcess, 0) == WAIT_TIMEOUT) TerminateProcess(info.hProcess, 99);
      CloseHandle(info.hProcess);
      CloseHandle(info.hThread);
    }
  }
};

HWND WindowOf(const Process& p, const char* className, bool visibleOnly, DWORD timeoutMs) {
  HWND found = nullptr;
  testutil::PumpUntil(
      [&] {
        found = testutil::FindProcessWindow(p.info.dwProcessId, className, visibleOnly);
        return found != nullptr;
      },
      timeoutMs);
  return found;
}

int RowsOf(HWND mainWindow) {
  HWND list = FindWindowExA(mainWindow, nullptr, "TListView", nullptr);
  return list ? static_cast<int>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0)) : -1;
}

TEST(SingleInstance, ASecondStartSaysSoAndEndsLeavingTheFirstAsItWas) {
  ASSERT_EQ(OpenMutexA(SYNCHRONIZE, FALSE, "lumtra"), nullptr) << "a Pastelle instance is already running";
  Process first;
  ASSERT_TRUE(first.Start());
  HWND main = WindowOf(first, "TForm1", true, 10000);
  ASSERT_NE(main, nullptr) << "the first instance shows no window";
  testutil::SetClipboardText("kept by the first instance");
  ASSERT_TRUE(testutil::PumpUntil([&] { return RowsOf(main) == 1; }));

  Process second;
  ASSERT_TRUE(second.Start());
  HWND box = WindowOf(second, "#32770", true, 10000);
  ASSERT_NE(box, nullptr) << "the second instance shows no message";
  char text[256] = {}, caption[256] = {};
  GetWindowTextA(box, caption, sizeof caption);
  GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
  EXPECT_EQ(std::string(caption), fw::Ansi("请注意"));
  EXPECT_EQ(std::string(text), fw::Ansi("“Pastelle”已运行！"));
  // One OK button, and the main window of the second instance never shows.
  EXPECT_NE(GetDlgItem(box, IDOK), nullptr);
  EXPECT_EQ(GetDlgItem(box, IDCANCEL), nullptr);
  EXPECT_EQ(WindowOf(second, "TForm1", true, 0), nullptr);

  PostMessageA(box, WM_COMMAND, IDOK, 0);
  ASSERT_EQ(WaitForSingleObject(second.info.hProcess, 10000), WAIT_OBJECT_0);
  DWORD code = 1234;
  GetExitCodeProcess(second.info.hProcess, &code);
  EXPECT_EQ(code, 0u);

  // The first instance still runs, answers and keeps its history.
  DWORD_PTR answer = 0;
  EXPECT_TRUE(SendMessageTimeoutA(main, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 2000, &answer));
  EXPECT_EQ(RowsOf(main), 1);

  PostMessageA(main, WM_CLOSE, 0, 0);
  ASSERT_EQ(WaitForSingleObject(first.info.hProcess, 10000), WAIT_OBJECT_0);
  GetExitCodeProcess(first.info.hProcess, &code);
  EXPECT_EQ(code, 0u);
}

}  // namespace
