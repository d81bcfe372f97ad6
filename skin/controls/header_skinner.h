// The header skinner: a header control's sections drawn from the skin's "Headerbar" element, the
// section under the mouse in its hot frame, the strip right of the last section in the normal
// frame. It skins framework header controls and the header window of a list view.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <string>
#include <vector>

#include "skin/controls/skin_control.h"

namespace skin {

enum class TextAlign { Left = 0, Right = 1, Center = 2 };

// The x offset of a section's icon (and of its text, which follows the icon) inside a section
// `sectionWidth` wide, for an icon `iconWidth` wide (0 without one) and a text `textWidth` wide.
[[nodiscard]] int SectionContentOffset(TextAlign align, int sectionWidth, int iconWidth, int textWidth);

// The text single-line, measured with `align`'s flag and centred both ways in the rectangle;
// drawn in clBtnShadow when not enabled. Transparent, plain style, the DC's font.
void DrawCenteredText(HDC dc, const RECT& rect, std::wstring_view text, TextAlign align, bool enabled);

class TSkinHeader : public TSkinControl {
  FW_DECLARE_CLASS()

 public:
  using TSkinControl::TSkinControl;
  void InitControl(ISkinnerHost* form, TSkinData* skinData, fw::TCanvas* canvas, bool setColor) override;
  void InitHandle(HWND window, TSkinData* skinData, fw::TCanvas* canvas, ISkinnerHost* form) override;
  bool BeforeMessage(fw::TMessage& message) override;
  void AfterMessage(fw::TMessage& message) override;
  void DrawControl(HDC dc, const RECT& rect) override;

  // The sections of the last paint, each shrunk by 3 pixels left and right: what hot tracking
  // tests the mouse against.
  std::vector<RECT> FSectionRects;
  int FHotSection = -1;  // the section under the mouse, -1 none

 private:
  [[nodiscard]] bool HasHeaderImage() const;
  void DrawSection(HIMAGELIST images, HDC dc, int index, const RECT& rect);
  void DrawSectionContent(HDC dc, const RECT& rect, TextAlign align, std::wstring_view text, int image,
                          HIMAGELIST images);
};

// Skins the header window of a list view, once: the skinner, owned by `owner` (the list view
// control), attaches to the header through its window. Nothing, and nullptr, when the list view
// has no header or the header is skinned already, so that whoever reaches the header first skins
// it.
TSkinHeader* SkinListViewHeader(fw::TComponent* owner, HWND listView, TSkinData* skinData, fw::TCanvas* canvas,
                                ISkinnerHost* form);

}  // namespace skin
