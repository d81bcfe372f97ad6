// The dark skin of the repository's folder of skins, loaded from its file the way the program
// loads another skin at run time (the component's SkinFile property), decodes into the records
// its definition describes: its frame thicknesses, its title settings and its caption buttons,
// and every element the default skin has.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "skin/core/skin_data.h"
#include "skin/core/tests/test_skins.h"
#include "skin/resources/element_frames.h"

namespace {

using skin::TDataSkinObject;
using skin::TSkinData;

// Under Wine the source tree is reached through drive Z:.
const std::string kMidnightSkin = std::string(PASTELLE_SKINS_DIR) + "/midnight.skin";

class MidnightSkinLoaded : public testing::Test {
 protected:
  void SetUp() override {
    data_ = std::make_unique<TSkinData>(nullptr);
    data_->SetSkinFile(kMidnightSkin);
    ASSERT_FALSE(data_->SkinEmpty()) << kMidnightSkin << " did not load";
  }
  std::unique_ptr<TSkinData> data_;
};

// One frame's size of an element's image.
std::pair<int, int> FrameSize(const TDataSkinObject& element, bool stacked = false) {
  const int frames = std::max(element.Frame, 1);
  return stacked ? std::pair{element.Bitmap->Width(), element.Bitmap->Height() / frames}
                 : std::pair{element.Bitmap->Width() / frames, element.Bitmap->Height()};
}

TEST_F(MidnightSkinLoaded, LoadsThroughTheSkinFileProperty) {
  EXPECT_EQ(data_->SkinFile(), kMidnightSkin);
  EXPECT_EQ(data_->SkinName, "\xCE\xE7\xD2\xB9");  // 午夜 in code page 936
  // The component keeps the file's bytes as its stored skin.
  ASSERT_GT(data_->SkinStream().size(), 8u);
}

TEST_F(MidnightSkinLoaded, BorderThicknessesAreFiveThirtyTwoSixAndSeven) {
  TSkinData& d = *data_;
  // Left and right frames lie side by side, top and bottom stacked: the thickness is across.
  EXPECT_EQ(FrameSize(*d.BorderLeft).first, 5);
  EXPECT_EQ(FrameSize(*d.BorderTop, true).second, 32);  // the caption
  EXPECT_EQ(FrameSize(*d.BorderRight).first, 6);
  EXPECT_EQ(FrameSize(*d.BorderBottom, true).second, 7);
  for (const skin::TDataSkinBorder* border :
       {d.BorderLeft.get(), d.BorderRight.get(), d.BorderTop.get(), d.BorderBottom.get()}) {
    EXPECT_EQ(border->Frame, skin::ActiveFrames::kCount) << border->Name;
    EXPECT_EQ(border->Trans, 1) << border->Name << ": keyed corners";
  }
  // Side pieces stretched, caption and bottom pieces tiled; the fixed ends of each strip.
  EXPECT_EQ(d.BorderLeft->Tile, 1);
  EXPECT_EQ(d.BorderRight->Tile, 1);
  EXPECT_EQ(d.BorderTop->Tile, 0);
  EXPECT_EQ(d.BorderBottom->Tile, 0);
  EXPECT_EQ(d.BorderLeft->TopHeight, 32);
  EXPECT_EQ(d.BorderLeft->BottomHeight, 8);
  EXPECT_EQ(d.BorderTop->LeftWidth, 12);
  EXPECT_EQ(d.BorderTop->RightWidth, 12);
  EXPECT_EQ(d.BorderBottom->LeftWidth, 8);
  // Magenta corners: the top-left corner is cut off, the bottom-left one rounded.
  EXPECT_EQ(d.BorderLeft->Bitmap->Pixel(0, 0), 0xFF00FFu);
  EXPECT_EQ(d.BorderLeft->Bitmap->Pixel(0, d.BorderLeft->Bitmap->Height() - 1), 0xFF00FFu);
  EXPECT_NE(d.BorderLeft->Bitmap->Pixel(0, 60), 0xFF00FFu);
}

TEST_F(MidnightSkinLoaded, CaptionTextIsCentredOnItsPlate) {
  const skin::TDataSkinTitle& title = *data_->Title;
  EXPECT_EQ(title.TextAlignment, 1);
  EXPECT_EQ(title.LeftWidth, 40);    // TextShift
  EXPECT_EQ(title.TopHeight, 0);     // TextShiftVert
  EXPECT_EQ(title.RightWidth, 100);  // TextRightClip
  EXPECT_EQ(title.TXTBackleft, 14);
  EXPECT_EQ(title.TXTBackRight, 14);
  EXPECT_EQ(title.FontHeight, 14);
  EXPECT_EQ(title.Frame, skin::ActiveFrames::kCount);
  ASSERT_FALSE(title.Bitmap->Empty()) << "TextBack";
  EXPECT_EQ(title.Bitmap->Width(), 60);
  EXPECT_EQ(title.Bitmap->Height(), 32);
}

TEST_F(MidnightSkinLoaded, CaptionButtonsAreTheDefinedOnesThenTheMdiChildButtons) {
  struct Expected {
    int action, align, x, y, visibility, visibility1, frames, width, height;
  };
  using F = skin::CaptionButtonFrames;
  const Expected expected[] = {
      {0, 1, 40, 6, 0, 0, F::kCount, 34, 20},        // close
      {1, 1, 68, 6, 2, 6, F::kCount, 26, 20},        // maximize
      {2, 1, 96, 6, 8, 0, F::kCount, 26, 20},        // minimize
      {1, 1, 68, 6, 1, 0, F::kCount, 26, 20},        // restore, in the maximize button's place
      {12, 0, 10, 7, 3, 0, F::kShortCount, 20, 18},  // system menu at the left edge, while active
      {3, 2, 4, 8, 0, 0, F::kCount, 0, 0},           // the window icon, left of the caption text
      {7, 100, 45, 0, 100, 100, skin::MdiFrames::kStatesPerButton, 11, 11},
      {8, 100, 30, 0, 100, 100, skin::MdiFrames::kStatesPerButton, 11, 11},
      {9, 100, 15, 0, 100, 100, skin::MdiFrames::kStatesPerButton, 11, 11},
  };
  ASSERT_EQ(data_->SysButtons.size(), std::size(expected));
  for (size_t i = 0; i < std::size(expected); ++i) {
    SCOPED_TRACE("caption button " + std::to_string(i));
    const skin::TDataSkinSysButton& button = *data_->SysButtons[i];
    const Expected& e = expected[i];
    EXPECT_EQ(button.Action, e.action);
    EXPECT_EQ(button.Align, e.align);
    EXPECT_EQ(button.Xcoord, e.x);
    EXPECT_EQ(button.Ycoord, e.y);
    EXPECT_EQ(button.Visibility, e.visibility);
    EXPECT_EQ(button.Visibility1, e.visibility1);
    EXPECT_EQ(button.Frame, e.frames);
    if (e.width == 0) {
      EXPECT_TRUE(button.Bitmap->Empty());  // drawn from the window's icon
    } else {
      ASSERT_FALSE(button.Bitmap->Empty());
      EXPECT_EQ(FrameSize(button), (std::pair{e.width, e.height}));
    }
  }
}

TEST_F(MidnightSkinLoaded, FrameCountsTheDefinitionLeavesOutComeFromTheImagesAndTheTable) {
  TSkinData& d = *data_;
  EXPECT_EQ(d.Buttons->CheckFrames, skin::CheckFrames::kLongCheckCount);  // 192 × 16: 16-pixel frames
  EXPECT_EQ(d.Buttons->RadioFrames, skin::CheckFrames::kLongRadioCount);
  EXPECT_EQ(d.HorzScrollThumb->Frame, skin::ScrollThumbFrames::kDefaultCount);
  EXPECT_EQ(d.VertScrollThumb->Frame, skin::ScrollThumbFrames::kDefaultCount);
  EXPECT_EQ(d.Headerbar->Frame, skin::HeaderFrames::kDefaultCount);
  EXPECT_EQ(d.Progress->Style, 0);
  EXPECT_EQ(d.Progress->Frame, skin::ProgressFrames::kFilled);  // empty and filled bars
  EXPECT_EQ(d.ProgressChunk->Tile, 1);
  EXPECT_EQ(d.ProgressChunk->Frame, 1);
  EXPECT_EQ(d.Headerbar->Trans, 0);
  // Push-button texts in the skin's light colours.
  EXPECT_TRUE(d.Buttons->HasNormalColour2);
  EXPECT_TRUE(d.Buttons->HasMouseOverColour2);
  EXPECT_TRUE(d.Buttons->HasPressedColour2);
  EXPECT_EQ(d.Buttons->NormalColour2, static_cast<skin::TColor>(RGB(226, 230, 242)));
  EXPECT_EQ(d.Buttons->MouseOverColour2, static_cast<skin::TColor>(RGB(255, 255, 255)));
}

TEST_F(MidnightSkinLoaded, ColoursAreDark) {
  TSkinData& d = *data_;
  const std::pair<int, COLORREF> given[] = {
      {skin::ciWindowText, RGB(222, 226, 238)},
      {skin::ciTitleTextActive, RGB(238, 241, 250)},
      {skin::ciTitleTextNoActive, RGB(134, 142, 164)},
      {skin::ciButtonFace, RGB(37, 41, 56)},
      {skin::ciButtonText, RGB(226, 230, 242)},
      {skin::ciHilight, RGB(76, 96, 200)},
      {skin::ciMenu, RGB(44, 48, 65)},
      {skin::ciScrollbar, RGB(30, 33, 46)},
  };
  for (const auto& [index, colour] : given) {
    EXPECT_TRUE(d.ColourSet[static_cast<size_t>(index)]) << index;
    EXPECT_EQ(static_cast<COLORREF>(d.Colours[static_cast<size_t>(index)]), colour) << index;
  }
  // The caption colour the engine samples is the dark caption's.
  const COLORREF sample = static_cast<COLORREF>(d.Colours[skin::ciTitleSample]);
  EXPECT_LT(GetRValue(sample) + GetGValue(sample) + GetBValue(sample), 3 * 80);
}

// Every element slot of a component, by name.
std::vector<std::pair<const char*, const TDataSkinObject*>> Slots(const TSkinData& d) {
  return {{"Progress", d.Progress.get()},
          {"ProgressChunk", d.ProgressChunk.get()},
          {"MenuBar", d.MenuBar.get()},
          {"GroupBoxEdge", d.GroupBoxEdge.get()},
          {"GroupBox", d.GroupBox.get()},
          {"Tabs", d.Tabs.get()},
          {"StatusBarEdges", d.StatusBarEdges.get()},
          {"TabPane", d.TabPane.get()},
          {"ToolBars", d.ToolBars.get()},
          {"ComboButton", d.ComboButton.get()},
          {"SunkEdge", d.SunkEdge.get()},
          {"ExtraImages", d.ExtraImages.get()},
          {"Headerbar", d.Headerbar.get()},
          {"MenuItem", d.MenuItem.get()},
          {"MenuBackground", d.MenuBackground.get()},
          {"Scrollbar", d.Scrollbar.get()},
          {"HorzScroll", d.HorzScroll.get()},
          {"VertScroll", d.VertScroll.get()},
          {"HorzScrollThumb", d.HorzScrollThumb.get()},
          {"VertScrollThumb", d.VertScrollThumb.get()},
          {"TrackbarThumbHorz", d.TrackbarThumbHorz.get()},
          {"TrackbarThumbVert", d.TrackbarThumbVert.get()},
          {"TrackbarThumbLeft", d.TrackbarThumbLeft.get()},
          {"TrackbarThumbRight", d.TrackbarThumbRight.get()},
          {"TrackbarThumbUp", d.TrackbarThumbUp.get()},
          {"TrackbarThumbDown", d.TrackbarThumbDown.get()},
          {"UpDownHorz", d.UpDownHorz.get()},
          {"UpDownVert", d.UpDownVert.get()},
          {"Track", d.Track.get()},
          {"TrackVert", d.TrackVert.get()},
          {"ComboxArrow", d.ComboxArrow.get()},
          {"Toolbar", d.Toolbar.get()}};
}

TEST_F(MidnightSkinLoaded, HasAnImageForEveryElementTheDefaultSkinHas) {
  TSkinData sky(nullptr);
  sky.SetSkinStream(skintest::DefaultStoredSkin());
  ASSERT_FALSE(sky.SkinEmpty());
  const auto night_slots = Slots(*data_);
  const auto sky_slots = Slots(sky);
  int shared = 0;
  for (size_t i = 0; i < sky_slots.size(); ++i) {
    if (sky_slots[i].second == nullptr || sky_slots[i].second->Bitmap->Empty()) continue;
    ASSERT_NE(night_slots[i].second, nullptr) << sky_slots[i].first;
    EXPECT_FALSE(night_slots[i].second->Bitmap->Empty()) << sky_slots[i].first;
    ++shared;
  }
  EXPECT_GE(shared, 20);
  EXPECT_FALSE(data_->UpDownVert->Bitmap2->Empty());
  EXPECT_FALSE(data_->UpDownHorz->Bitmap2->Empty());
}

TEST(MidnightSkinSwitch, ASkinFileReplacesTheDefaultSkinsRecordsAndBack) {
  TSkinData data(nullptr);
  data.SetSkinStream(skintest::DefaultStoredSkin());
  ASSERT_FALSE(data.SkinEmpty());
  EXPECT_EQ(data.BorderTop->Bitmap->Height() / data.BorderTop->Frame, 28);
  EXPECT_EQ(data.SysButtons.size(), 8u);
  data.SetSkinFile(kMidnightSkin);
  ASSERT_FALSE(data.SkinEmpty());
  EXPECT_EQ(data.BorderTop->Bitmap->Height() / data.BorderTop->Frame, 32);
  EXPECT_EQ(data.SysButtons.size(), 9u);
  EXPECT_EQ(data.Title->TextAlignment, 1);
  EXPECT_FALSE(data.Title->Bitmap->Empty());
  // Back to the default: nothing of the dark skin stays behind.
  data.SetSkinStream(skintest::DefaultStoredSkin());
  ASSERT_FALSE(data.SkinEmpty());
  EXPECT_EQ(data.BorderTop->Bitmap->Height() / data.BorderTop->Frame, 28);
  EXPECT_EQ(data.BorderRight->Bitmap->Width() / data.BorderRight->Frame, 4);
  EXPECT_EQ(data.SysButtons.size(), 8u);
  EXPECT_EQ(data.Title->TextAlignment, 0);
  EXPECT_TRUE(data.Title->Bitmap->Empty());
  EXPECT_EQ(data.BorderBottom->Trans, 0);
}

}  // namespace
