#include "skin/form/form_skinner.h"

#include <memory>
#include <utility>

#include "skin/core/skin_data.h"
#include "skin/core/skin_manage.h"
#include "skin/core/window_names.h"
#include "skin/form/skin_messages.h"

namespace skin {

using FormTable = SubclassTable<TWinSkinForm>;

namespace {
constexpr size_t kMaxClassNameLength = 100;
}  // namespace

// What the framework form's window method is while the frame is skinned. When the skinner lets
// go of a form whose window method someone replaced after it, the link keeps the previous method
// so that messages still reaching this call pass straight on.
struct WindowMethodLink {
  TWinSkinForm* skinner = nullptr;
  fw::TWndMethod previous;
};

struct FormWindowMethodCall {
  std::shared_ptr<WindowMethodLink> link;

  void operator()(fw::TMessage& message) const {
    if (TWinSkinForm* skinner = link->skinner) {
      skinner->FormWindowMethod(message);
    } else if (link->previous) {
      fw::TWndMethod previous = link->previous;
      previous(message);
    }
  }
};

const fw::ClassInfo& TWinSkinForm::StaticClass() {
  static const fw::ClassInfo info =
      fw::ClassBuilder<TWinSkinForm>("TWinSkinForm", &fw::TComponent::StaticClass()).Build();
  return info;
}

TWinSkinForm::TWinSkinForm(fw::TComponent* owner) : fw::TComponent(owner) {}

TWinSkinForm::~TWinSkinForm() {
  RestoreWindowMethod();
  Unsubclass();
  if (TSkinManage* manager = SkinManager(); manager && manager->RunState() != kRunStateDestroying)
    manager->RemoveFormSkinner(this);
}

// ---- Attaching and detaching ----------------------------------------------------------------

void TWinSkinForm::AttachForm(TSkinData* skinData, fw::TForm* form) {
  FForm = form;
  if (skinData) skinData->DoBeforeSkinForm(form, FHandle, FEventName);
  Attach(skinData);
  if (FSkinFrame && FWndProcInstance) InstallWindowMethod();
}

void TWinSkinForm::AttachWindow(TSkinData* skinData) { Attach(skinData); }

void TWinSkinForm::Attach(TSkinData* skinData) {
  if (FWndProcInstance) return;
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
    FMdiKind = kMdiChild;
    if (skinData && skinData->HasOption(xoMDIChildBorder)) FSkinFrame = 0;
  }
  FUnicode = IsWindowUnicode(FHandle) ? 1 : 0;
  FDialogClass = FClassName == "#32770" || FClassName == "TMessageForm";

  FOldWndProc = FormTable::Subclass(FHandle, this, FUnicode != 0);
  if (FOldWndProc) FWndProcInstance = &FormTable::Procedure;
  if (!FSkinFrame) FLifeState = lsActive;
}

void TWinSkinForm::Detach() {
  RestoreWindowMethod();
  Unsubclass();
}

void TWinSkinForm::DetachOnDestroy() {
  RestoreWindowMethod();
  Unsubclass();
}

void TWinSkinForm::Unsubclass() {
  if (!FWndProcInstance) return;
  FormTable::Unsubclass(FHandle);
  FWndProcInstance = nullptr;
}

void TWinSkinForm::InstallWindowMethod() {
  if (!FForm || FWindowMethodLink) return;
  FWindowMethodLink = std::make_shared<WindowMethodLink>();
  FWindowMethodLink->skinner = this;
  FOldWindowMethod = FForm->WindowProc;
  FForm->WindowProc = FormWindowMethodCall{FWindowMethodLink};
}

void TWinSkinForm::RestoreWindowMethod() {
  if (!FWindowMethodLink) return;
  std::shared_ptr<WindowMethodLink> link = std::move(FWindowMethodLink);
  fw::TWndMethod previous = std::move(FOldWindowMethod);
  FOldWindowMethod = nullptr;
  link->skinner = nullptr;
  // A form being destroyed is not touched: its window method may already be gone.
  const bool formUsable = FForm && !FForm->HasState(fw::ComponentState::Destroying);
  const auto* installed = formUsable ? FForm->WindowProc.target<FormWindowMethodCall>() : nullptr;
  if (installed && installed->link == link) {
    FForm->WindowProc = std::move(previous);
    return;
  }
  // Whoever still holds our method (a later replacement's saved copy, or the form being
  // destroyed) reaches the previous method through it from now on.
  link->previous = std::move(previous);
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
      FWindowState = kWindowMinimized;
      break;
    case SW_SHOWMAXIMIZED:
      FWindowState = kWindowMaximized;
      break;
    default:
      FWindowState = kWindowNormal;
      break;
  }
}

void TWinSkinForm::DetectMdiClient() {
  FMdiKind = kMdiNone;
  FMdiClient = nullptr;
  for (HWND child = GetTopWindow(FHandle); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (WindowClassName(child) == "MDIClient") {
      FMdiKind = kMdiFrame;
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
  FLifeState = lsReskinning;
  const LifeWatch life = FLife.Watch();
  SendMessageA(FHandle, SKM_SKINREADY, 0, kSkinMagic);
  if (life.ObjectGone()) return;
  if (FSkinData) FSkinData->DoAfterSkinForm(FForm, FHandle, FEventName);
  FLifeState = lsActive;
}

void TWinSkinForm::Activate() {
  FActivated = 1;
  const LifeWatch life = FLife.Watch();
  SendMessageA(FHandle, SKM_SKINREADY, 0, kSkinMagic);
  if (life.ObjectGone()) return;
  if (FSkinData) FSkinData->DoAfterSkinForm(FForm, FHandle, FEventName);
  if (life.ObjectGone()) return;
  FLifeState = lsActive;
}

// ---- Message handling -----------------------------------------------------------------------

bool TWinSkinForm::CallDefault(fw::TMessage& message) {
  const LifeWatch life = FLife.Watch();
  ++FPassedOn;
  message.Result =
      CallSavedWindowProc(FOldWndProc, FUnicode != 0, FHandle, message.Msg, message.WParam, message.LParam);
  return !life.ObjectGone();
}

void TWinSkinForm::FormWndProc(fw::TMessage& message) {
  switch (message.Msg) {
    case WM_NCDESTROY:
      FLifeState = lsDestroying;
      DetachOnDestroy();
      if (CallDefault(message)) FLifeState = lsDestroyed;
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
      break;
  }
  // A copy: the method may be put back on the form while it runs.
  fw::TWndMethod previous = FOldWindowMethod;
  if (previous) previous(message);
}

LRESULT TWinSkinForm::DispatchWindowMessage(UINT msg, WPARAM wParam, LPARAM lParam) noexcept {
  fw::TMessage message{msg, wParam, lParam, 0};
  const WNDPROC previous = FOldWndProc;
  const bool unicode = FUnicode != 0;
  const HWND window = FHandle;
  const LifeWatch life = FLife.Watch();
  const uint32_t passedOn = FPassedOn;
  try {
    FormWndProc(message);
  } catch (...) {
    // Failures of skinning are silent, but the window still gets its message.
    if (!life.ObjectGone() && FPassedOn == passedOn)
      message.Result = CallSavedWindowProc(previous, unicode, window, msg, wParam, lParam);
  }
  return message.Result;
}

}  // namespace skin
