// The definition text of the "sky blue" skin: which bitmap each element uses, its margins, frame
// counts and flags, the caption buttons, the window border and the colour table.
#include <string>
#include <vector>

#include "tools/skinart/skin_artwork.h"
#include "tools/skinart/sky_palette.h"

namespace skinart {
namespace {

std::vector<DefinitionSection> Sections() {
  const std::string header_image = std::string(kSkinDisplayName) + "__Header.bmp";
  return {
      {"TitlebarSkin", {std::string("SkinName=") + kSkinDisplayName, std::string("SkinAuthor=") + kSkinAuthor}},
      {"Skins", {"Version=200"}},
      {"Buttons",
       {"Bitmap=skyblue__Buttons.bmp", "TopHeight=4", "BottomHeight=4", "LeftWidth=7", "Rightwidth=8",
        "Trans=1", "CheckButtonFrame=12", "RadioButtonFrame=8", "CheckButton=skyblue__Checkbox.bmp",
        "RadioButton=skyblue__RadioButton.bmp"}},
      {"Progress",
       {"Bitmap=Progress.bmp", "TopHeight=2", "BottomHeight=2", "LeftWidth=2", "Rightwidth=2", "Trans=0",
        "Tile=0", "Style=1"}},
      {"Progress.Chunk",
       {"Image=skyblue__ProgressChunk.bmp", "TopHeight=1", "BottomHeight=1", "LeftWidth=1",
        "Rightwidth=1", "Trans=0", "Tile=0", "Style=1"}},
      {"Tabs",
       {"Image=skyblue__Tab.bmp", "TopHeight=6", "BottomHeight=6", "LeftWidth=6", "Rightwidth=6",
        "Trans=1", "Tile=0", "Style=1"}},
      {"Tab.Pane",
       {"Image=TabSheet.bmp", "TopHeight=4", "BottomHeight=5", "LeftWidth=3", "Rightwidth=7", "Trans=0",
        "Tile=0", "Style=1"}},
      {"ComboButton", {"Image=skyblue__ComboboxBtn.bmp", "Trans=0", "Style=1"}},
      {"StatusBarEdges",
       {"Image=skyblue__StatusBar.bmp", "TopHeight=1", "BottomHeight=1", "LeftWidth=5", "Rightwidth=5",
        "Tile=0"}},
      {"Headerbar",
       {"Image=" + header_image, "TopHeight=3", "BottomHeight=10", "LeftWidth=8", "Rightwidth=8",
        "Tile=1", "Trans=1", "Frame=5"}},
      {"Scrollbar", {"Image=skyblue__ScrollbarArrow.bmp"}},
      {"HorzScrollThumb",
       {"Image=skyblue__ScrollbarHThumb.bmp", "TopHeight=5", "BottomHeight=5", "LeftWidth=5",
        "Rightwidth=5", "FrameCount=4"}},
      {"VertScrollThumb",
       {"Image=skyblue__ScrollbarVThumb.bmp", "TopHeight=5", "BottomHeight=5", "LeftWidth=5",
        "Rightwidth=5", "FrameCount=4"}},
      {"HorzScroll",
       {"Image=skyblue__ScrollbarHBar.bmp", "TopHeight=1", "BottomHeight=1", "LeftWidth=0",
        "Rightwidth=0", "Tile=0"}},
      {"VertScroll",
       {"Image=skyblue__ScrollbarVBar.bmp", "TopHeight=0", "BottomHeight=0", "LeftWidth=1",
        "Rightwidth=1", "Tile=0"}},
      {"MenuBackground",
       {"Image=MenuBackground.bmp", "TopHeight=5", "BottomHeight=5", "LeftWidth=5", "Rightwidth=5"}},
      {"MenuItem",
       {"Image=MenuItem.bmp", "TopHeight=3", "BottomHeight=3", "LeftWidth=2", "Rightwidth=2", "Frame=5",
        "Trans=1"}},
      {"ExtraImages", {"Image=ExtraImages.bmp"}},
      {"Trackbar.ThumbHorz", {"Image=skyblue__TrackThumbH.bmp"}},
      {"Trackbar.ThumbDown", {"Image=skyblue__TrackBot.bmp"}},
      {"Track",
       {"Image=TrackBar.bmp", "TopHeight=2", "BottomHeight=2", "LeftWidth=2", "Rightwidth=2", "Frame=1"}},
      {"TRACKVERT",
       {"Image=TrackBarV.bmp", "TopHeight=2", "BottomHeight=2", "LeftWidth=2", "Rightwidth=2", "Frame=1"}},
      {"MDICONTROLS", {"Image=Mdibutton.bmp"}},
      {"UpDown.Vert", {"Image=skyblue__Spin.bmp", "GlyphImage=SpinArrow.bmp"}},
      {"UpDown.Horz", {"Image=skyblue__Spinh.bmp", "GlyphImage=SpinhArrow.bmp"}},
      {"Button0",
       {"ButtonImage=skyblue__CloseButton.bmp", "Align=1", "XCoord=25", "YCoord=5", "Action=0",
        "Visibility=0"}},
      {"Button1",
       {"ButtonImage=skyblue__MaxButton.bmp", "Align=1", "XCoord=49", "YCoord=5", "Action=1",
        "Visibility=2", "Visibility1=6"}},
      {"Button2",
       {"ButtonImage=skyblue__MinButton.bmp", "Align=1", "XCoord=73", "YCoord=5", "Action=2",
        "Visibility=8"}},
      {"Button3",
       {"ButtonImage=skyblue__RestroreButton.bmp", "Align=1", "XCoord=49", "YCoord=5", "Action=1",
        "Visibility=1"}},
      {"Button4", {"Align=0", "XCoord=8", "YCoord=7", "Action=3", "Visibility=0"}},
      {"Personality",
       {"Left=skyblue__FrameLeft.bmp", "LeftFrame=2", "LeftStretch=1", "LeftTrans=1", "LeftTopHeight=28",
        "LeftBotHeight=5", "Right=skyblue__FrameRight.bmp", "RightFrame=2", "RightStretch=1",
        "RightTrans=1", "RightTopHeight=28", "RightBotHeight=5", "Top=skyblue__FrameTop.bmp",
        "TopFrame=2", "TopStretch=1", "TopTrans=1", "TopTopHeight=8", "TopBotHeight=8",
        "Bottom=skyblue__FrameBottom.bmp", "BottomFrame=2", "BottomStretch=1", "BottomTrans=0",
        "BottomTopHeight=8", "BottomBotHeight=8", "TextShift=16", "TextShiftVert=2",
        "TextRightClip=20"}},
      {"MinCaption",
       {"Image=MinCaption.bmp", "TopHeight=1", "BottomHeight=1", "LeftWidth=49", "Rightwidth=2", "Tile=1",
        "Trans=0", "Frame=2"}},
      {"Colours",
       {"ButtonFace=" + ColourText(sky::kButtonFace), "TitleTextActive=" + ColourText(sky::kTitleTextActive),
        "TitleTextNoActive=" + ColourText(sky::kTitleTextNoActive),
        "ButtonHilight=" + ColourText(sky::kButtonHilight), "ButtonShadow=" + ColourText(sky::kButtonShadow),
        "ButtonDkShadow=" + ColourText(sky::kButtonDkShadow), "Buttonlight=" + ColourText(sky::kButtonlight),
        "Menubar=" + ColourText(sky::kMenubar), "Menu=" + ColourText(sky::kMenu),
        "MenuText=" + ColourText(sky::kMenuText), "MenuBarText=" + ColourText(sky::kMenuBarText),
        "Hilight=" + ColourText(sky::kHilight), "HilightText=" + ColourText(sky::kHilightText)}},
  };
}

}  // namespace

std::string SkyBlueDefinition() { return DefinitionText(Sections()); }

}  // namespace skinart
