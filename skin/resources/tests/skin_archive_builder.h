// Builds skin files for tests, fuzz seeds and benchmarks: an archive of named entries in the
// layout the reader expects, coded with the LZHUF encoder behind its 4-byte decoded length.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tools/lzhuf/lzhuf_encoder.h"

namespace skin::testing {

using Bytes = std::vector<uint8_t>;

inline void AppendLittleEndian32(Bytes& bytes, uint32_t value) {
  for (int shift = 0; shift < 32; shift += 8) bytes.push_back(static_cast<uint8_t>(value >> shift));
}

struct ArchiveEntry {
  std::string name;
  Bytes data;
};

struct ArchiveLayout {
  uint32_t format_version = 70000;
  uint32_t skipped_bytes = 69;  // filler written after the 16-byte header
  std::string line_break = "\r\n";
  bool break_after_last = true;
};

// The archive's name list: every name followed by a line break (the last one optionally not).
inline std::string NameList(const std::vector<ArchiveEntry>& entries, const ArchiveLayout& layout) {
  std::string list;
  for (size_t i = 0; i < entries.size(); ++i) {
    list += entries[i].name;
    if (i + 1 < entries.size() || layout.break_after_last) list += layout.line_break;
  }
  return list;
}

// The raw archive with an explicit name list and size table, for archives that do not hold
// together.
inline Bytes RawArchive(uint32_t format_version, uint32_t skipped_bytes, int32_t name_bytes,
                        const std::string& name_list, const std::vector<int32_t>& sizes, const Bytes& data) {
  Bytes archive;
  AppendLittleEndian32(archive, format_version);
  AppendLittleEndian32(archive, static_cast<uint32_t>(name_bytes));
  archive.insert(archive.end(), 8, 0xEE);
  // The skipped block holds bytes that would confuse a reader that did not skip it.
  for (uint32_t i = 0; i < skipped_bytes; ++i) archive.push_back(i % 3 == 0 ? '\n' : 0xFF);
  archive.insert(archive.end(), name_list.begin(), name_list.end());
  for (int32_t size : sizes) AppendLittleEndian32(archive, static_cast<uint32_t>(size));
  archive.insert(archive.end(), data.begin(), data.end());
  return archive;
}

inline Bytes Archive(const std::vector<ArchiveEntry>& entries, const ArchiveLayout& layout = {}) {
  const std::string names = NameList(entries, layout);
  std::vector<int32_t> sizes;
  Bytes data;
  for (const ArchiveEntry& entry : entries) {
    sizes.push_back(static_cast<int32_t>(entry.data.size()));
    data.insert(data.end(), entry.data.begin(), entry.data.end());
  }
  return RawArchive(layout.format_version, layout.skipped_bytes, static_cast<int32_t>(names.size()), names, sizes,
                    data);
}

inline Bytes SkinFile(const Bytes& archive) { return LzhufEncode(archive); }

inline Bytes BytesOf(const std::string& text) { return Bytes(text.begin(), text.end()); }

// A BMP-like entry: a 54-byte header and rows of a few colours, as skin bitmaps are.
inline Bytes BitmapLike(int width, int height, uint32_t seed) {
  Bytes bytes = {'B', 'M'};
  const uint32_t row = static_cast<uint32_t>(width * 3 + 3) & ~3u;
  AppendLittleEndian32(bytes, 54 + row * static_cast<uint32_t>(height));
  AppendLittleEndian32(bytes, 0);
  AppendLittleEndian32(bytes, 54);
  AppendLittleEndian32(bytes, 40);
  AppendLittleEndian32(bytes, static_cast<uint32_t>(width));
  AppendLittleEndian32(bytes, static_cast<uint32_t>(height));
  bytes.insert(bytes.end(), {1, 0, 24, 0});
  bytes.resize(54, 0);
  uint32_t state = seed * 2654435761u + 1;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      state = state * 1103515245u + 12345u;
      const bool magenta = x % 25 < 2;  // key-colour edges
      const uint8_t shade = static_cast<uint8_t>(200 + (y * 2) + ((state >> 28) & 3));
      bytes.push_back(magenta ? 0xFF : shade);
      bytes.push_back(magenta ? 0x00 : static_cast<uint8_t>(shade + 10));
      bytes.push_back(magenta ? 0xFF : static_cast<uint8_t>(shade + 20));
    }
    for (uint32_t pad = static_cast<uint32_t>(width) * 3; pad < row; ++pad) bytes.push_back(0);
  }
  return bytes;
}

// A skin like the program's own: 36 bitmaps of about 300 KB in all and one definition text.
inline std::vector<ArchiveEntry> SkinLikeEntries() {
  std::vector<ArchiveEntry> entries;
  std::string definition = "[Form]\r\n";
  for (int i = 0; i < 36; ++i) {
    const std::string name = "skyblue__part" + std::to_string(i) + ".bmp";
    entries.push_back({name, BitmapLike(60 + (i * 37) % 200, 13 + i % 10, static_cast<uint32_t>(i))});
    definition += "[Element" + std::to_string(i) + "]\r\nImage=skins\\" + name +
                  "\r\nTopHeight=" + std::to_string(i % 9) + "\r\nTrans=1\r\n\r\n";
  }
  entries.push_back({"skyblue.ini", BytesOf(definition)});
  return entries;
}

}  // namespace skin::testing
