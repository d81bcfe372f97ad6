#include "skin/core/control_atom.h"

#include <string>

#include "framework/control.h"

namespace skin {

// The framework forms the atom and the message; the skin engine reads the same ones.
ATOM ControlAtom() { return fw::ControlAtom(); }
UINT ControlMessage() { return fw::ControlMessage(); }

const char* ControlAtomText() {
  static const std::string text = [] {
    char buffer[64] = {};
    GlobalGetAtomNameA(ControlAtom(), buffer, sizeof buffer);
    return std::string(buffer);
  }();
  return text.c_str();
}

fw::TWinControl* FindControlOfWindow(HWND window) {
  if (!window) return nullptr;
  DWORD process = 0;
  DWORD thread = GetWindowThreadProcessId(window, &process);
  // A control pointer means nothing outside its own process.
  if (thread == 0 || process != GetCurrentProcessId()) return nullptr;
  if (void* control = GetPropA(window, MAKEINTATOM(ControlAtom()))) return static_cast<fw::TWinControl*>(control);
  // A framework window that has not seen its first message yet carries no property, but its
  // procedure already answers the message. Only the program's own windows of this thread are
  // asked: no other window knows the message.
  if (thread != GetCurrentThreadId()) return nullptr;
  if (reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(window, GWLP_HINSTANCE)) != GetModuleHandleA(nullptr))
    return nullptr;
  return reinterpret_cast<fw::TWinControl*>(SendMessageA(window, ControlMessage(), 0, 0));
}

}  // namespace skin
