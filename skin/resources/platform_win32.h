// Windows bindings of the skin resources' platform hooks (platform_hooks.h). The program calls
// BindSkinResourcesToWindows() once at start, before the first skin is loaded: messages then show
// in a message box with one OK button, and section names compare under the user's locale.
#pragma once

namespace skin {

void BindSkinResourcesToWindows();

}  // namespace skin
