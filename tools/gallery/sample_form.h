// TSampleForm: the framework form that the gallery's form pages show, read from a stored form
// description (a panel with a button and a label over a memo; later control kinds join it there).
#pragma once

#include <string>

#include "framework/form.h"
#include "framework/stdctrls.h"

namespace skin {
class TSkinData;
}

namespace gallery {

class TSampleForm : public fw::TForm {
  FW_DECLARE_CLASS()

 public:
  // Reads the description stored as the RCDATA resource `resourceName`.
  TSampleForm(fw::TComponent* owner, const char* resourceName);

  fw::TPanel* Panel1 = nullptr;
  fw::TBitBtn* Button1 = nullptr;
  fw::TLabel* Label1 = nullptr;
  fw::TMemo* Memo1 = nullptr;
  // Only on forms whose description carries a skin component of their own.
  skin::TSkinData* SkinData1 = nullptr;
};

// The description of the forms of every border style, and of the form with its own skin component.
inline constexpr const char* kSampleFormResource = "TSAMPLEFORM";
inline constexpr const char* kNoMainMenuFormResource = "TNOMAINMENUFORM";

}  // namespace gallery
