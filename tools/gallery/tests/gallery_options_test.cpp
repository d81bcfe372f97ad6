// The command line and the cycle of skins.
#include <gtest/gtest.h>

#include "tools/gallery/gallery_options.h"
#include "tools/gallery/skin_cycle.h"
#include "tools/gallery/tests/gallery_fixture.h"

namespace gallerytest {
namespace {

using Args = std::vector<std::string>;

TEST(GalleryArguments, OptionsAreReadInAnyOrderAndSkinsRepeat) {
  std::string error;
  const auto options =
      gallery::ParseArguments({"--render", "out", "--skin", "a.skn", "--seconds", "12", "--skin", "b.skn"}, error);
  ASSERT_TRUE(options) << error;
  EXPECT_EQ(options->renderDir, "out");
  EXPECT_EQ(options->skinFiles, (Args{"a.skn", "b.skn"}));
  EXPECT_EQ(options->seconds, 12);

  const auto none = gallery::ParseArguments({}, error);
  ASSERT_TRUE(none);
  EXPECT_TRUE(none->skinFiles.empty());
  EXPECT_TRUE(none->renderDir.empty());
  EXPECT_EQ(none->seconds, 0);
}

TEST(GalleryArguments, BadArgumentsAreRefusedWithAReason) {
  const struct {
    Args args;
    const char* reason;
  } cases[] = {
      {{"--skn", "a"}, "unknown argument '--skn'"},
      {{"a.skn"}, "unknown argument 'a.skn'"},
      {{"--skin"}, "--skin needs a value"},
      {{"--render", ""}, "--render needs a value"},
      {{"--seconds", "0"}, "--seconds needs a whole number above 0, not '0'"},
      {{"--seconds", "-3"}, "--seconds needs a whole number above 0, not '-3'"},
      {{"--seconds", "5s"}, "--seconds needs a whole number above 0, not '5s'"},
  };
  for (const auto& c : cases) {
    std::string error;
    EXPECT_FALSE(gallery::ParseArguments(c.args, error)) << c.reason;
    EXPECT_EQ(error, c.reason);
  }
}

TEST(GallerySkinCycle, StoredDefaultThenGivenFilesThenTheFolderByNameEachPathOnce) {
  ScratchFolder folder;
  folder.Write("skins\\b.skn", {1});
  folder.Write("skins\\A.skn", {1});
  const std::string skins = folder.Path() + "\\skins";
  gallery::SkinCycle cycle({"given.skn", skins + "\\B.SKN"}, skins);
  std::vector<std::string> paths;
  for (const gallery::SkinChoice& choice : cycle.Choices()) paths.push_back(choice.path);
  EXPECT_EQ(paths, (Args{"", "given.skn", skins + "\\B.SKN", skins + "\\A.skn"}));
  EXPECT_EQ(cycle.Choices()[3].label, "A.skn");

  EXPECT_EQ(cycle.Current(), 0u);
  EXPECT_EQ(cycle.IndexAfter(1), 1u);
  EXPECT_EQ(cycle.IndexAfter(-1), 3u);
  cycle.SetCurrent(3);
  EXPECT_EQ(cycle.IndexAfter(1), 0u);
  EXPECT_EQ(cycle.IndexAfter(9), 0u);
  cycle.SetCurrent(99);
  EXPECT_EQ(cycle.Current(), 0u);

  gallery::SkinCycle withoutFolder({}, folder.Path() + "\\missing");
  EXPECT_EQ(withoutFolder.Choices().size(), 1u);
}

}  // namespace
}  // namespace gallerytest
