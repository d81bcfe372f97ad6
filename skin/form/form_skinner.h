// TWinSkinForm, the form skinner: the skin manager gives one to every top-level window, dialog,
// MDI frame and MDI child that it skins, whether or not the window belongs to a framework form.
// It replaces the window's procedure by its own and sees every message first; while the frame is
// skinned it also replaces the framework form's window method. Control and menu skinners reach
// the window's skin component and state through it.
//
// What it does so far: attach, activation by the manager's posted SKM_ACTIVATE, the answers to
// SKM_ISSKINNED and SKM_QUERYSKINFORM, detach (the window's own procedure and window method go
// back), and the life state Destroyed once its window is gone. The frame keeps the platform's
// look.
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>

#include "framework/component.h"
#include "framework/control.h"
#include "framework/form.h"
#include "skin/form/window_subclass.h"

namespace skin {

class TSkinData;
struct WindowMethodLink;

// Where a form skinner is in its life.
enum TFormLifeState : int32_t {
  lsWaiting = 0,     // created, SKM_ACTIVATE not received yet
  lsActive = 1,      // the skin is applied
  lsReskinning = 3,  // re-applying a changed skin
  lsDestroying = 4,  // WM_NCDESTROY is being handled
  lsAdjusting = 5,   // the window size is being adjusted to the skinned frame
  lsDestroyed = 6,   // the window is gone; the manager frees the object at its next purge
};

// Window kinds of FMdiKind.
inline constexpr uint8_t kMdiNone = 0;
inline constexpr uint8_t kMdiFrame = 1;
inline constexpr uint8_t kMdiChild = 2;

// Window states of FWindowState.
inline constexpr uint8_t kWindowNormal = 0;
inline constexpr uint8_t kWindowMaximized = 1;
inline constexpr uint8_t kWindowMinimized = 2;

class TWinSkinForm : public fw::TComponent {
  FW_DECLARE_CLASS()

 public:
  // Owner: the framework form, or nullptr for a window of no framework form.
  explicit TWinSkinForm(fw::TComponent* owner);
  ~TWinSkinForm() override;

  // Called by the skin manager after it has set FHandle, FManagerTag and FEventName: for the
  // window of a framework form, or for any other window.
  void AttachForm(TSkinData* skinData, fw::TForm* form);
  void AttachWindow(TSkinData* skinData);
  // Skin switched off for this window: its own window procedure and window method go back.
  void Detach();

  // After a skin change: recompute the frame metrics, re-apply colours.
  void UpdateMetrics();
  void Recolor();
  // Paints the non-client area into the DC, or into the window DC when dc is nullptr.
  void PaintFrame(HDC dc);
  // Rebuild or drop the window region (the manager switches MDI children between maximized and
  // normal frame handling this way).
  void UpdateRegion();
  void RemoveRegion();
  // A size grip ("ScrollBar" with SBS_SIZEGRIP) created inside this window.
  void AddSizeGrip(HWND grip);

  // The window procedure, and the call into the window's previous procedure. CallDefault
  // answers false when this object was freed while the previous procedure ran.
  void FormWndProc(fw::TMessage& message);
  bool CallDefault(fw::TMessage& message);
  // Entry from the window procedure of the subclass table.
  LRESULT DispatchWindowMessage(UINT msg, WPARAM wParam, LPARAM lParam) noexcept;

  // --- State read by the skin manager and by the control and menu skinners. ---
  fw::TWndMethod FOldWindowMethod;     // the form's previous window method while ours is installed
  WNDPROC FOldWndProc = nullptr;       // the window's previous procedure
  WNDPROC FWndProcInstance = nullptr;  // our procedure while the window is subclassed
  uint8_t FActivated = 0;              // SKM_ACTIVATE has been received
  std::string FClassName;              // window class name (at most 100 characters)
  uint8_t FSkinFrame = 0;              // the frame is skinned (xcMainMenu in SkinControls)
  HWND FOwnerWnd = nullptr;            // GW_OWNER at attach
  uint8_t FUnicode = 0;                // the window is a Unicode window
  uint8_t FDialogClass = 0;            // class "#32770" or "TMessageForm"
  uint8_t FIsChild = 0;                // WS_CHILD
  HWND FMdiClient = nullptr;           // the MDI client of an MDI frame
  DWORD FStyle = 0;                    // last read window style
  fw::TForm* FForm = nullptr;          // the framework form, nullptr for another window
  HWND FHandle = nullptr;              // the skinned window
  TSkinData* FSkinData = nullptr;      // the skin component
  uint8_t FActive = 1;                 // the window is active
  uint8_t FMdiKind = kMdiNone;
  uint8_t FWindowState = kWindowNormal;
  int32_t FLifeState = lsWaiting;
  void* FManagerTag = nullptr;  // set by the skin manager at creation
  std::string FEventName;       // class name passed to OnBeforeSkinForm and OnAfterSkinForm

 private:
  void Attach(TSkinData* skinData);
  // SKM_ACTIVATE: apply the skin.
  void Activate();
  // WM_NCDESTROY: let go of the window and the form without touching their look.
  void DetachOnDestroy();
  void ReadWindowState();
  void DetectMdiClient();
  void Unsubclass();

  // The framework form's window method while the frame is skinned.
  void FormWindowMethod(fw::TMessage& message);
  void InstallWindowMethod();
  void RestoreWindowMethod();
  friend struct FormWindowMethodCall;

  std::shared_ptr<WindowMethodLink> FWindowMethodLink;  // while FormWindowMethod is installed
  uint32_t FPassedOn = 0;                               // counts the messages passed on to the previous procedure
  LifeToken FLife;
};

}  // namespace skin
