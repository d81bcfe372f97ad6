// Fuzz target: a definition text through the parser, then lookups of every section's keys.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "skin/resources/quick_ini.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  skin::TMemoryStream stream({data, size});
  skin::TQuickIni ini;
  ini.LoadFromStream(&stream);

  std::vector<std::string> sections;
  ini.ReadSections(&sections);
  // Ask for every key of every line under every section name, and for integers.
  for (const std::string& section : sections) {
    for (const std::string& line : ini.Lines()) {
      const std::string key = line.substr(0, line.find('='));
      (void)ini.ReadString(section, key, "default");
      (void)ini.ReadInteger(section, key, -1);
    }
    if (sections.size() > 64) break;  // keeps one input from running quadratically long
  }
  return 0;
}
