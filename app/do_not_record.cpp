#include "app/do_not_record.h"

#include <windows.h>

#include <algorithm>
#include <cstring>
#include <vector>

namespace pastelle {

namespace {

struct MarkerFormats {
  UINT excludeFromMonitor = RegisterClipboardFormatA(kExcludeFromMonitorFormat);
  UINT viewerIgnore = RegisterClipboardFormatA(kViewerIgnoreFormat);
  UINT canIncludeInHistory = RegisterClipboardFormatA(kCanIncludeInHistoryFormat);
};

const MarkerFormats& Markers() {
  static const MarkerFormats formats;
  return formats;
}

}  // namespace

bool CarriesDoNotRecordMarker(const fw::TClipboard::Session& clipboard) {
  const MarkerFormats& markers = Markers();
  const std::vector<UINT> formats = clipboard.Formats();
  auto has = [&](UINT format) { return format && std::find(formats.begin(), formats.end(), format) != formats.end(); };
  if (has(markers.excludeFromMonitor) || has(markers.viewerIgnore)) return true;
  if (!has(markers.canIncludeInHistory)) return false;
  const std::string value = clipboard.Bytes(markers.canIncludeInHistory, sizeof(DWORD));
  if (value.size() < sizeof(DWORD)) return false;
  DWORD include = 1;
  std::memcpy(&include, value.data(), sizeof include);
  return include == 0;
}

std::optional<std::string> TextToRecord() {
  fw::TClipboard::Session clipboard;
  if (CarriesDoNotRecordMarker(clipboard)) return std::nullopt;
  return clipboard.Text();
}

}  // namespace pastelle
