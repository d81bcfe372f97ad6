// The gallery's command line: gallery.exe [--skin FILE]... [--render OUTDIR] [--seconds N]
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace gallery {

struct GalleryOptions {
  // Skin files to cycle through after the stored default; the first one is the starting skin.
  std::vector<std::string> skinFiles;
  // Render every window into this folder, then exit.
  std::string renderDir;
  // Exit after this many seconds (0: run until the main window is closed).
  int seconds = 0;
  // Every file in this folder is a skin to cycle through too ("skins" next to the program).
  std::string skinsFolder;
};

inline constexpr const char* kUsage = "usage: gallery.exe [--skin FILE]... [--render OUTDIR] [--seconds N]";

// The options of the arguments after the program name; nothing, with `error` saying why, for an
// unknown option, a missing value or a number of seconds that is not a positive whole number.
std::optional<GalleryOptions> ParseArguments(const std::vector<std::string>& args, std::string& error);

// The arguments of this process after the program name, in the system code page.
std::vector<std::string> ProcessArguments();

}  // namespace gallery
