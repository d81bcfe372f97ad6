// The skinned non-client area of a form skinner: the border pieces and the caption bar (top
// border, text background, caption text, caption buttons, the window icon), composed off-screen
// and put on the window with one blit each. They are composed again only when something they
// show changed (FrameImageKey), so a repeated WM_NCPAINT costs the blits alone.
#include <cstring>
#include <exception>
#include <utility>

#include "skin/core/skin_data.h"
#include "skin/core/skin_messages.h"
#include "skin/form/caption_buttons.h"
#include "skin/form/form_skinner.h"
#include "skin/paint/plane_win32.h"
#include "skin/paint/platform_family.h"
#include "skin/paint/skin_paint.h"
#include "skin/paint/skin_text.h"

namespace skin {
namespace {

constexpr UINT kCaptionMeasureFlags = DT_CALCRECT | DT_NOCLIP | DT_NOPREFIX;
constexpr UINT kCaptionDrawFlags = DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS;
constexpr UINT kCaptionRightToLeftFlags = kCaptionDrawFlags | DT_RIGHT | DT_RTLREADING;

int FramesOf(int32_t frames) { return frames < 1 ? 1 : frames; }

// Both images have the same size and pixels.
bool SamePixels(const fw::TBitmap& a, const fw::TBitmap& b) {
  if (a.Width() != b.Width() || a.Height() != b.Height() || a.PixelFormat() != b.PixelFormat()) return false;
  const auto rowBytes = static_cast<size_t>(a.Width() * a.BytesPerPixel());
  for (int y = 0; y < a.Height(); ++y)
    if (std::memcmp(a.ScanLine(y), b.ScanLine(y), rowBytes) != 0) return false;
  return true;
}

// The whole image copied to the DC with its top-left corner at `at`.
void PutImage(HDC dc, const fw::TBitmap& image, Point at) {
  if (!image.Empty()) BitBlt(dc, at.X, at.Y, image.Width(), image.Height(), image.DC(), 0, 0, SRCCOPY);
}

}  // namespace

void TWinSkinForm::PaintFrame(HDC dc) {
  if (!FSkinFrame || !FSkinData || FSkinData->SkinEmpty() || !Hooked()) return;
  if (FLifeState != lsActive && FLifeState != lsReskinning) return;
  if (FBorderKind == TBorderKind::bkNone || MaximizedMdiChild()) return;
  const bool ownDC = dc == nullptr;
  if (ownDC) dc = GetWindowDC(FHandle);
  if (!dc) return;
  try {
    GetWindowRect(FHandle, &FWindowRect);
    FWindowWidth = FWindowRect.right - FWindowRect.left;
    FWindowHeight = FWindowRect.bottom - FWindowRect.top;
    const FramePieces pieces = PiecesOf(GeometryWindow(), Metrics());
    ComposeFrame();
    if (pieces.PaintBorders && FShownBorders) {
      PutImage(dc, FShownBorders->Left, pieces.LeftBorder.TopLeft());
      PutImage(dc, FShownBorders->Right, pieces.RightBorder.TopLeft());
      PutImage(dc, FShownBorders->Bottom, pieces.BottomBorder.TopLeft());
    }
    PutCaption(dc);
    if (pieces.PaintBorders && FMenuBarHeight > 0 && FSkinData->FaceBrush) {
      const RECT band = ToRECT(pieces.MenuBand);
      FillRect(dc, &band, FSkinData->FaceBrush.get());
    }
  } catch (const std::exception&) {
    // Failures of skinning are silent: the frame keeps whatever was painted.
  }
  ForgetHotObject();
  if (ownDC) ReleaseDC(FHandle, dc);
}

fw::TBitmap TWinSkinForm::BorderPieceImage(TBorderPiece index, int width, int height) const {
  if (width < 0 || height < 0 || !FSkinData) return {};
  const TDataSkinBorder* element = nullptr;
  switch (index) {
    case TBorderPiece::bpLeft:
      element = FSkinData->BorderLeft.get();
      break;
    case TBorderPiece::bpRight:
      element = FSkinData->BorderRight.get();
      break;
    case TBorderPiece::bpTop:
      element = FSkinData->BorderTop.get();
      break;
    case TBorderPiece::bpBottom:
      element = FSkinData->BorderBottom.get();
      break;
  }
  if (!element || !element->Bitmap || element->Bitmap->Empty()) return {};
  const int frames = FramesOf(element->Frame);
  const int frame = FActive || frames == 1 ? 1 : 2;
  const bool stacked = index == TBorderPiece::bpTop || index == TBorderPiece::bpBottom;
  return StretchFrame(RECT{0, 0, width, height}, *element->Bitmap,
                      FrameMargins{element->LeftWidth, element->TopHeight, element->RightWidth, element->BottomHeight},
                      stacked ? FrameStrip::Stacked : FrameStrip::SideBySide,
                      element->Stretch() == 1 ? CentreFill::Stretch : CentreFill::Tile, frames, frame);
}

void TWinSkinForm::DrawBorderPiece(TBorderPiece index, const RECT& rect, HDC dc) {
  PutImage(dc, BorderPieceImage(index, rect.right - rect.left, rect.bottom - rect.top), Point{rect.left, rect.top});
}

TWinSkinForm::FrameImageKey TWinSkinForm::CurrentFrameKey() {
  FrameImageKey key;
  key.Window = GeometryWindow();
  key.Window.Width = FWindowWidth;
  key.Window.Height = FWindowHeight;
  key.Metrics = Metrics();
  key.WideText = IsWindowsNT();
  key.Text = CaptionText();
  key.Icon = reinterpret_cast<HICON>(SendMessageA(FHandle, WM_GETICON, ICON_SMALL, 0));
  if (!key.Icon) key.Icon = reinterpret_cast<HICON>(SendMessageA(FHandle, WM_GETICON, ICON_BIG, 0));
  key.Generation = FFrameGeneration;
  auto ask = [this](int32_t visibility, int32_t action) {
    return SendMessageA(FHandle, SKM_BUTTONVISIBLE, static_cast<WPARAM>(visibility), action) > 0;
  };
  for (const auto& button : FButtons) {
    CaptionButtonState state;
    if (button->Index < FFrameSkin.Buttons.size())
      state = CaptionButtonStateOf(FFrameSkin.Buttons[button->Index], key.Window, ask);
    key.Buttons.push_back(FrameImageKey::Button{state, button.get() == FHotObject ? button->State : 0});
  }
  return key;
}

void TWinSkinForm::ComposeFrame() {
  FrameImageKey key = CurrentFrameKey();
  if (FFrameKey && *FFrameKey == key) return;
  // The caption of the other activation state is kept: activation swaps the two.
  const bool active = key.Window.Has(ffActive);
  if (FFrameKey && FFrameKey->Window.Has(ffActive) != active) {
    std::swap(FCaptionBitmap, FOtherCaption.Image);
    std::swap(FCaptionLayout, FOtherCaption.Layout);
    std::swap(FFrameKey, FOtherCaption.Key);
    if (FFrameKey && *FFrameKey == key) {
      FShownBorders = &CurrentBorderImages(key.Window, key.Metrics);
      UseCaptionLayout();
      return;
    }
  }
  // Forgotten until every part is composed again: a failure on the way composes anew next time.
  FFrameKey.reset();
  FShownBorders = nullptr;
  const BorderImages& borders = CurrentBorderImages(key.Window, key.Metrics);
  ComposeCaption(borders.CaptionBack, ToRECT(PiecesOf(key.Window, key.Metrics).CaptionArea), key.Text);
  FShownBorders = &borders;
  FFrameKey = std::move(key);
}

const TWinSkinForm::BorderImages& TWinSkinForm::CurrentBorderImages(const FrameWindow& window,
                                                                    const FrameMetrics& metrics) {
  const BorderImagesKey key{window.Width, window.Height, window.State == TWindowState::wsMinimized, metrics,
                            FFrameGeneration};
  BorderImages& images = FBorderImages[FActive ? 1 : 0];
  if (images.Key == key) return images;
  images.Key.reset();
  const FramePieces pieces = PiecesOf(window, metrics);
  auto piece = [&](TBorderPiece index, const Rect& area) {
    return pieces.PaintBorders ? BorderPieceImage(index, area.Width(), area.Height()) : fw::TBitmap();
  };
  images.Left = piece(TBorderPiece::bpLeft, pieces.LeftBorder);
  images.Right = piece(TBorderPiece::bpRight, pieces.RightBorder);
  images.Bottom = piece(TBorderPiece::bpBottom, pieces.BottomBorder);

  // The caption bar's background: a minimized window's caption is the whole window, on the face
  // colour; any other lies between the side borders' top rows.
  const int width = window.Width;
  const int height = pieces.PaintBorders ? metrics.BorderTop : window.Height;
  images.CaptionBack = fw::TBitmap();
  if (width > 0 && height > 0) {
    images.CaptionBack = fw::TBitmap(width, height, fw::pf32bit);
    HDC target = images.CaptionBack.DC();
    if (pieces.PaintBorders) {
      if (!images.Left.Empty()) BitBlt(target, 0, 0, images.Left.Width(), height, images.Left.DC(), 0, 0, SRCCOPY);
      if (!images.Right.Empty())
        BitBlt(target, width - metrics.BorderRight, 0, images.Right.Width(), height, images.Right.DC(), 0, 0, SRCCOPY);
    } else {
      fw::UniqueBrush face(CreateSolidBrush(fw::ColorToRGB(FSkinData->Colours[ciButtonFace])));
      const RECT all{0, 0, width, height};
      FillRect(target, &all, face.get());
    }
    DrawBorderPiece(TBorderPiece::bpTop, ToRECT(pieces.CaptionArea), target);
  }
  images.Key = key;
  return images;
}

void TWinSkinForm::PaintCaption(HDC dc) {
  ComposeFrame();
  PutCaption(dc);
}

void TWinSkinForm::PutCaption(HDC dc) {
  if (FCaptionBitmap.Empty()) return;
  PutImage(dc, FCaptionBitmap, Point{0, 0});
  SetBkMode(dc, OPAQUE);
}

void TWinSkinForm::ComposeCaption(const fw::TBitmap& background, const RECT& area, const std::wstring& text) {
  if (background.Empty()) {
    FCaptionBitmap = fw::TBitmap();
    return;
  }
  const int width = background.Width(), height = background.Height();
  if (FCaptionBitmap.Width() != width || FCaptionBitmap.Height() != height)
    FCaptionBitmap = fw::TBitmap(width, height, fw::pf32bit);
  HDC target = FCaptionBitmap.DC();
  BitBlt(target, 0, 0, width, height, background.DC(), 0, 0, SRCCOPY);
  FCanvas.SetHandle(target);
  DrawCaptionText(FCanvas, area, text);
  LayoutCaptionButtons();
  DrawCaptionButtons(FCanvas);
  FCanvas.SetHandle(nullptr);
}

void TWinSkinForm::DrawCaptionText(fw::TCanvas& canvas, const RECT& area) {
  DrawCaptionText(canvas, area, CaptionText());
}

void TWinSkinForm::DrawCaptionText(fw::TCanvas& canvas, const RECT& area, const std::wstring& text) {
  HDC dc = canvas.Handle();
  HGDIOBJ oldFont = SelectObject(dc, FTitleFont ? FTitleFont.get() : GetStockObject(DEFAULT_GUI_FONT));
  // The caption font never changes: a text measured once keeps its size.
  const bool wide = IsWindowsNT();
  if (!FMeasuredCaption || FMeasuredCaption->Text != text || FMeasuredCaption->Wide != wide) {
    RECT measured{area.left, area.top, area.left, area.top};
    DrawSkinText(dc, text, measured, kCaptionMeasureFlags);
    FMeasuredCaption =
        MeasuredCaption{text, wide, Size{measured.right - measured.left, measured.bottom - measured.top}};
  }
  const Size textSize = FMeasuredCaption->Extent;

  std::vector<Rect> previous;
  previous.reserve(FButtons.size());
  for (const auto& button : FButtons) previous.push_back(FromRECT(button->BoundsRect));
  FrameWindow window = GeometryWindow();
  window.Width = FWindowWidth;
  window.Height = FWindowHeight;
  auto ask = [this](int32_t visibility, int32_t action) {
    return SendMessageA(FHandle, SKM_BUTTONVISIBLE, static_cast<WPARAM>(visibility), action) > 0;
  };
  FCaptionLayout = LayoutCaption(window, FFrameSkin, Metrics(), textSize, ask, previous);
  FRightButtonsWidth = FCaptionLayout.Text.RightButtonsWidth;
  FCaptionTextRect = ToRECT(FCaptionLayout.Text.TextRect);

  const TDataSkinTitle* title = FSkinData->Title.get();
  if (title && title->Bitmap && !title->Bitmap->Empty()) {
    // The plate under the text, kept while the text's width stays (TileFrameHorz's image).
    const RECT plate = ToRECT(FCaptionLayout.Text.BackgroundRect);
    const int width = plate.right - plate.left, height = plate.bottom - plate.top;
    TextPlate& kept = FTextPlates[FActive ? 1 : 0];
    if (kept.Width != width || kept.Height != height || kept.Generation != FFrameGeneration) {
      kept.Image = KeyedFrameHorz(width, height, *title->Bitmap, FrameStrip::SideBySide, 2, FActive ? 1 : 2,
                                  FrameMargins{title->TXTBackleft, 0, title->TXTBackRight, 0});
      kept.Width = width;
      kept.Height = height;
      kept.Generation = FFrameGeneration;
    }
    kept.Image.Draw(dc, plate);
  }
  const int oldMode = SetBkMode(dc, TRANSPARENT);
  const COLORREF oldColour =
      SetTextColor(dc, fw::ColorToRGB(FSkinData->Colours[FActive ? ciTitleTextActive : ciTitleTextNoActive]));
  RECT drawRect = ToRECT(FCaptionLayout.Text.DrawRect);
  DrawSkinText(dc, text, drawRect, FRightToLeft ? kCaptionRightToLeftFlags : kCaptionDrawFlags);
  SetTextColor(dc, oldColour);
  SetBkMode(dc, oldMode);
  SelectObject(dc, oldFont);
}

void TWinSkinForm::UseCaptionLayout() {
  FRightButtonsWidth = FCaptionLayout.Text.RightButtonsWidth;
  FCaptionTextRect = ToRECT(FCaptionLayout.Text.TextRect);
  LayoutCaptionButtons();
}

void TWinSkinForm::LayoutCaptionButtons() {
  for (const auto& button : FButtons) {
    if (button->Index >= FCaptionLayout.Buttons.size()) continue;
    const CaptionButtonLayout& layout = FCaptionLayout.Buttons[button->Index];
    button->Visible = layout.State.Visible ? 1 : 0;
    button->Enabled = layout.State.Enabled ? 1 : 0;
    button->BoundsRect = ToRECT(layout.Bounds);
  }
}

bool TWinSkinForm::IsCaptionButtonVisible(size_t index) {
  if (index >= FFrameSkin.Buttons.size()) return false;
  auto ask = [this](int32_t visibility, int32_t action) {
    return SendMessageA(FHandle, SKM_BUTTONVISIBLE, static_cast<WPARAM>(visibility), action) > 0;
  };
  return CaptionButtonStateOf(FFrameSkin.Buttons[index], GeometryWindow(), ask).Visible;
}

void TWinSkinForm::DrawCaptionButtons(fw::TCanvas& canvas) {
  for (const auto& button : FButtons) {
    if (button->Index >= FCaptionLayout.Buttons.size() || !FCaptionLayout.Buttons[button->Index].LaidOut) continue;
    if (button->SkinButton->Align == baMenuBand) continue;
    const int32_t frames = FramesOf(button->SkinButton->Frame);
    int32_t state = frames < 4 || (FActive && button->Enabled) ? 1 : 4;
    if (button.get() == FHotObject) state = button->State;
    button->PaintTo(canvas.Handle(), state);
  }
}

void TWinSkinForm::LoadIconBitmap() {
  ++FFrameGeneration;
  // The window may have been given another icon under the handle of one it dropped.
  FScaledIcon.reset();
  FScaledIconSource = nullptr;
  FLastIconDrawing.Icon = nullptr;
  const int width = GetSystemMetrics(SM_CXSMICON);
  const int height = GetSystemMetrics(SM_CYSMICON);
  FIconBitmap = fw::TBitmap(width, height, fw::pf24bit);
  FIconSize = width;
  fw::UniqueBrush key(CreateSolidBrush(kKeyColor));
  const RECT all{0, 0, width, height};
  FillRect(FIconBitmap.DC(), &all, key.get());
  auto icon = reinterpret_cast<HICON>(SendMessageA(FHandle, WM_GETICON, ICON_SMALL, 0));
  if (!icon) icon = reinterpret_cast<HICON>(SendMessageA(FHandle, WM_GETICON, ICON_BIG, 0));
  FIcon = icon;
  if (icon) DrawIconEx(FIconBitmap.DC(), 0, 0, ScaledIcon(icon, width, height), width, height, 0, nullptr, DI_NORMAL);
  fw::TBitmap keyed;
  keyed.Assign(FIconBitmap);
  FIconImage = KeyedImage(std::move(keyed), kKeyColor);
}

HICON TWinSkinForm::ScaledIcon(HICON icon, int width, int height) {
  if (icon != FScaledIconSource || width != FScaledIconSize.cx || height != FScaledIconSize.cy) {
    FScaledIcon.reset(static_cast<HICON>(CopyImage(icon, IMAGE_ICON, width, height, LR_COPYFROMRESOURCE)));
    FScaledIconSource = icon;
    FScaledIconSize = SIZE{width, height};
  }
  return FScaledIcon ? FScaledIcon.get() : icon;
}

void TWinSkinForm::DrawIcon(HDC dc, const RECT& rect) {
  auto icon = reinterpret_cast<HICON>(SendMessageA(FHandle, WM_GETICON, ICON_SMALL, 0));
  if (!icon) icon = reinterpret_cast<HICON>(SendMessageA(FHandle, WM_GETICON, ICON_BIG, 0));
  if (!icon) {
    FIconImage.Draw(dc, rect);
    return;
  }
  const int size = FIconSize > 0 ? FIconSize : GetSystemMetrics(SM_CXSMICON);
  HICON scaled = ScaledIcon(icon, size, size);
  // Off-screen the icon drawn over the same pixels as last time gives the same pixels again.
  const bool offScreen = GetObjectType(dc) == OBJ_MEMDC;
  IconDrawing& last = FLastIconDrawing;
  if (offScreen) {
    if (last.Under.Width() != size || last.Under.Height() != size) {
      last = IconDrawing{};
      last.Under = fw::TBitmap(size, size, fw::pf32bit);
      last.Before = fw::TBitmap(size, size, fw::pf32bit);
      last.After = fw::TBitmap(size, size, fw::pf32bit);
    }
    BitBlt(last.Under.DC(), 0, 0, size, size, dc, rect.left, rect.top, SRCCOPY);
    // A monochrome icon takes the DC's colours.
    const COLORREF text = GetTextColor(dc), back = GetBkColor(dc);
    const bool same = last.Icon == scaled && last.TextColour == text && last.BackColour == back;
    last.TextColour = text;
    last.BackColour = back;
    if (same && SamePixels(last.Under, last.Before)) {
      BitBlt(dc, rect.left, rect.top, size, size, last.After.DC(), 0, 0, SRCCOPY);
      return;
    }
    last.Icon = nullptr;
  }
  DrawIconEx(dc, rect.left, rect.top, scaled, size, size, 0, nullptr, DI_NORMAL);
  if (!offScreen) return;
  std::swap(last.Before, last.Under);
  BitBlt(last.After.DC(), 0, 0, size, size, dc, rect.left, rect.top, SRCCOPY);
  last.Icon = scaled;
}

}  // namespace skin
