// TControlsForm: a framework form of the gallery's control pages, read from a stored form
// description that holds one family of control kinds in every state the skinners tell apart.
#pragma once

#include "framework/form.h"

namespace gallery {

class TControlsForm : public fw::TForm {
  FW_DECLARE_CLASS()

 public:
  // Reads the description stored as the RCDATA resource `resourceName`.
  TControlsForm(fw::TComponent* owner, const char* resourceName);
};

}  // namespace gallery
