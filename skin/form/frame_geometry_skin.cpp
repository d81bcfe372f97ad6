#include "skin/form/frame_geometry_skin.h"

#include "skin/core/skin_data.h"
#include "skin/core/skin_records.h"

namespace skin {
namespace {

Size SizeOf(const fw::TBitmap* bitmap) {
  if (!bitmap || bitmap->Empty()) return Size{};
  return Size{bitmap->Width(), bitmap->Height()};
}

}  // namespace

BorderImage BorderImageOf(const TDataSkinBorder& border) {
  return BorderImage{SizeOf(border.Bitmap.get()), border.Frame, border.Trans};
}

CaptionTextStyle CaptionTextStyleOf(const TDataSkinTitle& title) {
  CaptionTextStyle style;
  style.TextShift = title.TextShift();
  style.TextShiftVert = title.TextShiftVert();
  style.TextRightClip = title.TextRightClip();
  style.TextAlignment = title.TextAlignment;
  style.TextBackLeft = title.TXTBackleft;
  style.TextBackRight = title.TXTBackRight;
  return style;
}

CaptionButtonRecord CaptionButtonOf(const TDataSkinSysButton& button, Size window_icon) {
  CaptionButtonRecord record;
  record.Action = button.Action;
  record.Align = button.Align;
  record.Xcoord = button.Xcoord;
  record.Ycoord = button.Ycoord;
  record.Visibility = button.Visibility;
  record.Visibility1 = button.Visibility1;
  record.Image = SizeOf(button.Bitmap.get());
  record.Frames = button.Frame;
  if (DrawnAsWindowIcon(button.Action)) {
    if (record.Image.Empty()) record.Image = window_icon;
    record.Frames = 1;
  }
  return record;
}

FrameSkin FrameSkinOf(const TSkinData& skin, Size window_icon) {
  FrameSkin frame;
  if (skin.SkinEmpty()) return frame;
  const auto border = [](const std::unique_ptr<TDataSkinBorder>& slot) {
    return slot ? BorderImageOf(*slot) : BorderImage{};
  };
  frame.Left = border(skin.BorderLeft);
  frame.Top = border(skin.BorderTop);
  frame.Right = border(skin.BorderRight);
  frame.Bottom = border(skin.BorderBottom);
  if (skin.Title) frame.Title = CaptionTextStyleOf(*skin.Title);
  frame.Buttons.reserve(skin.SysButtons.size());
  for (const auto& button : skin.SysButtons) {
    // The geometry's buttons stay in step with the records; a missing record is never shown.
    CaptionButtonRecord never;
    never.Action = acNone;
    never.Visibility = bvNever;
    frame.Buttons.push_back(button ? CaptionButtonOf(*button, window_icon) : never);
  }
  if (skin.MenuBar) frame.MenuBarLeftWidth = skin.MenuBar->LeftWidth;
  return frame;
}

}  // namespace skin
