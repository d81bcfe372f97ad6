#include "tools/skinpack/skin_archive.h"

#include <algorithm>
#include <set>

#include "skin/resources/skin_reader.h"
#include "tools/lzhuf/lzhuf_encoder.h"

namespace skinpack {
namespace {

void Put32(std::vector<uint8_t>& out, uint32_t value) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

uint32_t Get32(std::span<const uint8_t> data) {
  return data[0] | data[1] << 8 | data[2] << 16 | static_cast<uint32_t>(data[3]) << 24;
}

// A mark in the block the reader skips, so that a person looking at an archive sees its origin.
constexpr char kBlockMark[] = "Pastelle skinpack";

// The file-name parts of the definition's values that name bitmaps, in text order.
std::vector<std::string> BitmapsNamedBy(const std::string& definition) {
  std::vector<std::string> names;
  size_t pos = 0;
  while (pos < definition.size()) {
    size_t end = definition.find_first_of("\r\n", pos);
    if (end == std::string::npos) end = definition.size();
    const std::string line = definition.substr(pos, end - pos);
    pos = end + 1;
    const size_t equals = line.find('=');
    if (equals == std::string::npos) continue;
    std::string value = line.substr(equals + 1);
    while (!value.empty() && static_cast<unsigned char>(value.back()) <= ' ') value.pop_back();
    if (const std::optional<std::string> name = skin::BitmapEntryName(LowerAscii(value))) names.push_back(*name);
  }
  return names;
}

}  // namespace

std::string LowerAscii(std::string text) {
  for (char& c : text)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return text;
}

std::optional<std::vector<uint8_t>> BuildArchive(std::span<const ArchiveEntry> entries, std::string& error) {
  if (entries.empty()) {
    error = "a skin needs at least one entry";
    return std::nullopt;
  }
  if (entries.size() > kMaxArchiveEntries) {
    error =
        "too many entries: " + std::to_string(entries.size()) + " (at most " + std::to_string(kMaxArchiveEntries) + ")";
    return std::nullopt;
  }
  std::string names;
  std::set<std::string> seen;
  uint64_t data_size = 0;
  for (const ArchiveEntry& entry : entries) {
    if (entry.name.empty() || entry.name.find_first_of("\r\n") != std::string::npos) {
      error = "bad entry name \"" + entry.name + "\": empty or holding a line break";
      return std::nullopt;
    }
    if (!seen.insert(LowerAscii(entry.name)).second) {
      error = "two entries named \"" + LowerAscii(entry.name) + "\" (names ignore letter case)";
      return std::nullopt;
    }
    if (entry.bytes.size() > 0x7FFFFFFF) {
      error = "entry \"" + entry.name + "\" is too large";
      return std::nullopt;
    }
    names += entry.name + "\r\n";
    data_size += entry.bytes.size();
  }
  if (data_size > 0x7FFFFFFF) {
    error = "the entries add up to more than 2 GB";
    return std::nullopt;
  }
  std::vector<uint8_t> archive;
  archive.reserve(16 + kArchiveBlockSize + names.size() + 4 * entries.size() + data_size);
  Put32(archive, kArchiveVersion);
  Put32(archive, static_cast<uint32_t>(names.size()));
  Put32(archive, static_cast<uint32_t>(entries.size()));  // not read by the program
  Put32(archive, static_cast<uint32_t>(data_size));       // not read by the program
  std::vector<uint8_t> block(kArchiveBlockSize, 0);
  std::copy(std::begin(kBlockMark), std::end(kBlockMark) - 1, block.begin());
  archive.insert(archive.end(), block.begin(), block.end());
  archive.insert(archive.end(), names.begin(), names.end());
  for (const ArchiveEntry& entry : entries) Put32(archive, static_cast<uint32_t>(entry.bytes.size()));
  for (const ArchiveEntry& entry : entries) archive.insert(archive.end(), entry.bytes.begin(), entry.bytes.end());
  return archive;
}

std::vector<uint8_t> EncodeSkinFile(std::span<const uint8_t> archive) { return lzhuf::LzhufEncode(archive); }

std::vector<uint8_t> WrapSkinStream(std::span<const uint8_t> skin_file) {
  std::vector<uint8_t> stream;
  stream.reserve(4 + skin_file.size());
  Put32(stream, static_cast<uint32_t>(skin_file.size()));
  stream.insert(stream.end(), skin_file.begin(), skin_file.end());
  return stream;
}

std::optional<std::vector<uint8_t>> UnwrapSkinStream(std::span<const uint8_t> stream, std::string& error) {
  if (stream.size() < 4) {
    error = "stored skin data shorter than its length field";
    return std::nullopt;
  }
  const auto length = static_cast<int32_t>(Get32(stream));
  if (length <= 0 || static_cast<uint64_t>(length) != stream.size() - 4) {
    error = "stored skin data announces " + std::to_string(length) + " bytes but holds " +
            std::to_string(stream.size() - 4);
    return std::nullopt;
  }
  return std::vector<uint8_t>(stream.begin() + 4, stream.end());
}

std::string HexPropertyText(std::span<const uint8_t> data) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  std::string text = "{\n";
  for (size_t at = 0; at < data.size(); at += 32) {
    text += "  ";
    for (size_t i = at; i < std::min(at + 32, data.size()); ++i) {
      text += kDigits[data[i] >> 4];
      text += kDigits[data[i] & 15];
    }
    text += "\n";
  }
  text += "}\n";
  return text;
}

std::vector<ArchiveEntry> OrderForArchive(std::vector<ArchiveEntry> files, size_t definition_index) {
  std::vector<ArchiveEntry> ordered;
  const std::string definition(files[definition_index].bytes.begin(), files[definition_index].bytes.end());
  ordered.push_back(std::move(files[definition_index]));
  files.erase(files.begin() + static_cast<std::ptrdiff_t>(definition_index));
  for (const std::string& wanted : BitmapsNamedBy(definition)) {
    auto it = std::find_if(files.begin(), files.end(),
                           [&](const ArchiveEntry& file) { return LowerAscii(file.name) == wanted; });
    if (it == files.end()) continue;
    ordered.push_back(std::move(*it));
    files.erase(it);
  }
  std::sort(files.begin(), files.end(), [](const ArchiveEntry& a, const ArchiveEntry& b) { return a.name < b.name; });
  for (ArchiveEntry& file : files) ordered.push_back(std::move(file));
  return ordered;
}

}  // namespace skinpack
