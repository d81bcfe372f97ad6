// "Do not record" markers: registered clipboard formats that password managers and other
// programs put beside a text to ask clipboard monitors not to keep it. Such a change is passed
// along the viewer chain as usual but never becomes a record.
#pragma once

#include <optional>
#include <string>

#include "framework/clipboard.h"

namespace pastelle {

// The names of the marker formats.
inline constexpr const char* kExcludeFromMonitorFormat = "ExcludeClipboardContentFromMonitorProcessing";
inline constexpr const char* kViewerIgnoreFormat = "Clipboard Viewer Ignore";
inline constexpr const char* kCanIncludeInHistoryFormat = "CanIncludeInClipboardHistory";

// Whether the open clipboard carries a marker: one of the first two formats, whatever it holds,
// or CanIncludeInClipboardHistory holding a DWORD 0. A CanIncludeInClipboardHistory block too
// small for a DWORD says nothing and is no marker; a larger one is read by its first DWORD.
[[nodiscard]] bool CarriesDoNotRecordMarker(const fw::TClipboard::Session& clipboard);

// The clipboard's text, read in the same opening as the markers are looked for (so that both
// belong to the same contents); nothing when a marker is there.
[[nodiscard]] std::optional<std::string> TextToRecord();

}  // namespace pastelle
