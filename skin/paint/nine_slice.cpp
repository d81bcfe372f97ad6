#include "skin/paint/nine_slice.h"

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

// One split of a frame onto a target: the sizes involved, and the parts as they are added, each
// described in frame coordinates and stored in bitmap coordinates.
class Splitter {
 public:
  Splitter(Size target, const Rect& frame)
      : w(target.Width),
        h(target.Height),
        fw(frame.Width()),
        fh(frame.Height()),
        usable(!target.Empty() && !frame.Empty()),
        frame_(frame) {}

  void operator()(const Rect& target, const Rect& source, PartFill fill = PartFill::Stretch) {
    parts.Add(SlicePart{target, source.Offset(frame_.Left, frame_.Top), fill});
  }

  const int w, h;     // the target
  const int fw, fh;   // the frame
  const bool usable;  // both have area
  SliceList parts;

 private:
  Rect frame_;
};

}  // namespace

SliceList NineSliceParts(Size target, const Rect& frame, const FrameMargins& margins, CentreFill centre) {
  Splitter add(target, frame);
  if (!add.usable) return add.parts;
  const int w = add.w, h = add.h, fw = add.fw, fh = add.fh;
  int l = std::max(margins.LeftWidth, 0);
  int t = std::max(margins.TopHeight, 0);
  int r = std::max(margins.RightWidth, 0);
  int b = std::max(margins.BottomHeight, 0);
  if (w < l + r) l = r = 0;
  if (h < t + b) t = b = 0;

  add({0, 0, l, t}, {0, 0, l, t});
  add({0, h - b, l, h}, {0, fh - b, l, fh});
  add({w - r, 0, w, t}, {fw - r, 0, fw, t});
  add({0, t, l, h - b}, {0, t, l, fh - b});
  add({l, 0, w - r, t}, {l, 0, fw - r, t});
  add({l, t, w - r, h - b}, {l, t, fw - r, fh - b}, centre == CentreFill::Tile ? PartFill::Tile : PartFill::Stretch);
  add({w - r, h - b, w, h}, {fw - r, fh - b, fw, fh});
  add({w - r, t, w, h - b}, {fw - r, t, fw, fh - b});
  add({l, h - b, w - r, h}, {l, fh - b, fw - r, fh});
  return add.parts;
}

SliceList ThreeColumnParts(Size target, const Rect& frame, int left_width, int right_width) {
  Splitter add(target, frame);
  if (!add.usable) return add.parts;
  const int w = add.w, h = add.h, fw = add.fw, fh = add.fh;
  if (w < fw) {
    add({0, 0, w, h}, {0, 0, fw, fh});
    return add.parts;
  }
  const int l = std::clamp(left_width, 0, fw);
  const int r = std::clamp(right_width, 0, fw);
  add({0, 0, l, h}, {0, 0, l, fh});
  add({l, 0, w - r, h}, {l, 0, fw - r, fh});
  add({w - r, 0, w, h}, {fw - r, 0, fw, fh});
  return add.parts;
}

SliceList RepeatedMiddleParts(Size target, const Rect& frame, const FrameMargins& margins) {
  Splitter add(target, frame);
  if (!add.usable) return add.parts;
  const int w = add.w, h = add.h, fw = add.fw, fh = add.fh;
  const int l = std::max(margins.LeftWidth, 0);
  const int r = std::max(margins.RightWidth, 0);
  const int middle = fw - l - r;
  if (middle <= 0) {
    add({0, 0, w, h}, {0, 0, fw, fh});
    return add.parts;
  }
  add({0, 0, l, h}, {0, 0, l, fh});
  add({l, 0, w - r, h}, {l, 0, l + middle, fh}, PartFill::RepeatAcross);
  add({w - r, 0, w, h}, {fw - r, 0, fw, fh});
  return add.parts;
}

}  // namespace skin
