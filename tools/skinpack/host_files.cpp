#include "tools/skinpack/host_files.h"

#include <fstream>
#include <limits>
#include <system_error>

namespace skinpack {

bool ReadWholeFile(const std::filesystem::path& path, std::vector<uint8_t>& bytes, std::string& error) {
  std::error_code code;
  if (!std::filesystem::is_regular_file(path, code)) {
    error = "cannot read " + DisplayPath(path) + ": " +
            (std::filesystem::exists(path, code) ? "not a regular file" : "no such file");
    return false;
  }
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    error = "cannot open " + DisplayPath(path);
    return false;
  }
  in.seekg(0, std::ios::end);
  const std::streamoff size = in.tellg();
  in.seekg(0, std::ios::beg);
  if (size < 0 || static_cast<uint64_t>(size) > (uint64_t{1} << 30)) {
    error = "cannot read " + DisplayPath(path) + ": too large or unreadable";
    return false;
  }
  bytes.resize(static_cast<size_t>(size));
  if (size > 0 && !in.read(reinterpret_cast<char*>(bytes.data()), size)) {
    error = "cannot read " + DisplayPath(path);
    return false;
  }
  return true;
}

bool WriteWholeFile(const std::filesystem::path& path, std::span<const uint8_t> bytes, std::string& error) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  if (out) out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  if (out) out.close();
  if (!out) {
    error = "cannot write " + DisplayPath(path);
    return false;
  }
  return true;
}

}  // namespace skinpack
