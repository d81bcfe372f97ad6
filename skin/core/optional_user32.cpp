#include "skin/core/optional_user32.h"

namespace skin {

namespace {

template <typename Proc>
Proc Lookup(HMODULE module, const char* name) {
  return module ? reinterpret_cast<Proc>(reinterpret_cast<void*>(GetProcAddress(module, name))) : nullptr;
}

}  // namespace

OptionalUser32& User32Entries() {
  static OptionalUser32 entries = [] {
    HMODULE user32 = GetModuleHandleA("user32.dll");
    OptionalUser32 found;
    found.GetScrollBarInfo = Lookup<OptionalUser32::GetScrollBarInfoProc>(user32, "GetScrollBarInfo");
    found.TrackMouseEvent = Lookup<OptionalUser32::TrackMouseEventProc>(user32, "TrackMouseEvent");
    found.GetComboBoxInfo = Lookup<OptionalUser32::GetComboBoxInfoProc>(user32, "GetComboBoxInfo");
    found.DisableProcessWindowsGhosting =
        Lookup<OptionalUser32::DisableProcessWindowsGhostingProc>(user32, "DisableProcessWindowsGhosting");
    return found;
  }();
  return entries;
}

}  // namespace skin
