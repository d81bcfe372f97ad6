#include "skin/controls/nine_slice.h"

#include <algorithm>

namespace skin {

Rect FrameRect(Size bitmap, FrameStrip strip, int count, int index) {
  if (count < 1 || index < 1 || index > count) return Rect{};
  if (strip == FrameStrip::Stacked) {
    const int height = bitmap.Height / count;
    if (height <= 0 || bitmap.Width <= 0) return Rect{};
    return Rect{0, (index - 1) * height, bitmap.Width, index * height};
  }
  const int width = bitmap.Width / count;
  if (width <= 0 || bitmap.Height <= 0) return Rect{};
  return Rect{(index - 1) * width, 0, index * width, bitmap.Height};
}

void SliceList::Add(const SlicePart& part) {
  if (part.Target.Empty() || part.Source.Empty() || count_ == kCapacity) return;
  parts_[count_++] = part;
}

namespace {

// Parts are described in frame coordinates and stored in bitmap coordinates.
struct PartAdder {
  SliceList& list;
  const Rect& frame;
  void operator()(const Rect& target, const Rect& source, PartFill fill = PartFill::Stretch) const {
    list.Add(SlicePart{target, source.Offset(frame.Left, frame.Top), fill});
  }
};

}  // namespace

SliceList NineSliceParts(Size target, const Rect& frame, const FrameMargins& margins,
                         CentreFill centre) {
  SliceList parts;
  const int w = target.Width;
  const int h = target.Height;
  const int fw = frame.Width();
  const int fh = frame.Height();
  if (target.Empty() || frame.Empty()) return parts;

  int l = std::max(margins.LeftWidth, 0);
  int t = std::max(margins.TopHeight, 0);
  int r = std::max(margins.RightWidth, 0);
  int b = std::max(margins.BottomHeight, 0);
  if (w < l + r) l = r = 0;
  if (h < t + b) t = b = 0;

  const PartAdder add{parts, frame};
  add({0, 0, l, t}, {0, 0, l, t});
  add({0, h - b, l, h}, {0, fh - b, l, fh});
  add({w - r, 0, w, t}, {fw - r, 0, fw, t});
  add({0, t, l, h - b}, {0, t, l, fh - b});
  add({l, 0, w - r, t}, {l, 0, fw - r, t});
  add({l, t, w - r, h - b}, {l, t, fw - r, fh - b},
      centre == CentreFill::Tile ? PartFill::Tile : PartFill::Stretch);
  add({w - r, h - b, w, h}, {fw - r, fh - b, fw, fh});
  add({w - r, t, w, h - b}, {fw - r, t, fw, fh - b});
  add({l, h - b, w - r, h}, {l, fh - b, fw - r, fh});
  return parts;
}

SliceList ThreeColumnParts(Size target, const Rect& frame, int left_width, int right_width) {
  SliceList parts;
  const int w = target.Width;
  const int h = target.Height;
  const int fw = frame.Width();
  const int fh = frame.Height();
  if (target.Empty() || frame.Empty()) return parts;

  const PartAdder add{parts, frame};
  if (w < fw) {
    add({0, 0, w, h}, {0, 0, fw, fh});
    return parts;
  }
  const int l = std::clamp(left_width, 0, fw);
  const int r = std::clamp(right_width, 0, fw);
  add({0, 0, l, h}, {0, 0, l, fh});
  add({l, 0, w - r, h}, {l, 0, fw - r, fh});
  add({w - r, 0, w, h}, {fw - r, 0, fw, fh});
  return parts;
}

SliceList RepeatedMiddleParts(Size target, const Rect& frame, const FrameMargins& margins) {
  SliceList parts;
  const int w = target.Width;
  const int h = target.Height;
  const int fw = frame.Width();
  const int fh = frame.Height();
  if (target.Empty() || frame.Empty()) return parts;

  const PartAdder add{parts, frame};
  const int l = std::max(margins.LeftWidth, 0);
  const int r = std::max(margins.RightWidth, 0);
  const int middle = fw - l - r;
  if (middle <= 0) {
    add({0, 0, w, h}, {0, 0, fw, fh});
    return parts;
  }
  add({0, 0, l, h}, {0, 0, l, fh});
  add({l, 0, w - r, h}, {l, 0, l + middle, fh}, PartFill::RepeatAcross);
  add({w - r, 0, w, h}, {fw - r, 0, fw, fh});
  return parts;
}

}  // namespace skin
