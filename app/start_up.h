// The program's start-up before its main form is created, shared by pastelle.exe and the programs
// that show its main window in other ways (tools/screenshots).
#pragma once

#include "framework/application.h"

namespace pastelle {

// Binds the skin engine's messages and text comparison to Windows, lets the main form's skin
// component start the skin manager once the form has been read, initialises the application and
// registers the classes of the main form's description.
void PrepareApplication(fw::TApplication& application);

}  // namespace pastelle
