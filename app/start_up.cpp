#include "app/start_up.h"

#include "app/main_form.h"
#include "framework/registry.h"
#include "skin/core/skin_manage.h"
#include "skin/form/skinning.h"
#include "skin/resources/platform_win32.h"

namespace pastelle {

void PrepareApplication(fw::TApplication& application) {
  skin::BindSkinResourcesToWindows();
  skin::InstallSkinning();
  application.Initialize();
  fw::RegisterComponentClass(TForm1::StaticClass());
  fw::RegisterComponentClass(skin::TSkinData::StaticClass());
}

}  // namespace pastelle
