// User32 entry points that not every system offers, looked up by name once per process. A
// missing one is nullptr and the skin engine does without it.
#pragma once

#include <windows.h>

namespace skin {

struct OptionalUser32 {
  using GetScrollBarInfoProc = BOOL(WINAPI*)(HWND, LONG, PSCROLLBARINFO);
  using TrackMouseEventProc = BOOL(WINAPI*)(LPTRACKMOUSEEVENT);
  using GetComboBoxInfoProc = BOOL(WINAPI*)(HWND, PCOMBOBOXINFO);
  using DisableProcessWindowsGhostingProc = void(WINAPI*)();

  GetScrollBarInfoProc GetScrollBarInfo = nullptr;
  TrackMouseEventProc TrackMouseEvent = nullptr;
  GetComboBoxInfoProc GetComboBoxInfo = nullptr;
  DisableProcessWindowsGhostingProc DisableProcessWindowsGhosting = nullptr;
};

// The entry points, looked up on the first call. Tests may clear one to see the engine do without.
[[nodiscard]] OptionalUser32& User32Entries();

}  // namespace skin
