// The skinpack command line: pack, list, extract, verify, stream, sheet, lzh-encode, lzh-decode.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace skinpack {

// Runs one command (`arguments` without the program name); messages go to `out` and `err`.
// Returns the exit code: 0 success, 1 a bad or failing file, 2 bad arguments. Never throws.
int RunSkinpack(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);

}  // namespace skinpack
