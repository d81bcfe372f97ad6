#include "tools/gallery/modal_page.h"

#include "framework/handles.h"
#include "framework/message_loop_call.h"

namespace gallery {
namespace {

// How long a dialog may take to appear before the gallery goes on without it.
constexpr DWORD kDialogWaitMs = 5000;

// Records the first top-level dialog ("#32770") that this thread creates while it lives.
class DialogRecorder {
 public:
  DialogRecorder() : previous_(t_recorder) {
    t_recorder = this;
    hook_.reset(SetWindowsHookExA(WH_CBT, Hook, nullptr, GetCurrentThreadId()));
  }
  ~DialogRecorder() {
    hook_.reset();
    t_recorder = previous_;
  }
  DialogRecorder(const DialogRecorder&) = delete;
  DialogRecorder& operator=(const DialogRecorder&) = delete;

  [[nodiscard]] HWND Dialog() const { return dialog_; }

 private:
  static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_CREATEWND && t_recorder && !t_recorder->dialog_) {
      auto window = reinterpret_cast<HWND>(wParam);
      const auto* create = reinterpret_cast<const CBT_CREATEWNDA*>(lParam);
      char name[16] = {};
      GetClassNameA(window, name, sizeof name);
      if (!(create->lpcs->style & WS_CHILD) && std::string(name) == "#32770") t_recorder->dialog_ = window;
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
  }

  static thread_local DialogRecorder* t_recorder;
  DialogRecorder* previous_;
  fw::UniqueHook hook_;
  HWND dialog_ = nullptr;
};

thread_local DialogRecorder* DialogRecorder::t_recorder = nullptr;

}  // namespace

// Shared by the dialog's run and the calls queued to its loop, which may outlive the run.
struct ModalDialogPage::Watch {
  ModalDialogPage* page;
  PageHost* host;
  std::unique_ptr<DialogRecorder> recorder = std::make_unique<DialogRecorder>();
  DWORD start = GetTickCount();
  bool running = true;
};

void ModalDialogPage::Open(PageHost& host) {
  if (running_) return;
  running_ = true;
  auto watch = std::make_shared<Watch>(Watch{this, &host});
  fw::CallFromMessageLoop([watch] { WaitForDialog(watch); });
  ShowModal(host.OwnerWindow());
  watch->running = false;
  watch->recorder.reset();
  dialog_ = nullptr;
  running_ = false;
}

// Runs from the dialog's own loop: a queued call comes round every few milliseconds until the
// dialog is visible (the loop shows it once it is idle), then the gallery is told.
void ModalDialogPage::WaitForDialog(const std::shared_ptr<Watch>& watch) {
  if (!watch->running) return;
  const HWND dialog = watch->recorder->Dialog();
  if (!dialog || !IsWindowVisible(dialog)) {
    if (GetTickCount() - watch->start < kDialogWaitMs) {
      fw::CallFromMessageLoop([watch] { WaitForDialog(watch); });
    } else {
      watch->host->Report(watch->page->Title() + ": the dialog did not appear");
    }
    return;
  }
  watch->recorder.reset();
  ModalDialogPage& page = *watch->page;
  page.dialog_ = dialog;
  if (watch->host->ModalDialogShown(page) && watch->running) page.Close();
}

void ModalDialogPage::Close() {
  if (dialog_ && IsWindow(dialog_)) PostMessageA(dialog_, WM_COMMAND, IDCANCEL, 0);
}

std::vector<GalleryWindow> ModalDialogPage::Windows() const {
  if (!dialog_ || !IsWindow(dialog_)) return {};
  return {{Name(), dialog_}};
}

}  // namespace gallery
