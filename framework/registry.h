// Makes the framework's own classes known to the form reader by name.
#pragma once

namespace fw {

void RegisterFrameworkClasses();

}  // namespace fw
