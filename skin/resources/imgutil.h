// Bitmap and colour helpers of the skin engine: mixing colours, replacing the magenta key colour,
// mirroring, flipping and rotating bitmaps, linear gradients painted through a small cache of
// colour ramps, and a colour's saturation. Used on the GUI thread only.
#pragma once

#include <windows.h>

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "framework/graphics/bitmap.h"
#include "framework/graphics/color.h"

namespace skin {

using fw::TColor;

// A failed internal check. Without a hook of its own its text goes to ShowMessageDialog, which
// the program binds to a message box (BindSkinResourcesToWindows); tests capture it here.
struct AssertionFailure {
  std::string Message;
  std::string Unit;
  int Line = 0;
  // "Message (Unit, line Line)", the text the message box shows.
  [[nodiscard]] std::string Text() const;
};
using AssertionHook = std::function<void(const AssertionFailure&)>;
// Returns the hook it replaces; an empty hook restores the message dialog.
AssertionHook SetAssertionHook(AssertionHook hook);

// Mixes two colours (system colours resolved first) with weight `a` for c1: a percentage when
// a < 100, tenths of a percent from 100 on (so 150 is 15 %, and 100 is 10 %). Rounds half up.
TColor MixColors(TColor c1, TColor c2, int a);

// Converts the bitmap to 24 bits per pixel and paints every pure magenta pixel (255, 0, 255) in
// `color` (a system colour is resolved first).
void ReplaceKeyColor(fw::TBitmap& bitmap, TColor color);

// In-place geometry of 24- or 32-bit bitmaps. The rotations exchange width and height: Left
// turns anticlockwise (the top-right corner becomes the top-left), Right clockwise.
void MirrorBitmap(fw::TBitmap& bitmap);
void FlipBitmap(fw::TBitmap& bitmap);
void RotateBitmapLeft(fw::TBitmap& bitmap);
void RotateBitmapRight(fw::TBitmap& bitmap);

// Linear colour ramps, kept in 16 slots reused in ring order: the 17th distinct ramp overwrites
// the oldest one. Lives for the whole process.
inline constexpr int kGradientSlots = 16;
struct GradientCacheState {
  std::array<std::vector<TColor>, kGradientSlots> Slots;
  std::uint32_t Next = 0;  // the slot MakeGradient writes next
};
[[nodiscard]] const GradientCacheState& GradientCache() noexcept;

// The slot holding a ramp of `count` entries from c1 to c2 (its first entry c1 and last c2),
// searched from slot 15 down, or -1. A count below 1 is an assertion failure and gives -1.
int FindGradient(int count, TColor c1, TColor c2);
// Computes the ramp into the next slot of the ring and returns that slot. Each channel of entry
// i is c1 + (i × (c2 - c1) + (count - 1) div 2) div (count - 1), truncating toward zero, so a
// decreasing channel can end one short of c2; a single entry is c1 + (c2 - c1) div 2. A count
// below 1 is an assertion failure and gives -1 without touching the cache.
int MakeGradient(int count, TColor c1, TColor c2);
// FindGradient, or MakeGradient when nothing matches.
int GetGradient(int count, TColor c1, TColor c2);

enum class GradientDirection { Horizontal = 0, Vertical = 1 };
// Paints the rectangle with a ramp from c1 (top or left) to c2 that always spans the whole
// rectangle, one line per ramp entry, only the lines inside the DC's clip box.
void FillGradient(HDC dc, const RECT& rect, TColor c1, GradientDirection direction, TColor c2);

// 0 to 255: the colour's saturation ((max - min) / max × 255, halves to even) when one of its
// channels is 160 or more, otherwise 200. System colours are resolved first.
int ColorSaturation(TColor color);

}  // namespace skin
