// The main form's skin component as its stored description configures it.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "app/tests/main_window_fixture.h"
#include "skin/core/skin_data.h"
#include "tests/support/win_test_util.h"

namespace {

using namespace skin;

TEST_F(MainWindowTest, SkinData1CarriesTheStoredConfigurationAndTheDefaultSkin) {
  TSkinData* data = form->SkinData1;
  ASSERT_NE(data, nullptr);
  EXPECT_EQ(data->Name(), "SkinData1");
  EXPECT_EQ(data->Owner(), form);
  // A decoded skin keeps the component active.
  EXPECT_TRUE(data->Active());
  EXPECT_EQ(data->DisableTag(), 99);
  EXPECT_EQ(data->SkinFormtype(), sfMainform);
  EXPECT_EQ(data->Version(), "5.40.07.15");
  EXPECT_EQ(data->SkinStore(), "(none)");  // what the getter says at run time
  EXPECT_TRUE(data->MenuUpdate());
  EXPECT_FALSE(data->MenuMerge());
  EXPECT_EQ(
      data->SkinControls(),
      SkinControlSet({xcMainMenu, xcPopupMenu, xcToolbar,   xcControlbar, xcCombo,    xcCheckBox,    xcRadioButton,
                      xcProgress, xcScrollbar, xcEdit,      xcButton,     xcBitBtn,   xcSpeedButton, xcSpin,
                      xcPanel,    xcGroupBox,  xcStatusBar, xcTab,        xcTrackBar, xcSystemMenu}));
  EXPECT_EQ(data->Options(), SkinOptionSet({xoPreview, xoNoFocusRect, xoToolbarBK, xoCaptionButtonHint}));
  EXPECT_EQ(data->Skin3rd(), DefaultSkin3rd());
  EXPECT_EQ(data->Skin3rd().size(), 118u);

  // The stored skin is the default skin, decoded when the description was read.
  std::ifstream stored(testutil::WindowsPathOf(PASTELLE_DEFAULT_SKIN), std::ios::binary);
  const std::vector<uint8_t> expected{std::istreambuf_iterator<char>(stored), std::istreambuf_iterator<char>()};
  ASSERT_FALSE(expected.empty());
  EXPECT_EQ(data->SkinStream(), expected);
  EXPECT_FALSE(data->SkinEmpty());
  EXPECT_TRUE(data->Scrollbar && data->Headerbar && data->Tabs);
  EXPECT_EQ(data->SysButtons.size(), 8u);
  EXPECT_EQ(data->MenuGlyphs->Count(), 4);
  EXPECT_FALSE(data->AppIcon->Empty());
}

}  // namespace
