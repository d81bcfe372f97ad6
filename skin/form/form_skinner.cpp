#include "skin/form/form_skinner.h"

#include <windowsx.h>

#include <algorithm>

#include "skin/core/skin_data.h"
#include "skin/core/skin_manage.h"
#include "skin/core/skin_messages.h"
#include "skin/core/window_names.h"
#include "skin/form/bitmap_region.h"
#include "skin/form/caption_buttons.h"
#include "skin/form/frame_geometry_skin.h"
#include "skin/paint/plane_win32.h"
#include "skin/paint/platform_family.h"
#include "skin/paint/skin_paint.h"

namespace skin {
namespace {

constexpr size_t kMaxClassNameLength = 100;
constexpr UINT kNonClientMetricsSize = 340;  // the structure without its padded-border field
constexpr uint32_t kHoverIntervalMs = 250;
// SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED
constexpr UINT kFrameChanged = 0x37;
constexpr UINT kMessageSwallowed = 0xAE;
constexpr UINT CM_MENUCHANGED = 0xB015;
constexpr UINT kRedrawClientFlags = RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_FRAME;

TSkinManage* Manager() { return SkinManager(); }

bool IsWindowCommand(WPARAM command) {
  switch (LOWORD(command)) {
    case SC_SIZE:
    case SC_MOVE:
    case SC_MINIMIZE:
    case SC_MAXIMIZE:
    case SC_NEXTWINDOW:
    case SC_PREVWINDOW:
    case SC_CLOSE:
    case SC_RESTORE:
      return true;
    default:
      return false;
  }
}

// Whether the active child of an MDI client is maximized.
bool ActiveMdiChildMaximized(HWND client) {
  BOOL maximized = FALSE;
  const auto active =
      reinterpret_cast<HWND>(SendMessageA(client, WM_MDIGETACTIVE, 0, reinterpret_cast<LPARAM>(&maximized)));
  return active && maximized;
}

}  // namespace

// The MDI client of a skinned MDI frame sees its messages through this layer first.
class MdiClientHook final : public SkinnerBase {
 public:
  explicit MdiClientHook(TWinSkinForm& form) : form_(form) {}
  using SkinnerBase::HookWindow;
  using SkinnerBase::Unhook;

 protected:
  void HandleMessage(fw::TMessage& message) override { form_.ClientWndProc(message); }

 private:
  friend class TWinSkinForm;
  TWinSkinForm& form_;
};

const fw::ClassInfo& TWinSkinForm::StaticClass() {
  static const fw::ClassInfo info =
      fw::ClassBuilder<TWinSkinForm>("TWinSkinForm", &fw::TComponent::StaticClass()).Build();
  return info;
}

TWinSkinForm::TWinSkinForm(fw::TComponent* owner)
    : fw::TComponent(owner), FHoverTimer(kHoverIntervalMs, [this] { HoverTick(); }) {
  FDoubleClickTime = static_cast<int>(GetDoubleClickTime());
  NONCLIENTMETRICSA metrics{};
  metrics.cbSize = kNonClientMetricsSize;
  if (SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, kNonClientMetricsSize, &metrics, 0))
    FTitleFont.reset(CreateFontIndirectA(&metrics.lfCaptionFont));
}

TWinSkinForm::~TWinSkinForm() {
  FHoverTimer.SetEnabled(false);
  FreeSkinners();
  FFormMethod.Restore();
  FClientHook.reset();
  Unhook();
  if (TSkinManage* manager = Manager(); manager && manager->RunState() != kRunStateDestroying)
    manager->RemoveFormSkinner(this);
}

// ---- Attaching -------------------------------------------------------------------------------

void TWinSkinForm::AttachForm(TSkinData* skinData, fw::TForm* form) {
  FForm = form;
  if (skinData) skinData->DoBeforeSkinForm(form, FHandle, FEventName);
  Attach(skinData);
  if (!Hooked() || !FForm) return;
  if (FSkinFrame) FFormMethod.Install(FForm, [this](fw::TMessage& message) { FormWindowMethod(message); });
  FSavedColor = FForm->Color();
  if (FSkinData) FForm->SetColor(FSkinData->Colours[ciButtonFace]);
}

void TWinSkinForm::AttachWindow(TSkinData* skinData) { Attach(skinData); }

void TWinSkinForm::Attach(TSkinData* skinData) {
  if (Hooked()) return;
  TSkinManage* manager = Manager();
  if (manager) manager->SetRunState(kRunStateRunning);
  FSkinData = skinData;
  FSkinFrame = skinData && skinData->HasControl(xcMainMenu);
  FStyle = static_cast<DWORD>(GetWindowLongA(FHandle, GWL_STYLE));
  const auto exStyle = static_cast<DWORD>(GetWindowLongA(FHandle, GWL_EXSTYLE));
  FRightToLeft = (exStyle & WS_EX_LEFTSCROLLBAR) != 0;
  FIsChild = (FStyle & WS_CHILD) != 0;
  FClassName = WindowClassName(FHandle).substr(0, kMaxClassNameLength);
  FOwnerWnd = GetWindow(FHandle, GW_OWNER);
  FBorderIcons = BorderIconsOf(FStyle, exStyle, FSystemMenu != nullptr);
  ReadWindowState();
  FSizable = (FStyle & WS_THICKFRAME) != 0;
  DetectMdiClient();
  if (exStyle & WS_EX_MDICHILD) {
    FMdiKind = TMdiKind::mkChild;
    if (skinData && skinData->HasOption(xoMDIChildBorder)) FSkinFrame = 0;
  }
  FUnicode = IsWindowUnicode(FHandle) ? 1 : 0;
  FDialogClass = FClassName == "#32770" || FClassName == "TMessageForm";
  FBorderKind = BorderKindOf(FStyle, exStyle, FDialogClass != 0);

  // Windows 2000 draws the system-menu style's buttons itself; its windows keep the style.
  const PlatformVersion platform = RunningPlatform();
  if (platform.Family == PlatformFamily::WindowsNT && platform.Major >= 5 && platform.Minor == 0 &&
      ((exStyle & WS_EX_APPWINDOW) || (!FOwnerWnd && FMdiKind != TMdiKind::mkChild)))
    FBorderIcons |= biKeepSystemMenuStyle;

  if (manager && manager->HideWhileSkinning() && !FIsChild && FSkinFrame && FBorderKind != TBorderKind::bkNone) {
    FStyle &= ~WS_VISIBLE;
    SetWindowLongA(FHandle, GWL_STYLE, static_cast<LONG>(FStyle));
  }
  if (platform.Family == PlatformFamily::Windows9x && skinData)
    skinData->SetSkinControls(skinData->SkinControls() & ~SkinControlSet({xcSystemMenu}));

  if (FMdiKind == TMdiKind::mkFrame) {
    FMenuUpdateSaved = skinData && skinData->MenuUpdate();
    FClientHook = std::make_unique<MdiClientHook>(*this);
    FClientHook->HookWindow(FMdiClient);
  }
  if (!HookWindow(FHandle)) {
    FClientHook.reset();
    return;
  }

  if (FSkinFrame) {
    FNativeMenu = GetMenu(FHandle);
    UpdateMetrics();
  } else {
    FLifeState = lsActive;
  }
  if (FMdiKind == TMdiKind::mkChild) {
    const int native = GetSystemMetrics(SM_CYCAPTION) + GetSystemMetrics(SM_CXFRAME);
    if (native > FBorderTop) FMenuBarHeight = native - FBorderTop;
    if (FWindowState == TWindowState::wsMaximized && manager && !manager->MdiMaximized())
      manager->SetMdiMaximized(true);
  }
}

// ---- Metrics and geometry ---------------------------------------------------------------------

FrameWindow TWinSkinForm::GeometryWindow() const {
  FrameWindow window;
  window.Width = FWindowWidth;
  window.Height = FWindowHeight;
  RECT bounds{};
  if (GetWindowRect(FHandle, &bounds)) {
    window.Width = bounds.right - bounds.left;
    window.Height = bounds.bottom - bounds.top;
  }
  window.BorderKind = FBorderKind;
  window.BorderIcons = FBorderIcons;
  window.State = FWindowState;
  window.Mdi = FMdiKind;
  window.Flags = StyleFlagsOf(FStyle, FRightToLeft ? WS_EX_LEFTSCROLLBAR : 0);
  if (FActive) window.Flags |= ffActive;
  if (FDialogClass) window.Flags |= ffDialogClass;
  if (FMdiKind == TMdiKind::mkFrame && Manager() && Manager()->MdiMaximized())
    window.Flags |= ffActiveMdiChildMaximized;
  window.MenuBandHeight = FMenuBarHeight;
  return window;
}

FrameMetrics TWinSkinForm::Metrics() const {
  return FrameMetrics{FBorderLeft, FBorderTop, FBorderRight, FBorderBottom, FMenuBarHeight};
}

void TWinSkinForm::UpdateMetrics() {
  if (!FSkinData || FSkinData->SkinEmpty()) return;
  const int iconSize = GetSystemMetrics(SM_CXSMICON);
  FFrameSkin = FrameSkinOf(*FSkinData, Size{iconSize, GetSystemMetrics(SM_CYSMICON)});
  const FrameMetrics metrics = MeasureFrame(GeometryWindow(), FFrameSkin);
  FBorderLeft = metrics.BorderLeft;
  FBorderTop = metrics.BorderTop;
  FBorderRight = metrics.BorderRight;
  FBorderBottom = metrics.BorderBottom;
  FMenuBarHeight = metrics.MenuBarHeight;
  CreateCaptionButtons();
  ++FFrameGeneration;
}

POINT TWinSkinForm::ScreenToFrame(int x, int y) const {
  POINT point{x, y};
  ScreenToClient(FHandle, &point);
  const Point origin = ClientOriginInFrame(GeometryWindow(), Metrics());
  return POINT{point.x + origin.X, point.y + origin.Y};
}

void TWinSkinForm::ReadWindowState() {
  WINDOWPLACEMENT placement{};
  placement.length = sizeof placement;
  if (!GetWindowPlacement(FHandle, &placement)) return;
  switch (placement.showCmd) {
    case SW_SHOWMINIMIZED:
    case SW_MINIMIZE:
    case SW_SHOWMINNOACTIVE:
      FWindowState = TWindowState::wsMinimized;
      break;
    case SW_SHOWMAXIMIZED:
      FWindowState = TWindowState::wsMaximized;
      break;
    default:
      FWindowState = TWindowState::wsNormal;
      break;
  }
}

void TWinSkinForm::DetectMdiClient() {
  FMdiKind = TMdiKind::mkNone;
  FMdiClient = nullptr;
  for (HWND child = GetTopWindow(FHandle); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (WindowClassName(child) == "MDIClient") {
      FMdiKind = TMdiKind::mkFrame;
      FMdiClient = child;
      if (TSkinManage* manager = Manager()) manager->RecordMdiClient(child, FForm);
      return;
    }
  }
}

bool TWinSkinForm::MaximizedMdiChild() const {
  return FMdiKind == TMdiKind::mkChild && FWindowState == TWindowState::wsMaximized;
}

bool TWinSkinForm::UsesStageTwo() const { return FMdiKind == TMdiKind::mkChild || !FIsChild; }

void TWinSkinForm::SetSysMenuStyle(bool strip) {
  if (FBorderIcons & biKeepSystemMenuStyle) return;
  const auto style = static_cast<DWORD>(GetWindowLongA(FHandle, GWL_STYLE));
  DWORD wanted = style;
  if (strip) {
    wanted &= ~WS_SYSMENU;
  } else if (FSystemMenu) {
    wanted |= WS_SYSMENU;
  }
  if (wanted != style) SetWindowLongA(FHandle, GWL_STYLE, static_cast<LONG>(wanted));
}

// ---- Activation and size ----------------------------------------------------------------------

void TWinSkinForm::CaptureFrameSizes() {
  RECT window{};
  GetWindowRect(FHandle, &window);
  GetClientRect(FHandle, &FClientRect);
  FNativeFrame =
      RECT{0, 0, (window.right - window.left) - FClientRect.right, (window.bottom - window.top) - FClientRect.bottom};
}

void TWinSkinForm::Activate() {
  FActivated = 1;
  FSystemMenu = GetSystemMenu(FHandle, FALSE);
  if (FSystemMenu)
    FBorderIcons =
        BorderIconsOf(FStyle, GetWindowLongA(FHandle, GWL_EXSTYLE), true) | (FBorderIcons & biKeepSystemMenuStyle);
  LoadIconBitmap();
  CaptureFrameSizes();
  if (TSkinManage* manager = Manager(); manager && manager->HideWhileSkinning()) {
    manager->SetHideWhileSkinning(false);
    const auto style = static_cast<DWORD>(GetWindowLongA(FHandle, GWL_STYLE));
    if (!(style & WS_VISIBLE)) SetWindowLongA(FHandle, GWL_STYLE, static_cast<LONG>(style | WS_VISIBLE));
  }
  if (FForm) {
    SkinFormControls(FForm);
  } else {
    SkinChildWindows(FHandle);
  }
  if (FLifeState == lsDestroyed || !Hooked()) return;
  if (FLifeState == lsWaiting) {
    if (FMdiKind == TMdiKind::mkChild) {
      if (FWindowState == TWindowState::wsMaximized) {
        if (TSkinManage* manager = Manager(); manager && manager->MdiClient())
          PostMessageA(manager->MdiClient(), SKM_REDRAWCLIENT, reinterpret_cast<WPARAM>(FHandle), 0);
      } else if (FWindowState == TWindowState::wsNormal) {
        if (!AdjustToSkinnedFrame()) return;
        UpdateRegion();
      }
    } else if (!FIsChild && FBorderKind != TBorderKind::bkNone && FWindowState != TWindowState::wsMinimized) {
      if (!AdjustToSkinnedFrame()) return;
      if (FWindowState == TWindowState::wsNormal) {
        UpdateRegion();
      } else {
        SetWindowPos(FHandle, nullptr, 0, 0, 0, 0, kFrameChanged);
      }
    }
  }
  if (FLifeState == lsDestroyed || !Hooked()) return;
  AnnounceSkinned();
  if (FLifeState == lsDestroyed || !Hooked()) return;
  FLifeState = lsActive;
  FHoverTimer.SetEnabled(FActive != 0);
}

bool TWinSkinForm::AdjustToSkinnedFrame() {
  FLifeState = lsAdjusting;
  AdjustWindowSize(false);
  // The window may have been destroyed by one of the messages of its new size: it stays so.
  if (FLifeState == lsDestroyed) return false;
  FLifeState = lsActive;
  return true;
}

void TWinSkinForm::AnnounceSkinned() {
  SendMessageA(FHandle, SKM_SKINREADY, 0, kSkinMagic);
  if (FSkinData && Hooked()) FSkinData->DoAfterSkinForm(FForm, FHandle, FEventName);
}

void TWinSkinForm::AdjustWindowSize(bool keepClient) {
  if (FWindowState == TWindowState::wsMaximized) {
    SetWindowPos(FHandle, nullptr, 0, 0, 0, 0, kFrameChanged);
    return;
  }
  if (FDialogClass || FLifeState == lsReskinning || keepClient) GetClientRect(FHandle, &FClientRect);
  Size client{FClientRect.right, FClientRect.bottom};
  if (!keepClient && FForm) {
    client.Width = FForm->ClientWidth();
    client.Height = FForm->ClientHeight() - (FMdiKind == TMdiKind::mkChild ? 0 : FMenuBarHeight);
  }
  std::optional<int> dialogCaption;
  if (FDialogClass && !keepClient) {
    FDialogCaption = WindowTextWide();
    HDC dc = GetWindowDC(FHandle);
    if (dc) {
      HGDIOBJ old = SelectObject(dc, FTitleFont ? FTitleFont.get() : GetStockObject(DEFAULT_GUI_FONT));
      SIZE extent{};
      GetTextExtentPoint32W(dc, FDialogCaption.c_str(), static_cast<int>(FDialogCaption.size()), &extent);
      SelectObject(dc, old);
      ReleaseDC(FHandle, dc);
      FCaptionTextWidth = extent.cx;
      dialogCaption = extent.cx;
    }
  }
  const SkinnedWindowSize size = SkinnedWindowSizeFor(Metrics(), client, FFrameSkin.Title, dialogCaption);
  if (size.ChildShift > 0) {
    for (HWND child = GetTopWindow(FHandle); child; child = GetWindow(child, GW_HWNDNEXT)) {
      RECT bounds{};
      GetWindowRect(child, &bounds);
      MapWindowPoints(nullptr, FHandle, reinterpret_cast<POINT*>(&bounds), 2);
      SetWindowPos(child, nullptr, bounds.left + size.ChildShift, bounds.top, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOSENDCHANGING | SWP_NOOWNERZORDER);
    }
  }
  FFrameAdjusted = true;
  SetWindowPos(FHandle, nullptr, 0, 0, size.Window.Width, size.Window.Height,
               SWP_FRAMECHANGED | SWP_NOACTIVATE | SWP_NOZORDER | SWP_NOMOVE);
  // The client moved inside the window, and what the system kept of it was painted for the old
  // frame (or erased before the move): it is painted again in its new place.
  if (IsWindow(FHandle)) RedrawWindow(FHandle, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

std::wstring TWinSkinForm::WindowTextWide() const {
  if (FUnicode) {
    const int length = GetWindowTextLengthW(FHandle);
    std::wstring text(static_cast<size_t>(std::max(length, 0)) + 1, L'\0');
    const int copied = GetWindowTextW(FHandle, text.data(), static_cast<int>(text.size()));
    text.resize(static_cast<size_t>(std::max(copied, 0)));
    return text;
  }
  char buffer[1001] = {};
  const auto copied = SendMessageA(FHandle, WM_GETTEXT, sizeof buffer, reinterpret_cast<LPARAM>(buffer));
  std::string ansi(buffer, static_cast<size_t>(std::clamp<LRESULT>(copied, 0, 1000)));
  const int wide = MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()), nullptr, 0);
  std::wstring text(static_cast<size_t>(std::max(wide, 0)), L'\0');
  if (wide > 0) MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()), text.data(), wide);
  return text;
}

void TWinSkinForm::OnSize(fw::TMessage& message) {
  CallDefault(message);
  // However the child was maximized or restored (the MDI client's own commands too), the manager
  // learns it, so that the children's regions follow: a maximized child has none.
  if (TSkinManage* manager = Manager(); manager && FMdiKind == TMdiKind::mkChild) {
    if (message.WParam == SIZE_MAXIMIZED) {
      manager->SetMdiMaximized(true);
    } else if (manager->MdiMaximized() && !ActiveMdiChildMaximized(GetParent(FHandle))) {
      manager->SetMdiMaximized(false);
    }
  }
  switch (message.WParam) {
    case SIZE_MINIMIZED:
      FWindowState = TWindowState::wsMinimized;
      if (FMdiKind == TMdiKind::mkChild && (FLifeState == lsActive || FLifeState == lsReskinning)) UpdateRegion();
      return;
    case SIZE_MAXIMIZED:
      FWindowState = TWindowState::wsMaximized;
      break;
    case SIZE_RESTORED:
      FWindowState = TWindowState::wsNormal;
      break;
    default:
      break;
  }
  if (FMdiKind == TMdiKind::mkChild &&
      ((Manager() && Manager()->MdiMaximized()) || FWindowState != TWindowState::wsNormal))
    return;
  if (FLifeState == lsActive || FLifeState == lsReskinning) UpdateRegion();
}

// ---- Client area and hit-testing ---------------------------------------------------------------

void TWinSkinForm::OnNcCalcSize(fw::TMessage& message) {
  CallDefault(message);
  if (!message.WParam) {
    message.Result = 0;
    return;
  }
  auto* params = reinterpret_cast<NCCALCSIZE_PARAMS*>(message.LParam);
  const WINDOWPOS* position = params->lppos;
  FrameWindow window = GeometryWindow();
  if (position) {
    window.Width = position->cx;
    window.Height = position->cy;
  }
  const Rect proposed = position
                            ? Rect{position->x, position->y, position->x + position->cx, position->y + position->cy}
                            : FromRECT(params->rgrc[0]);
  if (const std::optional<Rect> client = SkinnedClientRect(window, Metrics(), proposed)) {
    params->rgrc[0] = ToRECT(*client);
    params->rgrc[1] = params->rgrc[0];
  } else {
    params->rgrc[1] = params->rgrc[0];
  }
  message.Result = WVR_VALIDRECTS;
}

void TWinSkinForm::OnNcHitTest(fw::TMessage& message) {
  CallDefault(message);
  if (message.Result != HTNOWHERE && message.Result != HTCAPTION) return;
  const POINT point = ScreenToFrame(GET_X_LPARAM(message.LParam), GET_Y_LPARAM(message.LParam));
  message.Result = RefineHitTest(Metrics(), static_cast<int>(message.Result), Point{point.x, point.y});
}

// ---- Region -----------------------------------------------------------------------------------

void TWinSkinForm::UpdateRegion() {
  if (FLifeState == lsDestroyed || !FSkinFrame || !Hooked()) return;
  const FrameWindow window = GeometryWindow();
  if (window.Width <= 0 || window.Height <= 0) return;
  // A minimized MDI child shows its caption bar alone: its region is that bar's shape in the skin
  // of now, not what was left from its normal size or from the skin before.
  const bool minimizedChild = FMdiKind == TMdiKind::mkChild && FWindowState == TWindowState::wsMinimized;
  if (FMdiKind == TMdiKind::mkChild && FWindowState != TWindowState::wsNormal && !minimizedChild) return;
  if (window.Width == FRegionWidth && window.Height == FRegionHeight && FMdiKind != TMdiKind::mkChild &&
      FLifeState != lsReskinning)
    return;
  const std::optional<RegionPlan> plan =
      minimizedChild ? PlanMinimizedRegion(window, Metrics(), FFrameSkin) : PlanRegion(window, Metrics(), FFrameSkin);
  if (!plan) return;
  fw::UniqueRegion region;
  if (plan->WholeWindow) {
    region.reset(CreateRectRgn(0, 0, window.Width, window.Height));
  } else {
    FRegionWidth = window.Width;
    FRegionHeight = window.Height;
    region.reset(CreateRectRgn(plan->Inner.Left, plan->Inner.Top, plan->Inner.Right, plan->Inner.Bottom));
    for (const RegionStrip& strip : plan->Strips) {
      fw::UniqueRegion part;
      if (strip.Fill == StripFill::FromBitmap) {
        const RECT area = ToRECT(strip.Area);
        fw::TBitmap piece(area.right - area.left, area.bottom - area.top, fw::pf24bit);
        DrawBorderPiece(strip.Piece, RECT{0, 0, piece.Width(), piece.Height()}, piece.DC());
        part = BitmapToRegion(piece, area.left, area.top, kKeyColor);
      } else {
        part.reset(CreateRectRgn(strip.Area.Left, strip.Area.Top, strip.Area.Right, strip.Area.Bottom));
      }
      if (part && region) CombineRgn(region.get(), region.get(), part.get(), RGN_OR);
    }
  }
  if (!region) return;
  // The window owns the region from here on.
  if (SetWindowRgn(FHandle, region.get(), TRUE)) {
    FRegion = region.release();
    FOwnRegion = 1;
  }
}

void TWinSkinForm::RemoveRegion() {
  if (!FOwnRegion) return;
  SetWindowRgn(FHandle, nullptr, FMdiKind == TMdiKind::mkChild);
  FRegion = nullptr;
  FOwnRegion = 0;
  FRegionWidth = FRegionHeight = 0;
}

// ---- Skin changes ------------------------------------------------------------------------------

void TWinSkinForm::Recolor() {
  // Runs from the manager's commands, outside the window's messages: a release by an event
  // handler waits until this returns.
  WindowBusyScope busy(FHandle);
  if (FForm && FSkinData) {
    const fw::TColor face = FSkinData->Colours[ciButtonFace];
    FForm->SetColor(face);
    for (int i = 0; i < FForm->ComponentCount(); ++i)
      if (auto* owned = dynamic_cast<fw::TForm*>(FForm->Component(i))) owned->SetColor(face);
  }
  for (TSkinControl* skinner : std::vector<TSkinControl*>(FSkinners))
    if (std::find(FSkinners.begin(), FSkinners.end(), skinner) != FSkinners.end()) skinner->SkinChanged();
  FLifeState = lsReskinning;
  ++FFrameGeneration;
  if (FSkinFrame && FForm) {
    AdjustWindowSize(true);
    // Forces a relayout of the form's controls.
    if (FLifeState != lsDestroyed) FForm->SetHeight(FForm->Height() + 1);
    if (FLifeState != lsDestroyed) FForm->SetHeight(FForm->Height() - 1);
  } else if (FSkinFrame && UsesStageTwo() && FBorderKind != TBorderKind::bkNone &&
             FWindowState != TWindowState::wsMinimized) {
    // Any other window takes the new skin's frame too, keeping its client, and its region; without
    // this its client would stay laid out for the old borders under the new ones.
    AdjustWindowSize(true);
    UpdateRegion();
  } else if (FSkinFrame && FMdiKind == TMdiKind::mkChild && FWindowState == TWindowState::wsMinimized) {
    UpdateRegion();
  }
  // A window destroyed meanwhile stays so, and hears nothing more.
  if (FLifeState == lsDestroyed) return;
  AnnounceSkinned();
  if (FLifeState != lsDestroyed) FLifeState = lsActive;
}

// ---- Detaching --------------------------------------------------------------------------------

void TWinSkinForm::FreeSkinners() {
  while (!FSkinners.empty()) {
    TSkinControl* skinner = FSkinners.front();
    FSkinners.erase(FSkinners.begin());
    FreeSkinner(skinner, FLifeState != lsDestroying && skinner->FLifeState != kSkinnerDestroyed);
  }
}

void TWinSkinForm::FreeSkinner(TSkinControl* skinner, bool unskin) {
  skinner->ForgetHost();
  if (unskin) skinner->Unskin();
  // Neither its control nor this form skinner frees it now; it goes once no message of its
  // window runs.
  skinner->RemoveFromOwner();
  skinner->ReleaseWhenIdle([skinner] { fw::Free(skinner); });
}

void TWinSkinForm::Detach() {
  if (!FSkinFrame) {
    DetachPlain();
    return;
  }
  FHoverTimer.SetEnabled(false);
  if (!Hooked()) return;
  FFormMethod.Restore();
  Unhook();
  FreeSkinners();
  if (FForm && FLifeState != lsDestroying) FForm->SetColor(FSavedColor);
  SetSysMenuStyle(false);
  FClientHook.reset();
  const bool destroying = FLifeState == lsDestroying || FLifeState == lsDestroyed;
  if (!destroying && FFrameAdjusted && (FMdiKind == TMdiKind::mkChild || !FIsChild) &&
      FWindowState != TWindowState::wsMaximized) {
    RECT bounds{};
    GetWindowRect(FHandle, &bounds);
    const int width = bounds.right - bounds.left + FNativeFrame.right - FBorderLeft - FBorderRight;
    const int height = bounds.bottom - bounds.top + FNativeFrame.bottom - FBorderTop - FBorderBottom - FMenuBarHeight;
    SetWindowPos(FHandle, nullptr, 0, 0, width, height, SWP_FRAMECHANGED | SWP_NOACTIVATE | SWP_NOZORDER | SWP_NOMOVE);
  } else if (!destroying) {
    SetWindowPos(FHandle, nullptr, 0, 0, 0, 0, kFrameChanged);
  }
  if (!destroying && FOwnRegion) SetWindowRgn(FHandle, nullptr, TRUE);
  FRegion = nullptr;
  FOwnRegion = 0;
}

void TWinSkinForm::DetachPlain() {
  FHoverTimer.SetEnabled(false);
  FreeSkinners();
  if (FForm && FLifeState != lsDestroying) FForm->SetColor(FSavedColor);
  FFormMethod.Restore();
  Unhook();
  FClientHook.reset();
  if (FForm && FLifeState != lsDestroying && FForm->HandleAllocated())
    RedrawWindow(FForm->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void TWinSkinForm::DetachOnDestroy() {
  if (!FSkinFrame) {
    DetachPlain();
    return;
  }
  FHoverTimer.SetEnabled(false);
  FFormMethod.Restore();
  Unhook();
  FreeSkinners();
}

void TWinSkinForm::WindowDestroyed() noexcept {
  FHoverTimer.SetEnabled(false);
  FFormMethod.Restore();
  ForgetHotObject();
  FLifeState = lsDestroyed;
}

void TWinSkinForm::AddSizeGrip(HWND) {}

bool TWinSkinForm::AddSkinner(TSkinControl* skinner) {
  if (std::find(FSkinners.begin(), FSkinners.end(), skinner) != FSkinners.end()) return true;
  FSkinners.push_back(skinner);
  return false;
}

void TWinSkinForm::RemoveSkinner(TSkinControl* skinner) {
  auto it = std::find(FSkinners.rbegin(), FSkinners.rend(), skinner);
  if (it != FSkinners.rend()) FSkinners.erase(std::next(it).base());
}

TSkinControl* TWinSkinForm::FindSkinnerByHandle(HWND window) const {
  auto it =
      std::find_if(FSkinners.rbegin(), FSkinners.rend(), [window](TSkinControl* s) { return s->Handle() == window; });
  return it == FSkinners.rend() ? nullptr : *it;
}

// ---- The window procedure ----------------------------------------------------------------------

void TWinSkinForm::FormWndProc(fw::TMessage& message) {
  // Stage 0: the native frame never shows before the skinned one.
  if (FLifeState == lsWaiting && message.Msg == WM_NCPAINT) {
    message.Result = 0;
    return;
  }
  bool passOn = false;
  if (StageOne(message, passOn)) return;
  if (!UsesStageTwo()) {
    CallDefault(message);
    return;
  }
  if (StageTwo(message, passOn)) return;
  if (!MaximizedMdiChild() && FLifeState != lsWaiting) {
    StageThree(message, passOn);
    return;
  }
  if (passOn) CallDefault(message);
}

bool TWinSkinForm::StageOne(fw::TMessage& message, bool& passOn) {
  switch (message.Msg) {
    case WM_ERASEBKGND:
      CallDefault(message);
      if (!FForm && FSkinData && FSkinData->FaceBrush) {
        RECT client{};
        GetClientRect(FHandle, &client);
        FillRect(reinterpret_cast<HDC>(message.WParam), &client, FSkinData->FaceBrush.get());
        message.Result = 1;
      }
      return true;
    case WM_NCDESTROY:
      FLifeState = lsDestroying;
      DetachOnDestroy();
      CallDefault(message);
      FLifeState = lsDestroyed;
      return true;
    case WM_NCACTIVATE:
      if (FLifeState == lsWaiting && FMdiKind != TMdiKind::mkChild) {
        message.Result = 0;
        return true;
      }
      if (!FSkinFrame) {
        CallDefault(message);
        return true;
      }
      return false;
    case kMessageSwallowed:
      message.Result = 0;
      return true;
    case WM_INITMENUPOPUP:
      if (TSkinManage* manager = Manager())
        manager->SetMenuMode(reinterpret_cast<HMENU>(message.WParam) == FSystemMenu ? kMenuModeSystem
                                                                                    : kMenuModeMenuBar);
      CallDefault(message);
      return true;
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORSTATIC:
      CallDefault(message);
      if (!FForm) {
        SetBkMode(reinterpret_cast<HDC>(message.WParam), TRANSPARENT);
        if (message.Msg == WM_CTLCOLORSTATIC && FSkinData && FSkinData->FaceBrush)
          message.Result = reinterpret_cast<LRESULT>(FSkinData->FaceBrush.get());
      }
      return true;
    case SKM_ACTIVATE:
      Activate();
      return true;
    case SKM_RESKINSCROLLBAR:
      ReskinScrollbar(reinterpret_cast<HWND>(message.WParam));
      return true;
    case SKM_ISSKINNED:
      message.Result = 1;
      PostMessageA(FHandle, SKM_SKINREADY, 0, kSkinMagic);
      return true;
    default:
      if (!FSkinFrame) {
        CallDefault(message);
        return true;
      }
      (void)passOn;
      return false;
  }
}

bool TWinSkinForm::StageTwo(fw::TMessage& message, bool& passOn) {
  switch (message.Msg) {
    case WM_SIZE:
      OnSize(message);
      return true;
    case WM_ACTIVATE:
    case WM_NCACTIVATE:
      FActive = LOWORD(message.WParam) != 0 ? 1 : 0;
      passOn = true;
      return false;
    case WM_GETMINMAXINFO:
      CallDefault(message);
      ReadWindowState();
      return true;
    case WM_WINDOWPOSCHANGED:
      ReadWindowState();
      CallDefault(message);
      return true;
    case WM_SETICON:
      CallDefault(message);
      LoadIconBitmap();
      return true;
    case WM_SETTEXT:
      if (FForm) break;  // the form's window method repaints (FormWindowMethod)
      SetTextWithoutNativeCaption(message, [this](fw::TMessage& m) { CallDefault(m); });
      return true;
    case WM_COMMAND:
      if (IsWindowCommand(message.WParam)) {
        PostMessageA(FHandle, WM_SYSCOMMAND, LOWORD(message.WParam), message.LParam);
      } else {
        CallDefault(message);
      }
      return true;
    case WM_SYSCOMMAND:
      CallDefault(message);
      ReadWindowState();
      return true;
    case SKM_PAINTFRAMETO:
    case SKM_QUERYSKINFORM:
      // A framework form answers through its window method; any other window answers here.
      if (FForm) break;
      AnswerFrameQuery(message);
      return true;
    case SKM_OPENMENUITEM:
      // Menu-bar buttons arrive with the menus; a caption button under the point does nothing.
      message.Result = 0;
      message.Msg = 0;
      return true;
    case CM_MENUCHANGED:
      CallDefault(message);
      return true;
    default:
      break;
  }
  passOn = true;
  return false;
}

void TWinSkinForm::StageThree(fw::TMessage& message, bool& passOn) {
  switch (message.Msg) {
    case WM_NCCALCSIZE:
      OnNcCalcSize(message);
      return;
    case WM_NCHITTEST:
      OnNcHitTest(message);
      return;
    case WM_NCPAINT:
      SetSysMenuStyle(true);
      if (MaximizedMdiChild() || FBorderKind == TBorderKind::bkNone) {
        CallDefault(message);
      } else {
        PaintFrame(nullptr);
      }
      message.Result = 0;
      return;
    case WM_NCACTIVATE:
      FActive = message.WParam ? 1 : 0;
      FHoverTimer.SetEnabled(FActive != 0);
      if (FMdiKind == TMdiKind::mkFrame && FMdiClient) SendMessageA(FMdiClient, WM_NCACTIVATE, message.WParam, 0);
      if (FMdiKind == TMdiKind::mkChild) CallDefault(message);
      if (!MaximizedMdiChild()) PaintFrame(nullptr);
      message.Result = 1;
      return;
    case WM_NCMOUSEMOVE:
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONUP:
    case WM_NCLBUTTONDBLCLK:
    case WM_NCRBUTTONDOWN:
      if (!HandleNcMouse(message)) CallDefault(message);
      return;
    case SKM_REPAINTFRAME:
      PaintFrame(nullptr);
      return;
    default:
      if (passOn) CallDefault(message);
      return;
  }
}

// ---- The framework form's window method ---------------------------------------------------------

void TWinSkinForm::FormWindowMethod(fw::TMessage& message) {
  switch (message.Msg) {
    case WM_SETTEXT:
      SetTextWithoutNativeCaption(message, [this](fw::TMessage& m) { FFormMethod.CallPrevious(m); });
      return;
    case SKM_RECOLOR:
      Recolor();
      return;
    case SKM_PAINTFRAMETO:
    case SKM_QUERYSKINFORM:
      AnswerFrameQuery(message);
      return;
    default:
      FFormMethod.CallPrevious(message);
      return;
  }
}

void TWinSkinForm::AnswerFrameQuery(fw::TMessage& message) {
  if (message.Msg == SKM_QUERYSKINFORM) {
    message.Result = message.LParam == kSkinMagic ? kSkinMagic : 1;
    return;
  }
  if (message.LParam != kSkinMagic) return;
  if (message.WParam) PaintFrame(reinterpret_cast<HDC>(message.WParam));
  message.Result = kSkinMagic;
}

void TWinSkinForm::SetTextWithoutNativeCaption(fw::TMessage& message,
                                               const std::function<void(fw::TMessage&)>& setText) {
  // The default handling of WM_SETTEXT paints the platform's caption at once; the window is kept
  // invisible while it runs, and the skinned frame is painted afterwards.
  const auto style = static_cast<DWORD>(GetWindowLongA(FHandle, GWL_STYLE));
  const bool visible = (style & WS_VISIBLE) != 0;
  if (visible) SetWindowLongA(FHandle, GWL_STYLE, static_cast<LONG>(style & ~WS_VISIBLE));
  setText(message);
  if (!visible || !Hooked()) return;
  SetWindowLongA(FHandle, GWL_STYLE, static_cast<LONG>(GetWindowLongA(FHandle, GWL_STYLE) | WS_VISIBLE));
  if (MaximizedMdiChild()) {
    if (TSkinManage* manager = Manager(); manager && manager->MdiClient())
      PostMessageA(manager->MdiClient(), SKM_REDRAWCLIENT, reinterpret_cast<WPARAM>(FHandle), 0);
  }
  if (FWindowState == TWindowState::wsMinimized) {
    PaintFrame(nullptr);
  } else {
    SetWindowPos(FHandle, nullptr, 0, 0, 0, 0, kFrameChanged);
  }
}

// ---- The MDI client ------------------------------------------------------------------------------

void TWinSkinForm::ClientWndProc(fw::TMessage& message) {
  MdiClientHook& client = *FClientHook;
  TSkinManage* manager = Manager();
  switch (message.Msg) {
    case WM_NCCALCSIZE:
      if (FSkinFrame && FSkinData && !FSkinData->HasOption(xoMDIScrollbar)) {
        const auto style = static_cast<DWORD>(GetWindowLongA(FMdiClient, GWL_STYLE));
        SetWindowLongA(FMdiClient, GWL_STYLE, static_cast<LONG>(style & ~(WS_VSCROLL | WS_HSCROLL)));
      }
      client.CallDefault(message);
      return;
    case WM_MDICREATE:
      if (FSkinData) FSkinData->SetMenuUpdate(false);
      client.CallDefault(message);
      return;
    case WM_MDIDESTROY: {
      client.CallDefault(message);
      if (!FSkinFrame || !manager) return;
      manager->SetMdiMaximized(ActiveMdiChildMaximized(FMdiClient));
      if (!SendMessageA(FMdiClient, WM_MDIGETACTIVE, 0, 0) && FSkinData)
        FSkinData->SetMenuUpdate(FMenuUpdateSaved != 0);
      return;
    }
    case WM_MDITILE:
    case WM_MDICASCADE:
      if (FSkinFrame && manager && manager->MdiMaximized()) manager->SetMdiMaximized(false);
      client.CallDefault(message);
      return;
    case SKM_REDRAWCLIENT:
      RedrawWindow(FMdiClient, nullptr, nullptr, kRedrawClientFlags);
      return;
    default:
      client.CallDefault(message);
      return;
  }
}

}  // namespace skin
