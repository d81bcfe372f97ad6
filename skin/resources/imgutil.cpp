#include "skin/resources/imgutil.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <utility>

#include "framework/handles.h"
#include "skin/resources/platform_hooks.h"

namespace skin {
namespace {

constexpr char kUnit[] = "imgutil";
constexpr int kFindGradientCheckLine = 302;
constexpr int kMakeGradientCheckLine = 321;

AssertionHook& CurrentAssertionHook() {
  static AssertionHook hook;
  return hook;
}

void ReportAssertion(int line) {
  const AssertionFailure failure{"Assertion failure", kUnit, line};
  if (const AssertionHook& hook = CurrentAssertionHook()) {
    hook(failure);
  } else {
    ShowMessageDialog(failure.Text());
  }
}

GradientCacheState& MutableGradientCache() noexcept {
  static GradientCacheState cache;
  return cache;
}

struct Rgb {
  int red, green, blue;
};

// The channels of a colour's raw value; blue takes every bit from 16 up.
Rgb Channels(std::uint32_t value) {
  return {static_cast<int>(value & 0xFF), static_cast<int>((value >> 8) & 0xFF), static_cast<int>(value >> 16)};
}

TColor Combine(int red, int green, int blue) {
  return static_cast<TColor>(static_cast<std::uint32_t>(red) + (static_cast<std::uint32_t>(green) << 8) +
                             (static_cast<std::uint32_t>(blue) << 16));
}

// Rewrites every pixel of a 24- or 32-bit bitmap from the pixel that `source_of` names in a copy
// of the old pixels; the new size is (width, height).
template <typename SourceOf>
void Remap(fw::TBitmap& bitmap, int width, int height, SourceOf source_of) {
  const int old_width = bitmap.Width();
  const int old_height = bitmap.Height();
  const int pixel = bitmap.BytesPerPixel();
  const int old_stride = bitmap.RowBytes();
  std::vector<std::uint8_t> old(static_cast<std::size_t>(old_stride) * old_height);
  for (int y = 0; y < old_height; ++y) {
    std::memcpy(old.data() + static_cast<std::size_t>(y) * old_stride, bitmap.ScanLine(y), old_stride);
  }
  bitmap.SetSize(width, height);
  for (int y = 0; y < height; ++y) {
    std::uint8_t* to = bitmap.ScanLine(y);
    for (int x = 0; x < width; ++x, to += pixel) {
      const auto [from_x, from_y] = source_of(x, y, old_width, old_height);
      std::memcpy(to, old.data() + static_cast<std::size_t>(from_y) * old_stride + from_x * pixel, 3);
    }
  }
}

struct Point {
  int x, y;
};

}  // namespace

std::string AssertionFailure::Text() const { return Message + " (" + Unit + ", line " + std::to_string(Line) + ")"; }

AssertionHook SetAssertionHook(AssertionHook hook) { return std::exchange(CurrentAssertionHook(), std::move(hook)); }

TColor MixColors(TColor c1, TColor c2, int a) {
  const Rgb first = Channels(fw::ColorToRGB(c1));
  const Rgb second = Channels(fw::ColorToRGB(c2));
  const std::int64_t scale = a < 100 ? 100 : 1000;
  auto mix = [&](int x, int y) {
    const std::int64_t value = (std::int64_t{x} * a + std::int64_t{y} * (scale - a) + scale / 2) / scale;
    return static_cast<int>(value & 0xFF);
  };
  return Combine(mix(first.red, second.red), mix(first.green, second.green), mix(first.blue, second.blue));
}

void ReplaceKeyColor(fw::TBitmap& bitmap, TColor color) {
  bitmap.SetPixelFormat(fw::pf24bit);
  const COLORREF rgb = fw::ColorToRGB(color);
  for (int y = 0; y < bitmap.Height(); ++y) {
    std::uint8_t* pixel = bitmap.ScanLine(y);
    for (int x = 0; x < bitmap.Width(); ++x, pixel += 3) {
      if (pixel[2] == 255 && pixel[1] == 0 && pixel[0] == 255) {
        pixel[0] = GetBValue(rgb);
        pixel[1] = GetGValue(rgb);
        pixel[2] = GetRValue(rgb);
      }
    }
  }
}

void MirrorBitmap(fw::TBitmap& bitmap) {
  Remap(bitmap, bitmap.Width(), bitmap.Height(), [](int x, int y, int width, int) { return Point{width - 1 - x, y}; });
}

void FlipBitmap(fw::TBitmap& bitmap) {
  Remap(bitmap, bitmap.Width(), bitmap.Height(), [](int x, int y, int, int height) {
    return Point{x, height - 1 - y};
  });
}

void RotateBitmapLeft(fw::TBitmap& bitmap) {
  Remap(bitmap, bitmap.Height(), bitmap.Width(), [](int x, int y, int width, int) { return Point{width - 1 - y, x}; });
}

void RotateBitmapRight(fw::TBitmap& bitmap) {
  Remap(bitmap, bitmap.Height(), bitmap.Width(), [](int x, int y, int, int height) {
    return Point{y, height - 1 - x};
  });
}

const GradientCacheState& GradientCache() noexcept { return MutableGradientCache(); }

int FindGradient(int count, TColor c1, TColor c2) {
  if (count <= 0) {
    ReportAssertion(kFindGradientCheckLine);
    return -1;
  }
  const GradientCacheState& cache = GradientCache();
  for (int slot = kGradientSlots - 1; slot >= 0; --slot) {
    const std::vector<TColor>& ramp = cache.Slots[slot];
    if (ramp.size() == static_cast<std::size_t>(count) && ramp.front() == c1 && ramp.back() == c2) {
      return slot;
    }
  }
  return -1;
}

int MakeGradient(int count, TColor c1, TColor c2) {
  if (count <= 0) {
    ReportAssertion(kMakeGradientCheckLine);
    return -1;
  }
  GradientCacheState& cache = MutableGradientCache();
  const int slot = static_cast<int>(cache.Next % kGradientSlots);
  cache.Next = (cache.Next + 1) % kGradientSlots;
  std::vector<TColor>& ramp = cache.Slots[slot];
  ramp.resize(count);

  const Rgb from = Channels(static_cast<std::uint32_t>(c1) & 0xFFFFFF);
  const Rgb to = Channels(static_cast<std::uint32_t>(c2) & 0xFFFFFF);
  const int d_red = to.red - from.red;
  const int d_green = to.green - from.green;
  const int d_blue = to.blue - from.blue;
  if (count == 1) {
    ramp[0] = Combine(from.red + d_red / 2, from.green + d_green / 2, from.blue + d_blue / 2);
    return slot;
  }
  const std::int64_t steps = count - 1;
  const std::int64_t half = steps / 2;
  auto channel = [&](int start, int difference, int i) {
    return start + static_cast<int>((std::int64_t{i} * difference + half) / steps);
  };
  for (int i = 0; i < count; ++i) {
    ramp[i] = Combine(channel(from.red, d_red, i), channel(from.green, d_green, i), channel(from.blue, d_blue, i));
  }
  return slot;
}

int GetGradient(int count, TColor c1, TColor c2) {
  if (count <= 0) return FindGradient(count, c1, c2);  // reports the failed check once
  const int slot = FindGradient(count, c1, c2);
  return slot >= 0 ? slot : MakeGradient(count, c1, c2);
}

void FillGradient(HDC dc, const RECT& rect, TColor c1, GradientDirection direction, TColor c2) {
  if (!dc || !::RectVisible(dc, &rect)) return;
  const auto first_color = static_cast<TColor>(fw::ColorToRGB(c1) & 0xFFFFFF);
  const auto last_color = static_cast<TColor>(fw::ColorToRGB(c2) & 0xFFFFFF);
  RECT clip{};
  ::GetClipBox(dc, &clip);

  const bool vertical = direction == GradientDirection::Vertical;
  const int start = vertical ? rect.top : rect.left;
  const int end = vertical ? rect.bottom : rect.right;
  const int clip_start = vertical ? clip.top : clip.left;
  const int clip_end = vertical ? clip.bottom : clip.right;
  const int lines = end - start;
  if (lines <= 0) return;
  const int first = clip_start > start ? clip_start - start : 0;
  const int last = clip_end < end ? clip_end - start - 1 : lines - 1;
  if (last < first) return;

  const int slot = GetGradient(lines, first_color, last_color);
  if (slot < 0) return;
  const std::vector<TColor>& ramp = GradientCache().Slots[slot];
  for (int i = first; i <= last; ++i) {
    const RECT strip = vertical ? RECT{rect.left, start + i, rect.right, start + i + 1}
                                : RECT{start + i, rect.top, start + i + 1, rect.bottom};
    fw::UniqueBrush brush(::CreateSolidBrush(static_cast<COLORREF>(ramp[i])));
    if (brush) ::FillRect(dc, &strip, brush.get());
  }
}

int ColorSaturation(TColor color) {
  const COLORREF rgb = fw::ColorToRGB(color);
  const int red = GetRValue(rgb);
  const int green = GetGValue(rgb);
  const int blue = GetBValue(rgb);
  const int high = std::max({red, green, blue});
  const int low = std::min({red, green, blue});
  if (high < 160) return 200;
  const double saturation = static_cast<double>(high - low) / high;
  return static_cast<int>(std::nearbyint(saturation * 255.0));
}

}  // namespace skin
