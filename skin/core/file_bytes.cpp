#include "skin/core/file_bytes.h"

#include <windows.h>

namespace skin {

bool ReadWholeFile(const std::string& path, std::vector<uint8_t>& bytes) {
  bytes.clear();
  if (path.empty()) return false;
  const DWORD attributes = GetFileAttributesA(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY)) return false;
  HANDLE file =
      CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  bool ok = false;
  LARGE_INTEGER size{};
  if (GetFileSizeEx(file, &size) && size.QuadPart >= 0 && static_cast<uint64_t>(size.QuadPart) <= kMaxSkinFileBytes) {
    bytes.resize(static_cast<size_t>(size.QuadPart));
    size_t done = 0;
    ok = true;
    while (done < bytes.size()) {
      DWORD read = 0;
      if (!ReadFile(file, bytes.data() + done, static_cast<DWORD>(bytes.size() - done), &read, nullptr) || read == 0) {
        ok = false;
        break;
      }
      done += read;
    }
  }
  CloseHandle(file);
  if (!ok) bytes.clear();
  return ok;
}

}  // namespace skin
