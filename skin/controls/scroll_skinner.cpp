#include "skin/controls/scroll_skinner.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>
#include <cstdlib>
#include <exception>
#include <string>
#include <utility>

#include "framework/graphics/color.h"
#include "skin/controls/prop_by_name.h"
#include "skin/controls/skinner_kinds.h"
#include "skin/core/optional_user32.h"
#include "skin/core/skin_messages.h"
#include "skin/core/window_names.h"
#include "skin/paint/skin_paint.h"

namespace skin {

namespace {

constexpr wchar_t kBarClassName[] = L"PastelleSkinScrollBar";
constexpr int kScrollbarFrames = 23;
constexpr DWORD kBarInvisible = STATE_SYSTEM_INVISIBLE;      // 0x8000
constexpr DWORD kBarUnavailable = STATE_SYSTEM_UNAVAILABLE;  // 1

// Frames of "Scrollbar": the base (normal) frame of each arrow and grip.
constexpr int kLeftArrowFrame = 1;
constexpr int kRightArrowFrame = 5;
constexpr int kUpArrowFrame = 9;
constexpr int kDownArrowFrame = 13;
constexpr int kHorzGripFrame = 17;
constexpr int kVertGripFrame = 20;

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

bool HasBitmap(const std::unique_ptr<TDataSkinObject>& element) {
  return element && element->Bitmap && !element->Bitmap->Empty();
}

RECT OffsetTo(const RECT& rect, int x, int y) { return {rect.left - x, rect.top - y, rect.right - x, rect.bottom - y}; }

void FillColour(HDC dc, const RECT& rect, fw::TColor colour) {
  fw::UniqueBrush brush(CreateSolidBrush(fw::ColorToRGB(colour)));
  FillRect(dc, &rect, brush.get());
}

}  // namespace

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
  const bool drawable = FSkinner && FSkinner->FSkinData && HasBitmap(FSkinner->FSkinData->Scrollbar);
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
  if (IsWindowVisible(window_.get()) && EqualRect(&current, &placed) &&
      GetWindow(window_.get(), GW_HWNDNEXT) == FTarget) {
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
  if (!data || !HasBitmap(data->Scrollbar)) return;
  Geometry geometry;
  if (!ReadGeometry(geometry) || (geometry.state & kBarInvisible)) return;
  painted_ = geometry;
  paintedHotPart_ = FHotPart;
  paintedTracking_ = FTracking;
  const bool enabled = (geometry.state & kBarUnavailable) == 0;
  RECT client{};
  GetClientRect(window_.get(), &client);
  RECT r = OffsetTo(geometry.bar, geometry.bar.left, geometry.bar.top);
  if (r.right < 0 || r.bottom < 0 || r.right > client.right || r.bottom > client.bottom) return;
  FBarLength = FVertical ? r.bottom : r.right;
  if (FBarLength <= 0) return;

  const fw::TBitmap& strip = *data->Scrollbar->Bitmap;
  int thickness = strip.Height();
  if (std::abs(thickness - FArrowSize) > 2) thickness = FArrowSize;
  RECT draw = r;
  if (FBarKind == bkControl) {
    (FVertical ? r.right : r.bottom) = thickness;
    draw = r;
  } else {
    (FVertical ? draw.right : draw.bottom) = thickness;
  }

  fw::UniqueMemoryDC memory(CreateCompatibleDC(dc));
  fw::UniqueBitmap image(CreateCompatibleBitmap(dc, std::max<int>(r.right, 1), std::max<int>(r.bottom, 1)));
  if (!memory || !image) return;
  const HGDIOBJ oldImage = SelectObject(memory.get(), image.get());
  const HDC mdc = memory.get();
  SetStretchBltMode(mdc, COLORONCOLOR);
  FillColour(mdc, r, data->Colours[ciButtonFace]);
  try {
    const int along = FVertical ? draw.bottom : draw.right;
    // Track between the arrows.
    const auto& track = FVertical ? data->VertScroll : data->HorzScroll;
    if (HasBitmap(track)) {
      RECT t = draw;
      (FVertical ? t.top : t.left) += FArrowSize;
      (FVertical ? t.bottom : t.right) -= FArrowSize;
      DrawSkinElement(mdc, t, 4, enabled ? 1 : 3, *track);
    }
    // Arrows at both ends.
    const int a = ArrowLength(along, FArrowSize);
    const int firstBase = FVertical ? kUpArrowFrame : kLeftArrowFrame;
    const int secondBase = FVertical ? kDownArrowFrame : kRightArrowFrame;
    auto arrowFrame = [&](int base, int part) {
      if (FHotPart != part || !enabled) return base;
      return base + (FTracking ? 1 : 3);
    };
    RECT first = draw;
    RECT second = draw;
    (FVertical ? first.bottom : first.right) = (FVertical ? draw.top : draw.left) + a;
    (FVertical ? second.top : second.left) = along - a;
    DrawFrameKeyedDC(mdc, first, kScrollbarFrames, arrowFrame(firstBase, kFirstArrow), strip);
    DrawFrameKeyedDC(mdc, second, kScrollbarFrames, arrowFrame(secondBase, kSecondArrow), strip);
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
    const auto& thumbElement = FVertical ? data->VertScrollThumb : data->HorzScrollThumb;
    if (enabled && FThumbEnd > FThumbStart && HasBitmap(thumbElement)) {
      const int frame = FHotPart == kThumb ? (FTracking ? 2 : 3) : 1;
      const int frames = thumbElement->Frame > 0 ? thumbElement->Frame : 3;
      const RECT thumb =
          FVertical ? RECT{0, FThumbStart, thickness, FThumbEnd} : RECT{FThumbStart, 0, FThumbEnd, thickness};
      const int limit = FVertical ? r.bottom : r.right;
      if (FThumbStart < limit && FThumbEnd <= limit) {
        SkinElementImage thumbImage = ElementImage(*thumbElement);
        thumbImage.Tile = 0;
        DrawSkinElement(mdc, thumb, frames, std::min(frame, frames), thumbImage);
        const int grip = strip.Height();
        const int offset = GripOffset({FThumbStart, FThumbEnd}, grip);
        if (offset >= 0) {
          const int gripFrame =
              (FVertical ? kVertGripFrame : kHorzGripFrame) + (FHotPart == kThumb ? (FTracking ? 1 : 2) : 0);
          const int at = FThumbStart + offset;
          const RECT g = FVertical ? RECT{(thickness - grip) / 2, at, (thickness - grip) / 2 + grip, at + grip}
                                   : RECT{at, (thickness - grip) / 2, at + grip, (thickness - grip) / 2 + grip};
          if (g.right <= r.right && g.bottom <= r.bottom) DrawFrameKeyedDC(mdc, g, kScrollbarFrames, gripFrame, strip);
        }
      }
    }
  } catch (const std::exception&) {
    // A bitmap the system refuses ends this paint; the bar keeps its last look.
    SelectObject(mdc, oldImage);
    return;
  }
  if (FBarKind == bkControl) {
    StretchBlt(dc, 0, 0, client.right, client.bottom, mdc, 0, 0, r.right, r.bottom, SRCCOPY);
  } else {
    BitBlt(dc, 0, 0, r.right, r.bottom, mdc, 0, 0, SRCCOPY);
  }
  SelectObject(mdc, oldImage);
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
    case WM_VSCROLL: {
      // While the system tracks a press, the scroll code is the part drawn pressed.
      TWScrollbar* bar = message.Msg == WM_HSCROLL ? FHorzBar.get() : FVertBar.get();
      if (bar) {
        if (bar->FTracking) bar->FHotPart = LOWORD(message.WParam);
        bar->RefreshIfChanged();
      }
      break;
    }
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
  const LONG style = FHandle ? GetWindowLongW(FHandle, GWL_STYLE) : 0;
  const std::pair<TWScrollbar*, LONG> bars[] = {{FVertBar.get(), WS_VSCROLL}, {FHorzBar.get(), WS_HSCROLL}};
  for (const auto& [bar, flag] : bars) {
    if (!bar) continue;
    if (bar->FBarVisible) {
      bar->RefreshIfChanged();
    } else if (style & flag) {
      bar->UpdatePosition();
    }
  }
  if (FHorzBar && FVertBar && FHorzBar->FBarVisible && FVertBar->FBarVisible && FSkinData) {
    // The corner between the two bars, in window coordinates (the client origin lies inside the
    // border).
    RECT window{};
    POINT origin{0, 0};
    GetWindowRect(FHandle, &window);
    ClientToScreen(FHandle, &origin);
    const int dx = origin.x - window.left;
    const int dy = origin.y - window.top;
    const RECT corner{FVertBar->FBarRect.left + dx, FHorzBar->FBarRect.top + dy, FVertBar->FBarRect.right + dx,
                      FHorzBar->FBarRect.bottom + dy};
    if (fw::WindowDC dc(FHandle, fw::WindowDC::Area::Window); dc) {
      FillColour(dc.get(), corner, FSkinData->Colours[ciButtonFace]);
    }
  }
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
