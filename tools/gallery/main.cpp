// The gallery: every kind of window the skin engine skins, with the skin switchable at run time
// and a mode that renders each window into an image file.
//   gallery.exe [--skin FILE]... [--render OUTDIR] [--seconds N]
#include <windows.h>

#include <exception>
#include <optional>
#include <string>

#include "framework/application.h"
#include "skin/form/skinning.h"
#include "skin/resources/platform_win32.h"
#include "tools/gallery/gallery.h"

namespace {

void WriteError(const std::string& text) { gallery::WriteStandardLine(STD_ERROR_HANDLE, "gallery: " + text); }

// The "skins" folder next to the program.
std::string SkinsFolder() {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string folder = path;
  const size_t slash = folder.find_last_of("\\/");
  return (slash == std::string::npos ? std::string(".") : folder.substr(0, slash)) + "\\skins";
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  std::string error;
  std::optional<gallery::GalleryOptions> options = gallery::ParseArguments(gallery::ProcessArguments(), error);
  if (!options) {
    WriteError(error);
    WriteError(gallery::kUsage);
    return 2;
  }
  options->skinsFolder = SkinsFolder();
  skin::BindSkinResourcesToWindows();
  skin::InstallSkinning();
  fw::TApplication application;
  application.Initialize();
  try {
    gallery::Gallery gallery(*options);
    return gallery.Run(application);
  } catch (const std::exception& e) {
    WriteError(e.what());
    // A rendering run has nobody to answer a message box.
    if (options->renderDir.empty()) application.ShowException(e.what());
    return 1;
  }
}
