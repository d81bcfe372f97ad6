// The dark skin kept in the repository's folder of skins is exactly what the artwork code makes
// today, on this build (natively and for Windows alike); skinpack verifies it, and the program's
// reader finds in it what the definition names.
#include "tools/skinart/midnight_skin.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "skin/resources/memory_stream.h"
#include "skin/resources/skin_reader.h"
#include "tools/skinart/midnight_artwork.h"
#include "tools/skinpack/commands.h"
#include "tools/skinpack/host_files.h"

namespace skinart {
namespace {

const std::filesystem::path kRoot = PASTELLE_SOURCE_DIR;

std::vector<uint8_t> CheckedIn(const std::string& relative) {
  std::vector<uint8_t> bytes;
  std::string error;
  EXPECT_TRUE(skinpack::ReadWholeFile(kRoot / relative, bytes, error)) << error;
  return bytes;
}

const char* const kRegenerate = " differs from a fresh generation: run tools/skinart/regenerate.sh";

class MidnightSkinFile : public testing::Test {
 protected:
  static void SetUpTestSuite() { skin_ = new PackedSkin(MakeMidnightSkin()); }
  static void TearDownTestSuite() { delete skin_; }
  static PackedSkin* skin_;
};

PackedSkin* MidnightSkinFile::skin_ = nullptr;

TEST_F(MidnightSkinFile, CheckedInSkinFileEqualsAFreshGeneration) {
  EXPECT_TRUE(CheckedIn(kMidnightSkinPath) == skin_->skin_file) << kMidnightSkinPath << kRegenerate;
}

TEST_F(MidnightSkinFile, CheckedInContactSheetEqualsAFreshGeneration) {
  EXPECT_TRUE(CheckedIn(kMidnightSheetPath) == MidnightSheetPng(*skin_)) << kMidnightSheetPath << kRegenerate;
}

TEST_F(MidnightSkinFile, SkinpackVerifiesTheCheckedInFile) {
  std::ostringstream out, err;
  const std::string path = skinpack::DisplayPath(kRoot / kMidnightSkinPath);
  EXPECT_EQ(skinpack::RunSkinpack({"verify", path}, out, err), 0) << err.str();
  EXPECT_EQ(err.str(), "");
  const size_t entries = skin_->skin_folder.size();
  EXPECT_EQ(out.str(), "ok: " + std::to_string(entries) + " entries, definition " + kMidnightDefinitionName + ", " +
                           std::to_string(entries - 1) + " bitmaps checked\n")
      << "every bitmap named, none left over, nothing to note";
}

TEST_F(MidnightSkinFile, TheProgramsReaderFindsEveryEntryTheDefinitionNames) {
  const std::vector<uint8_t> file = CheckedIn(kMidnightSkinPath);
  skin::TMemoryStream stream(file);
  skin::TSkinReader reader;
  ASSERT_TRUE(reader.ReadArchive(stream));
  EXPECT_EQ(reader.FormatVersion, 70000u);
  ASSERT_EQ(static_cast<size_t>(reader.EntryCount), skin_->skin_folder.size());
  skin::TMemoryStream entry;
  std::string found;
  reader.FindEntry(".ini", entry, found);
  EXPECT_EQ(found, kMidnightDefinitionName);
  EXPECT_EQ(entry.Bytes().size(), skin_->skin_folder.front().bytes.size());
  // Mixed-case names, the Chinese one too, find their lower-case entries.
  for (const NamedFile& file_entry : skin_->skin_folder) {
    reader.GetEntry(file_entry.name, entry);
    EXPECT_TRUE(
        std::equal(entry.Bytes().begin(), entry.Bytes().end(), file_entry.bytes.begin(), file_entry.bytes.end()))
        << file_entry.name;
  }
  reader.GetEntry(std::string(kMidnightDisplayName) + "__Header.bmp", entry);
  EXPECT_GT(entry.Size(), 0u);
  reader.GetEntry("midnight__FrameTop.bmp", entry);
  EXPECT_GT(entry.Size(), 0u);
}

}  // namespace
}  // namespace skinart
