// A contact sheet of a skin for designers: every bitmap the definition names, cut into its state
// frames, magnified, each frame labelled with its state and with ticks marking the nine-slice
// margins, in one picture.
#pragma once

#include <string>

#include "tools/skinimage/image.h"
#include "tools/skinpack/skin_contents.h"

namespace skinpack {

// The sheet; `title` heads it.
skinimage::Image RenderContactSheet(const DecodedSkin& skin, const std::string& title);

}  // namespace skinpack
