// Writing skins: the archive of named entries (format version 70000), the LZHUF-coded skin file
// around it, and the stored-skin property data around that.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace skinpack {

inline constexpr uint32_t kArchiveVersion = 70000;
inline constexpr uint32_t kArchiveBlockSize = 69;  // the block that follows the header in 70000
inline constexpr size_t kMaxArchiveEntries = 1001;

struct ArchiveEntry {
  std::string name;  // code page 936
  std::vector<uint8_t> bytes;
};

// The archive: header (version, name list length, entry count, data length), the 69-byte block,
// the names each ended by CR LF, one 32-bit size per entry, the entries' bytes. Refuses (nothing,
// with `error` set) an empty list, more than 1001 entries, an empty name, a name with a line
// break, two names that differ only in ASCII letter case, and sizes beyond 32 bits.
std::optional<std::vector<uint8_t>> BuildArchive(std::span<const ArchiveEntry> entries, std::string& error);

// The skin file: the archive's length (32-bit little-endian) and its LZHUF-coded bits.
std::vector<uint8_t> EncodeSkinFile(std::span<const uint8_t> archive);

// The stored-skin property data: the skin file's length (32-bit little-endian) and the file.
std::vector<uint8_t> WrapSkinStream(std::span<const uint8_t> skin_file);

// The payload of stored-skin property data, or nothing (with `error`) when the length field does
// not match the data.
std::optional<std::vector<uint8_t>> UnwrapSkinStream(std::span<const uint8_t> stream, std::string& error);

// The property data as a form description writes an opaque binary property: "{", then lines of
// at most 64 upper-case hexadecimal digits indented by two blanks, then "}".
std::string HexPropertyText(std::span<const uint8_t> data);

// The order in which a folder's files go into the archive: the definition first, then the
// bitmaps in the order the definition first names them (a value's file-name part, ASCII letter
// case ignored), then any others by name.
std::vector<ArchiveEntry> OrderForArchive(std::vector<ArchiveEntry> files, size_t definition_index);

// ASCII letters lower-cased, other bytes unchanged (the reader's rule for entry names).
std::string LowerAscii(std::string text);

}  // namespace skinpack
