// The definition text of the "midnight" skin. Beside its own look it takes the ways of writing a
// skin that "sky blue" does not: frame counts left to the engine (check and radio images, header,
// scroll thumbs), a progress bar of two frames, a tiled chunk, tiled caption and bottom borders,
// a keyed bottom border, centred caption text on its own plate, caption buttons at the left edge
// and beside the text, and coloured push-button texts.
#include <string>
#include <vector>

#include "tools/skinart/midnight_artwork.h"
#include "tools/skinart/midnight_palette.h"

namespace skinart {
namespace {

namespace m = midnight;

std::string Key(const char* name, int value) { return std::string(name) + "=" + std::to_string(value); }
std::string ColourKey(const char* name, skinimage::Rgb colour) { return std::string(name) + "=" + ColourText(colour); }

std::vector<std::string> Margins(int top, int bottom, int left, int right) {
  return {Key("TopHeight", top), Key("BottomHeight", bottom), Key("LeftWidth", left), Key("Rightwidth", right)};
}

// `keys` after `first`.
std::vector<std::string> Join(std::vector<std::string> first, const std::vector<std::string>& keys) {
  first.insert(first.end(), keys.begin(), keys.end());
  return first;
}

DefinitionSection CaptionButton(const std::string& section, const std::string& image,
                                const m::CaptionButtonPlace& place, int action, int visibility,
                                std::vector<std::string> more = {}) {
  std::vector<std::string> keys;
  if (!image.empty()) keys.push_back("ButtonImage=" + image);
  keys.insert(keys.end(), {Key("Align", place.align), Key("XCoord", place.x), Key("YCoord", place.y),
                           Key("Action", action), Key("Visibility", visibility)});
  return {section, Join(std::move(keys), more)};
}

// Left, right, top and bottom: the image, two frames (active, inactive), whether the middle is
// stretched (1) or tiled (0), keyed corners, and the fixed ends of the strip.
std::vector<std::string> Border(const char* name, const std::string& image, int stretch, int first, int last) {
  const std::string n = name;
  return {n + "=" + image,
          n + "Frame=2",
          n + "Stretch=" + std::to_string(stretch),
          n + "Trans=1",
          n + "TopHeight=" + std::to_string(first),
          n + "BotHeight=" + std::to_string(last)};
}

std::vector<DefinitionSection> Sections() {
  const std::string header_image = std::string(kMidnightDisplayName) + "__Header.bmp";
  // The ends of the side pieces hold the caption and the rounded bottom corners; the ends of the
  // top and bottom pieces what the corners take from them.
  const int side_top = m::kCaptionHeight, side_bottom = m::kBottomCornerRadius;
  const int strip_end = m::kTopCornerCut + 3;
  std::vector<std::string> personality;
  for (const auto& keys : {Border("Left", "midnight__FrameLeft.bmp", 1, side_top, side_bottom),
                           Border("Right", "midnight__FrameRight.bmp", 1, side_top, side_bottom),
                           Border("Top", "midnight__FrameTop.bmp", 0, strip_end, strip_end),
                           Border("Bottom", "midnight__FrameBottom.bmp", 0, side_bottom, side_bottom)})
    personality.insert(personality.end(), keys.begin(), keys.end());
  personality.insert(personality.end(),
                     {"TextBack=midnight__CaptionBack.bmp", Key("TXTBackleft", m::kTextBackLeft),
                      Key("TXTBackRight", m::kTextBackRight), Key("TextAlignment", 1), Key("TextShift", 40),
                      Key("TextShiftVert", 0), Key("TextRightClip", m::kMinButton.x + 4)});
  return {
      {"TitlebarSkin", {std::string("SkinName=") + kMidnightDisplayName, std::string("SkinAuthor=") + kMidnightAuthor}},
      {"Skins", {"Version=200"}},
      {"Buttons",
       Join({"Bitmap=midnight__Buttons.bmp"},
            Join(Margins(5, 5, 6, 6),
                 {"Trans=1", "CheckButton=midnight__CheckBox.bmp", "RadioButton=midnight__RadioButton.bmp",
                  ColourKey("NormalColour2", m::kButtonText), ColourKey("MouseOverColour2", m::kButtonTextHot),
                  ColourKey("PressedColour2", m::kButtonTextPressed)}))},
      {"Progress",
       Join({"Bitmap=midnight__Progress.bmp"}, Join(Margins(3, 3, 3, 3), {"Trans=1", "Tile=0", "Style=0"}))},
      {"Progress.Chunk",
       Join({"Image=midnight__ProgressChunk.bmp"}, Join(Margins(1, 1, 1, 1), {"Trans=1", "Tile=1", "Frame=1"}))},
      {"Tabs", Join({"Image=midnight__Tab.bmp"}, Join(Margins(6, 6, 6, 6), {"Trans=1", "Tile=0", "Style=1"}))},
      {"Tab.Pane", Join({"Image=midnight__TabSheet.bmp"}, Join(Margins(3, 3, 3, 3), {"Trans=0", "Tile=0", "Style=1"}))},
      {"ComboButton", {"Image=midnight__ComboButton.bmp", "Trans=0", "Style=1"}},
      {"StatusBarEdges", Join({"Image=midnight__StatusBar.bmp"}, Join(Margins(2, 2, 4, 4), {"Tile=0"}))},
      {"Headerbar", Join({"Image=" + header_image}, Join(Margins(1, 4, 1, 3), {"Tile=0", "Trans=0"}))},
      {"Scrollbar", {"Image=midnight__ScrollbarArrow.bmp"}},
      {"HorzScrollThumb", Join({"Image=midnight__ScrollbarHThumb.bmp"}, Margins(6, 6, 6, 6))},
      {"VertScrollThumb", Join({"Image=midnight__ScrollbarVThumb.bmp"}, Margins(6, 6, 6, 6))},
      {"HorzScroll", Join({"Image=midnight__ScrollbarHBar.bmp"}, Join(Margins(1, 1, 0, 0), {"Tile=0"}))},
      {"VertScroll", Join({"Image=midnight__ScrollbarVBar.bmp"}, Join(Margins(0, 0, 1, 1), {"Tile=0"}))},
      {"MenuBackground", Join({"Image=midnight__MenuBackground.bmp"}, Margins(3, 3, 3, 3))},
      {"MenuItem", Join({"Image=midnight__MenuItem.bmp"}, Join(Margins(3, 3, 4, 4), {"Frame=5", "Trans=1"}))},
      {"ExtraImages", {"Image=midnight__ExtraImages.bmp"}},
      {"Trackbar.ThumbHorz", {"Image=midnight__TrackThumbH.bmp"}},
      {"Trackbar.ThumbDown", {"Image=midnight__TrackBot.bmp"}},
      {"Track", Join({"Image=midnight__TrackBar.bmp"}, Join(Margins(2, 2, 2, 2), {"Frame=1"}))},
      {"TRACKVERT", Join({"Image=midnight__TrackBarV.bmp"}, Join(Margins(2, 2, 2, 2), {"Frame=1"}))},
      {"MDICONTROLS", {"Image=midnight__MdiButton.bmp"}},
      {"UpDown.Vert", {"Image=midnight__Spin.bmp", "GlyphImage=midnight__SpinArrow.bmp"}},
      {"UpDown.Horz", {"Image=midnight__Spinh.bmp", "GlyphImage=midnight__SpinhArrow.bmp"}},
      CaptionButton("Button0", "midnight__CloseButton.bmp", m::kCloseButton, 0, 0),
      CaptionButton("Button1", "midnight__MaxButton.bmp", m::kMaxButton, 1, 2, {"Visibility1=6"}),
      CaptionButton("Button2", "midnight__MinButton.bmp", m::kMinButton, 2, 8),
      CaptionButton("Button3", "midnight__RestoreButton.bmp", m::kMaxButton, 1, 1),
      // The system menu from a button of its own, shown while the window is active.
      CaptionButton("Button4", "midnight__MenuButton.bmp", m::kMenuButton, 12, 3),
      // The window icon just left of the centred caption text.
      CaptionButton("Button5", "", m::kIconButton, 3, 0),
      {"Personality", personality},
      {"MinCaption",
       Join({"Image=midnight__MinCaption.bmp"}, Join(Margins(2, 2, 60, 4), {"Tile=1", "Trans=0", "Frame=2"}))},
      {"Colours",
       {ColourKey("WindowText", m::kWindowText), ColourKey("TitleTextActive", m::kTitleTextActive),
        ColourKey("TitleTextNoActive", m::kTitleTextNoActive), ColourKey("ButtonFace", m::kButtonFace),
        ColourKey("ButtonText", m::kButtonText), ColourKey("ButtonHilight", m::kButtonHilight),
        ColourKey("ButtonShadow", m::kButtonShadow), ColourKey("ButtonDkShadow", m::kButtonDkShadow),
        ColourKey("Buttonlight", m::kButtonlight), ColourKey("Menubar", m::kMenubar), ColourKey("Menu", m::kMenu),
        ColourKey("MenuText", m::kMenuText), ColourKey("MenuBarText", m::kMenuBarText),
        ColourKey("Hilight", m::kHilight), ColourKey("HilightText", m::kHilightText),
        ColourKey("Scrollbar", m::kScrollbar)}},
  };
}

}  // namespace

std::string MidnightDefinition() { return DefinitionText(Sections()); }

}  // namespace skinart
