// The state frames of every skin element: how many frames its bitmap holds, how the element build
// arrives at that number, whether they lie side by side or stacked, whether magenta in them is
// transparent where they are drawn, and what each frame shows. The element build (skin/core) takes
// the frame counts from here, the painters name frames with the constants below, and skinpack
// labels its contact sheet and checks bitmaps with the same table.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "skin/resources/quick_ini.h"

namespace skin {

// Frames are numbered from 1. Where an element's frames repeat a group of states (arrows, buttons
// of a strip), the constants name the first frame of each group and the offset of each state.

// "Buttons" Bitmap: push buttons.
struct ButtonFrames {
  static constexpr int kNormal = 1, kPressed = 2, kDisabled = 3, kHot = 4, kFocused = 5;
  static constexpr int kCount = 5;
};

// The four states of the small buttons: combo button, sunken combo edge, up-down halves,
// drop-down arrows of "ExtraImages".
struct StateFrames {
  static constexpr int kNormal = 1, kPressed = 2, kDisabled = 3, kHot = 4;
  static constexpr int kCount = 4;
};

// "Buttons" CheckButton and RadioButton. Four frames: the state number s of a check box or radio
// button. Images of exactly 12 (check) or 8 (radio) frames hold each mark in four states and s is
// translated with LongFrame.
struct CheckFrames {
  static constexpr int kUnchecked = 1, kChecked = 2, kUncheckedDisabled = 3, kCheckedDisabled = 4;
  static constexpr int kCount = 4;
  static constexpr int kLongCheckCount = 12, kLongRadioCount = 8;
  // In the long layouts: unchecked, checked and (check boxes only) mixed, each normal, hot,
  // pressed and disabled.
  static constexpr int kLongMixed = 9, kLongMixedDisabled = 12;
  static constexpr int LongFrame(int state) {
    return state == kChecked ? 5 : state == kUncheckedDisabled ? 4 : state == kCheckedDisabled ? 8 : state;
  }
};

// The four window borders, the caption text background and the menu bar.
struct ActiveFrames {
  static constexpr int kActive = 1, kInactive = 2;
  static constexpr int kCount = 2;
};

// A caption button image of six frames (three-frame images hold the first three). A disabled
// button shows the inactive frame; frames 5 and 6 are never drawn.
struct CaptionButtonFrames {
  static constexpr int kNormal = 1, kPressed = 2, kHot = 3, kInactive = 4;
  static constexpr int kCount = 6, kShortCount = 3;
};

// "MDICONTROLS": the buttons of a maximised MDI child, one strip of three buttons in four states.
struct MdiFrames {
  static constexpr int kMinimize = 1, kRestore = 5, kClose = 9;
  static constexpr int kButtons = 3, kStatesPerButton = 4;
  static constexpr int kNormal = 0, kPressed = 1, kDisabled = 2, kHot = 3;  // offsets
  static constexpr int kCount = kButtons * kStatesPerButton;
};

// "Scrollbar": arrows in four states, then the thumb grips in three, then one spare frame.
struct ScrollbarFrames {
  static constexpr int kLeftArrow = 1, kRightArrow = 5, kUpArrow = 9, kDownArrow = 13;
  static constexpr int kArrowNormal = 0, kArrowPressed = 1, kArrowDisabled = 2, kArrowHot = 3;
  static constexpr int kHorzGrip = 17, kVertGrip = 20;
  static constexpr int kGripNormal = 0, kGripPressed = 1, kGripHot = 2;
  static constexpr int kSpare = 23;
  static constexpr int kCount = 23;
};

// "HorzScroll" and "VertScroll": the track.
struct ScrollTrackFrames {
  static constexpr int kNormal = 1, kPressed = 2, kDisabled = 3, kHot = 4;
  static constexpr int kCount = 4;
};

// "HorzScrollThumb" and "VertScrollThumb": three frames unless the skin gives FrameCount.
struct ScrollThumbFrames {
  static constexpr int kNormal = 1, kPressed = 2, kHot = 3, kDisabled = 4;
  static constexpr int kDefaultCount = 3;
};

// "UpDown.Horz" and "UpDown.Vert", image and glyph image: the first (up or left) and the second
// (down or right) half in the four states of StateFrames.
struct UpDownFrames {
  static constexpr int kFirst = 1, kSecond = 5;
  static constexpr int kCount = 8;
};

// "Tabs": the tab image.
struct TabFrames {
  static constexpr int kNormal = 1, kSelected = 2, kHot = 3, kDisabled = 4, kFocused = 5;
  static constexpr int kCount = 5;
};

// "StatusBarEdges": panel bevels.
struct StatusBarFrames {
  static constexpr int kLowered = 1, kRaised = 2, kFlat = 3;
  static constexpr int kCount = 3;
};

// "Headerbar": five frames unless the skin gives Frame.
struct HeaderFrames {
  static constexpr int kNormal = 1, kHot = 2, kPressed = 3, kDisabled = 4, kSelected = 5;
  static constexpr int kDefaultCount = 5;
};

// "MenuItem".
struct MenuItemFrames {
  static constexpr int kNormal = 1, kSeparator = 2, kPressed = 3, kSelected = 4, kDisabled = 5;
  static constexpr int kCount = 5;
};

// "ExtraImages": the drop-down arrow in the four states of StateFrames, then the size grip.
struct ExtraImageFrames {
  static constexpr int kArrow = 1, kSizeGrip = 5;
  static constexpr int kCount = 5;
};

// The six "Trackbar.Thumb…" images.
struct TrackThumbFrames {
  static constexpr int kFlat = 1, kNormal = 2, kHot = 3, kPressed = 4, kDisabled = 5;
  static constexpr int kCount = 5;
};

// "Progress": one frame (the trough, Style not 0) or two.
struct ProgressFrames {
  static constexpr int kTrough = 1;
  static constexpr int kEmpty = 1, kFilled = 2;
};

// Every element bitmap a skin definition can name.
enum class SkinElement {
  kBorderLeft,
  kBorderRight,
  kBorderTop,
  kBorderBottom,
  kTitle,  // the caption text background, "TextBack"
  kMenuBar,
  kButtons,
  kCheckBox,
  kRadioButton,
  kProgress,
  kProgressChunk,
  kGroupBoxEdge,
  kGroupBox,
  kTabs,
  kTabBorder,
  kStatusBarEdges,
  kTabPane,
  kToolBars,
  kComboButton,
  kSunkEdge,
  kExtraImages,
  kHeaderbar,
  kMenuItem,
  kMenuBackground,
  kScrollbar,
  kHorzScroll,
  kVertScroll,
  kHorzScrollThumb,
  kVertScrollThumb,
  kTrackbarThumbHorz,
  kTrackbarThumbVert,
  kTrackbarThumbLeft,
  kTrackbarThumbRight,
  kTrackbarThumbUp,
  kTrackbarThumbDown,
  kUpDownHorz,
  kUpDownHorzGlyph,
  kUpDownVert,
  kUpDownVertGlyph,
  kTrack,
  kTrackVert,
  kMdiControls,
  kCaptionButton,  // every section whose name begins with "BUTTON"
  kMinCaption,     // named by skins, never drawn
};

// How the element build arrives at the frame count it stores.
enum class FrameCountRule {
  kFixed,          // always `frames`, whatever the definition says
  kKey,            // the integer `key` of the section, `frames` when absent
  kKeyOrFixed,     // the same, but `frames` also when it is 0
  kProgressStyle,  // 1 when the section's "Style" is not 0, else 2
  kFromImage,      // the key; when 0, the image width div 13 (images under 16 high) or div 16, at
                   // least 4
  kCaptionButton,  // the key; when 0, 6, or 3 for an image at most 3.8 times as wide as high and
                   // an "Action" of 0 or more
};

// Whether magenta leaves the destination visible where the frames are drawn.
enum class FrameKeying {
  kOpaque,
  kKeyed,
  kTransKey,        // when the section's "Trans" is 1
  kBorderTransKey,  // when the border's "…Trans" key (default 1) is 1
};

// One frame: what it shows, and whether the program ever draws it.
struct FrameName {
  int frame;
  std::string_view label;
  bool drawn = true;
};

struct ElementFrames {
  SkinElement element;
  std::string_view section;  // as skins write it; kCaptionButton: the prefix "BUTTON"
  std::string_view image_key;
  FrameCountRule rule;
  std::string_view count_key;  // read by every rule but kFixed and kProgressStyle
  int32_t frames;              // the fixed count, or the default
  bool stacked;                // frames top to bottom instead of side by side
  FrameKeying keying;
  std::span<const FrameName> names;  // frame 1 first; may name fewer than there are
  // A second layout, for images of exactly its length of frames: the long check box and radio
  // images, the one-frame progress trough.
  std::span<const FrameName> other_names;
};

// The whole table, in the order the element build loads the elements.
std::span<const ElementFrames> AllElementFrames();
const ElementFrames& FramesOf(SkinElement element);
// The element a definition's key names, ASCII letter case ignored; nullptr when none does.
const ElementFrames* FindElementFrames(std::string_view section, std::string_view key);

// The image a count rule may look at: width and height, 0 × 0 when the element has none.
struct FrameImageSize {
  int width = 0;
  int height = 0;
};

// The frame count the element build stores for `element`, read from `section` of the definition
// (the element's own section unless it is a caption button).
int32_t BuildFrameCount(const ElementFrames& element, const TQuickIni& definition, std::string_view section,
                        FrameImageSize image = {});

// The frame count of a caption button image of that size without a "frame" key.
int32_t CaptionButtonFrameCount(FrameImageSize image, int32_t action);

// The names of the frames of an element of `frames` frames: its second layout when that has
// exactly as many.
std::span<const FrameName> FrameNamesOf(const ElementFrames& element, int32_t frames);

}  // namespace skin
