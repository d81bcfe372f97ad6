// The bitmaps of the "sky blue" skin. Each element holds its state frames side by side (the
// window border pieces top and bottom stacked). Everything that must not be stretched (rounded
// corners, bevels, separators) stays inside the margins the definition gives the element, and
// what lies between the margins is uniform along the direction in which the engine stretches or
// tiles it. Magenta marks exactly the pixels meant to be transparent.
#include "tools/skinart/skin_artwork.h"

#include <array>
#include <functional>

#include "tools/skinart/shapes.h"
#include "tools/skinart/skin_parts.h"
#include "tools/skinart/sky_palette.h"
#include "tools/skinimage/bmp_file.h"

namespace skinart {

const char* const kSkinDisplayName = "\xCC\xEC\xC0\xB6\xC7\xE1\xD3\xAF";  // 天蓝轻盈 in code page 936
const char* const kSkinAuthor = "Pastelle designers";
const char* const kDefinitionName = "skyblue__definitions.ini";

namespace {

using skinimage::kMagenta;
using skinimage::kWhite;
using skinimage::MakeRgb;
using skinimage::Mix;

// The header image's name begins with 天蓝轻盈 in code page 936.
const std::string kHeaderName = std::string(kSkinDisplayName) + "__header.bmp";

// Push buttons, combo and spin buttons, caption buttons.
BoxStyle ControlStyle(State state) {
  switch (state) {
    case State::kNormal:
      return {sky::kBorderNormal, MakeRgb(253, 254, 255), MakeRgb(232, 241, 252), MakeRgb(210, 228, 248), kWhite,
              std::nullopt};
    case State::kHot:
      return {sky::kBorderHot, MakeRgb(255, 255, 255), MakeRgb(222, 239, 255), MakeRgb(184, 219, 252), kWhite,
              std::nullopt};
    case State::kPressed:
      return {sky::kBorderPressed,    MakeRgb(168, 200, 238), MakeRgb(192, 218, 247),
              MakeRgb(220, 235, 252), MakeRgb(150, 184, 226), std::nullopt};
    case State::kDisabled:
      return {sky::kBorderDisabled,   MakeRgb(245, 247, 250), MakeRgb(239, 242, 246),
              MakeRgb(233, 237, 242), std::nullopt,           std::nullopt};
    case State::kFocused:
      return {sky::kButtonDkShadow,   MakeRgb(253, 254, 255), MakeRgb(232, 241, 252),
              MakeRgb(210, 228, 248), std::nullopt,           MakeRgb(150, 198, 242)};
    case State::kInactive:
      return {sky::kBorderInactive,   MakeRgb(228, 232, 239), MakeRgb(214, 220, 230),
              MakeRgb(198, 207, 221), MakeRgb(238, 241, 246), std::nullopt};
  }
  return {};
}

Rgb GlyphColour(State state) {
  switch (state) {
    case State::kHot:
      return sky::kGlyphHot;
    case State::kPressed:
      return sky::kGlyphPressed;
    case State::kDisabled:
      return sky::kGlyphDisabled;
    case State::kInactive:
      return sky::kGlyphInactive;
    default:
      return sky::kGlyphNormal;
  }
}

// Scroll arrows and thumbs: quieter than push buttons, so that bars do not shout.
BoxStyle ScrollStyle(State state) {
  switch (state) {
    case State::kHot:
      return {sky::kBorderHot, MakeRgb(255, 255, 255), MakeRgb(226, 241, 255), MakeRgb(196, 225, 252), kWhite,
              std::nullopt};
    case State::kPressed:
      return {sky::kBorderPressed,    MakeRgb(178, 208, 241), MakeRgb(198, 222, 248),
              MakeRgb(220, 235, 252), std::nullopt,           std::nullopt};
    case State::kDisabled:
      return {MakeRgb(212, 220, 231), MakeRgb(246, 248, 251), MakeRgb(244, 246, 250),
              MakeRgb(241, 244, 248), std::nullopt,           std::nullopt};
    default:
      return {MakeRgb(150, 186, 226),
              MakeRgb(252, 253, 255),
              MakeRgb(236, 244, 253),
              MakeRgb(218, 233, 251),
              kWhite,
              std::nullopt};
  }
}

// --- Push, check and radio buttons ---------------------------------------------------------

Image Buttons() {
  // Frames: normal, pressed, disabled, hot, focused (or default).
  constexpr std::array kStates = {State::kNormal, State::kPressed, State::kDisabled, State::kHot, State::kFocused};
  Image image(100, 23, kMagenta);
  for (int i = 0; i < 5; ++i)
    PaintBox(image, FrameRect(i, 20, 23), Corners::All(3), ControlStyle(kStates[static_cast<size_t>(i)]), kMagenta);
  return image;
}

BoxStyle CheckStyle(State state) {
  switch (state) {
    case State::kHot:
      return {sky::kBorderHot, kWhite, MakeRgb(238, 247, 255), MakeRgb(208, 231, 253), std::nullopt, std::nullopt};
    case State::kPressed:
      return {sky::kBorderPressed,    MakeRgb(196, 220, 246), MakeRgb(212, 231, 250),
              MakeRgb(230, 241, 253), std::nullopt,           std::nullopt};
    case State::kDisabled:
      return {sky::kBorderDisabled,   MakeRgb(247, 248, 250), MakeRgb(243, 245, 248),
              MakeRgb(239, 242, 246), std::nullopt,           std::nullopt};
    default:
      return {sky::kBorderNormal, kWhite, MakeRgb(245, 249, 255), MakeRgb(226, 238, 252), std::nullopt, std::nullopt};
  }
}

Rgb MarkColour(State state) {
  switch (state) {
    case State::kHot:
      return sky::kAccentDark;
    case State::kPressed:
      return sky::kGlyphPressed;
    case State::kDisabled:
      return sky::kGlyphDisabled;
    default:
      return MakeRgb(34, 86, 156);
  }
}

constexpr std::array kCheckStates = {State::kNormal, State::kHot, State::kPressed, State::kDisabled};

Image CheckBox() {
  // Twelve frames: unchecked, checked and mixed, each normal, hot, pressed, disabled.
  Image image(156, 13, kMagenta);
  for (int mark = 0; mark < 3; ++mark) {
    for (int s = 0; s < 4; ++s) {
      const State state = kCheckStates[static_cast<size_t>(s)];
      const Rect frame = FrameRect(mark * 4 + s, 13, 13);
      PaintBox(image, frame, Corners::All(2), CheckStyle(state), kMagenta);
      if (mark == 1) PaintCheckMark(image, frame.left + 3, frame.top + 3, MarkColour(state));
      if (mark == 2) {
        const Rgb colour = state == State::kDisabled ? sky::kGlyphDisabled : sky::kAccent;
        image.Fill({frame.left + 4, 4, frame.left + 9, 9}, colour);
        image.Fill({frame.left + 4, 4, frame.left + 9, 5}, Mix(colour, kWhite, 2, 5));
      }
    }
  }
  return image;
}

Image RadioButton() {
  // Eight frames: unchecked and checked, each normal, hot, pressed, disabled.
  Image image(104, 13, kMagenta);
  for (int mark = 0; mark < 2; ++mark) {
    for (int s = 0; s < 4; ++s) {
      const State state = kCheckStates[static_cast<size_t>(s)];
      const Rect frame = FrameRect(mark * 4 + s, 13, 13);
      PaintShape(
          image, frame, [](int x, int y) { return InsideDisc(x, y, 13); }, CheckStyle(state), kMagenta);
      if (mark == 1) {
        const Rgb dot = state == State::kDisabled ? sky::kGlyphDisabled : MarkColour(state);
        for (int y = 0; y < 13; ++y)
          for (int x = 0; x < 13; ++x)
            if (InsideDisc(x - 4, y - 4, 5)) image.Set(frame.left + x, y, y == 4 ? Mix(dot, kWhite, 2, 5) : dot);
      }
    }
  }
  return image;
}

// --- Progress bars ---------------------------------------------------------------------------

Image ProgressTrough() {
  Image image(10, 13, kMagenta);
  const BoxStyle style = {MakeRgb(150, 185, 222), MakeRgb(244, 248, 253),
                          MakeRgb(250, 252, 255), kWhite,
                          MakeRgb(206, 222, 240), std::nullopt};
  PaintBox(image, image.Bounds(), Corners::All(2), style, kMagenta);
  return image;
}

Image ProgressChunk() {
  Image image(102, 14, kMagenta);
  const BoxStyle style = {sky::kAccentDark,      MakeRgb(178, 218, 251), MakeRgb(104, 176, 238),
                          MakeRgb(70, 150, 226), MakeRgb(204, 232, 253), std::nullopt};
  // The ends are one pixel wide (its margins): only the corner pixels can be cut.
  PaintBox(image, image.Bounds(), Corners::All(1), style, kMagenta);
  return image;
}

// --- Tabs --------------------------------------------------------------------------------------

Image Tabs() {
  // Frames: normal, selected, hot, disabled, selected with focus. A selected tab is open at the
  // bottom, running into the pane below it.
  struct TabState {
    BoxStyle style;
    bool open_bottom;
  };
  const std::array<TabState, 5> kStates = {{
      {{MakeRgb(140, 178, 222), MakeRgb(246, 250, 255), MakeRgb(232, 241, 252), MakeRgb(216, 230, 248), kWhite,
        std::nullopt},
       false},
      {{MakeRgb(104, 156, 214), kWhite, MakeRgb(240, 246, 254), sky::kButtonFace, sky::kAccent, std::nullopt}, true},
      {{sky::kBorderHot, kWhite, MakeRgb(236, 246, 255), MakeRgb(210, 232, 253), sky::kAccentLight, std::nullopt},
       false},
      {{sky::kBorderDisabled, MakeRgb(246, 247, 250), MakeRgb(241, 243, 247), MakeRgb(236, 239, 244), std::nullopt,
        std::nullopt},
       false},
      {{sky::kButtonDkShadow, kWhite, MakeRgb(240, 246, 254), sky::kButtonFace, sky::kAccentDark, std::nullopt}, true},
  }};
  Image image(130, 23, kMagenta);
  for (int i = 0; i < 5; ++i) {
    const TabState& tab = kStates[static_cast<size_t>(i)];
    const Rect frame = FrameRect(i, 26, 23);
    PaintBox(image, frame, Corners::Top(4), tab.style, kMagenta);
    if (tab.open_bottom) image.HorizontalLine(frame.left + 1, frame.right - 2, 22, tab.style.fill_bottom);
  }
  return image;
}

Image TabSheet() {
  Image image(48, 48, sky::kButtonFace);
  image.Frame(image.Bounds(), MakeRgb(140, 178, 222));
  image.HorizontalLine(1, 46, 1, kWhite);
  image.VerticalLine(1, 1, 46, kWhite);
  image.HorizontalLine(2, 46, 46, MakeRgb(208, 224, 244));
  image.VerticalLine(46, 2, 46, MakeRgb(208, 224, 244));
  return image;
}

// --- Combo box button and extra glyphs ---------------------------------------------------------

Image ComboButton() {
  // Frames: normal, pressed, disabled, hot.
  Image image(60, 16, kMagenta);
  for (int i = 0; i < 4; ++i) {
    const State state = kButtonStates[static_cast<size_t>(i)];
    const Rect frame = FrameRect(i, 15, 16);
    PaintBox(image, frame, Corners::All(2), ControlStyle(state), kMagenta);
    const int shift = PressOffset(state);
    PaintArrow(image, frame.Offset(shift, shift), Direction::kDown, 4, GlyphColour(state));
  }
  return image;
}

Image ExtraImages() {
  // Frames 1 to 4: drop-down arrows (normal, pressed, disabled, hot); frame 5: the size grip.
  Image image(80, 17, kMagenta);
  for (int i = 0; i < 4; ++i) {
    const State state = kButtonStates[static_cast<size_t>(i)];
    const int shift = PressOffset(state);
    PaintArrow(image, FrameRect(i, 16, 17).Offset(shift, shift), Direction::kDown, 4, GlyphColour(state));
  }
  const int left = 64;
  for (int row = 0; row < 3; ++row) {
    for (int column = 0; column < 3; ++column) {
      if (row + column < 2) continue;
      const int x = left + 5 + 4 * column, y = 6 + 4 * row;
      image.Fill({x + 1, y + 1, x + 3, y + 3}, kWhite);
      image.Fill({x, y, x + 2, y + 2}, MakeRgb(130, 168, 212));
    }
  }
  return image;
}

// --- Status bar and header ---------------------------------------------------------------------

Image StatusBar() {
  // Frames: lowered, raised, flat.
  Image image(204, 21);
  for (int i = 0; i < 3; ++i) {
    const Rect frame = FrameRect(i, 68, 21);
    image.VerticalGradient(frame, MakeRgb(238, 244, 252), MakeRgb(224, 235, 250));
    if (i == 2) continue;
    const Rgb top_left = i == 0 ? sky::kButtonShadow : kWhite;
    const Rgb bottom_right = i == 0 ? kWhite : sky::kButtonShadow;
    image.HorizontalLine(frame.left, frame.right - 1, 0, top_left);
    image.VerticalLine(frame.left, 0, 20, top_left);
    image.HorizontalLine(frame.left + 1, frame.right - 1, 20, bottom_right);
    image.VerticalLine(frame.right - 1, 1, 20, bottom_right);
  }
  return image;
}

Image Header() {
  // Frames: normal, hot, pressed, disabled, selected. The rows between the top and bottom margins
  // are tiled, so they are all alike; the gradient lives in the bottom margin.
  struct HeaderState {
    Rgb top, bottom, divider;
    std::optional<Rgb> accent;
  };
  const std::array<HeaderState, 5> kStates = {{
      {MakeRgb(250, 252, 255), MakeRgb(226, 237, 251), MakeRgb(196, 214, 236), std::nullopt},
      {kWhite, MakeRgb(212, 233, 253), MakeRgb(176, 204, 236), sky::kAccentLight},
      {MakeRgb(210, 228, 248), MakeRgb(230, 240, 252), MakeRgb(160, 192, 228), std::nullopt},
      {MakeRgb(246, 247, 249), MakeRgb(238, 241, 245), MakeRgb(220, 225, 232), std::nullopt},
      {MakeRgb(243, 248, 255), MakeRgb(218, 235, 253), MakeRgb(176, 204, 236), sky::kAccent},
  }};
  Image image(90, 18);
  for (int i = 0; i < 5; ++i) {
    const HeaderState& state = kStates[static_cast<size_t>(i)];
    const Rect frame = FrameRect(i, 18, 18);
    image.Fill({frame.left, 0, frame.right, 8}, state.top);
    image.HorizontalLine(frame.left, frame.right - 1, 0, i == 2 ? state.divider : kWhite);
    image.VerticalGradient({frame.left, 8, frame.right, 17}, state.top, state.bottom);
    if (state.accent) image.Fill({frame.left, 14, frame.right, 17}, *state.accent);
    image.HorizontalLine(frame.left, frame.right - 1, 17, sky::kButtonShadow);
    image.VerticalLine(frame.right - 2, 2, 15, state.divider);
    image.VerticalLine(frame.right - 1, 2, 15, kWhite);
  }
  return image;
}

// --- Scroll bars -------------------------------------------------------------------------------

// The scroll track's shades by state.
TrackShades TrackLook(State state) {
  switch (state) {
    case State::kPressed:
      return {sky::kTrackEdge, MakeRgb(208, 224, 244), MakeRgb(220, 233, 249)};
    case State::kDisabled:
      return {MakeRgb(226, 231, 238), MakeRgb(241, 243, 247), MakeRgb(241, 243, 247)};
    case State::kHot:
      return {sky::kTrackEdge, MakeRgb(238, 245, 254), MakeRgb(248, 251, 255)};
    default:
      return {sky::kTrackEdge, sky::kTrackTop, sky::kTrackBottom};
  }
}

Image HorzScrollTrack() {
  // Frames: normal, pressed, disabled, hot.
  std::array<TrackShades, 4> frames{};
  for (size_t i = 0; i < frames.size(); ++i) frames[i] = TrackLook(kButtonStates[i]);
  return TrackStrip(frames);
}

Image HorzScrollThumb() {
  // Frames: normal, pressed, hot, disabled.
  constexpr std::array kStates = {State::kNormal, State::kPressed, State::kHot, State::kDisabled};
  std::array<BoxStyle, 4> styles{};
  for (size_t i = 0; i < styles.size(); ++i) styles[i] = ScrollStyle(kStates[i]);
  return ThumbsOverTrack(22, 15, TrackLook(State::kNormal), styles,
                         [](Image& image, const Rect& area, const BoxStyle& style) {
                           PaintBox(image, area, Corners::All(3), style, kMagenta);
                         });
}

Image ScrollbarArrows() {
  // 23 frames of 16 × 16: left, right, up and down arrows (normal, pressed, disabled, hot each),
  // the grips of a horizontal thumb (normal, pressed, hot) and of a vertical one, and a spare
  // frame in the face colour (the corner where two bars meet).
  Image image(368, 16, kMagenta);
  constexpr std::array kDirections = {Direction::kLeft, Direction::kRight, Direction::kUp, Direction::kDown};
  for (int d = 0; d < 4; ++d) {
    for (int s = 0; s < 4; ++s) {
      const State state = kButtonStates[static_cast<size_t>(s)];
      const Rect frame = FrameRect(d * 4 + s, 16, 16);
      PaintBox(image, frame, Corners::All(3), ScrollStyle(state), kMagenta);
      const int shift = PressOffset(state);
      PaintArrow(image, frame.Offset(shift, shift), kDirections[static_cast<size_t>(d)], 4, GlyphColour(state));
    }
  }
  struct GripColours {
    Rgb dark, light;
  };
  const std::array<GripColours, 3> kGrips = {{
      {MakeRgb(122, 166, 214), kWhite},
      {sky::kBorderPressed, MakeRgb(206, 226, 248)},
      {sky::kBorderHot, kWhite},
  }};
  for (int g = 0; g < 3; ++g) {
    const GripColours& grip = kGrips[static_cast<size_t>(g)];
    PaintGrip(image, FrameRect(16 + g, 16, 16), true, 6, grip.dark, grip.light);
    PaintGrip(image, FrameRect(19 + g, 16, 16), false, 6, grip.dark, grip.light);
  }
  image.Fill(FrameRect(22, 16, 16), sky::kButtonFace);
  return image;
}

// --- Menus -------------------------------------------------------------------------------------

Image MenuBackground() {
  Image image(20, 20, sky::kMenu);
  image.Frame(image.Bounds(), MakeRgb(134, 170, 214));
  image.Frame(image.Bounds().Inset(1, 1), kWhite);
  return image;
}

Image MenuItem() {
  // Frames: normal, separator (its lower rows are cut out for separator items), pressed,
  // selected, selected while disabled.
  Image image(100, 18, sky::kMenu);
  image.HorizontalLine(20, 39, 13, MakeRgb(197, 214, 236));
  image.HorizontalLine(20, 39, 14, kWhite);
  const std::array<BoxStyle, 3> kHighlights = {{
      {MakeRgb(96, 122, 166), MakeRgb(150, 170, 200), MakeRgb(140, 161, 193), MakeRgb(131, 153, 187), std::nullopt,
       std::nullopt},
      {MakeRgb(118, 146, 190), MakeRgb(184, 201, 225), sky::kHilight, MakeRgb(146, 166, 197), MakeRgb(202, 216, 235),
       std::nullopt},
      {MakeRgb(180, 188, 200), MakeRgb(228, 232, 238), MakeRgb(220, 225, 232), MakeRgb(213, 219, 228), std::nullopt,
       std::nullopt},
  }};
  for (int i = 0; i < 3; ++i)
    PaintBox(image, FrameRect(2 + i, 20, 18), Corners::All(2), kHighlights[static_cast<size_t>(i)], kMagenta);
  return image;
}

// --- Track bars --------------------------------------------------------------------------------

BoxStyle ThumbStyle(int frame) {
  // Frames: flat (no focus), normal (what the engine draws), hot, pressed, disabled.
  switch (frame) {
    case 0:
      return {MakeRgb(150, 186, 226), MakeRgb(248, 251, 255), MakeRgb(238, 245, 253),
              MakeRgb(226, 237, 251), std::nullopt,           std::nullopt};
    case 2:
      return ControlStyle(State::kHot);
    case 3:
      return ControlStyle(State::kPressed);
    case 4:
      return ControlStyle(State::kDisabled);
    default:
      return ControlStyle(State::kNormal);
  }
}

Rgb ThumbGripColour(int frame) {
  switch (frame) {
    case 2:
      return sky::kBorderHot;
    case 3:
      return sky::kBorderPressed;
    case 4:
      return sky::kBorderDisabled;
    default:
      return sky::kBorderNormal;
  }
}

Image TrackThumbHorz() {
  Image image(45, 20, kMagenta);
  for (int i = 0; i < 5; ++i) {
    const Rect frame = FrameRect(i, 9, 20);
    PaintBox(image, frame, Corners::All(2), ThumbStyle(i), kMagenta);
    PaintGrip(image, frame, false, 5, ThumbGripColour(i), kWhite);
  }
  return image;
}

Image TrackThumbDown() {
  // A thumb whose lower end points down at the tick marks.
  Image image(55, 21, kMagenta);
  auto inside = [](int x, int y) {
    if (x < 0 || y < 0 || x >= 11 || y >= 21) return false;
    if (y < 15) return InsideRoundedBox(x, y, 11, 15, Corners::Top(2));
    const int k = y - 15;
    return x >= k && x <= 10 - k;
  };
  for (int i = 0; i < 5; ++i) {
    const Rect frame = FrameRect(i, 11, 21);
    PaintShape(image, frame, inside, ThumbStyle(i), kMagenta);
    PaintGrip(image, {frame.left, 2, frame.right, 14}, false, 5, ThumbGripColour(i), kWhite);
  }
  return image;
}

// The horizontal channel: a five-pixel groove at the top (where the engine puts the channel)
// and the face colour below it.
Image TrackChannel() {
  Image image(5, 10, sky::kButtonFace);
  const Rgb edge = MakeRgb(150, 185, 222);
  image.HorizontalLine(1, 3, 0, edge);
  image.Fill({0, 1, 5, 4}, edge);
  image.HorizontalLine(1, 3, 1, MakeRgb(206, 224, 246));
  image.HorizontalLine(1, 3, 2, MakeRgb(234, 243, 253));
  image.HorizontalLine(1, 3, 3, MakeRgb(248, 251, 255));
  image.HorizontalLine(1, 3, 4, kWhite);
  return image;
}

// The vertical channel fills its whole image: five pixels wide.
Image TrackChannelVert() {
  Image image(5, 10, sky::kButtonFace);
  const Rgb edge = MakeRgb(150, 185, 222);
  image.VerticalLine(0, 1, 8, edge);
  image.HorizontalLine(1, 3, 0, edge);
  image.HorizontalLine(1, 3, 9, kWhite);
  image.VerticalLine(1, 1, 8, MakeRgb(206, 224, 246));
  image.VerticalLine(2, 1, 8, MakeRgb(234, 243, 253));
  image.VerticalLine(3, 1, 8, MakeRgb(248, 251, 255));
  image.VerticalLine(4, 1, 8, kWhite);
  return image;
}

// --- Caption buttons ---------------------------------------------------------------------------

Image CaptionButton(Symbol symbol) {
  // Frames: normal, pressed, hot, inactive window (also disabled in the engine), disabled, hot
  // on an inactive window.
  constexpr std::array kStates = {State::kNormal,   State::kPressed,  State::kHot,
                                  State::kInactive, State::kDisabled, State::kInactive};
  Image image(126, 21, kMagenta);
  for (int i = 0; i < 6; ++i) {
    const State state = kStates[static_cast<size_t>(i)];
    const Rect frame = FrameRect(i, 21, 21);
    BoxStyle style = ControlStyle(state);
    Rgb glyph = GlyphColour(state);
    if (i == 5) {  // hot on an inactive window: the inactive look, lit
      style = {MakeRgb(120, 140, 172),
               MakeRgb(240, 244, 249),
               MakeRgb(222, 229, 239),
               MakeRgb(204, 214, 230),
               kWhite,
               std::nullopt};
      glyph = MakeRgb(72, 92, 126);
    }
    if (symbol == Symbol::kClose && (state == State::kHot || state == State::kPressed)) {
      const bool pressed = state == State::kPressed;
      style = {sky::kCloseDark,
               pressed ? MakeRgb(196, 58, 48) : sky::kCloseLight,
               pressed ? MakeRgb(206, 66, 56) : MakeRgb(232, 96, 84),
               pressed ? MakeRgb(222, 90, 80) : sky::kClose,
               pressed ? std::nullopt : std::optional<Rgb>(MakeRgb(252, 196, 190)),
               std::nullopt};
      glyph = kWhite;
    }
    PaintBox(image, frame, Corners::All(3), style, kMagenta);
    const int shift = PressOffset(state);
    PaintSymbol(image, symbol, frame.left + 6 + shift, 6 + shift, 9, 2, glyph);
  }
  return image;
}

Image MdiButtons() {
  // Three buttons of a maximised child window, minimize, restore and close, each in the frames
  // normal, pressed, disabled, hot.
  constexpr std::array kSymbols = {Symbol::kMinimize, Symbol::kRestore, Symbol::kClose};
  Image image(120, 10, kMagenta);
  for (int b = 0; b < 3; ++b) {
    for (int s = 0; s < 4; ++s) {
      const State state = kButtonStates[static_cast<size_t>(s)];
      const Rect frame = FrameRect(b * 4 + s, 10, 10);
      PaintBox(image, frame, Corners::All(2), ControlStyle(state), kMagenta);
      PaintSymbol(image, kSymbols[static_cast<size_t>(b)], frame.left + 2, 2, 6, 1, GlyphColour(state));
    }
  }
  return image;
}

// --- Up-down buttons ---------------------------------------------------------------------------

Image SpinButtons(bool horizontal) {
  // Frames 1 to 4: the up (left) half, normal, pressed, disabled, hot; 5 to 8 the down (right)
  // half. The two halves round off their outer ends, so together they make one capsule.
  Image image(120, 16, kMagenta);
  for (int half = 0; half < 2; ++half) {
    const Corners corners = horizontal ? (half == 0 ? Corners::Left(3) : Corners::Right(3))
                                       : (half == 0 ? Corners::Top(3) : Corners::Bottom(3));
    for (int s = 0; s < 4; ++s)
      PaintBox(image, FrameRect(half * 4 + s, 15, 16), corners, ControlStyle(kButtonStates[static_cast<size_t>(s)]),
               kMagenta);
  }
  return image;
}

Image SpinArrows(bool horizontal) {
  std::array<Rgb, 4> glyphs{};
  for (size_t i = 0; i < glyphs.size(); ++i) glyphs[i] = GlyphColour(kButtonStates[i]);
  return SpinArrowStrip(horizontal, glyphs);
}

// --- Window frame ------------------------------------------------------------------------------

constexpr FrameColours kActiveFrame = {MakeRgb(70, 125, 185),  kWhite,
                                       MakeRgb(250, 252, 255), MakeRgb(226, 238, 252),
                                       MakeRgb(200, 223, 248), MakeRgb(176, 206, 238),
                                       MakeRgb(196, 221, 247), MakeRgb(140, 180, 224)};
constexpr FrameColours kInactiveFrame = {MakeRgb(136, 150, 172), MakeRgb(214, 220, 229), MakeRgb(192, 201, 214),
                                         MakeRgb(174, 185, 201), MakeRgb(158, 171, 190), MakeRgb(148, 161, 181),
                                         MakeRgb(200, 207, 218), MakeRgb(168, 178, 194)};

// A 640 × 100 window: its side pieces are the outer 4 columns, the caption 28 rows high and the
// bottom border 5. The rounded top corners lie in the side pieces.
BorderPieces WindowBorders() {
  const WindowShape shape = {
      640, 100, 4, 28, 4, 5, [](int x, int y) {
                               return InsideRoundedBox(x, y, 640, 100, {6, 6, 2, 2}); }};
  return CutBorderPieces(shape, kActiveFrame, kInactiveFrame);
}

Image MinimizedCaption() {
  // Two frames stacked: active, inactive. Only the corner pixels are cut, in the face colour:
  // the margins leave no room for a larger rounding.
  Image image(66, 58, sky::kButtonFace);
  for (int i = 0; i < 2; ++i) {
    const FrameColours& c = i == 0 ? kActiveFrame : kInactiveFrame;
    const BoxStyle style = {c.outline, c.caption_top, c.caption_middle, c.caption_bottom, c.highlight, std::nullopt};
    PaintBox(image, {0, 29 * i, 66, 29 * (i + 1)}, Corners::All(2), style, sky::kButtonFace);
  }
  return image;
}

}  // namespace

std::vector<SkinBitmap> SkyBlueBitmaps() {
  BorderPieces borders = WindowBorders();
  std::vector<SkinBitmap> bitmaps;
  auto add = [&](const char* name, Image image, int bits = 24, int palette = 0) {
    bitmaps.push_back({name, std::move(image), bits, palette});
  };
  add("skyblue__buttons.bmp", Buttons());
  add("skyblue__checkbox.bmp", CheckBox());
  add("skyblue__radiobutton.bmp", RadioButton());
  add("progress.bmp", ProgressTrough(), 24, 256);
  add("skyblue__progresschunk.bmp", ProgressChunk());
  add("skyblue__tab.bmp", Tabs());
  add("tabsheet.bmp", TabSheet());
  add("skyblue__comboboxbtn.bmp", ComboButton());
  add("skyblue__statusbar.bmp", StatusBar());
  add(kHeaderName.c_str(), Header());
  add("skyblue__scrollbararrow.bmp", ScrollbarArrows());
  const Image thumb = HorzScrollThumb();
  add("skyblue__scrollbarhthumb.bmp", thumb);
  add("skyblue__scrollbarvthumb.bmp", TransposeFrames(thumb, 4));
  const Image track = HorzScrollTrack();
  add("skyblue__scrollbarhbar.bmp", track);
  add("skyblue__scrollbarvbar.bmp", TransposeFrames(track, 4));
  add("menubackground.bmp", MenuBackground(), 32);
  add("menuitem.bmp", MenuItem(), 32);
  add("extraimages.bmp", ExtraImages());
  add("skyblue__trackthumbh.bmp", TrackThumbHorz());
  add("skyblue__trackbot.bmp", TrackThumbDown());
  add("trackbar.bmp", TrackChannel(), 24, 256);
  add("trackbarv.bmp", TrackChannelVert(), 24, 256);
  add("mdibutton.bmp", MdiButtons(), 24, 256);
  add("skyblue__spin.bmp", SpinButtons(false));
  add("spinarrow.bmp", SpinArrows(false));
  add("skyblue__spinh.bmp", SpinButtons(true));
  add("spinharrow.bmp", SpinArrows(true));
  add("skyblue__closebutton.bmp", CaptionButton(Symbol::kClose));
  add("skyblue__maxbutton.bmp", CaptionButton(Symbol::kMaximize));
  add("skyblue__minbutton.bmp", CaptionButton(Symbol::kMinimize));
  add("skyblue__restrorebutton.bmp", CaptionButton(Symbol::kRestore));
  add("skyblue__frameleft.bmp", std::move(borders.left));
  add("skyblue__frameright.bmp", std::move(borders.right));
  add("skyblue__frametop.bmp", std::move(borders.top));
  add("skyblue__framebottom.bmp", std::move(borders.bottom));
  add("mincaption.bmp", MinimizedCaption());
  return bitmaps;
}

std::vector<NamedFile> SkyBlueSkinFiles() {
  return SkinFolderFiles(kDefinitionName, SkyBlueDefinition(), SkyBlueBitmaps());
}

std::vector<NamedFile> ProgramBitmapFiles() {
  // Menu glyphs: restore, maximize, minimize, close; black on white (white is the mask).
  Image menu(64, 16, kWhite);
  PaintRestoreSymbol(menu, 3, 4, 9, skinimage::kBlack);
  PaintMaximizeSymbol(menu, 16 + 3, 4, 9, skinimage::kBlack);
  PaintMinimizeSymbol(menu, 32 + 3, 4, 9, skinimage::kBlack);
  PaintCloseSymbol(menu, 48 + 4, 4, 8, 2, skinimage::kBlack);

  // The built-in track: a sunken groove in the system's neutral greys.
  Image track(16, 4);
  const Rgb shadow = MakeRgb(160, 160, 160), dark = MakeRgb(105, 105, 105), light = MakeRgb(227, 227, 227);
  track.HorizontalLine(0, 15, 0, shadow);
  track.HorizontalLine(0, 15, 1, dark);
  track.HorizontalLine(0, 15, 2, light);
  track.HorizontalLine(0, 15, 3, kWhite);
  track.VerticalLine(0, 0, 2, shadow);
  track.VerticalLine(15, 1, 3, light);
  track.Set(15, 3, kWhite);

  return {
      {"skinkitmenu.bmp", skinimage::EncodeBmp(menu, {1, 0})},
      {"track.bmp", skinimage::EncodeBmp(track)},
      {"trackvert.bmp", skinimage::EncodeBmp(track.Transposed())},
  };
}

}  // namespace skinart
