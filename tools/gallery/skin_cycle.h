// The skins the gallery switches between: the stored default skin first, then the skin files
// given on the command line, then every file of the skins folder.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace skin {
class TSkinData;
}

namespace gallery {

struct SkinChoice {
  std::string label;
  std::string path;  // empty for the stored default skin
};

class SkinCycle {
 public:
  // Each path once (letter case ignored); the folder's files by name.
  SkinCycle(const std::vector<std::string>& files, const std::string& folder);

  [[nodiscard]] const std::vector<SkinChoice>& Choices() const { return choices_; }
  [[nodiscard]] size_t Current() const { return current_; }
  void SetCurrent(size_t index) { current_ = index < choices_.size() ? index : 0; }
  // The choice `step` places after the current one, going round.
  [[nodiscard]] size_t IndexAfter(int step) const;

 private:
  std::vector<SkinChoice> choices_;
  size_t current_ = 0;
};

// The regular files of a folder, sorted by name; none when it does not exist.
std::vector<std::string> FilesInFolder(const std::string& folder);

// Loads the choice into the skin component through its published path (SkinFile for a file,
// SkinStream for the stored default) and tells the skinned windows. A file that is missing or
// cannot be read as a skin leaves the component with the stored default instead; the answer then
// says what went wrong, otherwise it is empty.
std::string LoadSkinChoice(skin::TSkinData& data, const SkinChoice& choice,
                           const std::vector<uint8_t>& defaultStream);

}  // namespace gallery
