#include "skin/controls/group_box_skinner.h"

#include "framework/handles.h"
#include "skin/controls/prop_by_name.h"
#include "skin/paint/skin_text.h"

namespace skin {

const fw::ClassInfo& TSkinGroupBox::StaticClass() {
  static const fw::ClassInfo info =
      fw::ClassBuilder<TSkinGroupBox>("TSkinGroupBox", &TSkinControl::StaticClass()).Build();
  return info;
}

GroupBoxLayout LayoutGroupBox(SIZE size, int textHeight, bool rightAligned) {
  constexpr int kCaptionIndent = 8;
  GroupBoxLayout layout;
  const int top = textHeight / 2 - 1;
  layout.Frame = RECT{1, top, size.cx - 1, size.cy - 1};
  if (rightAligned) {
    layout.Caption = RECT{0, 0, size.cx - kCaptionIndent, size.cy};
    layout.Format = DT_RIGHT | DT_EXPANDTABS;
  } else {
    layout.Caption = RECT{kCaptionIndent, 0, size.cx, size.cy};
    layout.Format = DT_EXPANDTABS;
  }
  return layout;
}

void TSkinGroupBox::InitControl(ISkinnerHost* form, TSkinData* skinData, fw::TCanvas* canvas, bool setColor) {
  TSkinControl::InitControl(form, skinData, canvas, setColor);
  if (FControl) FKind = 1;
}

bool TSkinGroupBox::BeforeMessage(fw::TMessage& message) {
  if (!TSkinControl::BeforeMessage(message)) return false;
  // WM_PRINTCLIENT is a paint into the DC it brings.
  if (FKind == 1 && (message.Msg == WM_PAINT || message.Msg == WM_PRINTCLIENT)) {
    OwnPaint(*this, message);
    return false;
  }
  return true;
}

void TSkinGroupBox::AfterMessage(fw::TMessage& message) {
  // A bare group box printed itself into the DC: the skinned look goes over it there too.
  if (FKind == 0 && message.Msg == WM_PRINTCLIENT && message.WParam) {
    PaintControl(reinterpret_cast<HDC>(message.WParam));
    return;
  }
  TSkinControl::AfterMessage(message);
}

void TSkinGroupBox::DrawControl(HDC dc, const RECT& rect) {
  if (!FHandle || !FSkinData) return;
  FCaption = GetWindowCaption(FHandle);
  if (FCaption.empty() && FControl) FCaption = GetStrPropByName(FControl, "Caption");
  if (FControl) FillFace(dc, rect);

  DrawFrameAndCaption(dc, rect);
  if (FKind == 1)
    if (auto* windowed = dynamic_cast<fw::TWinControl*>(FControl)) windowed->PaintControls(dc);
}

void TSkinGroupBox::DrawFrameAndCaption(HDC dc, const RECT& rect) {
  fw::UniquePen pen(CreatePen(PS_SOLID, 1, fw::ColorToRGB(FSkinData->Colours[ciButtonShadow])));
  fw::SavedDCState saved(dc);  // restored before the pen goes
  auto font = reinterpret_cast<HFONT>(SendMessageW(FHandle, WM_GETFONT, 0, 0));
  // The skin's button text colour, unless the program gave the control's font a colour of its own:
  // the system's default text colour would be unreadable on a dark skin's face.
  COLORREF textColor = fw::ColorToRGB(FSkinData->Colours[ciButtonText]);
  if (FControl && FControl->Font()) {
    font = FControl->Font()->Handle();
    const fw::TColor own = FControl->Font()->Color();
    if (own != fw::clWindowText && own != fw::clBtnText) textColor = fw::ColorToRGB(own);
  }
  if (font) SelectObject(dc, font);
  SIZE zero{};
  GetTextExtentPoint32W(dc, L"0", 1, &zero);
  const GroupBoxLayout layout = LayoutGroupBox(SIZE{rect.right - rect.left, rect.bottom - rect.top}, zero.cy,
                                               (GetWindowLongEx(FHandle, GWL_EXSTYLE) & WS_EX_RIGHT) != 0);

  if (FKind == 0) {
    // The window's own frame goes under the face colour first.
    RECT erase{0, layout.Frame.top, rect.right, rect.bottom};
    FrameRect(dc, &erase, FSkinData->FaceBrush.get());
    InflateRect(&erase, -1, -1);
    FrameRect(dc, &erase, FSkinData->FaceBrush.get());
  }
  SelectObject(dc, pen.get());
  SelectObject(dc, GetStockObject(NULL_BRUSH));
  RoundRect(dc, layout.Frame.left, layout.Frame.top, layout.Frame.right, layout.Frame.bottom, 5, 5);

  if (!FCaption.empty()) {
    SetBkMode(dc, OPAQUE);
    SetBkColor(dc, fw::ColorToRGB(FaceColor()));
    SetTextColor(dc, textColor);
    RECT caption = layout.Caption;
    DrawSkinText(dc, FCaption, caption, layout.Format & DT_RIGHT ? AddBiDiFlags(*this, layout.Format) : layout.Format);
  }
}

}  // namespace skin
