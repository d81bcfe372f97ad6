// Pastelle's main window in another skin, for the README's screenshots (tools/screenshots.sh):
// the program itself always starts in the skin its form stores. Runs like pastelle.exe, then has
// the form's skin component load the skin file given as the one argument.
// Usage: main_window_in_skin SKIN_FILE
#include <windows.h>

#include <cstdio>
#include <exception>

#include "app/main_form.h"
#include "app/start_up.h"
#include "framework/application.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: main_window_in_skin SKIN_FILE\n");
    return 2;
  }
  fw::TApplication application;
  pastelle::PrepareApplication(application);
  pastelle::TForm1* form = nullptr;
  try {
    form = application.CreateForm<pastelle::TForm1>();
  } catch (const std::exception& e) {
    std::fprintf(stderr, "main_window_in_skin: %s\n", e.what());
    return 1;
  }
  form->SkinData1->SetSkinFile(argv[1]);
  if (form->SkinData1->SkinEmpty()) {
    std::fprintf(stderr, "main_window_in_skin: cannot load the skin %s\n", argv[1]);
    return 1;
  }
  application.Run();
  return 0;
}
