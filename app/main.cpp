// Pastelle: keeps a history of the texts copied to the clipboard.
#include <windows.h>

#include <exception>

#include "app/main_form.h"
#include "framework/application.h"
#include "framework/registry.h"
#include "skin/core/skin_manage.h"
#include "skin/form/skinning.h"
#include "skin/resources/platform_win32.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  // The skin engine's messages become message boxes, its texts compare in the user's locale.
  skin::BindSkinResourcesToWindows();
  // The main form's skin component starts the skin manager when the form has been read.
  skin::InstallSkinning();
  fw::TApplication application;
  application.Initialize();
  fw::RegisterComponentClass(pastelle::TForm1::StaticClass());
  fw::RegisterComponentClass(skin::TSkinData::StaticClass());
  try {
    application.CreateForm<pastelle::TForm1>();
  } catch (const std::exception& e) {
    application.ShowException(e.what());
    return 1;
  }
  application.Run();
  return 0;
}
