// The element build: turns the definition of a freshly decoded skin into the element records, the
// colour tables and the images synthesized from other elements.
#include <algorithm>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "framework/handles.h"
#include "skin/core/bitmap_file.h"
#include "skin/core/parse_colour.h"
#include "skin/core/skin_data.h"
#include "skin/paint/skin_paint.h"
#include "skin/resources/element_frames.h"
#include "skin/resources/imgutil.h"
#include "skin/resources/quick_ini.h"
#include "skin/resources/skin_reader.h"

namespace skin {

namespace {

constexpr TColor kMagenta = 0xFF00FF;
constexpr int kComboWidth = 50;
constexpr int kComboHeight = 21;
constexpr int kComboArrowSide = 17;

std::string UpperAscii(std::string_view text) {
  std::string upper(text);
  for (char& c : upper)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return upper;
}

void FillRectWith(HDC dc, const RECT& rect, TColor colour) {
  fw::UniqueBrush brush(CreateSolidBrush(fw::ColorToRGB(colour)));
  FillRect(dc, &rect, brush.get());
}

// A 24-bit copy of a part of `source`.
fw::TBitmap CopyPart(const fw::TBitmap& source, const RECT& part) {
  fw::TBitmap copy(part.right - part.left, part.bottom - part.top, fw::pf24bit);
  BitBlt(copy.DC(), 0, 0, copy.Width(), copy.Height(), source.DC(), part.left, part.top, SRCCOPY);
  GdiFlush();
  return copy;
}

fw::TBitmap Copy24(const fw::TBitmap& source) {
  fw::TBitmap copy;
  copy.Assign(source);
  copy.SetPixelFormat(fw::pf24bit);
  return copy;
}

FrameImageSize SizeOf(const fw::TBitmap& bitmap) { return {bitmap.Width(), bitmap.Height()}; }

FrameMargins MarginsOf(const TDataSkinObject& element) {
  return FrameMargins{element.LeftWidth, element.TopHeight, element.RightWidth, element.BottomHeight};
}

// One build: the definition, the archive, the work stream the bitmaps pass through, and the
// component being filled.
class SkinBuilder {
 public:
  SkinBuilder(TSkinData& data, const TQuickIni& ini, const TSkinReader& archive)
      : d_(data), ini_(ini), archive_(archive) {}

  void Run();

 private:
  int32_t Int(std::string_view section, std::string_view key, int32_t fallback) const {
    return ini_.ReadInteger(section, key, fallback);
  }
  std::string Str(std::string_view section, std::string_view key) const { return ini_.ReadString(section, key, ""); }

  // Fills `bitmap` from the archive entry a definition value names (its file-name part, when
  // the extension is exactly ".bmp"); anything else leaves it empty.
  void LoadSkinBitmap(fw::TBitmap& bitmap, std::string_view value) {
    bitmap = fw::TBitmap();
    const std::optional<std::string> entry = BitmapEntryName(value);
    if (!entry) return;
    archive_.GetEntry(*entry, work_);
    if (work_.Size() > 0) LoadBitmapFile(bitmap, work_.Bytes());
    work_.Clear();
  }

  void ReadMarginsAndFlags(TDataSkinObject& e, std::string_view section, bool with_frame) {
    e.Style = Int(section, "Style", 0);
    e.LeftWidth = Int(section, "LeftWidth", 0);
    e.RightWidth = Int(section, "RightWidth", 0);
    e.TopHeight = Int(section, "TopHeight", 0);
    e.BottomHeight = Int(section, "BottomHeight", 0);
    if (with_frame) e.Frame = Int(section, "Frame", 0);
    e.Trans = Int(section, "Trans", 0);
    e.Tile = Int(section, "Tile", 0);
  }
  void ReadColours(TDataSkinObject& e, std::string_view section) {
    e.NormalColour = Int(section, "NormalColour", -1);
    e.MouseOverColour = Int(section, "MouseOverColour", -1);
    e.PressedColour = Int(section, "PressedColour", -1);
    const TColor fallback = d_.Colours[ciButtonText];
    e.NormalColour2 = ParseColour(Str(section, "NormalColour2"), fallback);
    e.MouseOverColour2 = ParseColour(Str(section, "MouseOverColour2"), fallback);
    e.PressedColour2 = ParseColour(Str(section, "PressedColour2"), fallback);
  }

  template <typename Record>
  bool StartElement(std::unique_ptr<Record>& slot, std::string_view section, std::string_view image_key,
                    std::string& image) {
    slot.reset();
    image = Str(section, image_key);
    if (image.empty()) return false;
    slot = std::make_unique<Record>(std::string(section));
    LoadSkinBitmap(*slot->Bitmap, image);
    return true;
  }

  template <typename Record>
  void Generic(std::unique_ptr<Record>& slot, std::string_view section) {
    std::string image;
    if (!StartElement(slot, section, "Image", image)) return;
    ReadMarginsAndFlags(*slot, section, true);
    ReadColours(*slot, section);
    if (slot->Tile > 1) slot->Tile = 0;
  }

  void TwoImage(std::unique_ptr<TDataSkinBorder>& slot, std::string_view section, std::string_view second_key) {
    std::string image;
    if (!StartElement(slot, section, "Image", image)) return;
    ReadMarginsAndFlags(*slot, section, false);
    ReadColours(*slot, section);
    if (slot->Tile > 1) slot->Tile = 0;
    const std::string second = Str(section, second_key);
    if (!second.empty()) LoadSkinBitmap(*slot->Bitmap2, second);
  }

  void LoadProgress() {
    std::string image;
    if (!StartElement(d_.Progress, "Progress", "Bitmap", image)) return;
    ReadMarginsAndFlags(*d_.Progress, "Progress", false);
    if (d_.Progress->Tile > 1) d_.Progress->Tile = 1;
  }

  void LoadGroupBox() {
    std::string image;
    if (!StartElement(d_.GroupBox, "GroupBox", "Image", image)) return;
    TDataSkinBoxLabel& box = *d_.GroupBox;
    ReadMarginsAndFlags(box, "GroupBox", false);
    ReadColours(box, "GroupBox");
    if (box.Tile > 1) box.Tile = 0;
    box.BackgroundAlignment = Int("GroupBox", "BackgroundAlignment", 0);
    box.BackgroundLeftShift = Int("GroupBox", "BackgroundLeftShift", 0);
    box.BackgroundRightShift = Int("GroupBox", "BackgroundRightShift", 0);
  }

  void LoadMenuBar() {
    d_.MenuBar.reset();
    const std::string image = Str("Personality", "menuBar");
    if (image.empty()) return;
    d_.MenuBar = std::make_unique<TDataSkinObject>("Personality");
    TDataSkinObject& bar = *d_.MenuBar;
    LoadSkinBitmap(*bar.Bitmap, image);
    bar.TopHeight = 0;
    bar.BottomHeight = 0;
    bar.Tile = Int("Personality", "TileMenu", 1);
    bar.LeftWidth = Int("Personality", "TileLeftMenu", 1);
    bar.RightWidth = Int("Personality", "TileRightMenu", 1);
    if (bar.Tile > 1) bar.Tile = 1;
  }

  void LoadBorder(TDataSkinBorder& border, SkinElement element) {
    const std::string name(FramesOf(element).image_key);
    const bool horizontal = name == "Top" || name == "Bottom";
    const int32_t first = Int("Personality", name + "TopHeight", 0);
    const int32_t second = Int("Personality", name + "BotHeight", 0);
    border.LeftWidth = horizontal ? first : 0;
    border.RightWidth = horizontal ? second : 0;
    border.TopHeight = horizontal ? 0 : first;
    border.BottomHeight = horizontal ? 0 : second;
    border.Frame = BuildFrameCount(FramesOf(element), ini_, "Personality");
    border.SetStretch(std::min(Int("Personality", name + "Stretch", 1), 1));
    border.Trans = Int("Personality", name + "Trans", 1);
    LoadSkinBitmap(*border.Bitmap, Str("Personality", name));
  }

  void LoadTitle() {
    TDataSkinTitle& t = *d_.Title;
    LoadSkinBitmap(*t.Bitmap, Str("Personality", "TextBack"));
    t.SetTextShift(Int("Personality", "TextShift", 0));
    t.SetTextShiftVert(Int("Personality", "TextShiftVert", 0));
    t.SetTextRightClip(Int("Personality", "TextRightClip", 0));
    t.BottomHeight = 0;
    t.TextAlignment = Int("Personality", "TextAlignment", 0);
    t.Textbackground = Int("Personality", "Textbackground", 0);
    t.FontHeight = Int("Fonts", "FontHeight", 14);
    t.TXTBackleft = Int("Personality", "TXTBackleft", 0);
    t.TXTBackRight = Int("Personality", "TXTBackRight", 0);
    t.ActiveTextColour = TitleColour("ActiveText");
    t.InActiveTextColour = TitleColour("InActiveText");
  }
  TColor TitleColour(const std::string& prefix) const {
    const int32_t r = Int("Personality", prefix + "R", -1);
    const int32_t g = Int("Personality", prefix + "G", -1);
    const int32_t b = Int("Personality", prefix + "B", -1);
    if (r < 0 || g < 0 || b < 0) return fw::clNone;
    return static_cast<TColor>(static_cast<uint32_t>(r) + static_cast<uint32_t>(g) * 256u +
                               static_cast<uint32_t>(b) * 65536u);
  }

  void LoadButtons() {
    TDataSkinButton& b = *d_.Buttons;
    b.LeftWidth = Int("Buttons", "LeftWidth", 0);
    b.RightWidth = Int("Buttons", "RightWidth", 0);
    b.TopHeight = Int("Buttons", "TopHeight", 0);
    b.BottomHeight = Int("Buttons", "BottomHeight", 0);
    b.Trans = Int("Buttons", "Trans", 0);
    b.Tile = Int("Buttons", "Tile", 0);
    LoadSkinBitmap(*b.Bitmap, Str("Buttons", "Bitmap"));
    LoadSkinBitmap(*b.CheckBitmap, Str("Buttons", "CheckButton"));
    LoadSkinBitmap(*b.RadioBitmap, Str("Buttons", "RadioButton"));
    b.NormalColour = Int("Buttons", "NormalColour", -1);
    b.MouseOverColour = Int("Buttons", "MouseOverColour", -1);
    b.PressedColour = Int("Buttons", "PressedColour", -1);
    b.RadioFrames = Int("Buttons", "RadioButtonFrame", 0);
    b.CheckFrames = Int("Buttons", "CheckButtonFrame", 0);
    if (b.Tile > 1) b.Tile = 0;
    const std::string normal2 = Str("Buttons", "NormalColour2");
    const std::string over2 = Str("Buttons", "MouseOverColour2");
    const std::string pressed2 = Str("Buttons", "PressedColour2");
    b.HasNormalColour2 = !normal2.empty();
    b.HasMouseOverColour2 = !over2.empty();
    b.HasPressedColour2 = !pressed2.empty();
    const TColor fallback = d_.Colours[ciButtonText];
    b.NormalColour2 = ParseColour(normal2, fallback);
    b.MouseOverColour2 = ParseColour(over2, fallback);
    b.PressedColour2 = ParseColour(pressed2, fallback);
  }

  void LoadColours();
  void LoadCaptionButtons();
  void NormaliseFrames();
  void ComposeCombo();
  void MakeComboxArrow();
  void MakeToolbar();
  void LoadTrackFallback(std::unique_ptr<TDataSkinObject>& slot, const char* name);
  [[nodiscard]] TColor TitleSample() const;

  TSkinData& d_;
  const TQuickIni& ini_;
  const TSkinReader& archive_;
  TMemoryStream work_;
  std::vector<std::string> sections_;
};

struct ColourKey {
  int index;
  const char* key;
  TColor fallback;
};

constexpr TColor System(int index) { return fw::kSystemColor | index; }

// Entry 13 ("Menubar") falls back to entry 3 as just loaded and is handled apart.
constexpr ColourKey kColourKeys[] = {
    {ciWindowText, "WindowText", System(COLOR_WINDOWTEXT)},
    {ciTitleTextActive, "TitleTextActive", System(COLOR_CAPTIONTEXT)},
    {ciTitleTextNoActive, "TitleTextNoActive", System(COLOR_INACTIVECAPTIONTEXT)},
    {ciButtonFace, "ButtonFace", System(COLOR_BTNFACE)},
    {ciButtonText, "ButtonText", System(COLOR_BTNTEXT)},
    {ciButtonHilight, "ButtonHilight", System(COLOR_BTNHIGHLIGHT)},
    {ciButtonlight, "Buttonlight", System(COLOR_BTNHIGHLIGHT)},
    {ciButtonShadow, "ButtonShadow", System(COLOR_BTNSHADOW)},
    {ciButtonDkShadow, "ButtonDkShadow", System(COLOR_3DDKSHADOW)},
    {ciHilightText, "HilightText", System(COLOR_HIGHLIGHTTEXT)},
    {ciHilight, "Hilight", System(COLOR_HIGHLIGHT)},
    {ciMenubar, "Menubar", 0},
    {ciMenuBarText, "MenuBarText", System(COLOR_MENUTEXT)},
    {ciMenuText, "MenuText", System(COLOR_MENUTEXT)},
    {ciMenu, "Menu", System(COLOR_MENU)},
    {ciScrollbar, "Scrollbar", System(COLOR_SCROLLBAR)},
};

void SkinBuilder::LoadColours() {
  d_.Colours.fill(0);
  d_.ColourSet.fill(false);
  for (const ColourKey& c : kColourKeys) {
    const TColor fallback = c.index == ciMenubar ? d_.Colours[ciButtonFace] : c.fallback;
    const std::string text = Str("Colours", c.key);
    d_.ColourSet[static_cast<size_t>(c.index)] = !text.empty();
    d_.Colours[static_cast<size_t>(c.index)] = ParseColour(text, fallback);
  }
  d_.ColourSections.clear();
  for (const std::string& section : sections_) {
    const std::string upper = UpperAscii(section);
    if (upper.rfind("COLOUR", 0) == 0 && upper != "COLOURS")
      d_.ColourSections.push_back(ParseColour(Str(section, "color"), fw::clWindowText));
  }
  for (int i = 0; i < kCustomColourCount; ++i)
    d_.CustomColors[static_cast<size_t>(i)] =
        ParseColour(Str("Customcolors", "Color" + std::to_string(i)), fw::clWhite);
}

void SkinBuilder::LoadCaptionButtons() {
  d_.SysButtons.clear();
  std::vector<std::string> buttons;
  for (const std::string& section : sections_) {
    const std::string upper = UpperAscii(section);
    if (upper == "BUTTONS" || upper == "BUTTON.RADIO" || upper == "BUTTON.CHECKBOX" || upper == "BUTTON") continue;
    if (upper.rfind("BUTTON", 0) != 0) continue;
    if (Int(section, "Action", 0) == -1 && Int(section, "Visibility", -1) != 0) continue;
    buttons.push_back(upper);
  }
  int32_t remembered_x = 0, remembered_y = 0;
  for (const std::string& section : buttons) {
    auto button = std::make_unique<TDataSkinSysButton>(section);
    TDataSkinSysButton& b = *button;
    b.Action = Int(section, "Action", 0);
    b.Align = Int(section, "Align", 0);
    b.Xcoord = Int(section, "Xcoord", 0);
    b.Ycoord = Int(section, "Ycoord", 0);
    b.Visibility = Int(section, "Visibility", 0);
    b.Visibility1 = Int(section, "Visibility1", b.Action == -1 ? -1 : 0);
    if (b.Action == 1 && b.Visibility == 2) {
      remembered_x = b.Xcoord;
      remembered_y = b.Ycoord;
    }
    if (b.Action == 4) {
      b.Xcoord = remembered_x;
      b.Ycoord = remembered_y;
    }
    b.CombineOp = Int(section, "CombineOp", -1);
    const ElementFrames& frames = FramesOf(SkinElement::kCaptionButton);
    LoadSkinBitmap(*b.Bitmap, Str(section, frames.image_key));
    b.Frame = BuildFrameCount(frames, ini_, section, SizeOf(*b.Bitmap));
    // Icon buttons without a frame count draw the window's icon instead of their image.
    if (Int(section, frames.count_key, 0) == 0 && (b.Action == 3 || b.Action == 11)) *b.Bitmap = fw::TBitmap();
    d_.SysButtons.push_back(std::move(button));
  }

  // The minimize, restore and close buttons of a maximised MDI child: one strip of 3 × 4 frames.
  const ElementFrames& mdi = FramesOf(SkinElement::kMdiControls);
  constexpr int kStates = MdiFrames::kStatesPerButton;
  fw::TBitmap strip;
  const std::string strip_image = Str(mdi.section, mdi.image_key);
  if (!strip_image.empty()) LoadSkinBitmap(strip, strip_image);
  const int w = strip.Width() / mdi.frames;
  for (int k = 0; k < MdiFrames::kButtons; ++k) {
    auto button = std::make_unique<TDataSkinSysButton>(std::string(mdi.section));
    button->Action = 7 + k;
    button->Align = button->Visibility = button->Visibility1 = 100;
    button->Frame = kStates;
    if (!strip.Empty()) {
      if (w > 0) *button->Bitmap = CopyPart(strip, RECT{kStates * w * k, 0, kStates * w * (k + 1), strip.Height()});
      button->Xcoord = (w + 4) * (MdiFrames::kButtons - k);
    }
    d_.SysButtons.push_back(std::move(button));
  }
}

void SkinBuilder::LoadTrackFallback(std::unique_ptr<TDataSkinObject>& slot, const char* name) {
  if (slot) return;
  slot = std::make_unique<TDataSkinObject>(name);
  LoadBitmapResource(*slot->Bitmap, name);
  slot->LeftWidth = slot->TopHeight = slot->RightWidth = slot->BottomHeight = 3;
  slot->Tile = 0;
  slot->Frame = 1;
}

void SkinBuilder::NormaliseFrames() {
  // The elements whose count the build decides after loading, whatever their "Frame" key said.
  const std::pair<TDataSkinObject*, SkinElement> elements[] = {
      {d_.Title.get(), SkinElement::kTitle},
      {d_.Buttons.get(), SkinElement::kButtons},
      {d_.Progress.get(), SkinElement::kProgress},
      {d_.MenuBar.get(), SkinElement::kMenuBar},
      {d_.GroupBoxEdge.get(), SkinElement::kGroupBoxEdge},
      {d_.GroupBox.get(), SkinElement::kGroupBox},
      {d_.Tabs.get(), SkinElement::kTabs},
      {d_.StatusBarEdges.get(), SkinElement::kStatusBarEdges},
      {d_.TabPane.get(), SkinElement::kTabPane},
      {d_.ToolBars.get(), SkinElement::kToolBars},
      {d_.ComboButton.get(), SkinElement::kComboButton},
      {d_.SunkEdge.get(), SkinElement::kSunkEdge},
      {d_.ExtraImages.get(), SkinElement::kExtraImages},
      {d_.Headerbar.get(), SkinElement::kHeaderbar},
      {d_.MenuItem.get(), SkinElement::kMenuItem},
      {d_.MenuBackground.get(), SkinElement::kMenuBackground},
      {d_.Scrollbar.get(), SkinElement::kScrollbar},
      {d_.HorzScroll.get(), SkinElement::kHorzScroll},
      {d_.VertScroll.get(), SkinElement::kVertScroll},
      {d_.HorzScrollThumb.get(), SkinElement::kHorzScrollThumb},
      {d_.VertScrollThumb.get(), SkinElement::kVertScrollThumb},
      {d_.TrackbarThumbHorz.get(), SkinElement::kTrackbarThumbHorz},
      {d_.TrackbarThumbVert.get(), SkinElement::kTrackbarThumbVert},
      {d_.TrackbarThumbLeft.get(), SkinElement::kTrackbarThumbLeft},
      {d_.TrackbarThumbRight.get(), SkinElement::kTrackbarThumbRight},
      {d_.TrackbarThumbUp.get(), SkinElement::kTrackbarThumbUp},
      {d_.TrackbarThumbDown.get(), SkinElement::kTrackbarThumbDown},
      {d_.UpDownHorz.get(), SkinElement::kUpDownHorz},
      {d_.UpDownVert.get(), SkinElement::kUpDownVert},
  };
  for (const auto& [record, element] : elements) {
    const ElementFrames& frames = FramesOf(element);
    if (record) record->Frame = BuildFrameCount(frames, ini_, frames.section);
  }

  // Check and radio images without a frame count: one frame per 13 or 16 pixels, at least 4.
  TDataSkinButton& b = *d_.Buttons;
  const ElementFrames& radio = FramesOf(SkinElement::kRadioButton);
  const ElementFrames& check = FramesOf(SkinElement::kCheckBox);
  b.RadioFrames = BuildFrameCount(radio, ini_, radio.section, SizeOf(*b.RadioBitmap));
  b.CheckFrames = BuildFrameCount(check, ini_, check.section, SizeOf(*b.CheckBitmap));
}

// The combo box as one image per state: the sunken edge with the button at its right end and a
// key-coloured hole where the edit sits.
void SkinBuilder::ComposeCombo() {
  if (!d_.SunkEdge || !d_.ComboButton) return;
  TDataSkinObject& edge = *d_.SunkEdge;
  TDataSkinBorder& button = *d_.ComboButton;
  const int n = std::max(edge.Frame, 0);
  const int b = GetSystemMetrics(SM_CXHSCROLL) + 2;
  fw::TBitmap composed(kComboWidth * n, kComboHeight, fw::pf24bit);
  FillRectWith(composed.DC(), RECT{0, 0, composed.Width(), kComboHeight}, kMagenta);
  fw::TBitmap scratch(kComboWidth, kComboHeight, fw::pf24bit);
  const RECT whole{0, 0, kComboWidth, kComboHeight};
  const RECT button_rect{kComboWidth - b, 0, kComboWidth, kComboHeight};
  for (int f = 1; f <= n; ++f) {
    DrawSkinFrame(scratch.DC(), whole, *edge.Bitmap, FrameStrip::SideBySide, CentreFill::Stretch,
                  edge.Trans != 0 ? Keying::Transparent : Keying::Opaque, n, f, MarginsOf(edge));
    DrawSkinFrame(scratch.DC(), button_rect, *button.Bitmap, FrameStrip::SideBySide, CentreFill::Stretch,
                  Keying::Transparent, button.Frame, f, MarginsOf(button));
    if (d_.ExtraImages)
      DrawFrameCentered(scratch.DC(), button_rect, *d_.ExtraImages->Bitmap, Keying::Transparent, d_.ExtraImages->Frame,
                        f);
    FillRectWith(scratch.DC(), RECT{2, 2, kComboWidth - 1 - b, kComboHeight - 3}, kMagenta);
    BitBlt(composed.DC(), kComboWidth * (f - 1), 0, kComboWidth, kComboHeight, scratch.DC(), 0, 0, SRCCOPY);
  }
  GdiFlush();

  button.Style = 2;
  button.LeftWidth = 2;
  button.TopHeight = edge.TopHeight;
  button.RightWidth = b + 2;
  button.BottomHeight = edge.BottomHeight;
  button.Bitmap->Assign(composed);

  MirrorBitmap(composed);
  *edge.Bitmap = std::move(composed);
  edge.LeftWidth = b + 2;
  edge.RightWidth = 2;
}

void SkinBuilder::MakeComboxArrow() {
  // Every build starts the arrow afresh: a skin without a combo button has none.
  d_.ComboxArrow = std::make_unique<TDataSkinObject>("ComboxArrow");
  TDataSkinObject& arrow = *d_.ComboxArrow;
  if (!d_.SunkEdge && d_.ComboButton) {
    *arrow.Bitmap = Copy24(*d_.ComboButton->Bitmap);
    ReplaceKeyColor(*arrow.Bitmap, d_.Colours[ciButtonFace]);
    arrow.Frame = d_.ComboButton->Frame;
  } else if (d_.SunkEdge && d_.ComboButton && d_.ComboButton->Style == 2) {
    const int n = std::max(d_.SunkEdge->Frame, 0);
    const fw::TBitmap& source = *d_.ComboButton->Bitmap;
    fw::TBitmap image(kComboArrowSide * n, kComboArrowSide, fw::pf24bit);
    const int fw_ = n > 0 ? source.Width() / n : 0;
    for (int i = 0; i < n; ++i)
      BitBlt(image.DC(), kComboArrowSide * i, 0, kComboArrowSide, kComboArrowSide, source.DC(), fw_ * (i + 1) - 19, 2,
             SRCCOPY);
    GdiFlush();
    *arrow.Bitmap = std::move(image);
    arrow.Frame = n;
  }
}

TColor SkinBuilder::TitleSample() const {
  const fw::TBitmap& top = *d_.BorderTop->Bitmap;
  if (top.Empty()) return d_.Colours[ciButtonFace];
  const int frames = std::max(d_.BorderTop->Frame, 1);
  return static_cast<TColor>(top.Pixel(top.Width() / 3, (top.Height() / frames) / 3));
}

void SkinBuilder::MakeToolbar() {
  const TColor sample = TitleSample();
  const TColor top = MixColors(d_.Colours[ciButtonFace], fw::clWhite, 150);
  TColor bottom = MixColors(0x808080, sample, 150);
  const int saturation = ColorSaturation(sample);
  if (saturation > 110) bottom = MixColors(sample, fw::clWhite, (5625 - 25 * saturation) / 140 + 50);
  if (!d_.Toolbar) d_.Toolbar = std::make_unique<TDataSkinObject>("Toolbar");
  fw::TBitmap gradient(10, 40, fw::pf24bit);
  FillGradient(gradient.DC(), RECT{0, 0, 10, 40}, top, GradientDirection::Vertical, bottom);
  GdiFlush();
  *d_.Toolbar->Bitmap = std::move(gradient);
  d_.Toolbar->Frame = 1;
}

void SkinBuilder::Run() {
  ini_.ReadSections(&sections_);
  d_.SkinName = Str("TitlebarSkin", "SkinName");
  LoadBorder(*d_.BorderLeft, SkinElement::kBorderLeft);
  LoadBorder(*d_.BorderRight, SkinElement::kBorderRight);
  LoadBorder(*d_.BorderTop, SkinElement::kBorderTop);
  LoadBorder(*d_.BorderBottom, SkinElement::kBorderBottom);
  LoadColours();
  LoadCaptionButtons();
  LoadButtons();
  LoadTitle();
  LoadProgress();
  Generic(d_.ProgressChunk, "Progress.Chunk");
  LoadMenuBar();
  Generic(d_.GroupBoxEdge, "GroupBoxEdge");
  LoadGroupBox();
  TwoImage(d_.Tabs, "Tabs", "Border");
  Generic(d_.StatusBarEdges, "StatusBarEdges");
  Generic(d_.TabPane, "Tab.Pane");
  if (d_.TabPane) {
    for (int32_t* margin :
         {&d_.TabPane->LeftWidth, &d_.TabPane->TopHeight, &d_.TabPane->RightWidth, &d_.TabPane->BottomHeight})
      *margin = std::min(*margin, 4);
  }
  Generic(d_.ToolBars, "ToolBars");
  TwoImage(d_.ComboButton, "ComboButton", "****");
  Generic(d_.SunkEdge, "SunkEdge");
  if (d_.ComboButton && !d_.ComboButton->Bitmap->Empty()) {
    *d_.ComboButton->Bitmap2 = Copy24(*d_.ComboButton->Bitmap);
    MirrorBitmap(*d_.ComboButton->Bitmap2);
  }
  Generic(d_.ExtraImages, "ExtraImages");
  Generic(d_.Headerbar, "Headerbar");
  Generic(d_.MenuItem, "MenuItem");
  Generic(d_.MenuBackground, "MenuBackground");
  Generic(d_.Scrollbar, "Scrollbar");
  Generic(d_.HorzScroll, "HorzScroll");
  Generic(d_.VertScroll, "VertScroll");
  Generic(d_.HorzScrollThumb, "HorzScrollThumb");
  Generic(d_.VertScrollThumb, "VertScrollThumb");
  Generic(d_.TrackbarThumbHorz, "Trackbar.ThumbHorz");
  Generic(d_.TrackbarThumbVert, "Trackbar.ThumbVert");
  Generic(d_.TrackbarThumbLeft, "Trackbar.ThumbLeft");
  Generic(d_.TrackbarThumbRight, "Trackbar.ThumbRight");
  Generic(d_.TrackbarThumbUp, "Trackbar.ThumbUp");
  Generic(d_.TrackbarThumbDown, "Trackbar.ThumbDown");
  TwoImage(d_.UpDownHorz, "UpDown.Horz", "GlyphImage");
  TwoImage(d_.UpDownVert, "UpDown.Vert", "GlyphImage");
  Generic(d_.Track, "Track");
  Generic(d_.TrackVert, "TRACKVERT");
  LoadTrackFallback(d_.Track, "TRACK");
  LoadTrackFallback(d_.TrackVert, "TRACKVERT");
  NormaliseFrames();
  ComposeCombo();
  MakeComboxArrow();
  MakeToolbar();
  d_.Colours[ciTitleSample] = TitleSample();
  d_.FaceBrush.reset(CreateSolidBrush(fw::ColorToRGB(d_.Colours[ciButtonFace])));
}

}  // namespace

void TSkinData::BuildSkin(const TQuickIni& ini, const TSkinReader& archive) {
  SkinBuilder(*this, ini, archive).Run();
  skinEmpty_ = false;
}

}  // namespace skin
