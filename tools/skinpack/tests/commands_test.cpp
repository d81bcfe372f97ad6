// The skinpack command line end to end, on real files in a temporary folder.
#include "tools/skinpack/commands.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "tools/lzhuf/lzhuf_encoder.h"
#include "tools/skinart/skin_artwork.h"
#include "tools/skinimage/bmp_file.h"
#include "tools/skinpack/host_files.h"
#include "tools/skinpack/skin_archive.h"

namespace skinpack {
namespace {

namespace fs = std::filesystem;

struct Result {
  int code;
  std::string out, err;
};

class SkinpackCommands : public testing::Test {
 protected:
  void SetUp() override {
    const auto* info = testing::UnitTest::GetInstance()->current_test_info();
    root_ = fs::temp_directory_path() / (std::string("skinpack-test-") + info->name());
    fs::remove_all(root_);
    fs::create_directories(root_);
  }
  void TearDown() override {
    std::error_code ignored;
    fs::remove_all(root_, ignored);
  }

  // Paths are passed as the command line would hold them.
  std::string Path(const std::string& name) const { return DisplayPath(root_ / name); }

  static Result Run(std::vector<std::string> arguments) {
    std::ostringstream out, err;
    const int code = RunSkinpack(arguments, out, err);
    return {code, out.str(), err.str()};
  }

  void WriteFile(const std::string& name, const std::vector<uint8_t>& bytes) const {
    std::string error;
    ASSERT_TRUE(WriteWholeFile(root_ / name, bytes, error)) << error;
  }
  std::vector<uint8_t> ReadFile(const fs::path& path) const {
    std::vector<uint8_t> bytes;
    std::string error;
    EXPECT_TRUE(ReadWholeFile(path, bytes, error)) << error;
    return bytes;
  }

  // The default skin's folder, written through the host's file names (the header image's name
  // is Chinese).
  void WriteSkinFolder(const std::string& folder) const {
    fs::create_directories(root_ / folder);
    for (const skinart::NamedFile& file : skinart::SkyBlueSkinFiles()) {
      const std::optional<fs::path> name = FileNameOf(file.name);
      ASSERT_TRUE(name) << file.name;
      std::string error;
      ASSERT_TRUE(WriteWholeFile(root_ / folder / *name, file.bytes, error)) << error;
    }
  }

  static int Lines(const std::string& text) { return static_cast<int>(std::count(text.begin(), text.end(), '\n')); }

  fs::path root_;
};

TEST_F(SkinpackCommands, PackListExtractAndVerifyTheDefaultSkin) {
  WriteSkinFolder("skyblue");
  Result packed = Run({"pack", Path("skyblue"), Path("sky.skin")});
  ASSERT_EQ(packed.code, 0) << packed.err;
  EXPECT_EQ(packed.err, "");
  EXPECT_NE(packed.out.find("packed 37 entries: 311790 bytes"), std::string::npos) << packed.out;

  Result listed = Run({"list", Path("sky.skin")});
  ASSERT_EQ(listed.code, 0) << listed.err;
  EXPECT_NE(listed.out.find("format 70000, 37 entries, name list 819 bytes, 311790 bytes expanded"), std::string::npos)
      << listed.out;
  EXPECT_NE(listed.out.find("  6954  skyblue__buttons.bmp  100 x 23 x 24\n"), std::string::npos) << listed.out;
  EXPECT_NE(listed.out.find("  1654  menubackground.bmp  20 x 20 x 32\n"), std::string::npos);
  EXPECT_NE(listed.out.find("  3814  skyblue__definitions.ini  (definition)\n"), std::string::npos);
  EXPECT_EQ(Lines(listed.out), 38);

  Result verified = Run({"verify", Path("sky.skin")});
  EXPECT_EQ(verified.code, 0) << verified.err;
  EXPECT_NE(verified.out.find("ok: 37 entries"), std::string::npos) << verified.out;
  EXPECT_NE(verified.out.find("36 bitmaps checked"), std::string::npos) << verified.out;

  Result extracted = Run({"extract", Path("sky.skin"), Path("out")});
  ASSERT_EQ(extracted.code, 0) << extracted.err;
  for (const skinart::NamedFile& file : skinart::SkyBlueSkinFiles())
    EXPECT_EQ(ReadFile(root_ / "out" / *FileNameOf(file.name)), file.bytes) << file.name;

  // Packing the extracted folder again gives the same skin file.
  ASSERT_EQ(Run({"pack", Path("out"), Path("again.skin")}).code, 0);
  EXPECT_EQ(ReadFile(root_ / "again.skin"), ReadFile(root_ / "sky.skin"));
}

TEST_F(SkinpackCommands, StreamAndSheet) {
  WriteSkinFolder("skyblue");
  ASSERT_EQ(Run({"pack", Path("skyblue"), Path("sky.skin")}).code, 0);
  Result stream = Run({"stream", Path("sky.skin"), Path("sky.stream"), Path("sky.txt")});
  ASSERT_EQ(stream.code, 0) << stream.err;
  const std::vector<uint8_t> skin = ReadFile(root_ / "sky.skin");
  EXPECT_EQ(ReadFile(root_ / "sky.stream"), WrapSkinStream(skin));
  const std::vector<uint8_t> hex = ReadFile(root_ / "sky.txt");
  EXPECT_EQ(std::string(hex.begin(), hex.end()), HexPropertyText(WrapSkinStream(skin)));
  EXPECT_EQ(Run({"verify", "--stream", Path("sky.stream")}).code, 0);
  EXPECT_EQ(Run({"list", "--stream", Path("sky.stream")}).code, 0);
  EXPECT_EQ(Run({"verify", Path("sky.stream")}).code, 1);  // property data is not a skin file

  Result sheet = Run({"sheet", Path("sky.skin"), Path("sheet.bmp")});
  ASSERT_EQ(sheet.code, 0) << sheet.err;
  std::string error;
  const auto info = skinimage::ReadBmpInfo(ReadFile(root_ / "sheet.bmp"), error);
  ASSERT_TRUE(info) << error;
  EXPECT_EQ(info->width, 1280);
  EXPECT_GT(info->height, 3000);
  EXPECT_EQ(Run({"sheet", Path("sky.skin"), Path("sheet.jpg")}).code, 2);
}

// A folder with the given definition and the named entries as small valid bitmaps.
void MakeFolder(const fs::path& folder, const std::string& definition, const std::vector<std::string>& bitmaps) {
  fs::create_directories(folder);
  std::string error;
  ASSERT_TRUE(WriteWholeFile(folder / "skin.ini", std::vector<uint8_t>(definition.begin(), definition.end()), error));
  for (const std::string& name : bitmaps)
    ASSERT_TRUE(WriteWholeFile(folder / name, skinimage::EncodeBmp(skinimage::Image(4, 2, 0x123456)), error));
}

TEST_F(SkinpackCommands, VerifyNamesWhatTheProgramWouldMiss) {
  struct Case {
    const char* what;
    std::string definition;
    std::vector<std::string> bitmaps;
    const char* reason;  // empty: the skin is fine
  };
  const Case cases[] = {
      {"complete", "[Buttons]\r\nBitmap=b.bmp\r\n[Tabs]\r\nImage=dir\\T.bmp\r\n", {"b.bmp", "t.bmp"}, ""},
      {"missing bitmap",
       "[Buttons]\r\nBitmap=b.bmp\r\n[Tabs]\r\nImage=gone.bmp\r\n",
       {"b.bmp"},
       "[Tabs] Image names \"gone.bmp\", which the skin does not hold"},
      {"capital extension", "[Tabs]\r\nImage=t.BMP\r\n", {"t.bmp"}, "lower case"},
  };
  for (const Case& c : cases) {
    const fs::path folder = root_ / c.what;
    MakeFolder(folder, c.definition, c.bitmaps);
    const std::string skin = Path(std::string(c.what) + ".skin");
    ASSERT_EQ(Run({"pack", DisplayPath(folder), skin}).code, 0) << c.what;
    const Result result = Run({"verify", skin});
    if (std::string(c.reason).empty()) {
      EXPECT_EQ(result.code, 0) << c.what << ": " << result.err;
    } else {
      EXPECT_EQ(result.code, 1) << c.what;
      EXPECT_NE(result.err.find(c.reason), std::string::npos) << c.what << ": " << result.err;
    }
  }
}

TEST_F(SkinpackCommands, VerifyRefusesAnInvalidBitmapInsideTheArchive) {
  std::string error;
  const auto archive = BuildArchive(
      std::vector<ArchiveEntry>{{"s.ini", {'[', 'A', ']', '\n', 'I', 'm', 'a', 'g', 'e', '=', 'x', '.', 'b', 'm', 'p'}},
                                {"x.bmp", {'B', 'M', 0, 0}}},
      error);
  ASSERT_TRUE(archive) << error;
  WriteFile("bad.skin", EncodeSkinFile(*archive));
  const Result result = Run({"verify", Path("bad.skin")});
  EXPECT_EQ(result.code, 1);
  EXPECT_NE(result.err.find("not a valid bitmap"), std::string::npos) << result.err;
}

TEST_F(SkinpackCommands, BadArgumentsAndBadFilesGiveOneLineAndAnExitCode) {
  WriteFile("garbage.skin", std::vector<uint8_t>(300, 0x5A));
  WriteFile("short.skin", {1, 2});
  WriteFile("empty.bin", {});
  std::vector<uint8_t> old_version = {0x10, 0x27, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};  // version 10000
  WriteFile("old.skin", lzhuf::LzhufEncode(old_version));
  WriteFile("huge.lzh", {0xFF, 0xFF, 0xFF, 0x7F, 1, 2, 3});
  struct Case {
    std::vector<std::string> arguments;
    int code;
    const char* reason;
  };
  const std::vector<Case> cases = {
      {{"frobnicate"}, 2, "unknown command"},
      {{"pack", Path("x")}, 2, "takes 2 file arguments"},
      {{"list"}, 2, "takes 1 file argument"},
      {{"list", "--bogus", Path("x")}, 2, "unknown option"},
      {{"stream", Path("a")}, 2, "stream takes"},
      {{"list", Path("nothing-here.skin")}, 1, "no such file"},
      {{"list", Path("garbage.skin")}, 1, "not a skin file"},
      {{"verify", Path("short.skin")}, 1, "shorter than its 4-byte length"},
      {{"verify", Path("empty.bin")}, 1, "shorter than its 4-byte length"},
      {{"list", Path("old.skin")}, 1, "unknown skin format version"},
      {{"extract", Path("garbage.skin"), Path("out")}, 1, "not a skin file"},
      {{"verify", "--stream", Path("garbage.skin")}, 1, "announces"},
      {{"lzh-decode", Path("huge.lzh"), Path("out.bin")}, 1, "more than the"},
      {{"lzh-decode", Path("short.skin"), Path("out.bin")}, 1, "shorter than"},
      {{"pack", Path("nothing-here"), Path("out.skin")}, 1, "is not a folder"},
      {{"sheet", Path("garbage.skin"), Path("s.png")}, 1, "not a skin file"},
  };
  for (const Case& c : cases) {
    const Result result = Run(c.arguments);
    EXPECT_EQ(result.code, c.code) << c.arguments[0] << " " << c.reason;
    EXPECT_EQ(Lines(result.err), 1) << result.err;
    EXPECT_NE(result.err.find(c.reason), std::string::npos) << result.err;
  }
  const Result none = Run({});
  EXPECT_EQ(none.code, 2);
  EXPECT_NE(none.err.find("usage: skinpack"), std::string::npos);
  EXPECT_EQ(Run({"--help"}).code, 0);
}

TEST_F(SkinpackCommands, PackRefusesFoldersThatAreNotASkin) {
  struct Case {
    const char* what;
    std::vector<std::pair<std::string, std::vector<uint8_t>>> files;
    bool subfolder;
    const char* reason;
  };
  const std::vector<uint8_t> bmp = skinimage::EncodeBmp(skinimage::Image(2, 2));
  const std::vector<uint8_t> ini = {'[', 'A', ']'};
  const std::vector<Case> cases = {
      {"no definition", {{"a.bmp", bmp}}, false, "no definition"},
      {"two definitions", {{"a.ini", ini}, {"b.INI", ini}}, false, "more than one definition"},
      {"a text file", {{"a.ini", ini}, {"notes.txt", ini}}, false, "only one .ini and .bmp"},
      {"a broken bitmap", {{"a.ini", ini}, {"b.bmp", {'B', 'M', 1}}}, false, "not a valid bitmap"},
      {"a subfolder", {{"a.ini", ini}}, true, "not folders"},
  };
  for (const Case& c : cases) {
    const fs::path folder = root_ / c.what;
    fs::create_directories(folder);
    for (const auto& [name, bytes] : c.files) {
      std::string error;
      ASSERT_TRUE(WriteWholeFile(folder / name, bytes, error)) << error;
    }
    if (c.subfolder) fs::create_directories(folder / "sub");
    const Result result = Run({"pack", DisplayPath(folder), Path("out.skin")});
    EXPECT_EQ(result.code, 1) << c.what;
    EXPECT_NE(result.err.find(c.reason), std::string::npos) << c.what << ": " << result.err;
  }
}

TEST_F(SkinpackCommands, RawLzhufRoundTrip) {
  std::vector<uint8_t> data;
  for (uint32_t i = 0; i < 50000; ++i) data.push_back(static_cast<uint8_t>((i * i) >> 5));
  for (const auto& input : {std::vector<uint8_t>{}, std::vector<uint8_t>{7}, data}) {
    WriteFile("in.bin", input);
    ASSERT_EQ(Run({"lzh-encode", Path("in.bin"), Path("coded.lzh")}).code, 0);
    EXPECT_EQ(ReadFile(root_ / "coded.lzh"), lzhuf::LzhufEncode(input));
    ASSERT_EQ(Run({"lzh-decode", Path("coded.lzh"), Path("out.bin")}).code, 0);
    EXPECT_EQ(ReadFile(root_ / "out.bin"), input) << input.size() << " bytes";
  }
}

TEST_F(SkinpackCommands, EntryNamesRoundTripThroughHostFileNames) {
  const std::string chinese = "\xCC\xEC\xC0\xB6\xC7\xE1\xD3\xAF__header.bmp";
  const std::optional<fs::path> file = FileNameOf(chinese);
  ASSERT_TRUE(file);
  EXPECT_EQ(EntryNameOf(*file), chinese);
  EXPECT_EQ(EntryNameOf("plain.bmp"), "plain.bmp");
  EXPECT_FALSE(FileNameOf("\xFF\xFF.bmp")) << "not valid code page 936";
}

}  // namespace
}  // namespace skinpack
