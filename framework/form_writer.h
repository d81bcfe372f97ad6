// Writes a component and the components it owns as a form description that ReadComponent reads
// back to the same published values.
#pragma once

#include <string>

namespace fw {

class TComponent;

std::string WriteComponent(const TComponent& root);

}  // namespace fw
