// The bitmaps of the "midnight" skin. As in "sky blue", each element holds its state frames side
// by side (the window border pieces top and bottom stacked), everything that must not be stretched
// stays inside the element's margins, and magenta marks exactly the transparent pixels. The frame
// counts are the engine's own (skin/resources/element_frames.h). The look: slate-navy faces, cut
// corners, light glyphs, and an indigo accent for hot, pressed, selected and checked states.
#include "tools/skinart/midnight_artwork.h"

#include <array>
#include <utility>

#include "skin/resources/element_frames.h"
#include "tools/skinart/midnight_palette.h"
#include "tools/skinart/shapes.h"
#include "tools/skinart/skin_parts.h"

namespace skinart {

const char* const kMidnightDisplayName = "\xCE\xE7\xD2\xB9";  // 午夜 in code page 936
const char* const kMidnightAuthor = "Pastelle designers";
const char* const kMidnightDefinitionName = "midnight__definitions.ini";

namespace {

using skinimage::kMagenta;
using skinimage::kWhite;
using skinimage::MakeRgb;
using skinimage::Mix;
namespace m = midnight;

// The header image's name begins with 午夜 in code page 936.
const std::string kHeaderName = std::string(kMidnightDisplayName) + "__header.bmp";

// A strip of `frames` frames of `width` × `height`, all transparent.
Image Strip(int frames, int width, int height) { return Image(frames * width, height, kMagenta); }

// Push buttons, combo and spin buttons, MDI buttons, track bar thumbs.
BoxStyle ControlStyle(State state) {
  switch (state) {
    case State::kNormal:
      return {m::kBorderNormal,    MakeRgb(66, 72, 96),  MakeRgb(56, 62, 84),
              MakeRgb(47, 52, 72), MakeRgb(86, 94, 124), std::nullopt};
    case State::kHot:
      return {m::kBorderHot,        MakeRgb(82, 92, 128),   MakeRgb(70, 80, 114),
              MakeRgb(60, 68, 100), MakeRgb(110, 122, 164), std::nullopt};
    case State::kPressed:
      return {m::kBorderPressed,   MakeRgb(32, 37, 60), MakeRgb(40, 47, 78),
              MakeRgb(48, 57, 96), std::nullopt,        std::nullopt};
    case State::kDisabled:
      return {m::kBorderDisabled,  MakeRgb(44, 47, 60), MakeRgb(42, 45, 58),
              MakeRgb(40, 43, 56), std::nullopt,        std::nullopt};
    case State::kFocused:
      return {m::kAccent,          MakeRgb(66, 72, 96), MakeRgb(56, 62, 84),
              MakeRgb(47, 52, 72), std::nullopt,        MakeRgb(70, 84, 168)};
    case State::kInactive:
      return {m::kBorderInactive,  MakeRgb(48, 51, 64), MakeRgb(44, 47, 60),
              MakeRgb(40, 43, 55), MakeRgb(56, 60, 74), std::nullopt};
  }
  return {};
}

Rgb GlyphColour(State state) {
  switch (state) {
    case State::kHot:
      return m::kGlyphHot;
    case State::kPressed:
      return m::kGlyphPressed;
    case State::kDisabled:
      return m::kGlyphDisabled;
    case State::kInactive:
      return m::kGlyphInactive;
    default:
      return m::kGlyphNormal;
  }
}

// Scroll arrows and thumbs: quieter than push buttons.
BoxStyle ScrollStyle(State state) {
  switch (state) {
    case State::kHot:
      return {m::kBorderHot,       MakeRgb(66, 74, 104), MakeRgb(58, 66, 94),
              MakeRgb(52, 59, 86), std::nullopt,         std::nullopt};
    case State::kPressed:
      return {m::kBorderPressed,    MakeRgb(40, 48, 96), MakeRgb(45, 54, 106),
              MakeRgb(50, 60, 116), std::nullopt,        std::nullopt};
    case State::kDisabled:
      return {MakeRgb(44, 47, 60), MakeRgb(36, 39, 51), MakeRgb(36, 39, 51),
              MakeRgb(36, 39, 51), std::nullopt,        std::nullopt};
    default:
      return {MakeRgb(60, 66, 88), MakeRgb(52, 57, 77), MakeRgb(48, 53, 72),
              MakeRgb(44, 48, 65), std::nullopt,        std::nullopt};
  }
}

// --- Push, check and radio buttons ---------------------------------------------------------

Image Buttons() {
  using B = skin::ButtonFrames;
  constexpr std::array kStates = {State::kNormal, State::kPressed, State::kDisabled, State::kHot, State::kFocused};
  static_assert(kStates.size() == B::kCount);
  Image image = Strip(B::kCount, 22, 24);
  for (int i = 0; i < B::kCount; ++i)
    PaintCutBox(image, FrameRect(i, 22, 24), Corners::All(3), ControlStyle(kStates[static_cast<size_t>(i)]), kMagenta);
  return image;
}

// Check boxes and radio buttons in the long layouts: each mark in the states normal, hot,
// pressed, disabled. 16 pixels square, so that the engine counts the frames from the image.
constexpr int kCheckSize = 16;
constexpr std::array kCheckStates = {State::kNormal, State::kHot, State::kPressed, State::kDisabled};

// An unchecked box: darker than the face, as if sunk into it.
BoxStyle CheckStyle(State state) {
  switch (state) {
    case State::kHot:
      return {m::kBorderHot, MakeRgb(34, 38, 56), MakeRgb(38, 43, 62), MakeRgb(42, 48, 70), std::nullopt, std::nullopt};
    case State::kPressed:
      return {m::kBorderPressed,    MakeRgb(44, 52, 92), MakeRgb(48, 57, 100),
              MakeRgb(52, 62, 108), std::nullopt,        std::nullopt};
    case State::kDisabled:
      return {MakeRgb(50, 54, 66), MakeRgb(38, 41, 52), MakeRgb(38, 41, 52),
              MakeRgb(38, 41, 52), std::nullopt,        std::nullopt};
    default:
      return {m::kBorderNormal,    MakeRgb(28, 31, 43), MakeRgb(32, 35, 48),
              MakeRgb(36, 40, 54), std::nullopt,        std::nullopt};
  }
}

// A checked box or radio button: filled with the accent.
BoxStyle CheckedStyle(State state) {
  switch (state) {
    case State::kHot:
      return {m::kAccent,  MakeRgb(140, 158, 250), MakeRgb(118, 138, 242), MakeRgb(100, 120, 232), std::nullopt,
              std::nullopt};
    case State::kPressed:
      return {m::kAccentDark,       MakeRgb(56, 72, 164), MakeRgb(64, 82, 180),
              MakeRgb(72, 92, 194), std::nullopt,         std::nullopt};
    case State::kDisabled:
      return {MakeRgb(66, 70, 84), MakeRgb(58, 62, 76), MakeRgb(58, 62, 76),
              MakeRgb(58, 62, 76), std::nullopt,        std::nullopt};
    default:
      return {m::kAccentDark, MakeRgb(116, 136, 242), m::kAccent, MakeRgb(80, 100, 212), std::nullopt, std::nullopt};
  }
}

Rgb MarkColour(State state) {
  switch (state) {
    case State::kPressed:
      return MakeRgb(214, 220, 242);
    case State::kDisabled:
      return MakeRgb(110, 116, 132);
    default:
      return kWhite;
  }
}

Image CheckBox() {
  using C = skin::CheckFrames;
  constexpr int kStatesPerMark = C::kLongCheckCount / 3;  // unchecked, checked, mixed
  static_assert(kCheckStates.size() == kStatesPerMark);
  Image image = Strip(C::kLongCheckCount, kCheckSize, kCheckSize);
  for (int mark = 0; mark < 3; ++mark) {
    for (int s = 0; s < kStatesPerMark; ++s) {
      const State state = kCheckStates[static_cast<size_t>(s)];
      const Rect frame = FrameRect(mark * kStatesPerMark + s, kCheckSize, kCheckSize);
      PaintCutBox(image, frame, Corners::All(2), mark == 1 ? CheckedStyle(state) : CheckStyle(state), kMagenta);
      if (mark == 1) {  // a bold check mark
        PaintCheckMark(image, frame.left + 4, 4, MarkColour(state));
        PaintCheckMark(image, frame.left + 4, 5, MarkColour(state));
      } else if (mark == 2) {  // mixed: an accent bar
        const Rgb bar = state == State::kDisabled ? m::kGlyphDisabled
                        : state == State::kHot    ? m::kAccentLight
                                                  : m::kAccent;
        image.Fill({frame.left + 4, 7, frame.left + 12, 9}, bar);
      }
    }
  }
  return image;
}

Image RadioButton() {
  using C = skin::CheckFrames;
  constexpr int kStatesPerMark = C::kLongRadioCount / 2;  // unchecked, checked
  static_assert(kCheckStates.size() == kStatesPerMark);
  Image image = Strip(C::kLongRadioCount, kCheckSize, kCheckSize);
  for (int mark = 0; mark < 2; ++mark) {
    for (int s = 0; s < kStatesPerMark; ++s) {
      const State state = kCheckStates[static_cast<size_t>(s)];
      const Rect frame = FrameRect(mark * kStatesPerMark + s, kCheckSize, kCheckSize);
      PaintShape(
          image, frame, [](int x, int y) { return InsideDisc(x, y, kCheckSize); },
          mark == 1 ? CheckedStyle(state) : CheckStyle(state), kMagenta);
      if (mark == 1) {
        for (int y = 0; y < kCheckSize; ++y)
          for (int x = 0; x < kCheckSize; ++x)
            if (InsideDisc(x - 5, y - 5, 6)) image.Set(frame.left + x, y, MarkColour(state));
      }
    }
  }
  return image;
}

// --- Progress bars ---------------------------------------------------------------------------

Image Progress() {
  // Style 0: frame 1 the empty bar, frame 2 the filled one, nine-sliced to the bar's size.
  using P = skin::ProgressFrames;
  Image image = Strip(P::kFilled, 12, 14);
  const BoxStyle empty = {MakeRgb(60, 66, 88), m::kTrackEdge, m::kTrackTop,
                          m::kTrackBottom,     std::nullopt,  std::nullopt};
  const BoxStyle filled = {m::kAccentDark,       m::kAccentLight,        m::kAccent,
                           MakeRgb(70, 90, 206), MakeRgb(176, 190, 252), std::nullopt};
  PaintCutBox(image, FrameRect(P::kEmpty - 1, 12, 14), Corners::All(2), empty, kMagenta);
  PaintCutBox(image, FrameRect(P::kFilled - 1, 12, 14), Corners::All(2), filled, kMagenta);
  return image;
}

Image ProgressChunk() {
  // One segment of a tiled bar: side by side, their edges make the gaps between them.
  Image image(8, 10, kMagenta);
  const BoxStyle style = {m::kAccentDark,       m::kAccentLight, m::kAccent,
                          MakeRgb(70, 90, 206), std::nullopt,    std::nullopt};
  PaintCutBox(image, image.Bounds(), Corners::All(1), style, kMagenta);
  return image;
}

// --- Tabs --------------------------------------------------------------------------------------

Image Tabs() {
  // A selected tab is open at the bottom, running into the pane, and carries an accent line.
  struct TabState {
    BoxStyle style;
    bool selected;
  };
  const std::array<TabState, skin::TabFrames::kCount> kStates = {{
      {{MakeRgb(64, 70, 92), MakeRgb(46, 50, 67), MakeRgb(42, 46, 62), MakeRgb(38, 42, 57), std::nullopt, std::nullopt},
       false},
      {{MakeRgb(86, 96, 130), MakeRgb(54, 60, 82), MakeRgb(45, 50, 68), m::kButtonFace, std::nullopt, std::nullopt},
       true},
      {{m::kBorderHot, MakeRgb(60, 67, 92), MakeRgb(52, 58, 80), MakeRgb(46, 51, 70), std::nullopt, std::nullopt},
       false},
      {{MakeRgb(50, 54, 66), MakeRgb(38, 41, 52), MakeRgb(38, 41, 52), MakeRgb(38, 41, 52), std::nullopt, std::nullopt},
       false},
      {{m::kAccent, MakeRgb(54, 60, 82), MakeRgb(45, 50, 68), m::kButtonFace, std::nullopt, std::nullopt}, true},
  }};
  constexpr int kWidth = 28, kHeight = 24;
  Image image = Strip(skin::TabFrames::kCount, kWidth, kHeight);
  for (int i = 0; i < skin::TabFrames::kCount; ++i) {
    const TabState& tab = kStates[static_cast<size_t>(i)];
    const Rect frame = FrameRect(i, kWidth, kHeight);
    PaintCutBox(image, frame, Corners::Top(4), tab.style, kMagenta);
    if (!tab.selected) continue;
    image.HorizontalLine(frame.left + 1, frame.right - 2, kHeight - 1, tab.style.fill_bottom);
    for (int y = 1; y <= 2; ++y)
      for (int x = frame.left + 1; x < frame.right - 1; ++x)
        if (image.At(x, y) != tab.style.border && image.At(x, y) != kMagenta) image.Set(x, y, m::kAccent);
  }
  return image;
}

Image TabSheet() {
  Image image(48, 48, m::kButtonFace);
  image.Frame(image.Bounds(), MakeRgb(86, 96, 130));
  image.HorizontalLine(1, 46, 1, MakeRgb(52, 57, 76));
  image.VerticalLine(1, 1, 46, MakeRgb(52, 57, 76));
  image.HorizontalLine(2, 46, 46, MakeRgb(30, 33, 45));
  image.VerticalLine(46, 2, 46, MakeRgb(30, 33, 45));
  return image;
}

// --- Combo box button and extra glyphs ---------------------------------------------------------

Image ComboButton() {
  using S = skin::StateFrames;
  Image image = Strip(S::kCount, 17, 18);
  for (int i = 0; i < S::kCount; ++i) {
    const State state = kButtonStates[static_cast<size_t>(i)];
    const Rect frame = FrameRect(i, 17, 18);
    PaintCutBox(image, frame, Corners::All(2), ControlStyle(state), kMagenta);
    const int shift = PressOffset(state);
    PaintArrow(image, frame.Offset(shift, shift), Direction::kDown, 4, GlyphColour(state));
  }
  return image;
}

Image ExtraImages() {
  // The drop-down arrow in the four states, then the size grip.
  using E = skin::ExtraImageFrames;
  Image image = Strip(E::kCount, 16, 17);
  for (int i = 0; i < skin::StateFrames::kCount; ++i) {
    const State state = kButtonStates[static_cast<size_t>(i)];
    const int shift = PressOffset(state);
    PaintArrow(image, FrameRect(E::kArrow - 1 + i, 16, 17).Offset(shift, shift), Direction::kDown, 4,
               GlyphColour(state));
  }
  const int left = (E::kSizeGrip - 1) * 16;
  for (int row = 0; row < 3; ++row) {
    for (int column = 0; column < 3; ++column) {
      if (row + column < 2) continue;
      const int x = left + 5 + 4 * column, y = 6 + 4 * row;
      image.Fill({x + 1, y + 1, x + 3, y + 3}, m::kButtonShadow);
      image.Fill({x, y, x + 2, y + 2}, MakeRgb(98, 106, 136));
    }
  }
  return image;
}

// --- Status bar and header ---------------------------------------------------------------------

Image StatusBar() {
  using S = skin::StatusBarFrames;
  constexpr int kWidth = 68, kHeight = 22;
  Image image(S::kCount * kWidth, kHeight);
  for (int i = 0; i < S::kCount; ++i) {
    const Rect frame = FrameRect(i, kWidth, kHeight);
    image.VerticalGradient(frame, MakeRgb(42, 46, 62), MakeRgb(34, 38, 52));
    if (i + 1 == S::kFlat) continue;
    const Rgb dark = m::kButtonShadow, light = MakeRgb(62, 68, 90);
    const Rgb top_left = i + 1 == S::kLowered ? dark : light;
    const Rgb bottom_right = i + 1 == S::kLowered ? light : dark;
    image.HorizontalLine(frame.left, frame.right - 1, 0, top_left);
    image.VerticalLine(frame.left, 0, kHeight - 1, top_left);
    image.HorizontalLine(frame.left + 1, frame.right - 1, kHeight - 1, bottom_right);
    image.VerticalLine(frame.right - 1, 1, kHeight - 1, bottom_right);
  }
  return image;
}

Image Header() {
  // The divider stands in the right margin and the accent underline in the bottom one, so that the
  // columns between the margins are all alike.
  struct HeaderState {
    Rgb top, bottom;
    std::optional<Rgb> accent;
  };
  const std::array<HeaderState, skin::HeaderFrames::kDefaultCount> kStates = {{
      {MakeRgb(52, 57, 77), MakeRgb(40, 44, 60), std::nullopt},
      {MakeRgb(62, 68, 92), MakeRgb(48, 53, 73), m::kAccentLight},
      {MakeRgb(34, 38, 54), MakeRgb(42, 47, 66), std::nullopt},
      {MakeRgb(42, 45, 57), MakeRgb(40, 43, 55), std::nullopt},
      {MakeRgb(56, 62, 84), MakeRgb(44, 49, 67), m::kAccent},
  }};
  constexpr int kSize = 20;
  Image image(skin::HeaderFrames::kDefaultCount * kSize, kSize);
  for (int i = 0; i < skin::HeaderFrames::kDefaultCount; ++i) {
    const HeaderState& state = kStates[static_cast<size_t>(i)];
    const Rect frame = FrameRect(i, kSize, kSize);
    image.VerticalGradient({frame.left, 0, frame.right, kSize - 1}, state.top, state.bottom);
    image.HorizontalLine(frame.left, frame.right - 1, 0, Mix(state.top, kWhite, 1, 8));
    image.VerticalLine(frame.left, 1, kSize - 2, Mix(state.top, kWhite, 1, 12));
    if (state.accent) image.Fill({frame.left, kSize - 4, frame.right, kSize - 1}, *state.accent);
    image.HorizontalLine(frame.left, frame.right - 1, kSize - 1, m::kButtonShadow);
    image.VerticalLine(frame.right - 2, 2, kSize - 5, m::kButtonShadow);
    image.VerticalLine(frame.right - 1, 2, kSize - 5, MakeRgb(70, 77, 102));
  }
  return image;
}

// --- Scroll bars -------------------------------------------------------------------------------

// The scroll track's shades by state.
TrackShades TrackLook(State state) {
  switch (state) {
    case State::kPressed:
      return {m::kTrackEdge, MakeRgb(26, 31, 54), MakeRgb(32, 38, 64)};
    case State::kDisabled:
      return {MakeRgb(34, 37, 48), MakeRgb(36, 39, 51), MakeRgb(36, 39, 51)};
    case State::kHot:
      return {m::kTrackEdge, MakeRgb(36, 40, 55), MakeRgb(44, 48, 65)};
    default:
      return {m::kTrackEdge, m::kTrackTop, m::kTrackBottom};
  }
}

Image HorzScrollTrack() {
  // The track's frames are in the button states' order: normal, pressed, disabled, hot.
  std::array<TrackShades, skin::ScrollTrackFrames::kCount> frames{};
  static_assert(kButtonStates.size() == frames.size());
  for (size_t i = 0; i < frames.size(); ++i) frames[i] = TrackLook(kButtonStates[i]);
  return TrackStrip(frames);
}

Image HorzScrollThumb() {
  // The engine's default three frames (no FrameCount key): normal, pressed, hot.
  constexpr std::array kStates = {State::kNormal, State::kPressed, State::kHot};
  std::array<BoxStyle, skin::ScrollThumbFrames::kDefaultCount> styles{};
  static_assert(kStates.size() == styles.size());
  for (size_t i = 0; i < styles.size(); ++i) styles[i] = ScrollStyle(kStates[i]);
  return ThumbsOverTrack(24, 15, TrackLook(State::kNormal), styles,
                         [](Image& image, const Rect& area, const BoxStyle& style) {
                           PaintCutBox(image, area, Corners::All(3), style, kMagenta);
                         });
}

Image ScrollbarArrows() {
  // Arrows left, right, up, down in four states each, the grips of a horizontal thumb (normal,
  // pressed, hot) and of a vertical one, and the corner where two bars meet.
  using Sb = skin::ScrollbarFrames;
  Image image = Strip(Sb::kCount, 16, 16);
  constexpr std::array kArrows = {std::pair{Sb::kLeftArrow, Direction::kLeft},
                                  std::pair{Sb::kRightArrow, Direction::kRight},
                                  std::pair{Sb::kUpArrow, Direction::kUp}, std::pair{Sb::kDownArrow, Direction::kDown}};
  for (const auto& [first, direction] : kArrows) {
    for (int s = 0; s < skin::StateFrames::kCount; ++s) {
      const State state = kButtonStates[static_cast<size_t>(s)];
      const Rect frame = FrameRect(first - 1 + s, 16, 16);
      PaintCutBox(image, frame, Corners::All(3), ScrollStyle(state), kMagenta);
      const int shift = PressOffset(state);
      PaintArrow(image, frame.Offset(shift, shift), direction, 4, GlyphColour(state));
    }
  }
  struct GripColours {
    int offset;
    Rgb dark, light;
  };
  const std::array<GripColours, 3> kGrips = {{
      {Sb::kGripNormal, m::kTrackEdge, MakeRgb(90, 98, 128)},
      {Sb::kGripPressed, MakeRgb(22, 28, 66), MakeRgb(122, 138, 232)},
      {Sb::kGripHot, MakeRgb(30, 36, 80), m::kAccentLight},
  }};
  for (const GripColours& grip : kGrips) {
    PaintGrip(image, FrameRect(Sb::kHorzGrip - 1 + grip.offset, 16, 16), true, 6, grip.dark, grip.light);
    PaintGrip(image, FrameRect(Sb::kVertGrip - 1 + grip.offset, 16, 16), false, 6, grip.dark, grip.light);
  }
  image.Fill(FrameRect(Sb::kSpare - 1, 16, 16), m::kButtonFace);
  return image;
}

// --- Menus -------------------------------------------------------------------------------------

Image MenuBackground() {
  Image image(20, 20, m::kMenu);
  image.Frame(image.Bounds(), MakeRgb(74, 82, 110));
  image.Frame(image.Bounds().Inset(1, 1), MakeRgb(54, 59, 79));
  return image;
}

Image MenuItem() {
  // Frames: normal, separator (the engine takes its bottom rows), pressed, selected, selected
  // while disabled.
  using Mi = skin::MenuItemFrames;
  constexpr int kSize = 20;
  Image image(Mi::kCount * kSize, kSize, m::kMenu);
  const int separator = (Mi::kSeparator - 1) * kSize;
  image.HorizontalLine(separator + 4, separator + kSize - 5, 15, m::kButtonShadow);
  image.HorizontalLine(separator + 4, separator + kSize - 5, 16, MakeRgb(66, 72, 96));
  const std::array<std::pair<int, BoxStyle>, 3> kHighlights = {{
      {Mi::kPressed,
       {m::kAccentDark, MakeRgb(46, 58, 136), MakeRgb(50, 63, 146), MakeRgb(54, 68, 156), std::nullopt, std::nullopt}},
      {Mi::kSelected,
       {MakeRgb(58, 74, 170), MakeRgb(96, 116, 222), m::kHilight, MakeRgb(66, 84, 186), MakeRgb(122, 140, 236),
        std::nullopt}},
      {Mi::kDisabled,
       {MakeRgb(72, 76, 92), MakeRgb(60, 64, 78), MakeRgb(58, 62, 76), MakeRgb(56, 60, 74), std::nullopt,
        std::nullopt}},
  }};
  for (const auto& [frame, style] : kHighlights)
    PaintCutBox(image, FrameRect(frame - 1, kSize, kSize), Corners::All(2), style, kMagenta);
  return image;
}

// --- Track bars --------------------------------------------------------------------------------

// Frames: flat (no focus), normal (what the engine draws), hot, pressed, disabled.
constexpr std::array kThumbStates = {State::kInactive, State::kNormal, State::kHot, State::kPressed, State::kDisabled};
static_assert(kThumbStates.size() == skin::TrackThumbFrames::kCount);

Rgb ThumbGripColour(State state) {
  switch (state) {
    case State::kHot:
      return m::kAccentLight;
    case State::kPressed:
      return m::kBorderPressed;
    case State::kDisabled:
      return m::kBorderDisabled;
    default:
      return MakeRgb(110, 118, 146);
  }
}

Image TrackThumbHorz() {
  constexpr int kWidth = 11, kHeight = 20;
  Image image = Strip(skin::TrackThumbFrames::kCount, kWidth, kHeight);
  for (int i = 0; i < skin::TrackThumbFrames::kCount; ++i) {
    const State state = kThumbStates[static_cast<size_t>(i)];
    const Rect frame = FrameRect(i, kWidth, kHeight);
    PaintCutBox(image, frame, Corners::All(2), ControlStyle(state), kMagenta);
    PaintGrip(image, frame, false, 5, ThumbGripColour(state), m::kButtonShadow);
  }
  return image;
}

Image TrackThumbDown() {
  // A thumb whose lower end points down at the tick marks.
  constexpr int kWidth = 13, kHeight = 22, kBody = 16;
  Image image = Strip(skin::TrackThumbFrames::kCount, kWidth, kHeight);
  auto inside = [](int x, int y) {
    if (x < 0 || y < 0 || x >= kWidth || y >= kHeight) return false;
    if (y < kBody) return InsideCutBox(x, y, kWidth, kBody, Corners::Top(2));
    const int k = y - kBody;
    return x >= k && x <= kWidth - 1 - k;
  };
  for (int i = 0; i < skin::TrackThumbFrames::kCount; ++i) {
    const State state = kThumbStates[static_cast<size_t>(i)];
    const Rect frame = FrameRect(i, kWidth, kHeight);
    PaintShape(image, frame, inside, ControlStyle(state), kMagenta);
    PaintGrip(image, {frame.left, 2, frame.right, kBody - 1}, false, 5, ThumbGripColour(state), m::kButtonShadow);
  }
  return image;
}

// The horizontal channel: a groove in its top five rows (where the engine puts the channel) and
// the face colour below it; the vertical one is the groove turned.
Image TrackChannel() {
  Image image(5, 10, m::kButtonFace);
  image.HorizontalLine(1, 3, 0, m::kButtonDkShadow);
  image.Fill({0, 1, 5, 4}, m::kButtonDkShadow);
  image.HorizontalLine(1, 3, 1, MakeRgb(20, 22, 31));
  image.HorizontalLine(1, 3, 2, MakeRgb(26, 29, 40));
  image.HorizontalLine(1, 3, 3, MakeRgb(30, 33, 46));
  image.HorizontalLine(1, 3, 4, MakeRgb(66, 72, 96));
  return image;
}

Image TrackChannelVert() {
  Image image(5, 10, m::kButtonFace);
  image.VerticalLine(0, 1, 8, m::kButtonDkShadow);
  image.HorizontalLine(1, 3, 0, m::kButtonDkShadow);
  image.HorizontalLine(1, 3, 9, MakeRgb(66, 72, 96));
  image.VerticalLine(1, 1, 8, MakeRgb(20, 22, 31));
  image.VerticalLine(2, 1, 8, MakeRgb(26, 29, 40));
  image.VerticalLine(3, 1, 8, MakeRgb(30, 33, 46));
  image.VerticalLine(4, 1, 8, MakeRgb(66, 72, 96));
  return image;
}

// --- Caption buttons ---------------------------------------------------------------------------

struct CaptionButtonLook {
  BoxStyle box;
  Rgb glyph;
};

// The six frames of a caption button: normal, pressed, hot, inactive window (also disabled in
// the engine), disabled, hot on an inactive window.
std::array<CaptionButtonLook, skin::CaptionButtonFrames::kCount> CaptionButtonLooks(Symbol symbol) {
  std::array<CaptionButtonLook, skin::CaptionButtonFrames::kCount> looks = {{
      {{MakeRgb(72, 80, 106), MakeRgb(60, 66, 90), MakeRgb(52, 58, 80), MakeRgb(46, 51, 70), MakeRgb(80, 88, 116),
        std::nullopt},
       m::kGlyphNormal},
      {{m::kAccentDark, MakeRgb(44, 56, 140), MakeRgb(52, 66, 160), MakeRgb(60, 76, 178), std::nullopt, std::nullopt},
       MakeRgb(196, 206, 240)},
      {{m::kBorderHot, MakeRgb(116, 136, 244), MakeRgb(94, 114, 228), MakeRgb(80, 100, 214), MakeRgb(160, 176, 252),
        std::nullopt},
       m::kGlyphHot},
      {{MakeRgb(56, 60, 74), MakeRgb(46, 49, 62), MakeRgb(42, 45, 57), MakeRgb(39, 42, 53), std::nullopt, std::nullopt},
       m::kGlyphInactive},
      {{MakeRgb(50, 54, 67), MakeRgb(40, 43, 55), MakeRgb(40, 43, 55), MakeRgb(40, 43, 55), std::nullopt, std::nullopt},
       m::kGlyphDisabled},
      {{MakeRgb(92, 98, 122), MakeRgb(64, 68, 86), MakeRgb(57, 61, 77), MakeRgb(52, 56, 71), MakeRgb(84, 90, 112),
        std::nullopt},
       MakeRgb(200, 205, 222)},
  }};
  if (symbol == Symbol::kClose) {
    using F = skin::CaptionButtonFrames;
    looks[F::kPressed - 1] = {
        {m::kCloseDark, MakeRgb(132, 30, 40), MakeRgb(146, 36, 46), MakeRgb(160, 42, 52), std::nullopt, std::nullopt},
        MakeRgb(240, 206, 210)};
    looks[F::kHot - 1] = {
        {m::kCloseDark, m::kCloseLight, MakeRgb(222, 78, 86), m::kClose, MakeRgb(250, 160, 164), std::nullopt}, kWhite};
  }
  return looks;
}

Image CaptionButton(Symbol symbol, const m::CaptionButtonPlace& place) {
  using F = skin::CaptionButtonFrames;
  constexpr int kSymbolSize = 9;
  const auto looks = CaptionButtonLooks(symbol);
  Image image = Strip(F::kCount, place.width, place.height);
  for (int i = 0; i < F::kCount; ++i) {
    const Rect frame = FrameRect(i, place.width, place.height);
    PaintCutBox(image, frame, Corners::All(3), looks[static_cast<size_t>(i)].box, kMagenta);
    const int shift = i + 1 == F::kPressed ? 1 : 0;
    PaintSymbol(image, symbol, frame.left + (place.width - kSymbolSize) / 2 + shift,
                (place.height - kSymbolSize) / 2 + shift, kSymbolSize, 2, looks[static_cast<size_t>(i)].glyph);
  }
  return image;
}

Image MenuButton() {
  // Three frames (normal, pressed, hot): the engine counts them from the image's shape. Normally
  // only the glyph shows, right on the caption.
  using F = skin::CaptionButtonFrames;
  const m::CaptionButtonPlace& place = m::kMenuButton;
  Image image = Strip(F::kShortCount, place.width, place.height);
  const std::array<std::optional<BoxStyle>, F::kShortCount> kBoxes = {{
      std::nullopt,
      BoxStyle{m::kAccentDark, MakeRgb(44, 56, 140), MakeRgb(52, 66, 160), MakeRgb(60, 76, 178), std::nullopt,
               std::nullopt},
      BoxStyle{MakeRgb(96, 106, 140), MakeRgb(74, 82, 110), MakeRgb(64, 71, 97), MakeRgb(56, 62, 86),
               MakeRgb(100, 110, 144), std::nullopt},
  }};
  const std::array<Rgb, F::kShortCount> kGlyphs = {m::kGlyphNormal, MakeRgb(196, 206, 240), m::kGlyphHot};
  for (int i = 0; i < F::kShortCount; ++i) {
    const Rect frame = FrameRect(i, place.width, place.height);
    if (kBoxes[static_cast<size_t>(i)])
      PaintCutBox(image, frame, Corners::All(3), *kBoxes[static_cast<size_t>(i)], kMagenta);
    const int shift = i + 1 == F::kPressed ? 1 : 0;
    for (int bar = 0; bar < 3; ++bar)
      image.Fill({frame.left + 5 + shift, 4 + 4 * bar + shift, frame.left + 15 + shift, 6 + 4 * bar + shift},
                 kGlyphs[static_cast<size_t>(i)]);
  }
  return image;
}

Image MdiButtons() {
  // Minimize, restore and close of a maximised child window, each in four states.
  using Md = skin::MdiFrames;
  constexpr std::array kSymbols = {Symbol::kMinimize, Symbol::kRestore, Symbol::kClose};
  static_assert(kSymbols.size() == Md::kButtons);
  constexpr int kSize = 11;
  Image image = Strip(Md::kCount, kSize, kSize);
  for (int b = 0; b < Md::kButtons; ++b) {
    for (int s = 0; s < Md::kStatesPerButton; ++s) {
      const State state = kButtonStates[static_cast<size_t>(s)];
      const Rect frame = FrameRect(b * Md::kStatesPerButton + s, kSize, kSize);
      PaintCutBox(image, frame, Corners::All(2), ControlStyle(state), kMagenta);
      PaintSymbol(image, kSymbols[static_cast<size_t>(b)], frame.left + 2, 2, 7, 1, GlyphColour(state));
    }
  }
  return image;
}

// --- Up-down buttons ---------------------------------------------------------------------------

Image SpinButtons(bool horizontal) {
  // The first (up or left) half in four states, then the second; each cuts its outer corners.
  using U = skin::UpDownFrames;
  constexpr int kWidth = 14, kHeight = 16;
  Image image = Strip(U::kCount, kWidth, kHeight);
  for (int half = 0; half < 2; ++half) {
    const Corners cuts = horizontal ? (half == 0 ? Corners::Left(3) : Corners::Right(3))
                                    : (half == 0 ? Corners::Top(3) : Corners::Bottom(3));
    const int first = half == 0 ? U::kFirst : U::kSecond;
    for (int s = 0; s < skin::StateFrames::kCount; ++s)
      PaintCutBox(image, FrameRect(first - 1 + s, kWidth, kHeight), cuts,
                  ControlStyle(kButtonStates[static_cast<size_t>(s)]), kMagenta);
  }
  return image;
}

Image SpinArrows(bool horizontal) {
  std::array<Rgb, skin::StateFrames::kCount> glyphs{};
  for (size_t i = 0; i < glyphs.size(); ++i) glyphs[i] = GlyphColour(kButtonStates[i]);
  return SpinArrowStrip(horizontal, glyphs);
}

// --- Window frame ------------------------------------------------------------------------------

constexpr FrameColours kActiveFrame = {m::kButtonDkShadow,  MakeRgb(74, 82, 110), MakeRgb(52, 58, 80),
                                       MakeRgb(41, 46, 64), MakeRgb(34, 38, 53),  m::kAccent,
                                       MakeRgb(36, 40, 55), m::kButtonShadow};
constexpr FrameColours kInactiveFrame = {MakeRgb(26, 28, 36), MakeRgb(58, 61, 74), MakeRgb(45, 47, 57),
                                         MakeRgb(40, 42, 51), MakeRgb(36, 38, 46), MakeRgb(54, 57, 70),
                                         MakeRgb(38, 40, 49), MakeRgb(28, 30, 38)};

// The design window the border pieces are cut from: top corners cut off, bottom corners rounded.
constexpr int kWindowWidth = 480, kWindowHeight = 120;

BorderPieces WindowBorders() {
  const WindowShape shape = {kWindowWidth,
                             kWindowHeight,
                             m::kBorderLeft,
                             m::kCaptionHeight,
                             m::kBorderRight,
                             m::kBorderBottom,
                             [](int x, int y) {
                               return InsideCutBox(x, y, kWindowWidth, kWindowHeight, Corners::Top(m::kTopCornerCut)) &&
                                      InsideRoundedBox(x, y, kWindowWidth, kWindowHeight,
                                                       Corners::Bottom(m::kBottomCornerRadius));
                             }};
  return CutBorderPieces(shape, kActiveFrame, kInactiveFrame);
}

Image CaptionTextBack() {
  // The plate under the caption text, active and inactive: a pill with rounded ends, as high as
  // the caption so that the engine never stretches it, with a middle that repeats.
  using A = skin::ActiveFrames;
  constexpr int kMiddle = 2, kWidth = m::kTextBackLeft + kMiddle + m::kTextBackRight;
  constexpr int kTop = 7, kBottom = 25, kRadius = (kBottom - kTop) / 2;
  const std::array<BoxStyle, A::kCount> kPlates = {{
      {MakeRgb(66, 74, 102), MakeRgb(22, 25, 36), MakeRgb(24, 27, 38), MakeRgb(26, 29, 41), std::nullopt, std::nullopt},
      {MakeRgb(54, 57, 69), MakeRgb(34, 36, 45), MakeRgb(35, 37, 46), MakeRgb(36, 38, 47), std::nullopt, std::nullopt},
  }};
  Image image = Strip(A::kCount, kWidth, m::kCaptionHeight);
  for (int i = 0; i < A::kCount; ++i)
    PaintBox(image, {i * kWidth, kTop, (i + 1) * kWidth, kBottom}, Corners::All(kRadius),
             kPlates[static_cast<size_t>(i)], kMagenta);
  return image;
}

Image MinimizedCaption() {
  // Active and inactive stacked; opaque, so the cut corners take the face colour.
  constexpr int kWidth = 80, kHeight = m::kCaptionHeight;
  Image image(kWidth, skin::ActiveFrames::kCount * kHeight, m::kButtonFace);
  for (int i = 0; i < skin::ActiveFrames::kCount; ++i) {
    const FrameColours& c = i == 0 ? kActiveFrame : kInactiveFrame;
    const BoxStyle style = {c.outline, c.caption_top, c.caption_middle, c.caption_bottom, c.highlight, std::nullopt};
    PaintCutBox(image, {0, kHeight * i, kWidth, kHeight * (i + 1)}, Corners::All(3), style, m::kButtonFace);
  }
  return image;
}

}  // namespace

std::vector<SkinBitmap> MidnightBitmaps() {
  BorderPieces borders = WindowBorders();
  std::vector<SkinBitmap> bitmaps;
  auto add = [&](const std::string& name, Image image, int bits = 24) {
    bitmaps.push_back({name, std::move(image), bits, 0});
  };
  add("midnight__buttons.bmp", Buttons());
  add("midnight__checkbox.bmp", CheckBox());
  add("midnight__radiobutton.bmp", RadioButton());
  add("midnight__progress.bmp", Progress());
  add("midnight__progresschunk.bmp", ProgressChunk());
  add("midnight__tab.bmp", Tabs());
  add("midnight__tabsheet.bmp", TabSheet());
  add("midnight__combobutton.bmp", ComboButton());
  add("midnight__statusbar.bmp", StatusBar());
  add(kHeaderName, Header());
  add("midnight__scrollbararrow.bmp", ScrollbarArrows());
  const Image thumb = HorzScrollThumb();
  add("midnight__scrollbarhthumb.bmp", thumb);
  add("midnight__scrollbarvthumb.bmp", TransposeFrames(thumb, skin::ScrollThumbFrames::kDefaultCount));
  const Image track = HorzScrollTrack();
  add("midnight__scrollbarhbar.bmp", track);
  add("midnight__scrollbarvbar.bmp", TransposeFrames(track, skin::ScrollTrackFrames::kCount));
  add("midnight__menubackground.bmp", MenuBackground(), 32);
  add("midnight__menuitem.bmp", MenuItem(), 32);
  add("midnight__extraimages.bmp", ExtraImages());
  add("midnight__trackthumbh.bmp", TrackThumbHorz());
  add("midnight__trackbot.bmp", TrackThumbDown());
  add("midnight__trackbar.bmp", TrackChannel());
  add("midnight__trackbarv.bmp", TrackChannelVert());
  add("midnight__mdibutton.bmp", MdiButtons());
  add("midnight__spin.bmp", SpinButtons(false));
  add("midnight__spinarrow.bmp", SpinArrows(false));
  add("midnight__spinh.bmp", SpinButtons(true));
  add("midnight__spinharrow.bmp", SpinArrows(true));
  add("midnight__closebutton.bmp", CaptionButton(Symbol::kClose, m::kCloseButton));
  add("midnight__maxbutton.bmp", CaptionButton(Symbol::kMaximize, m::kMaxButton));
  add("midnight__minbutton.bmp", CaptionButton(Symbol::kMinimize, m::kMinButton));
  add("midnight__restorebutton.bmp", CaptionButton(Symbol::kRestore, m::kMaxButton));
  add("midnight__menubutton.bmp", MenuButton());
  add("midnight__frameleft.bmp", std::move(borders.left));
  add("midnight__frameright.bmp", std::move(borders.right));
  add("midnight__frametop.bmp", std::move(borders.top));
  add("midnight__framebottom.bmp", std::move(borders.bottom));
  add("midnight__captionback.bmp", CaptionTextBack());
  add("midnight__mincaption.bmp", MinimizedCaption());
  return bitmaps;
}

std::vector<NamedFile> MidnightSkinFiles() {
  return SkinFolderFiles(kMidnightDefinitionName, MidnightDefinition(), MidnightBitmaps());
}

}  // namespace skinart
