// Reader of a skin file: expands the LZHUF-coded archive and indexes its named entries (bitmap
// files and the definition text), which it then hands out by name.
//
// Skin file: 32-bit little-endian decoded length, then the coded archive. Archive: FormatVersion,
// NameBytes (32 bits each), 8 bytes not used, a block skipped by version, the name list (one name
// per line), one 32-bit size per name, then the entries' bytes in name order.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "skin/resources/memory_stream.h"

namespace skin {

// Shown once when a skin file's format version is not one this reader knows.
inline constexpr const char* kOlderSkinFileMessage = "This is Older Skin File\rPlease update to new version !";

class TSkinReader {
 public:
  static constexpr int32_t kMaxEntries = 1001;
  // No skin decodes to more than this; a larger announced length is refused before anything is
  // allocated or decoded. The program's own skin is about 300 KB.
  static constexpr uint32_t kMaxDecodedLength = 64u << 20;

  // Expands and indexes the skin file held in `Source` from its first byte. False, with the
  // entries left as they were, for an unknown format version (after showing the message above)
  // and for an archive that does not hold together: a decoded length over `MaxDecodedLength`, a
  // header, skipped block, name list or size table cut short, a name list length or entry size
  // that is negative or larger than what follows, more than kMaxEntries names.
  bool ReadArchive(TMemoryStream& Source);

  // Clears `Target`, then copies into it the first entry named `Name` (ASCII letter case ignored)
  // and puts its position at 0. No entry of that name, or one reaching past the end of the data,
  // leaves `Target` empty.
  void GetEntry(std::string_view Name, TMemoryStream& Target) const;

  // Clears `Target`, then copies into it the first entry whose (lower-case) name contains `Part`,
  // puts its position at 0 and sets `FoundName` to the entry's name. With no such entry, or one
  // reaching past the end of the data, `Target` stays empty and `FoundName` unchanged.
  void FindEntry(std::string_view Part, TMemoryStream& Target, std::string& FoundName) const;

  std::vector<std::string> EntryNames;  // lower-cased, in archive order
  int32_t EntryCount = 0;
  std::array<int32_t, kMaxEntries> EntrySizes{};
  TMemoryStream EntryData;  // entry i starts at the sum of the sizes of entries 0 to i - 1
  uint32_t FormatVersion = 0;
  int32_t NameBytes = 0;

  // Tools that feed the reader many damaged files lower this to keep each attempt small.
  uint32_t MaxDecodedLength = kMaxDecodedLength;

 private:
  bool CopyEntry(int32_t index, TMemoryStream& Target) const;
};

// Expands the skin file (32-bit little-endian decoded length, then the coded bits) held in
// `source` from its first byte into `target`, positioned at 0. False, with nothing allocated or
// decoded, when `source` is too short to hold the length or announces more than `max_length`
// (or more than 2^31 - 1 bytes).
// A last match may leave up to lzh::F - 1 bytes more than announced in `target`.
bool ExpandSkinFile(TMemoryStream& source, TMemoryStream& target, uint32_t max_length);

// Size of the block that follows the 16-byte archive header for a known format version.
std::optional<uint32_t> SkippedBlockSize(uint32_t format_version);

// The entry name under which the skin asks for a bitmap named by a definition value: the value's
// file-name part (directories dropped) when its extension is exactly ".bmp". Texts are in code
// page 936: the second byte of a double-byte character is never taken for a separator.
std::optional<std::string> BitmapEntryName(std::string_view value);

}  // namespace skin
