#include "skin/controls/skin_control.h"

#include <algorithm>
#include <exception>

#include "framework/handles.h"
#include "skin/controls/prop_by_name.h"
#include "skin/core/optional_user32.h"
#include "skin/core/skin_messages.h"
#include "skin/paint/skin_paint.h"
#include "skin/paint/skin_text.h"

namespace skin {

const fw::ClassInfo& TSkinControl::StaticClass() {
  static const fw::ClassInfo info =
      fw::ClassBuilder<TSkinControl>("TSkinControl", &fw::TComponent::StaticClass()).Build();
  return info;
}

TSkinControl::TSkinControl(fw::TComponent* owner) : fw::TComponent(owner) {}

TSkinControl::~TSkinControl() {
  Unhook();
  if (FForm) FForm->RemoveSkinner(this);
}

void TSkinControl::Register(ISkinnerHost* form) {
  FForm = form;
  if (FForm) FForm->AddSkinner(this);
}

fw::TColor TSkinControl::FaceColor() const { return FSkinData ? FSkinData->Colours[ciButtonFace] : fw::clBtnFace; }

void TSkinControl::InitControl(ISkinnerHost* form, TSkinData* skinData, fw::TCanvas* canvas, bool setColor) {
  if (FInitialized) return;
  FSetColor = setColor;
  FSkinData = skinData;
  FCanvas = canvas;
  FControl = dynamic_cast<fw::TControl*>(Owner());
  if (!FControl) return;
  if (auto* windowed = dynamic_cast<fw::TWinControl*>(FControl)) {
    FHandle = windowed->Handle();
    FUnicode = IsWindowUnicode(FHandle) != FALSE;
  }
  HookControl(FControl);
  Register(form);
  if (FSetColor) {
    FOldColor = FControl->Color();
    FControl->SetColor(FaceColor());
  }
  FControl->Invalidate();
  FInitialized = true;
  FLifeState = kSkinnerAttached;
}

void TSkinControl::InitHandle(HWND window, TSkinData* skinData, fw::TCanvas* canvas, ISkinnerHost* form) {
  if (FInitialized) return;
  FSkinData = skinData;
  FCanvas = canvas;
  FHandle = window;
  FEnabled = true;
  FKind = 0;
  Register(form);
  FUnicode = IsWindowUnicode(window) != FALSE;
  FCaption = GetWindowCaption(window);
  HookWindow(window);
  if (FHandle) InvalidateRect(FHandle, nullptr, TRUE);
  FInitialized = true;
  FLifeState = kSkinnerAttached;
}

void TSkinControl::Unskin() {
  if (!FActive) return;
  FActive = false;
  if (FLifeState != kSkinnerDestroyed && FSetColor && FControl) FControl->SetColor(FOldColor);
}

void TSkinControl::SkinWndProc(fw::TMessage& message) {
  if (message.Msg == SKM_SETSKINACTIVE) {
    FActive = static_cast<int>(message.WParam) > 0;
    if (FActive) Redraw();
    return;
  }
  if (!FActive) {
    // An inactive skinner is transparent, but still knows when its window is gone, so that the
    // form skinner purges it.
    if (message.Msg == WM_NCDESTROY) FLifeState = kSkinnerDestroyed;
    CallDefault(message);
    return;
  }
  if (BeforeMessage(message)) {
    // The control's own handling may end in a handler that frees the control and this skinner
    // with it (a check box freed by its own click).
    const fw::TLifeToken life = LifeToken();
    CallDefault(message);
    if (life.Alive()) AfterMessage(message);
  }
}

bool TSkinControl::BeforeMessage(fw::TMessage& message) {
  switch (message.Msg) {
    case WM_NCDESTROY:
      FLifeState = kSkinnerDestroyed;
      CallDefault(message);
      if (FActive) Unskin();
      return false;
    case SKM_ISSKINNED:
      message.Result = 1;
      return false;
    default:
      return true;
  }
}

void TSkinControl::AfterMessage(fw::TMessage& message) {
  switch (message.Msg) {
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_ENABLE:
    case WM_SETTEXT:
    case fw::CM_ENABLEDCHANGED:
      Redraw();
      break;
    case WM_PAINT:
      PaintControl(reinterpret_cast<HDC>(message.WParam));
      break;
    default:
      break;
  }
}

void TSkinControl::PaintControl(HDC dc) {
  RECT window{};
  if (!FHandle || !GetWindowRect(FHandle, &window)) return;
  FWindowRect = window;
  const RECT rect{0, 0, window.right - window.left, window.bottom - window.top};
  try {
    if (dc) {
      DrawControl(dc, rect);
    } else if (fw::WindowDC windowDC(FHandle, fw::WindowDC::Area::Window); windowDC) {
      DrawControl(windowDC.get(), rect);
    }
  } catch (const std::exception& error) {
    // The control keeps its own look; the error goes to the debugger output.
    ReportSkinnerError(error.what());
  }
}

void TSkinControl::DrawControl(HDC, const RECT&) {}

void TSkinControl::SkinChanged() {
  if (FSetColor && FControl) FControl->SetColor(FaceColor());
  Redraw();
}

void TSkinControl::Redraw() {
  if (FGraphicControl) {
    FGraphicControl->Invalidate();
  } else if (FHandle) {
    InvalidateRect(FHandle, nullptr, TRUE);
    UpdateWindow(FHandle);
  }
}

void TSkinControl::FillFace(HDC dc, const RECT& rect) const {
  fw::UniqueBrush brush(CreateSolidBrush(fw::ColorToRGB(FaceColor())));
  FillRect(dc, &rect, brush.get());
}

void TSkinControl::FillParentColor(HDC dc, const RECT& rect) const {
  fw::UniqueBrush brush(CreateSolidBrush(fw::ColorToRGB(GetParentColor(FaceColor()))));
  FillRect(dc, &rect, brush.get());
}

fw::TColor TSkinControl::GetParentColor(fw::TColor defaultColor) const {
  fw::TWinControl* parent = FControl ? FControl->Parent() : nullptr;
  const fw::PropInfo* color = parent ? parent->Class().FindProperty("Color") : nullptr;
  if (!color || color->kind != fw::PropKind::Integer) return defaultColor;
  return static_cast<fw::TColor>(GetOrdPropByName(parent, "Color"));
}

LONG TSkinControl::GetWindowLongEx(HWND window, int index) const {
  return FUnicode ? GetWindowLongW(window, index) : GetWindowLongA(window, index);
}

void TSkinControl::DrawTextFocus(HDC dc, UINT flags, const RECT& rect) const {
  RECT text = rect;
  DrawSkinText(dc, FCaption, text, flags | DT_CALCRECT | DT_NOCLIP);
  const int width = text.right - text.left, height = text.bottom - text.top;
  if (flags & DT_CENTER) {
    OffsetRect(&text, (rect.right - rect.left - width) / 2, (rect.bottom - rect.top - height) / 2 - 1);
  } else if (flags & DT_RIGHT) {
    OffsetRect(&text, rect.right - rect.left - width, 0);
  }
  InflateRect(&text, 2, 1);
  text.left = std::max(text.left, rect.left);
  text.top = std::max(text.top, rect.top);
  text.right = std::min(text.right, rect.right);
  text.bottom = std::min(text.bottom, rect.bottom);
  ::DrawFocusRect(dc, &text);
}

void TSkinControl::ForwardMouseDown(const fw::TMessage& message) const {
  if (!FControl) return;
  POINT point{static_cast<short>(LOWORD(message.LParam)), static_cast<short>(HIWORD(message.LParam))};
  // Beyond 0x8000 pixels the 16-bit coordinates of the message wrap: the cursor tells the truth.
  if (FControl->Width() > 0x8000 || FControl->Height() > 0x8000) {
    GetCursorPos(&point);
    const POINT origin = FControl->ClientToScreen({0, 0});
    point = {point.x - origin.x, point.y - origin.y};
  }
  FControl->MouseDown(fw::TMouseButton::mbLeft, static_cast<fw::TShiftState>(message.WParam), point.x, point.y);
}

bool TSkinControl::TrackHotState(const fw::TMessage& message) {
  if (message.Msg == WM_MOUSEMOVE) {
    if (!(FState & scHot) && FHandle && IsWindowEnabled(FHandle)) {
      FState |= scHot;
      Redraw();
    }
    if (auto track = User32Entries().TrackMouseEvent; track && FHandle) {
      TRACKMOUSEEVENT leave{sizeof leave, TME_LEAVE, FHandle, 0};
      track(&leave);
    }
    return true;
  }
  if (message.Msg == WM_MOUSELEAVE) {
    FState &= static_cast<TSkinControlState>(~(scHot | scDown));
    Redraw();
    return true;
  }
  return false;
}

// ---- Free routines ----------------------------------------------------------------------------

UINT AddBiDiFlags(const TSkinControl& skinner, UINT flags) {
  // Every right-to-left mode ("bdRightToLeft", "...NoAlign", "...ReadingOnly") reads right to left.
  for (const fw::TControl* control : {skinner.FControl, skinner.FGraphicControl}) {
    if (control && GetEnumPropByName(control, "BiDiMode").starts_with("bdRightToLeft")) return flags | DT_RTLREADING;
  }
  return flags;
}

void CopyBitmap(const fw::TBitmap& source, fw::TBitmap& destination) { destination.Assign(source); }

bool IsPopupWindow(HWND window) {
  constexpr uintptr_t kDropDownOwner = 0x10014;
  return (GetWindowLongA(window, GWL_STYLE) & WS_POPUP) != 0 ||
         reinterpret_cast<uintptr_t>(GetParent(window)) == kDropDownOwner;
}

void OwnPaint(TSkinControl& skinner, fw::TMessage& message) {
  auto draw = [&](HDC dc) {
    RECT window{};
    if (!GetWindowRect(skinner.FHandle, &window)) return;
    skinner.FWindowRect = window;
    skinner.DrawControl(dc, RECT{0, 0, window.right - window.left, window.bottom - window.top});
  };
  if (message.WParam) {
    draw(reinterpret_cast<HDC>(message.WParam));
  } else {
    fw::PaintDC paint(skinner.FHandle);
    draw(paint.get());
  }
}

void OwnEraseBackground(TSkinControl& skinner, fw::TMessage& message) {
  const auto dc = reinterpret_cast<HDC>(message.WParam);
  if (skinner.FControl) {
    DrawParentBackground(*skinner.FControl, dc);
  } else {
    RECT client{};
    GetClientRect(skinner.FHandle, &client);
    skinner.FillParentColor(dc, client);
  }
  message.Result = 1;
}

}  // namespace skin
