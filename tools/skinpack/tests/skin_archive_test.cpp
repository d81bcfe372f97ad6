#include "tools/skinpack/skin_archive.h"

#include <gtest/gtest.h>

#include "skin/resources/memory_stream.h"
#include "skin/resources/skin_reader.h"
#include "tools/skinpack/element_layout.h"

namespace skinpack {
namespace {

uint32_t Get32(const std::vector<uint8_t>& data, size_t at) {
  return data[at] | data[at + 1] << 8 | data[at + 2] << 16 | static_cast<uint32_t>(data[at + 3]) << 24;
}

std::vector<uint8_t> Bytes(const std::string& text) { return {text.begin(), text.end()}; }

TEST(SkinArchive, LayoutOfAVersion70000Archive) {
  const std::vector<ArchiveEntry> entries = {{"a.ini", Bytes("[X]\r\n")}, {"Pic.bmp", Bytes("BMxyz")}};
  std::string error;
  const auto archive = BuildArchive(entries, error);
  ASSERT_TRUE(archive) << error;
  EXPECT_EQ(Get32(*archive, 0), 70000u);
  const std::string names = "a.ini\r\nPic.bmp\r\n";
  EXPECT_EQ(Get32(*archive, 4), names.size());
  const size_t list = 16 + 69;
  EXPECT_EQ(std::string(archive->begin() + list, archive->begin() + static_cast<long>(list + names.size())), names);
  EXPECT_EQ(Get32(*archive, list + names.size()), 5u);
  EXPECT_EQ(Get32(*archive, list + names.size() + 4), 5u);
  EXPECT_EQ(archive->size(), list + names.size() + 8 + 10);
  EXPECT_EQ(std::string(archive->end() - 10, archive->end()), "[X]\r\nBMxyz");
}

TEST(SkinArchive, TheProgramsReaderReadsBackEveryEntry) {
  std::vector<ArchiveEntry> entries;
  for (int i = 0; i < 40; ++i) {
    std::vector<uint8_t> bytes(static_cast<size_t>(i * 37 % 500));
    for (size_t b = 0; b < bytes.size(); ++b) bytes[b] = static_cast<uint8_t>(b * i);
    entries.push_back({"Entry" + std::to_string(i) + ".bmp", bytes});
  }
  entries.push_back({"\xCC\xEC\xC0\xB6__x.ini", Bytes("[S]\r\nK=V\r\n")});
  std::string error;
  const auto archive = BuildArchive(entries, error);
  ASSERT_TRUE(archive) << error;
  skin::TMemoryStream file(EncodeSkinFile(*archive));
  skin::TSkinReader reader;
  ASSERT_TRUE(reader.ReadArchive(file));
  ASSERT_EQ(reader.EntryCount, 41);
  for (const ArchiveEntry& entry : entries) {
    skin::TMemoryStream target;
    reader.GetEntry(entry.name, target);
    EXPECT_EQ(std::vector<uint8_t>(target.Bytes().begin(), target.Bytes().end()), entry.bytes) << entry.name;
  }
  EXPECT_EQ(reader.EntryNames[0], "entry0.bmp");  // the reader lower-cases
}

TEST(SkinArchive, RefusesWhatTheReaderCouldNotTellApart) {
  struct Case {
    const char* what;
    std::vector<ArchiveEntry> entries;
    const char* reason;
  };
  std::vector<ArchiveEntry> too_many;
  for (int i = 0; i < 1002; ++i) too_many.push_back({"e" + std::to_string(i), {}});
  const Case cases[] = {
      {"no entries", {}, "at least one"},
      {"empty name", {{"", {}}}, "bad entry name"},
      {"line break in a name", {{"a\r\nb.bmp", {}}}, "bad entry name"},
      {"names differing in case", {{"A.bmp", {}}, {"a.BMP", {}}}, "two entries"},
      {"1002 entries", too_many, "too many"},
  };
  for (const Case& c : cases) {
    std::string error;
    EXPECT_FALSE(BuildArchive(c.entries, error)) << c.what;
    EXPECT_NE(error.find(c.reason), std::string::npos) << c.what << ": " << error;
  }
  std::string error;
  too_many.pop_back();
  EXPECT_TRUE(BuildArchive(too_many, error)) << "1001 entries fit: " << error;
}

TEST(SkinArchive, FolderOrderIsDefinitionThenBitmapsAsNamedThenTheRest) {
  std::vector<ArchiveEntry> files = {
      {"zeta.bmp", {}},
      {"B.bmp", {}},
      {"skin.ini", Bytes("[A]\r\nImage=sub\\b.bmp\r\n[C]\r\nX = Z:\\Alpha.bmp \r\nY=b.bmp\r\n")},
      {"alpha.bmp", {}},
      {"extra.bmp", {}},
  };
  const std::vector<ArchiveEntry> ordered = OrderForArchive(files, 2);
  std::vector<std::string> names;
  for (const ArchiveEntry& entry : ordered) names.push_back(entry.name);
  EXPECT_EQ(names, (std::vector<std::string>{"skin.ini", "B.bmp", "alpha.bmp", "extra.bmp", "zeta.bmp"}));
}

TEST(SkinArchive, StoredSkinDataIsLengthAndFile) {
  const std::vector<uint8_t> file = {1, 2, 3};
  const std::vector<uint8_t> stream = WrapSkinStream(file);
  EXPECT_EQ(stream, (std::vector<uint8_t>{3, 0, 0, 0, 1, 2, 3}));
  std::string error;
  EXPECT_EQ(UnwrapSkinStream(stream, error), file);
  EXPECT_FALSE(UnwrapSkinStream(std::vector<uint8_t>{4, 0, 0, 0, 1, 2, 3}, error));
  EXPECT_FALSE(UnwrapSkinStream(std::vector<uint8_t>{0, 0, 0, 0}, error));
  EXPECT_FALSE(UnwrapSkinStream(std::vector<uint8_t>{1, 0}, error));
  std::vector<uint8_t> long_data(40, 0xAB);
  std::string full_line, short_line;
  for (int i = 0; i < 32; ++i) full_line += "AB";
  for (int i = 0; i < 8; ++i) short_line += "AB";
  EXPECT_EQ(HexPropertyText(long_data), "{\n  " + full_line + "\n  " + short_line + "\n}\n");
}

TEST(ElementLayout, CaptionButtonFramesFollowTheImageShape) {
  EXPECT_EQ(CaptionButtonFrames(60, 20, 0), 3);
  EXPECT_EQ(CaptionButtonFrames(61, 16, 0), 6);
  EXPECT_EQ(CaptionButtonFrames(76, 20, 1), 3);  // exactly 3.8
  EXPECT_EQ(CaptionButtonFrames(60, 20, -1), 6);
  EXPECT_EQ(CaptionButtonFrames(126, 21, 2), 6);
}

}  // namespace
}  // namespace skinpack
