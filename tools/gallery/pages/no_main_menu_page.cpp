// A framework form with a skin component of its own (SkinFormtype sfOnlyThisForm) whose
// SkinControls lack xcMainMenu: the skin manager gives the form that component, which leaves the
// frame and the menu bar to the system and skins the controls. The form has a native menu bar.
#include "framework/handles.h"
#include "skin/core/skin_data.h"
#include "tools/gallery/page_registry.h"
#include "tools/gallery/page_support.h"
#include "tools/gallery/sample_form.h"

namespace gallery {
namespace {

HMENU CreateSampleMenu() {
  HMENU bar = CreateMenu();
  HMENU file = CreatePopupMenu();
  AppendMenuA(file, MF_STRING, 1, "&New");
  AppendMenuA(file, MF_STRING | MF_CHECKED, 2, "&Checked");
  AppendMenuA(file, MF_SEPARATOR, 0, nullptr);
  AppendMenuA(file, MF_STRING | MF_GRAYED, 3, "&Disabled");
  AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(file), "&File");
  AppendMenuA(bar, MF_STRING, 4, "&Help");
  return bar;
}

class NoMainMenuPage final : public GalleryPage {
 public:
  [[nodiscard]] std::string Name() const override { return "no-main-menu"; }
  [[nodiscard]] std::string Title() const override { return "Form whose skin component lacks xcMainMenu"; }

  void Open(PageHost& host) override {
    Close();
    form_.reset(new TSampleForm(nullptr, kNoMainMenuFormResource));
    // The description leaves the skin out: the form takes the one the gallery shows now, before
    // its window is first activated (and skinned).
    if (form_->SkinData1) form_->SkinData1->SetSkinStream(host.CurrentSkinStream());
    SetMenu(form_->Handle(), CreateSampleMenu());  // the window owns its menu from here on
    ShowFormAt(*form_, host);
  }

  void Close() override { form_.reset(); }

  [[nodiscard]] std::vector<GalleryWindow> Windows() const override {
    if (!form_ || !form_->HandleAllocated() || !IsShown(form_->Handle())) return {};
    return {{Name() + "-form", form_->Handle()}};
  }

  [[nodiscard]] std::vector<skin::TSkinData*> SkinComponents() const override {
    if (!form_ || !form_->SkinData1) return {};
    return {form_->SkinData1};
  }

 private:
  ComponentPtr<TSampleForm> form_;
};

}  // namespace

std::unique_ptr<GalleryPage> MakeNoMainMenuPage() { return std::make_unique<NoMainMenuPage>(); }

}  // namespace gallery
