// The common colour dialog, opened in full (the custom colour part shown).
#include <windows.h>

#include <commdlg.h>

#include <array>

#include "tools/gallery/modal_page.h"
#include "tools/gallery/page_registry.h"

namespace gallery {
namespace {

class ColourDialogPage final : public ModalDialogPage {
 public:
  [[nodiscard]] std::string Name() const override { return "colour-dialog"; }
  [[nodiscard]] std::string Title() const override { return "Colour dialog"; }

 protected:
  void ShowModal(HWND owner) override {
    CHOOSECOLORA choice{};
    choice.lStructSize = sizeof choice;
    choice.hwndOwner = owner;
    choice.rgbResult = colour_;
    choice.lpCustColors = custom_.data();
    choice.Flags = CC_FULLOPEN | CC_RGBINIT;
    if (ChooseColorA(&choice)) colour_ = choice.rgbResult;
  }

 private:
  COLORREF colour_ = RGB(0x40, 0x80, 0xC0);
  std::array<COLORREF, 16> custom_{RGB(0xE7, 0xF5, 0xFE), RGB(0x00, 0x40, 0x80), RGB(0xFF, 0xFF, 0xFF)};
};

}  // namespace

std::unique_ptr<GalleryPage> MakeColourDialogPage() { return std::make_unique<ColourDialogPage>(); }

}  // namespace gallery
