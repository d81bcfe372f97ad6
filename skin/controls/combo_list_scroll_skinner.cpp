#include "skin/controls/combo_list_scroll_skinner.h"

#include <windowsx.h>

#include "skin/controls/scroll_bar_paint.h"
#include "skin/core/optional_user32.h"

namespace skin {

namespace {

// The list box message a combo box sends its list when the list starts tracking the mouse.
constexpr UINT kListStartTrack = 0x1AE;
// How long the drag loop waits for input before it looks at the mouse button itself.
constexpr DWORD kButtonPollMs = 100;

bool SameBar(const SCROLLBARINFO& a, const SCROLLBARINFO& b) {
  return EqualRect(&a.rcScrollBar, &b.rcScrollBar) && a.xyThumbTop == b.xyThumbTop &&
         a.xyThumbBottom == b.xyThumbBottom && a.rgstate[0] == b.rgstate[0];
}

bool PrimaryButtonDown() {
  const int button = GetSystemMetrics(SM_SWAPBUTTON) ? VK_RBUTTON : VK_LBUTTON;
  return (GetAsyncKeyState(button) & 0x8000) != 0;
}

}  // namespace

const fw::ClassInfo& TComboxScrollBar::StaticClass() {
  static const fw::ClassInfo info =
      fw::ClassBuilder<TComboxScrollBar>("TComboxScrollBar", &TSkinControl::StaticClass()).Build();
  return info;
}

TComboxScrollBar::TComboxScrollBar(fw::TComponent* owner)
    : TSkinControl(owner), FArrowSize(GetSystemMetrics(SM_CXHSCROLL)) {}

TComboxScrollBar::~TComboxScrollBar() { *alive_ = false; }

bool TComboxScrollBar::Drawable() const {
  return CanDrawScrollBars(FSkinData) && User32Entries().GetScrollBarInfo != nullptr;
}

bool TComboxScrollBar::ReadBar(SCROLLBARINFO& bar) const {
  const auto getInfo = User32Entries().GetScrollBarInfo;
  if (!getInfo || !FHandle) return false;
  bar = {};
  bar.cbSize = sizeof(bar);
  return getInfo(FHandle, OBJID_VSCROLL, &bar) != FALSE;
}

bool TComboxScrollBar::BeforeMessage(fw::TMessage& message) {
  switch (message.Msg) {
    case WM_NCMOUSEMOVE:
      // The system would light its own bar's parts under the mouse; the skinned bar shows none.
      if (Drawable() && (message.WParam == HTHSCROLL || message.WParam == HTVSCROLL)) {
        message.Result = 0;
        return false;
      }
      return true;
    case WM_NCLBUTTONDOWN:
      if (TrackThumb(message)) {
        message.Result = 0;
        return false;
      }
      return true;
    default:
      return TSkinControl::BeforeMessage(message);
  }
}

void TComboxScrollBar::AfterMessage(fw::TMessage& message) {
  switch (message.Msg) {
    case WM_NCPAINT:
    case WM_HSCROLL:
    case WM_VSCROLL:
    case kListStartTrack:
      PaintControl(nullptr);
      break;
    case WM_DESTROY:
      break;
    default:
      TSkinControl::AfterMessage(message);
      RepaintIfChanged();
      break;
  }
}

void TComboxScrollBar::RepaintIfChanged() {
  SCROLLBARINFO now;
  if (!FHandle || !IsWindowVisible(FHandle) || !Drawable() || !ReadBar(now)) return;
  if (!SameBar(now, painted_)) PaintControl(nullptr);
}

void TComboxScrollBar::DrawControl(HDC dc, const RECT& rect) {
  if (!Drawable() || !dc) return;
  SCROLLBARINFO bar;
  if (!ReadBar(bar)) return;
  painted_ = bar;
  if (bar.rgstate[0] & STATE_SYSTEM_INVISIBLE) return;
  RECT window{};
  if (!GetWindowRect(FHandle, &window)) return;
  RECT r = bar.rcScrollBar;
  OffsetRect(&r, -window.left, -window.top);
  // A bar that does not fit the window (a list being resized) is left to the system.
  if (r.left < 0 || r.top < 0 || r.right > rect.right || r.bottom > rect.bottom || IsRectEmpty(&r)) return;
  FBarLength = r.bottom - r.top;
  FThumbStart = bar.xyThumbTop;
  FThumbEnd = bar.xyThumbBottom;
  const BarPicture picture{
      static_cast<int>(r.right - r.left), FBarLength, true,      (bar.rgstate[0] & STATE_SYSTEM_UNAVAILABLE) == 0,
      {FThumbStart, FThumbEnd},           FHotPart,   FTracking, FArrowSize};
  PaintBarPicture(dc, {r.left, r.top}, *FSkinData, picture);
}

void TComboxScrollBar::ScrollListTo(WORD code, int position) {
  const HWND list = FHandle;
  const std::shared_ptr<bool> alive = alive_;
  SendMessageW(list, WM_VSCROLL, MAKEWPARAM(code, static_cast<WORD>(position)), 0);
  // A list may take a dragged position only from the system's own tracking (Wine's reads the
  // tracking position, which no loop but the system's sets): put its top line there directly.
  if (*alive && IsWindow(list) && FLifeState != kSkinnerDestroyed &&
      static_cast<int>(SendMessageW(list, LB_GETTOPINDEX, 0, 0)) != position) {
    SendMessageW(list, LB_SETTOPINDEX, static_cast<WPARAM>(position), 0);
  }
}

bool TComboxScrollBar::TrackThumb(const fw::TMessage& message) {
  if (message.WParam != HTVSCROLL || !Drawable()) return false;
  SCROLLBARINFO bar;
  if (!ReadBar(bar) || (bar.rgstate[0] & (STATE_SYSTEM_INVISIBLE | STATE_SYSTEM_UNAVAILABLE))) return false;
  const int along = GET_Y_LPARAM(message.LParam) - bar.rcScrollBar.top;
  if (along < bar.xyThumbTop || along >= bar.xyThumbBottom) return false;
  SCROLLINFO info{sizeof(info), SIF_RANGE | SIF_PAGE | SIF_POS | SIF_TRACKPOS, 0, 0, 0, 0, 0};
  if (!GetScrollInfo(FHandle, SB_VERT, &info)) return false;

  const HWND list = FHandle;
  SetCapture(list);
  GetCursorPos(&FDragCursor);
  FDragThumb = bar.xyThumbTop;
  const int startOffset = bar.xyThumbTop - FArrowSize;
  const int track = static_cast<int>(bar.rcScrollBar.bottom - bar.rcScrollBar.top) - 2 * FArrowSize;
  const int thumbLength = bar.xyThumbBottom - bar.xyThumbTop;
  const ControlScroll scroll{info.nMin, info.nMax, info.nPage, info.nPos};
  int current = info.nPos;
  FTracking = true;
  const std::shared_ptr<bool> alive = alive_;
  auto gone = [&] { return !*alive || !IsWindow(list) || FLifeState == kSkinnerDestroyed; };
  for (bool finished = false; !finished;) {
    // The loop ends with the press: the button let go, the mouse taken by another window, the
    // list destroyed.
    if (gone() || GetCapture() != list) break;
    MSG msg;
    if (!PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (MsgWaitForMultipleObjects(0, nullptr, FALSE, kButtonPollMs, QS_ALLINPUT) == WAIT_TIMEOUT &&
          !PrimaryButtonDown()) {
        msg.message = WM_LBUTTONUP;  // released where this thread never saw it
      } else {
        continue;
      }
    }
    switch (msg.message) {
      case WM_MOUSEMOVE:
      case WM_NCMOUSEMOVE: {
        // Mouse moves stay in the loop, as in the system's: the list would take them for a
        // selection under the mouse. Far off the bar the thumb goes back where the press found it.
        const int position = NearBar(bar.rcScrollBar, msg.pt, true)
                                 ? TrackedPosition(startOffset + msg.pt.y - FDragCursor.y, track, thumbLength, scroll)
                                 : info.nPos;
        if (position != current) {
          current = position;
          ScrollListTo(SB_THUMBTRACK, position);
          if (!gone()) RepaintIfChanged();
        }
        break;
      }
      case WM_LBUTTONUP:
      case WM_NCLBUTTONUP:
        ScrollListTo(SB_THUMBPOSITION, current);
        if (!gone()) PostMessageW(list, WM_VSCROLL, SB_ENDSCROLL, 0);
        finished = true;
        break;
      case WM_QUIT:
        PostQuitMessage(static_cast<int>(msg.wParam));
        finished = true;
        break;
      default:
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
        break;
    }
  }
  if (GetCapture() == list) ReleaseCapture();
  if (!*alive) return true;
  FTracking = false;
  if (!gone()) PaintControl(nullptr);
  return true;
}

}  // namespace skin
