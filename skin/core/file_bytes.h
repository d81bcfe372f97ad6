// Reading a whole skin file from disk.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace skin {

// Larger files are not skins: the reader refuses anything that decodes to more than 64 MB.
inline constexpr uint64_t kMaxSkinFileBytes = 64u << 20;

// The bytes of the file at `path` (system code page). False when it does not exist, is a
// directory, cannot be read or is larger than kMaxSkinFileBytes.
bool ReadWholeFile(const std::string& path, std::vector<uint8_t>& bytes);

}  // namespace skin
