// What tests and benchmarks need to drive bare_viewer.exe (see bare_viewer.cpp).
#pragma once

namespace testutil {

// The window class of the viewer's main window; its list view is a native "SysListView32".
inline constexpr char kBareViewerClass[] = "BareClipboardViewer";
// Registered message: a viewer started with --self-repair rejoins the chain at once.
inline constexpr char kRejoinNowMessage[] = "PastelleTestViewerRejoinNow";

}  // namespace testutil
