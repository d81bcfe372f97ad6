// TGalleryForm: the gallery's main window, read from its stored description like the program's
// main form, with the skin component SkinData1 that carries the stored default skin. It lists the
// gallery's windows and shows a status line; its menu bar is the gallery's.
#pragma once

#include <windows.h>

#include <functional>

#include "framework/form.h"
#include "framework/listview.h"
#include "framework/stdctrls.h"
#include "skin/core/skin_data.h"

namespace gallery {

class TGalleryForm : public fw::TForm {
  FW_DECLARE_CLASS()

 public:
  explicit TGalleryForm(fw::TComponent* owner);

  fw::TPanel* Panel1 = nullptr;
  fw::TLabel* Label1 = nullptr;
  fw::TListView* ListView1 = nullptr;
  fw::TPanel* StatusPanel = nullptr;
  fw::TLabel* StatusLabel = nullptr;
  skin::TSkinData* SkinData1 = nullptr;

  // Commands of the menu bar.
  std::function<void(UINT id)> OnMenuCommand;

  void WndProc(fw::TMessage& message) override;
};

}  // namespace gallery
