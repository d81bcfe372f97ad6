// The common dialog for opening a file (the explorer-style one, resizable), in the program's folder.
#include <windows.h>

#include <commdlg.h>

#include <array>
#include <string>

#include "tools/gallery/modal_page.h"
#include "tools/gallery/page_registry.h"

namespace gallery {
namespace {

class OpenFileDialogPage final : public ModalDialogPage {
 public:
  [[nodiscard]] std::string Name() const override { return "open-file-dialog"; }
  [[nodiscard]] std::string Title() const override { return "Open-file dialog"; }

 protected:
  void ShowModal(HWND owner) override {
    std::array<char, MAX_PATH> folder{};
    GetModuleFileNameA(nullptr, folder.data(), MAX_PATH);
    std::string start(folder.data());
    start.resize(start.find_last_of('\\') == std::string::npos ? 0 : start.find_last_of('\\'));
    std::array<char, MAX_PATH> file{};
    OPENFILENAMEA open{};
    open.lStructSize = sizeof open;
    open.hwndOwner = owner;
    open.lpstrFilter = "Skin files\0*.*\0";
    open.lpstrFile = file.data();
    open.nMaxFile = MAX_PATH;
    open.lpstrInitialDir = start.c_str();
    open.lpstrTitle = "Open a skin";
    open.Flags = OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_HIDEREADONLY | OFN_ENABLESIZING;
    GetOpenFileNameA(&open);
  }
};

}  // namespace

std::unique_ptr<GalleryPage> MakeOpenFileDialogPage() { return std::make_unique<OpenFileDialogPage>(); }

}  // namespace gallery
