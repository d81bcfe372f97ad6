// One page per family of framework controls: buttons; check boxes and radio buttons; text entry;
// bars (tool, header, scroll, progress, track, cool and status bars, with a main menu); tabs and
// containers. Each is a framework form read from its own stored description.
#include "framework/handles.h"
#include "tools/gallery/controls_form.h"
#include "tools/gallery/page_registry.h"
#include "tools/gallery/page_support.h"

namespace gallery {
namespace {

struct ControlFamily {
  const char* name;
  const char* title;
  const char* resource;
};

class ControlPage final : public GalleryPage {
 public:
  explicit ControlPage(const ControlFamily& family) : family_(family) {}

  [[nodiscard]] std::string Name() const override { return family_.name; }
  [[nodiscard]] std::string Title() const override { return family_.title; }

  void Open(PageHost& host) override {
    Close();
    form_.reset(new TControlsForm(nullptr, family_.resource));
    ShowFormAt(*form_, host);
  }

  void Close() override { form_.reset(); }

  [[nodiscard]] std::vector<GalleryWindow> Windows() const override {
    if (!form_ || !form_->HandleAllocated() || !IsShown(form_->Handle())) return {};
    return {{Name() + "-form", form_->Handle()}};
  }

  [[nodiscard]] fw::TForm* Form() const { return form_.get(); }

 private:
  ControlFamily family_;
  ComponentPtr<TControlsForm> form_;
};

constexpr ControlFamily kButtons{"buttons", "Buttons: push, bit and speed buttons", "TBUTTONSFORM"};
constexpr ControlFamily kChecks{"checks", "Check boxes, radio buttons and groups", "TCHECKSFORM"};
constexpr ControlFamily kText{"text", "Text entry: edits, memo, combo and list boxes, pickers", "TTEXTFORM"};
constexpr ControlFamily kBars{"bars", "Bars: tool, header, scroll, progress, track, status; a menu", "TBARSFORM"};
constexpr ControlFamily kTabs{"tabs", "Tabs, pages, panels and a scroll box", "TTABSFORM"};

}  // namespace

std::unique_ptr<GalleryPage> MakeButtonsPage() { return std::make_unique<ControlPage>(kButtons); }
std::unique_ptr<GalleryPage> MakeChecksPage() { return std::make_unique<ControlPage>(kChecks); }
std::unique_ptr<GalleryPage> MakeTextPage() { return std::make_unique<ControlPage>(kText); }
std::unique_ptr<GalleryPage> MakeBarsPage() { return std::make_unique<ControlPage>(kBars); }
std::unique_ptr<GalleryPage> MakeTabsPage() { return std::make_unique<ControlPage>(kTabs); }

}  // namespace gallery
