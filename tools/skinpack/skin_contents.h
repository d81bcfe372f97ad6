// Reading skins back with the program's own archive reader and definition parser, and checking
// them: what `list`, `extract`, `verify` and the contact sheet see is what the program would see.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "skin/resources/quick_ini.h"
#include "tools/skinpack/skin_archive.h"

namespace skinpack {

struct DecodedSkin {
  uint32_t decoded_length = 0;  // the length the skin file announces
  uint32_t format_version = 0;
  int32_t name_bytes = 0;
  std::vector<ArchiveEntry> entries;  // archive order, names as the reader gives them (lower case)
  std::string definition_name;        // the entry the program takes as the definition
  skin::TQuickIni definition;

  // The bytes of the first entry of that name (ASCII letter case ignored), or nothing.
  [[nodiscard]] const std::vector<uint8_t>* Find(const std::string& name) const;
};

// Expands and indexes a skin file. Nothing, with a one-line reason in `error`, when the program's
// reader refuses it.
std::optional<DecodedSkin> DecodeSkin(std::span<const uint8_t> skin_file, std::string& error);

struct VerifyReport {
  std::vector<std::string> problems;  // the program would miss or misread something
  std::vector<std::string> notes;     // harmless, worth knowing
  int bitmaps_checked = 0;
};

// Checks that the skin has a definition and that every bitmap the definition names exists, is a
// valid bitmap file and fits the element's frames.
VerifyReport VerifySkin(const DecodedSkin& skin);

// One line of the definition: its section, key and the value the parser gives for it.
struct DefinitionValue {
  std::string section;
  std::string key;
  std::string value;
};

// Every key=value line of every section, with the value as the parser answers it.
std::vector<DefinitionValue> DefinitionValues(const skin::TQuickIni& ini);

}  // namespace skinpack
