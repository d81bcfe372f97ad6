#include "framework/scroll_box.h"

#include <algorithm>

namespace fw {

// ---- TControlScrollBar ----------------------------------------------------------------------

const ClassInfo& TControlScrollBar::StaticClass() {
  static const ClassInfo info = ClassBuilder<TControlScrollBar>("TControlScrollBar", &TPersistent::StaticClass())
                                    .Integer("Position", &TControlScrollBar::Position, &TControlScrollBar::SetPosition)
                                    .Integer("Range", &TControlScrollBar::Range, &TControlScrollBar::SetRange)
                                    .Build();
  return info;
}

void TControlScrollBar::SetRange(int value) {
  range_ = std::max(value, 0);
  control_.UpdateScrollBars();
}

void TControlScrollBar::SetPosition(int value) {
  if (bar_ == SB_HORZ)
    control_.ScrollTo(value, control_.VertScrollBar()->Position());
  else
    control_.ScrollTo(control_.HorzScrollBar()->Position(), value);
}

bool TControlScrollBar::IsScrollBarVisible() const {
  if (!control_.HandleAllocated()) return false;
  LONG style = GetWindowLongA(control_.Handle(), GWL_STYLE);
  return (style & (bar_ == SB_HORZ ? WS_HSCROLL : WS_VSCROLL)) != 0;
}

// ---- TScrollingWinControl -------------------------------------------------------------------

const ClassInfo& TScrollingWinControl::StaticClass() {
  static const ClassInfo info =
      ClassBuilder<TScrollingWinControl>("TScrollingWinControl", &TWinControl::StaticClass())
          .Boolean("AutoScroll", &TScrollingWinControl::AutoScroll, &TScrollingWinControl::SetAutoScroll)
          .SubObject("HorzScrollBar", TControlScrollBar::StaticClass(), &TScrollingWinControl::HorzScrollBar)
          .SubObject("VertScrollBar", TControlScrollBar::StaticClass(), &TScrollingWinControl::VertScrollBar)
          .Build();
  return info;
}

TScrollingWinControl::TScrollingWinControl(TComponent* owner)
    : TWinControl(owner),
      horz_(std::make_unique<TControlScrollBar>(*this, SB_HORZ)),
      vert_(std::make_unique<TControlScrollBar>(*this, SB_VERT)) {
  ownPainting_ = true;
}

TScrollingWinControl::~TScrollingWinControl() { updating_ = true; }

void TScrollingWinControl::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.style |= WS_CLIPCHILDREN;
}

void TScrollingWinControl::SetAutoScroll(bool value) {
  autoScroll_ = value;
  UpdateScrollBars();
}

void TScrollingWinControl::ChildBoundsChanged() { UpdateScrollBars(); }

void TScrollingWinControl::Loaded() {
  TWinControl::Loaded();
  UpdateScrollBars();
}

void TScrollingWinControl::UpdateScrollBars() {
  if (!HandleAllocated() || updating_ || HasState(ComponentState::Loading)) return;
  updating_ = true;
  // What the children cover, measured from the unscrolled origin.
  int right = 0, bottom = 0;
  if (autoScroll_) {
    for (int i = 0; i < ControlCount(); ++i) {
      TControl* c = Controls(i);
      if (!c->Visible() || c->Align() != TAlign::alNone) continue;
      right = std::max(right, c->Left() + c->Width() + horz_->position_);
      bottom = std::max(bottom, c->Top() + c->Height() + vert_->position_);
    }
  }
  horz_->effectiveRange_ = std::max(horz_->range_, right);
  vert_->effectiveRange_ = std::max(vert_->range_, bottom);
  // Showing one bar narrows the client area and may call for the other: settle in two rounds.
  for (int round = 0; round < 2; ++round) {
    RECT client;
    GetClientRect(Handle(), &client);
    for (TControlScrollBar* bar : {horz_.get(), vert_.get()}) {
      int page = static_cast<int>(bar->bar_ == SB_HORZ ? client.right : client.bottom);
      SCROLLINFO info{sizeof info,
                      SIF_RANGE | SIF_PAGE,
                      0,
                      bar->effectiveRange_ > page ? bar->effectiveRange_ - 1 : 0,
                      static_cast<UINT>(std::max(page, 0)),
                      0,
                      0};
      SetScrollInfo(Handle(), bar->bar_, &info, TRUE);
    }
  }
  updating_ = false;
  // Keep the positions inside the new ranges.
  RECT client;
  GetClientRect(Handle(), &client);
  ScrollTo(std::min(horz_->position_, std::max(horz_->effectiveRange_ - static_cast<int>(client.right), 0)),
           std::min(vert_->position_, std::max(vert_->effectiveRange_ - static_cast<int>(client.bottom), 0)));
}

void TScrollingWinControl::ScrollTo(int x, int y) {
  if (updating_) return;
  RECT client{};
  if (HandleAllocated()) GetClientRect(Handle(), &client);
  x = std::clamp(x, 0, std::max(horz_->effectiveRange_ - static_cast<int>(client.right), 0));
  y = std::clamp(y, 0, std::max(vert_->effectiveRange_ - static_cast<int>(client.bottom), 0));
  int dx = horz_->position_ - x, dy = vert_->position_ - y;
  if (dx == 0 && dy == 0) return;
  horz_->position_ = x;
  vert_->position_ = y;
  updating_ = true;
  DisableAlign();
  for (int i = 0; i < ControlCount(); ++i) {
    TControl* c = Controls(i);
    if (c->Align() == TAlign::alNone) c->SetBounds(c->Left() + dx, c->Top() + dy, c->Width(), c->Height());
  }
  EnableAlign();
  updating_ = false;
  if (HandleAllocated()) {
    SetScrollPos(Handle(), SB_HORZ, x, TRUE);
    SetScrollPos(Handle(), SB_VERT, y, TRUE);
    InvalidateRect(Handle(), nullptr, FALSE);
  }
}

void TScrollingWinControl::Scroll(TControlScrollBar& bar, WPARAM request) {
  RECT client;
  GetClientRect(Handle(), &client);
  int page = static_cast<int>(bar.bar_ == SB_HORZ ? client.right : client.bottom);
  int line = std::max(page / 10, 1);
  int position = bar.position_;
  switch (LOWORD(request)) {
    case SB_LINEUP:
      position -= line;
      break;
    case SB_LINEDOWN:
      position += line;
      break;
    case SB_PAGEUP:
      position -= page;
      break;
    case SB_PAGEDOWN:
      position += page;
      break;
    case SB_TOP:
      position = 0;
      break;
    case SB_BOTTOM:
      position = bar.effectiveRange_;
      break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: {
      SCROLLINFO info{sizeof info, SIF_TRACKPOS, 0, 0, 0, 0, 0};
      GetScrollInfo(Handle(), bar.bar_, &info);
      position = info.nTrackPos;
      break;
    }
    default:
      return;
  }
  bar.SetPosition(position);
}

void TScrollingWinControl::WndProc(TMessage& message) {
  switch (message.Msg) {
    case WM_HSCROLL:
    case WM_VSCROLL:
      if (!message.LParam) {
        Scroll(message.Msg == WM_HSCROLL ? *horz_ : *vert_, message.WParam);
        message.Result = 0;
        return;
      }
      break;
    case WM_SIZE:
      TWinControl::WndProc(message);
      UpdateScrollBars();
      return;
    default:
      break;
  }
  TWinControl::WndProc(message);
}

// ---- TScrollBox -----------------------------------------------------------------------------

const ClassInfo& TScrollBox::StaticClass() {
  static const ClassInfo info =
      ClassBuilder<TScrollBox>("TScrollBox", &TScrollingWinControl::StaticClass())
          .Creatable()
          .Enumeration("BorderStyle", kBorderStyleType, &TScrollBox::BorderStyle, &TScrollBox::SetBorderStyle)
          .Build();
  return info;
}

TScrollBox::TScrollBox(TComponent* owner) : TScrollingWinControl(owner) {
  SetBounds(0, 0, 185, 41);
  SetTabStop(false);
  SetColor(clBtnFace);
}

void TScrollBox::CreateParams(TCreateParams& params) {
  TScrollingWinControl::CreateParams(params);
  if (borderStyle_ == TBorderStyle::bsSingle) params.exStyle |= WS_EX_CLIENTEDGE;
}

void TScrollBox::SetBorderStyle(TBorderStyle value) {
  if (borderStyle_ == value) return;
  borderStyle_ = value;
  RecreateWnd();
}

// ---- TCustomFrame, TFrame -------------------------------------------------------------------

const ClassInfo& TCustomFrame::StaticClass() {
  static const ClassInfo info =
      ClassBuilder<TCustomFrame>("TCustomFrame", &TScrollingWinControl::StaticClass()).Build();
  return info;
}

const ClassInfo& TFrame::StaticClass() {
  static const ClassInfo info = ClassBuilder<TFrame>("TFrame", &TCustomFrame::StaticClass()).Creatable().Build();
  return info;
}

TCustomFrame::TCustomFrame(TComponent* owner) : TScrollingWinControl(owner) {
  SetBounds(0, 0, 320, 240);
  SetParentColor(true);
}

}  // namespace fw
