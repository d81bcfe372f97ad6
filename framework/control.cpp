#include "framework/control.h"

#include <algorithm>
#include <cstdio>
#include <map>
#include <stdexcept>
#include <unordered_map>

#include "framework/application.h"
#include "framework/menus.h"
#include "framework/message_loop_call.h"

namespace fw {

const EnumType kAlignType{"TAlign", {"alNone", "alTop", "alBottom", "alLeft", "alRight", "alClient"}};
const EnumType kBiDiModeType{"TBiDiMode",
                             {"bdLeftToRight", "bdRightToLeft", "bdRightToLeftNoAlign", "bdRightToLeftReadingOnly"}};
const EnumType kAnchorKindType{"TAnchorKind", {"akLeft", "akTop", "akRight", "akBottom"}};

// ---- The framework's window tag -------------------------------------------------------------

namespace {

struct ControlTag {
  UniqueGlobalAtom atom;
  UINT message = 0;
};

const ControlTag& Tag() {
  static const ControlTag tag = [] {
    char text[64];
    // At least 8 digits each: the module handle keeps all its digits in a 64-bit process.
    std::snprintf(text, sizeof text, "ControlOfs%.8llX%.8lX",
                  static_cast<unsigned long long>(reinterpret_cast<uintptr_t>(GetModuleHandleA(nullptr))),
                  static_cast<unsigned long>(GetCurrentThreadId()));
    ControlTag t;
    t.atom.reset(GlobalAddAtomA(text));
    t.message = RegisterWindowMessageA(text);
    return t;
  }();
  return tag;
}

// The control whose window is being created on this thread: its first message tags the window.
thread_local TWinControl* t_creatingControl = nullptr;

// The control under the mouse, for CM_MOUSEENTER and CM_MOUSELEAVE.
TControl* g_mouseControl = nullptr;

void SetMouseControl(TControl* control) {
  if (control == g_mouseControl) return;
  TControl* old = g_mouseControl;
  g_mouseControl = control;
  if (old) old->Perform(CM_MOUSELEAVE);
  if (control) control->Perform(CM_MOUSEENTER);
}

// Default window procedures of the native classes that framework classes are built on.
std::map<std::string, WNDPROC>& DefaultProcs() {
  static std::map<std::string, WNDPROC> procs;
  return procs;
}

// What a native window needs of a reading order: right-to-left reading, the scroll bar on the left
// and, for the full mode, right alignment.
DWORD BiDiExStyle(TBiDiMode mode) {
  switch (mode) {
    case TBiDiMode::bdRightToLeft:
      return WS_EX_RTLREADING | WS_EX_LEFTSCROLLBAR | WS_EX_RIGHT;
    case TBiDiMode::bdRightToLeftNoAlign:
      return WS_EX_RTLREADING | WS_EX_LEFTSCROLLBAR;
    case TBiDiMode::bdRightToLeftReadingOnly:
      return WS_EX_RTLREADING;
    default:
      return 0;
  }
}

// The controls of the framework windows this thread made: the same pairs as the windows' control
// property (set and removed together with it), looked up without asking the system for the
// property, which the window procedure would otherwise do for every message.
std::unordered_map<HWND, TWinControl*>& ControlsOfWindows() {
  thread_local std::unordered_map<HWND, TWinControl*> controls;
  return controls;
}

void ForgetControlOf(HWND window) { ControlsOfWindows().erase(window); }

POINT PointFromLParam(LPARAM lParam) {
  return {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
}

}  // namespace

ATOM ControlAtom() { return Tag().atom.get(); }
UINT ControlMessage() { return Tag().message; }

TWinControl* FindControl(HWND window) {
  if (!window) return nullptr;
  const auto& controls = ControlsOfWindows();
  if (const auto found = controls.find(window); found != controls.end()) return found->second;
  // Another thread's window, or none of the framework's.
  return static_cast<TWinControl*>(GetPropA(window, MAKEINTATOM(ControlAtom())));
}

// ---- TControl -------------------------------------------------------------------------------

const ClassInfo& TControl::StaticClass() {
  static const ClassInfo info = ClassBuilder<TControl>("TControl", &TComponent::StaticClass())
                                    .Integer("Left", &TControl::Left, &TControl::SetLeft)
                                    .Integer("Top", &TControl::Top, &TControl::SetTop)
                                    .Integer("Width", &TControl::Width, &TControl::SetWidth)
                                    .Integer("Height", &TControl::Height, &TControl::SetHeight)
                                    .Enumeration("Align", kAlignType, &TControl::Align, &TControl::SetAlign)
                                    .Set("Anchors", kAnchorKindType, &TControl::Anchors, &TControl::SetAnchors)
                                    .String("Caption", &TControl::Caption, &TControl::SetCaption)
                                    .Integer("Color", &TControl::Color, &TControl::SetColor, &kColorIdents)
                                    .Integer("Cursor", &TControl::Cursor, &TControl::SetCursor, &kCursorIdents)
                                    .Boolean("Enabled", &TControl::Enabled, &TControl::SetEnabled)
                                    .SubObject("Font", TFont::StaticClass(), &TControl::Font)
                                    .String("Hint", &TControl::Hint, &TControl::SetHint)
                                    .Enumeration("BiDiMode", kBiDiModeType, &TControl::BiDiMode, &TControl::SetBiDiMode)
                                    .Boolean("ParentColor", &TControl::ParentColor, &TControl::SetParentColor)
                                    .Boolean("ParentFont", &TControl::ParentFont, &TControl::SetParentFont)
                                    .Reference<TPopupMenu>("PopupMenu", &TControl::PopupMenu, &TControl::SetPopupMenu)
                                    .Boolean("Visible", &TControl::Visible, &TControl::SetVisible)
                                    .Event("OnClick", &TControl::OnClick)
                                    .Event("OnDblClick", &TControl::OnDblClick)
                                    .Event("OnMouseEnter", &TControl::OnMouseEnter)
                                    .Event("OnMouseLeave", &TControl::OnMouseLeave)
                                    .Event("OnMouseDown", &TControl::OnMouseDown, kMouseEventSignature)
                                    .Build();
  return info;
}

TControl::TControl(TComponent* owner) : TComponent(owner), font_(std::make_unique<TFont>()) {
  WindowProc = [this](TMessage& message) { WndProc(message); };
  font_->OnChange = [this] { FontChanged(); };
}

TControl::~TControl() {
  if (g_mouseControl == this) g_mouseControl = nullptr;
  if (parent_) parent_->RemoveControl(this);
}

LRESULT TControl::Perform(UINT msg, WPARAM wParam, LPARAM lParam) {
  TMessage message{msg, wParam, lParam, 0};
  WindowProc(message);
  return message.Result;
}

void TControl::WndProc(TMessage& message) {
  switch (message.Msg) {
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN: {
      if (message.Msg == WM_LBUTTONDOWN) clicking_ = true;
      const TMouseButton button = message.Msg == WM_LBUTTONDOWN   ? TMouseButton::mbLeft
                                  : message.Msg == WM_RBUTTONDOWN ? TMouseButton::mbRight
                                                                  : TMouseButton::mbMiddle;
      const POINT p = PointFromLParam(message.LParam);
      MouseDown(button, static_cast<TShiftState>(message.WParam), p.x, p.y);
      break;
    }
    case WM_LBUTTONUP:
      if (clicking_) {
        clicking_ = false;
        POINT p = PointFromLParam(message.LParam);
        RECT client = ClientRect();
        // A native button clicks from its own handling: the click's handler may free this control.
        const TLifeToken life = LifeToken();
        DefaultHandler(message);
        if (life.Alive() && PtInRect(&client, p) && !dynamic_cast<TWinControl*>(this)) Click();
        return;
      }
      break;
    case WM_LBUTTONDBLCLK:
      if (!dynamic_cast<TWinControl*>(this)) {
        DblClick();
        return;
      }
      break;
    case CM_MOUSEENTER:
      FireNotify(OnMouseEnter, this);
      return;
    case CM_MOUSELEAVE:
      FireNotify(OnMouseLeave, this);
      return;
    case CM_PARENTFONTCHANGED:
      if (parentFont_ && parent_) {
        font_->Assign(*parent_->Font());
        parentFont_ = true;
      }
      return;
    case CM_PARENTCOLORCHANGED:
      if (parentColor_ && parent_) {
        color_ = parent_->Color();
        ColorChanged();
      }
      return;
    default:
      break;
  }
  DefaultHandler(message);
}

void TControl::Click() { FireNotify(OnClick, this); }
void TControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  const auto* handler = OnMouseDown.As<void(TObject*, TMouseButton, TShiftState, int, int)>();
  if (!handler || !*handler) return;
  const TMouseEvent run = *handler;  // a copy: the handler may free the control
  run(this, button, shift, x, y);
}

void TControl::DblClick() { FireNotify(OnDblClick, this); }

void TControl::SetBounds(int left, int top, int width, int height) {
  width = std::max(width, 0);
  height = std::max(height, 0);
  if (left == left_ && top == top_ && width == width_ && height == height_) return;
  if (parent_ && !dynamic_cast<TWinControl*>(this)) Invalidate();  // the old area
  left_ = left;
  top_ = top;
  width_ = width;
  height_ = height;
  if (!anchoring_) UpdateAnchorOrigin();
  BoundsChanged();
  Invalidate();
  if (align_ != TAlign::alNone) RequestParentAlign();
  if (parent_) parent_->ChildBoundsChanged();
}

void TControl::UpdateAnchorOrigin() {
  if (!parent_) {
    anchorOrigin_.valid = false;
    return;
  }
  anchorOrigin_.bounds = BoundsRect();
  anchorOrigin_.parentWidth = parent_->ClientWidth();
  anchorOrigin_.parentHeight = parent_->ClientHeight();
  anchorOrigin_.valid = true;
}

void TControl::ApplyAnchors(int parentWidth, int parentHeight) {
  if (align_ != TAlign::alNone || !anchorOrigin_.valid) return;
  const RECT& o = anchorOrigin_.bounds;
  int dx = parentWidth - anchorOrigin_.parentWidth;
  int dy = parentHeight - anchorOrigin_.parentHeight;
  auto has = [this](TAnchorKind k) { return (anchors_ & (1u << k)) != 0; };
  int left = o.left, width = o.right - o.left, top = o.top, height = o.bottom - o.top;
  if (has(akLeft) && has(akRight))
    width += dx;
  else if (has(akRight))
    left += dx;
  else if (!has(akLeft))
    left += dx / 2;
  if (has(akTop) && has(akBottom))
    height += dy;
  else if (has(akBottom))
    top += dy;
  else if (!has(akTop))
    top += dy / 2;
  anchoring_ = true;
  SetBounds(left, top, width, height);
  anchoring_ = false;
}

void TControl::RequestParentAlign() {
  if (parent_) parent_->AlignControls();
}

void TControl::SetParent(TWinControl* parent) {
  if (parent == parent_) return;
  if (parent_) parent_->RemoveControl(this);
  parent_ = parent;
  if (!parent_) return;
  parent_->InsertControl(this);
  if (parentFont_) {
    font_->Assign(*parent_->Font());
    parentFont_ = true;
  }
  if (parentColor_) {
    color_ = parent_->Color();
    ColorChanged();
  }
  UpdateAnchorOrigin();
  Invalidate();
}

TComponent* TControl::GetParentComponent() const { return parent_; }

void TControl::SetPopupMenu(TPopupMenu* menu) {
  popupMenu_ = menu;
  FreeNotification(menu);
}

void TControl::Notification(TComponent* component) {
  TComponent::Notification(component);
  if (component == popupMenu_) popupMenu_ = nullptr;
}

void TControl::SetParentComponent(TComponent* parent) {
  if (auto* windowed = dynamic_cast<TWinControl*>(parent)) SetParent(windowed);
}

void TControl::SetAlign(TAlign align) {
  if (align_ == align) return;
  align_ = align;
  RequestParentAlign();
}

void TControl::SetAnchors(TAnchors anchors) {
  anchors_ = anchors;
  UpdateAnchorOrigin();
}

void TControl::SetVisible(bool visible) {
  if (visible_ == visible) return;
  visible_ = visible;
  Invalidate();
  RequestParentAlign();
  if (parent_) parent_->ChildBoundsChanged();
}

void TControl::SetEnabled(bool enabled) {
  if (enabled_ == enabled) return;
  enabled_ = enabled;
  Invalidate();
}

void TControl::SetBiDiMode(TBiDiMode mode) {
  if (biDiMode_ == mode) return;
  biDiMode_ = mode;
  Invalidate();
}

void TControl::SetCaption(const std::string& text) {
  if (text_ == text) return;
  text_ = text;
  Perform(CM_TEXTCHANGED);
  Invalidate();
}

void TControl::SetColor(TColor color) {
  parentColor_ = false;
  if (color_ == color) return;
  color_ = color;
  ColorChanged();
}

void TControl::SetParentColor(bool value) {
  parentColor_ = value;
  if (value && parent_) {
    color_ = parent_->Color();
    ColorChanged();
  }
}

void TControl::SetParentFont(bool value) {
  parentFont_ = value;
  if (value && parent_) {
    font_->Assign(*parent_->Font());
    parentFont_ = true;
  }
}

void TControl::FontChanged() {
  // A font set on the control itself ends inheritance; an inherited one resets the flag after.
  parentFont_ = false;
  Invalidate();
}

void TControl::ColorChanged() { Invalidate(); }

void TControl::Invalidate() {}

POINT TControl::ClientToScreen(POINT point) const {
  for (const TControl* c = this; c; c = c->parent_) {
    if (auto* windowed = dynamic_cast<const TWinControl*>(c); windowed && windowed->HandleAllocated()) {
      POINT p = point;
      ::ClientToScreen(const_cast<TWinControl*>(windowed)->Handle(), &p);
      return p;
    }
    point.x += c->left_;
    point.y += c->top_;
  }
  return point;
}

// ---- TGraphicControl ------------------------------------------------------------------------

const ClassInfo& TGraphicControl::StaticClass() {
  static const ClassInfo info = ClassBuilder<TGraphicControl>("TGraphicControl", &TControl::StaticClass()).Build();
  return info;
}

TGraphicControl::TGraphicControl(TComponent* owner) : TControl(owner) {}

void TGraphicControl::WndProc(TMessage& message) {
  if (message.Msg == WM_PAINT && message.WParam) {
    Paint(reinterpret_cast<HDC>(message.WParam));
    return;
  }
  TControl::WndProc(message);
}

void TGraphicControl::Invalidate() {
  TWinControl* parent = Parent();
  if (parent && parent->HandleAllocated() && Visible()) {
    RECT r = BoundsRect();
    InvalidateRect(parent->Handle(), &r, FALSE);
  }
}

// ---- TWinControl ----------------------------------------------------------------------------

const ClassInfo& TWinControl::StaticClass() {
  static const ClassInfo info = ClassBuilder<TWinControl>("TWinControl", &TControl::StaticClass())
                                    .Integer("TabOrder", &TWinControl::TabOrder, &TWinControl::SetTabOrder)
                                    .Boolean("TabStop", &TWinControl::TabStop, &TWinControl::SetTabStop)
                                    .Build();
  return info;
}

TWinControl::TWinControl(TComponent* owner) : TControl(owner) {}

void TWinControl::Loaded() {
  TControl::Loaded();
  if (alignPending_) AlignControls();
}

TWinControl::~TWinControl() {
  const HWND window = handle_;
  DestroyHandle();
  // A window that outlived DestroyWindow no longer leads to this control.
  if (window && FindControl(window) == this) ForgetControlOf(window);
  for (TControl* child : controls_) child->parent_ = nullptr;
  controls_.clear();
  tabList_.clear();
  if (t_creatingControl == this) t_creatingControl = nullptr;
}

HWND TWinControl::Handle() {
  if (!handle_) CreateWnd();
  return handle_;
}

void TWinControl::DestroyHandle() {
  if (handle_) DestroyWindow(handle_);
  handle_ = nullptr;
}

void TWinControl::CreateParams(TCreateParams& params) {
  params.caption = text_;
  params.style = WS_CHILD | WS_CLIPSIBLINGS;
  if (Visible()) params.style |= WS_VISIBLE;
  if (!Enabled()) params.style |= WS_DISABLED;
  if (tabStop_) params.style |= WS_TABSTOP;
  params.exStyle |= BiDiExStyle(BiDiMode());
  params.x = Left();
  params.y = Top();
  params.width = Width();
  params.height = Height();
  if (Parent()) params.parent = Parent()->Handle();
  params.className = ClassName();
}

void TWinControl::CreateWnd() {
  TCreateParams params;
  CreateParams(params);
  if (!params.parent && (params.style & WS_CHILD))
    throw std::runtime_error("Control '" + Name() + "' has no parent window");

  HINSTANCE instance = GetModuleHandleA(nullptr);
  WNDCLASSA existing{};
  if (!GetClassInfoA(instance, params.className.c_str(), &existing)) {
    WNDCLASSA wc{};
    WNDPROC defaultProc = DefWindowProcA;
    if (!params.superclassOf.empty()) {
      if (!GetClassInfoA(nullptr, params.superclassOf.c_str(), &wc))
        throw std::runtime_error("Window class " + params.superclassOf + " is not available");
      defaultProc = wc.lpfnWndProc;
    } else {
      wc.style = params.classStyle;
      wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    }
    wc.lpfnWndProc = StandardWindowProc;
    wc.hInstance = instance;
    wc.lpszClassName = params.className.c_str();
    // A native class keeps its background brush (tab controls and tool bars erase with it); the
    // framework paints its own classes.
    if (params.superclassOf.empty()) wc.hbrBackground = nullptr;
    if (!RegisterClassA(&wc)) throw std::runtime_error("Cannot register window class " + params.className);
    DefaultProcs()[params.className] = defaultProc;
  }
  defaultProc_ = DefaultProcs()[params.className];

  CreateWindowHandle(params);
  if (!handle_) throw std::runtime_error("Error creating window for '" + Name() + "'");
  UpdateWindowFont();
  InitializeWindow();
  for (TControl* child : controls_)
    if (auto* windowed = dynamic_cast<TWinControl*>(child)) windowed->HandleNeeded();
  AlignControls();
}

void TWinControl::CreateWindowHandle(const TCreateParams& params) {
  TWinControl* previous = t_creatingControl;
  t_creatingControl = this;
  HWND window = CreateWindowExA(params.exStyle, params.className.c_str(), params.caption.c_str(), params.style,
                                params.x, params.y, params.width, params.height, params.parent, nullptr,
                                GetModuleHandleA(nullptr), nullptr);
  t_creatingControl = previous;
  if (window) handle_ = window;
}

LRESULT CALLBACK TWinControl::StandardWindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  TWinControl* control = FindControl(window);
  if (!control) {
    control = t_creatingControl;
    if (!control) {
      char name[128] = {};
      GetClassNameA(window, name, sizeof name);
      auto it = DefaultProcs().find(name);
      WNDPROC proc = it != DefaultProcs().end() ? it->second : DefWindowProcA;
      return CallWindowProcA(proc, window, msg, wParam, lParam);
    }
    t_creatingControl = nullptr;
    control->handle_ = window;
    control->defaultProc_ = DefaultProcs()[control->ClassName()];
    SetPropA(window, MAKEINTATOM(ControlAtom()), control);
    ControlsOfWindows()[window] = control;
  }

  TMessage message{msg, wParam, lParam, 0};
  // Any message may end in a handler that frees the control (a button's click frees the button).
  const TLifeToken life = control->LifeToken();
  if (msg == ControlMessage()) {
    message.Result = reinterpret_cast<LRESULT>(control);
  } else {
    // Exceptions never cross the window procedure: the application reports them from the message
    // loop, once this message has returned.
    try {
      control->WindowProc(message);
    } catch (const std::exception& e) {
      CallFromMessageLoop([text = std::string(e.what())] { HandleException(text); });
    } catch (...) {
      CallFromMessageLoop([] { HandleException("Unknown error"); });
    }
  }
  if (msg == WM_NCDESTROY) {
    RemovePropA(window, MAKEINTATOM(ControlAtom()));
    ForgetControlOf(window);
    if (life.Alive()) {
      if (control->handle_ == window) control->handle_ = nullptr;
      if (control->captureControl_) control->captureControl_ = nullptr;
    }
  }
  return message.Result;
}

void TWinControl::DefaultHandler(TMessage& message) {
  if (handle_ && defaultProc_)
    message.Result = CallWindowProcA(defaultProc_, handle_, message.Msg, message.WParam, message.LParam);
}

void TWinControl::ReflectToChild(TMessage& message, HWND child) {
  TWinControl* control = child ? FindControl(child) : nullptr;
  if (control && control != this) {
    message.Result = control->Perform(CN_BASE + message.Msg, message.WParam, message.LParam);
    // A control with no colours of its own gets the system's, not a null brush (painted black).
    const bool colourQuery = message.Msg >= WM_CTLCOLORMSGBOX && message.Msg <= WM_CTLCOLORSTATIC;
    if (colourQuery && message.Result == 0) DefaultHandler(message);
  } else {
    DefaultHandler(message);
  }
}

void TWinControl::WndProc(TMessage& message) {
  switch (message.Msg) {
    case WM_COMMAND:
      if (message.LParam) {
        ReflectToChild(message, reinterpret_cast<HWND>(message.LParam));
        return;
      }
      break;
    case WM_NOTIFY:
      ReflectToChild(message, reinterpret_cast<NMHDR*>(message.LParam)->hwndFrom);
      return;
    case WM_HSCROLL:
    case WM_VSCROLL:
      // From a scroll bar control (lParam); the window's own bars come with lParam 0.
      if (message.LParam) {
        ReflectToChild(message, reinterpret_cast<HWND>(message.LParam));
        return;
      }
      break;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSCROLLBAR:
      ReflectToChild(message, reinterpret_cast<HWND>(message.LParam));
      return;
    case WM_DRAWITEM: {
      auto* item = reinterpret_cast<DRAWITEMSTRUCT*>(message.LParam);
      if (item->CtlType != ODT_MENU) {
        ReflectToChild(message, item->hwndItem);
        return;
      }
      break;
    }
    case WM_ERASEBKGND:
      if (ownPainting_) {
        // Our own erase is part of the double-buffered paint. A transparent child (a flat tool
        // bar) asks with its own DC, its origin moved to ours: it gets our background.
        const auto dc = reinterpret_cast<HDC>(message.WParam);
        if (WindowFromDC(dc) != handle_) PaintWindow(dc);
        message.Result = 1;
        return;
      }
      break;
    case WM_PAINT:
      if (ownPainting_) {
        PaintHandler(message);
        return;
      }
      break;
    case WM_PRINTCLIENT:
      if (ownPainting_) {
        PaintWindow(reinterpret_cast<HDC>(message.WParam));
        return;
      }
      break;
    case WM_SIZE:
      DefaultHandler(message);
      AlignControls();
      return;
    case WM_WINDOWPOSCHANGED: {
      auto* pos = reinterpret_cast<WINDOWPOS*>(message.LParam);
      if ((pos->flags & (SWP_NOSIZE | SWP_NOMOVE)) != (SWP_NOSIZE | SWP_NOMOVE)) {
        RECT r;
        GetWindowRect(handle_, &r);
        if (HWND parent = GetParent(handle_); parent && (GetWindowLongA(handle_, GWL_STYLE) & WS_CHILD))
          MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
        left_ = r.left;
        top_ = r.top;
        width_ = r.right - r.left;
        height_ = r.bottom - r.top;
      }
      break;
    }
    case WM_SETCURSOR:
      if (LOWORD(message.LParam) == HTCLIENT && reinterpret_cast<HWND>(message.WParam) == handle_) {
        POINT p;
        GetCursorPos(&p);
        ScreenToClient(handle_, &p);
        TControl* target = captureControl_ ? captureControl_ : ControlAtPos(p, false);
        if (!target) target = this;
        if (HCURSOR cursor = CursorHandle(target->Cursor())) {
          ::SetCursor(cursor);
          message.Result = 1;
          return;
        }
      }
      break;
    case WM_MOUSEMOVE:
      UpdateMouseTracking();
      break;
    case WM_MOUSELEAVE: {
      // The mouse left this window, maybe for a child: find what is under it now.
      POINT p;
      GetCursorPos(&p);
      HWND under = WindowFromPoint(p);
      TWinControl* owner = FindControl(under);
      TControl* target = owner;
      if (owner) {
        ScreenToClient(under, &p);
        if (TControl* graphic = owner->ControlAtPos(p, false)) target = graphic;
      }
      SetMouseControl(target);
      break;
    }
    case CM_PARENTFONTCHANGED:
    case CM_PARENTCOLORCHANGED:
      TControl::WndProc(message);
      return;
    case WM_CONTEXTMENU:
      if (ShowPopupMenu(message.LParam)) return;
      break;
    default:
      break;
  }
  if (message.Msg >= WM_MOUSEFIRST && message.Msg <= WM_MOUSELAST && message.Msg != WM_MOUSEWHEEL &&
      RouteMouseToGraphic(message))
    return;
  TControl::WndProc(message);
}

bool TWinControl::ShowPopupMenu(LPARAM screenPoint) {
  POINT p = PointFromLParam(screenPoint);
  if (screenPoint == -1) {  // from the keyboard: at the control's centre
    p = ClientToScreen({Width() / 2, Height() / 2});
  }
  // A graphic child under the point may have a menu of its own.
  POINT local = p;
  ScreenToClient(handle_, &local);
  TControl* target = ControlAtPos(local, false);
  if (!target || !target->PopupMenu()) target = this;
  TPopupMenu* menu = target->PopupMenu();
  if (!menu || !menu->AutoPopup()) return false;
  menu->SetPopupComponent(target);
  menu->Popup(p.x, p.y);
  return true;
}

void TWinControl::UpdateMouseTracking() {
  TRACKMOUSEEVENT tme{sizeof tme, TME_LEAVE, handle_, 0};
  TrackMouseEvent(&tme);
  POINT p;
  GetCursorPos(&p);
  ScreenToClient(handle_, &p);
  TControl* target = captureControl_ ? captureControl_ : ControlAtPos(p, false);
  SetMouseControl(target ? target : this);
}

bool TWinControl::RouteMouseToGraphic(TMessage& message) {
  POINT p = PointFromLParam(message.LParam);
  TControl* target = captureControl_;
  if (!target) {
    target = ControlAtPos(p, false);
    if (target && dynamic_cast<TWinControl*>(target)) target = nullptr;
  }
  if (!target || !target->Enabled()) return false;
  if (message.Msg == WM_LBUTTONDOWN || message.Msg == WM_LBUTTONDBLCLK) {
    captureControl_ = target;
    SetCapture(handle_);
  }
  LPARAM local = MAKELPARAM(static_cast<WORD>(p.x - target->Left()), static_cast<WORD>(p.y - target->Top()));
  message.Result = target->Perform(message.Msg, message.WParam, local);
  if (message.Msg == WM_LBUTTONUP && captureControl_) {
    captureControl_ = nullptr;
    if (GetCapture() == handle_) ReleaseCapture();
  }
  return true;
}

TControl* TWinControl::ControlAtPos(POINT point, bool includeWindowed) const {
  for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
    TControl* c = *it;
    if (!c->Visible()) continue;
    if (!includeWindowed && dynamic_cast<TWinControl*>(c)) continue;
    RECT r = c->BoundsRect();
    if (PtInRect(&r, point)) return c;
  }
  return nullptr;
}

void TWinControl::PaintHandler(TMessage& message) {
  if (message.WParam) {
    PaintWindow(reinterpret_cast<HDC>(message.WParam));
    return;
  }
  PaintDC paint(handle_);
  RECT client;
  GetClientRect(handle_, &client);
  if (client.right <= 0 || client.bottom <= 0) return;
  // Paint off screen, then copy only what needs repainting: no flicker.
  UniqueMemoryDC memory(CreateCompatibleDC(paint.get()));
  UniqueBitmap bitmap(CreateCompatibleBitmap(paint.get(), client.right, client.bottom));
  if (!memory || !bitmap) {
    PaintWindow(paint.get());
    return;
  }
  SelectObjectGuard select(memory.get(), bitmap.get());
  PaintWindow(memory.get());
  const RECT& dirty = paint.dirty();
  BitBlt(paint.get(), dirty.left, dirty.top, dirty.right - dirty.left, dirty.bottom - dirty.top, memory.get(),
         dirty.left, dirty.top, SRCCOPY);
}

void TWinControl::PaintWindow(HDC dc) {
  RECT client = ClientRect();
  FillRect(dc, &client, ColorBrush());
  PaintControls(dc);
}

void TWinControl::PaintControls(HDC dc) {
  for (TControl* child : controls_) {
    auto* graphic = dynamic_cast<TGraphicControl*>(child);
    if (!graphic || !graphic->Visible()) continue;
    SavedDCState state(dc);
    POINT origin;
    OffsetViewportOrgEx(dc, graphic->Left(), graphic->Top(), &origin);
    IntersectClipRect(dc, 0, 0, graphic->Width(), graphic->Height());
    graphic->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
  }
}

HBRUSH TWinControl::ColorBrush() const {
  if (!colorBrush_) colorBrush_.reset(CreateSolidBrush(ColorToRGB(Color())));
  return colorBrush_.get();
}

void TWinControl::FontChanged() {
  TControl::FontChanged();
  UpdateWindowFont();
  for (TControl* child : controls_) child->Perform(CM_PARENTFONTCHANGED);
}

void TWinControl::ColorChanged() {
  colorBrush_.reset();
  TControl::ColorChanged();
  for (TControl* child : controls_) child->Perform(CM_PARENTCOLORCHANGED);
}

void TWinControl::UpdateWindowFont() {
  if (handle_) SendMessageA(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(Font()->Handle()), TRUE);
}

void TWinControl::Invalidate() {
  if (handle_) InvalidateRect(handle_, nullptr, FALSE);
}

void TWinControl::SetBounds(int left, int top, int width, int height) {
  int oldWidth = Width(), oldHeight = Height();
  TControl::SetBounds(left, top, width, height);
  if (handle_) {
    RECT r;
    GetWindowRect(handle_, &r);
    if (HWND parent = GetParent(handle_); parent && (GetWindowLongA(handle_, GWL_STYLE) & WS_CHILD))
      MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
    if (r.left != Left() || r.top != Top() || r.right - r.left != Width() || r.bottom - r.top != Height())
      SetWindowPos(handle_, nullptr, Left(), Top(), Width(), Height(), SWP_NOZORDER | SWP_NOACTIVATE);
  } else if (oldWidth != Width() || oldHeight != Height()) {
    AlignControls();
  }
}

RECT TWinControl::ClientRect() const {
  RECT r{0, 0, Width(), Height()};
  if (handle_) GetClientRect(handle_, &r);
  return r;
}

void TWinControl::SetVisible(bool visible) {
  TControl::SetVisible(visible);
  if (handle_) ShowWindow(handle_, visible ? SW_SHOW : SW_HIDE);
}

void TWinControl::SetBiDiMode(TBiDiMode mode) {
  TControl::SetBiDiMode(mode);
  if (!handle_) return;
  constexpr DWORD kBiDiBits = WS_EX_RTLREADING | WS_EX_LEFTSCROLLBAR | WS_EX_RIGHT;
  DWORD exStyle = static_cast<DWORD>(GetWindowLongA(handle_, GWL_EXSTYLE));
  SetWindowLongA(handle_, GWL_EXSTYLE, static_cast<LONG>((exStyle & ~kBiDiBits) | BiDiExStyle(mode)));
  SetWindowPos(handle_, nullptr, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  InvalidateRect(handle_, nullptr, TRUE);
}

void TWinControl::RecreateWnd() {
  if (!handle_) return;
  std::string text = Caption();
  DestroyHandle();
  TControl::SetCaption(text);
  HandleNeeded();
}

void TWinControl::SetEnabled(bool enabled) {
  TControl::SetEnabled(enabled);
  if (handle_) EnableWindow(handle_, enabled);
}

std::string TWinControl::Caption() const {
  if (!handle_) return TControl::Caption();
  int length = GetWindowTextLengthA(handle_);
  std::string text(static_cast<size_t>(length) + 1, '\0');
  int copied = GetWindowTextA(handle_, text.data(), length + 1);
  text.resize(static_cast<size_t>(std::max(copied, 0)));
  return text;
}

void TWinControl::SetCaption(const std::string& text) {
  TControl::SetCaption(text);
  if (handle_) SetWindowTextA(handle_, text.c_str());
}

void TWinControl::InsertControl(TControl* control) {
  controls_.push_back(control);
  if (auto* windowed = dynamic_cast<TWinControl*>(control)) {
    tabList_.push_back(windowed);
    if (windowed->tabOrderWanted_ >= 0) windowed->SetTabOrder(windowed->tabOrderWanted_);
    if (handle_) windowed->HandleNeeded();
  }
  ChildBoundsChanged();
}

void TWinControl::RemoveControl(TControl* control) {
  controls_.erase(std::remove(controls_.begin(), controls_.end(), control), controls_.end());
  tabList_.erase(std::remove(tabList_.begin(), tabList_.end(), control), tabList_.end());
  if (captureControl_ == control) captureControl_ = nullptr;
  if (!HasState(ComponentState::Destroying)) {
    AlignControls();
    ChildBoundsChanged();
  }
}

int TWinControl::TabOrder() const {
  if (!Parent()) return tabOrderWanted_;
  const auto& list = Parent()->tabList_;
  auto it = std::find(list.begin(), list.end(), this);
  return it == list.end() ? -1 : static_cast<int>(it - list.begin());
}

void TWinControl::SetTabOrder(int order) {
  tabOrderWanted_ = order;
  if (!Parent() || order < 0) return;
  auto& list = Parent()->tabList_;
  list.erase(std::remove(list.begin(), list.end(), this), list.end());
  size_t position = std::min(static_cast<size_t>(order), list.size());
  list.insert(list.begin() + static_cast<std::ptrdiff_t>(position), this);
}

void TWinControl::GetTabOrderList(std::vector<TWinControl*>& list) const {
  for (TWinControl* child : tabList_) {
    list.push_back(child);
    child->GetTabOrderList(list);
  }
}

bool TWinControl::Focused() const { return handle_ && GetFocus() == handle_; }

bool TWinControl::CanFocus() const {
  for (const TControl* c = this; c; c = c->Parent())
    if (!c->Visible() || !c->Enabled()) return false;
  return true;
}

void TWinControl::SetFocus() { ::SetFocus(Handle()); }

void TWinControl::AlignControls() {
  if (alignDisabled_ > 0 || HasState(ComponentState::Loading) || HasState(ComponentState::Destroying)) {
    alignPending_ = true;
    return;
  }
  ++alignDisabled_;
  RECT r = ClientRect();
  const TAlign order[] = {TAlign::alTop, TAlign::alBottom, TAlign::alLeft, TAlign::alRight, TAlign::alClient};
  for (TAlign align : order) {
    std::vector<TControl*> group;
    for (TControl* c : controls_)
      if (c->Visible() && c->Align() == align) group.push_back(c);
    auto key = [align](const TControl* c) {
      switch (align) {
        case TAlign::alTop:
          return c->Top();
        case TAlign::alBottom:
          return -(c->Top() + c->Height());
        case TAlign::alLeft:
          return c->Left();
        case TAlign::alRight:
          return -(c->Left() + c->Width());
        default:
          return 0;
      }
    };
    std::stable_sort(group.begin(), group.end(), [&](TControl* a, TControl* b) { return key(a) < key(b); });
    for (TControl* c : group) {
      int w = std::max<int>(r.right - r.left, 0), h = std::max<int>(r.bottom - r.top, 0);
      switch (align) {
        case TAlign::alTop:
          c->SetBounds(r.left, r.top, w, c->Height());
          r.top += c->Height();
          break;
        case TAlign::alBottom:
          c->SetBounds(r.left, r.bottom - c->Height(), w, c->Height());
          r.bottom -= c->Height();
          break;
        case TAlign::alLeft:
          c->SetBounds(r.left, r.top, c->Width(), h);
          r.left += c->Width();
          break;
        case TAlign::alRight:
          c->SetBounds(r.right - c->Width(), r.top, c->Width(), h);
          r.right -= c->Width();
          break;
        default:
          c->SetBounds(r.left, r.top, w, h);
          break;
      }
    }
  }
  RECT client = ClientRect();
  for (TControl* c : controls_) c->ApplyAnchors(client.right, client.bottom);
  --alignDisabled_;
  alignPending_ = false;
}

void TWinControl::EnableAlign() {
  if (alignDisabled_ > 0) --alignDisabled_;
  if (alignDisabled_ == 0 && alignPending_) AlignControls();
}

}  // namespace fw
