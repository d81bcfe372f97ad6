#include "tests/support/win_test_util.h"

#include <cstdint>
#include <cstring>
#include <iomanip>
#include <sstream>
#include <stdexcept>

namespace testutil {

std::string ExpectedControlTagText() {
  std::ostringstream text;
  text << "ControlOfs" << std::uppercase << std::hex << std::setfill('0') << std::setw(8)
       << reinterpret_cast<std::uintptr_t>(GetModuleHandleA(nullptr)) << std::setw(8) << GetCurrentThreadId();
  return text.str();
}

void PumpMessages(DWORD milliseconds) {
  PumpUntil([] { return false; }, milliseconds);
}

bool PumpUntil(const std::function<bool()>& condition, DWORD timeoutMs) {
  const DWORD start = GetTickCount();
  for (;;) {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
    if (condition()) return true;
    DWORD elapsed = GetTickCount() - start;
    if (elapsed >= timeoutMs) return condition();
    MsgWaitForMultipleObjects(0, nullptr, FALSE, std::min<DWORD>(timeoutMs - elapsed, 10), QS_ALLINPUT);
  }
}

namespace {
void OpenWithRetry(HWND owner) {
  for (int i = 0; i < 200; ++i) {
    if (OpenClipboard(owner)) return;
    Sleep(5);
  }
  throw std::runtime_error("test could not open the clipboard");
}
}  // namespace

void SetClipboardText(const std::string& text, HWND owner) {
  SetClipboardFormats({{CF_TEXT, std::string(text.c_str(), text.size() + 1)}}, owner);
}

bool SetClipboardFormats(const std::vector<ClipboardFormatData>& formats, HWND owner) {
  OpenWithRetry(owner);
  EmptyClipboard();
  bool all = true;
  for (const ClipboardFormatData& data : formats) {
    HGLOBAL memory = nullptr;
    if (data.bytes) {
      memory = GlobalAlloc(GMEM_MOVEABLE, data.bytes->size());
      if (void* target = GlobalLock(memory)) {
        std::memcpy(target, data.bytes->data(), data.bytes->size());
        GlobalUnlock(memory);
      }
    }
    // The clipboard owns the block from now on, unless it refuses it.
    if (!SetClipboardData(data.format, memory) && memory) {
      GlobalFree(memory);
      all = false;
    }
  }
  CloseClipboard();
  return all;
}

void SetClipboardBitmapOnly(HWND owner) {
  OpenWithRetry(owner);
  EmptyClipboard();
  HDC screen = GetDC(nullptr);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, 8, 8);
  ReleaseDC(nullptr, screen);
  SetClipboardData(CF_BITMAP, bitmap);  // the clipboard owns it from now on
  CloseClipboard();
}

std::string ReadClipboardText() {
  OpenWithRetry(nullptr);
  std::string text;
  if (HANDLE data = GetClipboardData(CF_TEXT)) {
    if (const char* p = static_cast<const char*>(GlobalLock(data))) {
      text = p;
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  return text;
}

ClipboardHolder::ClipboardHolder(DWORD holdMs) : opened_(CreateEventA(nullptr, TRUE, FALSE, nullptr)) {
  thread_ = std::thread([this, holdMs] {
    OpenWithRetry(nullptr);
    SetEvent(opened_);
    Sleep(holdMs);
    CloseClipboard();
  });
  WaitForSingleObject(opened_, 5000);
}

ClipboardHolder::~ClipboardHolder() {
  thread_.join();
  CloseHandle(opened_);
}

namespace {
thread_local MessageBoxAnswerer* t_answerer = nullptr;
}

MessageBoxAnswerer::MessageBoxAnswerer(int button)
    : button_(button), hook_(SetWindowsHookExA(WH_CBT, Hook, nullptr, GetCurrentThreadId())) {
  t_answerer = this;
}

MessageBoxAnswerer::~MessageBoxAnswerer() {
  UnhookWindowsHookEx(hook_);
  t_answerer = nullptr;
}

LRESULT CALLBACK MessageBoxAnswerer::Hook(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_ACTIVATE && t_answerer) {
    auto window = reinterpret_cast<HWND>(wParam);
    char className[64] = {};
    GetClassNameA(window, className, sizeof className);
    if (std::strcmp(className, "#32770") == 0) {
      char buffer[1024] = {};
      GetWindowTextA(window, buffer, sizeof buffer);
      t_answerer->caption = buffer;
      buffer[0] = '\0';
      GetDlgItemTextA(window, 0xFFFF, buffer, sizeof buffer);
      t_answerer->text = buffer;
      t_answerer->owner = GetWindow(window, GW_OWNER);
      ++t_answerer->count;
      PostMessageA(window, WM_COMMAND, static_cast<WPARAM>(t_answerer->button_), 0);
    }
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

namespace {
struct WindowSearch {
  DWORD process;
  const char* className;
  bool visibleOnly;
  HWND found = nullptr;
};

BOOL CALLBACK MatchProcessWindow(HWND window, LPARAM param) {
  auto* s = reinterpret_cast<WindowSearch*>(param);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  char name[64] = {};
  GetClassNameA(window, name, sizeof name);
  if (owner == s->process && std::strcmp(name, s->className) == 0 && (!s->visibleOnly || IsWindowVisible(window))) {
    s->found = window;
    return FALSE;
  }
  return TRUE;
}
}  // namespace

HWND FindProcessWindow(DWORD processId, const char* className, bool visibleOnly) {
  WindowSearch search{processId, className, visibleOnly};
  EnumWindows(MatchProcessWindow, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

std::string WindowsPathOf(const std::string& unixPath) {
  // A path of the Linux file system starts with '/'; one of Windows itself has its drive already.
  std::string path = unixPath.starts_with('/') ? "Z:" + unixPath : unixPath;
  for (char& c : path)
    if (c == '/') c = '\\';
  return path;
}

namespace {
void SendMouse(DWORD flags, LONG dx = 0, LONG dy = 0) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = flags;
  input.mi.dx = dx;
  input.mi.dy = dy;
  SendInput(1, &input, sizeof input);
}

// Absolute coordinates of SendInput: 0..65535 over the primary screen, rounded up so that the
// system's conversion back (x × width ÷ 65536, truncated) gives the pixel itself.
LONG Normalised(LONG pixel, int extent) { return static_cast<LONG>((pixel * 65536LL + extent - 1) / extent); }
}  // namespace

void MouseMoveTo(POINT screen) {
  SendMouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, Normalised(screen.x, GetSystemMetrics(SM_CXSCREEN)),
            Normalised(screen.y, GetSystemMetrics(SM_CYSCREEN)));
}

void LeftButtonDown() { SendMouse(MOUSEEVENTF_LEFTDOWN); }

void LeftButtonUp() { SendMouse(MOUSEEVENTF_LEFTUP); }

}  // namespace testutil
