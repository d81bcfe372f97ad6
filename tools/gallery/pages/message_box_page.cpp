// A message box: the system's dialog with an icon, a text and OK and Cancel buttons.
#include "framework/text.h"
#include "tools/gallery/modal_page.h"
#include "tools/gallery/page_registry.h"

namespace gallery {
namespace {

class MessageBoxPage final : public ModalDialogPage {
 public:
  [[nodiscard]] std::string Name() const override { return "message-box"; }
  [[nodiscard]] std::string Title() const override { return "Message box"; }

 protected:
  void ShowModal(HWND owner) override {
    MessageBoxA(owner, fw::Ansi("A message box of the system, skinned as a dialog.\n消息框：确定或取消。").c_str(),
                fw::Ansi("请注意").c_str(), MB_OKCANCEL | MB_ICONINFORMATION);
  }
};

}  // namespace

std::unique_ptr<GalleryPage> MakeMessageBoxPage() { return std::make_unique<MessageBoxPage>(); }

}  // namespace gallery
