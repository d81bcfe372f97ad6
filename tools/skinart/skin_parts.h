// Parts that every skin drawn from code lays out the same way and colours its own way: the control
// states, the caption symbols, scroll tracks and the thumbs drawn over them, the up-down arrows,
// and the window frame from which the four border pieces are cut.
#pragma once

#include <array>
#include <functional>
#include <span>

#include "skin/resources/element_frames.h"
#include "tools/skinart/shapes.h"

namespace skinart {

// The states an element's frames show.
enum class State { kNormal, kHot, kPressed, kDisabled, kFocused, kInactive };

// The four states of the small buttons, in the engine's frame order (normal, pressed, disabled,
// hot).
inline constexpr std::array kButtonStates = {State::kNormal, State::kPressed, State::kDisabled, State::kHot};
static_assert(kButtonStates.size() == skin::StateFrames::kCount);

// Pressed glyphs move one pixel down and right, as if pushed in.
inline int PressOffset(State state) { return state == State::kPressed ? 1 : 0; }

// --- Caption symbols ---------------------------------------------------------------------------

enum class Symbol { kClose, kMaximize, kMinimize, kRestore };

void PaintSymbol(Image& image, Symbol symbol, int x, int y, int size, int thickness, Rgb colour);

// --- Scroll tracks -----------------------------------------------------------------------------

// One state of a horizontal scroll track 17 pixels high: edge lines at both ends, a gradient
// between.
struct TrackShades {
  Rgb edge, top, bottom;
};

inline constexpr int kTrackSize = 17;

Rgb TrackRow(int row, const TrackShades& shades);

// Square track frames, one per state, every column alike (the track is stretched).
Image TrackStrip(std::span<const TrackShades> frames);

// Thumb frames `width` × `height`, one per style: a box (`paint` draws it into the area it is
// given, magenta around its shape) drawn opaque over the track's normal shades, so that the pixels
// around the box carry the track's colours.
Image ThumbsOverTrack(int width, int height, const TrackShades& track, std::span<const BoxStyle> styles,
                      const std::function<void(Image&, const Rect&, const BoxStyle&)>& paint);

// --- Up-down arrows ----------------------------------------------------------------------------

// The arrows drawn centred on the up-down halves: the first (up or left) half in the four button
// states, then the second, each in its state's glyph colour (normal, pressed, disabled, hot).
Image SpinArrowStrip(bool horizontal, std::span<const Rgb, skin::StateFrames::kCount> glyphs);

// --- Window frame ------------------------------------------------------------------------------

struct FrameColours {
  Rgb outline, highlight, caption_top, caption_middle, caption_bottom, caption_base, border, border_inner;
};

// A design window and the thickness of its frame.
struct WindowShape {
  int width, height;
  int left, caption, right, bottom;
  std::function<bool(int x, int y)> inside;  // whether a pixel lies inside the window's outline
};

// The whole frame of the design window: outline, caption gradient under a highlight, borders with
// an inner line along the client area, magenta outside; the client area white.
Image PaintWindowFrame(const WindowShape& shape, const FrameColours& colours);

struct BorderPieces {
  Image left, right, top, bottom;
};

// The four border pieces cut from the active and the inactive frame: the side pieces are the
// outer columns, side by side; the top piece the caption rows between them and the bottom piece
// the last rows between them, stacked.
BorderPieces CutBorderPieces(const WindowShape& shape, const FrameColours& active, const FrameColours& inactive);

}  // namespace skinart
