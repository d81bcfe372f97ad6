#include "skin/form/toolbar_paint.h"

#include <commctrl.h>

#include "framework/font.h"
#include "framework/handles.h"
#include "skin/paint/skin_paint.h"

namespace skin {

namespace {
constexpr int kButtonFrames = 5;
}  // namespace

bool PaintToolBarBackground(const TSkinData& skin, HDC dc, const RECT& rect) {
  const TDataSkinObject* element = skin.Toolbar.get();
  if (!element || !element->Bitmap || element->Bitmap->Empty() || skin.HasOption(xoToolbarBK)) return false;
  const fw::TBitmap& image = *element->Bitmap;
  const int oldMode = SetStretchBltMode(dc, COLORONCOLOR);
  StretchBlt(dc, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, image.DC(), 0, 0, image.Width(),
             image.Height(), SRCCOPY);
  SetStretchBltMode(dc, oldMode);
  return true;
}

int ToolBarButtonFrame(UINT state) {
  if (state & CDIS_SELECTED) return 2;
  if (state & (CDIS_FOCUS | CDIS_HOT)) return 4;
  if ((state & CDIS_DEFAULT) && !(state & (CDIS_GRAYED | CDIS_DISABLED))) return 1;
  return 0;
}

bool PaintToolBarButton(const TSkinData& skin, bool formActive, HDC dc, const RECT& bounds, UINT state,
                        std::optional<COLORREF>& textColour) {
  const TDataSkinButton* element = skin.Buttons.get();
  if (!element || !element->Bitmap || element->Bitmap->Empty() || skin.HasOption(xoToolbarButton) || !formActive)
    return false;
  const int frame = ToolBarButtonFrame(state);
  if (frame == 0) return false;
  if (frame == 1 && element->HasNormalColour2) textColour = fw::ColorToRGB(element->NormalColour2);
  if (frame == 4 && element->HasMouseOverColour2) textColour = fw::ColorToRGB(element->MouseOverColour2);
  if (frame == 2 && element->HasPressedColour2) textColour = fw::ColorToRGB(element->PressedColour2);
  RECT inside = bounds;
  InflateRect(&inside, -1, -1);
  DrawSkinElement(dc, inside, kButtonFrames, frame, *element);
  return true;
}

}  // namespace skin
