#include "skin/core/control_atom.h"

#include <cstdint>
#include <cstdio>

#include "framework/handles.h"

namespace skin {
namespace {

struct ControlTag {
  char text[40] = {};
  fw::UniqueGlobalAtom atom;
  UINT message = 0;
};

const ControlTag& Tag() {
  static const ControlTag tag = [] {
    ControlTag t;
    std::snprintf(t.text, sizeof t.text, "ControlOfs%.8lX%.8lX",
                  static_cast<unsigned long>(reinterpret_cast<uintptr_t>(GetModuleHandleA(nullptr))),
                  static_cast<unsigned long>(GetCurrentThreadId()));
    t.atom.reset(GlobalAddAtomA(t.text));
    t.message = RegisterWindowMessageA(t.text);
    return t;
  }();
  return tag;
}

}  // namespace

const char* ControlAtomText() { return Tag().text; }
ATOM ControlAtom() { return Tag().atom.get(); }
UINT ControlMessage() { return Tag().message; }

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
