// Reads a stored form description (the text form_syntax.h describes) into a component and the
// components it owns. Texts in the description are UTF-8; string values are stored in the system
// code page.
#pragma once

#include <string_view>

#include "framework/form_syntax.h"

namespace fw {

class TComponent;

// Reads `text` into `root`, which must be of the description's root class or a descendant:
// creates the owned components, assigns the root's published fields, applies every property,
// binds events, then calls Loaded() on each component (the root last).
void ReadComponent(TComponent& root, std::string_view text);

}  // namespace fw
