// Fuzz target: the input is an archive before compression. It is coded with the LZHUF encoder,
// which must round-trip through the decoder, and the resulting skin file goes through the reader.
// Mutating plain archives reaches the archive checks far more often than mutating coded bits.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "skin/resources/fuzz/read_entries.h"
#include "skin/resources/lzh.h"
#include "skin/resources/platform_hooks.h"
#include "skin/resources/quick_ini.h"
#include "skin/resources/skin_reader.h"
#include "tools/lzhuf/lzhuf_encoder.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const bool quiet = [] {
    skin::SetMessageDialogHook([](const std::string&) {});
    return true;
  }();
  (void)quiet;
  if (size > (64 << 10)) return 0;

  skin::TMemoryStream source(LzhufEncode({data, size}));
  source.SetPosition(4);
  skin::TMemoryStream decoded;
  skin::TLZH lzh;
  lzh.InStream = &source;
  lzh.OutStream = &decoded;
  lzh.UnpackStreams(static_cast<int32_t>(size));
  if (decoded.Size() != size || !std::equal(decoded.Memory(), decoded.Memory() + size, data)) {
    __builtin_trap();  // the encoder and the decoder disagree
  }

  skin::TSkinReader reader;
  if (!reader.ReadArchive(source)) return 0;
  if (static_cast<size_t>(reader.EntryCount) != reader.EntryNames.size()) __builtin_trap();
  ReadEveryEntry(reader);
  return 0;
}
