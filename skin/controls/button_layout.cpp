#include "skin/controls/button_layout.h"

#include <string>

#include "skin/core/window_names.h"

namespace skin {

int LayoutFromName(std::string_view name) {
  const std::string lower = LowerCaseAscii(name);
  if (lower == "blglyphright") return 1;
  if (lower == "blglyphtop") return 2;
  if (lower == "blglyphbottom") return 3;
  return 0;
}

ButtonLayout LayOutGlyphButton(const ButtonLayoutInput& in) {
  const bool horizontal = in.layout == 0 || in.layout == 1;
  const int client = horizontal ? in.client.cx : in.client.cy;
  const int glyph = horizontal ? in.glyph.cx : in.glyph.cy;
  const int text = horizontal ? in.text.cx : in.text.cy;
  int margin = in.margin, spacing = in.spacing;
  if (in.text.cx == 0 || in.glyph.cx == 0) spacing = 0;
  if (margin == -1 || in.centred) {
    if (spacing == -1) {
      margin = (client - (glyph + text)) / 3;
      spacing = margin;
    } else {
      margin = (client - (glyph + spacing + text)) / 2 + (in.speed ? 1 : 0);
    }
  } else if (spacing == -1) {
    spacing = (client - (margin + glyph) - text) / 2;
  }
  int glyphAt = 0, textAt = 0;
  ButtonLayout out;
  switch (in.layout) {
    case 1:
      glyphAt = client - margin - glyph;
      textAt = glyphAt - spacing - text;
      out.flags = DT_WORDBREAK | DT_RIGHT;
      break;
    case 2:
    case 3:
      glyphAt = in.layout == 2 ? margin : client - margin - glyph;
      textAt = in.layout == 2 ? glyphAt + glyph + spacing : glyphAt - spacing - text;
      out.flags = DT_WORDBREAK | DT_CENTER;
      break;
    default:
      glyphAt = margin;
      textAt = glyphAt + glyph + spacing;
      out.flags = DT_WORDBREAK;
      break;
  }
  if (horizontal) {
    out.glyph = {glyphAt, (in.client.cy - in.glyph.cy + 1) / 2};
    const int top = (in.client.cy - in.text.cy + 1) / 2;
    out.text = {textAt, top, textAt + in.text.cx, top + in.text.cy};
  } else {
    out.glyph = {(in.client.cx - in.glyph.cx + 1) / 2, glyphAt};
    const int left = (in.client.cx - in.text.cx + 1) / 2;
    out.text = {left, textAt, left + in.text.cx, textAt + in.text.cy};
  }
  return out;
}

MenuButtonLayout LayOutMenuButton(const MenuButtonInput& in) {
  int margin = in.margin, spacing = in.spacing;
  const int client = in.client.cx, glyph = in.glyph.cx, text = in.text.cx, arrow = in.arrow.cx;
  if (margin == -1) {
    if (spacing == -1) {
      margin = (client - (glyph + text + arrow)) / 4;
      spacing = margin;
    } else {
      margin = (client - (glyph + text + 2 * spacing + arrow)) / 2;
    }
  } else if (spacing == -1) {
    spacing = (client + arrow - 2 * margin - glyph - text) / 2;
  }
  MenuButtonLayout out;
  out.glyph = {margin, (in.client.cy - in.glyph.cy) / 2};
  const int textX = margin + glyph + spacing, textY = (in.client.cy - in.text.cy + 1) / 2;
  out.text = {textX, textY, textX + in.text.cx, textY + in.text.cy};
  out.arrow = {textX + 2 * spacing + text, (in.client.cy - 3) / 2};
  return out;
}

}  // namespace skin
