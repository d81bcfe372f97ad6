// Framework forms of every border style, each read from the same stored description.
#include <array>

#include "framework/form.h"
#include "tools/gallery/page_registry.h"
#include "tools/gallery/page_support.h"
#include "tools/gallery/sample_form.h"

namespace gallery {
namespace {

struct BorderKind {
  fw::TFormBorderStyle style;
  const char* name;
  const char* caption;
};

constexpr std::array<BorderKind, 6> kBorderKinds{{
    {fw::TFormBorderStyle::bsSizeable, "sizeable", "bsSizeable"},
    {fw::TFormBorderStyle::bsSingle, "single", "bsSingle"},
    {fw::TFormBorderStyle::bsDialog, "dialog", "bsDialog"},
    {fw::TFormBorderStyle::bsNone, "none", "bsNone"},
    {fw::TFormBorderStyle::bsToolWindow, "tool-window", "bsToolWindow"},
    {fw::TFormBorderStyle::bsSizeToolWin, "sizeable-tool-window", "bsSizeToolWin"},
}};

class BorderFormsPage final : public GalleryPage {
 public:
  [[nodiscard]] std::string Name() const override { return "form"; }
  [[nodiscard]] std::string Title() const override { return "Forms of every border style"; }

  void Open(PageHost& host) override {
    Close();
    for (size_t i = 0; i < kBorderKinds.size(); ++i) {
      const BorderKind& kind = kBorderKinds[i];
      forms_[i].reset(new TSampleForm(nullptr, kSampleFormResource));
      TSampleForm& form = *forms_[i];
      form.SetBorderStyle(kind.style);
      form.SetCaption(std::string("Form ") + kind.caption);
      form.Label1->SetCaption(std::string("BorderStyle = ") + kind.caption);
      ShowFormAt(form, host);
    }
  }

  void Close() override {
    for (auto& form : forms_) form.reset();
  }

  [[nodiscard]] std::vector<GalleryWindow> Windows() const override {
    std::vector<GalleryWindow> windows;
    for (size_t i = 0; i < kBorderKinds.size(); ++i) {
      if (forms_[i] && forms_[i]->HandleAllocated() && IsShown(forms_[i]->Handle()))
        windows.push_back({Name() + "-" + kBorderKinds[i].name, forms_[i]->Handle()});
    }
    return windows;
  }

 private:
  std::array<ComponentPtr<TSampleForm>, kBorderKinds.size()> forms_;
};

}  // namespace

std::unique_ptr<GalleryPage> MakeBorderFormsPage() { return std::make_unique<BorderFormsPage>(); }

}  // namespace gallery
