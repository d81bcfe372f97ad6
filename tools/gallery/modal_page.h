// Pages whose window is a modal dialog of the system (a message box, a common dialog): the dialog
// runs its own message loop, so the page finds the dialog as it is created and tells the gallery
// from inside that loop once it is on the screen.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "tools/gallery/page.h"

namespace gallery {

class ModalDialogPage : public GalleryPage {
 public:
  [[nodiscard]] bool Modal() const final { return true; }
  // Shows the dialog and returns when it is closed.
  void Open(PageHost& host) final;
  // Cancels the dialog (its Cancel button), which then ends its loop.
  void Close() final;
  [[nodiscard]] std::vector<GalleryWindow> Windows() const final;

 protected:
  // Runs the dialog of the system, owned by `owner`.
  virtual void ShowModal(HWND owner) = 0;

 private:
  struct Watch;
  static void WaitForDialog(const std::shared_ptr<Watch>& watch);

  HWND dialog_ = nullptr;
  bool running_ = false;
};

}  // namespace gallery
