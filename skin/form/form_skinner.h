// TWinSkinForm, the form skinner: the skin manager gives one to every top-level window, dialog,
// MDI frame and MDI child that it skins, whether or not the window belongs to a framework form.
// It sees every message of the window first (its procedure chain) and, while the frame is skinned,
// every message of the framework form (its window method). Control and menu skinners reach the
// window's skin component and state through it.
//
// What it does so far: attach, activation by the manager's posted SKM_ACTIVATE, the answers to
// SKM_ISSKINNED and SKM_QUERYSKINFORM, detach (the window's own procedure and window method go
// back), and the life state Destroyed once its window is gone. The frame keeps the platform's
// look.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "framework/component.h"
#include "framework/form.h"
#include "skin/controls/skinner_base.h"
#include "skin/controls/window_method_hook.h"
#include "skin/core/skinner_links.h"

namespace skin {

class TSkinData;

class TWinSkinForm : public fw::TComponent, public SkinnerBase, public IFormSkinner {
  FW_DECLARE_CLASS()

 public:
  // Owner: the framework form, or nullptr for a window of no framework form.
  explicit TWinSkinForm(fw::TComponent* owner);
  ~TWinSkinForm() override;

  // Called by the skin manager after it has set FHandle, FManagerTag and FEventName: for the
  // window of a framework form, or for any other window.
  void AttachForm(TSkinData* skinData, fw::TForm* form);
  void AttachWindow(TSkinData* skinData);

  // --- What the skin manager asks (IFormSkinner). ---
  [[nodiscard]] HWND Window() const override { return FHandle; }
  [[nodiscard]] TSkinData* SkinData() const override { return FSkinData; }
  [[nodiscard]] TFormLifeState LifeState() const override { return FLifeState; }
  [[nodiscard]] TMdiKind MdiKind() const override { return FMdiKind; }
  [[nodiscard]] const std::string& EventName() const override { return FEventName; }
  void Detach() override;
  void UpdateMetrics() override;
  void Recolor() override;
  void PaintFrame(HDC dc) override;
  void UpdateRegion() override;
  void RemoveRegion() override;
  void AddSizeGrip(HWND grip) override;

  // The window procedure and the call into what the window had before.
  void FormWndProc(fw::TMessage& message);
  using SkinnerBase::CallDefault;

  // --- State read by the skin manager and by the control and menu skinners. ---
  uint8_t FActivated = 0;          // SKM_ACTIVATE has been received
  std::string FClassName;          // window class name (at most 100 characters)
  uint8_t FSkinFrame = 0;          // the frame is skinned (xcMainMenu in SkinControls)
  HWND FOwnerWnd = nullptr;        // GW_OWNER at attach
  uint8_t FUnicode = 0;            // the window is a Unicode window
  uint8_t FDialogClass = 0;        // class "#32770" or "TMessageForm"
  uint8_t FIsChild = 0;            // WS_CHILD
  HWND FMdiClient = nullptr;       // the MDI client of an MDI frame
  DWORD FStyle = 0;                // last read window style
  fw::TForm* FForm = nullptr;      // the framework form, nullptr for another window
  HWND FHandle = nullptr;          // the skinned window
  TSkinData* FSkinData = nullptr;  // the skin component
  uint8_t FActive = 1;             // the window is active
  TMdiKind FMdiKind = TMdiKind::None;
  TWindowState FWindowState = TWindowState::Normal;
  TFormLifeState FLifeState = lsWaiting;
  void* FManagerTag = nullptr;  // set by the skin manager at creation
  std::string FEventName;       // class name passed to OnBeforeSkinForm and OnAfterSkinForm

 protected:
  void HandleMessage(fw::TMessage& message) override { FormWndProc(message); }
  void WindowDestroyed() noexcept override;

 private:
  void Attach(TSkinData* skinData);
  // SKM_ACTIVATE: apply the skin.
  void Activate();
  // Sends SKM_SKINREADY and fires OnAfterSkinForm, as activation and Recolor end.
  void AnnounceSkinned();
  // WM_NCDESTROY: let go of the window and the form without touching their look.
  void DetachOnDestroy();
  void ReadWindowState();
  void DetectMdiClient();

  // The framework form's window method while the frame is skinned.
  void FormWindowMethod(fw::TMessage& message);

  WindowMethodHook FFormMethod;  // FOldWindowMethod: the form's window method while ours is installed
};

}  // namespace skin
