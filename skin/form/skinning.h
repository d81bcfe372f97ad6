// Start-up of the skin engine's window side.
#pragma once

namespace skin {

// Registers the form and popup menu skinners with the skin manager and lets skin components
// create the manager. The program calls it once at start-up, before its forms are created.
void InstallSkinning();

}  // namespace skin
