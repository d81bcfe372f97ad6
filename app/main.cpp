// Pastelle: keeps a history of the texts copied to the clipboard.
#include <windows.h>

#include <exception>

#include "app/main_form.h"
#include "app/start_up.h"
#include "framework/application.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  fw::TApplication application;
  pastelle::PrepareApplication(application);
  try {
    application.CreateForm<pastelle::TForm1>();
  } catch (const std::exception& e) {
    application.ShowException(e.what());
    return 1;
  }
  application.Run();
  return 0;
}
