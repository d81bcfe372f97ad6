// The gallery: a program that opens windows of every kind the skin engine skins (its pages), lets
// the skin be switched while they are open, and renders them into image files.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "framework/application.h"
#include "framework/handles.h"
#include "skin/core/thread_timer.h"
#include "skin/resources/platform_hooks.h"
#include "tools/gallery/gallery_form.h"
#include "tools/gallery/gallery_options.h"
#include "tools/gallery/page.h"
#include "tools/gallery/skin_cycle.h"

namespace gallery {

// How long the gallery waits for its windows to be skinned and the skin manager to be idle.
inline constexpr DWORD kSettleTimeoutMs = 5000;

// Writes one line to the standard output or error stream (STD_OUTPUT_HANDLE, STD_ERROR_HANDLE),
// when the program has one.
void WriteStandardLine(DWORD stream, const std::string& text);

struct RenderedFile {
  std::string name;  // the window's name
  std::string path;
  int width = 0;
  int height = 0;
  bool frameFromSkin = false;
  bool written = false;
};

class Gallery final : public PageHost {
 public:
  // Needs the application object (fw::Application) and skin::InstallSkinning() done, and must go
  // before the application does. Creates the main window (not shown yet) with the starting skin:
  // the first skin file of the options, or the stored default when there is none or it cannot be
  // loaded. F5 and Shift+F5 switch the skin and F6 opens every window with the dialogs, from
  // whichever window of the thread has the keyboard, modal dialogs included; the pages get their
  // keyboard messages from the application's loop (OnMessage).
  explicit Gallery(GalleryOptions options);
  ~Gallery() override;
  Gallery(const Gallery&) = delete;
  Gallery& operator=(const Gallery&) = delete;

  // The whole program: render and exit with --render, else show every modeless page and run the
  // application's message loop until the main window is closed (or --seconds have passed).
  int Run(fw::TApplication& application);

  [[nodiscard]] TGalleryForm& MainForm() const { return *form_; }
  [[nodiscard]] const std::vector<std::unique_ptr<GalleryPage>>& Pages() const { return pages_; }
  void ShowMainForm();
  // Opens every page that does not run a dialog of its own and has no window open.
  void OpenModelessPages();
  // Opens every page: the modeless ones, then each modal dialog from inside the loop of the one
  // before. Once all are on the screen and skinned, `whileOpen` runs (from inside the innermost
  // dialog's loop); then the dialogs are cancelled, or, with `leaveDialogsOpen`, left to the user.
  void WithEveryWindowOpen(const std::function<void()>& whileOpen, bool leaveDialogsOpen = false);
  // The main window and every window of the open pages.
  [[nodiscard]] std::vector<GalleryWindow> Windows() const;
  // Handles messages until every window is skinned and no skin command is waiting; false when
  // that has not happened within the time.
  bool Settle(DWORD timeoutMs = kSettleTimeoutMs);
  // Whether the skin manager gave the window a form skinner that has applied the skin.
  [[nodiscard]] static bool IsSkinned(HWND window);

  // Switches every skin component of the gallery to a choice of the cycle and waits until the
  // windows have it; false when the choice could not be loaded (the stored default is then used).
  bool SelectSkin(size_t index);
  bool StepSkin(int step) { return SelectSkin(skins_.IndexAfter(step)); }
  [[nodiscard]] const SkinCycle& Skins() const { return skins_; }
  // The skin of the main window's description, as stored-skin property data.
  [[nodiscard]] const std::vector<uint8_t>& DefaultSkinStream() const { return defaultSkin_; }

  // Renders every window into `folder` as <name>.png (the folder is created when missing).
  std::vector<RenderedFile> RenderAll(const std::string& folder);

  // The status line and everything reported so far.
  [[nodiscard]] const std::string& Status() const { return status_; }
  [[nodiscard]] const std::vector<std::string>& Reports() const { return reports_; }

  // --- PageHost ---
  [[nodiscard]] HWND OwnerWindow() const override;
  [[nodiscard]] POINT NextPosition(SIZE size) override;
  [[nodiscard]] std::vector<uint8_t> CurrentSkinStream() const override;
  bool ModalDialogShown(GalleryPage& page) override;
  void Report(const std::string& text) override;

 private:
  struct OpenRun {
    std::function<void()> whileOpen;
    bool leaveDialogsOpen = false;
    size_t nextPage = 0;
    bool done = false;
  };

  void BuildMenu();
  void UpdateSkinMenu();
  void MenuCommand(UINT id);
  void RefreshWindowList();
  // The application's loop hands every message here first.
  bool PreTranslateMessage(MSG& msg);
  // The gallery's keys, seen as any loop of the thread takes them from the queue.
  static LRESULT CALLBACK KeyHook(int code, WPARAM wParam, LPARAM lParam);
  void KeyCommand(WPARAM key, bool shift);
  // Opens the next modal page of the run, or runs `whileOpen` when none is left.
  void ContinueOpenRun();
  // Cancels the dialogs and ends the message loop.
  void Quit();

  GalleryOptions options_;
  TGalleryForm* form_ = nullptr;  // owned by the application
  std::vector<uint8_t> defaultSkin_;
  SkinCycle skins_;
  std::vector<std::unique_ptr<GalleryPage>> pages_;
  skin::MessageDialogHook previousMessageHook_;
  OpenRun* openRun_ = nullptr;
  bool switching_ = false;
  std::optional<POINT> nextPosition_;  // none until the first window is placed
  int rowHeight_ = 0;
  std::string status_;
  std::vector<std::string> reports_;
  std::unique_ptr<skin::TThreadTimer> quitTimer_;
  // Calls queued by the key hook hold this weakly: they do nothing once the gallery is gone.
  std::shared_ptr<Gallery*> self_ = std::make_shared<Gallery*>(this);
  fw::UniqueHook keyHook_;
};

}  // namespace gallery
