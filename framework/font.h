// Colours, cursors and fonts as the framework's controls publish them.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>

#include "framework/component.h"
#include "framework/handles.h"

namespace fw {

// 0x00BBGGRR; a negative value 0xFF0000nn names system colour nn.
using TColor = int32_t;
inline constexpr TColor kSystemColor = static_cast<TColor>(0xFF000000u);
inline constexpr TColor clBtnFace = kSystemColor | COLOR_BTNFACE;
inline constexpr TColor clWindow = kSystemColor | COLOR_WINDOW;
inline constexpr TColor clWindowText = kSystemColor | COLOR_WINDOWTEXT;
inline constexpr TColor clBtnText = kSystemColor | COLOR_BTNTEXT;
inline constexpr TColor clGrayText = kSystemColor | COLOR_GRAYTEXT;
inline constexpr TColor clWhite = 0x00FFFFFF;
inline constexpr TColor clBlack = 0;
inline constexpr TColor clNone = 0x1FFFFFFF;

[[nodiscard]] COLORREF ColorToRGB(TColor color);
extern const IntegerIdents kColorIdents;

// Cursor numbers: 0 is the default cursor, negative numbers name the standard ones.
using TCursor = int32_t;
inline constexpr TCursor crDefault = 0;
inline constexpr TCursor crArrow = -2;
inline constexpr TCursor crIBeam = -4;
inline constexpr TCursor crSizeNS = -7;
inline constexpr TCursor crHSplit = -14;
inline constexpr TCursor crVSplit = -15;
inline constexpr TCursor crHandPoint = -21;
extern const IntegerIdents kCursorIdents;
// The shared system cursor for a cursor number (nullptr for crDefault).
[[nodiscard]] HCURSOR CursorHandle(TCursor cursor);

extern const IntegerIdents kCharsetIdents;

enum TFontStyle : uint32_t { fsBold, fsItalic, fsUnderline, fsStrikeOut };
using TFontStyles = uint32_t;  // bit i is member i
constexpr TFontStyles FontStyles(std::initializer_list<TFontStyle> members) {
  TFontStyles bits = 0;
  for (TFontStyle m : members) bits |= 1u << m;
  return bits;
}
extern const EnumType kFontStyleType;

class TFont : public TPersistent {
  FW_DECLARE_CLASS()

 public:
  TFont();

  [[nodiscard]] const std::string& Name() const { return name_; }
  void SetName(const std::string& name);
  [[nodiscard]] int32_t Height() const { return height_; }
  void SetHeight(int32_t height);
  [[nodiscard]] TColor Color() const { return color_; }
  void SetColor(TColor color);
  [[nodiscard]] TFontStyles Style() const { return style_; }
  void SetStyle(TFontStyles style);
  [[nodiscard]] int32_t Charset() const { return charset_; }
  void SetCharset(int32_t charset);

  void Assign(const TFont& other);
  // The GDI font for the current values, made on first use and owned by this object.
  [[nodiscard]] HFONT Handle() const;

  // Called after every change (the owning control repaints).
  std::function<void()> OnChange;

 private:
  void Changed();

  std::string name_;
  int32_t height_ = -11;
  TColor color_ = clWindowText;
  TFontStyles style_ = 0;
  int32_t charset_ = DEFAULT_CHARSET;
  mutable UniqueFont handle_;
};

}  // namespace fw
