#include "skin/form/form_skinner.h"

#include "skin/core/skin_data.h"
#include "skin/core/skin_manage.h"
#include "skin/core/skin_messages.h"
#include "skin/core/window_names.h"

namespace skin {
namespace {
constexpr size_t kMaxClassNameLength = 100;
}  // namespace

const fw::ClassInfo& TWinSkinForm::StaticClass() {
  static const fw::ClassInfo info =
      fw::ClassBuilder<TWinSkinForm>("TWinSkinForm", &fw::TComponent::StaticClass()).Build();
  return info;
}

TWinSkinForm::TWinSkinForm(fw::TComponent* owner) : fw::TComponent(owner) {}

TWinSkinForm::~TWinSkinForm() {
  FFormMethod.Restore();
  Unhook();
  if (TSkinManage* manager = SkinManager(); manager && manager->RunState() != kRunStateDestroying)
    manager->RemoveFormSkinner(this);
}

// ---- Attaching and detaching ----------------------------------------------------------------

void TWinSkinForm::AttachForm(TSkinData* skinData, fw::TForm* form) {
  FForm = form;
  if (skinData) skinData->DoBeforeSkinForm(form, FHandle, FEventName);
  Attach(skinData);
  if (FSkinFrame && Hooked() && FForm)
    FFormMethod.Install(FForm, [this](fw::TMessage& message) { FormWindowMethod(message); });
}

void TWinSkinForm::AttachWindow(TSkinData* skinData) { Attach(skinData); }

void TWinSkinForm::Attach(TSkinData* skinData) {
  if (Hooked()) return;
  if (TSkinManage* manager = SkinManager()) manager->SetRunState(kRunStateRunning);
  FSkinData = skinData;
  FSkinFrame = skinData && skinData->HasControl(xcMainMenu);
  FStyle = static_cast<DWORD>(GetWindowLongA(FHandle, GWL_STYLE));
  const auto exStyle = static_cast<DWORD>(GetWindowLongA(FHandle, GWL_EXSTYLE));
  FIsChild = (FStyle & WS_CHILD) != 0;
  FClassName = WindowClassName(FHandle).substr(0, kMaxClassNameLength);
  FOwnerWnd = GetWindow(FHandle, GW_OWNER);
  ReadWindowState();
  DetectMdiClient();
  if (exStyle & WS_EX_MDICHILD) {
    FMdiKind = TMdiKind::Child;
    if (skinData && skinData->HasOption(xoMDIChildBorder)) FSkinFrame = 0;
  }
  FUnicode = IsWindowUnicode(FHandle) ? 1 : 0;
  FDialogClass = FClassName == "#32770" || FClassName == "TMessageForm";

  HookWindow(FHandle);
  if (!FSkinFrame) FLifeState = lsActive;
}

void TWinSkinForm::Detach() {
  FFormMethod.Restore();
  Unhook();
}

void TWinSkinForm::DetachOnDestroy() {
  FFormMethod.Restore();
  Unhook();
}

void TWinSkinForm::WindowDestroyed() noexcept {
  FFormMethod.Restore();
  FLifeState = lsDestroyed;
}

// ---- Window state ---------------------------------------------------------------------------

void TWinSkinForm::ReadWindowState() {
  WINDOWPLACEMENT placement{};
  placement.length = sizeof placement;
  if (!GetWindowPlacement(FHandle, &placement)) return;
  switch (placement.showCmd) {
    case SW_SHOWMINIMIZED:
    case SW_MINIMIZE:
    case SW_SHOWMINNOACTIVE:
      FWindowState = TWindowState::Minimized;
      break;
    case SW_SHOWMAXIMIZED:
      FWindowState = TWindowState::Maximized;
      break;
    default:
      FWindowState = TWindowState::Normal;
      break;
  }
}

void TWinSkinForm::DetectMdiClient() {
  FMdiKind = TMdiKind::None;
  FMdiClient = nullptr;
  for (HWND child = GetTopWindow(FHandle); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (WindowClassName(child) == "MDIClient") {
      FMdiKind = TMdiKind::Frame;
      FMdiClient = child;
      return;
    }
  }
}

// ---- Operations the skin manager calls ------------------------------------------------------

// The frame keeps the platform's metrics, colours and region: there is nothing to recompute.
void TWinSkinForm::UpdateMetrics() {}
void TWinSkinForm::PaintFrame(HDC) {}
void TWinSkinForm::UpdateRegion() {}
void TWinSkinForm::RemoveRegion() {}
// The size grip keeps the platform's look.
void TWinSkinForm::AddSizeGrip(HWND) {}

void TWinSkinForm::Recolor() {
  // Runs from the manager's commands, outside the window's messages: a release by an event
  // handler waits until this returns.
  WindowBusyScope busy(FHandle);
  FLifeState = lsReskinning;
  AnnounceSkinned();
  FLifeState = lsActive;
}

void TWinSkinForm::Activate() {
  FActivated = 1;
  AnnounceSkinned();
  if (FLifeState != lsDestroyed) FLifeState = lsActive;
}

void TWinSkinForm::AnnounceSkinned() {
  SendMessageA(FHandle, SKM_SKINREADY, 0, kSkinMagic);
  if (FSkinData && Hooked()) FSkinData->DoAfterSkinForm(FForm, FHandle, FEventName);
}

// ---- Message handling -----------------------------------------------------------------------

void TWinSkinForm::FormWndProc(fw::TMessage& message) {
  switch (message.Msg) {
    case WM_NCDESTROY:
      FLifeState = lsDestroying;
      DetachOnDestroy();
      CallDefault(message);
      FLifeState = lsDestroyed;
      return;
    case SKM_ACTIVATE:
      Activate();
      return;
    case SKM_ISSKINNED:
      message.Result = 1;
      PostMessageA(FHandle, SKM_SKINREADY, 0, kSkinMagic);
      return;
    default:
      CallDefault(message);
      return;
  }
}

void TWinSkinForm::FormWindowMethod(fw::TMessage& message) {
  switch (message.Msg) {
    case SKM_RECOLOR:
      Recolor();
      return;
    case SKM_PAINTFRAMETO:
      if (message.LParam == kSkinMagic) {
        if (message.WParam) PaintFrame(reinterpret_cast<HDC>(message.WParam));
        message.Result = kSkinMagic;
      }
      return;
    case SKM_QUERYSKINFORM:
      message.Result = message.LParam == kSkinMagic ? kSkinMagic : 1;
      return;
    default:
      FFormMethod.CallPrevious(message);
      return;
  }
}

}  // namespace skin
