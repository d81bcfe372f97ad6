// File names on Linux are UTF-8; entry names are converted with iconv.
#include <iconv.h>

#include <cerrno>

#include "tools/skinpack/host_files.h"

namespace skinpack {
namespace {

std::optional<std::string> Convert(const char* to, const char* from, const std::string& text) {
  bool ascii = true;
  for (char c : text) ascii = ascii && static_cast<unsigned char>(c) < 0x80;
  if (ascii) return text;
  iconv_t converter = iconv_open(to, from);
  if (converter == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
  std::string input = text;
  std::string output(text.size() * 4 + 8, '\0');
  char* in = input.data();
  size_t in_left = input.size();
  char* out = output.data();
  size_t out_left = output.size();
  const size_t result = iconv(converter, &in, &in_left, &out, &out_left);
  iconv_close(converter);
  if (result == static_cast<size_t>(-1) || in_left != 0) return std::nullopt;
  output.resize(output.size() - out_left);
  return output;
}

}  // namespace

std::filesystem::path PathFromArgument(const std::string& argument) { return argument; }

std::string DisplayPath(const std::filesystem::path& path) { return path.string(); }

std::optional<std::string> EntryNameOf(const std::filesystem::path& file_name) {
  return Convert("CP936", "UTF-8", file_name.string());
}

std::optional<std::filesystem::path> FileNameOf(const std::string& entry_name) {
  const std::optional<std::string> utf8 = Convert("UTF-8", "CP936", entry_name);
  if (!utf8) return std::nullopt;
  return std::filesystem::path(*utf8);
}

}  // namespace skinpack
