// The skin engine's rectangles as the platform's RECT and back.
#pragma once

#include <windows.h>

#include "skin/paint/plane.h"

namespace skin {

inline RECT ToRECT(const Rect& r) { return RECT{r.Left, r.Top, r.Right, r.Bottom}; }
inline Rect FromRECT(const RECT& r) {
  return Rect{static_cast<int>(r.left), static_cast<int>(r.top), static_cast<int>(r.right), static_cast<int>(r.bottom)};
}

}  // namespace skin
