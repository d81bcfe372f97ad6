#include "skin/resources/skin_reader.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "skin/resources/lzh.h"
#include "skin/resources/platform_hooks.h"
#include "skin/resources/text_util.h"

namespace skin {
namespace {

uint32_t LittleEndian32(const uint8_t* bytes) {
  return bytes[0] | bytes[1] << 8 | bytes[2] << 16 | static_cast<uint32_t>(bytes[3]) << 24;
}

// Splits `list` into lines ended by CR, LF or CR LF; a final line break adds no empty line.
// False when there are more than `max_lines` lines.
bool SplitLines(std::string_view list, size_t max_lines, std::vector<std::string>& lines) {
  size_t pos = 0;
  while (pos < list.size()) {
    if (lines.size() == max_lines) return false;
    size_t end = pos;
    while (end < list.size() && list[end] != '\r' && list[end] != '\n') ++end;
    lines.emplace_back(list.substr(pos, end - pos));
    pos = end;
    if (pos < list.size() && list[pos] == '\r') ++pos;
    if (pos < list.size() && list[pos] == '\n') ++pos;
  }
  return true;
}

}  // namespace

bool ExpandSkinFile(TMemoryStream& source, TMemoryStream& target, uint32_t max_length) {
  source.SetPosition(0);
  target.Clear();
  uint8_t length_bytes[4];
  if (source.Read(length_bytes, 4) != 4) return false;
  const uint32_t decoded_length = LittleEndian32(length_bytes);
  // The decoder counts in 32-bit signed integers.
  if (decoded_length > std::min<uint32_t>(max_length, INT32_MAX)) return false;

  TLZH lzh;
  lzh.InStream = &source;
  lzh.OutStream = &target;
  lzh.UnpackStreams(static_cast<int32_t>(decoded_length));
  target.SetPosition(0);
  return true;
}

std::optional<uint32_t> SkippedBlockSize(uint32_t format_version) {
  switch (format_version) {
    case 20000:
      return 0;
    case 30000:
      return 256;
    case 40000:
      return 80;
    case 50000:
      return 48;
    case 60000:
      return 117;
    case 70000:
      return 69;
    default:
      return std::nullopt;
  }
}

bool TSkinReader::ReadArchive(TMemoryStream& Source) {
  TMemoryStream archive;
  if (!ExpandSkinFile(Source, archive, MaxDecodedLength)) return false;
  const std::span<const uint8_t> bytes = archive.Bytes();

  if (bytes.size() < 16) return false;
  FormatVersion = LittleEndian32(bytes.data());
  NameBytes = static_cast<int32_t>(LittleEndian32(bytes.data() + 4));
  const std::optional<uint32_t> skipped = SkippedBlockSize(FormatVersion);
  if (!skipped) {
    ShowMessageDialog(kOlderSkinFileMessage);
    return false;
  }

  // Every length is checked against what is left before it is used.
  size_t pos = 16 + *skipped;
  if (pos > bytes.size()) return false;
  if (NameBytes < 0 || static_cast<size_t>(NameBytes) > bytes.size() - pos) return false;
  const std::string name_list =
      AsciiLowerCase({reinterpret_cast<const char*>(bytes.data()) + pos, static_cast<size_t>(NameBytes)});
  pos += static_cast<size_t>(NameBytes);

  std::vector<std::string> names;
  if (!SplitLines(name_list, kMaxEntries, names)) return false;
  const size_t count = names.size();
  if (count * 4 > bytes.size() - pos) return false;
  std::array<int32_t, kMaxEntries> sizes{};
  const size_t data_start = pos + count * 4;
  const size_t data_size = bytes.size() - data_start;
  // A damaged size is kept: only a fetch of that entry is refused (CopyEntry).
  for (size_t i = 0; i < count; ++i) sizes[i] = static_cast<int32_t>(LittleEndian32(bytes.data() + pos + i * 4));

  EntryNames = std::move(names);
  EntryCount = static_cast<int32_t>(count);
  EntrySizes = sizes;
  EntryData.Clear();
  EntryData.Write(bytes.data() + data_start, data_size);
  EntryData.SetPosition(0);
  return true;
}

// Copies entry `index` into `Target` when it lies wholly inside the data. Sizes are not checked
// when the archive is read, so a damaged archive may list more than it holds; a negative size is
// no entry and takes no room.
bool TSkinReader::CopyEntry(int32_t index, TMemoryStream& Target) const {
  uint64_t offset = 0;
  for (int32_t i = 0; i < index; ++i) offset += static_cast<uint64_t>(std::max(EntrySizes[static_cast<size_t>(i)], 0));
  const int32_t signed_size = EntrySizes[static_cast<size_t>(index)];
  if (signed_size < 0) return false;
  const auto size = static_cast<uint64_t>(signed_size);
  if (offset > EntryData.Size() || size > EntryData.Size() - offset) return false;
  Target.Write(EntryData.Memory() + offset, static_cast<size_t>(size));
  Target.SetPosition(0);
  return true;
}

void TSkinReader::GetEntry(std::string_view Name, TMemoryStream& Target) const {
  Target.Clear();
  const std::string wanted = AsciiLowerCase(Name);
  for (int32_t i = 0; i < EntryCount; ++i) {
    if (EntryNames[static_cast<size_t>(i)] == wanted) {
      CopyEntry(i, Target);
      return;
    }
  }
}

void TSkinReader::FindEntry(std::string_view Part, TMemoryStream& Target, std::string& FoundName) const {
  Target.Clear();
  for (int32_t i = 0; i < EntryCount; ++i) {
    const std::string& name = EntryNames[static_cast<size_t>(i)];
    if (name.find(Part) == std::string::npos) continue;
    if (CopyEntry(i, Target)) FoundName = name;
    return;
  }
}

std::optional<std::string> BitmapEntryName(std::string_view value) {
  // Walk by characters so that a trail byte equal to '\' or '.' is not taken for one.
  size_t name_start = 0;
  size_t last_dot = std::string_view::npos;
  for (size_t i = 0; i < value.size();) {
    const auto byte = static_cast<unsigned char>(value[i]);
    if (byte >= 0x81 && byte <= 0xFE && i + 1 < value.size()) {
      i += 2;
      continue;
    }
    if (byte == '\\' || byte == '/' || byte == ':') {
      name_start = i + 1;
      last_dot = std::string_view::npos;
    } else if (byte == '.') {
      last_dot = i;
    }
    ++i;
  }
  if (last_dot == std::string_view::npos || value.substr(last_dot) != ".bmp") return std::nullopt;
  return std::string(value.substr(name_start));
}

}  // namespace skin
