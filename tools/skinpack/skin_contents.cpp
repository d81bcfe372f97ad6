#include "tools/skinpack/skin_contents.h"

#include <set>

#include "skin/resources/memory_stream.h"
#include "skin/resources/platform_hooks.h"
#include "skin/resources/skin_reader.h"
#include "tools/skinimage/bmp_file.h"
#include "tools/skinpack/element_layout.h"

namespace skinpack {
namespace {

std::string Trimmed(std::string_view text) {
  size_t begin = 0, end = text.size();
  while (begin < end && static_cast<unsigned char>(text[begin]) <= ' ') ++begin;
  while (end > begin && static_cast<unsigned char>(text[end - 1]) <= ' ') --end;
  return std::string(text.substr(begin, end - begin));
}

// While alive, the reader's one message (an unknown format version) is kept instead of shown.
class CapturedMessage {
 public:
  CapturedMessage() : previous_(skin::SetMessageDialogHook([this](const std::string& text) { text_ = text; })) {}
  ~CapturedMessage() { skin::SetMessageDialogHook(std::move(previous_)); }
  CapturedMessage(const CapturedMessage&) = delete;
  CapturedMessage& operator=(const CapturedMessage&) = delete;
  [[nodiscard]] const std::string& Text() const { return text_; }

 private:
  std::string text_;
  skin::MessageDialogHook previous_;
};

}  // namespace

const std::vector<uint8_t>* DecodedSkin::Find(const std::string& name) const {
  const std::string wanted = LowerAscii(name);
  for (const ArchiveEntry& entry : entries)
    if (entry.name == wanted) return &entry.bytes;
  return nullptr;
}

std::optional<DecodedSkin> DecodeSkin(std::span<const uint8_t> skin_file, std::string& error) {
  if (skin_file.size() < 4) {
    error = "not a skin file: shorter than its 4-byte length";
    return std::nullopt;
  }
  DecodedSkin skin;
  skin.decoded_length =
      skin_file[0] | skin_file[1] << 8 | skin_file[2] << 16 | static_cast<uint32_t>(skin_file[3]) << 24;
  skin::TMemoryStream source(skin_file);
  skin::TSkinReader reader;
  bool read = false;
  {
    CapturedMessage message;
    read = reader.ReadArchive(source);
    if (!read) {
      if (!message.Text().empty()) {
        error = "unknown skin format version (the program says: " + message.Text() + ")";
        for (char& c : error)
          if (c == '\r') c = ' ';
      } else {
        error = "not a skin file: the expanded archive does not hold together";
      }
      return std::nullopt;
    }
  }
  skin.format_version = reader.FormatVersion;
  skin.name_bytes = reader.NameBytes;
  const std::span<const uint8_t> data = reader.EntryData.Bytes();
  size_t offset = 0;
  for (int32_t i = 0; i < reader.EntryCount; ++i) {
    const size_t size = static_cast<size_t>(std::max(reader.EntrySizes[static_cast<size_t>(i)], 0));
    const size_t available = offset < data.size() ? data.size() - offset : 0;
    const size_t taken = std::min(size, available);
    ArchiveEntry entry{reader.EntryNames[static_cast<size_t>(i)], {}};
    entry.bytes.assign(data.begin() + static_cast<std::ptrdiff_t>(std::min(offset, data.size())),
                       data.begin() + static_cast<std::ptrdiff_t>(std::min(offset, data.size()) + taken));
    skin.entries.push_back(std::move(entry));
    offset += size;
  }
  skin::TMemoryStream definition;
  reader.FindEntry(".ini", definition, skin.definition_name);
  if (definition.Size() > 0) skin.definition.LoadFromStream(&definition);
  return skin;
}

std::vector<DefinitionValue> DefinitionValues(const skin::TQuickIni& ini) {
  std::vector<DefinitionValue> values;
  const auto& lines = ini.Lines();
  const auto& sections = ini.Sections();
  std::set<std::string> sections_seen;
  for (size_t s = 0; s < sections.size(); ++s) {
    const std::string header = sections[s].Text;
    const std::string name = Trimmed(std::string_view(header).substr(1, header.size() - 2));
    // The parser only ever answers from the first section of a name.
    if (!sections_seen.insert(LowerAscii(name)).second) continue;
    const size_t end = s + 1 < sections.size() ? static_cast<size_t>(sections[s + 1].Position) : lines.size();
    std::set<std::string> keys_seen;
    for (size_t line = static_cast<size_t>(sections[s].Position) + 1; line < end && line < lines.size(); ++line) {
      const size_t equals = lines[line].find('=');
      if (equals == std::string::npos) continue;
      const std::string key = Trimmed(std::string_view(lines[line]).substr(0, equals));
      if (key.empty() || !keys_seen.insert(LowerAscii(key)).second) continue;
      values.push_back({name, key, ini.ReadString(name, key, "")});
    }
  }
  return values;
}

VerifyReport VerifySkin(const DecodedSkin& skin) {
  VerifyReport report;
  if (skin.definition_name.empty() || skin.definition.Lines().empty()) {
    report.problems.push_back("no definition: no entry whose name contains \".ini\", or it is empty");
    return report;
  }
  std::set<std::string> used = {skin.definition_name};
  for (const DefinitionValue& item : DefinitionValues(skin.definition)) {
    const std::string where = "[" + item.section + "] " + item.key + "=" + item.value;
    const std::string lower = LowerAscii(item.value);
    if (lower.size() >= 4 && lower.compare(lower.size() - 4, 4, ".bmp") == 0 &&
        item.value.compare(item.value.size() - 4, 4, ".bmp") != 0) {
      report.problems.push_back(where + ": the program loads bitmaps only with the extension \".bmp\" in lower case");
    }
  }
  auto image_size = [&](const std::string& entry) -> std::optional<std::pair<int, int>> {
    const std::vector<uint8_t>* bytes = skin.Find(entry);
    if (bytes == nullptr) return std::nullopt;
    std::string ignored;
    const std::optional<skinimage::BmpInfo> info = skinimage::ReadBmpInfo(*bytes, ignored);
    if (!info) return std::nullopt;
    return std::pair{info->width, info->height};
  };
  for (const FrameLayout& layout : DescribeBitmaps(skin.definition, image_size)) {
    const std::string where = "[" + layout.section + "] " + layout.key + " names \"" + layout.entry + "\"";
    ++report.bitmaps_checked;
    used.insert(LowerAscii(layout.entry));
    const std::vector<uint8_t>* bytes = skin.Find(layout.entry);
    if (bytes == nullptr || bytes->empty()) {
      report.problems.push_back(where + ", which the skin does not hold");
      continue;
    }
    std::string error;
    const std::optional<skinimage::BmpInfo> info = skinimage::ReadBmpInfo(*bytes, error);
    if (!info) {
      report.problems.push_back(where + ", which is not a valid bitmap: " + error);
      continue;
    }
    const int length = layout.vertical ? info->height : info->width;
    if (length % layout.frames != 0)
      report.notes.push_back(where + ": " + std::to_string(length) + " pixels do not split evenly into " +
                             std::to_string(layout.frames) + " frames");
  }
  for (const ArchiveEntry& entry : skin.entries)
    if (!used.count(entry.name)) report.notes.push_back("entry \"" + entry.name + "\" is not named by the definition");
  return report;
}

}  // namespace skinpack
