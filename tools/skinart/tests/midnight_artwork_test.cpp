// The dark second skin: it has every element the default skin has, it differs from the default
// where a second skin should (frame thicknesses, corners, caption buttons, caption text), it takes
// the ways of writing a definition the default does not, and its texts are legible on what the
// program draws them on.
#include "tools/skinart/midnight_artwork.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <set>
#include <string>
#include <vector>

#include "skin/resources/element_frames.h"
#include "tools/skinart/midnight_palette.h"
#include "tools/skinart/tests/drawn_skin.h"
#include "tools/skinpack/skin_archive.h"

namespace skinart {
namespace {

using skin::SkinElement;
using skinimage::Image;
using skinimage::Rgb;
namespace m = midnight;

const DrawnSkin& Sky() { return DrawnSkin::SkyBlue(); }
const DrawnSkin& Night() { return DrawnSkin::Midnight(); }

std::vector<std::string> Sections(const DrawnSkin& skin) {
  std::vector<std::string> sections;
  skin.ini.ReadSections(&sections);
  return sections;
}

std::vector<std::string> CaptionButtonSections(const DrawnSkin& skin) {
  std::vector<std::string> buttons;
  for (const std::string& section : Sections(skin))
    if (skinpack::LowerAscii(section).rfind("button", 0) == 0 && skinpack::LowerAscii(section) != "buttons")
      buttons.push_back(section);
  return buttons;
}

int Integer(const DrawnSkin& skin, const std::string& section, const std::string& key, int fallback = 0) {
  return static_cast<int>(skin.ini.ReadInteger(section, key, fallback));
}

// One frame's thickness of a border piece: across the strip.
int Thickness(const DrawnSkin& skin, SkinElement border) {
  const std::vector<skinpack::FrameLayout> layouts = skin.Layouts();
  const skinpack::FrameLayout* layout = FindLayout(layouts, border);
  if (layout == nullptr) return -1;
  const Image frame = skin.FrameOf(*layout, 0);
  return layout->vertical ? frame.Height() : frame.Width();
}

constexpr SkinElement kBorders[] = {SkinElement::kBorderLeft, SkinElement::kBorderTop, SkinElement::kBorderRight,
                                    SkinElement::kBorderBottom};

TEST(MidnightSkin, DefinesEveryElementAndSectionTheDefaultSkinDefines) {
  std::set<SkinElement> night_elements;
  for (const skinpack::FrameLayout& layout : Night().Layouts())
    if (layout.element) night_elements.insert(*layout.element);
  for (const skinpack::FrameLayout& layout : Sky().Layouts()) {
    ASSERT_TRUE(layout.element) << layout.section << " " << layout.key;
    EXPECT_TRUE(night_elements.count(*layout.element)) << "no bitmap for [" << layout.section << "] " << layout.key;
  }
  std::set<std::string> night_sections;
  for (const std::string& section : Sections(Night())) night_sections.insert(skinpack::LowerAscii(section));
  for (const std::string& section : Sections(Sky()))
    EXPECT_TRUE(night_sections.count(skinpack::LowerAscii(section))) << "no section " << section;
  // Every caption button action of the default, beside buttons of its own.
  std::set<int> night_actions;
  for (const std::string& section : CaptionButtonSections(Night()))
    night_actions.insert(Integer(Night(), section, "Action"));
  for (const std::string& section : CaptionButtonSections(Sky()))
    EXPECT_TRUE(night_actions.count(Integer(Sky(), section, "Action"))) << section;
  EXPECT_GT(CaptionButtonSections(Night()).size(), CaptionButtonSections(Sky()).size());
}

TEST(MidnightSkin, WindowFrameIsThickerUnevenAndUnlikeTheDefault) {
  const int expected[] = {m::kBorderLeft, m::kCaptionHeight, m::kBorderRight, m::kBorderBottom};
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(Thickness(Night(), kBorders[i]), expected[i]) << i;
    EXPECT_GT(Thickness(Night(), kBorders[i]), Thickness(Sky(), kBorders[i])) << i;
  }
  EXPECT_NE(m::kBorderLeft, m::kBorderRight);  // a left/right mix-up shows
  EXPECT_NE(m::kCaptionHeight, m::kBorderBottom);
  // The definition's fixed ends cover the caption and the corners of the side pieces.
  EXPECT_EQ(Integer(Night(), "Personality", "LeftTopHeight"), m::kCaptionHeight);
  EXPECT_GE(Integer(Night(), "Personality", "LeftBotHeight"), m::kBottomCornerRadius);
}

bool Keyed(const Image& image, int x, int y) { return image.At(x, y) == skinimage::kMagenta; }

TEST(MidnightSkin, AllFourBordersHaveKeyedCornersUnlikeTheDefaults) {
  for (const char* piece : {"Left", "Right", "Top", "Bottom"})
    EXPECT_EQ(Integer(Night(), "Personality", std::string(piece) + "Trans", -1), 1) << piece;
  EXPECT_EQ(Integer(Sky(), "Personality", "BottomTrans", -1), 0);

  const Image& left = Night().Image("midnight__frameleft.bmp");
  const Image& top = Night().Image("midnight__frametop.bmp");
  const Image& bottom = Night().Image("midnight__framebottom.bmp");
  const Image& right = Night().Image("midnight__frameright.bmp");
  const int h = left.Height();
  // The top corners are cut at 45 degrees, through the side piece into the caption piece.
  for (int y = 0; y < m::kTopCornerCut + 2; ++y) {
    for (int x = 0; x < m::kBorderLeft; ++x) EXPECT_EQ(Keyed(left, x, y), x + y < m::kTopCornerCut) << x << "," << y;
    for (int x = 0; x < 6; ++x)
      EXPECT_EQ(Keyed(top, x, y), m::kBorderLeft + x + y < m::kTopCornerCut) << "top " << x << "," << y;
  }
  EXPECT_TRUE(Keyed(right, m::kBorderRight - 1, 0));
  EXPECT_TRUE(Keyed(top, top.Width() - 1, 0));
  // The bottom corners are rounded, wider than the side pieces, so the bottom piece is keyed too.
  EXPECT_TRUE(Keyed(left, 0, h - 1));
  EXPECT_TRUE(Keyed(left, 0, h - 3));
  EXPECT_FALSE(Keyed(left, 0, h - 1 - m::kBottomCornerRadius));
  EXPECT_TRUE(Keyed(bottom, 0, m::kBorderBottom - 1));
  EXPECT_TRUE(Keyed(bottom, bottom.Width() - 1, m::kBorderBottom - 1));
  EXPECT_FALSE(Keyed(bottom, bottom.Width() / 2, m::kBorderBottom - 1));
  // The default rounds its top corners and hardly its bottom ones.
  const Image& sky_left = Sky().Image("skyblue__frameleft.bmp");
  EXPECT_TRUE(Keyed(left, 3, 5));
  EXPECT_FALSE(Keyed(sky_left, 3, 5));
  EXPECT_FALSE(Keyed(sky_left, 0, sky_left.Height() - 3));
}

struct PlacedButton {
  std::string section;
  int align, x, y, width, height, frames, visibility;
};

std::vector<PlacedButton> PlacedButtons(const DrawnSkin& skin) {
  std::vector<PlacedButton> placed;
  const std::vector<skinpack::FrameLayout> layouts = skin.Layouts();
  for (const std::string& section : CaptionButtonSections(skin)) {
    PlacedButton button{section,
                        Integer(skin, section, "Align"),
                        Integer(skin, section, "XCoord"),
                        Integer(skin, section, "YCoord"),
                        16,
                        16,
                        1,
                        Integer(skin, section, "Visibility")};
    for (const skinpack::FrameLayout& layout : layouts)
      if (layout.element == SkinElement::kCaptionButton && layout.section == section) {
        const Image frame = skin.FrameOf(layout, 0);
        button.width = frame.Width();
        button.height = frame.Height();
        button.frames = layout.frames;
      }
    placed.push_back(button);
  }
  return placed;
}

TEST(MidnightSkin, CaptionButtonsSitAtTheLeftBesideTheTextAndAtTheRight) {
  const std::vector<PlacedButton> buttons = PlacedButtons(Night());
  std::set<int> aligns;
  for (const PlacedButton& button : buttons) {
    aligns.insert(button.align);
    // Inside the caption.
    EXPECT_GE(button.y, 0) << button.section;
    EXPECT_LE(button.y + button.height, m::kCaptionHeight) << button.section;
  }
  EXPECT_TRUE(aligns.count(0));
  EXPECT_TRUE(aligns.count(1));
  EXPECT_TRUE(aligns.count(2) || aligns.count(3));

  // The right-aligned buttons of a normal window (the restore button stands in for the maximize
  // button only when maximized) lie side by side, the first ending at the right border; the
  // caption text is cut before them.
  std::vector<PlacedButton> right;
  for (const PlacedButton& button : buttons)
    if (button.align == 1 && button.visibility != 1) right.push_back(button);
  ASSERT_EQ(right.size(), 3u);
  std::sort(right.begin(), right.end(), [](const PlacedButton& a, const PlacedButton& b) { return a.x < b.x; });
  EXPECT_EQ(right.front().x - right.front().width, m::kBorderRight);
  for (size_t i = 1; i < right.size(); ++i)
    EXPECT_GE(right[i].x - right[i].width, right[i - 1].x) << right[i].section << " overlaps " << right[i - 1].section;
  EXPECT_GT(Integer(Night(), "Personality", "TextRightClip"), right.back().x);
  // The left-aligned button starts clear of the left border.
  for (const PlacedButton& button : buttons) {
    if (button.align == 0) {
      EXPECT_GT(button.x, m::kBorderLeft) << button.section;
    }
  }
}

TEST(MidnightSkin, CaptionButtonFramesAreCountedFromTheirImages) {
  for (const PlacedButton& button : PlacedButtons(Night())) {
    if (button.section == "Button5") continue;  // the window icon: no image
    EXPECT_EQ(button.frames,
              button.section == "Button4" ? skin::CaptionButtonFrames::kShortCount : skin::CaptionButtonFrames::kCount)
        << button.section;
    EXPECT_EQ(Integer(Night(), button.section, "frame", -1), -1) << button.section << " gives its frame count";
  }
}

// The share of pixels in which two frames differ, in per cent.
int PercentDiffering(const Image& a, const Image& b) {
  int differing = 0;
  for (int y = 0; y < a.Height(); ++y)
    for (int x = 0; x < a.Width(); ++x) differing += a.At(x, y) != b.At(x, y);
  return 100 * differing / (a.Width() * a.Height());
}

TEST(MidnightSkin, CaptionButtonStatesAreClearlyDistinct) {
  using F = skin::CaptionButtonFrames;
  int compared = 0;
  for (const skinpack::FrameLayout& layout : Night().Layouts()) {
    if (layout.element != SkinElement::kCaptionButton) continue;
    // The frames the program draws: normal, pressed, hot and (with six frames) inactive or
    // disabled.
    std::vector<int> drawn = {F::kNormal, F::kPressed, F::kHot};
    if (layout.frames >= F::kInactive) drawn.push_back(F::kInactive);
    for (size_t i = 0; i < drawn.size(); ++i)
      for (size_t j = i + 1; j < drawn.size(); ++j) {
        EXPECT_GE(PercentDiffering(Night().FrameOf(layout, drawn[i] - 1), Night().FrameOf(layout, drawn[j] - 1)), 40)
            << layout.entry << ": frames " << drawn[i] << " and " << drawn[j];
        ++compared;
      }
  }
  EXPECT_EQ(compared, 4 * 6 + 3);
}

// The colour at the centre of frame `frame` (from 1) of `element`.
Rgb CentreOf(SkinElement element, int frame) {
  const std::vector<skinpack::FrameLayout> layouts = Night().Layouts();
  const skinpack::FrameLayout* layout = FindLayout(layouts, element);
  if (layout == nullptr) return skinimage::kMagenta;
  const Image image = Night().FrameOf(*layout, frame - 1);
  return image.At(image.Width() / 2, image.Height() / 2);
}

TEST(MidnightSkin, TextsAreLegibleOnWhatTheyAreDrawnOn) {
  // Push-button texts take the skin's colours, not the controls' own dark font colours.
  EXPECT_EQ(Night().ini.ReadString("Buttons", "NormalColour2", ""), ColourText(m::kButtonText));
  EXPECT_EQ(Night().ini.ReadString("Buttons", "MouseOverColour2", ""), ColourText(m::kButtonTextHot));
  EXPECT_EQ(Night().ini.ReadString("Buttons", "PressedColour2", ""), ColourText(m::kButtonTextPressed));
  using B = skin::ButtonFrames;
  using Mi = skin::MenuItemFrames;
  struct Pair {
    const char* what;
    Rgb text, under;
  };
  const Pair pairs[] = {
      {"button text", m::kButtonText, CentreOf(SkinElement::kButtons, B::kNormal)},
      {"hot button text", m::kButtonTextHot, CentreOf(SkinElement::kButtons, B::kHot)},
      {"pressed button text", m::kButtonTextPressed, CentreOf(SkinElement::kButtons, B::kPressed)},
      {"focused button text", m::kButtonText, CentreOf(SkinElement::kButtons, B::kFocused)},
      {"menu text", Night().Colour("MenuText"), CentreOf(SkinElement::kMenuItem, Mi::kNormal)},
      {"selected menu text", Night().Colour("HilightText"), CentreOf(SkinElement::kMenuItem, Mi::kSelected)},
      {"menu text on the menu colour", Night().Colour("MenuText"), Night().Colour("Menu")},
      {"highlighted text", Night().Colour("HilightText"), Night().Colour("Hilight")},
      {"menu bar text", Night().Colour("MenuBarText"), Night().Colour("Menubar")},
      {"header text", Night().Colour("WindowText"), CentreOf(SkinElement::kHeaderbar, skin::HeaderFrames::kNormal)},
      {"text on the face", Night().Colour("ButtonText"), Night().Colour("ButtonFace")},
  };
  for (const Pair& pair : pairs) EXPECT_GE(std::abs(Luma(pair.text) - Luma(pair.under)), 90) << pair.what;
}

TEST(MidnightSkin, IsDark) {
  for (const char* key : {"ButtonFace", "Menu", "Menubar", "Scrollbar"})
    EXPECT_LT(Luma(Night().Colour(key)), 60) << key;
  for (const char* key : {"WindowText", "TitleTextActive", "ButtonText", "MenuText", "MenuBarText"})
    EXPECT_GT(Luma(Night().Colour(key)), 200) << key;
  // What the engine samples as the caption's colour (a third across, a third down).
  const Image& top = Night().Image("midnight__frametop.bmp");
  EXPECT_LT(Luma(top.At(top.Width() / 3, m::kCaptionHeight / 3)), 60);
}

TEST(MidnightSkin, CaptionTextIsCentredOnAPlateAsHighAsTheCaption) {
  EXPECT_EQ(Integer(Night(), "Personality", "TextAlignment", -1), 1);
  EXPECT_EQ(Integer(Sky(), "Personality", "TextAlignment", 0), 0);
  const std::vector<skinpack::FrameLayout> layouts = Night().Layouts();
  const skinpack::FrameLayout* plate = FindLayout(layouts, SkinElement::kTitle);
  ASSERT_NE(plate, nullptr);
  EXPECT_EQ(plate->frames, skin::ActiveFrames::kCount);
  EXPECT_EQ(plate->left, m::kTextBackLeft);
  EXPECT_EQ(plate->right, m::kTextBackRight);
  for (int i = 0; i < plate->frames; ++i) {
    const Image frame = Night().FrameOf(*plate, i);
    EXPECT_EQ(frame.Height(), m::kCaptionHeight);
    // The middle, repeated along the text, has all its columns alike.
    for (int x = plate->left; x < frame.Width() - plate->right; ++x)
      for (int y = 0; y < frame.Height(); ++y) EXPECT_EQ(frame.At(x, y), frame.At(plate->left, y)) << x << "," << y;
  }
}

TEST(MidnightSkin, LeavesFrameCountsToTheEngineWhereTheDefaultGivesThem) {
  struct Case {
    SkinElement element;
    const char* section;
    const char* key;  // the count key the default writes and this skin leaves out
    int frames;
  };
  const Case cases[] = {
      {SkinElement::kCheckBox, "Buttons", "CheckButtonFrame", skin::CheckFrames::kLongCheckCount},
      {SkinElement::kRadioButton, "Buttons", "RadioButtonFrame", skin::CheckFrames::kLongRadioCount},
      {SkinElement::kHorzScrollThumb, "HorzScrollThumb", "FrameCount", skin::ScrollThumbFrames::kDefaultCount},
      {SkinElement::kVertScrollThumb, "VertScrollThumb", "FrameCount", skin::ScrollThumbFrames::kDefaultCount},
      {SkinElement::kHeaderbar, "Headerbar", "Frame", skin::HeaderFrames::kDefaultCount},
  };
  const std::vector<skinpack::FrameLayout> layouts = Night().Layouts();
  for (const Case& c : cases) {
    EXPECT_EQ(Integer(Night(), c.section, c.key, -1), -1) << c.section << " " << c.key;
    EXPECT_NE(Integer(Sky(), c.section, c.key, -1), -1) << c.section << " " << c.key;
    const skinpack::FrameLayout* layout = FindLayout(layouts, c.element);
    ASSERT_NE(layout, nullptr) << c.section;
    EXPECT_EQ(layout->frames, c.frames) << c.section;
  }
  // A progress bar of two frames (empty, filled) instead of a trough with chunks.
  EXPECT_EQ(Integer(Night(), "Progress", "Style", -1), 0);
  EXPECT_EQ(FindLayout(layouts, SkinElement::kProgress)->frames, skin::ProgressFrames::kFilled);
  // Tiled caption and bottom pieces, stretched side pieces.
  EXPECT_EQ(Integer(Night(), "Personality", "TopStretch", -1), 0);
  EXPECT_EQ(Integer(Night(), "Personality", "BottomStretch", -1), 0);
  EXPECT_EQ(Integer(Night(), "Personality", "LeftStretch", -1), 1);
}

TEST(MidnightSkin, ColoursSectionIsTheArtworksPalette) {
  const std::pair<const char*, Rgb> kColours[] = {
      {"WindowText", m::kWindowText},
      {"TitleTextActive", m::kTitleTextActive},
      {"TitleTextNoActive", m::kTitleTextNoActive},
      {"ButtonFace", m::kButtonFace},
      {"ButtonText", m::kButtonText},
      {"ButtonHilight", m::kButtonHilight},
      {"ButtonShadow", m::kButtonShadow},
      {"ButtonDkShadow", m::kButtonDkShadow},
      {"Buttonlight", m::kButtonlight},
      {"Menubar", m::kMenubar},
      {"Menu", m::kMenu},
      {"MenuText", m::kMenuText},
      {"MenuBarText", m::kMenuBarText},
      {"Hilight", m::kHilight},
      {"HilightText", m::kHilightText},
      {"Scrollbar", m::kScrollbar},
  };
  for (const auto& [key, colour] : kColours) EXPECT_EQ(Night().Colour(key), colour) << key;
  EXPECT_EQ(Night().ini.ReadString("TitlebarSkin", "SkinName", ""), kMidnightDisplayName);
  EXPECT_EQ(Night().ini.ReadString("Headerbar", "Image", ""), std::string(kMidnightDisplayName) + "__Header.bmp");
}

}  // namespace
}  // namespace skinart
