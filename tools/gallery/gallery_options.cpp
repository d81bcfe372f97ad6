#include "tools/gallery/gallery_options.h"

#include <windows.h>

#include <shellapi.h>

#include <charconv>

#include "framework/text.h"

namespace gallery {

std::optional<GalleryOptions> ParseArguments(const std::vector<std::string>& args, std::string& error) {
  GalleryOptions options;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& option = args[i];
    if (option != "--skin" && option != "--render" && option != "--seconds") {
      error = "unknown argument '" + option + "'";
      return std::nullopt;
    }
    if (i + 1 >= args.size() || args[i + 1].empty()) {
      error = option + " needs a value";
      return std::nullopt;
    }
    const std::string& value = args[++i];
    if (option == "--skin") {
      options.skinFiles.push_back(value);
    } else if (option == "--render") {
      options.renderDir = value;
    } else {
      int seconds = 0;
      const auto [end, problem] = std::from_chars(value.data(), value.data() + value.size(), seconds);
      if (problem != std::errc() || end != value.data() + value.size() || seconds <= 0) {
        error = "--seconds needs a whole number above 0, not '" + value + "'";
        return std::nullopt;
      }
      options.seconds = seconds;
    }
  }
  return options;
}

std::vector<std::string> ProcessArguments() {
  int count = 0;
  LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &count);
  std::vector<std::string> args;
  for (int i = 1; wide && i < count; ++i) args.push_back(fw::WideToAnsi(wide[i]));
  if (wide) LocalFree(wide);
  return args;
}

}  // namespace gallery
