// Shared by the fuzz targets: takes everything out of an archive the reader accepted, the way a
// skin load does (the definition parsed, every entry decoded as a bitmap), and traps on an entry
// larger than the data it came from.
#pragma once

#include <string>

#include "skin/resources/bitmap_decoder.h"
#include "skin/resources/quick_ini.h"
#include "skin/resources/skin_reader.h"

inline void ReadEveryEntry(skin::TSkinReader& reader) {
  skin::TMemoryStream entry;
  std::string found;
  reader.FindEntry(".ini", entry, found);
  skin::TQuickIni ini;
  ini.LoadFromStream(&entry);
  for (const std::string& name : reader.EntryNames) {
    reader.GetEntry(name, entry);
    if (entry.Size() > reader.EntryData.Size()) __builtin_trap();
    std::string reason;
    (void)skin::DecodeBitmapFile(entry.Bytes(), skin::BitmapChecks::kTolerant, reason);
  }
}
