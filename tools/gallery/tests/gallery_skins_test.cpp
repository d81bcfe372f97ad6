// The gallery's skins: it starts with each, falls back to the stored default for a skin file that
// is missing or damaged (and says so), and switches skins with every window open without leaving
// objects behind.
#include <gtest/gtest.h>

#include <algorithm>

#include "skin/core/skin_data.h"
#include "tests/support/resource_count.h"
#include "tests/support/win_test_util.h"
#include "tools/gallery/tests/gallery_fixture.h"

namespace gallerytest {
namespace {

bool EveryWindowSkinned(const gallery::Gallery& g) {
  const std::vector<gallery::GalleryWindow> windows = g.Windows();
  return !windows.empty() && std::all_of(windows.begin(), windows.end(), [](const gallery::GalleryWindow& w) {
    return gallery::Gallery::IsSkinned(w.window);
  });
}

bool Contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

TEST_F(GalleryTest, WithoutArgumentsTheStoredDefaultSkinIsShown) {
  Start();
  EXPECT_EQ(gallery->MainForm().SkinData1->SkinStream(), StoredDefaultSkin());
  EXPECT_FALSE(gallery->MainForm().SkinData1->SkinEmpty());
  EXPECT_EQ(gallery->Status(), "skin 1/1: stored default skin");
  gallery->OpenModelessPages();
  EXPECT_TRUE(gallery->Settle());
  EXPECT_TRUE(EveryWindowSkinned(*gallery));
}

TEST_F(GalleryTest, StartsWithEachSkinFileGivenOrFoundInTheSkinsFolder) {
  const struct {
    const char* name;
    Bytes file;
    bool inFolder;
  } skins[] = {
      {"midnight.skin", MidnightSkinFile(), false},
      {"default-as-file.skn", DefaultSkinFile(StoredDefaultSkin()), false},
      {"plain.skn", PlainSkinFile(), false},
      {"plain-in-folder.skn", PlainSkinFile(), true},
  };
  ASSERT_GT(skins[0].file.size(), 1000u) << "the project's skin file is missing";
  for (const auto& skin : skins) {
    SCOPED_TRACE(skin.name);
    const std::string path = scratch.Write(std::string(skin.inFolder ? "skins\\" : "") + skin.name, skin.file);
    gallery::GalleryOptions options;
    if (skin.inFolder) {
      options.skinsFolder = scratch.Path() + "\\skins";
    } else {
      options.skinFiles = {path};
    }
    Start(options);
    if (skin.inFolder) {
      ASSERT_EQ(gallery->Skins().Choices().size(), 2u);
      EXPECT_TRUE(gallery->StepSkin(1));
    }
    EXPECT_EQ(gallery->Skins().Current(), 1u);
    EXPECT_EQ(gallery->MainForm().SkinData1->SkinStream(), Stored(skin.file));
    EXPECT_EQ(gallery->Status(), std::string("skin 2/2: ") + skin.name);
    gallery->OpenModelessPages();
    EXPECT_TRUE(gallery->Settle());
    EXPECT_TRUE(EveryWindowSkinned(*gallery));
    // The form with a skin component of its own follows the gallery's skin.
    const auto& pages = gallery->Pages();
    for (const auto& page : pages)
      for (skin::TSkinData* own : page->SkinComponents()) EXPECT_EQ(own->SkinStream(), Stored(skin.file));
    gallery.reset();
    DeleteFileA(path.c_str());
  }
}

TEST_F(GalleryTest, AMissingOrDamagedSkinFileLeavesTheStoredDefaultAndSaysSo) {
  // Cut short inside its length field; and announcing more than any skin decodes to.
  const Bytes file = DefaultSkinFile(StoredDefaultSkin());
  const Bytes truncated(file.begin(), file.begin() + 3);
  Bytes huge = file;
  huge[3] = 0x7F;
  const struct {
    const char* name;
    Bytes file;
    bool write;
    const char* says;
  } cases[] = {
      {"missing.skn", {}, false, "not found"},
      {"noise.skn", Bytes(4000, 0xA5), true, "cannot be read as a skin"},
      {"empty.skn", {}, true, "cannot be read as a skin"},
      {"truncated.skn", truncated, true, "cannot be read as a skin"},
      {"huge.skn", huge, true, "cannot be read as a skin"},
      {"unknown-version.skn", UnknownVersionSkinFile(), true, "cannot be read as a skin"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string path = c.write ? scratch.Write(c.name, c.file) : scratch.Path() + "\\" + c.name;
    Start({{path}});
    EXPECT_EQ(gallery->Skins().Current(), 0u);
    EXPECT_FALSE(gallery->MainForm().SkinData1->SkinEmpty());
    EXPECT_EQ(gallery->MainForm().SkinData1->SkinStream(), StoredDefaultSkin());
    EXPECT_TRUE(Contains(gallery->Status(), path)) << gallery->Status();
    EXPECT_TRUE(Contains(gallery->Status(), c.says)) << gallery->Status();
    EXPECT_TRUE(Contains(gallery->Status(), "stored default skin")) << gallery->Status();
    EXPECT_EQ(gallery->MainForm().StatusLabel->Caption(), gallery->Status());
    gallery->OpenModelessPages();
    EXPECT_TRUE(gallery->Settle());
    EXPECT_TRUE(EveryWindowSkinned(*gallery));
    gallery.reset();
  }
}

TEST_F(GalleryTest, TheSkinEnginesOwnMessageGoesToTheStatusLineNotAMessageBox) {
  const std::string path = scratch.Write("unknown-version.skn", UnknownVersionSkinFile());
  testutil::MessageBoxAnswerer answer(IDOK);
  Start({{path}});
  EXPECT_EQ(answer.count, 0);
  const std::vector<std::string>& reports = gallery->Reports();
  EXPECT_TRUE(std::any_of(reports.begin(), reports.end(), [](const std::string& r) {
    return r == "skin engine: This is Older Skin File Please update to new version !";
  }));
}

TEST(GallerySkinsFolder, TheProjectsSkinsLieNextToTheProgram) {
  std::string folder = testutil::WindowsPathOf(GALLERY_EXE);
  folder = folder.substr(0, folder.find_last_of('\\')) + "\\skins";
  const std::vector<std::string> files = gallery::FilesInFolder(folder);
  EXPECT_NE(std::find(files.begin(), files.end(), "midnight.skin"), files.end()) << folder;
  EXPECT_EQ(ReadFileBytes(folder + "\\midnight.skin"), MidnightSkinFile());
}

TEST_F(GalleryTest, TheF5KeyAndTheSkinMenuSwitchSkins) {
  const Bytes plain = PlainSkinFile();
  scratch.Write("skins\\plain.skn", plain);
  Start({{}, "", 0, scratch.Path() + "\\skins"});
  HWND main = gallery->MainForm().Handle();
  PostMessageA(main, WM_KEYDOWN, VK_F5, 0);
  EXPECT_TRUE(testutil::PumpUntil([&] { return gallery->Skins().Current() == 1; }));
  EXPECT_EQ(gallery->MainForm().SkinData1->SkinStream(), Stored(plain));
  // In any window of the gallery, whatever loop takes its messages: here a common dialog's.
  gallery->WithEveryWindowOpen([&] {
    HWND dialog = WindowNamed("colour-dialog");
    ASSERT_NE(dialog, nullptr);
    PostMessageA(dialog, WM_KEYDOWN, VK_F5, 0);
    EXPECT_TRUE(testutil::PumpUntil([&] { return gallery->Skins().Current() == 0; }));
    EXPECT_TRUE(IsWindow(dialog));
  });
  EXPECT_EQ(gallery->MainForm().SkinData1->SkinStream(), StoredDefaultSkin());

  // Skin > plain.skn, then the menu shows which skin is on.
  SendMessageA(main, WM_COMMAND, 1000 + 1, 0);
  EXPECT_EQ(gallery->Skins().Current(), 1u);
  HMENU skins = GetSubMenu(GetMenu(main), 0);
  EXPECT_EQ(GetMenuState(skins, 1001, MF_BYCOMMAND) & MF_CHECKED, static_cast<UINT>(MF_CHECKED));
  EXPECT_EQ(GetMenuState(skins, 1000, MF_BYCOMMAND) & MF_CHECKED, 0u);
}

TEST_F(GalleryTest, SwitchingSkinsFiftyTimesWithEveryWindowOpenLeavesTheObjectCounts) {
  const Bytes midnight = MidnightSkinFile();
  ASSERT_GT(midnight.size(), 1000u) << "the project's skin file is missing";
  scratch.Write("skins\\midnight.skin", midnight);
  Start({{}, "", 0, scratch.Path() + "\\skins"});
  ASSERT_EQ(gallery->Skins().Choices().size(), 2u);
  bool ran = false;
  gallery->WithEveryWindowOpen([&] {
    ran = true;
    // What the first switches make the system keep (font and bitmap caches) is not counted.
    ASSERT_TRUE(gallery->StepSkin(1));
    ASSERT_TRUE(gallery->StepSkin(1));
    testutil::PumpMessages(20);
    const auto gdi = test_support::CountGdiObjects();
    const auto user = test_support::CountUserObjects();
    ASSERT_TRUE(gdi && user);
    for (int i = 0; i < 50; ++i) {
      ASSERT_TRUE(gallery->StepSkin(1));
      const Bytes expected = gallery->Skins().Current() == 1 ? Stored(midnight) : StoredDefaultSkin();
      ASSERT_EQ(gallery->MainForm().SkinData1->SkinStream(), expected) << "switch " << i;
    }
    EXPECT_EQ(gallery->Skins().Current(), 0u);
    EXPECT_TRUE(EveryWindowSkinned(*gallery));
    testutil::PumpMessages(20);
    EXPECT_EQ(test_support::CountGdiObjects(), gdi);
    EXPECT_EQ(test_support::CountUserObjects(), user);
  });
  EXPECT_TRUE(ran);
}

}  // namespace
}  // namespace gallerytest
