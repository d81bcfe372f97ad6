#include "skin/controls/status_bar_skinner.h"

#include <windows.h>

#include <commctrl.h>

#include <algorithm>

#include "framework/comctrls.h"
#include "framework/handles.h"
#include "skin/paint/skin_paint.h"
#include "skin/paint/skin_text.h"

namespace skin {

namespace {
// The one bitmap every status bar composes its image in, one paint at a time.
fw::TBitmap& StatusBitmap() {
  static fw::TBitmap bitmap;
  return bitmap;
}

UINT AlignFlag(TextAlign align) {
  return align == TextAlign::Right ? DT_RIGHT : align == TextAlign::Center ? DT_CENTER : DT_LEFT;
}

TextAlign AlignOf(fw::TAlignment alignment) {
  switch (alignment) {
    case fw::TAlignment::taRightJustify:
      return TextAlign::Right;
    case fw::TAlignment::taCenter:
      return TextAlign::Center;
    default:
      return TextAlign::Left;
  }
}

TextAlign Mirrored(TextAlign align) {
  return align == TextAlign::Left ? TextAlign::Right : align == TextAlign::Right ? TextAlign::Left : align;
}

// A bare status bar's panel text, with the alignment its leading tabs ask for.
std::wstring WindowPanelText(HWND bar, int index, TextAlign& align, DWORD& type) {
  const LRESULT length = SendMessageW(bar, SB_GETTEXTLENGTHW, static_cast<WPARAM>(index), 0);
  std::wstring text(LOWORD(length) + 1, L'\0');
  type = HIWORD(SendMessageW(bar, SB_GETTEXTW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data())));
  text.resize(wcsnlen(text.c_str(), text.size()));
  align = TextAlign::Left;
  if (text.starts_with(L"\t\t")) {
    align = TextAlign::Right;
    text.erase(0, 2);
  } else if (text.starts_with(L"\t")) {
    align = TextAlign::Center;
    text.erase(0, 1);
  }
  return text;
}

int BevelOf(DWORD type) {
  if (type & SBT_NOBORDERS) return kBevelNone;
  if (type & SBT_POPOUT) return kBevelRaised;
  return kBevelLowered;
}
}  // namespace

const fw::ClassInfo& TSkinStatusBar::StaticClass() {
  static const fw::ClassInfo info =
      fw::ClassBuilder<TSkinStatusBar>("TSkinStatusBar", &TSkinControl::StaticClass()).Build();
  return info;
}

std::vector<StatusPanelView> StatusBarPanels(HWND bar, const fw::TControl* control, int barWidth) {
  std::vector<StatusPanelView> panels;
  const auto* framework = dynamic_cast<const fw::TStatusBar*>(control);
  const bool rightToLeft = control ? control->UseRightToLeftReading()
                                   : (GetWindowLongW(bar, GWL_EXSTYLE) & (WS_EX_RTLREADING | WS_EX_LAYOUTRTL)) != 0;
  const int parts = static_cast<int>(SendMessageW(bar, SB_GETPARTS, 0, 0));
  const bool simple = framework ? framework->SimplePanel() || framework->Panels()->Count() == 0
                                : SendMessageW(bar, SB_ISSIMPLE, 0, 0) != 0 || parts <= 0;
  RECT client{};
  GetClientRect(bar, &client);
  if (simple) {
    StatusPanelView panel;
    panel.Rect = RECT{0, 0, barWidth, client.bottom};
    panel.Align = rightToLeft ? TextAlign::Right : TextAlign::Left;
    if (framework) {
      panel.Text = AnsiToWide(framework->SimpleText());
    } else {
      TextAlign ignored{};
      DWORD type = 0;
      panel.Text = WindowPanelText(bar, 0, ignored, type);
    }
    panels.push_back(std::move(panel));
    return panels;
  }
  const int count = framework ? framework->Panels()->Count() : parts;
  for (int i = 0; i < count; ++i) {
    StatusPanelView panel;
    if (framework) {
      const fw::TStatusPanel* item = framework->Panels()->Panel(i);
      panel.Text = AnsiToWide(item->Text());
      panel.Align = AlignOf(item->Alignment());
      panel.Bevel = item->Bevel() == fw::TStatusPanelBevel::pbRaised ? kBevelRaised
                    : item->Bevel() == fw::TStatusPanelBevel::pbNone ? kBevelNone
                                                                     : kBevelLowered;
    } else {
      DWORD type = 0;
      panel.Text = WindowPanelText(bar, i, panel.Align, type);
      panel.Bevel = BevelOf(type);
      panel.OwnerDrawn = (type & SBT_OWNERDRAW) != 0;
    }
    if (rightToLeft) panel.Align = Mirrored(panel.Align);
    if (!SendMessageW(bar, SB_GETRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&panel.Rect))) continue;
    panel.Rect.right += 2;
    if (i == count - 1) panel.Rect.right = barWidth;
    panels.push_back(std::move(panel));
  }
  return panels;
}

void DrawPanelText(const TSkinControl& skinner, HDC dc, const RECT& rect, UINT alignFlag, std::wstring_view text) {
  fw::SavedDCState saved(dc);
  SetBkMode(dc, TRANSPARENT);
  SelectObject(dc, GetStockObject(NULL_BRUSH));
  RECT measured = rect;
  DrawSkinText(dc, text, measured, alignFlag | DT_EXPANDTABS | DT_CALCRECT | DT_NOCLIP);
  const int width = measured.right - measured.left, height = measured.bottom - measured.top;
  RECT placed = rect;
  if (alignFlag & DT_CENTER) {
    placed.left = rect.left + (rect.right - rect.left - width) / 2;
    placed.right = placed.left + width;
  }
  placed.top = rect.top + (rect.bottom - rect.top - height) / 2 - 1;
  placed.bottom = placed.top + height;
  DrawSkinText(dc, text, placed, AddBiDiFlags(skinner, alignFlag | DT_EXPANDTABS));
}

bool TSkinStatusBar::BeforeMessage(fw::TMessage& message) {
  switch (message.Msg) {
    case WM_PAINT:
    case WM_PRINTCLIENT:  // a paint into the DC it brings
      OwnPaint(*this, message);
      return false;
    case WM_ERASEBKGND:
      message.Result = 1;
      return false;
    default:
      return TSkinControl::BeforeMessage(message);
  }
}

void TSkinStatusBar::DrawPanel(HDC dc, const RECT& rect, int bevel) const {
  if (rect.right < rect.left || rect.bottom < rect.top) return;
  const TDataSkinObject* edges = FSkinData ? FSkinData->StatusBarEdges.get() : nullptr;
  if (edges && edges->Bitmap && !edges->Bitmap->Empty()) {
    DrawSkinFrame(dc, rect, *edges->Bitmap, FrameStrip::SideBySide,
                  edges->Tile ? CentreFill::Tile : CentreFill::Stretch, Keying::Opaque, 3, bevel,
                  FrameMargins{edges->LeftWidth, edges->TopHeight, edges->RightWidth, edges->BottomHeight});
    return;
  }
  if (bevel == kBevelNone) return;
  const COLORREF shadow = GetSysColor(COLOR_BTNSHADOW), light = GetSysColor(COLOR_BTNHIGHLIGHT);
  const COLORREF topLeft = bevel == kBevelLowered ? shadow : light;
  const COLORREF bottomRight = bevel == kBevelLowered ? light : shadow;
  // One-pixel lines: top and left in one colour, bottom and right in the other.
  fw::UniquePen first(CreatePen(PS_SOLID, 1, topLeft)), second(CreatePen(PS_SOLID, 1, bottomRight));
  fw::SavedDCState saved(dc);
  SelectObject(dc, first.get());
  MoveToEx(dc, rect.left, rect.bottom - 1, nullptr);
  LineTo(dc, rect.left, rect.top);
  LineTo(dc, rect.right - 1, rect.top);
  SelectObject(dc, second.get());
  LineTo(dc, rect.right - 1, rect.bottom - 1);
  LineTo(dc, rect.left - 1, rect.bottom - 1);
}

void TSkinStatusBar::DrawControl(HDC dc, const RECT& rect) {
  if (!FHandle || !FSkinData) return;
  const int width = rect.right - rect.left, height = rect.bottom - rect.top;
  if (width <= 0 || height <= 0) return;
  fw::TBitmap& image = StatusBitmap();
  image.SetSize(width, height);
  HDC canvas = image.DC();
  fw::SavedDCState saved(canvas);
  FillFace(canvas, RECT{0, 0, width, height});
  const auto font = reinterpret_cast<HFONT>(SendMessageW(FHandle, WM_GETFONT, 0, 0));
  SelectObject(canvas, font ? static_cast<HGDIOBJ>(font) : GetStockObject(DEFAULT_GUI_FONT));
  SetTextColor(canvas, FSkinData->StatusBarEdges ? fw::ColorToRGB(FSkinData->StatusBarEdges->NormalColour2)
                                                 : GetSysColor(COLOR_BTNTEXT));

  const std::vector<StatusPanelView> panels = StatusBarPanels(FHandle, FControl, width);
  for (const StatusPanelView& panel : panels) {
    DrawPanel(canvas, panel.Rect, panel.Bevel);
    if (panel.OwnerDrawn) continue;
    RECT text = panel.Rect;
    text.left += 2;
    text.right -= 2;
    DrawPanelText(*this, canvas, text, AlignFlag(panel.Align), panel.Text.empty() ? L" " : panel.Text);
  }

  const TDataSkinObject* extra = FSkinData->ExtraImages.get();
  if ((GetWindowLongEx(FHandle, GWL_STYLE) & SBARS_SIZEGRIP) && extra && extra->Bitmap && !extra->Bitmap->Empty()) {
    const int frames = std::max(1, static_cast<int>(extra->Frame));
    if (frames >= 5) {
      const int gripWidth = extra->Bitmap->Width() / frames, gripHeight = extra->Bitmap->Height();
      const RECT grip{width - 1 - gripWidth, height - 1 - gripHeight, width - 1, height - 1};
      DrawFrameKeyedDC(canvas, grip, frames, 5, *extra->Bitmap);
    }
  }
  BitBlt(dc, rect.left, rect.top, width, height, canvas, 0, 0, SRCCOPY);
  if (auto* windowed = dynamic_cast<fw::TWinControl*>(FControl)) windowed->PaintControls(dc);
}

}  // namespace skin
