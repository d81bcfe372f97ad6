#include "skin/form/frame_geometry.h"

#include <algorithm>

namespace skin {

// ---- The window ------------------------------------------------------------------------------

TBorderKind BorderKindOf(uint32_t style, uint32_t ex_style, bool dialog_class) {
  TBorderKind kind = TBorderKind::bkSingle;
  if ((style & kStyleCaption) != kStyleCaption) {
    kind = TBorderKind::bkNone;
  } else if (style & kStyleThickFrame) {
    kind = TBorderKind::bkSizeable;
  } else if (style & kStyleModalFrame) {
    kind = TBorderKind::bkDialog;
  }
  if (ex_style & kExStyleDialogModalFrame) kind = TBorderKind::bkDialog;
  if (dialog_class) kind = TBorderKind::bkDialog;
  return kind;
}

TBorderIcons BorderIconsOf(uint32_t style, uint32_t ex_style, bool system_menu_known) {
  TBorderIcons icons = 0;
  if ((style & kStyleSystemMenu) || system_menu_known) icons |= biSystemMenu;
  if (style & kStyleMinimizeBox) icons |= biMinimize;
  if (style & kStyleMaximizeBox) icons |= biMaximize;
  if (ex_style & kExStyleContextHelp) icons |= biHelp;
  return icons;
}

TFrameFlags StyleFlagsOf(uint32_t style, uint32_t ex_style) {
  TFrameFlags flags = 0;
  if (style & kStylePopup) flags |= ffPopup;
  if (ex_style & kExStyleLeftScrollBar) flags |= ffRightToLeft;
  return flags;
}

// ---- The skin --------------------------------------------------------------------------------

CaptionCommand CommandOf(int32_t action) {
  switch (action) {
    case acClose:
      return CaptionCommand::Close;
    case acMaximize:
    case acMaximizeToo:
      return CaptionCommand::ToggleMaximize;
    case acMinimize:
    case acMinimizeToo:
      return CaptionCommand::ToggleMinimize;
    case acSystemMenu:
    case acWindowIcon:
    case acSystemMenuButton:
      return CaptionCommand::SystemMenu;
    case acContextHelp:
      return CaptionCommand::ContextHelp;
    case acMdiChildMinimize:
    case acMdiChildMinimizeToo:
      return CaptionCommand::MdiChildMinimize;
    case acMdiChildRestore:
    case acMdiChildRestoreToo:
      return CaptionCommand::MdiChildRestore;
    case acMdiChildClose:
    case acMdiChildCloseToo:
      return CaptionCommand::MdiChildClose;
    default:
      return CaptionCommand::Custom;
  }
}

bool DrawnAsWindowIcon(int32_t action) { return action == acSystemMenu || action == acWindowIcon; }

Size CaptionButtonRecord::FrameSize() const { return Size{Image.Width / std::max(Frames, 1), Image.Height}; }

// ---- Frame metrics and pieces ----------------------------------------------------------------

namespace {

int FrameWidth(const BorderImage& border) { return border.Image.Width / std::max(border.Frames, 1); }
int FrameHeight(const BorderImage& border) { return border.Image.Height / std::max(border.Frames, 1); }

}  // namespace

FrameMetrics MeasureFrame(const FrameWindow& window, const FrameSkin& skin) {
  if (window.BorderKind == TBorderKind::bkNone) return FrameMetrics{};
  FrameMetrics metrics;
  metrics.BorderLeft = FrameWidth(skin.Left);
  metrics.BorderTop = FrameHeight(skin.Top);
  metrics.BorderRight = FrameWidth(skin.Right);
  metrics.BorderBottom = FrameHeight(skin.Bottom);
  metrics.MenuBarHeight = std::max(window.MenuBandHeight, 0);
  return metrics;
}

FramePieces PiecesOf(const FrameWindow& window, const FrameMetrics& m) {
  const int w = window.Width;
  const int h = window.Height;
  FramePieces pieces;
  pieces.LeftBorder = Rect{0, 0, m.BorderLeft, h};
  pieces.RightBorder = Rect{w - m.BorderRight, 0, w, h};
  pieces.BottomBorder = Rect{m.BorderLeft, h - m.BorderBottom, w - m.BorderRight, h};
  pieces.CaptionStrip = Rect{0, 0, w, m.BorderTop};
  pieces.MenuBand = Rect{m.BorderLeft, m.BorderTop, w - m.BorderRight, m.BorderTop + m.MenuBarHeight};
  pieces.Client = Rect{m.BorderLeft, m.BorderTop + m.MenuBarHeight, w - m.BorderRight, h - m.BorderBottom};
  pieces.PaintBorders = window.State != TWindowState::wsMinimized;
  pieces.CaptionArea =
      pieces.PaintBorders ? Rect{m.BorderLeft, 0, w - m.BorderRight, m.BorderTop} : pieces.CaptionStrip;
  return pieces;
}

// ---- Client area and hit-testing -------------------------------------------------------------

std::optional<Rect> SkinnedClientRect(const FrameWindow& window, const FrameMetrics& m, const Rect& proposed) {
  if (window.BorderKind == TBorderKind::bkNone) return std::nullopt;
  if (window.Mdi == TMdiKind::mkChild && window.State != TWindowState::wsNormal) return std::nullopt;
  Rect client{proposed.Left + m.BorderLeft, proposed.Top + m.BorderTop + m.MenuBarHeight,
              proposed.Right - m.BorderRight, proposed.Bottom - m.BorderBottom};
  // Borders wider than the window leave an empty client, never one of negative size.
  client.Right = std::max(client.Right, client.Left);
  client.Bottom = std::max(client.Bottom, client.Top);
  return client;
}

Point ClientOriginInFrame(const FrameWindow& window, const FrameMetrics& m) {
  if (window.Mdi == TMdiKind::mkChild && window.State == TWindowState::wsMinimized) return Point{};
  return Point{m.BorderLeft, m.BorderTop + m.MenuBarHeight};
}

int RefineHitTest(const FrameMetrics& metrics, int default_code, Point point) {
  if (default_code != kHitNowhere && default_code != kHitCaption) return default_code;
  // The top rows keep the default's answer, so that the window can still be sized there.
  int code = default_code;
  if (point.Y > 3) code = kHitCaption;
  if (metrics.MenuBarHeight > 0 && point.Y > metrics.BorderTop) code = kHitMenu;
  return code;
}

// ---- Caption buttons and caption text --------------------------------------------------------

bool ButtonConditionHolds(int32_t value, VisibilityColumn column, const FrameWindow& window, int32_t action,
                          AskButtonVisible ask, bool visibility_result) {
  const bool first = column == VisibilityColumn::Visibility;
  const bool maximized = window.State == TWindowState::wsMaximized;
  const bool max_box = window.HasIcon(biMaximize);
  const bool min_box = window.HasIcon(biMinimize);
  const bool system_menu = window.HasIcon(biSystemMenu);
  switch (value) {
    case bvAlways:
      return true;
    case bvMaximized:
      return maximized;
    case bvNotMaximized:
      return !maximized;
    case bvActive:
      return window.Has(ffActive);
    case bvInactive:
      return !window.Has(ffActive);
    case bvMinOrMaxBox:
    case bvMinOrMaxBoxToo:
      return (min_box || max_box) && (system_menu || !first);
    case bvNoMaxBox:
      return !max_box;
    case bvNoMinBox:
      return !min_box;
    case bvHelpBox:
      return window.HasIcon(biHelp) && (!first || (!min_box && !max_box));
    case bvMdiChildMaximized:
      if (!first) return visibility_result;
      return window.Mdi == TMdiKind::mkFrame && window.Has(ffActiveMdiChildMaximized) && window.Has(ffMenuBarSkinner);
    case bvDialogFrame:
      return !window.Has(ffDialogClass) && window.BorderKind == TBorderKind::bkDialog;
    default:
      break;
  }
  if (value >= bvAlwaysFirst && value <= bvAlwaysLast) return true;
  if (value >= bvAskWindowFirst && value <= bvAskWindowLast) return !first || ask(value, action);
  return false;  // bvNever, bvHidden and every other value
}

CaptionButtonState CaptionButtonStateOf(const CaptionButtonRecord& button, const FrameWindow& window,
                                        AskButtonVisible ask) {
  CaptionButtonState state;
  const bool shown = ButtonConditionHolds(button.Visibility, VisibilityColumn::Visibility, window, button.Action, ask);
  state.Visible = shown && ButtonConditionHolds(button.Visibility1, VisibilityColumn::Visibility1, window,
                                                button.Action, ask, shown);
  const bool system_menu = window.HasIcon(biSystemMenu);
  switch (button.Action) {
    case acClose:
      if (!system_menu) state.Visible = false;
      break;
    case acMaximize:
      state.Enabled = window.HasIcon(biMaximize) && system_menu;
      break;
    case acMinimize:
      state.Enabled = window.HasIcon(biMinimize) && system_menu;
      break;
    case acSystemMenu:
    case acWindowIcon:
    case acSystemMenuButton:
      // A dialog frame has no icon and no system-menu button.
      if (window.BorderKind == TBorderKind::bkDialog) state.Visible = false;
      break;
    default:
      break;
  }
  return state;
}

CaptionTextLayout LayoutCaptionText(const FrameWindow& window, const CaptionTextStyle& title, const Rect& area,
                                    Size text_size, int right_buttons_width) {
  CaptionTextLayout layout;
  layout.RightButtonsWidth = right_buttons_width;
  Rect r{area.Left, area.Top, area.Left + text_size.Width + title.TextBackLeft + title.TextBackRight,
         area.Top + text_size.Height};
  const int aw = area.Width();
  const int rw = r.Width();
  const bool rtl = window.Has(ffRightToLeft);

  int dx = 0;
  if (!rtl) {
    switch (title.TextAlignment) {
      case taLeft:
        dx = title.TextShift;
        break;
      case taCentre:
        dx = (aw - rw) / 2;
        break;
      case taRight:
        dx = aw - title.TextRightClip - rw;
        break;
      default:
        break;
    }
  } else {
    // Mirrored: the buttons' zone takes the place of the right clip.
    switch (title.TextAlignment) {
      case taLeft:
        dx = aw - right_buttons_width - rw;
        break;
      case taCentre:
        dx = (aw - rw - right_buttons_width) / 2;
        break;
      case taRight:
        dx = title.TextShift;
        break;
      default:
        break;
    }
  }
  const int dy = (area.Height() - r.Height()) / 2 + title.TextShiftVert / 2;
  r = r.Offset(dx, dy);
  if (rtl && dx <= 0) r.Left = title.TextShift;

  if (rtl) {
    r = r.Offset(10, 0);
  } else if (window.Has(ffPopup)) {
    // A popup window keeps its text clear of the right buttons, whatever the skin's clip.
    const int limit = area.Right - right_buttons_width - 5;
    if (right_buttons_width > 5 && limit < r.Right) r.Right = limit;
  } else {
    const int limit = area.Right - title.TextRightClip;
    if (limit < r.Right) r.Right = limit;
  }
  // Dialog frames show no icon: left-aligned text takes its place.
  if (window.BorderKind == TBorderKind::bkDialog && title.TextAlignment == taLeft) r.Left -= 16;

  layout.TextRect = r;
  layout.BackgroundRect = Rect{r.Left, area.Top, r.Right, area.Bottom};
  layout.DrawRect = Rect{r.Left + title.TextBackLeft, r.Top, r.Right - title.TextBackRight, r.Bottom};
  return layout;
}

Rect PlaceCaptionButton(const CaptionButtonRecord& button, Size size, const FrameWindow& window,
                        const FrameMetrics& metrics, const FrameSkin& skin, const Rect& text_rect,
                        const Rect& previous) {
  const int w = window.Width;
  Point at{previous.Left, button.Ycoord};
  switch (button.Align) {
    case baLeft:
      at.X = button.Xcoord;
      break;
    case baRight:
      at.X = w - button.Xcoord;
      break;
    case baBeforeText:
    case baBeforeTextToo:
      at.X = text_rect.Left - size.Width - button.Xcoord;
      break;
    case baAfterText:
    case baAfterTextToo:
      at.X = text_rect.Right + button.Xcoord;
      break;
    case baMenuBand:
      at.X = w - button.Xcoord - metrics.BorderRight - skin.MenuBarLeftWidth;
      at.Y = metrics.BorderTop + (metrics.MenuBarHeight - size.Height) / 2;
      break;
    default:
      break;
  }
  return Rect::At(at, size);
}

CaptionLayout LayoutCaption(const FrameWindow& window, const FrameSkin& skin, const FrameMetrics& metrics,
                            Size text_size, AskButtonVisible ask, std::span<const Rect> previous) {
  CaptionLayout layout;
  const size_t count = skin.Buttons.size();
  layout.Buttons.resize(count);
  for (size_t i = 0; i < count; ++i) layout.Buttons[i].State = CaptionButtonStateOf(skin.Buttons[i], window, ask);

  std::optional<int> right_zone;
  for (size_t i = 0; i < count; ++i) {
    const CaptionButtonRecord& button = skin.Buttons[i];
    if (button.Align == baRight && button.HasImage() && layout.Buttons[i].State.Visible)
      right_zone = std::max(right_zone.value_or(button.Xcoord), button.Xcoord);
  }

  const FramePieces pieces = PiecesOf(window, metrics);
  layout.Text = LayoutCaptionText(window, skin.Title, pieces.CaptionArea, text_size, right_zone.value_or(0));

  for (size_t i = 0; i < count; ++i) {
    const CaptionButtonRecord& button = skin.Buttons[i];
    CaptionButtonLayout& placed = layout.Buttons[i];
    const Rect before = i < previous.size() ? previous[i] : Rect{};
    placed.LaidOut = placed.State.Visible && button.HasImage();
    placed.Bounds = placed.LaidOut ? PlaceCaptionButton(button, button.FrameSize(), window, metrics, skin,
                                                        layout.Text.TextRect, before)
                                   : before;
  }
  return layout;
}

int CaptionButtonAt(const FrameSkin& skin, const CaptionLayout& layout, Point point) {
  const size_t count = std::min(skin.Buttons.size(), layout.Buttons.size());
  for (size_t i = 0; i < count; ++i) {
    const CaptionButtonLayout& button = layout.Buttons[i];
    if (button.State.Visible && skin.Buttons[i].Action >= 0 && button.Bounds.Contains(point))
      return static_cast<int>(i);
  }
  return -1;
}

// ---- Window size -----------------------------------------------------------------------------

SkinnedWindowSize SkinnedWindowSizeFor(const FrameMetrics& m, Size client, const CaptionTextStyle& title,
                                       std::optional<int> dialog_caption_width) {
  SkinnedWindowSize result;
  result.Window.Width = client.Width + m.BorderLeft + m.BorderRight;
  result.Window.Height = client.Height + m.BorderTop + m.BorderBottom + m.MenuBarHeight;
  if (dialog_caption_width) {
    const int needed = title.TextShift + *dialog_caption_width + title.TextRightClip;
    if (result.Window.Width < needed) {
      result.ChildShift = (needed - result.Window.Width) / 2;
      result.Window.Width = needed;
    }
  }
  return result;
}

// ---- Window region ---------------------------------------------------------------------------

std::optional<RegionPlan> PlanRegion(const FrameWindow& window, const FrameMetrics& m, const FrameSkin& skin) {
  const int w = window.Width;
  const int h = window.Height;
  if (w <= 0 || h <= 0) return std::nullopt;
  if (window.Mdi == TMdiKind::mkChild && window.State != TWindowState::wsNormal) return std::nullopt;

  RegionPlan plan;
  plan.Window = Rect{0, 0, w, h};
  plan.Inner = Rect{m.BorderLeft, m.BorderTop, w - m.BorderRight, h - m.BorderBottom};
  const auto keyed = [](const BorderImage& border) { return border.Trans == 1; };
  if (!keyed(skin.Left) && !keyed(skin.Top) && !keyed(skin.Right) && !keyed(skin.Bottom)) {
    plan.WholeWindow = true;
    return plan;
  }
  if (window.BorderKind == TBorderKind::bkNone) return plan;

  const auto fill = [](bool from_bitmap) { return from_bitmap ? StripFill::FromBitmap : StripFill::Plain; };
  const Rect top{m.BorderLeft, 0, w - m.BorderRight, m.BorderTop};
  // Pieces too thin to hold a shape enter whole.
  plan.Strips = {
      {TBorderPiece::bpLeft, Rect{0, 0, m.BorderLeft, h}, fill(keyed(skin.Left) && h > 1)},
      {TBorderPiece::bpRight, Rect{w - m.BorderRight, 0, w, h}, fill(keyed(skin.Right) && h > 1)},
      {TBorderPiece::bpBottom, Rect{m.BorderLeft, h - m.BorderBottom, w - m.BorderRight, h},
       fill(keyed(skin.Bottom) && m.BorderBottom >= 2)},
      {TBorderPiece::bpTop, top, fill(keyed(skin.Top) && m.BorderTop > 1 && !top.Empty())},
  };
  return plan;
}

std::optional<RegionPlan> PlanMinimizedRegion(const FrameWindow& window, const FrameMetrics& m, const FrameSkin& skin) {
  const int w = window.Width;
  const int h = window.Height;
  if (w <= 0 || h <= 0) return std::nullopt;
  if (window.Mdi != TMdiKind::mkChild || window.State != TWindowState::wsMinimized) return std::nullopt;
  RegionPlan plan;
  plan.Window = Rect{0, 0, w, h};
  plan.Inner = Rect{0, std::min(m.BorderTop, h), w, h};
  if (skin.Top.Trans != 1 || m.BorderTop <= 1) {
    plan.WholeWindow = true;
    return plan;
  }
  // The piece as the caption paints it, the whole strip wide; rows below the window fall away.
  plan.Strips = {{TBorderPiece::bpTop, Rect{0, 0, w, m.BorderTop}, StripFill::FromBitmap}};
  return plan;
}

}  // namespace skin
