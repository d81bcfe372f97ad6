#include "skin/controls/button_skinner.h"

#include <algorithm>
#include <string_view>

#include "framework/handles.h"
#include "framework/stdctrls.h"
#include "skin/controls/button_layout.h"
#include "skin/controls/prop_by_name.h"
#include "skin/core/window_names.h"
#include "skin/paint/skin_paint.h"
#include "skin/paint/skin_text.h"

namespace skin {

const fw::ClassInfo& TSkinButton::StaticClass() {
  static const fw::ClassInfo info = fw::ClassBuilder<TSkinButton>("TSkinButton", &TSkinControl::StaticClass()).Build();
  return info;
}
const fw::ClassInfo& TSkinBitButton::StaticClass() {
  static const fw::ClassInfo info =
      fw::ClassBuilder<TSkinBitButton>("TSkinBitButton", &TSkinButton::StaticClass()).Build();
  return info;
}
const fw::ClassInfo& TSkinMenuButton::StaticClass() {
  static const fw::ClassInfo info =
      fw::ClassBuilder<TSkinMenuButton>("TSkinMenuButton", &TSkinButton::StaticClass()).Build();
  return info;
}
const fw::ClassInfo& TSkinSpeedButton::StaticClass() {
  static const fw::ClassInfo info =
      fw::ClassBuilder<TSkinSpeedButton>("TSkinSpeedButton", &TSkinBitButton::StaticClass()).Build();
  return info;
}

namespace {

constexpr int32_t kTransparentTag = 5555;
constexpr UINT kFrameworkDialogKey = 0xB005;
constexpr UINT kFrameworkFocusChanged = 0xB007;
constexpr UINT kFrameworkControlChange = 0xB021;
constexpr SIZE kMenuArrow{8, 3};

bool ReadsTrue(const fw::TObject* control, std::string_view name) {
  return LowerCaseAscii(GetEnumPropByName(control, name)) == "true";
}

// An integer property, `fallback` when the control does not have it.
int32_t OrdOr(const fw::TObject* control, std::string_view name, int32_t fallback) {
  const fw::PropInfo* info = control ? control->Class().FindProperty(name) : nullptr;
  return info && info->kind == fw::PropKind::Integer ? GetOrdPropByName(control, name) : fallback;
}

const fw::TBitmap* BitmapProp(const fw::TObject* control, std::string_view name) {
  auto* bitmap = static_cast<const fw::TBitmap*>(GetObjectPropByName(control, name, fw::TBitmap::StaticClass()));
  return bitmap && !bitmap->Empty() ? bitmap : nullptr;
}

const fw::TFont* FontProp(const fw::TObject* control) {
  return static_cast<const fw::TFont*>(GetObjectPropByName(control, "Font", fw::TFont::StaticClass()));
}

SIZE MeasureText(HDC dc, const std::wstring& text, RECT area, UINT flags) {
  if (text.empty()) return {0, 0};
  DrawSkinText(dc, text, area, flags | DT_CALCRECT);
  return {area.right - area.left, area.bottom - area.top};
}

}  // namespace

std::wstring ReplaceFirst(std::wstring text, std::wstring_view from, std::wstring_view to) {
  if (from.empty()) return text;
  if (const size_t at = text.find(from); at != std::wstring::npos) text.replace(at, from.size(), to);
  return text;
}

fw::TBitmap MakeDisabledGlyph(const fw::TBitmap& glyph) {
  fw::TBitmap result(glyph.Width(), glyph.Height());
  const RECT all{0, 0, glyph.Width(), glyph.Height()};
  fw::UniqueBrush face(CreateSolidBrush(GetSysColor(COLOR_BTNFACE)));
  FillRect(result.DC(), &all, face.get());
  // The monochrome copy of the glyph's ink.
  fw::UniqueMemoryDC monoDC(CreateCompatibleDC(nullptr));
  fw::UniqueBitmap mono(CreateBitmap(glyph.Width(), glyph.Height(), 1, 1, nullptr));
  if (!monoDC || !mono) return result;
  fw::SelectObjectGuard monoSelected(monoDC.get(), mono.get());
  const COLORREF oldBack = SetBkColor(glyph.DC(), glyph.Pixel(0, glyph.Height() - 1));
  BitBlt(monoDC.get(), 0, 0, glyph.Width(), glyph.Height(), glyph.DC(), 0, 0, SRCCOPY);
  SetBkColor(glyph.DC(), oldBack);
  // The ink set, the ground clear: the brush goes where the copy is set.
  PatBlt(monoDC.get(), 0, 0, glyph.Width(), glyph.Height(), DSTINVERT);
  // Paint the brush over the ink: the highlight one pixel down and right, then the shadow.
  constexpr DWORD kPaintWhereBlack = 0x00E20746;
  HDC dc = result.DC();
  SetTextColor(dc, RGB(0, 0, 0));
  SetBkColor(dc, RGB(255, 255, 255));
  for (const auto& [offset, color] : {std::pair{1, COLOR_BTNHIGHLIGHT}, std::pair{0, COLOR_BTNSHADOW}}) {
    fw::UniqueBrush brush(CreateSolidBrush(GetSysColor(color)));
    fw::SelectObjectGuard selected(dc, brush.get());
    BitBlt(dc, offset, offset, glyph.Width(), glyph.Height(), monoDC.get(), 0, 0, kPaintWhereBlack);
  }
  return result;
}

fw::TBitmap GlyphFramePicture(int count, int index, const fw::TBitmap& glyph) {
  count = std::max(count, 1);
  const int width = glyph.Width() / count, height = glyph.Height();
  if (width <= 0 || height <= 0) return {};
  if (index == 2 && count == 1) return MakeDisabledGlyph(glyph);
  const int used = count < index ? 0 : index - 1;
  fw::TBitmap picture(width, height);
  BitBlt(picture.DC(), 0, 0, width, height, glyph.DC(), used * width, 0, SRCCOPY);
  return picture;
}

void DrawGlyphPicture(HDC dc, POINT at, const fw::TBitmap& picture) {
  if (picture.Empty()) return;
  const int width = picture.Width(), height = picture.Height();
  GdiTransparentBlt(dc, at.x, at.y, width, height, picture.DC(), 0, 0, width, height, picture.Pixel(0, height - 1));
}

void DrawGlyph(HDC dc, POINT at, int count, int index, const fw::TBitmap& glyph) {
  DrawGlyphPicture(dc, at, GlyphFramePicture(count, index, glyph));
}

// ---- TSkinButton ------------------------------------------------------------------------------

void TSkinButton::InitControl(ISkinnerHost* form, TSkinData* skinData, fw::TCanvas* canvas, bool setColor) {
  if (FInitialized) return;
  TSkinControl::InitControl(form, skinData, canvas, setColor);
  const std::string name = FControl ? LowerCaseAscii(FControl->ClassName()) : std::string();
  FKind = name.starts_with("trz") || name.starts_with("tel") ? 1 : 0;
  TakeTransparency();
}

void TSkinButton::TakeTransparency() {
  FTransparent = (FControl && FControl->Tag() == kTransparentTag) || (FSkinData && FSkinData->HasOption(xoTransparent));
}

bool TSkinButton::HasButtonImage() const {
  return FSkinData && FSkinData->Buttons && FSkinData->Buttons->Bitmap && !FSkinData->Buttons->Bitmap->Empty();
}

bool TSkinButton::BeforeMessage(fw::TMessage& message) {
  // Without the skin's button image the control keeps its own look and mouse handling.
  if (!HasButtonImage()) return TSkinControl::BeforeMessage(message);
  switch (message.Msg) {
    case WM_PAINT:
      OwnPaint(*this, message);
      return false;
    case WM_ERASEBKGND:
      message.Result = 1;
      return false;
    case WM_TIMER:
      if (FHandle) KillTimer(FHandle, 1);
      return false;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      if (FHandle && GetFocus() != FHandle) SetFocus(FHandle);
      FState |= scDown;
      PaintControl(nullptr);
      if (FKind == 0 && FControl) ForwardMouseDown(message);
      return false;
    default:
      return TSkinControl::BeforeMessage(message);
  }
}

void TSkinButton::AfterMessage(fw::TMessage& message) {
  switch (message.Msg) {
    case WM_SETTEXT:
      PaintControl(nullptr);
      return;
    case WM_KEYDOWN:
    case WM_KEYUP:
      if (message.WParam == VK_SPACE) {
        if (message.Msg == WM_KEYDOWN) {
          FState |= scDown;
        } else {
          FState &= static_cast<TSkinControlState>(~scDown);
        }
        Redraw();
      }
      return;
    case WM_MOUSEMOVE:
    case WM_MOUSELEAVE:
      TrackHotState(message);
      return;
    case WM_LBUTTONUP: {
      if (!(FState & scDown)) return;
      FState &= static_cast<TSkinControlState>(~scDown);
      Redraw();
      // As the system's button: a release away from the button is no click.
      RECT client{};
      const POINT at{static_cast<short>(LOWORD(message.LParam)), static_cast<short>(HIWORD(message.LParam))};
      if (FHandle && GetClientRect(FHandle, &client) && !PtInRect(&client, at)) return;
      // The click comes last: its handler may destroy the button and this skinner with it.
      if (FControl) {
        FControl->Click();
      } else if (const HWND window = FHandle; window) {
        char name[16] = {};
        GetClassNameA(window, name, sizeof name);
        const WPARAM id = LowerCaseAscii(name) == "tbutton" ? 0 : static_cast<WPARAM>(GetDlgCtrlID(window) & 0xFFFF);
        PostMessageA(GetParent(window), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(window));
      }
      return;
    }
    case kFrameworkDialogKey:
    case kFrameworkFocusChanged:
      Redraw();
      return;
    // The system's button paints itself at once on these, outside WM_PAINT.
    case BM_SETSTATE:
    case BM_SETSTYLE:
    case WM_UPDATEUISTATE:
      if (HasButtonImage()) PaintControl(nullptr);
      return;
    default:
      TSkinControl::AfterMessage(message);
  }
}

int TSkinButton::StateFrame() {
  FFocused = FHandle && GetFocus() == FHandle;
  FEnabled = !FHandle || !(GetWindowLongEx(FHandle, GWL_STYLE) & WS_DISABLED);
  const bool isDefault = FControl && ReadsTrue(FControl, "Default");
  if (!FEnabled) return kButtonFrameDisabled;
  if (FState & scDown) return kButtonFramePressed;
  if (FState & scHot) return kButtonFrameHot;
  if (FFocused || isDefault) return kButtonFrameFocused;
  return kButtonFrameNormal;
}

void TSkinButton::ComposeFace(const RECT& rect, int frame, bool withFrame) {
  FBitmap.SetSize(rect.right - rect.left, rect.bottom - rect.top);
  const SIZE size{FBitmap.Width(), FBitmap.Height()};
  const SkinElementImage element = ElementImage(*FSkinData->Buttons);
  if (FTransparent && FControl) {
    DrawParentBackground(*FControl, FBitmap.DC());
    if (withFrame) FFaces.DrawFrame(FBitmap.DC(), element, kButtonFrameFocused, frame, size);
  } else if (withFrame) {
    FFaces.DrawFrameOnFace(FBitmap.DC(), element, kButtonFrameFocused, frame, size, fw::ColorToRGB(FaceColor()));
  } else {
    FillFace(FBitmap.DC(), RECT{0, 0, size.cx, size.cy});
  }
}

fw::TColor TSkinButton::TextColor(int frame, fw::TColor base) const {
  const TDataSkinButton& buttons = *FSkinData->Buttons;
  fw::TColor color = base;
  if (buttons.HasNormalColour2) color = buttons.NormalColour2;
  if (frame == kButtonFrameHot && buttons.HasMouseOverColour2) color = buttons.MouseOverColour2;
  if (frame == kButtonFramePressed && buttons.HasPressedColour2) color = buttons.PressedColour2;
  if (!FEnabled) color = fw::kSystemColor | COLOR_BTNSHADOW;
  return color;
}

HFONT TSkinButton::ButtonFont() const {
  if (const fw::TFont* font = FontProp(FControl)) return font->Handle();
  return FHandle ? reinterpret_cast<HFONT>(SendMessageW(FHandle, WM_GETFONT, 0, 0)) : nullptr;
}

fw::TColor TSkinButton::FontColor() const {
  if (const fw::TFont* font = FontProp(FControl)) return font->Color();
  return FSkinData->Colours[ciButtonText];
}

void TSkinButton::DrawControl(HDC dc, const RECT& rect) {
  if (!HasButtonImage()) return;
  const int frame = StateFrame();
  FCaption = FControl ? GetStrPropByName(FControl, "Caption") : GetWindowCaption(FHandle);
  ComposeFace(rect, frame);
  const RECT all{0, 0, FBitmap.Width(), FBitmap.Height()};
  HDC canvas = FBitmap.DC();
  fw::SelectObjectGuard font(canvas, ButtonFont());
  SetTextColor(canvas, fw::ColorToRGB(TextColor(frame, FontColor())));
  DrawCaption(canvas, all, DT_CENTER);
  BitBlt(dc, rect.left, rect.top, all.right, all.bottom, canvas, 0, 0, SRCCOPY);
}

void TSkinButton::DrawCaption(HDC dc, const RECT& rect, UINT alignment) {
  UINT flags = alignment | DT_EXPANDTABS | DT_WORDBREAK;
  FCaption = ReplaceFirst(FCaption, L"||", L"\r\n");
  RECT text = rect;
  InflateRect(&text, -2, -2);
  const int oldMode = SetBkMode(dc, TRANSPARENT);
  DrawSkinText(dc, FCaption, text, flags | DT_CALCRECT | DT_NOCLIP);
  OffsetRect(&text, -text.left, -text.top);
  flags = AddBiDiFlags(*this, flags);
  const int dy = (rect.bottom - rect.top - text.bottom) / 2 - 1;
  if (alignment & DT_CENTER) {
    OffsetRect(&text, (rect.right - rect.left - text.right) / 2, dy);
  } else {
    OffsetRect(&text, 0, dy);
    text.left = rect.left;
    text.right = rect.right;
  }
  DrawSkinText(dc, FCaption, text, flags);
  SetBkMode(dc, oldMode);
  if (FFocused && !FSkinData->HasOption(xoNoFocusRect)) {
    InflateRect(&text, 2, 2);
    ::DrawFocusRect(dc, &text);
  }
}

// ---- TSkinBitButton ---------------------------------------------------------------------------

void TSkinBitButton::DrawControl(HDC dc, const RECT& rect) {
  if (!HasButtonImage()) return;
  int frame = StateFrame();
  // A look-alike whose picture is another graphic property has no default frame.
  if (!FImageProperty.empty() && frame == kButtonFrameFocused && !FFocused) frame = kButtonFrameNormal;
  FCaption = FControl ? GetStrPropByName(FControl, "Caption") : GetWindowCaption(FHandle);
  const int glyphFrame = frame == kButtonFramePressed ? 3 : frame == kButtonFrameDisabled ? 2 : 1;
  ComposeFace(rect, frame);
  const RECT all{0, 0, FBitmap.Width(), FBitmap.Height()};
  DrawGlyphAndCaption(frame, glyphFrame, FEnabled, false);
  BitBlt(dc, rect.left, rect.top, all.right, all.bottom, FBitmap.DC(), 0, 0, SRCCOPY);
}

void TSkinBitButton::DrawGlyphAndCaption(int frame, int glyphFrame, bool enabled, bool speed) {
  HDC dc = FBitmap.DC();
  const fw::TObject* control = FControl;
  fw::SelectObjectGuard font(dc, ButtonFont());
  // The picture: a named graphic property of a look-alike, or the glyph strip.
  const fw::TBitmap* picture = BitmapProp(control, FImageProperty.empty() ? "Glyph" : FImageProperty);
  const int numGlyphs = FImageProperty.empty() ? std::max(OrdOr(control, "NumGlyphs", 1), 1) : 1;
  ButtonLayoutInput in;
  in.client = {FBitmap.Width(), FBitmap.Height()};
  if (picture && picture->Width() / numGlyphs > 0) in.glyph = {picture->Width() / numGlyphs, picture->Height()};
  in.margin = OrdOr(control, "Margin", -1);
  in.spacing = OrdOr(control, "Spacing", -1);
  in.layout = LayoutFromName(GetEnumPropByName(control, "Layout"));
  in.centred = !speed && LowerCaseAscii(GetEnumPropByName(control, "Alignment")) == "tacenter";
  in.speed = speed;
  FCaption = ReplaceFirst(FCaption, L"||", L"\r\n");
  RECT area{2, 2, in.client.cx - 2, in.client.cy - 2};
  if (in.layout == 0 || in.layout == 1) {
    area.right -= in.glyph.cx + 2;
  } else {
    area.bottom -= in.glyph.cy + 2;
  }
  in.text = MeasureText(dc, FCaption, area, DT_WORDBREAK);
  const ButtonLayout place = LayOutGlyphButton(in);
  if (in.glyph.cx > 0) {
    if (FImageProperty.empty()) {
      FFaces.DrawGlyph(dc, place.glyph, numGlyphs, glyphFrame, *picture);
    } else {
      GdiTransparentBlt(dc, place.glyph.x, place.glyph.y, in.glyph.cx, in.glyph.cy, picture->DC(), 0, 0, in.glyph.cx,
                        in.glyph.cy, picture->Pixel(0, in.glyph.cy - 1));
    }
  }
  const int oldMode = SetBkMode(dc, TRANSPARENT);
  fw::TColor color = FontColor();
  const TDataSkinButton& buttons = *FSkinData->Buttons;
  if (buttons.HasNormalColour2 && (!speed || frame == kButtonFrameNormal)) color = buttons.NormalColour2;
  if (frame == kButtonFrameHot && buttons.HasMouseOverColour2) color = buttons.MouseOverColour2;
  if (frame == kButtonFramePressed && buttons.HasPressedColour2) color = buttons.PressedColour2;
  if (!enabled) color = fw::kSystemColor | COLOR_BTNSHADOW;
  SetTextColor(dc, fw::ColorToRGB(color));
  RECT text = place.text;
  if (!FCaption.empty()) {
    DrawSkinText(dc, FCaption, text, AddBiDiFlags(*this, place.flags));
    if (!speed && FFocused && !FSkinData->HasOption(xoNoFocusRect)) {
      text = place.text;
      InflateRect(&text, 2, 2);
      ::DrawFocusRect(dc, &text);
    }
  }
  SetBkMode(dc, oldMode);
}

// ---- TSkinMenuButton --------------------------------------------------------------------------

int TSkinMenuButton::StateFrame() {
  FFocused = FHandle && GetFocus() == FHandle;
  FEnabled = !FHandle || !(GetWindowLongEx(FHandle, GWL_STYLE) & WS_DISABLED);
  if (!FEnabled) return kButtonFrameDisabled;
  if (FState & scDown) return kButtonFramePressed;
  if (FFocused || (FState & scHot)) return kButtonFrameHot;
  return kButtonFrameNormal;
}

void TSkinMenuButton::DrawControl(HDC dc, const RECT& rect) {
  if (!HasButtonImage()) return;
  const int frame = StateFrame();
  FCaption = ReplaceFirst(FControl ? GetStrPropByName(FControl, "Caption") : GetWindowCaption(FHandle), L"||", L"\r\n");
  ComposeFace(rect, frame);
  const RECT all{0, 0, FBitmap.Width(), FBitmap.Height()};
  HDC canvas = FBitmap.DC();
  fw::SelectObjectGuard font(canvas, ButtonFont());
  const fw::TBitmap* glyph = BitmapProp(FControl, "Glyph");
  MenuButtonInput in;
  in.client = {all.right, all.bottom};
  if (glyph) in.glyph = {glyph->Width(), glyph->Height()};
  in.arrow = kMenuArrow;
  in.margin = OrdOr(FControl, "Margin", -1);
  in.spacing = OrdOr(FControl, "Spacing", -1);
  RECT area{2, 2, in.client.cx - in.glyph.cx - in.arrow.cx - 2, in.client.cy - 2};
  in.text = MeasureText(canvas, FCaption, area, DT_WORDBREAK);
  const MenuButtonLayout place = LayOutMenuButton(in);
  if (glyph) FFaces.DrawGlyph(canvas, place.glyph, 1, 1, *glyph);
  const TDataSkinButton& buttons = *FSkinData->Buttons;
  fw::TColor color = FontColor();
  if (frame == kButtonFrameNormal && buttons.HasNormalColour2) color = buttons.NormalColour2;
  if (frame == kButtonFrameHot && buttons.HasMouseOverColour2) color = buttons.MouseOverColour2;
  if (frame == kButtonFramePressed && buttons.HasPressedColour2) color = buttons.PressedColour2;
  fw::TColor arrowColor = fw::clWindowText;
  if (!FEnabled) color = arrowColor = fw::kSystemColor | COLOR_BTNSHADOW;
  fw::UniqueBrush brush(CreateSolidBrush(fw::ColorToRGB(arrowColor)));
  fw::UniquePen pen(CreatePen(PS_SOLID, 1, fw::ColorToRGB(arrowColor)));
  {
    fw::SelectObjectGuard brushSelected(canvas, brush.get());
    fw::SelectObjectGuard penSelected(canvas, pen.get());
    const POINT arrow[3] = {{place.arrow.x, place.arrow.y + 2},
                            {place.arrow.x - 3, place.arrow.y - 1},
                            {place.arrow.x + 3, place.arrow.y - 1}};
    Polygon(canvas, arrow, 3);
  }
  SetTextColor(canvas, fw::ColorToRGB(color));
  const int oldMode = SetBkMode(canvas, TRANSPARENT);
  if (!FCaption.empty()) {
    RECT text = place.text;
    DrawSkinText(canvas, FCaption, text, AddBiDiFlags(*this, DT_WORDBREAK));
    if (FFocused && !FSkinData->HasOption(xoNoFocusRect)) {
      text = place.text;
      InflateRect(&text, 2, 2);
      ::DrawFocusRect(canvas, &text);
    }
  }
  SetBkMode(canvas, oldMode);
  BitBlt(dc, rect.left, rect.top, all.right, all.bottom, canvas, 0, 0, SRCCOPY);
}

// ---- TSkinSpeedButton -------------------------------------------------------------------------

TSkinSpeedButton::~TSkinSpeedButton() { Unhook(); }

void TSkinSpeedButton::InitSpeedButton(ISkinnerHost* form, TSkinData* skinData, fw::TCanvas* canvas) {
  if (FInitialized) return;
  FSkinData = skinData;
  FCanvas = canvas;
  FControl = dynamic_cast<fw::TControl*>(Owner());
  FGraphicControl = FControl;
  if (!FControl) return;
  HookControl(FControl);
  Register(form);
  TakeTransparency();
  FControl->Invalidate();
  FInitialized = true;
  FLifeState = kSkinnerAttached;
}

bool TSkinSpeedButton::BeforeMessage(fw::TMessage& message) {
  switch (message.Msg) {
    case WM_PAINT:
      if (!message.WParam) return true;
      DrawSpeedButton(reinterpret_cast<HDC>(message.WParam));
      message.Result = 1;
      return false;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
      const fw::TLifeToken life = LifeToken();
      CallDefault(message);  // the control's own down and group logic; its handlers may free it
      if (!life.Alive()) return false;
      FState |= scDown;
      PaintControl(nullptr);
      return false;
    }
    case WM_LBUTTONUP:
      return true;
    case WM_ERASEBKGND:
    case WM_TIMER:
      return true;
    default:
      return TSkinControl::BeforeMessage(message);
  }
}

void TSkinSpeedButton::AfterMessage(fw::TMessage& message) {
  switch (message.Msg) {
    case WM_ENABLE:
    case kFrameworkFocusChanged:
    case fw::CM_ENABLEDCHANGED:
      return;
    case WM_NCDESTROY:
    case kFrameworkControlChange:
      Unhook();
      return;
    case WM_KEYDOWN:
      if (message.WParam == VK_SPACE) {
        FState |= scDown;
        PaintControl(nullptr);
      }
      return;
    case WM_KEYUP:
    case WM_LBUTTONUP:
      if (message.Msg == WM_LBUTTONUP || message.WParam == VK_SPACE) {
        FState &= static_cast<TSkinControlState>(~scDown);
        PaintControl(nullptr);
      }
      return;
    case fw::CM_MOUSEENTER:
      FState |= scHot;
      PaintControl(nullptr);
      return;
    case fw::CM_MOUSELEAVE:
      FState &= static_cast<TSkinControlState>(~(scHot | scDown));
      if (FControl && FControl->Visible()) PaintControl(nullptr);
      return;
    case WM_MOUSEMOVE:
    case WM_MOUSELEAVE:
      return;  // the framework tells enter and leave itself
    default:
      TSkinControl::AfterMessage(message);
  }
}

void TSkinSpeedButton::PaintControl(HDC dc) {
  if (dc) {
    DrawSpeedButton(dc);
    return;
  }
  fw::TWinControl* parent = FControl ? FControl->Parent() : nullptr;
  if (!parent || !parent->HandleAllocated() || !FControl->Visible()) return;
  fw::WindowDC parentDC(parent->Handle(), fw::WindowDC::Area::Client);
  if (!parentDC) return;
  fw::SavedDCState saved(parentDC.get());
  const RECT bounds = FControl->BoundsRect();
  IntersectClipRect(parentDC.get(), bounds.left, bounds.top, bounds.right, bounds.bottom);
  SetViewportOrgEx(parentDC.get(), bounds.left, bounds.top, nullptr);
  DrawSpeedButton(parentDC.get());
}

void TSkinSpeedButton::DrawSpeedButton(HDC dc) {
  if (FPainting || !HasButtonImage() || !FControl || LowerCaseAscii(GetEnumPropByName(FControl, "Visible")) == "false")
    return;
  FPainting = true;
  struct Clear {
    bool& flag;
    ~Clear() { flag = false; }
  } clear{FPainting};
  const int mouse = (FState & scDown) ? kButtonFramePressed : (FState & scHot) ? kButtonFrameHot : kButtonFrameNormal;
  const bool down = ReadsTrue(FControl, "Down");
  const bool enabled = ReadsTrue(FControl, "Enabled");
  FEnabled = enabled;
  const int frame = down ? kButtonFramePressed : !enabled ? kButtonFrameDisabled : mouse;
  int glyphFrame = frame == kButtonFramePressed ? 3 : frame == kButtonFrameDisabled ? 2 : 1;
  if (down) glyphFrame = 4;
  const bool flat = ReadsTrue(FControl, "Flat");
  const RECT client = FControl->ClientRect();
  if (client.right <= client.left || client.bottom <= client.top) return;
  ComposeFace(client, frame, frame == kButtonFramePressed || frame == kButtonFrameHot || !flat);
  const RECT all{0, 0, FBitmap.Width(), FBitmap.Height()};
  FCaption = GetStrPropByName(FControl, "Caption");
  FFocused = false;
  const fw::TBitmap* picture = BitmapProp(FControl, FImageProperty.empty() ? "Glyph" : FImageProperty);
  if (picture) {
    DrawGlyphAndCaption(frame, glyphFrame, enabled, true);
  } else {
    fw::SelectObjectGuard font(FBitmap.DC(), ButtonFont());
    fw::TColor color = FontColor();
    if (FSkinData->Buttons->HasNormalColour2) color = FSkinData->Buttons->NormalColour2;
    if (!enabled) color = fw::kSystemColor | COLOR_BTNSHADOW;
    SetTextColor(FBitmap.DC(), fw::ColorToRGB(color));
    DrawCaption(FBitmap.DC(), all, DT_CENTER);
  }
  BitBlt(dc, client.left, client.top, all.right, all.bottom, FBitmap.DC(), 0, 0, SRCCOPY);
}

}  // namespace skin
