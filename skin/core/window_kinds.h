// What kind of window a form skinner skins and the state it follows: shared by the skin manager
// and the frame geometry. Portable (no platform header).
#pragma once

#include <cstdint>

namespace skin {

enum class TMdiKind : uint8_t { mkNone = 0, mkFrame = 1, mkChild = 2 };
enum class TWindowState : uint8_t { wsNormal = 0, wsMaximized = 1, wsMinimized = 2 };

}  // namespace skin
