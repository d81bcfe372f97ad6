// Reader of a skin definition: INI-style text of [section] headers and key=value lines, parsed
// once and then asked for text and integer values and for the list of sections.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "skin/resources/memory_stream.h"

namespace skin {

class TQuickIni {
 public:
  struct SectionEntry {
    std::string Text;  // the header line, trimmed, brackets included
    int32_t Position;  // where that line is in Lines
  };

  // Parses the bytes from the stream's position to its end, replacing what was held. A NUL byte
  // ends the text. Without a stream nothing happens.
  void LoadFromStream(TMemoryStream* Stream);

  // The value of key `Ident` (ASCII letter case ignored) in the first section named `Section`
  // (case ignored under the user's locale), or `Default` when the section, the key or the value is
  // missing. Only the key's first line in the section counts.
  [[nodiscard]] std::string ReadString(std::string_view Section, std::string_view Ident,
                                       std::string_view Default) const;
  [[nodiscard]] int32_t ReadInteger(std::string_view Section, std::string_view Ident, int32_t Default) const;
  // Replaces the contents of `Strings` with the section names, brackets and blanks removed, in
  // text order. `Strings` must be given.
  void ReadSections(std::vector<std::string>* Strings) const;

  // Every kept line, trimmed, and every section header with its position in `Lines`.
  [[nodiscard]] const std::vector<std::string>& Lines() const noexcept { return lines_; }
  [[nodiscard]] const std::vector<SectionEntry>& Sections() const noexcept { return sections_; }

 private:
  [[nodiscard]] int32_t SectionIndex(std::string_view Name) const;
  static bool IsSectionLine(std::string_view Line);
  static std::string KeyOfLine(std::string_view Line);
  static std::string_view ValueOfLine(std::string_view Line, std::string_view Key);

  std::vector<std::string> lines_;
  std::vector<SectionEntry> sections_;
};

}  // namespace skin
