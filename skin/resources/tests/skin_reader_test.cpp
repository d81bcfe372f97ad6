#include "skin/resources/skin_reader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "skin/resources/lzh.h"
#include "skin/resources/platform_hooks.h"
#include "skin/resources/quick_ini.h"
#include "skin/resources/tests/skin_archive_builder.h"

namespace {

using skin::TMemoryStream;
using skin::TSkinReader;
using namespace skin::testing;

std::string TextOf(const TMemoryStream& stream) { return std::string(stream.Bytes().begin(), stream.Bytes().end()); }

// Captures what the reader shows instead of opening a dialog.
class CapturedMessages {
 public:
  CapturedMessages()
      : previous_(skin::SetMessageDialogHook([this](const std::string& text) { texts.push_back(text); })) {}
  ~CapturedMessages() { skin::SetMessageDialogHook(std::move(previous_)); }
  std::vector<std::string> texts;

 private:
  skin::MessageDialogHook previous_;
};

class SkinReaderTest : public testing::Test {
 protected:
  bool Read(const Bytes& archive) {
    TMemoryStream source(SkinFile(archive));
    return reader_.ReadArchive(source);
  }
  std::string Entry(std::string_view name) {
    TMemoryStream target;
    reader_.GetEntry(name, target);
    EXPECT_EQ(target.Position(), 0u);
    return TextOf(target);
  }

  const std::vector<ArchiveEntry> entries_ = {
      {"skyblue__Buttons.bmp", BytesOf("buttons")},
      {"Skin.INI", BytesOf("[Form]\r\n")},
      {"dup.bmp", BytesOf("first")},
      {"dup.bmp", BytesOf("second")},
      {"empty.bmp", {}},
      {"last.bmp", BytesOf("last")},
  };
  CapturedMessages messages_;
  TSkinReader reader_;
};

TEST_F(SkinReaderTest, EveryKnownVersionSkipsItsBlock) {
  struct Case {
    uint32_t version;
    uint32_t skipped;
  };
  const Case cases[] = {{20000, 0}, {30000, 256}, {40000, 80}, {50000, 48}, {60000, 117}, {70000, 69}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.version);
    TSkinReader reader;
    TMemoryStream source(SkinFile(Archive(entries_, {c.version, c.skipped})));
    ASSERT_TRUE(reader.ReadArchive(source));
    EXPECT_EQ(reader.FormatVersion, c.version);
    EXPECT_EQ(reader.EntryCount, 6);
    EXPECT_EQ(reader.EntryNames, (std::vector<std::string>{"skyblue__buttons.bmp", "skin.ini", "dup.bmp", "dup.bmp",
                                                           "empty.bmp", "last.bmp"}));
    EXPECT_EQ(reader.EntrySizes[0], 7);
    EXPECT_EQ(reader.EntrySizes[5], 4);
    EXPECT_EQ(TextOf(reader.EntryData), "buttons[Form]\r\nfirstsecondlast");
  }
  EXPECT_TRUE(messages_.texts.empty());
}

TEST_F(SkinReaderTest, UnknownVersionShowsTheMessageOnceAndLoadsNothing) {
  ASSERT_TRUE(Read(Archive(entries_)));
  for (uint32_t version : {10000u, 0u, 20001u, 80000u, 0xFFFFFFFFu}) {
    SCOPED_TRACE(version);
    messages_.texts.clear();
    EXPECT_FALSE(Read(Archive({{"other.bmp", BytesOf("x")}}, {version, 0})));
    EXPECT_EQ(messages_.texts, (std::vector<std::string>{"This is Older Skin File\rPlease update to new version !"}));
    EXPECT_EQ(reader_.EntryCount, 6);  // the earlier archive is still there
    EXPECT_EQ(Entry("last.bmp"), "last");
  }
}

TEST_F(SkinReaderTest, GetEntryMatchesNames) {
  ASSERT_TRUE(Read(Archive(entries_)));
  struct Case {
    const char* name;
    const char* expected;
  };
  const Case cases[] = {
      {"skyblue__Buttons.bmp", "buttons"},  // stored lower-cased, asked in any case
      {"SKYBLUE__BUTTONS.BMP", "buttons"},
      {"skin.ini", "[Form]\r\n"},
      {"dup.bmp", "first"},  // first of two equal names
      {"last.bmp", "last"},
      {"empty.bmp", ""},
      {"buttons.bmp", ""},  // whole names only
      {"skyblue__buttons.bmp ", ""},
      {"", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(Entry(c.name), c.expected);
  }
}

TEST_F(SkinReaderTest, GetEntryClearsTheTargetFirst) {
  ASSERT_TRUE(Read(Archive(entries_)));
  TMemoryStream target(BytesOf("stale contents"));
  reader_.GetEntry("missing.bmp", target);
  EXPECT_EQ(target.Size(), 0u);
  target.Write("stale contents", 14);
  reader_.GetEntry("last.bmp", target);
  EXPECT_EQ(TextOf(target), "last");
}

TEST_F(SkinReaderTest, FindEntryTakesTheFirstNameContainingThePart) {
  ASSERT_TRUE(Read(
      Archive({{"a.bmp", BytesOf("A")}, {"skin.ini.bak", BytesOf("backup")}, {"skin.ini", BytesOf("definition")}})));
  struct Case {
    const char* part;
    const char* expected_text;
    const char* expected_name;
  };
  const Case cases[] = {
      {".ini", "backup", "skin.ini.bak"},  // whatever follows ".ini"
      {"skin.ini", "backup", "skin.ini.bak"},
      {"a.b", "A", "a.bmp"},
      {".INI", "", "unchanged"},  // the part is not lower-cased
      {".png", "", "unchanged"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.part);
    TMemoryStream target(BytesOf("stale"));
    std::string found = "unchanged";
    reader_.FindEntry(c.part, target, found);
    EXPECT_EQ(TextOf(target), c.expected_text);
    EXPECT_EQ(target.Position(), 0u);
    EXPECT_EQ(found, c.expected_name);
  }
}

TEST_F(SkinReaderTest, NameListLineBreaks) {
  struct Case {
    const char* name;
    std::string list;
    std::vector<std::string> names;
  };
  const Case cases[] = {
      {"last name without a line break", "a\r\nb", {"a", "b"}},
      {"final line break adds no name", "a\r\nb\r\n", {"a", "b"}},
      {"lone CR and LF", "a\rb\nc", {"a", "b", "c"}},
      {"empty line is an empty name", "a\r\n\r\nb\r\n", {"a", "", "b"}},
      {"LF CR is two breaks", "a\n\rb", {"a", "", "b"}},
      {"no names", "", {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::vector<int32_t> sizes(c.names.size(), 1);
    const Bytes data(c.names.size(), 'x');
    TSkinReader reader;
    TMemoryStream source(SkinFile(RawArchive(20000, 0, static_cast<int32_t>(c.list.size()), c.list, sizes, data)));
    ASSERT_TRUE(reader.ReadArchive(source));
    EXPECT_EQ(reader.EntryNames, c.names);
    EXPECT_EQ(reader.EntryCount, static_cast<int32_t>(c.names.size()));
  }
}

TEST_F(SkinReaderTest, RefusesArchivesThatDoNotHoldTogether) {
  const std::string list = "a\r\nb\r\n";
  const auto name_bytes = static_cast<int32_t>(list.size());
  std::string many_names;
  for (int i = 0; i < 1002; ++i) many_names += "n\r\n";
  const Bytes header_only = RawArchive(70000, 0, 0, "", {}, {});
  struct Case {
    const char* name;
    Bytes archive;
  };
  const Case cases[] = {
      {"1002 names",
       RawArchive(20000, 0, static_cast<int32_t>(many_names.size()), many_names, std::vector<int32_t>(1002, 0), {})},
      {"negative name list length", RawArchive(20000, 0, -1, list, {1, 1}, BytesOf("xy"))},
      {"name list past the end", RawArchive(20000, 0, 1000, list, {1, 1}, BytesOf("xy"))},
      {"size table cut short", RawArchive(20000, 0, name_bytes, list, {1}, {})},
      {"skipped block past the end", Bytes(header_only.begin(), header_only.begin() + 16)},
      {"header cut short", Bytes(header_only.begin(), header_only.begin() + 15)},
      {"empty archive", {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TSkinReader reader;
    TMemoryStream source(SkinFile(Archive(entries_)));
    ASSERT_TRUE(reader.ReadArchive(source));
    TMemoryStream bad(SkinFile(c.archive));
    EXPECT_FALSE(reader.ReadArchive(bad));
    EXPECT_EQ(reader.EntryCount, 6);  // what was read before stays
    EXPECT_EQ(reader.EntryNames.size(), 6u);
  }
  EXPECT_TRUE(messages_.texts.empty());
}

TEST_F(SkinReaderTest, AcceptsTheLargestNameTable) {
  std::string names;
  for (int i = 0; i < 1001; ++i) names += "n" + std::to_string(i) + "\n";
  std::vector<int32_t> sizes(1001, 1);
  Bytes data(1001, 0);
  for (size_t i = 0; i < data.size(); ++i) data[i] = static_cast<uint8_t>(i);
  ASSERT_TRUE(Read(RawArchive(20000, 0, static_cast<int32_t>(names.size()), names, sizes, data)));
  EXPECT_EQ(reader_.EntryCount, 1001);
  EXPECT_EQ(Entry("n1000"), std::string(1, static_cast<char>(1000 % 256)));
}

TEST_F(SkinReaderTest, AnEntryWithANegativeOrOversizedSizeIsLostAlone) {
  // A damaged size loses its own entry; the archive and the other entries stay readable.
  const std::string list = "a\r\nb\r\nc\r\n";
  const auto list_bytes = static_cast<int32_t>(list.size());
  ASSERT_TRUE(Read(RawArchive(20000, 0, list_bytes, list, {2, -1, 1}, BytesOf("xyz"))));
  EXPECT_EQ(Entry("a"), "xy");
  EXPECT_EQ(Entry("b"), "") << "a negative size is no entry";
  EXPECT_EQ(Entry("c"), "z") << "and takes no room";
  ASSERT_TRUE(Read(RawArchive(20000, 0, list_bytes, list, {1, 100, 0}, BytesOf("xyz"))));
  EXPECT_EQ(Entry("a"), "x");
  EXPECT_EQ(Entry("b"), "") << "reaches past the data";
  EXPECT_TRUE(messages_.texts.empty());
}

TEST_F(SkinReaderTest, AnEntryReachingPastTheDataIsRefused) {
  // Each size fits the data, but together they list more than the data holds.
  const std::string list = "a\r\nb\r\nc\r\n";
  ASSERT_TRUE(Read(RawArchive(20000, 0, static_cast<int32_t>(list.size()), list, {3, 4, 0}, BytesOf("12345"))));
  EXPECT_EQ(Entry("a"), "123");
  EXPECT_EQ(Entry("b"), "");
  EXPECT_EQ(Entry("c"), "");  // starts past the end
  TMemoryStream target;
  std::string found = "unchanged";
  reader_.FindEntry("b", target, found);
  EXPECT_EQ(target.Size(), 0u);
  EXPECT_EQ(found, "unchanged");
}

TEST_F(SkinReaderTest, RefusesAnImpossibleDecodedLengthBeforeDecoding) {
  for (uint32_t length : {0xFFFFFFFFu, 0x80000000u, TSkinReader::kMaxDecodedLength + 1}) {
    SCOPED_TRACE(length);
    Bytes file = SkinFile(Archive(entries_));
    file[0] = static_cast<uint8_t>(length);
    file[1] = static_cast<uint8_t>(length >> 8);
    file[2] = static_cast<uint8_t>(length >> 16);
    file[3] = static_cast<uint8_t>(length >> 24);
    TMemoryStream source(file);
    EXPECT_FALSE(reader_.ReadArchive(source));
    EXPECT_EQ(source.Position(), 4u);  // nothing past the length was read
  }
  for (size_t size : {0, 3}) {
    TMemoryStream source(Bytes(size, 0));
    EXPECT_FALSE(reader_.ReadArchive(source));
  }
}

TEST_F(SkinReaderTest, TruncatedSkinFileStillExpandsToItsAnnouncedLength) {
  // Missing coded bits read as zeros: the archive keeps its length, only its tail is damaged.
  const std::vector<ArchiveEntry> entries = SkinLikeEntries();
  const Bytes archive = Archive(entries);
  const Bytes file = SkinFile(archive);
  const size_t data_start = 16 + 69 + NameList(entries, {}).size() + entries.size() * 4;
  const size_t keep = 4 + (file.size() - 4) * 3 / 4;
  TMemoryStream source(Bytes(file.begin(), file.begin() + static_cast<std::ptrdiff_t>(keep)));
  ASSERT_TRUE(reader_.ReadArchive(source));
  EXPECT_EQ(reader_.EntryCount, 37);
  EXPECT_GE(reader_.EntryData.Size(), archive.size() - data_start);
  EXPECT_LT(reader_.EntryData.Size(), archive.size() - data_start + skin::lzh::F);
  EXPECT_TRUE(std::equal(entries[0].data.begin(), entries[0].data.end(), reader_.EntryData.Memory()));
}

TEST(SkinFileExpansion, RefusesLengthsBeyondWhatTheDecoderCounts) {
  // Even with no limit of the caller's own, a length past 2^31 - 1 is refused before decoding.
  for (uint32_t length : {0x80000000u, 0xFFFFFFFFu}) {
    SCOPED_TRACE(length);
    Bytes file = {static_cast<uint8_t>(length),
                  static_cast<uint8_t>(length >> 8),
                  static_cast<uint8_t>(length >> 16),
                  static_cast<uint8_t>(length >> 24),
                  0x12,
                  0x34};
    TMemoryStream source(file);
    TMemoryStream target;
    EXPECT_FALSE(skin::ExpandSkinFile(source, target, UINT32_MAX));
    EXPECT_EQ(source.Position(), 4u);
    EXPECT_EQ(target.Size(), 0u);
  }
}

TEST(SkinBitmapNames, FileNamePartWithBmpExtension) {
  struct Case {
    const char* value;
    const char* expected;  // nullptr: not asked for
  };
  const Case cases[] = {
      {"skyblue__Buttons.bmp", "skyblue__Buttons.bmp"},
      {"skins\\skyblue\\Tab.bmp", "Tab.bmp"},
      {"skins/Tab.bmp", "Tab.bmp"},
      {"c:Tab.bmp", "Tab.bmp"},
      {"\xCC\xEC\xC0\xB6\xC7\xE1\xD3\xAF__header.bmp", "\xCC\xEC\xC0\xB6\xC7\xE1\xD3\xAF__header.bmp"},
      {"\x95\x5C"
       "a.bmp",
       "\x95\x5C"
       "a.bmp"},  // 0x5C is the second byte of a character here
      {"Tab.BMP", nullptr},
      {"Tab.bmp.txt", nullptr},
      {"dir.bmp\\Tab", nullptr},
      {"Tab", nullptr},
      {"", nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.value);
    const std::optional<std::string> name = skin::BitmapEntryName(c.value);
    if (c.expected == nullptr) {
      EXPECT_FALSE(name.has_value());
    } else {
      EXPECT_EQ(name, std::optional<std::string>(c.expected));
    }
  }
}

TEST(SkinLoad, DefinitionAndBitmapsOfASkinLikeArchive) {
  // The loading sequence of a skin: read, find the definition, fetch every bitmap it names.
  const std::vector<ArchiveEntry> entries = SkinLikeEntries();
  TMemoryStream source(SkinFile(Archive(entries)));
  TSkinReader reader;
  ASSERT_TRUE(reader.ReadArchive(source));

  TMemoryStream definition;
  std::string found;
  reader.FindEntry(".ini", definition, found);
  EXPECT_EQ(found, "skyblue.ini");
  skin::TQuickIni ini;
  ini.LoadFromStream(&definition);
  std::vector<std::string> sections;
  ini.ReadSections(&sections);
  ASSERT_EQ(sections.size(), 37u);

  for (size_t i = 1; i < sections.size(); ++i) {
    SCOPED_TRACE(sections[i]);
    const auto name = skin::BitmapEntryName(ini.ReadString(sections[i], "Image", ""));
    ASSERT_TRUE(name.has_value());
    TMemoryStream bitmap;
    reader.GetEntry(*name, bitmap);
    EXPECT_TRUE(std::equal(bitmap.Bytes().begin(), bitmap.Bytes().end(), entries[i - 1].data.begin(),
                           entries[i - 1].data.end()));
    EXPECT_EQ(ini.ReadInteger(sections[i], "TopHeight", -1), static_cast<int32_t>((i - 1) % 9));
  }
}

}  // namespace
