// Removes components from a form description's tree by class: how the program without its skin
// component gets its form description at build time.
#pragma once

#include <string_view>

#include "framework/form_syntax.h"

namespace formstrip {

// Removes every object of the class (compared without regard to case, as the framework compares
// class names) below the root, with whatever it holds. Returns how many were removed.
int RemoveObjectsOfClass(fw::FormObject& root, std::string_view class_name);

}  // namespace formstrip
