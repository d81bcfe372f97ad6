// formstrip IN OUT CLASS...: writes the form description IN to OUT without the objects of the
// given classes. Exit codes: 0 done, 1 a file cannot be read, parsed or written, or a class has no
// object in the description; 2 bad arguments.
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

#include "tools/formstrip/form_strip.h"

int main(int argc, char** argv) {
  if (argc < 4) {
    std::fprintf(stderr, "usage: formstrip IN OUT CLASS...\n");
    return 2;
  }
  std::ifstream in(argv[1], std::ios::binary);
  if (!in) {
    std::fprintf(stderr, "formstrip: cannot read %s\n", argv[1]);
    return 1;
  }
  const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  fw::FormObject root;
  try {
    root = fw::ParseFormText(text);
  } catch (const fw::EReadError& e) {
    std::fprintf(stderr, "formstrip: %s: %s\n", argv[1], e.what());
    return 1;
  }
  for (int i = 3; i < argc; ++i) {
    if (formstrip::RemoveObjectsOfClass(root, argv[i]) == 0) {
      std::fprintf(stderr, "formstrip: %s has no object of class %s\n", argv[1], argv[i]);
      return 1;
    }
  }
  const std::string written = fw::FormText(root);
  std::ofstream out(argv[2], std::ios::binary | std::ios::trunc);
  out.write(written.data(), static_cast<std::streamsize>(written.size()));
  out.close();
  if (!out) {
    std::fprintf(stderr, "formstrip: cannot write %s\n", argv[2]);
    return 1;
  }
  return 0;
}
