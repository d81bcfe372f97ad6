#include "framework/screen.h"

#include <algorithm>

namespace fw {

void TScreen::RemoveForm(TForm* form) { forms_.erase(std::remove(forms_.begin(), forms_.end(), form), forms_.end()); }

TScreen& Screen() {
  static TScreen screen;
  return screen;
}

}  // namespace fw
