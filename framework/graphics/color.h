// Colours as the graphics code uses them: the framework's TColor (0x00BBGGRR, negative values
// naming system colours, resolved by ColorToRGB) and the few colours it names itself.
#pragma once

#include "framework/font.h"

namespace fw {

inline constexpr TColor clFuchsia = 0xFF00FF;

}  // namespace fw
