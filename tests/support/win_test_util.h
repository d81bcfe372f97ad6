// Helpers for tests that drive real windows under Wine: bounded message pumping, the real
// clipboard, and answering message boxes by button id.
#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace testutil {

// The text under which the framework tags its windows in this thread: "ControlOfs", then the
// program's module handle and the thread id in upper-case hexadecimal, at least 8 digits each
// (every digit of a 64-bit module handle).
std::string ExpectedControlTagText();

// Handles this thread's messages for the given time.
void PumpMessages(DWORD milliseconds);
// Handles messages until the condition holds or the time is up; returns the condition.
bool PumpUntil(const std::function<bool()>& condition, DWORD timeoutMs = 3000);

// The clipboard through the raw API, independent of the code under test.
void SetClipboardText(const std::string& text, HWND owner = nullptr);
// One format of a clipboard content: the bytes of its memory block, or none for a format that is
// rendered on request.
struct ClipboardFormatData {
  UINT format;
  std::optional<std::string> bytes;
};
// Replaces the clipboard contents with these formats in one change; false when the clipboard
// refused one of them (a block of no bytes, for example).
bool SetClipboardFormats(const std::vector<ClipboardFormatData>& formats, HWND owner = nullptr);
void SetClipboardBitmapOnly(HWND owner = nullptr);
std::string ReadClipboardText();

// Holds the clipboard open on another thread, like another program would.
class ClipboardHolder {
 public:
  explicit ClipboardHolder(DWORD holdMs);
  ~ClipboardHolder();
  ClipboardHolder(const ClipboardHolder&) = delete;
  ClipboardHolder& operator=(const ClipboardHolder&) = delete;

 private:
  std::thread thread_;
  HANDLE opened_;
};

// Answers every message box ("#32770") that this thread activates with the given button and
// remembers the last one's caption and text.
class MessageBoxAnswerer {
 public:
  explicit MessageBoxAnswerer(int button);
  ~MessageBoxAnswerer();
  MessageBoxAnswerer(const MessageBoxAnswerer&) = delete;
  MessageBoxAnswerer& operator=(const MessageBoxAnswerer&) = delete;

  int count = 0;
  std::string caption;
  std::string text;
  HWND owner = nullptr;

 private:
  static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam);
  int button_;
  HHOOK hook_;
};

// A top-level window of the given process and class (visible ones only, if asked), or nullptr.
HWND FindProcessWindow(DWORD processId, const char* className, bool visibleOnly);

// Real mouse input (SendInput): the mouse moved to a screen point, the left button pressed or let go.
void MouseMoveTo(POINT screen);
void LeftButtonDown();
void LeftButtonUp();

// "Z:\..." for a path of the Linux file system, as Wine maps it; a Windows path as it is, with
// backslashes.
std::string WindowsPathOf(const std::string& unixPath);

}  // namespace testutil
