#include "tools/gallery/skin_cycle.h"

#include <windows.h>

#include <algorithm>

#include "skin/core/skin_data.h"
#include "skin/resources/text_util.h"

namespace gallery {
namespace {

std::string FileNamePart(const std::string& path) {
  const size_t slash = path.find_last_of("\\/");
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace

SkinCycle::SkinCycle(const std::vector<std::string>& files, const std::string& folder) {
  choices_.push_back({"stored default skin", ""});
  auto add = [this](const std::string& path) {
    const bool listed = std::any_of(choices_.begin(), choices_.end(),
                                    [&](const SkinChoice& c) { return skin::AsciiEqualIgnoreCase(c.path, path); });
    if (!listed) choices_.push_back({FileNamePart(path), path});
  };
  for (const std::string& file : files) add(file);
  if (!folder.empty())
    for (const std::string& name : FilesInFolder(folder)) add(folder + "\\" + name);
}

size_t SkinCycle::IndexAfter(int step) const {
  const auto count = static_cast<long long>(choices_.size());
  const long long next = (static_cast<long long>(current_) + step) % count;
  return static_cast<size_t>(next < 0 ? next + count : next);
}

std::vector<std::string> FilesInFolder(const std::string& folder) {
  std::vector<std::string> names;
  WIN32_FIND_DATAA found{};
  HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return names;
  do {
    if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) names.emplace_back(found.cFileName);
  } while (FindNextFileA(search, &found));
  FindClose(search);
  std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
    return skin::AsciiLowerCase(a) < skin::AsciiLowerCase(b);
  });
  return names;
}

std::string LoadSkinChoice(skin::TSkinData& data, const SkinChoice& choice,
                           const std::vector<uint8_t>& defaultStream) {
  if (!choice.path.empty()) {
    data.SetSkinFile(choice.path);
    if (!data.SkinEmpty()) return {};
  }
  data.SetSkinStream(defaultStream);
  data.ApplySkin();
  if (choice.path.empty()) return {};
  const DWORD attributes = GetFileAttributesA(choice.path.c_str());
  const bool exists = attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
  return "skin file '" + choice.path + (exists ? "' cannot be read as a skin" : "' not found");
}

}  // namespace gallery
