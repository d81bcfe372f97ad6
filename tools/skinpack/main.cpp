// skinpack: builds, lists, extracts, checks and pictures skin files.
#include <iostream>

#include "tools/skinpack/commands.h"

int main(int argc, char** argv) {
  std::vector<std::string> arguments(argv + 1, argv + argc);
  return skinpack::RunSkinpack(arguments, std::cout, std::cerr);
}
