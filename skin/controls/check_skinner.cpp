#include "skin/controls/check_skinner.h"

#include <algorithm>
#include <string>

#include "framework/handles.h"
#include "skin/controls/prop_by_name.h"
#include "skin/core/window_names.h"
#include "skin/paint/platform_family.h"
#include "skin/paint/skin_paint.h"
#include "skin/paint/skin_text.h"

namespace skin {

const fw::ClassInfo& TSkinCheckBox::StaticClass() {
  static const fw::ClassInfo info =
      fw::ClassBuilder<TSkinCheckBox>("TSkinCheckBox", &TSkinControl::StaticClass()).Build();
  return info;
}
const fw::ClassInfo& TSkinRadioButton::StaticClass() {
  static const fw::ClassInfo info =
      fw::ClassBuilder<TSkinRadioButton>("TSkinRadioButton", &TSkinCheckBox::StaticClass()).Build();
  return info;
}

namespace {

constexpr int32_t kTransparentTag = 5555;
constexpr UINT kFrameworkExit = 0xB01B;
constexpr UINT kFrameworkCheckRedraw = 0xB0D0;

bool HasProperty(const fw::TObject* control, std::string_view name) {
  return control && control->Class().FindProperty(name) != nullptr;
}

// The control's font colour; the system's default text colours give way to the skin's button
// text, which stays readable on a dark skin.
fw::TColor CaptionColor(fw::TColor font, const TSkinData& skin) {
  return font == fw::clWindowText || font == fw::clBtnText ? skin.Colours[ciButtonText] : font;
}

int TranslateLongStrip(int state) {
  switch (state) {
    case 2:
      return 5;
    case 3:
      return 4;
    case 4:
      return 8;
    default:
      return state;
  }
}

}  // namespace

int CheckImageFrame(int state, int frameCount, bool indeterminate, bool disabled) {
  if (frameCount != 12) return state;
  if (indeterminate) return disabled ? 12 : 9;
  return TranslateLongStrip(state);
}

int RadioImageFrame(int state, int frameCount) { return frameCount == 8 ? TranslateLongStrip(state) : state; }

void TSkinCheckBox::InitControl(ISkinnerHost* form, TSkinData* skinData, fw::TCanvas* canvas, bool setColor) {
  if (FInitialized) return;
  TSkinControl::InitControl(form, skinData, canvas, setColor);
  FCheckValue = 0;
  FKind = 0;
  if (!FControl) return;
  int frames = 0;
  FKind = Image(frames) ? 1 : 0;
  FTransparent = FControl->Tag() == kTransparentTag || (FSkinData && FSkinData->HasOption(xoTransparent));
}

const fw::TBitmap* TSkinCheckBox::Image(int& frameCount) const {
  if (!FSkinData || !FSkinData->Buttons) return nullptr;
  const TDataSkinButton& buttons = *FSkinData->Buttons;
  frameCount = buttons.CheckFrames;
  return buttons.CheckBitmap && !buttons.CheckBitmap->Empty() && frameCount > 0 ? buttons.CheckBitmap.get() : nullptr;
}

const fw::TBitmap* TSkinRadioButton::Image(int& frameCount) const {
  if (!FSkinData || !FSkinData->Buttons) return nullptr;
  const TDataSkinButton& buttons = *FSkinData->Buttons;
  frameCount = buttons.RadioFrames;
  return buttons.RadioBitmap && !buttons.RadioBitmap->Empty() && frameCount > 0 ? buttons.RadioBitmap.get() : nullptr;
}

bool TSkinCheckBox::BeforeMessage(fw::TMessage& message) {
  const bool passOn = TSkinControl::BeforeMessage(message);
  switch (message.Msg) {
    case WM_PAINT:
    case WM_PRINTCLIENT:
      if (FKind != 1) return passOn;
      OwnPaint(*this, message);
      return false;
    case WM_ERASEBKGND:
      if (!FTransparent) return passOn;
      OwnEraseBackground(*this, message);
      return false;
    default:
      return passOn;
  }
}

void TSkinCheckBox::AfterMessage(fw::TMessage& message) {
  switch (message.Msg) {
    case BM_SETCHECK:
      FCheckValue = static_cast<int32_t>(message.WParam) + 1;
      Redraw();
      return;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case kFrameworkExit:
    // The system's button paints itself at once on these, outside WM_PAINT.
    case BM_SETSTATE:
    case BM_SETSTYLE:
    case WM_UPDATEUISTATE:
    case WM_SETFONT:
    case kFrameworkCheckRedraw:
      Redraw();
      return;
    default:
      TSkinControl::AfterMessage(message);
  }
}

void TSkinRadioButton::AfterMessage(fw::TMessage& message) {
  if (message.Msg == BM_SETCHECK) {
    Redraw();
    return;
  }
  TSkinCheckBox::AfterMessage(message);
}

int TSkinCheckBox::Frame(int frameCount) {
  const auto state = static_cast<UINT>(SendMessageW(FHandle, BM_GETSTATE, 0, 0));
  int s = (state & BST_CHECKED) ? 2 : 1;
  if (FControl) {
    if (HasProperty(FControl, "State")) {
      const std::string value = LowerCaseAscii(GetEnumPropByName(FControl, "State"));
      if (value.find("uncheck") != std::string::npos) {
        s = 1;
      } else if (value.find("check") != std::string::npos) {
        s = 2;
      } else if (value.find("gray") != std::string::npos) {
        s = 4;
      }
    } else if (HasProperty(FControl, "Checked")) {
      s = LowerCaseAscii(GetEnumPropByName(FControl, "Checked")) == "true" ? 2 : 1;
    }
    if (HasProperty(FControl, "DataField") && FCheckValue != 0) s = FCheckValue == 3 ? 4 : FCheckValue;
    if (HasProperty(FControl, "DataBinding")) s = 1;
  }
  const bool disabled = (GetWindowLongEx(FHandle, GWL_STYLE) & WS_DISABLED) != 0;
  if (disabled) s += 2;
  const bool indeterminate = (state & BST_INDETERMINATE) != 0;
  if (indeterminate) s = 4;
  return CheckImageFrame(std::min(s, 4), frameCount, indeterminate, disabled);
}

int TSkinRadioButton::Frame(int frameCount) {
  int s = (SendMessageW(FHandle, BM_GETCHECK, 0, 0) & 1) ? 2 : 1;
  if (HasProperty(FControl, "Checked")) s = LowerCaseAscii(GetEnumPropByName(FControl, "Checked")) == "true" ? 2 : 1;
  if (GetWindowLongEx(FHandle, GWL_STYLE) & WS_DISABLED) s += 2;
  return RadioImageFrame(s, frameCount);
}

void TSkinCheckBox::DrawControl(HDC dc, const RECT& rect) {
  int frames = 0;
  const fw::TBitmap* image = Image(frames);
  if (!image) {
    FKind = 0;
    return;
  }
  const int fw_ = image->Width() / frames, fh = image->Height();
  if (fw_ <= 0) return;
  const int frame = Frame(frames);
  const LONG style = GetWindowLongEx(FHandle, GWL_STYLE);
  const bool rightToLeft = FControl && FControl->UseRightToLeftReading();
  const int top = rect.top + (rect.bottom - rect.top - fh) / 2;
  RECT glyph{}, text = rect;
  UINT flags = 0;
  if (style & BS_LEFTTEXT) {
    const int inset = LeftTextInset();
    glyph = {rect.right - fw_ - inset, top, rect.right - inset, top + fh};
    text.right = rect.right - fw_ - 2 - inset;
    flags = rightToLeft ? DT_RIGHT | DT_RTLREADING : 0;
  } else {
    glyph = {rect.left, top, rect.left + fw_, top + fh};
    text.left = rect.left + fw_ + 2;
    flags = rightToLeft ? DT_RTLREADING : 0;
  }
  // Composed off-screen and shown with one blit.
  fw::TBitmap canvas(rect.right - rect.left, rect.bottom - rect.top);
  HDC target = canvas.DC();
  SetViewportOrgEx(target, -rect.left, -rect.top, nullptr);
  if (FKind != 1) {
    BitBlt(target, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, dc, rect.left, rect.top,
           SRCCOPY);
  } else if (FTransparent && FControl) {
    DrawParentBackground(*FControl, target);
  } else {
    FillFace(target, rect);
  }
  DrawFrameMasked(target, glyph, frames, frame, *image);
  if (FKind != 0) {
    FCaption = GetWindowCaption(FHandle);
    if (FControl) FCaption = GetStrPropByName(FControl, "Caption");
    HFONT font = reinterpret_cast<HFONT>(SendMessageW(FHandle, WM_GETFONT, 0, 0));
    fw::TColor color = fw::kSystemColor | COLOR_BTNSHADOW;
    if (FControl) {
      font = FControl->Font()->Handle();
      if (!(style & WS_DISABLED)) color = CaptionColor(FControl->Font()->Color(), *FSkinData);
    } else if (!(style & WS_DISABLED)) {
      color = FSkinData->Colours[ciButtonText];
    }
    fw::SelectObjectGuard selected(target, font);
    SetTextColor(target, fw::ColorToRGB(color));
    SetBkColor(target, fw::ColorToRGB(FSkinData->Colours[ciButtonFace]));
    SetBkMode(target, TRANSPARENT);
    RECT measured = text;
    DrawSkinText(target, FCaption, measured, flags | DT_CALCRECT | DT_NOCLIP | DT_EXPANDTABS | DT_WORDBREAK);
    OffsetRect(&text, 0, ((text.bottom - text.top) - (measured.bottom - measured.top)) / 2);
    FFocused = GetFocus() == FHandle;
    if (FFocused && !FCaption.empty() && RunningPlatform().Major != 6)
      DrawTextFocus(target, flags | DT_EXPANDTABS | DT_WORDBREAK, text);
    DrawSkinText(target, FCaption, text, flags | DT_EXPANDTABS | DT_WORDBREAK);
  }
  SetViewportOrgEx(target, 0, 0, nullptr);
  BitBlt(dc, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, target, 0, 0, SRCCOPY);
}

}  // namespace skin
