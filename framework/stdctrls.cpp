#include "framework/stdctrls.h"

#include <algorithm>

namespace fw {

// ---- TLabel ---------------------------------------------------------------------------------

const ClassInfo& TLabel::StaticClass() {
  static const ClassInfo info = ClassBuilder<TLabel>("TLabel", &TGraphicControl::StaticClass())
                                    .Creatable()
                                    .Boolean("Transparent", &TLabel::Transparent, &TLabel::SetTransparent)
                                    .Build();
  return info;
}

TLabel::TLabel(TComponent* owner) : TGraphicControl(owner) {
  SetBounds(0, 0, 65, 17);
  SetParentColor(true);
}

void TLabel::SetTransparent(bool value) {
  if (transparent_ == value) return;
  transparent_ = value;
  Invalidate();
}

void TLabel::Paint(HDC dc) {
  RECT r = ClientRect();
  if (!transparent_) {
    UniqueBrush brush(CreateSolidBrush(ColorToRGB(Color())));
    FillRect(dc, &r, brush.get());
  }
  SelectObjectGuard font(dc, Font()->Handle());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, ColorToRGB(Enabled() ? Font()->Color() : clGrayText));
  std::string text = Caption();
  DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &r, DT_LEFT | DT_EXPANDTABS | DT_WORDBREAK);
}

// ---- TPanel ---------------------------------------------------------------------------------

const EnumType kBevelCutType{"TBevelCut", {"bvNone", "bvLowered", "bvRaised", "bvSpace"}};

const ClassInfo& TPanel::StaticClass() {
  static const ClassInfo info = ClassBuilder<TPanel>("TPanel", &TWinControl::StaticClass())
                                    .Creatable()
                                    .Enumeration("BevelInner", kBevelCutType, &TPanel::BevelInner, &TPanel::SetBevelInner)
                                    .Enumeration("BevelOuter", kBevelCutType, &TPanel::BevelOuter, &TPanel::SetBevelOuter)
                                    .Build();
  return info;
}

TPanel::TPanel(TComponent* owner) : TWinControl(owner) {
  ownPainting_ = true;
  SetBounds(0, 0, 185, 41);
  SetColor(clBtnFace);
}

void TPanel::SetBevelOuter(TBevelCut value) {
  bevelOuter_ = value;
  Invalidate();
}

void TPanel::SetBevelInner(TBevelCut value) {
  bevelInner_ = value;
  Invalidate();
}

void TPanel::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.style |= WS_CLIPCHILDREN;
}

void TPanel::PaintWindow(HDC dc) {
  RECT r = ClientRect();
  FillRect(dc, &r, ColorBrush());
  auto edge = [&](TBevelCut cut) {
    if (cut == TBevelCut::bvRaised) DrawEdge(dc, &r, BDR_RAISEDINNER, BF_RECT | BF_ADJUST);
    else if (cut == TBevelCut::bvLowered) DrawEdge(dc, &r, BDR_SUNKENOUTER, BF_RECT | BF_ADJUST);
    else if (cut == TBevelCut::bvSpace) InflateRect(&r, -1, -1);
  };
  edge(bevelOuter_);
  edge(bevelInner_);
  if (std::string text = Caption(); !text.empty()) {
    SelectObjectGuard font(dc, Font()->Handle());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ColorToRGB(Font()->Color()));
    DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  }
  PaintControls(dc);
}

// ---- TBitBtn --------------------------------------------------------------------------------

const ClassInfo& TBitBtn::StaticClass() {
  static const ClassInfo info = ClassBuilder<TBitBtn>("TBitBtn", &TWinControl::StaticClass()).Creatable().Build();
  return info;
}

TBitBtn::TBitBtn(TComponent* owner) : TWinControl(owner) {
  SetBounds(0, 0, 75, 25);
  SetTabStop(true);
  SetColor(clBtnFace);
}

void TBitBtn::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.superclassOf = "BUTTON";
  params.style |= BS_PUSHBUTTON;
}

void TBitBtn::WndProc(TMessage& message) {
  if (message.Msg == CN_COMMAND && HIWORD(message.WParam) == BN_CLICKED) {
    Click();
    return;
  }
  TWinControl::WndProc(message);
}

// ---- TMemo ----------------------------------------------------------------------------------

const EnumType kScrollStyleType{"TScrollStyle", {"ssNone", "ssHorizontal", "ssVertical", "ssBoth"}};

const ClassInfo& TMemo::StaticClass() {
  static const ClassInfo info = ClassBuilder<TMemo>("TMemo", &TWinControl::StaticClass())
                                    .Creatable()
                                    .Enumeration("ScrollBars", kScrollStyleType, &TMemo::ScrollBars, &TMemo::SetScrollBars)
                                    .Boolean("WordWrap", &TMemo::WordWrap, &TMemo::SetWordWrap)
                                    .String("Text", &TMemo::Text, &TMemo::SetText)
                                    .Build();
  return info;
}

TMemo::TMemo(TComponent* owner) : TWinControl(owner) {
  SetBounds(0, 0, 185, 89);
  SetTabStop(true);
  SetColor(clWindow);
}

void TMemo::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.superclassOf = "EDIT";
  params.exStyle |= WS_EX_CLIENTEDGE;
  params.style |= ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | ES_NOHIDESEL;
  if (!wordWrap_) params.style |= ES_AUTOHSCROLL;
  if (scrollBars_ == TScrollStyle::ssVertical || scrollBars_ == TScrollStyle::ssBoth) params.style |= WS_VSCROLL;
  if (scrollBars_ == TScrollStyle::ssHorizontal || scrollBars_ == TScrollStyle::ssBoth) params.style |= WS_HSCROLL;
}

void TMemo::InitializeWindow() {
  // No limit: a preview shows the whole record, however long.
  SendMessageA(Handle(), EM_LIMITTEXT, 0, 0);
}

void TMemo::WndProc(TMessage& message) {
  if (message.Msg == CN_CTLCOLOREDIT || message.Msg == CN_CTLCOLORSTATIC) {
    HDC dc = reinterpret_cast<HDC>(message.WParam);
    SetTextColor(dc, ColorToRGB(Font()->Color()));
    SetBkColor(dc, ColorToRGB(Color()));
    message.Result = reinterpret_cast<LRESULT>(ColorBrush());
    return;
  }
  TWinControl::WndProc(message);
}

// ---- TSplitter ------------------------------------------------------------------------------

const ClassInfo& TSplitter::StaticClass() {
  static const ClassInfo info = ClassBuilder<TSplitter>("TSplitter", &TGraphicControl::StaticClass())
                                    .Creatable()
                                    .Integer("MinSize", &TSplitter::MinSize, &TSplitter::SetMinSize)
                                    .Build();
  return info;
}

TSplitter::TSplitter(TComponent* owner) : TGraphicControl(owner) {
  SetBounds(0, 0, 3, 100);
  SetAlign(TAlign::alLeft);
  SetCursor(crHSplit);
  SetParentColor(true);
}

void TSplitter::Paint(HDC dc) {
  RECT r = ClientRect();
  UniqueBrush brush(CreateSolidBrush(ColorToRGB(Color())));
  FillRect(dc, &r, brush.get());
}

TControl* TSplitter::FindResizedControl() const {
  TWinControl* parent = Parent();
  if (!parent) return nullptr;
  for (int i = 0; i < parent->ControlCount(); ++i) {
    TControl* c = parent->Controls(i);
    if (c == this || !c->Visible() || c->Align() != Align()) continue;
    switch (Align()) {
      case TAlign::alTop: if (c->Top() + c->Height() == Top()) return c; break;
      case TAlign::alBottom: if (c->Top() == Top() + Height()) return c; break;
      case TAlign::alLeft: if (c->Left() + c->Width() == Left()) return c; break;
      case TAlign::alRight: if (c->Left() == Left() + Width()) return c; break;
      default: break;
    }
  }
  return nullptr;
}

int TSplitter::SpaceAfter() const {
  TWinControl* parent = Parent();
  RECT client = parent->ClientRect();
  bool vertical = Align() == TAlign::alTop || Align() == TAlign::alBottom;
  int total = vertical ? client.bottom : client.right;
  int used = 0;
  for (int i = 0; i < parent->ControlCount(); ++i) {
    TControl* c = parent->Controls(i);
    if (!c->Visible() || c->Align() == TAlign::alNone || c->Align() == TAlign::alClient) continue;
    bool sameAxis = (c->Align() == TAlign::alTop || c->Align() == TAlign::alBottom) == vertical;
    if (sameAxis) used += vertical ? c->Height() : c->Width();
  }
  return total - used;
}

void TSplitter::WndProc(TMessage& message) {
  bool vertical = Align() == TAlign::alTop || Align() == TAlign::alBottom;
  switch (message.Msg) {
    case WM_LBUTTONDOWN:
      resized_ = FindResizedControl();
      if (resized_) {
        dragging_ = true;
        GetCursorPos(&dragStart_);
        startSize_ = vertical ? resized_->Height() : resized_->Width();
      }
      break;
    case WM_MOUSEMOVE:
      if (dragging_ && resized_) {
        POINT p;
        GetCursorPos(&p);
        int delta = vertical ? p.y - dragStart_.y : p.x - dragStart_.x;
        if (Align() == TAlign::alBottom || Align() == TAlign::alRight) delta = -delta;
        int current = vertical ? resized_->Height() : resized_->Width();
        // The resized control keeps MinSize, and so does the space that the rest fills.
        int wanted = std::max(startSize_ + delta, minSize_);
        wanted = std::min(wanted, current + SpaceAfter() - minSize_);
        wanted = std::max(wanted, std::min(current, minSize_));
        if (wanted != current) {
          if (vertical) resized_->SetHeight(wanted);
          else resized_->SetWidth(wanted);
          if (Parent()) UpdateWindow(Parent()->Handle());
        }
      }
      break;
    case WM_LBUTTONUP:
      dragging_ = false;
      resized_ = nullptr;
      break;
    default:
      break;
  }
  TGraphicControl::WndProc(message);
}

}  // namespace fw
