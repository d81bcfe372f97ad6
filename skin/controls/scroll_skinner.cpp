#include "skin/controls/scroll_skinner.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>
#include <string>
#include <utility>

#include "framework/graphics/color.h"
#include "skin/controls/prop_by_name.h"
#include "skin/controls/scroll_bar_paint.h"
#include "skin/controls/skinner_kinds.h"
#include "skin/core/optional_user32.h"
#include "skin/core/skin_messages.h"
#include "skin/core/window_names.h"
#include "skin/paint/skin_paint.h"

namespace skin {

namespace {

constexpr wchar_t kBarClassName[] = L"PastelleSkinScrollBar";
constexpr DWORD kBarInvisible = STATE_SYSTEM_INVISIBLE;      // 0x8000
constexpr DWORD kBarUnavailable = STATE_SYSTEM_UNAVAILABLE;  // 1

ATOM BarClass() {
  static const ATOM atom = [] {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = DefWindowProcW;  // replaced per window by SetWindowLongPtr before any use
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.lpszClassName = kBarClassName;
    return RegisterClassExW(&wc);
  }();
  return atom;
}

// Whether `bar` lies above `target` with nothing but drawn bars between them: a window's two drawn
// bars are both directly above it, and neither moves the other out of the way.
bool DirectlyAbove(HWND bar, HWND target) {
  for (HWND next = GetWindow(bar, GW_HWNDNEXT); next; next = GetWindow(next, GW_HWNDNEXT)) {
    if (next == target) return true;
    if (static_cast<ATOM>(GetClassLongW(next, GCW_ATOM)) != BarClass()) return false;
  }
  return false;
}

RECT OffsetTo(const RECT& rect, int x, int y) { return {rect.left - x, rect.top - y, rect.right - x, rect.bottom - y}; }

void FillColour(HDC dc, const RECT& rect, fw::TColor colour) {
  fw::UniqueBrush brush(CreateSolidBrush(fw::ColorToRGB(colour)));
  FillRect(dc, &rect, brush.get());
}

// A press the system tracks reports its scroll code: the part drawn pressed. Whatever moved the
// thumb, the bar follows.
void FollowScrollMessage(TWScrollbar* bar, WPARAM wParam) {
  if (!bar) return;
  if (bar->FTracking) bar->FHotPart = LOWORD(wParam);
  bar->RefreshIfChanged();
}

// The drawn bars of `window` brought up to date at a repaint of the window, and the corner between
// two shown bars filled with ButtonFace.
void DrawBarsAndCorner(HWND window, TWScrollbar* horz, TWScrollbar* vert, const TSkinData* data) {
  const LONG style = window ? GetWindowLongW(window, GWL_STYLE) : 0;
  const std::pair<TWScrollbar*, LONG> bars[] = {{vert, WS_VSCROLL}, {horz, WS_HSCROLL}};
  for (const auto& [bar, flag] : bars) {
    if (!bar) continue;
    if (bar->FBarVisible) {
      bar->RefreshIfChanged();
    } else if (style & flag) {
      bar->UpdatePosition();
    }
  }
  if (!horz || !vert || !horz->FBarVisible || !vert->FBarVisible || !data) return;
  // The bars' rectangles are in client coordinates; the window DC starts at the border.
  RECT bounds{};
  POINT origin{0, 0};
  GetWindowRect(window, &bounds);
  ClientToScreen(window, &origin);
  const int dx = origin.x - bounds.left;
  const int dy = origin.y - bounds.top;
  const RECT corner{vert->FBarRect.left + dx, horz->FBarRect.top + dy, vert->FBarRect.right + dx,
                    horz->FBarRect.bottom + dy};
  if (fw::WindowDC dc(window, fw::WindowDC::Area::Window); dc)
    FillColour(dc.get(), corner, data->Colours[ciButtonFace]);
}

}  // namespace

const fw::ClassInfo& TSkinScrollbarH::StaticClass() {
  static const fw::ClassInfo info =
      fw::ClassBuilder<TSkinScrollbarH>("TSkinScrollbarH", &TSkinControl::StaticClass()).Build();
  return info;
}
const fw::ClassInfo& TSkinScrollbar::StaticClass() {
  static const fw::ClassInfo info =
      fw::ClassBuilder<TSkinScrollbar>("TSkinScrollbar", &TSkinControl::StaticClass()).Build();
  return info;
}
const fw::ClassInfo& TSkinListView::StaticClass() {
  static const fw::ClassInfo info =
      fw::ClassBuilder<TSkinListView>("TSkinListView", &TSkinScrollbar::StaticClass()).Build();
  return info;
}
const fw::ClassInfo& TSkinScControl::StaticClass() {
  static const fw::ClassInfo info =
      fw::ClassBuilder<TSkinScControl>("TSkinScControl", &TSkinControl::StaticClass()).Build();
  return info;
}

// ---- TWScrollbar ----------------------------------------------------------------------------

TWScrollbar::TWScrollbar(TSkinControl* skinner) : FArrowSize(GetSystemMetrics(SM_CXHSCROLL)), FSkinner(skinner) {}

TWScrollbar::~TWScrollbar() {
  if (window_) SetWindowLongPtrW(window_.get(), GWLP_USERDATA, 0);
}

void TWScrollbar::AttachToControl(fw::TWinControl* control, int kind) {
  FTargetControl = control;
  AttachToHandle(control ? control->Handle() : nullptr, kind);
}

void TWScrollbar::AttachToHandle(HWND target, int kind) {
  FTarget = target;
  FBarKind = kind;
  FVertical = kind == bkVertical ? 1 : 0;
  if (kind == bkControl) FVertical = (GetWindowLongW(target, GWL_STYLE) & SBS_VERT) ? 1 : 0;
  if (kind == bkControl && FTargetControl && FTargetControl->Class().FindProperty("Kind") != nullptr) {
    FVertical = LowerCaseAscii(GetEnumPropByName(FTargetControl, "Kind")) != "sbhorizontal" ? 1 : 0;
  }
  UpdatePosition();
}

void TWScrollbar::EnsureWindow() {
  if (window_ || !FTarget || !IsWindow(FTarget)) return;
  HWND parent = GetParent(FTarget);
  if (!parent || !BarClass()) return;
  window_.reset(CreateWindowExW(WS_EX_TOOLWINDOW, kBarClassName, L"", WS_CHILD | WS_CLIPSIBLINGS, 0, 0, 0, 0, parent,
                                nullptr, GetModuleHandleW(nullptr), nullptr));
  if (!window_) return;
  SetWindowLongPtrW(window_.get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  SetWindowLongPtrW(window_.get(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TWScrollbar::WindowProc));
  EnableWindow(window_.get(), enabled_);
}

bool TWScrollbar::ReadGeometry(Geometry& geometry) const {
  if (!FTarget || !IsWindow(FTarget)) return false;
  if (FBarKind == bkControl) {
    RECT window{};
    if (!GetWindowRect(FTarget, &window)) return false;
    MapWindowPoints(nullptr, GetParent(FTarget), reinterpret_cast<POINT*>(&window), 2);
    SCROLLINFO info{sizeof(info), SIF_RANGE | SIF_PAGE | SIF_POS | SIF_TRACKPOS};
    if (!GetScrollInfo(FTarget, SB_CTL, &info)) return false;
    geometry.bar = window;
    const int length = FVertical ? window.bottom - window.top : window.right - window.left;
    geometry.thumb = ControlThumb(length, FArrowSize, {info.nMin, info.nMax, info.nPage, info.nPos});
    geometry.state = IsWindowEnabled(FTarget) ? 0 : kBarUnavailable;
    return true;
  }
  const auto getInfo = User32Entries().GetScrollBarInfo;
  if (!getInfo) return false;
  SCROLLBARINFO info{};
  info.cbSize = sizeof(info);
  if (!getInfo(FTarget, FBarKind == bkVertical ? OBJID_VSCROLL : OBJID_HSCROLL, &info)) return false;
  geometry.bar = info.rcScrollBar;
  geometry.thumb = {info.xyThumbTop, info.xyThumbBottom};
  geometry.state = info.rgstate[0];
  return true;
}

void TWScrollbar::UpdatePosition() {
  Geometry geometry;
  FBarVisible = ReadGeometry(geometry);
  if (!FBarVisible) return;
  const bool empty = geometry.bar.right <= geometry.bar.left || geometry.bar.bottom <= geometry.bar.top;
  // A skin without the "Scrollbar" image would leave the bar unpainted: the system's bar stays.
  const bool drawable = FSkinner && CanDrawScrollBars(FSkinner->FSkinData);
  if (!(GetWindowLongW(FTarget, GWL_STYLE) & WS_VISIBLE) || (geometry.state & kBarInvisible) || empty || !drawable) {
    HideBar();
    return;
  }
  EnsureWindow();
  if (!window_) {
    FBarVisible = false;
    return;
  }
  RECT placed = geometry.bar;
  if (FBarKind == bkControl) {
    FBarRect = {0, 0, placed.right - placed.left, placed.bottom - placed.top};
  } else {
    FBarRect = geometry.bar;
    MapWindowPoints(nullptr, FTarget, reinterpret_cast<POINT*>(&FBarRect), 2);
    MapWindowPoints(nullptr, GetParent(window_.get()), reinterpret_cast<POINT*>(&placed), 2);
  }
  FBarLength = FVertical ? FBarRect.bottom - FBarRect.top : FBarRect.right - FBarRect.left;
  FBarVisible = true;
  const int width = placed.right - placed.left;
  const int height = placed.bottom - placed.top;
  RECT current{};
  GetWindowRect(window_.get(), &current);
  MapWindowPoints(nullptr, GetParent(window_.get()), reinterpret_cast<POINT*>(&current), 2);
  if (IsWindowVisible(window_.get()) && EqualRect(&current, &placed) && DirectlyAbove(window_.get(), FTarget)) {
    return;  // already in place
  }
  // Directly above the target: after the window that precedes it in z-order.
  HWND above = GetWindow(FTarget, GW_HWNDPREV);
  if (above == window_.get()) above = GetWindow(above, GW_HWNDPREV);
  SetWindowPos(window_.get(), above ? above : HWND_TOP, placed.left, placed.top, width, height,
               SWP_NOACTIVATE | SWP_SHOWWINDOW);
  MoveWindow(window_.get(), placed.left, placed.top, width, height, TRUE);
}

void TWScrollbar::HideBar() {
  if (window_) ShowWindow(window_.get(), SW_HIDE);
  FBarVisible = false;
}

void TWScrollbar::Invalidate() const {
  if (window_) InvalidateRect(window_.get(), nullptr, FALSE);
}

void TWScrollbar::RefreshIfChanged() {
  Geometry now;
  if (!window_ || !FBarVisible || !ReadGeometry(now)) return;
  const bool same = EqualRect(&now.bar, &painted_.bar) && now.thumb.start == painted_.thumb.start &&
                    now.thumb.end == painted_.thumb.end && now.state == painted_.state && paintedHotPart_ == FHotPart &&
                    paintedTracking_ == FTracking;
  if (!same) Invalidate();
}

void TWScrollbar::SetEnabled(bool enabled) const {
  const_cast<TWScrollbar*>(this)->enabled_ = enabled;
  if (window_) EnableWindow(window_.get(), enabled);
}

int TWScrollbar::HitTest(POINT point) const {
  return BarPartAt(FVertical ? point.y : point.x, FArrowSize, {FThumbStart, FThumbEnd}, FBarLength);
}

void TWScrollbar::Paint(HDC dc) {
  TSkinData* data = FSkinner ? FSkinner->FSkinData : nullptr;
  if (!CanDrawScrollBars(data)) return;
  Geometry geometry;
  if (!ReadGeometry(geometry) || (geometry.state & kBarInvisible)) return;
  painted_ = geometry;
  paintedHotPart_ = FHotPart;
  paintedTracking_ = FTracking;
  RECT client{};
  GetClientRect(window_.get(), &client);
  const RECT r = OffsetTo(geometry.bar, geometry.bar.left, geometry.bar.top);
  if (r.right < 0 || r.bottom < 0 || r.right > client.right || r.bottom > client.bottom) return;
  FBarLength = FVertical ? r.bottom : r.right;
  if (FBarLength <= 0) return;
  // Thumb: follows the cursor while the system tracks it, else where the system has it.
  if (FTracking && FHotPart == kThumb && FBarKind != bkControl) {
    POINT cursor{};
    GetCursorPos(&cursor);
    const int n = FThumbEnd - FThumbStart;
    const int travel = FVertical ? cursor.y - FDragCursor.y : cursor.x - FDragCursor.x;
    FThumbStart = DraggedThumbStart(FDragThumb, travel, n, FBarLength, FArrowSize);
    // Far off the bar the system puts the thumb back where the press found it; so does the
    // drawn one.
    const RECT onScreen = OffsetTo(r, -FScreenOrigin.x, -FScreenOrigin.y);
    if (!NearBar(onScreen, cursor, FVertical != 0)) FThumbStart = FDragThumb;
    FThumbEnd = FThumbStart + n;
  } else {
    FThumbStart = geometry.thumb.start;
    FThumbEnd = geometry.thumb.end;
  }
  BarPicture picture{
      r.right,  r.bottom,  FVertical != 0, (geometry.state & kBarUnavailable) == 0, {FThumbStart, FThumbEnd},
      FHotPart, FTracking, FArrowSize};
  SIZE stretch{};
  if (FBarKind == bkControl) {
    // A scroll bar control is composed as thick as the skin's bar and stretched over the control.
    (FVertical ? picture.width : picture.height) = BarThickness(*data, FArrowSize);
    stretch = {client.right, client.bottom};
  }
  PaintBarPicture(dc, {0, 0}, *data, picture, stretch);
}

void TWScrollbar::Press(LPARAM lParam) {
  GetCursorPos(&FDragCursor);
  Geometry geometry;
  if (ReadGeometry(geometry)) FDragThumb = geometry.thumb.start;
  const POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
  FHotPart = HitTest(point);
  LPARAM forwarded = lParam;
  if (FBarKind != bkControl) {
    FScreenOrigin = {geometry.bar.left, geometry.bar.top};
    forwarded = MAKELPARAM(static_cast<WORD>(point.x + FScreenOrigin.x), static_cast<WORD>(point.y + FScreenOrigin.y));
  }
  FTracking = true;
  Invalidate();
  UpdateWindow(window_.get());
  FHotPart = HitTest(point);
  ReleaseCapture();
  HWND target = FTarget;
  if (FBarKind == bkControl) {
    SendMessageW(target, WM_LBUTTONDOWN, MK_LBUTTON, forwarded);
  } else {
    SendMessageW(target, WM_NCLBUTTONDOWN, FBarKind == bkVertical ? HTVSCROLL : HTHSCROLL, forwarded);
  }
  // The system's tracking loop has ended; the bar may be gone with its target by now.
  if (!window_) return;
  FTracking = false;
  ReleaseCapture();
  POINT cursor{};
  GetCursorPos(&cursor);
  ScreenToClient(window_.get(), &cursor);
  RECT client{};
  GetClientRect(window_.get(), &client);
  FHotPart = PtInRect(&client, cursor) ? HitTest(cursor) : kNoPart;
  Invalidate();
}

void TWScrollbar::Release(LPARAM lParam) {
  LPARAM forwarded = lParam;
  if (FBarKind != bkControl) {
    forwarded = MAKELPARAM(static_cast<WORD>(GET_X_LPARAM(lParam) + FScreenOrigin.x),
                           static_cast<WORD>(GET_Y_LPARAM(lParam) + FScreenOrigin.y));
  }
  FTracking = false;
  ReleaseCapture();
  if (FBarKind == bkControl) {
    PostMessageW(FTarget, WM_LBUTTONUP, MK_LBUTTON, forwarded);
    Invalidate();
  } else {
    PostMessageW(FTarget, WM_NCLBUTTONUP, FBarKind == bkVertical ? HTVSCROLL : HTHSCROLL, forwarded);
  }
}

LRESULT TWScrollbar::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT: {
      PAINTSTRUCT ps{};
      HDC dc = wParam ? reinterpret_cast<HDC>(wParam) : BeginPaint(window_.get(), &ps);
      Paint(dc);
      if (!wParam) EndPaint(window_.get(), &ps);
      return 0;
    }
    case WM_MOUSEMOVE: {
      const int part = HitTest({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
      if (part != FHotPart) {
        FHotPart = part;
        Invalidate();
      }
      TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, window_.get(), 0};
      TrackMouseEvent(&track);
      return 0;
    }
    case WM_MOUSELEAVE:
      if (!FTracking) {
        FHotPart = kNoPart;
        Invalidate();
      }
      return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      Press(lParam);
      return 0;
    case WM_LBUTTONUP:
      Release(lParam);
      return 0;
    case WM_MOUSEWHEEL:
      // The wheel over a drawn bar scrolls its control, as over the real bar.
      if (FTarget) return SendMessageW(FTarget, msg, wParam, lParam);
      return 0;
    default:
      return DefWindowProcW(window_.get(), msg, wParam, lParam);
  }
}

LRESULT CALLBACK TWScrollbar::WindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  auto* bar = reinterpret_cast<TWScrollbar*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (!bar || bar->window_.get() != window) return DefWindowProcW(window, msg, wParam, lParam);
  return bar->HandleMessage(msg, wParam, lParam);
}

// ---- TSkinScrollbar -------------------------------------------------------------------------

TSkinScrollbar::~TSkinScrollbar() { FreeBars(); }

void TSkinScrollbar::FreeBars() {
  FHorzBar.reset();
  FVertBar.reset();
}

void TSkinScrollbar::InitScrollControl(fw::TControl* control, TSkinData* skinData, fw::TCanvas* canvas,
                                       ISkinnerHost* form) {
  auto* windowed = dynamic_cast<fw::TWinControl*>(control);
  if (FInitialized || control != Owner() || !windowed) return;
  FSkinData = skinData;
  FCanvas = canvas;
  FControl = control;
  FHandle = windowed->Handle();
  FUnicode = IsWindowUnicode(FHandle) != FALSE;
  FEnabled = control->Enabled();
  Register(form);
  const fw::PropInfo* border = control->Class().FindProperty("BorderStyle");
  FOwnBorder = border && LowerCaseAscii(GetEnumPropByName(control, "BorderStyle")) != "bsnone";
  if (control->ClassName() == "TImageScrollBox" || FKind == 1) FOwnBorder = false;
  const fw::PropInfo* fixed = control->Class().FindProperty("FixedColor");
  if (fixed && fixed->kind == fw::PropKind::Integer) {
    FOldColor = static_cast<fw::TColor>(GetOrdPropByName(control, "FixedColor"));
    FSetColor = true;
    SetPropByName(control, "FixedColor", std::to_string(FaceColor()));
  }
  FHorzBar = std::make_unique<TWScrollbar>(this);
  FHorzBar->AttachToControl(windowed, bkHorizontal);
  FVertBar = std::make_unique<TWScrollbar>(this);
  FVertBar->AttachToControl(windowed, bkVertical);
  for (TWScrollbar* bar : {FHorzBar.get(), FVertBar.get()}) {
    bar->SetEnabled(control->Enabled());
    if (!control->Visible()) bar->HideBar();
  }
  HookControl(control);
  FInitialized = true;
  FLifeState = kSkinnerAttached;
  if (FOwnBorder)
    SetWindowPos(FHandle, nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void TSkinScrollbar::UpdateBars() {
  // A recreated window: the bars follow the control's new handle.
  if (auto* windowed = dynamic_cast<fw::TWinControl*>(FControl); windowed && windowed->HandleAllocated()) {
    FHandle = windowed->Handle();
  }
  for (TWScrollbar* bar : {FHorzBar.get(), FVertBar.get()}) {
    if (!bar) continue;
    bar->FTarget = FHandle;
    bar->UpdatePosition();
  }
}

void TSkinScrollbar::PaintBorder(HDC dc) const {
  RECT window{};
  if (!FSkinData || !GetWindowRect(FHandle, &window)) return;
  RECT r{0, 0, window.right - window.left, window.bottom - window.top};
  fw::UniqueBrush shadow(CreateSolidBrush(fw::ColorToRGB(FSkinData->Colours[ciButtonShadow])));
  fw::UniqueBrush face(CreateSolidBrush(fw::ColorToRGB(FSkinData->Colours[ciButtonFace])));
  FrameRect(dc, &r, shadow.get());
  InflateRect(&r, -1, -1);
  FrameRect(dc, &r, face.get());
}

void TSkinScrollbar::Unskin() {
  if (!FActive) return;
  if (FSetColor && FControl && FLifeState != kSkinnerDestroyed) {
    SetPropByName(FControl, "FixedColor", std::to_string(FOldColor));
    FSetColor = false;
  }
  TSkinControl::Unskin();
  if (FLifeState != kSkinnerDestroyed) {
    FreeBars();
    if (FOwnBorder && FHandle) {
      SetWindowPos(FHandle, nullptr, 0, 0, 0, 0,
                   SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    }
  }
}

bool TSkinScrollbar::BeforeMessage(fw::TMessage& message) {
  if (message.Msg == WM_NCPAINT && FOwnBorder) {
    CallDefault(message);
    if (fw::WindowDC dc(FHandle, fw::WindowDC::Area::Window); dc) PaintBorder(dc.get());
    return false;
  }
  if (message.Msg == WM_NCDESTROY) FreeBars();
  return TSkinControl::BeforeMessage(message);
}

void TSkinScrollbar::AfterMessage(fw::TMessage& message) {
  switch (message.Msg) {
    case WM_SIZE:
    case WM_WINDOWPOSCHANGED:
      UpdateBars();
      break;
    case WM_NCPAINT:
      // The system repaints its own bars here (a range or page change); the drawn ones follow.
      UpdateBars();
      for (TWScrollbar* bar : {FHorzBar.get(), FVertBar.get()}) {
        if (bar) bar->RefreshIfChanged();
      }
      break;
    case WM_HSCROLL:
    case WM_VSCROLL:
      FollowScrollMessage(message.Msg == WM_HSCROLL ? FHorzBar.get() : FVertBar.get(), message.WParam);
      break;
    case WM_MOUSEWHEEL:
    case WM_KEYDOWN:
      for (TWScrollbar* bar : {FHorzBar.get(), FVertBar.get()}) {
        if (bar) bar->RefreshIfChanged();
      }
      break;
    case fw::CM_VISIBLECHANGED:
      if (message.WParam != 0) {
        UpdateBars();
      } else {
        if (FHorzBar) FHorzBar->HideBar();
        if (FVertBar) FVertBar->HideBar();
      }
      break;
    case fw::CM_ENABLEDCHANGED:
      for (TWScrollbar* bar : {FHorzBar.get(), FVertBar.get()}) {
        if (bar) bar->SetEnabled(FControl && FControl->Enabled());
      }
      TSkinControl::AfterMessage(message);
      break;
    case SKM_PAINTFRAMETO:
      if (message.LParam == kSkinMagic) {
        if (message.WParam) PaintBorder(reinterpret_cast<HDC>(message.WParam));
        message.Result = kSkinMagic;
      }
      break;
    default:
      TSkinControl::AfterMessage(message);
      break;
  }
}

void TSkinScrollbar::DrawControl(HDC, const RECT&) {
  DrawBarsAndCorner(FHandle, FHorzBar.get(), FVertBar.get(), FSkinData);
}

void TSkinScrollbar::SkinChanged() {
  const fw::PropInfo* fixed = FControl ? FControl->Class().FindProperty("FixedColor") : nullptr;
  if (fixed && fixed->kind == fw::PropKind::Integer) SetPropByName(FControl, "FixedColor", std::to_string(FaceColor()));
  UpdateBars();
  for (TWScrollbar* bar : {FHorzBar.get(), FVertBar.get()}) {
    if (bar) bar->Invalidate();
  }
  Redraw();
}

// ---- TSkinListView --------------------------------------------------------------------------

void TSkinListView::InitScrollControl(fw::TControl* control, TSkinData* skinData, fw::TCanvas* canvas,
                                      ISkinnerHost* form) {
  const bool first = !FInitialized;
  TSkinScrollbar::InitScrollControl(control, skinData, canvas, form);
  if (!first || !FInitialized || !FHandle) return;
  FHeader = SkinListViewHeader(control, FHandle, skinData, canvas, form);
}

// ---- TSkinScrollbarH ------------------------------------------------------------------------

TSkinScrollbarH::~TSkinScrollbarH() { FreeBars(); }

void TSkinScrollbarH::FreeBars() {
  FHorzBar.reset();
  FVertBar.reset();
}

void TSkinScrollbarH::InitHandle(HWND window, TSkinData* skinData, fw::TCanvas* canvas, ISkinnerHost* form) {
  if (FInitialized || !window || !IsWindow(window)) return;
  FSkinData = skinData;
  FCanvas = canvas;
  FHandle = window;
  FControl = nullptr;
  FEnabled = true;
  FUnicode = IsWindowUnicode(window) != FALSE;
  Register(form);
  FHorzBar = std::make_unique<TWScrollbar>(this);
  FHorzBar->AttachToHandle(window, bkHorizontal);
  FVertBar = std::make_unique<TWScrollbar>(this);
  FVertBar->AttachToHandle(window, bkVertical);
  HookWindow(window);
  FInitialized = true;
  FLifeState = kSkinnerAttached;
}

void TSkinScrollbarH::UpdateBars() {
  for (TWScrollbar* bar : {FHorzBar.get(), FVertBar.get()}) {
    if (bar) bar->UpdatePosition();
  }
}

void TSkinScrollbarH::Unskin() {
  if (!FActive) return;
  TSkinControl::Unskin();
  if (FLifeState != kSkinnerDestroyed) FreeBars();
}

bool TSkinScrollbarH::BeforeMessage(fw::TMessage& message) {
  // The drawn bars are windows of the parent: they go with the window rather than stay over the
  // place where it was until the form skinner purges this skinner.
  if (message.Msg == WM_NCDESTROY) FreeBars();
  return TSkinControl::BeforeMessage(message);
}

void TSkinScrollbarH::AfterMessage(fw::TMessage& message) {
  if (FHandle && !IsWindowVisible(FHandle)) {
    for (TWScrollbar* bar : {FHorzBar.get(), FVertBar.get()}) {
      if (bar && bar->FBarVisible) bar->HideBar();
    }
  }
  switch (message.Msg) {
    case WM_SIZE:
    case WM_NCPAINT:
    case WM_WINDOWPOSCHANGED:
    case WM_SHOWWINDOW:
      UpdateBars();
      PaintControl(nullptr);
      break;
    case WM_HSCROLL:
    case WM_VSCROLL:
      FollowScrollMessage(message.Msg == WM_HSCROLL ? FHorzBar.get() : FVertBar.get(), message.WParam);
      break;
    default:
      TSkinControl::AfterMessage(message);
      // A window of unknown kind may change its bars on any message (a list box when lines are
      // added, scrolled by the keyboard or the wheel): the drawn ones follow when they did.
      for (TWScrollbar* bar : {FHorzBar.get(), FVertBar.get()}) {
        if (bar && bar->FBarVisible) bar->RefreshIfChanged();
      }
      break;
  }
}

void TSkinScrollbarH::DrawControl(HDC, const RECT&) {
  DrawBarsAndCorner(FHandle, FHorzBar.get(), FVertBar.get(), FSkinData);
}

// ---- TSkinScControl -------------------------------------------------------------------------

TSkinScControl::~TSkinScControl() { FScrollbar.reset(); }

void TSkinScControl::InitControl(ISkinnerHost* form, TSkinData* skinData, fw::TCanvas* canvas, bool) {
  auto* windowed = dynamic_cast<fw::TWinControl*>(Owner());
  if (FInitialized || !windowed) return;
  FSkinData = skinData;
  FCanvas = canvas;
  FControl = windowed;
  FHandle = windowed->Handle();
  FEnabled = windowed->Enabled();
  Register(form);
  FScrollbar = std::make_unique<TWScrollbar>(this);
  FScrollbar->AttachToControl(windowed, bkControl);
  FScrollbar->SetEnabled(windowed->Enabled());
  if (!windowed->Visible()) FScrollbar->HideBar();
  HookControl(windowed);
  FInitialized = true;
  FLifeState = kSkinnerAttached;
}

void TSkinScControl::Unskin() {
  if (!FActive) return;
  TSkinControl::Unskin();
  if (FLifeState != kSkinnerDestroyed) FScrollbar.reset();
}

void TSkinScControl::AfterMessage(fw::TMessage& message) {
  if (!FScrollbar) {
    TSkinControl::AfterMessage(message);
    return;
  }
  switch (message.Msg) {
    case WM_WINDOWPOSCHANGED:
      FScrollbar->UpdatePosition();
      break;
    case WM_NCPAINT:
      if (auto* windowed = dynamic_cast<fw::TWinControl*>(FControl); windowed && windowed->HandleAllocated()) {
        FHandle = windowed->Handle();
        FScrollbar->FTarget = FHandle;
      }
      FScrollbar->UpdatePosition();
      break;
    case SBM_SETSCROLLINFO:
    case SBM_SETPOS:
    case SBM_SETRANGE:
    case fw::CN_VSCROLL:
    case fw::CN_HSCROLL:
      FScrollbar->Invalidate();
      break;
    case fw::CM_VISIBLECHANGED:
      if (message.WParam != 0) {
        FScrollbar->UpdatePosition();
      } else {
        FScrollbar->HideBar();
      }
      break;
    case fw::CM_ENABLEDCHANGED:
      FScrollbar->SetEnabled(FControl && FControl->Enabled());
      FScrollbar->Invalidate();
      break;
    default:
      TSkinControl::AfterMessage(message);
      break;
  }
}

void TSkinScControl::DrawControl(HDC, const RECT&) {
  if (FScrollbar) FScrollbar->Invalidate();
}

}  // namespace skin
