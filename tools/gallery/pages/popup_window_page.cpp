// A native popup window of the program (no framework form): captioned, sizeable, owned by the
// gallery's main window. The skin manager attaches to it as to any window of the program.
#include "framework/handles.h"
#include "tools/gallery/page_registry.h"
#include "tools/gallery/page_support.h"

namespace gallery {
namespace {

class PopupWindowPage final : public GalleryPage {
 public:
  [[nodiscard]] std::string Name() const override { return "popup"; }
  [[nodiscard]] std::string Title() const override { return "Popup window (not a framework form)"; }

  void Open(PageHost& host) override {
    Close();
    RegisterPlainWindowClasses();
    window_.reset(CreateWindowExA(0, kPlainWindowClass, "Popup window (WS_POPUP | WS_CAPTION)",
                                  WS_POPUPWINDOW | WS_CAPTION | WS_THICKFRAME | WS_MINIMIZEBOX, 0, 0, 280, 140,
                                  host.OwnerWindow(), nullptr, GetModuleHandleA(nullptr), nullptr));
    if (window_) ShowWindowAt(window_.get(), host);
  }

  void Close() override { window_.reset(); }

  [[nodiscard]] std::vector<GalleryWindow> Windows() const override {
    if (!IsShown(window_.get())) return {};
    return {{Name() + "-window", window_.get()}};
  }

 private:
  fw::UniqueWindow window_;
};

}  // namespace

std::unique_ptr<GalleryPage> MakePopupWindowPage() { return std::make_unique<PopupWindowPage>(); }

}  // namespace gallery
