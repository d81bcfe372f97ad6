#include "tools/gallery/gallery.h"

#include <algorithm>
#include <utility>

#include "framework/message_loop_call.h"
#include "framework/registry.h"
#include "skin/core/skin_manage.h"
#include "skin/core/skin_messages.h"
#include "tools/gallery/controls_form.h"
#include "tools/gallery/image_file.h"
#include "tools/gallery/page_registry.h"
#include "tools/gallery/page_support.h"
#include "tools/gallery/sample_form.h"
#include "tools/gallery/window_snapshot.h"

namespace gallery {
namespace {

// Menu commands of the main window.
constexpr UINT kFirstSkinCommand = 1000;  // + index of the skin choice
constexpr UINT kFirstPageCommand = 2000;  // + index of the page
constexpr UINT kNextSkinCommand = 3001;
constexpr UINT kPreviousSkinCommand = 3002;
constexpr UINT kEveryWindowCommand = 3003;
constexpr UINT kExitCommand = 3004;
constexpr int kWindowGap = 6;

// The engine's messages break lines with "\r"; a report is one line.
std::string OneLine(std::string text) {
  std::replace(text.begin(), text.end(), '\r', ' ');
  std::replace(text.begin(), text.end(), '\n', ' ');
  return text;
}

std::string ClassNameOf(HWND window) {
  char name[64] = {};
  GetClassNameA(window, name, sizeof name);
  return name;
}

// Handles the waiting messages; false when the application is to end (the quit message is put back
// for the application's loop).
bool HandleWaitingMessages() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(msg.wParam));
      return false;
    }
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return true;
}

// Handles messages until the condition holds, the time is up or the application is to end.
template <typename Condition>
bool HandleMessagesUntil(Condition condition, DWORD timeoutMs) {
  const DWORD start = GetTickCount();
  for (;;) {
    if (!HandleWaitingMessages()) return false;
    if (condition()) return true;
    const DWORD elapsed = GetTickCount() - start;
    if (elapsed >= timeoutMs) return false;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, std::min<DWORD>(timeoutMs - elapsed, 50), QS_ALLINPUT);
  }
}

// The gallery whose keys this thread's hook takes.
thread_local std::weak_ptr<Gallery*> t_keyGallery;

bool SkinCommandWaiting() {
  const skin::TSkinManage* manager = skin::SkinManager();
  return manager && manager->CommandTimer().Enabled();
}

}  // namespace

void WriteStandardLine(DWORD stream, const std::string& text) {
  HANDLE handle = GetStdHandle(stream);
  if (!handle || handle == INVALID_HANDLE_VALUE) return;
  const std::string line = text + "\n";
  DWORD written = 0;
  WriteFile(handle, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
}

Gallery::Gallery(GalleryOptions options)
    : options_(std::move(options)), skins_(options_.skinFiles, options_.skinsFolder), pages_(CreatePages()) {
  previousMessageHook_ =
      skin::SetMessageDialogHook([this](const std::string& text) { Report("skin engine: " + OneLine(text)); });
  fw::RegisterComponentClass(TGalleryForm::StaticClass());
  fw::RegisterComponentClass(TSampleForm::StaticClass());
  fw::RegisterComponentClass(TControlsForm::StaticClass());
  fw::RegisterComponentClass(skin::TSkinData::StaticClass());
  form_ = fw::Application->CreateForm<TGalleryForm>();
  defaultSkin_ = form_->SkinData1->SkinStream();
  form_->OnMenuCommand = [this](UINT id) { MenuCommand(id); };
  fw::Application->OnMessage = [this](MSG& msg) { return PreTranslateMessage(msg); };
  t_keyGallery = self_;
  keyHook_.reset(SetWindowsHookExA(WH_GETMESSAGE, KeyHook, nullptr, GetCurrentThreadId()));
  BuildMenu();
  if (!options_.skinFiles.empty()) {
    SelectSkin(1);
  } else {
    SelectSkin(0);
  }
}

Gallery::~Gallery() {
  keyHook_.reset();
  quitTimer_.reset();
  if (fw::Application) fw::Application->OnMessage = nullptr;
  for (auto page = pages_.rbegin(); page != pages_.rend(); ++page) (*page)->Close();
  pages_.clear();
  form_->OnMenuCommand = nullptr;
  skin::SetMessageDialogHook(std::move(previousMessageHook_));
}

int Gallery::Run(fw::TApplication& application) {
  ShowMainForm();
  if (!options_.renderDir.empty()) {
    bool rendered = false;
    WithEveryWindowOpen([&] {
      const std::vector<RenderedFile> files = RenderAll(options_.renderDir);
      rendered = !files.empty() &&
                 std::all_of(files.begin(), files.end(), [](const RenderedFile& file) { return file.written; });
    });
    return rendered ? 0 : 1;
  }
  OpenModelessPages();
  if (options_.seconds > 0) {
    quitTimer_ =
        std::make_unique<skin::TThreadTimer>(static_cast<uint32_t>(options_.seconds) * 1000u, [this] { Quit(); });
    quitTimer_->SetEnabled(true);
  }
  application.Run();
  return 0;
}

// ---- Windows --------------------------------------------------------------------------------

void Gallery::ShowMainForm() {
  ShowFormAt(*form_, *this);
  RefreshWindowList();
}

void Gallery::OpenModelessPages() {
  for (const auto& page : pages_)
    if (!page->Modal() && page->Windows().empty()) page->Open(*this);
  Settle();
  RefreshWindowList();
}

void Gallery::WithEveryWindowOpen(const std::function<void()>& whileOpen, bool leaveDialogsOpen) {
  if (openRun_) return;
  OpenModelessPages();
  OpenRun run{whileOpen, leaveDialogsOpen};
  openRun_ = &run;
  ContinueOpenRun();
  openRun_ = nullptr;
  RefreshWindowList();
}

void Gallery::ContinueOpenRun() {
  OpenRun& run = *openRun_;
  while (run.nextPage < pages_.size()) {
    GalleryPage& page = *pages_[run.nextPage++];
    if (!page.Modal() || !page.Windows().empty()) continue;
    // Returns once the dialog is closed; the run goes on from inside its loop, unless the dialog
    // never appeared.
    page.Open(*this);
    if (run.done) return;
  }
  if (run.done) return;
  run.done = true;
  if (!Settle()) Report("not every window was skinned in time");
  RefreshWindowList();
  if (run.whileOpen) run.whileOpen();
}

bool Gallery::ModalDialogShown(GalleryPage&) {
  RefreshWindowList();
  if (!openRun_ || openRun_->done) return false;
  ContinueOpenRun();
  return !openRun_->leaveDialogsOpen;
}

std::vector<GalleryWindow> Gallery::Windows() const {
  std::vector<GalleryWindow> windows;
  if (form_->HandleAllocated() && IsShown(form_->Handle())) windows.push_back({"gallery-main", form_->Handle()});
  for (const auto& page : pages_) {
    std::vector<GalleryWindow> more = page->Windows();
    windows.insert(windows.end(), more.begin(), more.end());
  }
  return windows;
}

bool Gallery::IsSkinned(HWND window) {
  const skin::TSkinManage* manager = skin::SkinManager();
  const skin::IFormSkinner* skinner = manager ? manager->FindFormSkinner(window) : nullptr;
  return skinner && skinner->LifeState() == skin::lsActive;
}

bool Gallery::Settle(DWORD timeoutMs) {
  return HandleMessagesUntil(
      [this] {
        if (SkinCommandWaiting()) return false;
        const std::vector<GalleryWindow> windows = Windows();
        return std::all_of(windows.begin(), windows.end(), [](const GalleryWindow& w) { return IsSkinned(w.window); });
      },
      timeoutMs);
}

HWND Gallery::OwnerWindow() const {
  for (auto page = pages_.rbegin(); page != pages_.rend(); ++page) {
    if (!(*page)->Modal()) continue;
    const std::vector<GalleryWindow> windows = (*page)->Windows();
    if (!windows.empty()) return windows.front().window;
  }
  return form_->Handle();
}

POINT Gallery::NextPosition(SIZE size) {
  RECT area{};
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
  const POINT start{area.left + kWindowGap, area.top + kWindowGap};
  POINT at = nextPosition_.value_or(start);
  // Left to right in rows; past the bottom the windows start over at the top, a little inside.
  if (at.x + size.cx > area.right && at.x > start.x) {
    at = {start.x, at.y + rowHeight_ + kWindowGap};
    rowHeight_ = 0;
  }
  if (at.y + size.cy > area.bottom) at = {start.x + 4 * kWindowGap, start.y + 4 * kWindowGap};
  nextPosition_ = POINT{at.x + size.cx + kWindowGap, at.y};
  rowHeight_ = std::max(rowHeight_, static_cast<int>(size.cy));
  return at;
}

// ---- Skins ----------------------------------------------------------------------------------

std::vector<uint8_t> Gallery::CurrentSkinStream() const { return form_->SkinData1->SkinStream(); }

bool Gallery::SelectSkin(size_t index) {
  if (switching_ || index >= skins_.Choices().size()) return false;
  switching_ = true;
  const std::string problem = LoadSkinChoice(*form_->SkinData1, skins_.Choices()[index], defaultSkin_);
  skins_.SetCurrent(problem.empty() ? index : 0);
  // The pages' own components follow, one at a time: the manager keeps one waiting command only.
  const std::vector<uint8_t> stream = CurrentSkinStream();
  for (const auto& page : pages_) {
    for (skin::TSkinData* data : page->SkinComponents()) {
      HandleMessagesUntil([] { return !SkinCommandWaiting(); }, kSettleTimeoutMs);
      data->SetSkinStream(stream);
      data->ApplySkin();
    }
  }
  HandleMessagesUntil([] { return !SkinCommandWaiting(); }, kSettleTimeoutMs);
  switching_ = false;
  UpdateSkinMenu();
  RefreshWindowList();
  const SkinChoice& current = skins_.Choices()[skins_.Current()];
  const std::string shown = "skin " + std::to_string(skins_.Current() + 1) + "/" +
                            std::to_string(skins_.Choices().size()) + ": " + current.label;
  Report(problem.empty() ? shown : problem + "; " + shown);
  return problem.empty();
}

// ---- Rendering ------------------------------------------------------------------------------

std::vector<RenderedFile> Gallery::RenderAll(const std::string& folder) {
  CreateDirectoryA(folder.c_str(), nullptr);
  std::vector<RenderedFile> files;
  for (const GalleryWindow& window : Windows()) {
    const WindowSnapshot snapshot = SnapshotWindow(window.window);
    RenderedFile file{window.name, folder + "\\" + window.name + ".png", snapshot.image.Width(),
                      snapshot.image.Height(), snapshot.frameFromSkin};
    file.written = WritePngFile(snapshot.image, file.path);
    WriteStandardLine(STD_OUTPUT_HANDLE, file.path + " " + std::to_string(file.width) + "x" +
                                             std::to_string(file.height) +
                                             (file.frameFromSkin ? " skin frame" : " system frame") +
                                             (file.written ? "" : " NOT WRITTEN"));
    files.push_back(std::move(file));
  }
  Report("rendered " + std::to_string(files.size()) + " windows into " + folder);
  return files;
}

// ---- Status, menu, keys ---------------------------------------------------------------------

void Gallery::Report(const std::string& text) {
  status_ = text;
  reports_.push_back(text);
  if (form_) form_->StatusLabel->SetCaption(text);
  WriteStandardLine(STD_ERROR_HANDLE, "gallery: " + text);
}

void Gallery::BuildMenu() {
  HMENU bar = CreateMenu();
  HMENU skins = CreatePopupMenu();
  AppendMenuA(skins, MF_STRING, kNextSkinCommand, "&Next skin\tF5");
  AppendMenuA(skins, MF_STRING, kPreviousSkinCommand, "&Previous skin\tShift+F5");
  AppendMenuA(skins, MF_SEPARATOR, 0, nullptr);
  for (size_t i = 0; i < skins_.Choices().size(); ++i)
    AppendMenuA(skins, MF_STRING, kFirstSkinCommand + i, skins_.Choices()[i].label.c_str());
  AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(skins), "&Skin");
  HMENU windows = CreatePopupMenu();
  for (size_t i = 0; i < pages_.size(); ++i)
    AppendMenuA(windows, MF_STRING, kFirstPageCommand + i, pages_[i]->Title().c_str());
  AppendMenuA(windows, MF_SEPARATOR, 0, nullptr);
  AppendMenuA(windows, MF_STRING, kEveryWindowCommand, "&Every window with the dialogs\tF6");
  AppendMenuA(windows, MF_SEPARATOR, 0, nullptr);
  AppendMenuA(windows, MF_STRING, kExitCommand, "E&xit");
  AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(windows), "&Windows");
  SetMenu(form_->Handle(), bar);  // the window owns its menu from here on
}

void Gallery::UpdateSkinMenu() {
  HMENU bar = GetMenu(form_->Handle());
  HMENU skins = bar ? GetSubMenu(bar, 0) : nullptr;
  if (!skins) return;
  const auto last = static_cast<UINT>(kFirstSkinCommand + skins_.Choices().size() - 1);
  CheckMenuRadioItem(skins, kFirstSkinCommand, last, static_cast<UINT>(kFirstSkinCommand + skins_.Current()),
                     MF_BYCOMMAND);
}

void Gallery::MenuCommand(UINT id) {
  if (id >= kFirstSkinCommand && id < kFirstSkinCommand + skins_.Choices().size()) {
    SelectSkin(id - kFirstSkinCommand);
  } else if (id >= kFirstPageCommand && id < kFirstPageCommand + pages_.size()) {
    pages_[id - kFirstPageCommand]->Open(*this);
  } else if (id == kNextSkinCommand || id == kPreviousSkinCommand) {
    StepSkin(id == kNextSkinCommand ? 1 : -1);
  } else if (id == kEveryWindowCommand) {
    WithEveryWindowOpen(nullptr, true);
  } else if (id == kExitCommand) {
    form_->Close();
  }
  RefreshWindowList();
}

void Gallery::RefreshWindowList() {
  if (!form_->HandleAllocated()) return;
  fw::TListItems& items = *form_->ListView1->Items();
  fw::TListItems::UpdateScope update(items);
  items.Clear();
  for (const GalleryWindow& window : Windows()) {
    RECT bounds{};
    GetWindowRect(window.window, &bounds);
    const bool frame = SendMessageA(window.window, skin::SKM_QUERYSKINFORM, 0, skin::kSkinMagic) == skin::kSkinMagic;
    items.Add(window.name,
              {ClassNameOf(window.window),
               std::to_string(bounds.right - bounds.left) + "x" + std::to_string(bounds.bottom - bounds.top),
               IsSkinned(window.window) ? (frame ? "frame" : "yes") : "no"});
  }
}

bool Gallery::PreTranslateMessage(MSG& msg) {
  return std::any_of(pages_.begin(), pages_.end(), [&msg](const auto& page) { return page->PreTranslateMessage(msg); });
}

LRESULT CALLBACK Gallery::KeyHook(int code, WPARAM wParam, LPARAM lParam) {
  auto* msg = reinterpret_cast<MSG*>(lParam);
  if (code == HC_ACTION && wParam == PM_REMOVE && msg->message == WM_KEYDOWN &&
      (msg->wParam == VK_F5 || msg->wParam == VK_F6)) {
    // The key is taken here; the command runs once the message has gone, from whichever loop
    // runs (switching pumps messages, F6 runs dialogs).
    const WPARAM key = msg->wParam;
    const bool shift = GetKeyState(VK_SHIFT) < 0;
    msg->message = WM_NULL;
    fw::CallFromMessageLoop([gallery = t_keyGallery, key, shift] {
      if (const std::shared_ptr<Gallery*> alive = gallery.lock()) (*alive)->KeyCommand(key, shift);
    });
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

void Gallery::KeyCommand(WPARAM key, bool shift) {
  if (key == VK_F5) {
    StepSkin(shift ? -1 : 1);
  } else {
    WithEveryWindowOpen(nullptr, true);
  }
  RefreshWindowList();
}

void Gallery::Quit() {
  if (quitTimer_) quitTimer_->SetEnabled(false);
  for (const auto& page : pages_)
    if (page->Modal()) page->Close();
  fw::Application->Terminate();
}

}  // namespace gallery
