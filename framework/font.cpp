#include "framework/font.h"

namespace fw {

COLORREF ColorToRGB(TColor color) {
  if (color < 0) return GetSysColor(color & 0xFF);
  return static_cast<COLORREF>(color);
}

const IntegerIdents kColorIdents{{
    {"clBlack", clBlack},
    {"clWhite", clWhite},
    {"clNone", clNone},
    {"clBtnFace", clBtnFace},
    {"clBtnText", clBtnText},
    {"clWindow", clWindow},
    {"clWindowText", clWindowText},
    {"clMaroon", 0x000080},
    {"clGreen", 0x008000},
    {"clNavy", 0x800000},
    {"clRed", 0x0000FF},
    {"clBlue", 0xFF0000},
    {"clHighlight", kSystemColor | COLOR_HIGHLIGHT},
    {"clHighlightText", kSystemColor | COLOR_HIGHLIGHTTEXT},
    {"clBtnShadow", kSystemColor | COLOR_BTNSHADOW},
    {"clBtnHighlight", kSystemColor | COLOR_BTNHIGHLIGHT},
    {"clGrayText", kSystemColor | COLOR_GRAYTEXT},
}};

const IntegerIdents kCursorIdents{{
    {"crDefault", crDefault},
    {"crArrow", crArrow},
    {"crIBeam", crIBeam},
    {"crSizeNS", crSizeNS},
    {"crHSplit", crHSplit},
    {"crVSplit", crVSplit},
    {"crHandPoint", crHandPoint},
}};

HCURSOR CursorHandle(TCursor cursor) {
  const char* id = nullptr;
  switch (cursor) {
    case crArrow:
      id = IDC_ARROW;
      break;
    case crIBeam:
      id = IDC_IBEAM;
      break;
    case crSizeNS:
    case crVSplit:
      id = IDC_SIZENS;
      break;
    case crHSplit:
      id = IDC_SIZEWE;
      break;
    case crHandPoint:
      id = IDC_HAND;
      break;
    default:
      return nullptr;
  }
  return LoadCursorA(nullptr, id);
}

const IntegerIdents kCharsetIdents{{
    {"ANSI_CHARSET", ANSI_CHARSET},
    {"DEFAULT_CHARSET", DEFAULT_CHARSET},
    {"SYMBOL_CHARSET", SYMBOL_CHARSET},
    {"GB2312_CHARSET", GB2312_CHARSET},
    {"CHINESEBIG5_CHARSET", CHINESEBIG5_CHARSET},
    {"OEM_CHARSET", OEM_CHARSET},
}};

const EnumType kFontStyleType{"TFontStyle", {"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"}};

const ClassInfo& TFont::StaticClass() {
  static const ClassInfo info = ClassBuilder<TFont>("TFont", &TPersistent::StaticClass())
                                    .Integer("Charset", &TFont::Charset, &TFont::SetCharset, &kCharsetIdents)
                                    .Integer("Color", &TFont::Color, &TFont::SetColor, &kColorIdents)
                                    .Integer("Height", &TFont::Height, &TFont::SetHeight)
                                    .String("Name", &TFont::Name, &TFont::SetName)
                                    .Set("Style", kFontStyleType, &TFont::Style, &TFont::SetStyle)
                                    .Build();
  return info;
}

TFont::TFont() : name_("MS Sans Serif") {}

void TFont::SetName(const std::string& name) {
  if (name_ == name) return;
  name_ = name;
  Changed();
}
void TFont::SetHeight(int32_t height) {
  if (height_ == height) return;
  height_ = height;
  Changed();
}
void TFont::SetColor(TColor color) {
  if (color_ == color) return;
  color_ = color;
  // The colour is not part of the GDI font: keep the handle.
  if (OnChange) OnChange();
}
void TFont::SetStyle(TFontStyles style) {
  if (style_ == style) return;
  style_ = style;
  Changed();
}
void TFont::SetCharset(int32_t charset) {
  if (charset_ == charset) return;
  charset_ = charset;
  Changed();
}

void TFont::Assign(const TFont& other) {
  name_ = other.name_;
  height_ = other.height_;
  color_ = other.color_;
  style_ = other.style_;
  charset_ = other.charset_;
  Changed();
}

void TFont::Changed() {
  handle_.reset();
  if (OnChange) OnChange();
}

HFONT TFont::Handle() const {
  if (!handle_) {
    LOGFONTA lf{};
    lf.lfHeight = height_;
    lf.lfWeight = (style_ & (1u << fsBold)) ? FW_BOLD : FW_NORMAL;
    lf.lfItalic = (style_ & (1u << fsItalic)) ? TRUE : FALSE;
    lf.lfUnderline = (style_ & (1u << fsUnderline)) ? TRUE : FALSE;
    lf.lfStrikeOut = (style_ & (1u << fsStrikeOut)) ? TRUE : FALSE;
    lf.lfCharSet = static_cast<BYTE>(charset_);
    lf.lfQuality = DEFAULT_QUALITY;
    lstrcpynA(lf.lfFaceName, name_.c_str(), LF_FACESIZE);
    handle_.reset(CreateFontIndirectA(&lf));
  }
  return handle_.get();
}

}  // namespace fw
