// The frame geometry's skin inputs read from the element records of a skin component: border
// images, the caption text settings and the caption buttons, for the form skinner to pass to the
// geometry (frame_geometry.h) of each window it paints.
#pragma once

#include "skin/form/frame_geometry.h"
#include "skin/paint/plane.h"

namespace skin {

class TSkinData;
class TDataSkinBorder;
class TDataSkinSysButton;
class TDataSkinTitle;

[[nodiscard]] BorderImage BorderImageOf(const TDataSkinBorder& border);
[[nodiscard]] CaptionTextStyle CaptionTextStyleOf(const TDataSkinTitle& title);
// A button drawn as the window icon (Action 3 or 11) is one frame: its own image when it has one,
// else the window's small icon of `window_icon` size, which the form skinner draws in its place.
[[nodiscard]] CaptionButtonRecord CaptionButtonOf(const TDataSkinSysButton& button, Size window_icon = {});
// Everything the frame geometry reads of the skin; an empty skin gives an empty frame.
[[nodiscard]] FrameSkin FrameSkinOf(const TSkinData& skin, Size window_icon = {});

}  // namespace skin
