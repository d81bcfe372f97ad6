// Fuzz target: a definition text through the parser, then lookups of every section's keys and
// the bitmap entry names of their values.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "skin/resources/quick_ini.h"
#include "skin/resources/skin_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  skin::TMemoryStream stream({data, size});
  skin::TQuickIni ini;
  ini.LoadFromStream(&stream);

  std::vector<std::string> sections;
  ini.ReadSections(&sections);
  // Ask for every key of every line under every section name (the first 64 of them, so that one
  // input cannot run quadratically long), as text and as an integer.
  if (sections.size() > 64) sections.resize(64);
  for (const std::string& section : sections) {
    for (const std::string& line : ini.Lines()) {
      const std::string key = line.substr(0, line.find('='));
      // Values name bitmaps by file name; the skin asks the archive for their file-name part.
      (void)skin::BitmapEntryName(ini.ReadString(section, key, "default"));
      (void)ini.ReadInteger(section, key, -1);
    }
  }
  return 0;
}
