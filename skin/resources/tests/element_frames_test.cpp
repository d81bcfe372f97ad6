#include "skin/resources/element_frames.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

using skin::FramesOf;
using skin::SkinElement;

skin::TQuickIni Definition(const std::string& text) {
  skin::TMemoryStream stream(std::span(reinterpret_cast<const uint8_t*>(text.data()), text.size()));
  skin::TQuickIni ini;
  ini.LoadFromStream(&stream);
  return ini;
}

TEST(ElementFrames, TheBuildCountsFramesByEachElementsRule) {
  struct Case {
    const char* what;
    SkinElement element;
    const char* definition;
    const char* section;  // empty: the element's own
    skin::FrameImageSize image;
    int32_t frames;
  };
  const Case cases[] = {
      {"a fixed count ignores the definition", SkinElement::kScrollbar, "[Scrollbar]\r\nFrame=7\r\n", "", {}, 23},
      {"menu items", SkinElement::kMenuItem, "[MenuItem]\r\nFrame=2\r\n", "", {}, 5},
      {"a border's own key", SkinElement::kBorderTop, "[Personality]\r\nTopFrame=3\r\n", "", {}, 3},
      {"a border without it", SkinElement::kBorderLeft, "[Personality]\r\nTopFrame=3\r\n", "", {}, 1},
      {"thumbs default to 3", SkinElement::kVertScrollThumb, "[VertScrollThumb]\r\nFrame=9\r\n", "", {}, 3},
      {"thumbs read FrameCount", SkinElement::kHorzScrollThumb, "[HorzScrollThumb]\r\nFrameCount=4\r\n", "", {}, 4},
      {"the chunk keeps a missing key as 0", SkinElement::kProgressChunk, "[Progress.Chunk]\r\n", "", {}, 0},
      {"tracks read Frame", SkinElement::kTrack, "[Track]\r\nFrame=3\r\n", "", {}, 3},
      {"a header without Frame has 5", SkinElement::kHeaderbar, "[Headerbar]\r\n", "", {}, 5},
      {"a header with Frame 0 has 5", SkinElement::kHeaderbar, "[Headerbar]\r\nFrame=0\r\n", "", {}, 5},
      {"a header with Frame 2 has 2", SkinElement::kHeaderbar, "[Headerbar]\r\nFrame=2\r\n", "", {}, 2},
      {"a progress bar of Style 1: the trough", SkinElement::kProgress, "[Progress]\r\nStyle=1\r\n", "", {}, 1},
      {"a progress bar of Style 0: empty and filled", SkinElement::kProgress, "[Progress]\r\n", "", {}, 2},
      {"check images by their width in 13-pixel frames", SkinElement::kCheckBox, "[Buttons]\r\n", "", {65, 13}, 5},
      {"16-pixel frames from 16 pixels high", SkinElement::kRadioButton, "[Buttons]\r\n", "", {96, 16}, 6},
      {"at least four", SkinElement::kCheckBox, "[Buttons]\r\n", "", {20, 13}, 4},
      {"four without an image", SkinElement::kRadioButton, "[Buttons]\r\n", "", {}, 4},
      {"the key wins over the image", SkinElement::kCheckBox, "[Buttons]\r\nCheckButtonFrame=12\r\n", "", {65, 13}, 12},
      {"a negative key is kept", SkinElement::kRadioButton, "[Buttons]\r\nRadioButtonFrame=-2\r\n", "", {65, 13}, -2},
      {"a caption button 3 wide per high: 3", SkinElement::kCaptionButton, "[Button0]\r\n", "Button0", {60, 20}, 3},
      {"exactly 3.8: 3", SkinElement::kCaptionButton, "[Button0]\r\n", "Button0", {76, 20}, 3},
      {"3.81: 6", SkinElement::kCaptionButton, "[Button0]\r\n", "Button0", {61, 16}, 6},
      {"negative actions: 6", SkinElement::kCaptionButton, "[Button0]\r\nAction=-1\r\n", "Button0", {60, 20}, 6},
      {"no image: 6", SkinElement::kCaptionButton, "[Button0]\r\n", "Button0", {}, 6},
      {"the frame key", SkinElement::kCaptionButton, "[BUTTON2]\r\nframe=4\r\n", "BUTTON2", {60, 20}, 4},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const skin::TQuickIni ini = Definition(c.definition);
    const skin::ElementFrames& element = FramesOf(c.element);
    const std::string_view section = *c.section ? std::string_view(c.section) : element.section;
    EXPECT_EQ(skin::BuildFrameCount(element, ini, section, c.image), c.frames);
  }
}

TEST(ElementFrames, DefinitionKeysFindTheirElements) {
  struct Case {
    const char* section;
    const char* key;
    SkinElement element;
  };
  const Case cases[] = {
      {"Personality", "Left", SkinElement::kBorderLeft},
      {"PERSONALITY", "top", SkinElement::kBorderTop},
      {"Personality", "menuBar", SkinElement::kMenuBar},
      {"Personality", "TextBack", SkinElement::kTitle},
      {"Buttons", "Bitmap", SkinElement::kButtons},
      {"Buttons", "CheckButton", SkinElement::kCheckBox},
      {"Progress", "Bitmap", SkinElement::kProgress},
      {"Tabs", "Border", SkinElement::kTabBorder},
      {"UpDown.Vert", "GlyphImage", SkinElement::kUpDownVertGlyph},
      {"Button0", "ButtonImage", SkinElement::kCaptionButton},
      {"buttonClose", "buttonimage", SkinElement::kCaptionButton},
      {"trackvert", "Image", SkinElement::kTrackVert},
      {"MinCaption", "Image", SkinElement::kMinCaption},
  };
  for (const Case& c : cases) {
    const skin::ElementFrames* found = skin::FindElementFrames(c.section, c.key);
    ASSERT_NE(found, nullptr) << c.section << " " << c.key;
    EXPECT_EQ(found->element, c.element) << c.section << " " << c.key;
  }
  for (auto [section, key] : {std::pair{"Form", "Image"},
                              {"Buttons", "Image"},
                              {"Personality", "Image"},
                              {"Buttons", "ButtonImage2"},
                              {"Button0", "Image"},
                              {"Trackbar.ThumbX", "Image"}})
    EXPECT_EQ(skin::FindElementFrames(section, key), nullptr) << section << " " << key;
}

TEST(ElementFrames, EveryElementIsListedOnceAndNamesFitItsFrames) {
  std::set<SkinElement> seen;
  for (const skin::ElementFrames& element : skin::AllElementFrames()) {
    SCOPED_TRACE(std::string(element.section) + " " + std::string(element.image_key));
    EXPECT_TRUE(seen.insert(element.element).second);
    EXPECT_EQ(&FramesOf(element.element), &element);
    EXPECT_EQ(skin::FindElementFrames(element.section, element.image_key), &element);
    // A fixed count is what its names describe, when it has names.
    if (element.rule == skin::FrameCountRule::kFixed && !element.names.empty()) {
      EXPECT_EQ(static_cast<int32_t>(element.names.size()), element.frames);
    }
    for (size_t i = 0; i < element.names.size(); ++i) EXPECT_EQ(element.names[i].frame, static_cast<int>(i) + 1);
  }
  EXPECT_EQ(seen.size(), static_cast<size_t>(SkinElement::kMinCaption) + 1);
}

TEST(ElementFrames, LongCheckAndRadioImagesAndTheTroughHaveTheirOwnNames) {
  const auto check = skin::FrameNamesOf(FramesOf(SkinElement::kCheckBox), 12);
  ASSERT_EQ(check.size(), 12u);
  EXPECT_EQ(check[8].label, "mixed normal");
  EXPECT_EQ(check[skin::CheckFrames::LongFrame(skin::CheckFrames::kCheckedDisabled) - 1].label, "checked disabled");
  EXPECT_EQ(check[skin::CheckFrames::LongFrame(skin::CheckFrames::kUncheckedDisabled) - 1].label, "unchecked disabled");
  EXPECT_FALSE(check[1].drawn);
  EXPECT_EQ(skin::FrameNamesOf(FramesOf(SkinElement::kCheckBox), 8).size(), 4u);
  const auto radio = skin::FrameNamesOf(FramesOf(SkinElement::kRadioButton), 8);
  ASSERT_EQ(radio.size(), 8u);
  EXPECT_EQ(radio[skin::CheckFrames::LongFrame(skin::CheckFrames::kChecked) - 1].label, "checked normal");
  EXPECT_EQ(skin::FrameNamesOf(FramesOf(SkinElement::kProgress), 1)[0].label, "trough");
  EXPECT_EQ(skin::FrameNamesOf(FramesOf(SkinElement::kProgress), 2)[1].label, "filled");
  const auto scrollbar = FramesOf(SkinElement::kScrollbar).names;
  using Sb = skin::ScrollbarFrames;
  EXPECT_EQ(scrollbar[Sb::kDownArrow + Sb::kArrowHot - 1].label, "down hot");
  EXPECT_EQ(scrollbar[Sb::kVertGrip + Sb::kGripPressed - 1].label, "v-grip pressed");
}

}  // namespace
