// The default skin kept in the repository is exactly what the artwork code makes today, on this
// build (natively and for Windows alike), and the program's reader finds in it what it expects.
#include "tools/skinart/default_skin.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "skin/resources/memory_stream.h"
#include "skin/resources/skin_reader.h"
#include "tools/skinpack/host_files.h"

namespace skinart {
namespace {

std::vector<uint8_t> CheckedIn(const std::string& relative) {
  const std::filesystem::path path = std::filesystem::path(PASTELLE_SOURCE_DIR) / relative;
  std::vector<uint8_t> bytes;
  std::string error;
  EXPECT_TRUE(skinpack::ReadWholeFile(path, bytes, error)) << error;
  return bytes;
}

const char* const kRegenerate = " differs from a fresh generation: run tools/skinart/regenerate.sh";

class DefaultSkin : public testing::Test {
 protected:
  static void SetUpTestSuite() { products_ = new DefaultSkinProducts(MakeDefaultSkin()); }
  static void TearDownTestSuite() { delete products_; }
  static DefaultSkinProducts* products_;
};

DefaultSkinProducts* DefaultSkin::products_ = nullptr;

TEST_F(DefaultSkin, CheckedInStoredSkinEqualsAFreshGeneration) {
  EXPECT_TRUE(CheckedIn(kStreamPath) == products_->stream) << kStreamPath << kRegenerate;
  const std::vector<uint8_t> hex = CheckedIn(kStreamHexPath);
  EXPECT_TRUE(std::string(hex.begin(), hex.end()) == products_->stream_hex) << kStreamHexPath << kRegenerate;
}

TEST_F(DefaultSkin, CheckedInProgramBitmapsEqualAFreshGeneration) {
  for (const NamedFile& file : products_->program_bitmaps)
    EXPECT_TRUE(CheckedIn(std::string(kProgramBitmapFolder) + "/" + file.name) == file.bytes)
        << file.name << kRegenerate;
}

TEST_F(DefaultSkin, CheckedInContactSheetEqualsAFreshGeneration) {
  EXPECT_TRUE(CheckedIn(kSheetPath) == DefaultSkinSheetPng(*products_)) << kSheetPath << kRegenerate;
}

TEST_F(DefaultSkin, StoredSkinDecodesToThirtySixBitmapsAndOneDefinition) {
  const std::vector<uint8_t> stream = CheckedIn(kStreamPath);
  ASSERT_GT(stream.size(), 8u);
  const int32_t length =
      static_cast<int32_t>(stream[0] | stream[1] << 8 | stream[2] << 16 | static_cast<uint32_t>(stream[3]) << 24);
  EXPECT_EQ(static_cast<size_t>(length), stream.size() - 4);
  const uint32_t decoded = stream[4] | stream[5] << 8 | stream[6] << 16 | static_cast<uint32_t>(stream[7]) << 24;
  EXPECT_EQ(decoded, 311790u);

  skin::TMemoryStream skin_file(std::span<const uint8_t>(stream).subspan(4));
  skin::TSkinReader reader;
  ASSERT_TRUE(reader.ReadArchive(skin_file));
  EXPECT_EQ(reader.FormatVersion, 70000u);
  EXPECT_EQ(reader.NameBytes, 819);
  ASSERT_EQ(reader.EntryCount, 37);
  int bitmaps = 0, definitions = 0;
  for (const std::string& name : reader.EntryNames) {
    if (name.size() > 4 && name.compare(name.size() - 4, 4, ".bmp") == 0) ++bitmaps;
    if (name.find(".ini") != std::string::npos) ++definitions;
  }
  EXPECT_EQ(bitmaps, 36);
  EXPECT_EQ(definitions, 1);

  skin::TMemoryStream entry;
  std::string found;
  reader.FindEntry(".ini", entry, found);
  EXPECT_EQ(found, "skyblue__definitions.ini");
  EXPECT_EQ(entry.Size(), 3814u);
  // The definition's mixed-case file names find the lower-case entries, the Chinese one too.
  reader.GetEntry("skyblue__Buttons.bmp", entry);
  EXPECT_EQ(entry.Size(), 6954u);
  reader.GetEntry("\xCC\xEC\xC0\xB6\xC7\xE1\xD3\xAF__Header.bmp", entry);
  EXPECT_EQ(entry.Size(), 4950u);
  reader.GetEntry("skyblue__FrameTop.bmp", entry);
  EXPECT_EQ(entry.Size(), 106230u);
}

}  // namespace
}  // namespace skinart
