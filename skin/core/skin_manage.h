// TSkinManage, the one process-wide skin manager. It watches window creation, activation and
// destruction on the GUI thread through a WH_CBT hook, decides which windows are skinned as
// forms, dialogs or popup menus and with which skin component, creates, finds and frees their
// skinners through the factory that the form-skinning code registers (skinner_links.h), and
// carries out the activation, deactivation and refresh commands that skin components post to it,
// on a timer.
//
// Skin components reach it through ISkinManagerLink; InstallSkinManager() makes them create this
// manager when they first need one.
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "framework/form.h"
#include "framework/handles.h"
#include "skin/core/skin_manager_link.h"
#include "skin/core/skinner_links.h"
#include "skin/core/thread_timer.h"

namespace fw {
class TBitmap;
}

namespace skin {

class TSkinData;

// What kind of menu is about to open (MenuMode).
inline constexpr int32_t kMenuModePopup = 0;
inline constexpr int32_t kMenuModeMenuBar = 1;
inline constexpr int32_t kMenuModeSystem = 2;

// A framework form with this Tag is never skinned, whatever DisableTag says.
inline constexpr int32_t kNeverSkinTag = 99;

class TSkinManage final : public ISkinManagerLink {
 public:
  TSkinManage();
  ~TSkinManage() override;
  TSkinManage(const TSkinManage&) = delete;
  TSkinManage& operator=(const TSkinManage&) = delete;

  // --- Skin components. ---
  void RegisterSkinData(TSkinData* data) override;
  void UnregisterSkinData(TSkinData* data) override;
  // The component that applies to a window: its own sfOnlyThisForm component, a sfDialog one
  // for dialogs, else a sfMainform one (the last registered wins), else the first registered.
  [[nodiscard]] TSkinData* ChooseSkinData(HWND window) const;

  // --- The hook and the form skinners. ---
  void InstallHook() override;
  [[nodiscard]] bool HookInstalled() const { return static_cast<bool>(FHook); }
  // Gives the window a form skinner when it qualifies; true when one was created.
  bool SkinWindow(HWND window) override;
  // The option and OnFormSkin tests of SkinWindow.
  [[nodiscard]] bool CanSkinWindow(HWND window, const std::string& className) const;
  // SkinWindow on a visible form that is not a child window.
  void SkinFormIfVisible(fw::TForm* form);
  [[nodiscard]] IFormSkinner* FindFormSkinner(HWND window) const;
  // Takes a form skinner off the list without freeing it (called by the skinner as it goes).
  void RemoveFormSkinner(HWND window);
  void RemoveFormSkinner(IFormSkinner* skinner);
  // Frees the form skinners whose window is gone.
  void PurgeFormSkinners();
  // The framework form of a window: one of the screen's forms, else the window's framework
  // control when that is a form.
  [[nodiscard]] fw::TForm* FindForm(HWND window) const;
  void SetMdiMaximized(bool on);
  void ReloadSkinData(TSkinData* data) override;

  // --- Popup menus. ---
  void SkinPopupMenu(HWND window);
  void ReleasePopupMenu(HWND window);
  [[nodiscard]] bool IsPopupMenuSkinned(HWND window) const;
  void MarkAllPopupMenus();
  void AssignMenuToPopup(HMENU menu);
  [[nodiscard]] fw::TBitmap* FindPopupMenuBitmap(HMENU menu) const;

  // --- Commands. ---
  void SetPendingSkinData(TSkinData* data) override { FPendingSkinData = data; }
  void PostCommand(int32_t command, uint32_t delayMs) override;
  // Runs the pending command (the timer's tick).
  void ProcessCommand();

  // --- State. ---
  [[nodiscard]] const std::vector<IFormSkinner*>& FormSkinners() const { return FFormSkinners; }
  [[nodiscard]] const std::vector<IPopupMenuSkinner*>& MenuSkinners() const { return FMenuSkinners; }
  [[nodiscard]] const std::vector<TSkinData*>& SkinDatas() const { return FSkinDatas; }
  [[nodiscard]] const TThreadTimer& CommandTimer() const { return FCommandTimer; }
  [[nodiscard]] bool Enabled() const { return FEnabled; }
  void SetEnabled(bool enabled) override { FEnabled = enabled; }
  [[nodiscard]] bool Refreshing() const { return FRefreshing; }
  [[nodiscard]] int32_t RunState() const override { return FRunState; }
  void SetRunState(int32_t state) override { FRunState = state; }
  [[nodiscard]] int32_t MenuMode() const { return FMenuMode; }
  void SetMenuMode(int32_t mode) { FMenuMode = mode; }
  [[nodiscard]] bool MenuFlag() const { return FMenuFlag; }
  void SetMenuFlag(bool flag) { FMenuFlag = flag; }
  [[nodiscard]] bool MdiMaximized() const { return FMdiMaximized; }
  // The MDI client window of the skinned MDI frame and that frame's framework form.
  void RecordMdiClient(HWND client, fw::TForm* form) {
    FMdiClient = client;
    FMdiClientForm = form;
  }
  [[nodiscard]] HWND MdiClient() const { return FMdiClient; }
  [[nodiscard]] fw::TForm* MdiClientForm() const { return FMdiClientForm; }
  // Windows are hidden while their frame changes to the skinned one (off unless a program sets it;
  // the first activation clears it).
  [[nodiscard]] bool HideWhileSkinning() const { return FHideWhileSkinning; }
  void SetHideWhileSkinning(bool on) { FHideWhileSkinning = on; }
  // A value of the program's own; form skinners copy it at creation (nil unless set).
  [[nodiscard]] void* Tag() const { return FTag; }
  void SetTag(void* tag) { FTag = tag; }
  [[nodiscard]] HWND MenuOwnerWindow() const { return FMenuOwnerWindow; }
  void SetMenuOwnerWindow(HWND window) { FMenuOwnerWindow = window; }
  [[nodiscard]] int32_t PendingCommand() const { return FPendingCommand; }
  [[nodiscard]] TSkinData* PendingSkinData() const { return FPendingSkinData; }
  [[nodiscard]] TSkinData* MainSkinData() const { return FMainSkinData; }

 private:
  static LRESULT CALLBACK HookProc(int code, WPARAM wParam, LPARAM lParam);
  void HookNotification(int code, WPARAM wParam, LPARAM lParam);
  void WindowCreated(HWND window, const CREATESTRUCTA& create);
  // Takes the skinner off the list, puts its window's own look back and frees it.
  void RestoreAndFree(IFormSkinner* skinner);
  void RunCommandForForm(int32_t command, TSkinData* data);
  void RunCommandForAll(int32_t command, TSkinData* data);

  TThreadTimer FCommandTimer;
  std::vector<IFormSkinner*> FFormSkinners;       // owned, unless a framework form owns the skinner
  std::vector<IPopupMenuSkinner*> FMenuSkinners;  // owned
  std::vector<TSkinData*> FSkinDatas;             // not owned, in registration order
  bool FEnabled = false;
  bool FRefreshing = false;
  int32_t FRunState = kRunStateIdle;
  int32_t FMenuMode = kMenuModePopup;
  bool FMenuFlag = false;
  bool FMdiMaximized = false;
  HWND FMdiClient = nullptr;
  fw::TForm* FMdiClientForm = nullptr;
  bool FHideWhileSkinning = false;
  void* FTag = nullptr;
  HWND FMenuOwnerWindow = nullptr;
  int32_t FPendingCommand = 0;
  TSkinData* FPendingSkinData = nullptr;
  TSkinData* FMainSkinData = nullptr;
  fw::UniqueHook FHook;
};

// The process's manager, or nullptr while none exists.
[[nodiscard]] TSkinManage* SkinManager();

// Makes skin components create a TSkinManage when they first need a manager (part of
// skin::InstallSkinning, which the program calls once at start-up).
void InstallSkinManager();

}  // namespace skin
