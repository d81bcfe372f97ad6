// How the program cuts each bitmap of a skin into state frames and nine-slice margins, from the
// definition and the program's table of element frames (skin/resources/element_frames.h): used to
// label the contact sheet and to check bitmaps against their elements.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "skin/resources/element_frames.h"
#include "skin/resources/quick_ini.h"

namespace skinpack {

struct FrameLayout {
  std::string section;
  std::string key;
  std::string entry;                         // the archive entry the value names
  std::optional<skin::SkinElement> element;  // nothing for a bitmap no element draws
  int frames = 1;
  bool vertical = false;                         // frames stacked top to bottom instead of side by side
  int left = 0, top = 0, right = 0, bottom = 0;  // margins that are never stretched
  bool keyed = false;                            // magenta is transparent where the program draws it
  // One label per frame; a label ending in "*" is a frame the program does not draw.
  std::vector<std::string> labels;
};

// Width and height of an entry's bitmap, where the frame count depends on them.
using ImageSizeLookup = std::function<std::optional<std::pair<int, int>>(const std::string& entry)>;

// The layout of every bitmap the definition names, in definition order.
std::vector<FrameLayout> DescribeBitmaps(const skin::TQuickIni& ini, const ImageSizeLookup& image_size);

// The frame count of a caption button image of this size without a "frame" key
// (skin::CaptionButtonFrameCount).
int CaptionButtonFrames(int width, int height, int action);

}  // namespace skinpack
