#include "skin/controls/header_skinner.h"

#include <algorithm>

#include "framework/handles.h"
#include "skin/core/optional_user32.h"
#include "skin/core/skin_messages.h"
#include "skin/paint/skin_paint.h"
#include "skin/paint/skin_text.h"

namespace skin {

namespace {
constexpr int kHotInset = 3;          // a section is hot this far inside its left and right edges
constexpr int kMaxSectionText = 100;  // wide characters read of a section's text

UINT AlignFlag(TextAlign align) {
  switch (align) {
    case TextAlign::Right:
      return DT_RIGHT;
    case TextAlign::Center:
      return DT_CENTER;
    default:
      return DT_LEFT;
  }
}

FrameMargins MarginsOf(const TDataSkinObject& element) {
  return FrameMargins{element.LeftWidth, element.TopHeight, element.RightWidth, element.BottomHeight};
}

int FrameCountOf(const TDataSkinObject& element) { return element.Frame > 0 ? element.Frame : 5; }

// Plain style of the DC's font for the duration of a text draw.
class PlainFont {
 public:
  explicit PlainFont(HDC dc) : dc_(dc) {
    LOGFONTW font{};
    if (GetObjectW(GetCurrentObject(dc, OBJ_FONT), sizeof font, &font) == 0) return;
    if (!font.lfItalic && !font.lfUnderline && !font.lfStrikeOut && font.lfWeight <= FW_NORMAL) return;
    font.lfItalic = font.lfUnderline = font.lfStrikeOut = FALSE;
    font.lfWeight = FW_NORMAL;
    plain_.reset(CreateFontIndirectW(&font));
    if (plain_) old_ = SelectObject(dc, plain_.get());
  }
  PlainFont(const PlainFont&) = delete;
  PlainFont& operator=(const PlainFont&) = delete;
  ~PlainFont() {
    if (old_) SelectObject(dc_, old_);
  }

 private:
  HDC dc_;
  fw::UniqueFont plain_;
  HGDIOBJ old_ = nullptr;
};
}  // namespace

const fw::ClassInfo& TSkinHeader::StaticClass() {
  static const fw::ClassInfo info = fw::ClassBuilder<TSkinHeader>("TSkinHeader", &TSkinControl::StaticClass()).Build();
  return info;
}

int SectionContentOffset(TextAlign align, int sectionWidth, int iconWidth, int textWidth) {
  int x = 3;
  if (align == TextAlign::Center) x = (sectionWidth - iconWidth - textWidth) / 2;
  if (align == TextAlign::Right) x = sectionWidth - iconWidth - textWidth - 2;
  return x < 2 ? 1 : x;
}

void DrawCenteredText(HDC dc, const RECT& rect, std::wstring_view text, TextAlign align, bool enabled) {
  fw::SavedDCState saved(dc);
  PlainFont plain(dc);
  SetBkMode(dc, TRANSPARENT);
  const UINT flags = DT_SINGLELINE | DT_EXPANDTABS | AlignFlag(align);
  RECT measured = rect;
  DrawSkinText(dc, text, measured, flags | DT_CALCRECT | DT_NOCLIP);
  const int width = measured.right - measured.left, height = measured.bottom - measured.top;
  RECT placed{rect.left + (rect.right - rect.left - width) / 2, rect.top + (rect.bottom - rect.top - height) / 2, 0, 0};
  placed.right = placed.left + width;
  placed.bottom = placed.top + height;
  if (!enabled) SetTextColor(dc, GetSysColor(COLOR_BTNSHADOW));
  DrawSkinText(dc, text, placed, flags);
}

void TSkinHeader::InitControl(ISkinnerHost* form, TSkinData* skinData, fw::TCanvas* canvas, bool setColor) {
  TSkinControl::InitControl(form, skinData, canvas, setColor);
  FHotSection = -1;
}

void TSkinHeader::InitHandle(HWND window, TSkinData* skinData, fw::TCanvas* canvas, ISkinnerHost* form) {
  TSkinControl::InitHandle(window, skinData, canvas, form);
  FHotSection = -1;
}

bool TSkinHeader::HasHeaderImage() const {
  return FSkinData && FSkinData->Headerbar && FSkinData->Headerbar->Bitmap && !FSkinData->Headerbar->Bitmap->Empty();
}

bool TSkinHeader::BeforeMessage(fw::TMessage& message) {
  switch (message.Msg) {
    case WM_PAINT:
    case WM_PRINTCLIENT:  // a paint into the DC it brings
      if (!HasHeaderImage()) return TSkinControl::BeforeMessage(message);
      OwnPaint(*this, message);
      return false;
    case WM_ERASEBKGND:
      if (!HasHeaderImage()) return TSkinControl::BeforeMessage(message);
      message.Result = 1;
      return false;
    default:
      return TSkinControl::BeforeMessage(message);
  }
}

void TSkinHeader::AfterMessage(fw::TMessage& message) {
  if (message.Msg == WM_MOUSEMOVE) {
    const POINT point{static_cast<short>(LOWORD(message.LParam)), static_cast<short>(HIWORD(message.LParam))};
    for (size_t i = 0; i < FSectionRects.size(); ++i) {
      if (PtInRect(&FSectionRects[i], point) && static_cast<int>(i) != FHotSection) {
        FHotSection = static_cast<int>(i);
        Redraw();
      }
    }
    if (auto track = User32Entries().TrackMouseEvent; track && FHandle) {
      TRACKMOUSEEVENT leave{sizeof leave, TME_LEAVE, FHandle, 0};
      track(&leave);
    }
    return;
  }
  if (message.Msg == WM_MOUSELEAVE) {
    FHotSection = -1;
    Redraw();
    return;
  }
  TSkinControl::AfterMessage(message);
}

void TSkinHeader::DrawControl(HDC dc, const RECT& rect) {
  if (!HasHeaderImage() || !FHandle) return;
  const int width = rect.right - rect.left, height = rect.bottom - rect.top;
  if (width <= 0 || height <= 0) return;
  const TDataSkinObject& bar = *FSkinData->Headerbar;
  fw::TBitmap image(width, height);
  HDC canvas = image.DC();
  const auto font = reinterpret_cast<HFONT>(SendMessageW(FHandle, WM_GETFONT, 0, 0));
  fw::SelectObjectGuard fontGuard(canvas, font ? static_cast<HGDIOBJ>(font) : GetStockObject(DEFAULT_GUI_FONT));
  FEnabled = true;
  SetBkMode(canvas, TRANSPARENT);

  const auto images = reinterpret_cast<HIMAGELIST>(SendMessageW(FHandle, HDM_GETIMAGELIST, 0, 0));
  const int count = std::max(0, static_cast<int>(SendMessageW(FHandle, HDM_GETITEMCOUNT, 0, 0)));
  FSectionRects.assign(static_cast<size_t>(count), RECT{});
  int rightmost = 0;
  for (int i = 0; i < count; ++i) {
    RECT section{};
    if (!SendMessageW(FHandle, HDM_GETITEMRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&section))) continue;
    DrawSection(images, canvas, i, section);
    FSectionRects[static_cast<size_t>(i)] =
        RECT{section.left + kHotInset, section.top, section.right - kHotInset, section.bottom};
    rightmost = std::max(rightmost, static_cast<int>(section.right));
  }
  if (rightmost < rect.right) {
    const RECT strip{rightmost, 0, width, height};
    fw::TBitmap rest = StretchFrame(strip, *bar.Bitmap, MarginsOf(bar), FrameStrip::SideBySide,
                                    bar.Tile ? CentreFill::Tile : CentreFill::Stretch, FrameCountOf(bar), 1);
    if (!rest.Empty()) BitBlt(canvas, rightmost, 0, strip.right - strip.left, height, rest.DC(), 0, 0, SRCCOPY);
  }
  BitBlt(dc, rect.left, rect.top, width, height, canvas, 0, 0, SRCCOPY);
}

void TSkinHeader::DrawSection(HIMAGELIST images, HDC dc, int index, const RECT& rect) {
  const int width = rect.right - rect.left, height = rect.bottom - rect.top;
  if (width <= 0 || height <= 0) return;
  wchar_t text[kMaxSectionText + 1] = {};
  HDITEMW item{};
  item.mask = HDI_TEXT | HDI_FORMAT | HDI_IMAGE;
  item.pszText = text;
  item.cchTextMax = kMaxSectionText + 1;
  if (!SendMessageW(FHandle, HDM_GETITEMW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item))) text[0] = 0;
  text[kMaxSectionText] = 0;

  const TDataSkinObject& bar = *FSkinData->Headerbar;
  fw::TBitmap section =
      StretchFrame(rect, *bar.Bitmap, MarginsOf(bar), FrameStrip::SideBySide,
                   bar.Tile ? CentreFill::Tile : CentreFill::Stretch, FrameCountOf(bar), index == FHotSection ? 2 : 1);
  if (section.Empty()) return;
  const std::wstring_view caption(text);
  if (!caption.empty()) {
    const int format = item.fmt & 0xFF;
    const TextAlign align = format == HDF_RIGHT    ? TextAlign::Right
                            : format == HDF_CENTER ? TextAlign::Center
                                                   : TextAlign::Left;
    const int image = (item.fmt & (HDF_IMAGE | 0x8000)) ? item.iImage : -1;
    fw::SelectObjectGuard font(section.DC(), GetCurrentObject(dc, OBJ_FONT));
    DrawSectionContent(section.DC(), RECT{0, 0, width, height}, align, caption, image, images);
  }
  BitBlt(dc, rect.left, rect.top, width, height, section.DC(), 0, 0, SRCCOPY);
}

void TSkinHeader::DrawSectionContent(HDC dc, const RECT& rect, TextAlign align, std::wstring_view text, int image,
                                     HIMAGELIST images) {
  const int width = rect.right - rect.left, height = rect.bottom - rect.top;
  int iconWidth = 0, iconHeight = 0;
  if (images) ImageList_GetIconSize(images, &iconWidth, &iconHeight);
  const bool icon = image != -1 && images && iconWidth < width;
  if (!icon) iconWidth = 0;

  RECT textRect = rect;
  if (images && image != -1) textRect.right += iconWidth + 2;
  if (!text.empty()) {
    DrawSkinText(dc, text, textRect, DT_END_ELLIPSIS | DT_EXPANDTABS | DT_CALCRECT | DT_NOCLIP);
  } else {
    textRect.right = textRect.left;
  }
  const int textWidth = textRect.right - textRect.left, textHeight = textRect.bottom - textRect.top;
  const int x = SectionContentOffset(align, width, iconWidth, textWidth);
  if (icon) ImageList_Draw(images, image, dc, rect.left + x, rect.top + (height - iconWidth) / 2, ILD_TRANSPARENT);
  RECT placed{rect.left + x + iconWidth, rect.top + (height - textHeight) / 2, 0, 0};
  placed.right = std::min(placed.left + textWidth, static_cast<LONG>(rect.right));
  placed.left = std::max(placed.left, rect.left);
  placed.bottom = placed.top + textHeight;

  fw::SavedDCState saved(dc);
  PlainFont plain(dc);
  SetBkMode(dc, TRANSPARENT);
  SelectObject(dc, GetStockObject(NULL_BRUSH));
  SetTextColor(dc, FSkinData->ColourSet[ciWindowText] ? fw::ColorToRGB(FSkinData->Colours[ciWindowText])
                                                      : GetSysColor(COLOR_BTNTEXT));
  DrawSkinText(dc, text, placed, AddBiDiFlags(*this, DT_END_ELLIPSIS | DT_EXPANDTABS));
}

TSkinHeader* SkinListViewHeader(fw::TComponent* owner, HWND listView, TSkinData* skinData, fw::TCanvas* canvas,
                                ISkinnerHost* form) {
  if (!listView) return nullptr;
  HWND header = reinterpret_cast<HWND>(SendMessageW(listView, LVM_GETHEADER, 0, 0));
  if (!header || !IsWindow(header) || SendMessageW(header, SKM_ISSKINNED, 0, 0) == 1) return nullptr;
  auto* skinner = new TSkinHeader(owner);
  skinner->InitHandle(header, skinData, canvas, form);
  return skinner;
}

}  // namespace skin
