// How the skin engine finds the framework control behind a window. The framework tags each of
// its windows with a window property whose name is a global atom of the text
// "ControlOfs%.8X%.8X" (the program's module instance and the GUI thread's id, as upper-case
// hexadecimal digits) and answers the window message registered under the same text with the
// control. The skin engine forms the same atom and message when it starts.
#pragma once

#include <windows.h>

namespace fw {
class TWinControl;
}

namespace skin {

// The text of the atom and of the message: "ControlOfs" + module instance + thread id.
[[nodiscard]] const char* ControlAtomText();
[[nodiscard]] ATOM ControlAtom();
[[nodiscard]] UINT ControlMessage();

// The framework control of a window of this process, or nullptr (also for no window).
[[nodiscard]] fw::TWinControl* FindControlOfWindow(HWND window);

}  // namespace skin
