// The element build from small skins packed by the tests, and from the program's default skin.
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <span>
#include <string>
#include <utility>

#include "skin/core/skin_data.h"
#include "skin/core/tests/test_skins.h"
#include "skin/resources/element_frames.h"
#include "skin/resources/imgutil.h"
#include "skin/resources/quick_ini.h"
#include "skin/resources/skin_reader.h"

namespace {

using skin::TDataSkinObject;
using skin::TSkinData;
using skintest::Colorref;
using skintest::TestSkin;

// Each channel within one step: a gradient's last line may fall one short of its end colour.
bool Near(COLORREF pixel, fw::TColor colour) {
  for (int shift = 0; shift < 24; shift += 8)
    if (std::abs(static_cast<int>((pixel >> shift) & 0xFF) - static_cast<int>((colour >> shift) & 0xFF)) > 1)
      return false;
  return true;
}

std::unique_ptr<TSkinData> Build(const TestSkin& skin) {
  auto data = std::make_unique<TSkinData>(nullptr);
  data->SetSkinStream(skin.Stored());
  EXPECT_FALSE(data->SkinEmpty()) << "the test skin did not load";
  return data;
}

TEST(SkinBuild, TileAboveOneMeansNoTilingForGenericElementsButTilingForProgress) {
  TestSkin skin;
  skin.definition =
      "[Scrollbar]\r\nImage=a.bmp\r\nTile=2\r\n"
      "[HorzScroll]\r\nImage=a.bmp\r\nTile=1\r\n"
      "[Progress]\r\nBitmap=a.bmp\r\nTile=2\r\n";
  skin.Bitmap("a.bmp", 8, 8);
  auto data = Build(skin);
  ASSERT_TRUE(data->Scrollbar && data->HorzScroll && data->Progress);
  EXPECT_EQ(data->Scrollbar->Tile, 0);
  EXPECT_EQ(data->HorzScroll->Tile, 1);
  EXPECT_EQ(data->Progress->Tile, 1);
}

TEST(SkinBuild, OnlyCaptionButtonSectionsBecomeCaptionButtons) {
  TestSkin skin;
  skin.definition =
      "[Buttons]\r\nBitmap=b.bmp\r\n"
      "[BUTTON]\r\nAction=0\r\n"
      "[Button.Radio]\r\nAction=0\r\n"
      "[button.checkbox]\r\nAction=0\r\n"
      "[Button1]\r\nAction=-1\r\n"                  // a hidden placeholder: dropped
      "[Button2]\r\nAction=-1\r\nVisibility=0\r\n"  // the same, shown: kept
      "[Button3]\r\nAction=-1\r\nVisibility=5\r\n"  // dropped
      "[MyButton]\r\nAction=0\r\n"                  // does not begin with BUTTON
      "[buttonClose]\r\nAction=0\r\n";
  auto data = Build(skin);
  std::vector<std::string> names;
  for (const auto& button : data->SysButtons) names.push_back(button->Name);
  EXPECT_EQ(names, (std::vector<std::string>{"BUTTON2", "BUTTONCLOSE", "MDICONTROLS", "MDICONTROLS", "MDICONTROLS"}));
  EXPECT_EQ(data->SysButtons[0]->Visibility1, -1);  // Action -1 defaults Visibility1 to -1
  EXPECT_EQ(data->SysButtons[1]->Visibility1, 0);
  EXPECT_EQ(data->SysButtons[1]->CombineOp, -1);
}

TEST(SkinBuild, CaptionButtonFramesFollowTheImageShapeWhenNotGiven) {
  struct Case {
    const char* keys;
    int width, height;
    int frames;
    bool keeps_image;
  };
  const Case cases[] = {
      {"Action=0", 60, 20, 3, true},                   // 3.0 wide per high: three states
      {"Action=0", 61, 16, 6, true},                   // 3.81: six
      {"Action=0", 76, 20, 3, true},                   // exactly 3.8
      {"Action=-1\r\nVisibility=0", 60, 20, 6, true},  // negative actions always six
      {"Action=0\r\nframe=4", 60, 20, 4, true},
      {"Action=3", 60, 20, 3, false},  // the icon button draws the window icon instead
      {"Action=11", 61, 16, 6, false},
      {"Action=3\r\nframe=2", 60, 20, 2, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.keys) + " " + std::to_string(c.width) + "x" + std::to_string(c.height));
    TestSkin skin;
    skin.definition = std::string("[Button0]\r\nButtonImage=c.bmp\r\n") + c.keys + "\r\n";
    skin.Bitmap("c.bmp", c.width, c.height);
    auto data = Build(skin);
    ASSERT_EQ(data->SysButtons.size(), 4u);
    EXPECT_EQ(data->SysButtons[0]->Frame, c.frames);
    EXPECT_EQ(data->SysButtons[0]->Bitmap->Empty(), !c.keeps_image);
  }
  TestSkin no_image;
  no_image.definition = "[Button0]\r\nAction=2\r\n";
  EXPECT_EQ(Build(no_image)->SysButtons[0]->Frame, 6);
}

TEST(SkinBuild, RestoreButtonTakesThePlaceOfTheMaximizeButtonBeforeIt) {
  TestSkin skin;
  skin.definition =
      "[Button0]\r\nAction=4\r\nXCoord=1\r\nYCoord=1\r\n"  // before any maximize: (0, 0)
      "[Button1]\r\nAction=1\r\nVisibility=2\r\nXCoord=49\r\nYCoord=5\r\n"
      "[Button2]\r\nAction=1\r\nVisibility=1\r\nXCoord=70\r\nYCoord=9\r\n"
      "[Button3]\r\nAction=4\r\nXCoord=3\r\nYCoord=3\r\n";
  auto data = Build(skin);
  EXPECT_EQ(data->SysButtons[0]->Xcoord, 0);
  EXPECT_EQ(data->SysButtons[0]->Ycoord, 0);
  EXPECT_EQ(data->SysButtons[3]->Xcoord, 49);
  EXPECT_EQ(data->SysButtons[3]->Ycoord, 5);
}

TEST(SkinBuild, MdiChildButtonsAreCutFromOneStrip) {
  // 12 frames of 5 pixels: button k is coloured k + 1 throughout its four frames.
  skinimage::Image strip(60, 9, 0);
  const skinimage::Rgb colours[3] = {0x112233, 0x445566, 0x778899};
  for (int k = 0; k < 3; ++k) strip.Fill({20 * k, 0, 20 * (k + 1), 9}, colours[k]);
  TestSkin skin;
  skin.definition = "[MDICONTROLS]\r\nImage=mdi.bmp\r\n";
  skin.Bitmap("mdi.bmp", strip);
  auto data = Build(skin);
  ASSERT_EQ(data->SysButtons.size(), 3u);
  for (int k = 0; k < 3; ++k) {
    SCOPED_TRACE(k);
    const auto& b = *data->SysButtons[static_cast<size_t>(k)];
    EXPECT_EQ(b.Action, 7 + k);
    EXPECT_EQ(b.Align, 100);
    EXPECT_EQ(b.Visibility, 100);
    EXPECT_EQ(b.Visibility1, 100);
    EXPECT_EQ(b.Frame, 4);
    EXPECT_EQ(b.Xcoord, 9 * (3 - k));
    ASSERT_EQ(b.Bitmap->Width(), 20);
    ASSERT_EQ(b.Bitmap->Height(), 9);
    EXPECT_EQ(b.Bitmap->Pixel(0, 0), Colorref(colours[k]));
    EXPECT_EQ(b.Bitmap->Pixel(19, 8), Colorref(colours[k]));
  }
  TestSkin none;
  none.definition = "[Form]\r\n";
  auto plain = Build(none);
  ASSERT_EQ(plain->SysButtons.size(), 3u);
  EXPECT_TRUE(plain->SysButtons[0]->Bitmap->Empty());
  EXPECT_EQ(plain->SysButtons[0]->Xcoord, 0);
}

// A skin naming a bitmap for every element, with every count key given: each record's frame
// count is the one the table of element frames gives.
TEST(SkinBuild, EveryElementsFrameCountIsTheOneTheFrameTableGives) {
  using skin::SkinElement;
  std::string definition =
      "[Personality]\r\nLeft=a.bmp\r\nLeftFrame=3\r\nRight=a.bmp\r\nTop=a.bmp\r\nTopFrame=2\r\n"
      "Bottom=a.bmp\r\nTextBack=a.bmp\r\nmenuBar=a.bmp\r\n"
      "[Buttons]\r\nBitmap=a.bmp\r\nCheckButton=c.bmp\r\nRadioButton=c.bmp\r\n"
      "RadioButtonFrame=8\r\nFrame=7\r\n"
      "[Button0]\r\nButtonImage=a.bmp\r\n"
      "[Progress]\r\nBitmap=a.bmp\r\nStyle=1\r\nFrame=7\r\n"
      "[Tabs]\r\nImage=a.bmp\r\nBorder=a.bmp\r\nFrame=7\r\n"
      "[UpDown.Horz]\r\nImage=a.bmp\r\nGlyphImage=a.bmp\r\nFrame=7\r\n"
      "[UpDown.Vert]\r\nImage=a.bmp\r\nGlyphImage=a.bmp\r\nFrame=7\r\n";
  // Every other element in a section of its own, with "Frame" and its count key set.
  for (const skin::ElementFrames& e : skin::AllElementFrames()) {
    if (definition.find("[" + std::string(e.section) + "]") != std::string::npos ||
        e.element == SkinElement::kCaptionButton)
      continue;
    definition += "[" + std::string(e.section) + "]\r\n" + std::string(e.image_key) + "=a.bmp\r\nFrame=7\r\n";
    if (!e.count_key.empty() && e.count_key != "Frame") definition += std::string(e.count_key) + "=4\r\n";
  }
  TestSkin skin;
  skin.definition = definition;
  skin.Bitmap("a.bmp", 46, 10).Bitmap("c.bmp", 65, 13);
  auto data = Build(skin);
  TSkinData& d = *data;
  skin::TMemoryStream text(std::span(reinterpret_cast<const uint8_t*>(definition.data()), definition.size()));
  skin::TQuickIni ini;
  ini.LoadFromStream(&text);

  auto frame = [](const auto& slot) { return slot ? slot->Frame : -1000; };
  const std::pair<SkinElement, int32_t> built[] = {
      {SkinElement::kBorderLeft, frame(d.BorderLeft)},
      {SkinElement::kBorderRight, frame(d.BorderRight)},
      {SkinElement::kBorderTop, frame(d.BorderTop)},
      {SkinElement::kBorderBottom, frame(d.BorderBottom)},
      {SkinElement::kTitle, frame(d.Title)},
      {SkinElement::kMenuBar, frame(d.MenuBar)},
      {SkinElement::kButtons, frame(d.Buttons)},
      {SkinElement::kCheckBox, d.Buttons->CheckFrames},
      {SkinElement::kRadioButton, d.Buttons->RadioFrames},
      {SkinElement::kProgress, frame(d.Progress)},
      {SkinElement::kProgressChunk, frame(d.ProgressChunk)},
      {SkinElement::kGroupBoxEdge, frame(d.GroupBoxEdge)},
      {SkinElement::kGroupBox, frame(d.GroupBox)},
      {SkinElement::kTabs, frame(d.Tabs)},
      {SkinElement::kStatusBarEdges, frame(d.StatusBarEdges)},
      {SkinElement::kTabPane, frame(d.TabPane)},
      {SkinElement::kToolBars, frame(d.ToolBars)},
      {SkinElement::kComboButton, frame(d.ComboButton)},
      {SkinElement::kSunkEdge, frame(d.SunkEdge)},
      {SkinElement::kExtraImages, frame(d.ExtraImages)},
      {SkinElement::kHeaderbar, frame(d.Headerbar)},
      {SkinElement::kMenuItem, frame(d.MenuItem)},
      {SkinElement::kMenuBackground, frame(d.MenuBackground)},
      {SkinElement::kScrollbar, frame(d.Scrollbar)},
      {SkinElement::kHorzScroll, frame(d.HorzScroll)},
      {SkinElement::kVertScroll, frame(d.VertScroll)},
      {SkinElement::kHorzScrollThumb, frame(d.HorzScrollThumb)},
      {SkinElement::kVertScrollThumb, frame(d.VertScrollThumb)},
      {SkinElement::kTrackbarThumbHorz, frame(d.TrackbarThumbHorz)},
      {SkinElement::kTrackbarThumbVert, frame(d.TrackbarThumbVert)},
      {SkinElement::kTrackbarThumbLeft, frame(d.TrackbarThumbLeft)},
      {SkinElement::kTrackbarThumbRight, frame(d.TrackbarThumbRight)},
      {SkinElement::kTrackbarThumbUp, frame(d.TrackbarThumbUp)},
      {SkinElement::kTrackbarThumbDown, frame(d.TrackbarThumbDown)},
      {SkinElement::kUpDownHorz, frame(d.UpDownHorz)},
      {SkinElement::kUpDownVert, frame(d.UpDownVert)},
      {SkinElement::kTrack, frame(d.Track)},
      {SkinElement::kTrackVert, frame(d.TrackVert)},
      {SkinElement::kCaptionButton, d.SysButtons.front()->Frame},
  };
  for (const auto& [element, frames] : built) {
    const skin::ElementFrames& e = skin::FramesOf(element);
    SCOPED_TRACE(std::string(e.section) + " " + std::string(e.image_key));
    const bool check_image = element == SkinElement::kCheckBox || element == SkinElement::kRadioButton;
    const skin::FrameImageSize size = check_image ? skin::FrameImageSize{65, 13} : skin::FrameImageSize{46, 10};
    const std::string_view section = element == SkinElement::kCaptionButton ? "Button0" : e.section;
    EXPECT_EQ(frames, skin::BuildFrameCount(e, ini, section, size));
  }
  // The rest have no record of their own: the tab border and the up-down glyphs go with their
  // elements, the MDI strip is cut into three caption buttons, and MinCaption is not loaded.
  EXPECT_EQ(std::size(built) + 5, skin::AllElementFrames().size());
  const auto& mdi = *d.SysButtons.back();
  EXPECT_EQ(mdi.Frame, skin::MdiFrames::kStatesPerButton);
  EXPECT_EQ(mdi.Bitmap->Width(), 46 / skin::MdiFrames::kCount * skin::MdiFrames::kStatesPerButton);
  // Spot checks against the counts the table cannot get wrong with its own rules.
  EXPECT_EQ(d.BorderLeft->Frame, 3);
  EXPECT_EQ(d.Buttons->CheckFrames, 5);
  EXPECT_EQ(d.Buttons->RadioFrames, 8);
  EXPECT_EQ(d.Progress->Frame, 1);
  EXPECT_EQ(d.HorzScrollThumb->Frame, 4);
  EXPECT_EQ(d.Headerbar->Frame, 7);
  EXPECT_EQ(d.Scrollbar->Frame, 23);
  EXPECT_EQ(d.SysButtons.front()->Frame, 6);  // 46 × 10 is wider than 3.8 to 1
}

TEST(SkinBuild, FinalFrameCountsOverrideTheDefinition) {
  TestSkin skin;
  skin.definition =
      "[Scrollbar]\r\nImage=a.bmp\r\nFrame=7\r\n"
      "[Headerbar]\r\nImage=a.bmp\r\n"
      "[MenuItem]\r\nImage=a.bmp\r\nFrame=2\r\n"
      "[HorzScrollThumb]\r\nImage=a.bmp\r\nFrameCount=4\r\nFrame=9\r\n"
      "[VertScrollThumb]\r\nImage=a.bmp\r\n"
      "[Progress.Chunk]\r\nImage=a.bmp\r\nFrame=7\r\n"
      "[Progress]\r\nBitmap=a.bmp\r\nStyle=0\r\n"
      "[Track]\r\nImage=a.bmp\r\nFrame=3\r\n"
      "[UpDown.Horz]\r\nImage=a.bmp\r\nGlyphImage=g.bmp\r\n";
  skin.Bitmap("a.bmp", 46, 10).Bitmap("g.bmp", 3, 2);
  auto data = Build(skin);
  EXPECT_EQ(data->Scrollbar->Frame, 23);
  EXPECT_EQ(data->Headerbar->Frame, 5);
  EXPECT_EQ(data->MenuItem->Frame, 5);
  EXPECT_EQ(data->HorzScrollThumb->Frame, 4);
  EXPECT_EQ(data->VertScrollThumb->Frame, 3);
  EXPECT_EQ(data->ProgressChunk->Frame, 7);
  EXPECT_EQ(data->Progress->Frame, 2);
  EXPECT_EQ(data->Track->Frame, 3);
  EXPECT_EQ(data->UpDownHorz->Frame, 8);
  EXPECT_EQ(data->UpDownHorz->Bitmap2->Width(), 3);
  EXPECT_EQ(data->Title->Frame, 2);
  EXPECT_EQ(data->Buttons->Frame, 5);
}

TEST(SkinBuild, TabPaneMarginsAreCappedAtFour) {
  TestSkin skin;
  skin.definition =
      "[Tab.Pane]\r\nImage=a.bmp\r\nLeftWidth=9\r\nTopHeight=4\r\nRightWidth=3\r\nBottomHeight="
      "100\r\n";
  skin.Bitmap("a.bmp", 20, 20);
  auto data = Build(skin);
  ASSERT_TRUE(data->TabPane);
  EXPECT_EQ(data->TabPane->Name, "Tab.Pane");
  EXPECT_EQ(data->TabPane->LeftWidth, 4);
  EXPECT_EQ(data->TabPane->TopHeight, 4);
  EXPECT_EQ(data->TabPane->RightWidth, 3);
  EXPECT_EQ(data->TabPane->BottomHeight, 4);
}

TEST(SkinBuild, ColoursTakeTheSkinsValuesAndSystemColoursOtherwise) {
  TestSkin skin;
  skin.definition =
      "[Colours]\r\nButtonFace=10, 20, 30\r\nHilight=1 2 3\r\nScrollbar=junk\r\n"
      "[Colour1]\r\ncolor=5,6,7\r\n[Colours]\r\n[COLOURS2]\r\n[ColourNone]\r\n"
      "[Customcolors]\r\nColor0=1,1,1\r\nColor9=0,0,9\r\n";
  auto data = Build(skin);
  EXPECT_EQ(data->Colours[skin::ciButtonFace], 0x1E140A);
  EXPECT_TRUE(data->ColourSet[skin::ciButtonFace]);
  EXPECT_EQ(data->Colours[skin::ciMenubar], 0x1E140A);  // follows ButtonFace when absent
  EXPECT_FALSE(data->ColourSet[skin::ciMenubar]);
  EXPECT_EQ(data->Colours[skin::ciHilight], 0x030201);
  EXPECT_EQ(data->Colours[skin::ciScrollbar], 0);  // text without numbers: black
  EXPECT_TRUE(data->ColourSet[skin::ciScrollbar]);
  struct Default {
    int index;
    int system;
  };
  for (Default d : {Default{skin::ciWindowText, COLOR_WINDOWTEXT},
                    {skin::ciTitleTextActive, COLOR_CAPTIONTEXT},
                    {skin::ciTitleTextNoActive, COLOR_INACTIVECAPTIONTEXT},
                    {skin::ciButtonText, COLOR_BTNTEXT},
                    {skin::ciButtonHilight, COLOR_BTNHIGHLIGHT},
                    {skin::ciButtonlight, COLOR_BTNHIGHLIGHT},
                    {skin::ciButtonShadow, COLOR_BTNSHADOW},
                    {skin::ciButtonDkShadow, COLOR_3DDKSHADOW},
                    {skin::ciHilightText, COLOR_HIGHLIGHTTEXT},
                    {skin::ciMenuBarText, COLOR_MENUTEXT},
                    {skin::ciMenuText, COLOR_MENUTEXT},
                    {skin::ciMenu, COLOR_MENU}}) {
    EXPECT_EQ(data->Colours[static_cast<size_t>(d.index)], static_cast<fw::TColor>(0xFF000000u | d.system)) << d.index;
    EXPECT_FALSE(data->ColourSet[static_cast<size_t>(d.index)]) << d.index;
  }
  EXPECT_EQ(data->Colours[9], 0);
  EXPECT_EQ(data->Colours[10], 0);
  // Colour sections other than "Colours", in order; a missing key gives the window text colour.
  EXPECT_EQ(data->ColourSections, (std::vector<fw::TColor>{0x070605, fw::clWindowText, fw::clWindowText}));
  EXPECT_EQ(data->CustomColors[0], 0x010101);
  EXPECT_EQ(data->CustomColors[5], 0xFFFFFF);
  EXPECT_EQ(data->CustomColors[9], 0x090000);
  LOGBRUSH brush{};
  ASSERT_TRUE(GetObjectA(data->FaceBrush.get(), sizeof brush, &brush));
  EXPECT_EQ(brush.lbColor, 0x1E140Au);
}

TEST(SkinBuild, ImageValuesNameTheirFileAndOnlyLowerCaseBmpLoads) {
  TestSkin skin;
  skin.definition =
      "[Scrollbar]\r\nImage=skins\\deep\\a.bmp\r\n"
      "[HorzScroll]\r\nImage=skins/a.bmp\r\n"
      "[VertScroll]\r\nImage=a.BMP\r\n"
      "[MenuItem]\r\nImage=missing.bmp\r\n"
      "[MenuBackground]\r\nImage=broken.bmp\r\n"
      "[ExtraImages]\r\nImage=empty.bmp\r\n";
  skin.Bitmap("a.bmp", 5, 3);
  skin.files.push_back({"broken.bmp", skin::testing::BytesOf("BM not really a bitmap")});
  skin.files.push_back({"empty.bmp", {}});
  auto data = Build(skin);
  EXPECT_EQ(data->Scrollbar->Bitmap->Width(), 5);
  EXPECT_EQ(data->HorzScroll->Bitmap->Width(), 5);
  // The element exists in each of these cases; only its image is empty.
  for (const TDataSkinObject* e :
       {data->VertScroll.get(), data->MenuItem.get(), data->MenuBackground.get(), data->ExtraImages.get()}) {
    ASSERT_NE(e, nullptr);
    EXPECT_TRUE(e->Bitmap->Empty()) << e->Name;
  }
}

TEST(SkinBuild, BordersTitleAndButtonsComeFromTheirKeys) {
  TestSkin skin;
  skin.definition =
      "[Personality]\r\nTop=t.bmp\r\nTopTopHeight=8\r\nTopBotHeight=9\r\nTopFrame=2\r\nTopStretch="
      "3\r\n"
      "LeftTopHeight=28\r\nLeftBotHeight=5\r\nLeftTrans=0\r\n"
      "TextShift=16\r\nTextShiftVert=2\r\nTextRightClip=20\r\nTextAlignment=1\r\n"
      "ActiveTextR=1\r\nActiveTextG=2\r\nActiveTextB=3\r\nInActiveTextR=1\r\nInActiveTextG=2\r\n"
      "[Fonts]\r\nFontHeight=0x10\r\n"
      "[Buttons]\r\nBitmap=b.bmp\r\nLeftWidth=7\r\nTile=5\r\nPressedColour2=9,9,9\r\n"
      "RadioButton=r.bmp\r\nCheckButton=c.bmp\r\nCheckButtonFrame=3\r\n";
  skinimage::Image top(30, 20, 0x000000);
  top.Fill({0, 0, 30, 10}, 0x0A0B0C);  // frame 1 of 2
  skin.Bitmap("t.bmp", top).Bitmap("b.bmp", 50, 20).Bitmap("r.bmp", 65, 13).Bitmap("c.bmp", 64, 16);
  auto data = Build(skin);
  const auto& t = *data->BorderTop;
  EXPECT_EQ(t.LeftWidth, 8);
  EXPECT_EQ(t.RightWidth, 9);
  EXPECT_EQ(t.TopHeight, 0);
  EXPECT_EQ(t.Frame, 2);
  EXPECT_EQ(t.Tile, 1);
  EXPECT_EQ(t.Stretch(), 1) << "a frame border's Tile slot is its Stretch key";
  EXPECT_EQ(t.Trans, 1);
  EXPECT_EQ(t.Bitmap->Width(), 30);
  const auto& l = *data->BorderLeft;
  EXPECT_EQ(l.TopHeight, 28);
  EXPECT_EQ(l.BottomHeight, 5);
  EXPECT_EQ(l.LeftWidth, 0);
  EXPECT_EQ(l.Trans, 0);
  EXPECT_EQ(l.Frame, 1);
  EXPECT_TRUE(l.Bitmap->Empty());

  const auto& title = *data->Title;
  EXPECT_EQ(title.LeftWidth, 16);
  EXPECT_EQ(title.TopHeight, 2);
  EXPECT_EQ(title.RightWidth, 20);
  EXPECT_EQ(title.TextShift(), 16);
  EXPECT_EQ(title.TextShiftVert(), 2);
  EXPECT_EQ(title.TextRightClip(), 20);
  EXPECT_EQ(title.TextAlignment, 1);
  EXPECT_EQ(title.FontHeight, 16);
  EXPECT_EQ(title.ActiveTextColour, 0x030201);
  EXPECT_EQ(title.InActiveTextColour, fw::clNone);  // blue missing

  const auto& b = *data->Buttons;
  EXPECT_EQ(b.LeftWidth, 7);
  EXPECT_EQ(b.Tile, 0);
  EXPECT_FALSE(b.HasNormalColour2);
  EXPECT_TRUE(b.HasPressedColour2);
  EXPECT_EQ(b.PressedColour2, 0x090909);
  EXPECT_EQ(b.NormalColour2, static_cast<fw::TColor>(0xFF000000u | COLOR_BTNTEXT));
  EXPECT_EQ(b.NormalColour, -1);
  EXPECT_EQ(b.RadioFrames, 5);  // 65 wide, 13 high: 13-pixel frames
  EXPECT_EQ(b.CheckFrames, 3);
  EXPECT_EQ(data->Colours[skin::ciTitleSample],
            0x0C0B0A);  // a third into frame 1 of the top border
}

TEST(SkinBuild, CheckAndRadioFramesWithoutCountsAreAtLeastFour) {
  TestSkin skin;
  skin.definition = "[Buttons]\r\nRadioButton=r.bmp\r\nCheckButton=c.bmp\r\n";
  skin.Bitmap("r.bmp", 40, 13).Bitmap("c.bmp", 96, 16);
  auto data = Build(skin);
  EXPECT_EQ(data->Buttons->RadioFrames, 4);  // 40 div 13 = 3, raised to 4
  EXPECT_EQ(data->Buttons->CheckFrames, 6);  // 96 div 16
}

TEST(SkinBuild, MenuBarGroupBoxAndTwoImageElements) {
  TestSkin skin;
  skin.definition =
      "[Personality]\r\nmenuBar=m.bmp\r\nTileMenu=4\r\nTileLeftMenu=6\r\n"
      "[GroupBox]\r\nImage=a.bmp\r\nBackgroundAlignment=2\r\nBackgroundLeftShift=3\r\nFrame=9\r\n"
      "[Tabs]\r\nImage=a.bmp\r\nBorder=g.bmp\r\nNormalColour=255\r\nMouseOverColour2=1,2,3\r\n";
  skin.Bitmap("m.bmp", 4, 44).Bitmap("a.bmp", 10, 10).Bitmap("g.bmp", 2, 2);
  auto data = Build(skin);
  ASSERT_TRUE(data->MenuBar && data->GroupBox && data->Tabs);
  EXPECT_EQ(data->MenuBar->Name, "Personality");
  EXPECT_EQ(data->MenuBar->Tile, 1);
  EXPECT_EQ(data->MenuBar->LeftWidth, 6);
  EXPECT_EQ(data->MenuBar->RightWidth, 1);
  EXPECT_EQ(data->MenuBar->Frame, 2);
  EXPECT_EQ(data->GroupBox->BackgroundAlignment, 2);
  EXPECT_EQ(data->GroupBox->BackgroundLeftShift, 3);
  EXPECT_EQ(data->GroupBox->Frame, 1);
  EXPECT_EQ(data->Tabs->Bitmap2->Width(), 2);
  EXPECT_EQ(data->Tabs->NormalColour, 255);
  EXPECT_EQ(data->Tabs->PressedColour, -1);
  EXPECT_EQ(data->Tabs->MouseOverColour2, 0x030201);
  EXPECT_EQ(data->Tabs->Frame, 5);
}

TEST(SkinBuild, ComboBoxImagesAreComposedFromTheSunkenEdgeAndTheButton) {
  // Four 10 x 21 button frames, the sunken edge a plain grey.
  skinimage::Image button(40, 21, 0x2040C0);
  TestSkin skin;
  skin.definition =
      "[ComboButton]\r\nImage=btn.bmp\r\n"
      "[SunkEdge]\r\nImage=edge.bmp\r\nLeftWidth=3\r\nTopHeight=2\r\nRightWidth=3\r\nBottomHeight="
      "2\r\n";
  skin.Bitmap("btn.bmp", button).Bitmap("edge.bmp", 40, 21, 0x808080);
  auto data = Build(skin);
  const int b = GetSystemMetrics(SM_CXHSCROLL) + 2;
  const auto& combo = *data->ComboButton;
  EXPECT_EQ(combo.Style, 2);
  EXPECT_EQ(combo.LeftWidth, 2);
  EXPECT_EQ(combo.RightWidth, b + 2);
  EXPECT_EQ(combo.TopHeight, 2);
  EXPECT_EQ(combo.BottomHeight, 2);
  ASSERT_EQ(combo.Bitmap->Width(), 200);
  ASSERT_EQ(combo.Bitmap->Height(), 21);
  // Frame 2: the edge at its left, the key-coloured hole, the button at its right end.
  EXPECT_EQ(combo.Bitmap->Pixel(50, 10), RGB(0x80, 0x80, 0x80));
  EXPECT_EQ(combo.Bitmap->Pixel(60, 10), RGB(255, 0, 255));
  EXPECT_EQ(combo.Bitmap->Pixel(99, 10), RGB(0x20, 0x40, 0xC0));
  // The sunken edge gets the mirror image: the button at the left.
  const auto& edge = *data->SunkEdge;
  EXPECT_EQ(edge.LeftWidth, b + 2);
  EXPECT_EQ(edge.RightWidth, 2);
  EXPECT_EQ(edge.TopHeight, 2);
  EXPECT_EQ(edge.Bitmap->Pixel(0, 10), RGB(0x20, 0x40, 0xC0));
  EXPECT_EQ(edge.Bitmap->Pixel(199, 10), RGB(0x80, 0x80, 0x80));
  // The arrow: 17 x 17 per frame from the button's end of each combo frame.
  const auto& arrow = *data->ComboxArrow;
  EXPECT_EQ(arrow.Frame, 4);
  EXPECT_EQ(arrow.Bitmap->Width(), 68);
  EXPECT_EQ(arrow.Bitmap->Height(), 17);
  EXPECT_EQ(arrow.Bitmap->Pixel(16, 8), RGB(0x20, 0x40, 0xC0));
  // The mirrored copy of the button as loaded.
  EXPECT_EQ(combo.Bitmap2->Width(), 40);
}

TEST(SkinBuild, ComboArrowWithoutSunkenEdgeIsTheButtonOnTheFaceColour) {
  skinimage::Image button(8, 4, 0xFF00FF);
  button.Set(1, 1, 0x102030);
  TestSkin skin;
  skin.definition = "[ComboButton]\r\nImage=btn.bmp\r\n[Colours]\r\nButtonFace=1,2,3\r\n";
  skin.Bitmap("btn.bmp", button);
  auto data = Build(skin);
  const auto& arrow = *data->ComboxArrow;
  EXPECT_EQ(arrow.Name, "ComboxArrow");
  EXPECT_EQ(arrow.Frame, 4);
  EXPECT_EQ(arrow.Bitmap->Pixel(0, 0), RGB(1, 2, 3));
  EXPECT_EQ(arrow.Bitmap->Pixel(1, 1), RGB(0x10, 0x20, 0x30));
  EXPECT_EQ(data->ComboButton->Style, 0);

  // A skin without a combo button leaves the arrow without an image, even after one that had it.
  TestSkin plain;
  plain.definition = "[SunkEdge]\r\nImage=btn.bmp\r\n";
  plain.Bitmap("btn.bmp", button);
  data->SetSkinStream(plain.Stored());
  ASSERT_TRUE(data->ComboxArrow);
  EXPECT_TRUE(data->ComboxArrow->Bitmap->Empty());
}

TEST(SkinBuild, TracksFallBackToTheProgramsOwnImages) {
  TestSkin skin;
  skin.definition = "[Form]\r\n";
  auto data = Build(skin);
  struct Case {
    const TDataSkinObject* element;
    const char* name;
    int width, height;
  };
  for (const Case& c : {Case{data->Track.get(), "TRACK", 16, 4}, Case{data->TrackVert.get(), "TRACKVERT", 4, 16}}) {
    ASSERT_NE(c.element, nullptr) << c.name;
    EXPECT_EQ(c.element->Name, c.name);
    EXPECT_EQ(c.element->Bitmap->Width(), c.width);
    EXPECT_EQ(c.element->Bitmap->Height(), c.height);
    EXPECT_EQ(c.element->LeftWidth, 3);
    EXPECT_EQ(c.element->TopHeight, 3);
    EXPECT_EQ(c.element->RightWidth, 3);
    EXPECT_EQ(c.element->BottomHeight, 3);
    EXPECT_EQ(c.element->Tile, 0);
    EXPECT_EQ(c.element->Frame, 1);
  }
}

TEST(SkinBuild, TheToolbarGradientRunsFromALightFaceToTheTitleColour) {
  TestSkin skin;
  skin.definition = "[Colours]\r\nButtonFace=200,200,200\r\n";  // no top border: the sample is the face
  auto data = Build(skin);
  const fw::TColor face = 0xC8C8C8;
  EXPECT_EQ(data->Colours[skin::ciTitleSample], face);
  const auto& bar = *data->Toolbar;
  EXPECT_EQ(bar.Name, "Toolbar");
  EXPECT_EQ(bar.Frame, 1);
  ASSERT_EQ(bar.Bitmap->Width(), 10);
  ASSERT_EQ(bar.Bitmap->Height(), 40);
  // A grey sample has low saturation: the bottom mixes 15 % of mid grey into it. (The ramp's last
  // line may fall one short of its end colour.)
  EXPECT_EQ(bar.Bitmap->Pixel(5, 0), static_cast<COLORREF>(skin::MixColors(face, fw::clWhite, 150)));
  EXPECT_PRED2(Near, bar.Bitmap->Pixel(5, 39), skin::MixColors(0x808080, face, 150));

  // A saturated title colour lightens towards white instead.
  TestSkin blue;
  blue.definition = "[Personality]\r\nTop=t.bmp\r\nTopFrame=1\r\n";
  blue.Bitmap("t.bmp", 30, 9, 0x2060E0);
  auto data2 = Build(blue);
  const fw::TColor sample = 0xE06020;
  ASSERT_EQ(data2->Colours[skin::ciTitleSample], sample);
  const int s = skin::ColorSaturation(sample);
  ASSERT_GT(s, 110);
  EXPECT_PRED2(Near, data2->Toolbar->Bitmap->Pixel(0, 39),
               skin::MixColors(sample, fw::clWhite, (5625 - 25 * s) / 140 + 50));
}

TEST(SkinBuild, ALaterSkinReplacesEveryLoadedElement) {
  TestSkin first;
  first.definition =
      "[Scrollbar]\r\nImage=a.bmp\r\n[TitlebarSkin]\r\nSkinName=One\r\n[Colour1]\r\ncolor=1,1,"
      "1\r\n";
  first.Bitmap("a.bmp", 4, 4);
  auto data = Build(first);
  ASSERT_TRUE(data->Scrollbar);
  EXPECT_EQ(data->SkinName, "One");
  TestSkin second;
  second.definition = "[Headerbar]\r\nImage=a.bmp\r\n";
  second.Bitmap("a.bmp", 4, 4);
  data->SetSkinStream(second.Stored());
  EXPECT_FALSE(data->Scrollbar);
  EXPECT_TRUE(data->Headerbar);
  EXPECT_EQ(data->SkinName, "");
  EXPECT_TRUE(data->ColourSections.empty());
}

// ---- The program's default skin ----------------------------------------------------------------

class DefaultSkinBuild : public testing::Test {
 protected:
  void SetUp() override {
    const skintest::Bytes stored = skintest::DefaultStoredSkin();
    ASSERT_GT(stored.size(), 4u) << "DEFAULTSKIN resource missing";
    data_ = std::make_unique<TSkinData>(nullptr);
    data_->SetSkinStream(stored);
    ASSERT_FALSE(data_->SkinEmpty());
    // The definition and the bitmaps, read independently of the build.
    skin::TMemoryStream file(std::span<const uint8_t>(stored.data() + 4, stored.size() - 4));
    ASSERT_TRUE(archive_.ReadArchive(file));
    skin::TMemoryStream text;
    std::string name;
    archive_.FindEntry(".ini", text, name);
    ini_.LoadFromStream(&text);
  }

  // Width and height of the bitmap that a section's key names.
  std::pair<int, int> ImageSize(const std::string& section, const std::string& key) const {
    const auto entry = skin::BitmapEntryName(ini_.ReadString(section, key, ""));
    if (!entry) return {0, 0};
    skin::TMemoryStream bytes;
    archive_.GetEntry(*entry, bytes);
    std::string error;
    const auto info = skinimage::ReadBmpInfo(bytes.Bytes(), error);
    return info ? std::pair{info->width, info->height} : std::pair{0, 0};
  }

  std::unique_ptr<TSkinData> data_;
  skin::TSkinReader archive_;
  skin::TQuickIni ini_;
};

TEST_F(DefaultSkinBuild, EveryDefinedElementMatchesItsSection) {
  struct Slot {
    const TDataSkinObject* element;
    const char* section;
    const char* image_key;
    int frames;
  };
  TSkinData& d = *data_;
  const Slot slots[] = {
      {d.Progress.get(), "Progress", "Bitmap", 1},  // Style 1
      {d.ProgressChunk.get(), "Progress.Chunk", "Image", 0},
      {d.Tabs.get(), "Tabs", "Image", 5},
      {d.StatusBarEdges.get(), "StatusBarEdges", "Image", 3},
      {d.ComboButton.get(), "ComboButton", "Image", 4},
      {d.ExtraImages.get(), "ExtraImages", "Image", 5},
      {d.Headerbar.get(), "Headerbar", "Image", 5},
      {d.MenuItem.get(), "MenuItem", "Image", 5},
      {d.MenuBackground.get(), "MenuBackground", "Image", 1},
      {d.Scrollbar.get(), "Scrollbar", "Image", 23},
      {d.HorzScroll.get(), "HorzScroll", "Image", 4},
      {d.VertScroll.get(), "VertScroll", "Image", 4},
      {d.HorzScrollThumb.get(), "HorzScrollThumb", "Image", 4},
      {d.VertScrollThumb.get(), "VertScrollThumb", "Image", 4},
      {d.TrackbarThumbHorz.get(), "Trackbar.ThumbHorz", "Image", 5},
      {d.TrackbarThumbDown.get(), "Trackbar.ThumbDown", "Image", 5},
      {d.UpDownHorz.get(), "UpDown.Horz", "Image", 8},
      {d.UpDownVert.get(), "UpDown.Vert", "Image", 8},
      {d.Track.get(), "Track", "Image", 1},
      {d.TrackVert.get(), "TRACKVERT", "Image", 1},
  };
  for (const Slot& s : slots) {
    SCOPED_TRACE(s.section);
    ASSERT_NE(s.element, nullptr);
    EXPECT_EQ(s.element->Name, s.section);
    EXPECT_EQ(s.element->LeftWidth, ini_.ReadInteger(s.section, "LeftWidth", 0));
    EXPECT_EQ(s.element->TopHeight, ini_.ReadInteger(s.section, "TopHeight", 0));
    EXPECT_EQ(s.element->RightWidth, ini_.ReadInteger(s.section, "RightWidth", 0));
    EXPECT_EQ(s.element->BottomHeight, ini_.ReadInteger(s.section, "BottomHeight", 0));
    EXPECT_EQ(s.element->Frame, s.frames);
    const auto [width, height] = ImageSize(s.section, s.image_key);
    EXPECT_GT(width, 0);
    EXPECT_EQ(s.element->Bitmap->Width(), width);
    EXPECT_EQ(s.element->Bitmap->Height(), height);
  }
  // The tab pane's right and bottom margins (7 and 5) are capped.
  ASSERT_TRUE(d.TabPane);
  EXPECT_EQ(d.TabPane->LeftWidth, 3);
  EXPECT_EQ(d.TabPane->TopHeight, 4);
  EXPECT_EQ(d.TabPane->RightWidth, 4);
  EXPECT_EQ(d.TabPane->BottomHeight, 4);
  EXPECT_EQ(d.TabPane->Frame, 1);
  EXPECT_EQ(d.UpDownVert->Bitmap2->Width(), ImageSize("UpDown.Vert", "GlyphImage").first);
  // Without a sunken edge the combo arrow is the button image on the face colour.
  EXPECT_EQ(d.ComboxArrow->Frame, 4);
  EXPECT_EQ(d.ComboxArrow->Bitmap->Width(), d.ComboButton->Bitmap->Width());
  EXPECT_EQ(d.ComboButton->Style, 1);
}

TEST_F(DefaultSkinBuild, ElementsTheSkinDoesNotDefineStayEmpty) {
  TSkinData& d = *data_;
  const std::pair<const TDataSkinObject*, const char*> empty[] = {
      {d.MenuBar.get(), "MenuBar"},
      {d.GroupBoxEdge.get(), "GroupBoxEdge"},
      {d.GroupBox.get(), "GroupBox"},
      {d.ToolBars.get(), "ToolBars"},
      {d.SunkEdge.get(), "SunkEdge"},
      {d.TrackbarThumbVert.get(), "TrackbarThumbVert"},
      {d.TrackbarThumbLeft.get(), "TrackbarThumbLeft"},
      {d.TrackbarThumbRight.get(), "TrackbarThumbRight"},
      {d.TrackbarThumbUp.get(), "TrackbarThumbUp"},
  };
  for (const auto& [element, name] : empty) EXPECT_EQ(element, nullptr) << name;
}

TEST_F(DefaultSkinBuild, FrameCaptionButtonsAndColours) {
  TSkinData& d = *data_;
  for (auto* border : {d.BorderLeft.get(), d.BorderRight.get(), d.BorderTop.get(), d.BorderBottom.get()}) {
    EXPECT_EQ(border->Frame, 2) << border->Name;
    EXPECT_FALSE(border->Bitmap->Empty()) << border->Name;
  }
  EXPECT_EQ(d.BorderLeft->TopHeight, 28);
  EXPECT_EQ(d.BorderLeft->BottomHeight, 5);
  EXPECT_EQ(d.BorderTop->LeftWidth, 8);
  EXPECT_EQ(d.BorderBottom->Trans, 0);
  EXPECT_EQ(d.Title->LeftWidth, 16);
  EXPECT_EQ(d.Title->FontHeight, 14);
  EXPECT_EQ(d.Buttons->LeftWidth, 7);
  EXPECT_EQ(d.Buttons->RightWidth, 8);
  EXPECT_EQ(d.Buttons->CheckFrames, 12);
  EXPECT_EQ(d.Buttons->RadioFrames, 8);
  EXPECT_EQ(d.SkinName, ini_.ReadString("TitlebarSkin", "SkinName", "?"));

  // Close, maximize, minimize, restore, the icon button, then the three MDI child buttons.
  ASSERT_EQ(d.SysButtons.size(), 8u);
  const int actions[] = {0, 1, 2, 1, 3, 7, 8, 9};
  for (size_t i = 0; i < 8; ++i) EXPECT_EQ(d.SysButtons[i]->Action, actions[i]) << i;
  EXPECT_EQ(d.SysButtons[4]->Frame, 6);  // the icon button has no image of its own
  EXPECT_TRUE(d.SysButtons[4]->Bitmap->Empty());
  for (size_t i = 0; i < 4; ++i) {
    const auto [width, height] = ImageSize("Button" + std::to_string(i), "ButtonImage");
    EXPECT_EQ(d.SysButtons[i]->Bitmap->Width(), width) << i;
    EXPECT_EQ(d.SysButtons[i]->Frame, width <= 3.8 * height ? 3 : 6) << i;
  }
  EXPECT_FALSE(d.SysButtons[5]->Bitmap->Empty());

  using skinart_colour = uint32_t;
  const std::pair<int, skinart_colour> given[] = {
      {skin::ciButtonFace, RGB(227, 238, 253)}, {skin::ciTitleTextActive, RGB(122, 133, 169)},
      {skin::ciMenubar, RGB(227, 238, 253)},    {skin::ciHilight, RGB(158, 177, 205)},
      {skin::ciMenuText, RGB(0, 0, 0)},
  };
  for (const auto& [index, colour] : given) {
    EXPECT_TRUE(d.ColourSet[static_cast<size_t>(index)]) << index;
    EXPECT_EQ(static_cast<COLORREF>(d.Colours[static_cast<size_t>(index)]), colour) << index;
  }
  EXPECT_FALSE(d.ColourSet[skin::ciWindowText]);
  EXPECT_FALSE(d.ColourSet[skin::ciScrollbar]);
  EXPECT_EQ(d.Colours[skin::ciTitleSample],
            static_cast<fw::TColor>(
                d.BorderTop->Bitmap->Pixel(d.BorderTop->Bitmap->Width() / 3, d.BorderTop->Bitmap->Height() / 2 / 3)));
  EXPECT_EQ(d.Toolbar->Bitmap->Width(), 10);
}

}  // namespace
