#include "skin/resources/quick_ini.h"

#include <algorithm>

#include "skin/resources/assertion.h"
#include "skin/resources/int_conversion.h"
#include "skin/resources/platform_hooks.h"
#include "skin/resources/text_util.h"

namespace skin {

void TQuickIni::LoadFromStream(TMemoryStream* Stream) {
  if (Stream == nullptr) return;
  const std::span<const uint8_t> bytes = Stream->Bytes();
  const size_t start = std::min(Stream->Position(), bytes.size());
  std::string_view text(reinterpret_cast<const char*>(bytes.data()) + start, bytes.size() - start);
  Stream->SetPosition(bytes.size());
  text = text.substr(0, text.find('\0'));  // nothing after a NUL byte is read

  lines_.clear();
  sections_.clear();
  int32_t counter = 0;
  size_t pos = 0;
  while (pos < text.size()) {
    size_t end = pos;
    while (end < text.size() && text[end] != '\r' && text[end] != '\n') ++end;
    const std::string_view line = TrimControls(text.substr(pos, end - pos));
    // CR LF is one line end; a lone CR or LF is one too.
    pos = end;
    if (pos < text.size() && text[pos] == '\r') ++pos;
    if (pos < text.size() && text[pos] == '\n') ++pos;

    if (line.empty() || line.front() == ';') continue;
    lines_.emplace_back(line);
    if (line.front() == '[' && line.back() == ']') {
      sections_.push_back({std::string(line), counter});
    }
    ++counter;
  }
}

int32_t TQuickIni::SectionIndex(std::string_view Name) const {
  std::string header;
  header.reserve(Name.size() + 2);
  header.append("[").append(Name).append("]");
  for (const SectionEntry& entry : sections_) {
    if (LocaleTextEqualIgnoreCase(entry.Text, header)) return entry.Position;
  }
  return -1;
}

bool TQuickIni::IsSectionLine(std::string_view Line) {
  const std::string_view trimmed = TrimControls(Line);
  return !trimmed.empty() && trimmed.front() == '[' && trimmed.back() == ']';
}

std::string TQuickIni::KeyOfLine(std::string_view Line) {
  const size_t equals = Line.find('=');
  if (equals == std::string_view::npos) return {};
  return AsciiLowerCase(TrimControls(Line.substr(0, equals)));
}

std::string_view TQuickIni::ValueOfLine(std::string_view Line, std::string_view Key) {
  if (Line.empty() || Key.empty()) return {};
  const size_t equals = Line.find('=');
  if (equals == std::string_view::npos || KeyOfLine(Line) != Key) return {};
  return TrimControls(Line.substr(equals + 1));
}

std::string TQuickIni::ReadString(std::string_view Section, std::string_view Ident, std::string_view Default) const {
  if (lines_.empty()) return std::string(Default);
  const int32_t header = SectionIndex(Section);
  if (header < 0) return std::string(Default);
  const std::string key = AsciiLowerCase(Ident);
  for (size_t i = static_cast<size_t>(header) + 1; i < lines_.size(); ++i) {
    const std::string& line = lines_[i];
    if (IsSectionLine(line)) break;
    if (KeyOfLine(line) != key) continue;
    // The first line with the key decides, even when its value is empty.
    const std::string_view value = ValueOfLine(line, key);
    return std::string(value.empty() ? Default : value);
  }
  return std::string(Default);
}

int32_t TQuickIni::ReadInteger(std::string_view Section, std::string_view Ident, int32_t Default) const {
  std::string text = ReadString(Section, Ident, "");
  if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    text.replace(0, 2, "$");
  }
  return TryStrToInt(text).value_or(Default);
}

void TQuickIni::ReadSections(std::vector<std::string>* Strings) const {
  if (Strings == nullptr) {
    throw EAssertionFailed("The parameter Strings is unassigned!", "Winskinini", 318);
  }
  Strings->clear();
  Strings->reserve(sections_.size());
  for (const SectionEntry& entry : sections_) {
    std::string_view name = TrimControls(entry.Text);
    // Drop the brackets; a header is at least "[]" long.
    name = name.size() >= 2 ? name.substr(1, name.size() - 2) : std::string_view{};
    Strings->emplace_back(TrimControls(name));
  }
}

}  // namespace skin
