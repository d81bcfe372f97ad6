// Fuzz target: a whole skin file through the reader, then the definition and every entry out.
#include <cstddef>
#include <cstdint>
#include <string>

#include "skin/resources/fuzz/read_entries.h"
#include "skin/resources/platform_hooks.h"
#include "skin/resources/quick_ini.h"
#include "skin/resources/skin_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const bool quiet = [] {
    skin::SetMessageDialogHook([](const std::string&) {});
    return true;
  }();
  (void)quiet;

  skin::TMemoryStream source({data, size});
  skin::TSkinReader reader;
  // Keeps each attempt small; the full limit is only a bound on memory and time.
  reader.MaxDecodedLength = 128 << 10;
  if (!reader.ReadArchive(source)) return 0;

  ReadEveryEntry(reader);
  return 0;
}
