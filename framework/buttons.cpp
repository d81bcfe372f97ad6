#include "framework/buttons.h"

#include <algorithm>
#include <string>

namespace fw {

ButtonLayoutResult LayOutButton(SIZE client, SIZE glyph, SIZE text, TButtonLayout layout, int margin, int spacing) {
  bool horizontal = layout == TButtonLayout::blGlyphLeft || layout == TButtonLayout::blGlyphRight;
  // Along the layout axis: a = client, g = glyph, t = text.
  int a = horizontal ? client.cx : client.cy;
  int g = horizontal ? glyph.cx : glyph.cy;
  int t = horizontal ? text.cx : text.cy;
  if (g == 0 || t == 0) spacing = 0;
  if (margin == -1) {
    if (spacing == -1) {
      margin = (a - (g + t)) / 3;
      spacing = margin;
    } else {
      margin = (a - (g + spacing + t)) / 2;
    }
  } else if (spacing == -1) {
    spacing = (a - (margin + g) - t) / 2;
  }
  int glyphAt = 0, textAt = 0;
  if (layout == TButtonLayout::blGlyphLeft || layout == TButtonLayout::blGlyphTop) {
    glyphAt = margin;
    textAt = glyphAt + g + spacing;
  } else {
    glyphAt = a - margin - g;
    textAt = glyphAt - spacing - t;
  }
  ButtonLayoutResult result;
  if (horizontal) {
    result.glyph = {glyphAt, (client.cy - glyph.cy + 1) / 2};
    int top = (client.cy - text.cy + 1) / 2;
    result.text = {textAt, top, textAt + text.cx, top + text.cy};
  } else {
    result.glyph = {(client.cx - glyph.cx + 1) / 2, glyphAt};
    int left = (client.cx - text.cx + 1) / 2;
    result.text = {left, textAt, left + text.cx, textAt + text.cy};
  }
  return result;
}

const ClassInfo& TSpeedButton::StaticClass() {
  static const ClassInfo info =
      PublishButtonGlyph(ClassBuilder<TSpeedButton>("TSpeedButton", &TGraphicControl::StaticClass()).Creatable())
          .Boolean("AllowAllUp", &TSpeedButton::AllowAllUp, &TSpeedButton::SetAllowAllUp)
          .Boolean("Down", &TSpeedButton::Down, &TSpeedButton::SetDown)
          .Boolean("Flat", &TSpeedButton::Flat, &TSpeedButton::SetFlat)
          .Integer("GroupIndex", &TSpeedButton::GroupIndex, &TSpeedButton::SetGroupIndex)
          .Boolean("Transparent", &TSpeedButton::Transparent, &TSpeedButton::SetTransparent)
          .Build();
  return info;
}

TSpeedButton::TSpeedButton(TComponent* owner) : TGraphicControl(owner) {
  SetBounds(0, 0, 23, 22);
  SetColor(clBtnFace);
}

void TSpeedButton::SetFlat(bool value) {
  flat_ = value;
  Invalidate();
}

void TSpeedButton::SetTransparent(bool value) {
  transparent_ = value;
  Invalidate();
}

template <typename Action>
void TSpeedButton::ForEachInGroup(Action action) {
  TWinControl* parent = Parent();
  if (!parent || groupIndex_ == 0) return;
  for (int i = 0; i < parent->ControlCount(); ++i)
    if (auto* other = dynamic_cast<TSpeedButton*>(parent->Controls(i));
        other && other != this && other->groupIndex_ == groupIndex_)
      action(*other);
}

void TSpeedButton::SetDown(bool value) {
  if (groupIndex_ == 0) value = false;
  if (value == down_) return;
  // The down button of a group only comes up when another goes down, unless all may be up.
  if (down_ && !allowAllUp_) return;
  down_ = value;
  if (value) {
    ForEachInGroup([](TSpeedButton& other) {
      if (other.down_) {
        other.down_ = false;
        other.Invalidate();
      }
    });
  }
  Invalidate();
}

void TSpeedButton::SetGroupIndex(int value) {
  groupIndex_ = value;
  if (groupIndex_ == 0) down_ = false;
  if (down_) {
    ForEachInGroup([](TSpeedButton& other) { other.down_ = false; });
  }
  Invalidate();
}

void TSpeedButton::SetAllowAllUp(bool value) {
  allowAllUp_ = value;
  ForEachInGroup([value](TSpeedButton& other) { other.allowAllUp_ = value; });
}

void TSpeedButton::Click() {
  if (groupIndex_ != 0) {
    if (!down_)
      SetDown(true);
    else if (allowAllUp_)
      SetDown(false);
  }
  TGraphicControl::Click();
}

void TSpeedButton::WndProc(TMessage& message) {
  switch (message.Msg) {
    case CM_MOUSEENTER:
      hot_ = true;
      Invalidate();
      break;
    case CM_MOUSELEAVE:
      hot_ = false;
      Invalidate();
      break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      pressed_ = true;
      Invalidate();
      break;
    case WM_LBUTTONUP:
      pressed_ = false;
      Invalidate();
      break;
    default:
      break;
  }
  TGraphicControl::WndProc(message);
}

int TSpeedButton::GlyphIndex() const {
  int index = 0;
  if (!Enabled())
    index = 1;
  else if (pressed_)
    index = 2;
  else if (down_)
    index = 3;
  // A strip without the wanted image shows the pressed one for latched down, else the first.
  if (index == 3 && index >= NumGlyphs()) index = 2;
  return index < NumGlyphs() ? index : 0;
}

void TSpeedButton::Paint(HDC dc) {
  RECT r = ClientRect();
  bool sunken = down_ || pressed_;
  if (!(flat_ && transparent_) || sunken) {
    UniqueBrush face(CreateSolidBrush(ColorToRGB(Color())));
    FillRect(dc, &r, face.get());
  }
  if (!flat_)
    DrawEdge(dc, &r, sunken ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
  else if (sunken)
    DrawEdge(dc, &r, BDR_SUNKENOUTER, BF_RECT);
  else if (hot_ && Enabled())
    DrawEdge(dc, &r, BDR_RAISEDINNER, BF_RECT);

  SelectObjectGuard font(dc, Font()->Handle());
  std::string text = Caption();
  SIZE textSize{};
  if (!text.empty()) {
    RECT measured{0, 0, 0, 0};
    DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &measured, DT_CALCRECT | DT_SINGLELINE);
    textSize = {measured.right, measured.bottom};
  }
  SIZE glyphSize{};
  if (!Glyph()->Empty()) glyphSize = {Glyph()->Width() / NumGlyphs(), Glyph()->Height()};
  ButtonLayoutResult place = LayOutButton({r.right, r.bottom}, glyphSize, textSize, Layout(), Margin(), Spacing());
  int shift = sunken ? 1 : 0;  // the face moves in when pressed
  if (glyphSize.cx > 0) {
    // The glyph's transparent colour is that of its bottom-left pixel.
    COLORREF key = Glyph()->Pixel(0, Glyph()->Height() - 1);
    GdiTransparentBlt(dc, place.glyph.x + shift, place.glyph.y + shift, glyphSize.cx, glyphSize.cy, Glyph()->DC(),
                      GlyphIndex() * glyphSize.cx, 0, glyphSize.cx, glyphSize.cy, key);
  }
  if (!text.empty()) {
    OffsetRect(&place.text, shift, shift);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ColorToRGB(Enabled() ? Font()->Color() : clGrayText));
    DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &place.text,
              DT_SINGLELINE | DT_NOCLIP | (UseRightToLeftReading() ? DT_RTLREADING : 0));
  }
}

}  // namespace fw
