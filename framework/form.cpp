#include "framework/form.h"

#include <algorithm>
#include <cctype>

#include "framework/application.h"
#include "framework/form_reader.h"
#include "framework/menus.h"
#include "framework/screen.h"
#include "framework/stdctrls.h"

namespace fw {

const EnumType kFormBorderStyleType{"TFormBorderStyle",
                                    {"bsNone", "bsSingle", "bsSizeable", "bsDialog", "bsToolWindow", "bsSizeToolWin"}};
const EnumType kPositionType{
    "TPosition",
    {"poDesigned", "poDefault", "poDefaultPosOnly", "poDefaultSizeOnly", "poScreenCenter", "poDesktopCenter"}};

// ---- TIcon ----------------------------------------------------------------------------------

const ClassInfo& TIcon::StaticClass() {
  static const ClassInfo info = ClassBuilder<TIcon>("TIcon", &TPersistent::StaticClass())
                                    .String("ResourceName", &TIcon::ResourceName, &TIcon::SetResourceName)
                                    .Build();
  return info;
}

void TIcon::SetResourceName(const std::string& name) {
  resourceName_ = name;
  big_.reset();
  small_.reset();
}

HICON TIcon::Handle(int size) const {
  if (resourceName_.empty()) return nullptr;
  UniqueIcon& slot = size <= GetSystemMetrics(SM_CXSMICON) ? small_ : big_;
  if (!slot)
    slot.reset(static_cast<HICON>(
        LoadImageA(GetModuleHandleA(nullptr), resourceName_.c_str(), IMAGE_ICON, size, size, LR_DEFAULTCOLOR)));
  return slot.get();
}

// ---- TForm ----------------------------------------------------------------------------------

const ClassInfo& TCustomForm::StaticClass() {
  static const ClassInfo info = ClassBuilder<TCustomForm>("TCustomForm", &TWinControl::StaticClass()).Build();
  return info;
}

const ClassInfo& TForm::StaticClass() {
  static const ClassInfo info =
      ClassBuilder<TForm>("TForm", &TCustomForm::StaticClass())
          .Creatable()
          .Enumeration("BorderStyle", kFormBorderStyleType, &TForm::BorderStyle, &TForm::SetBorderStyle)
          .Integer("ClientHeight", &TForm::ClientHeight, &TForm::SetClientHeight)
          .Integer("ClientWidth", &TForm::ClientWidth, &TForm::SetClientWidth)
          .SubObject("Icon", TIcon::StaticClass(), &TForm::Icon)
          .Reference<TMainMenu>("Menu", &TForm::Menu, &TForm::SetMenu)
          .Enumeration("Position", kPositionType, &TForm::Position, &TForm::SetPosition)
          .Event("OnCreate", &TForm::OnCreate)
          .Event("OnDestroy", &TForm::OnDestroy)
          .Event("OnResize", &TForm::OnResize)
          .Build();
  return info;
}

TForm::TForm(TComponent* owner) : TCustomForm(owner), icon_(std::make_unique<TIcon>()) {
  Screen().AddForm(this);
  ownPainting_ = true;
  SetVisible(false);
  SetColor(clBtnFace);
  SetParentFont(false);
}

TForm::~TForm() {
  Screen().RemoveForm(this);
  DestroyHandle();
  if (menu_) menu_->SetWindowHandle(nullptr);
}

void TForm::Notification(TComponent* component) {
  TWinControl::Notification(component);
  // The menu took its bar off the window as it went.
  if (component == menu_) menu_ = nullptr;
}

void TForm::SetMenu(TMainMenu* menu) {
  if (menu_ == menu) return;
  if (menu_) menu_->SetWindowHandle(nullptr);
  menu_ = menu;
  FreeNotification(menu_);
  if (!HandleAllocated()) return;
  HWND handle = Handle();
  ::SetMenu(handle, menu_ ? menu_->Handle() : nullptr);
  if (menu_) menu_->SetWindowHandle(handle);
}

void TForm::BeforeDestruction() {
  // OnDestroy runs while the window and every control still exist.
  MarkDestroying();
  FireNotify(OnDestroy, this);
}

void TForm::LoadDescription(std::string_view description) {
  ReadComponent(*this, description);
  FireNotify(OnCreate, this);
}

std::string TForm::ResourceText(const char* name) {
  HMODULE module = GetModuleHandleA(nullptr);
  HRSRC found = FindResourceA(module, name, MAKEINTRESOURCEA(10) /* RT_RCDATA */);
  HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
  const void* data = loaded ? LockResource(loaded) : nullptr;
  if (!data) throw EReadError(std::string("Resource ") + name + " not found");
  return std::string(static_cast<const char*>(data), SizeofResource(module, found));
}

int TForm::ClientWidth() const { return HandleAllocated() ? TWinControl::ClientRect().right : clientWidth_; }
int TForm::ClientHeight() const { return HandleAllocated() ? TWinControl::ClientRect().bottom : clientHeight_; }

RECT TForm::ClientRect() const {
  if (HandleAllocated()) return TWinControl::ClientRect();
  return {0, 0, clientWidth_, clientHeight_};
}

void TForm::SetClientWidth(int value) {
  clientWidth_ = value;
  if (HandleAllocated()) {
    RECT r{0, 0, value, ClientHeight()};
    AdjustWindowRectEx(&r, GetWindowLongA(Handle(), GWL_STYLE), GetMenu(Handle()) != nullptr,
                       GetWindowLongA(Handle(), GWL_EXSTYLE));
    SetWidth(r.right - r.left);
  }
}

void TForm::SetClientHeight(int value) {
  clientHeight_ = value;
  if (HandleAllocated()) {
    RECT r{0, 0, ClientWidth(), value};
    AdjustWindowRectEx(&r, GetWindowLongA(Handle(), GWL_STYLE), GetMenu(Handle()) != nullptr,
                       GetWindowLongA(Handle(), GWL_EXSTYLE));
    SetHeight(r.bottom - r.top);
  }
}

void TForm::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.parent = nullptr;
  params.style = WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
  params.exStyle = 0;
  switch (borderStyle_) {
    case TFormBorderStyle::bsNone:
      params.style |= WS_POPUP;
      break;
    case TFormBorderStyle::bsSingle:
      params.style |= WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;
      break;
    case TFormBorderStyle::bsSizeable:
      params.style |= WS_OVERLAPPEDWINDOW;
      break;
    case TFormBorderStyle::bsDialog:
      params.style |= WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
      params.exStyle |= WS_EX_DLGMODALFRAME;
      break;
    case TFormBorderStyle::bsToolWindow:
      params.style |= WS_CAPTION | WS_SYSMENU;
      params.exStyle |= WS_EX_TOOLWINDOW;
      break;
    case TFormBorderStyle::bsSizeToolWin:
      params.style |= WS_CAPTION | WS_SYSMENU | WS_THICKFRAME;
      params.exStyle |= WS_EX_TOOLWINDOW;
      break;
  }
  // The stored client size decides the outer size.
  if (clientWidth_ > 0 && clientHeight_ > 0) {
    RECT r{0, 0, clientWidth_, clientHeight_};
    AdjustWindowRectEx(&r, params.style, menu_ != nullptr, params.exStyle);
    params.width = r.right - r.left;
    params.height = r.bottom - r.top;
  }
  if (position_ == TPosition::poScreenCenter || position_ == TPosition::poDesktopCenter) {
    params.x = (GetSystemMetrics(SM_CXSCREEN) - params.width) / 2;
    params.y = (GetSystemMetrics(SM_CYSCREEN) - params.height) / 2;
  }
  params.style &= ~WS_VISIBLE;
}

void TForm::InitializeWindow() {
  HWND handle = Handle();
  if (menu_) {
    ::SetMenu(handle, menu_->Handle());
    menu_->SetWindowHandle(handle);
  }
  if (HICON big = icon_->Handle(GetSystemMetrics(SM_CXICON)))
    SendMessageA(handle, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big));
  if (HICON small = icon_->Handle(GetSystemMetrics(SM_CXSMICON)))
    SendMessageA(handle, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small));
  RECT r;
  GetWindowRect(handle, &r);
  // Record the real bounds without moving the window again.
  TControl::SetBounds(r.left, r.top, r.right - r.left, r.bottom - r.top);
}

void TForm::Show() {
  HWND handle = Handle();
  SetVisible(true);
  ShowWindow(handle, SW_SHOW);
  if (!shownOnce_) {
    shownOnce_ = true;
    std::vector<TWinControl*> list;
    GetTabOrderList(list);
    for (TWinControl* c : list) {
      if (c->TabStop() && c->CanFocus()) {
        activeControl_ = c;
        break;
      }
    }
    if (activeControl_) activeControl_->SetFocus();
  }
}

void TForm::Close() {
  if (Application && Application->MainForm() == this) {
    Application->Terminate();
  } else {
    Hide();
  }
}

void TForm::SelectNext(bool forward) {
  std::vector<TWinControl*> list;
  GetTabOrderList(list);
  std::vector<TWinControl*> candidates;
  for (TWinControl* c : list)
    if (c->TabStop() && c->CanFocus()) candidates.push_back(c);
  if (candidates.empty()) return;
  HWND focus = GetFocus();
  auto current = std::find_if(candidates.begin(), candidates.end(),
                              [focus](TWinControl* c) { return c->HandleAllocated() && c->Handle() == focus; });
  size_t index = 0;
  if (current != candidates.end()) {
    size_t at = static_cast<size_t>(current - candidates.begin());
    index = forward ? (at + 1) % candidates.size() : (at + candidates.size() - 1) % candidates.size();
  }
  candidates[index]->SetFocus();
}

namespace {
// The accelerator of a caption: the character after a single '&'.
char AcceleratorOf(const std::string& caption) {
  for (size_t i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != '&') continue;
    if (caption[i + 1] == '&') {
      ++i;
      continue;
    }
    return static_cast<char>(std::toupper(static_cast<unsigned char>(caption[i + 1])));
  }
  return 0;
}
}  // namespace

bool TForm::DialogChar(char key) {
  char wanted = static_cast<char>(std::toupper(static_cast<unsigned char>(key)));
  std::vector<TWinControl*> list;
  GetTabOrderList(list);
  for (TWinControl* c : list) {
    if (c->CanFocus() && AcceleratorOf(c->Caption()) == wanted && c->OnClick.Assigned()) {
      c->SetFocus();
      c->Click();
      return true;
    }
  }
  return false;
}

bool TForm::DialogKey(WPARAM key, HWND target) {
  if (key != VK_RETURN && key != VK_ESCAPE) return false;
  MSG keyMessage{target, WM_KEYDOWN, key, 0, 0, {}};
  if (target && (SendMessageA(target, WM_GETDLGCODE, key, reinterpret_cast<LPARAM>(&keyMessage)) &
                 (DLGC_WANTALLKEYS | DLGC_WANTMESSAGE)))
    return false;
  if (auto* focused = dynamic_cast<TButton*>(FindControl(target)); focused && key == VK_RETURN) {
    focused->Click();
    return true;
  }
  std::vector<TWinControl*> list;
  GetTabOrderList(list);
  for (TWinControl* c : list) {
    auto* button = dynamic_cast<TButton*>(c);
    if (button && button->CanFocus() && (key == VK_RETURN ? button->Default() : button->Cancel())) {
      button->Click();
      return true;
    }
  }
  return false;
}

void TForm::WndProc(TMessage& message) {
  switch (message.Msg) {
    case WM_CLOSE:
      Close();
      return;
    case WM_COMMAND:
      // A menu command (not a control's notification, not an accelerator).
      if (message.LParam == 0 && HIWORD(message.WParam) == 0 && menu_ && menu_->DispatchCommand(LOWORD(message.WParam)))
        return;
      break;
    case WM_MEASUREITEM:
    case WM_DRAWITEM:
      if (DispatchMenuOwnerDraw(message)) return;
      break;
    case WM_DESTROY:
      // The menu belongs to its TMainMenu: the window must not destroy it with itself.
      if (menu_) ::SetMenu(Handle(), nullptr);
      break;
    case WM_SIZE:
      TWinControl::WndProc(message);
      Resize();
      return;
    case WM_SETFOCUS:
      if (activeControl_ && activeControl_->HandleAllocated() && activeControl_->CanFocus()) {
        activeControl_->SetFocus();
        return;
      }
      break;
    case WM_ACTIVATE:
      if (LOWORD(message.WParam) == WA_INACTIVE) {
        if (TWinControl* focused = FindControl(GetFocus()); focused && focused != this) activeControl_ = focused;
      }
      break;
    default:
      break;
  }
  TWinControl::WndProc(message);
}

}  // namespace fw
