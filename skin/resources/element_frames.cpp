#include "skin/resources/element_frames.h"

#include <algorithm>
#include <cstddef>

#include "skin/resources/text_util.h"

namespace skin {
namespace {

using B = ButtonFrames;
using S = StateFrames;
using C = CheckFrames;
using A = ActiveFrames;
using Sb = ScrollbarFrames;
using M = MdiFrames;

constexpr bool kNotDrawn = false;

// Every list names frames 1, 2, 3… in order.
template <size_t N>
constexpr bool Numbered(const FrameName (&names)[N]) {
  for (size_t i = 0; i < N; ++i)
    if (names[i].frame != static_cast<int>(i) + 1) return false;
  return true;
}

constexpr FrameName kActiveNames[] = {{A::kActive, "active"}, {A::kInactive, "inactive"}};
constexpr FrameName kButtonNames[] = {{B::kNormal, "normal"},
                                      {B::kPressed, "pressed"},
                                      {B::kDisabled, "disabled"},
                                      {B::kHot, "hot"},
                                      {B::kFocused, "focused"}};
constexpr FrameName kStateNames[] = {
    {S::kNormal, "normal"}, {S::kPressed, "pressed"}, {S::kDisabled, "disabled"}, {S::kHot, "hot"}};
constexpr FrameName kCheckNames[] = {{C::kUnchecked, "unchecked"},
                                     {C::kChecked, "checked"},
                                     {C::kUncheckedDisabled, "unchecked disabled"},
                                     {C::kCheckedDisabled, "checked disabled"}};
constexpr FrameName kLongCheckNames[] = {{1, "unchecked normal"},
                                         {2, "unchecked hot", kNotDrawn},
                                         {3, "unchecked pressed", kNotDrawn},
                                         {4, "unchecked disabled"},
                                         {5, "checked normal"},
                                         {6, "checked hot", kNotDrawn},
                                         {7, "checked pressed", kNotDrawn},
                                         {8, "checked disabled"},
                                         {9, "mixed normal"},
                                         {10, "mixed hot", kNotDrawn},
                                         {11, "mixed pressed", kNotDrawn},
                                         {12, "mixed disabled"}};
// The radio layout is the check box layout without its mixed frames.
constexpr std::span<const FrameName> kLongRadioNames(kLongCheckNames, C::kLongRadioCount);
constexpr FrameName kProgressNames[] = {{ProgressFrames::kEmpty, "empty"}, {ProgressFrames::kFilled, "filled"}};
constexpr FrameName kTroughNames[] = {{ProgressFrames::kTrough, "trough"}};
constexpr FrameName kChunkNames[] = {{1, "chunk"}};
constexpr FrameName kPaneNames[] = {{1, "pane"}};
constexpr FrameName kChannelNames[] = {{1, "channel"}};
constexpr FrameName kTabNames[] = {{TabFrames::kNormal, "normal"},
                                   {TabFrames::kSelected, "selected"},
                                   {TabFrames::kHot, "hot", kNotDrawn},
                                   {TabFrames::kDisabled, "disabled", kNotDrawn},
                                   {TabFrames::kFocused, "focused", kNotDrawn}};
constexpr FrameName kStatusBarNames[] = {
    {StatusBarFrames::kLowered, "lowered"}, {StatusBarFrames::kRaised, "raised"}, {StatusBarFrames::kFlat, "flat"}};
constexpr FrameName kHeaderNames[] = {{HeaderFrames::kNormal, "normal"},
                                      {HeaderFrames::kHot, "hot"},
                                      {HeaderFrames::kPressed, "pressed", kNotDrawn},
                                      {HeaderFrames::kDisabled, "disabled", kNotDrawn},
                                      {HeaderFrames::kSelected, "selected", kNotDrawn}};
constexpr FrameName kScrollbarNames[] = {{Sb::kLeftArrow + Sb::kArrowNormal, "left normal"},
                                         {Sb::kLeftArrow + Sb::kArrowPressed, "left pressed"},
                                         {Sb::kLeftArrow + Sb::kArrowDisabled, "left disabled", kNotDrawn},
                                         {Sb::kLeftArrow + Sb::kArrowHot, "left hot"},
                                         {Sb::kRightArrow + Sb::kArrowNormal, "right normal"},
                                         {Sb::kRightArrow + Sb::kArrowPressed, "right pressed"},
                                         {Sb::kRightArrow + Sb::kArrowDisabled, "right disabled", kNotDrawn},
                                         {Sb::kRightArrow + Sb::kArrowHot, "right hot"},
                                         {Sb::kUpArrow + Sb::kArrowNormal, "up normal"},
                                         {Sb::kUpArrow + Sb::kArrowPressed, "up pressed"},
                                         {Sb::kUpArrow + Sb::kArrowDisabled, "up disabled", kNotDrawn},
                                         {Sb::kUpArrow + Sb::kArrowHot, "up hot"},
                                         {Sb::kDownArrow + Sb::kArrowNormal, "down normal"},
                                         {Sb::kDownArrow + Sb::kArrowPressed, "down pressed"},
                                         {Sb::kDownArrow + Sb::kArrowDisabled, "down disabled", kNotDrawn},
                                         {Sb::kDownArrow + Sb::kArrowHot, "down hot"},
                                         {Sb::kHorzGrip + Sb::kGripNormal, "h-grip normal"},
                                         {Sb::kHorzGrip + Sb::kGripPressed, "h-grip pressed"},
                                         {Sb::kHorzGrip + Sb::kGripHot, "h-grip hot"},
                                         {Sb::kVertGrip + Sb::kGripNormal, "v-grip normal"},
                                         {Sb::kVertGrip + Sb::kGripPressed, "v-grip pressed"},
                                         {Sb::kVertGrip + Sb::kGripHot, "v-grip hot"},
                                         {Sb::kSpare, "spare", kNotDrawn}};
constexpr FrameName kScrollTrackNames[] = {{ScrollTrackFrames::kNormal, "normal"},
                                           {ScrollTrackFrames::kPressed, "pressed", kNotDrawn},
                                           {ScrollTrackFrames::kDisabled, "disabled"},
                                           {ScrollTrackFrames::kHot, "hot", kNotDrawn}};
constexpr FrameName kScrollThumbNames[] = {{ScrollThumbFrames::kNormal, "normal"},
                                           {ScrollThumbFrames::kPressed, "pressed"},
                                           {ScrollThumbFrames::kHot, "hot"},
                                           {ScrollThumbFrames::kDisabled, "disabled", kNotDrawn}};
constexpr FrameName kMenuItemNames[] = {{MenuItemFrames::kNormal, "normal"},
                                        {MenuItemFrames::kSeparator, "separator"},
                                        {MenuItemFrames::kPressed, "pressed", kNotDrawn},
                                        {MenuItemFrames::kSelected, "selected"},
                                        {MenuItemFrames::kDisabled, "disabled", kNotDrawn}};
constexpr FrameName kExtraImageNames[] = {{ExtraImageFrames::kArrow + S::kNormal - 1, "arrow normal"},
                                          {ExtraImageFrames::kArrow + S::kPressed - 1, "arrow pressed"},
                                          {ExtraImageFrames::kArrow + S::kDisabled - 1, "arrow disabled"},
                                          {ExtraImageFrames::kArrow + S::kHot - 1, "arrow hot"},
                                          {ExtraImageFrames::kSizeGrip, "size grip"}};
constexpr FrameName kTrackThumbNames[] = {{TrackThumbFrames::kFlat, "flat", kNotDrawn},
                                          {TrackThumbFrames::kNormal, "normal"},
                                          {TrackThumbFrames::kHot, "hot", kNotDrawn},
                                          {TrackThumbFrames::kPressed, "pressed", kNotDrawn},
                                          {TrackThumbFrames::kDisabled, "disabled", kNotDrawn}};
constexpr FrameName kMdiNames[] = {{M::kMinimize + M::kNormal, "min normal"},
                                   {M::kMinimize + M::kPressed, "min pressed"},
                                   {M::kMinimize + M::kDisabled, "min disabled", kNotDrawn},
                                   {M::kMinimize + M::kHot, "min hot"},
                                   {M::kRestore + M::kNormal, "restore normal"},
                                   {M::kRestore + M::kPressed, "restore pressed"},
                                   {M::kRestore + M::kDisabled, "restore disabled", kNotDrawn},
                                   {M::kRestore + M::kHot, "restore hot"},
                                   {M::kClose + M::kNormal, "close normal"},
                                   {M::kClose + M::kPressed, "close pressed"},
                                   {M::kClose + M::kDisabled, "close disabled", kNotDrawn},
                                   {M::kClose + M::kHot, "close hot"}};
constexpr FrameName kUpDownVertNames[] = {{UpDownFrames::kFirst + S::kNormal - 1, "up normal"},
                                          {UpDownFrames::kFirst + S::kPressed - 1, "up pressed"},
                                          {UpDownFrames::kFirst + S::kDisabled - 1, "up disabled"},
                                          {UpDownFrames::kFirst + S::kHot - 1, "up hot"},
                                          {UpDownFrames::kSecond + S::kNormal - 1, "down normal"},
                                          {UpDownFrames::kSecond + S::kPressed - 1, "down pressed"},
                                          {UpDownFrames::kSecond + S::kDisabled - 1, "down disabled"},
                                          {UpDownFrames::kSecond + S::kHot - 1, "down hot"}};
constexpr FrameName kUpDownHorzNames[] = {{UpDownFrames::kFirst + S::kNormal - 1, "left normal"},
                                          {UpDownFrames::kFirst + S::kPressed - 1, "left pressed"},
                                          {UpDownFrames::kFirst + S::kDisabled - 1, "left disabled"},
                                          {UpDownFrames::kFirst + S::kHot - 1, "left hot"},
                                          {UpDownFrames::kSecond + S::kNormal - 1, "right normal"},
                                          {UpDownFrames::kSecond + S::kPressed - 1, "right pressed"},
                                          {UpDownFrames::kSecond + S::kDisabled - 1, "right disabled"},
                                          {UpDownFrames::kSecond + S::kHot - 1, "right hot"}};
constexpr FrameName kCaptionButtonNames[] = {{CaptionButtonFrames::kNormal, "normal"},
                                             {CaptionButtonFrames::kPressed, "pressed"},
                                             {CaptionButtonFrames::kHot, "hot"},
                                             {CaptionButtonFrames::kInactive, "inactive"},
                                             {5, "disabled", kNotDrawn},
                                             {6, "inactive hot", kNotDrawn}};
constexpr FrameName kMinCaptionNames[] = {{A::kActive, "active", kNotDrawn}, {A::kInactive, "inactive", kNotDrawn}};

static_assert(Numbered(kActiveNames) && Numbered(kButtonNames) && Numbered(kStateNames) && Numbered(kCheckNames) &&
              Numbered(kLongCheckNames) && Numbered(kProgressNames) && Numbered(kTroughNames) && Numbered(kTabNames) &&
              Numbered(kStatusBarNames) && Numbered(kHeaderNames) && Numbered(kScrollbarNames) &&
              Numbered(kScrollTrackNames) && Numbered(kScrollThumbNames) && Numbered(kMenuItemNames) &&
              Numbered(kExtraImageNames) && Numbered(kTrackThumbNames) && Numbered(kMdiNames) &&
              Numbered(kUpDownVertNames) && Numbered(kUpDownHorzNames) && Numbered(kCaptionButtonNames) &&
              Numbered(kMinCaptionNames));
template <size_t N>
constexpr bool Names(const FrameName (&)[N], int count) {
  return static_cast<int>(N) == count;
}
static_assert(Names(kButtonNames, B::kCount) && Names(kStateNames, S::kCount) && Names(kCheckNames, C::kCount) &&
              Names(kLongCheckNames, C::kLongCheckCount) && Names(kTabNames, TabFrames::kCount) &&
              Names(kScrollbarNames, Sb::kCount) && Names(kMdiNames, M::kCount) &&
              Names(kCaptionButtonNames, CaptionButtonFrames::kCount) &&
              Names(kUpDownVertNames, UpDownFrames::kCount) && Names(kMenuItemNames, MenuItemFrames::kCount) &&
              Names(kExtraImageNames, ExtraImageFrames::kCount) && Names(kTrackThumbNames, TrackThumbFrames::kCount));

using E = SkinElement;
using R = FrameCountRule;
using K = FrameKeying;
constexpr std::span<const FrameName> kNone;

// Section, image key, count rule, count key, frames (fixed or default), stacked, keying, names.
constexpr ElementFrames kElements[] = {
    {E::kBorderLeft, "Personality", "Left", R::kKey, "LeftFrame", 1, false, K::kBorderTransKey, kActiveNames},
    {E::kBorderRight, "Personality", "Right", R::kKey, "RightFrame", 1, false, K::kBorderTransKey, kActiveNames},
    {E::kBorderTop, "Personality", "Top", R::kKey, "TopFrame", 1, true, K::kBorderTransKey, kActiveNames},
    {E::kBorderBottom, "Personality", "Bottom", R::kKey, "BottomFrame", 1, true, K::kBorderTransKey, kActiveNames},
    {E::kCaptionButton, "BUTTON", "ButtonImage", R::kCaptionButton, "frame", CaptionButtonFrames::kCount, false,
     K::kKeyed, kCaptionButtonNames},
    {E::kMdiControls, "MDICONTROLS", "Image", R::kFixed, "", M::kCount, false, K::kKeyed, kMdiNames},
    {E::kButtons, "Buttons", "Bitmap", R::kFixed, "", B::kCount, false, K::kTransKey, kButtonNames},
    {E::kCheckBox, "Buttons", "CheckButton", R::kFromImage, "CheckButtonFrame", 0, false, K::kKeyed, kCheckNames,
     kLongCheckNames},
    {E::kRadioButton, "Buttons", "RadioButton", R::kFromImage, "RadioButtonFrame", 0, false, K::kKeyed, kCheckNames,
     kLongRadioNames},
    {E::kTitle, "Personality", "TextBack", R::kFixed, "", A::kCount, false, K::kKeyed, kActiveNames},
    {E::kProgress, "Progress", "Bitmap", R::kProgressStyle, "", 2, false, K::kKeyed, kProgressNames, kTroughNames},
    {E::kProgressChunk, "Progress.Chunk", "Image", R::kKey, "Frame", 0, false, K::kKeyed, kChunkNames},
    {E::kMenuBar, "Personality", "menuBar", R::kFixed, "", A::kCount, true, K::kOpaque, kActiveNames},
    {E::kGroupBoxEdge, "GroupBoxEdge", "Image", R::kFixed, "", 2, false, K::kTransKey, kNone},
    {E::kGroupBox, "GroupBox", "Image", R::kFixed, "", 1, false, K::kTransKey, kNone},
    {E::kTabs, "Tabs", "Image", R::kFixed, "", TabFrames::kCount, false, K::kTransKey, kTabNames},
    {E::kTabBorder, "Tabs", "Border", R::kFixed, "", 1, false, K::kOpaque, kPaneNames},
    {E::kStatusBarEdges, "StatusBarEdges", "Image", R::kFixed, "", StatusBarFrames::kCount, false, K::kOpaque,
     kStatusBarNames},
    {E::kTabPane, "Tab.Pane", "Image", R::kFixed, "", 1, false, K::kOpaque, kPaneNames},
    {E::kToolBars, "ToolBars", "Image", R::kFixed, "", 5, false, K::kTransKey, kNone},
    {E::kComboButton, "ComboButton", "Image", R::kFixed, "", S::kCount, false, K::kKeyed, kStateNames},
    {E::kSunkEdge, "SunkEdge", "Image", R::kFixed, "", S::kCount, false, K::kTransKey, kStateNames},
    {E::kExtraImages, "ExtraImages", "Image", R::kFixed, "", ExtraImageFrames::kCount, false, K::kKeyed,
     kExtraImageNames},
    {E::kHeaderbar, "Headerbar", "Image", R::kKeyOrFixed, "Frame", HeaderFrames::kDefaultCount, false, K::kTransKey,
     kHeaderNames},
    {E::kMenuItem, "MenuItem", "Image", R::kFixed, "", MenuItemFrames::kCount, false, K::kTransKey, kMenuItemNames},
    {E::kMenuBackground, "MenuBackground", "Image", R::kFixed, "", 1, false, K::kTransKey, kNone},
    {E::kScrollbar, "Scrollbar", "Image", R::kFixed, "", Sb::kCount, false, K::kKeyed, kScrollbarNames},
    {E::kHorzScroll, "HorzScroll", "Image", R::kFixed, "", ScrollTrackFrames::kCount, false, K::kTransKey,
     kScrollTrackNames},
    {E::kVertScroll, "VertScroll", "Image", R::kFixed, "", ScrollTrackFrames::kCount, false, K::kTransKey,
     kScrollTrackNames},
    {E::kHorzScrollThumb, "HorzScrollThumb", "Image", R::kKey, "FrameCount", ScrollThumbFrames::kDefaultCount, false,
     K::kTransKey, kScrollThumbNames},
    {E::kVertScrollThumb, "VertScrollThumb", "Image", R::kKey, "FrameCount", ScrollThumbFrames::kDefaultCount, false,
     K::kTransKey, kScrollThumbNames},
    {E::kTrackbarThumbHorz, "Trackbar.ThumbHorz", "Image", R::kFixed, "", TrackThumbFrames::kCount, false, K::kKeyed,
     kTrackThumbNames},
    {E::kTrackbarThumbVert, "Trackbar.ThumbVert", "Image", R::kFixed, "", TrackThumbFrames::kCount, false, K::kKeyed,
     kTrackThumbNames},
    {E::kTrackbarThumbLeft, "Trackbar.ThumbLeft", "Image", R::kFixed, "", TrackThumbFrames::kCount, false, K::kKeyed,
     kTrackThumbNames},
    {E::kTrackbarThumbRight, "Trackbar.ThumbRight", "Image", R::kFixed, "", TrackThumbFrames::kCount, false, K::kKeyed,
     kTrackThumbNames},
    {E::kTrackbarThumbUp, "Trackbar.ThumbUp", "Image", R::kFixed, "", TrackThumbFrames::kCount, false, K::kKeyed,
     kTrackThumbNames},
    {E::kTrackbarThumbDown, "Trackbar.ThumbDown", "Image", R::kFixed, "", TrackThumbFrames::kCount, false, K::kKeyed,
     kTrackThumbNames},
    {E::kUpDownHorz, "UpDown.Horz", "Image", R::kFixed, "", UpDownFrames::kCount, false, K::kKeyed, kUpDownHorzNames},
    {E::kUpDownHorzGlyph, "UpDown.Horz", "GlyphImage", R::kFixed, "", UpDownFrames::kCount, false, K::kKeyed,
     kUpDownHorzNames},
    {E::kUpDownVert, "UpDown.Vert", "Image", R::kFixed, "", UpDownFrames::kCount, false, K::kKeyed, kUpDownVertNames},
    {E::kUpDownVertGlyph, "UpDown.Vert", "GlyphImage", R::kFixed, "", UpDownFrames::kCount, false, K::kKeyed,
     kUpDownVertNames},
    {E::kTrack, "Track", "Image", R::kKey, "Frame", 0, false, K::kOpaque, kChannelNames},
    {E::kTrackVert, "TRACKVERT", "Image", R::kKey, "Frame", 0, false, K::kOpaque, kChannelNames},
    {E::kMinCaption, "MinCaption", "Image", R::kKey, "Frame", 1, true, K::kOpaque, kMinCaptionNames},
};

constexpr bool EveryElementListedOnce() {
  for (int element = 0; element <= static_cast<int>(E::kMinCaption); ++element) {
    int listed = 0;
    for (const ElementFrames& entry : kElements) listed += static_cast<int>(entry.element) == element;
    if (listed != 1) return false;
  }
  return true;
}
static_assert(EveryElementListedOnce());

}  // namespace

std::span<const ElementFrames> AllElementFrames() { return kElements; }

const ElementFrames& FramesOf(SkinElement element) {
  for (const ElementFrames& entry : kElements)
    if (entry.element == element) return entry;
  return kElements[0];  // not reached: every element is listed
}

const ElementFrames* FindElementFrames(std::string_view section, std::string_view key) {
  for (const ElementFrames& entry : kElements) {
    if (!AsciiEqualIgnoreCase(key, entry.image_key)) continue;
    const bool section_matches = entry.element == SkinElement::kCaptionButton
                                     ? section.size() >= entry.section.size() &&
                                           AsciiEqualIgnoreCase(section.substr(0, entry.section.size()), entry.section)
                                     : AsciiEqualIgnoreCase(section, entry.section);
    if (section_matches) return &entry;
  }
  return nullptr;
}

int32_t BuildFrameCount(const ElementFrames& element, const TQuickIni& definition, std::string_view section,
                        FrameImageSize image) {
  switch (element.rule) {
    case FrameCountRule::kFixed:
      return element.frames;
    case FrameCountRule::kKey:
      return definition.ReadInteger(section, element.count_key, element.frames);
    case FrameCountRule::kKeyOrFixed: {
      const int32_t frames = definition.ReadInteger(section, element.count_key, 0);
      return frames != 0 ? frames : element.frames;
    }
    case FrameCountRule::kProgressStyle:
      return definition.ReadInteger(section, "Style", 0) != 0 ? 1 : 2;
    case FrameCountRule::kFromImage: {
      const int32_t frames = definition.ReadInteger(section, element.count_key, 0);
      if (frames != 0) return frames;
      const int unit = image.height < 16 ? 13 : 16;
      return std::max(image.width / unit, C::kCount);
    }
    case FrameCountRule::kCaptionButton: {
      const int32_t frames = definition.ReadInteger(section, element.count_key, 0);
      return frames != 0 ? frames : CaptionButtonFrameCount(image, definition.ReadInteger(section, "Action", 0));
    }
  }
  return element.frames;
}

int32_t CaptionButtonFrameCount(FrameImageSize image, int32_t action) {
  if (image.width <= 0 || image.height <= 0 || action < 0) return CaptionButtonFrames::kCount;
  // Width ÷ height at most 3.8, in integers so that 3.8 itself counts on every processor.
  return 5 * int64_t{image.width} <= 19 * int64_t{image.height} ? CaptionButtonFrames::kShortCount
                                                                : CaptionButtonFrames::kCount;
}

std::span<const FrameName> FrameNamesOf(const ElementFrames& element, int32_t frames) {
  if (!element.other_names.empty() && frames == static_cast<int32_t>(element.other_names.size()))
    return element.other_names;
  return element.names;
}

}  // namespace skin
