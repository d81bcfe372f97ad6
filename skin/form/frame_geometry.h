// The geometry of a skinned window frame: the border thicknesses taken from the skin, the border
// pieces, the caption strip and the menu band, the client rectangle that WM_NCCALCSIZE answers,
// the hit codes that WM_NCHITTEST refines, which caption buttons are shown and where, the place
// of the caption text, and the strips the window region is made of. Painting, hit-testing and the
// client-area calculation all read these same rectangles. Pure arithmetic without any platform
// header: the form skinner fills the inputs from its window and its skin
// (frame_geometry_skin.h) and does the drawing itself.
//
// Every rectangle is relative to the window's top-left corner unless said otherwise.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "skin/core/window_kinds.h"
#include "skin/paint/plane.h"
#include "skin/resources/function_ref.h"

namespace skin {

// ---- The window ------------------------------------------------------------------------------

// The kind of frame, from the window's style (BorderKindOf). The numbers are the form skinner's.
enum class TBorderKind : uint8_t { bkSizeable = 0, bkSingle = 1, bkNone = 2, bkDialog = 3 };

// The boxes of the caption (BorderIconsOf); a set of bits.
enum TBorderIcon : uint8_t {
  biMaximize = 1,
  biMinimize = 2,
  biHelp = 4,
  biSystemMenu = 8,
  biKeepSystemMenuStyle = 16,  // the system-menu style stays while the frame paints
};
using TBorderIcons = uint8_t;

// Facts about the window that are not its style's boxes or kind; a set of bits.
enum TFrameFlag : uint32_t {
  ffActive = 1,                    // the window is active
  ffRightToLeft = 2,               // extended style WS_EX_LEFTSCROLLBAR
  ffPopup = 4,                     // style WS_POPUP
  ffDialogClass = 8,               // class "#32770" or "TMessageForm"
  ffMenuBarSkinner = 16,           // the window's menu bar is drawn by a menu-bar skinner
  ffActiveMdiChildMaximized = 32,  // MDI frame: its active MDI child is maximized
};
using TFrameFlags = uint32_t;

struct FrameWindow {
  int Width = 0;
  int Height = 0;
  TBorderKind BorderKind = TBorderKind::bkSizeable;
  TBorderIcons BorderIcons = 0;
  TWindowState State = TWindowState::wsNormal;
  TMdiKind Mdi = TMdiKind::mkNone;
  TFrameFlags Flags = 0;
  // The height the menu band would take: SM_CYMENU for a window with a skinned menu bar, the
  // caption shortfall of an MDI child, else 0.
  int MenuBandHeight = 0;

  [[nodiscard]] bool Has(TFrameFlag flag) const { return (Flags & flag) != 0; }
  [[nodiscard]] bool HasIcon(TBorderIcon icon) const { return (BorderIcons & icon) != 0; }
  friend bool operator==(const FrameWindow&, const FrameWindow&) = default;
};

// Style bits the frame depends on.
inline constexpr uint32_t kStylePopup = 0x80000000;               // WS_POPUP
inline constexpr uint32_t kStyleCaption = 0x00C00000;             // WS_CAPTION (border and dialog frame)
inline constexpr uint32_t kStyleSystemMenu = 0x00080000;          // WS_SYSMENU
inline constexpr uint32_t kStyleThickFrame = 0x00040000;          // WS_THICKFRAME
inline constexpr uint32_t kStyleMinimizeBox = 0x00020000;         // WS_MINIMIZEBOX
inline constexpr uint32_t kStyleMaximizeBox = 0x00010000;         // WS_MAXIMIZEBOX
inline constexpr uint32_t kStyleModalFrame = 0x00000080;          // DS_MODALFRAME
inline constexpr uint32_t kExStyleDialogModalFrame = 0x00000001;  // WS_EX_DLGMODALFRAME
inline constexpr uint32_t kExStyleContextHelp = 0x00000400;       // WS_EX_CONTEXTHELP
inline constexpr uint32_t kExStyleLeftScrollBar = 0x00004000;     // WS_EX_LEFTSCROLLBAR

// Single when nothing else applies; none when the style lacks either bit of WS_CAPTION;
// sizeable with WS_THICKFRAME; dialog with DS_MODALFRAME, WS_EX_DLGMODALFRAME or a dialog class.
[[nodiscard]] TBorderKind BorderKindOf(uint32_t style, uint32_t ex_style, bool dialog_class);
// The minimize, maximize and context-help boxes, and the system menu when the style has
// WS_SYSMENU or the window's system menu is already known.
[[nodiscard]] TBorderIcons BorderIconsOf(uint32_t style, uint32_t ex_style, bool system_menu_known);
// ffPopup and ffRightToLeft.
[[nodiscard]] TFrameFlags StyleFlagsOf(uint32_t style, uint32_t ex_style);

// ---- The skin --------------------------------------------------------------------------------

// One of the four frame border elements: its image (the frames of the left and right borders
// side by side, those of the top and bottom borders stacked) and its Trans value (1: magenta
// pixels are cut out of the window region).
struct BorderImage {
  Size Image;
  int Frames = 1;
  int Trans = 0;
};

// The caption text settings of the skin's Title record.
struct CaptionTextStyle {
  int TextShift = 0;      // left offset of left-aligned text
  int TextShiftVert = 0;  // twice the downward offset of the text
  int TextRightClip = 0;  // room kept free right of the text
  int TextAlignment = 0;  // TCaptionTextAlignment
  int TextBackLeft = 0;   // left and right parts of the text background image
  int TextBackRight = 0;
};
enum TCaptionTextAlignment : int32_t { taLeft = 0, taCentre = 1, taRight = 2 };

// What a click on a caption button does (the skin's Action values).
enum TCaptionButtonAction : int32_t {
  acNone = -1,  // a decoration: never hit
  acClose = 0,
  acMaximize = 1,    // maximize or restore
  acMinimize = 2,    // minimize or restore
  acSystemMenu = 3,  // the system menu; drawn as the window icon
  acContextHelp = 4,
  acMdiChildMinimize = 7,  // the active MDI child of an MDI frame
  acMdiChildRestore = 8,
  acMdiChildClose = 9,
  acWindowIcon = 11,        // the system menu; drawn as the window icon
  acSystemMenuButton = 12,  // the system menu; drawn from the button's image
  acMaximizeToo = 22,       // as acMaximize, but its enabled state follows no box
  acMinimizeToo = 23,       // as acMinimize, the same
  acMdiChildMinimizeToo = 60,
  acMdiChildRestoreToo = 61,
  acMdiChildCloseToo = 62,
};
// What the form skinner does for an Action.
enum class CaptionCommand : uint8_t {
  Close,
  ToggleMaximize,
  ToggleMinimize,
  SystemMenu,
  ContextHelp,
  MdiChildMinimize,
  MdiChildRestore,
  MdiChildClose,
  Custom,  // anything else: SKM_CUSTOMBUTTON with the Action
};
[[nodiscard]] CaptionCommand CommandOf(int32_t action);
// Actions 3 and 11 are drawn as the window icon.
[[nodiscard]] bool DrawnAsWindowIcon(int32_t action);

// Where a caption button sits (the skin's Align values).
enum TCaptionButtonAlign : int32_t {
  baLeft = 0,        // Xcoord from the window's left edge
  baRight = 1,       // Xcoord from the window's right edge
  baBeforeText = 2,  // Xcoord left of the caption text
  baAfterText = 3,   // Xcoord right of the caption text
  baBeforeTextToo = 8,
  baAfterTextToo = 9,
  baMenuBand = 100,  // on the menu band, drawn by the menu bar
};

// When a caption button is shown (the skin's Visibility and Visibility1 values); a button is
// shown when the conditions of both values hold. The column of Visibility1 is milder for some
// values: see ButtonConditionHolds.
enum TCaptionButtonVisibility : int32_t {
  bvNever = -1,
  bvAlways = 0,
  bvMaximized = 1,
  bvNotMaximized = 2,
  bvActive = 3,
  bvInactive = 4,
  bvHidden = 5,
  bvMinOrMaxBox = 6,  // a minimize or maximize box, and (Visibility only) a system menu
  bvNoMaxBox = 7,
  bvMinOrMaxBoxToo = 8,
  bvNoMinBox = 9,
  bvHelpBox = 10,             // the context-help box, and (Visibility only) neither minimize nor maximize
  bvMdiChildMaximized = 100,  // MDI frame with a maximized active child and a menu-bar skinner
  bvDialogFrame = 200,        // a dialog frame on a window of no dialog class
  bvAlwaysFirst = 201,        // 201 … 999: always
  bvAlwaysLast = 999,
  // 1000 … 2000: the window decides (SKM_BUTTONVISIBLE); as Visibility1: always.
  bvAskWindowFirst = 1000,
  bvAskWindowLast = 2000,
};

// One caption-button record of the skin, in SysButtons order.
struct CaptionButtonRecord {
  int32_t Action = acClose;
  int32_t Align = baLeft;
  int32_t Xcoord = 0;
  int32_t Ycoord = 0;
  int32_t Visibility = bvAlways;
  int32_t Visibility1 = bvAlways;
  Size Image;  // the whole image, its frames side by side; empty: the button is not laid out
  int Frames = 1;

  // One frame of the image: the button's size.
  [[nodiscard]] Size FrameSize() const;
  [[nodiscard]] bool HasImage() const { return !Image.Empty(); }
};

struct FrameSkin {
  BorderImage Left, Top, Right, Bottom;
  CaptionTextStyle Title;
  std::vector<CaptionButtonRecord> Buttons;
  int MenuBarLeftWidth = 0;  // LeftWidth of the skin's MenuBar element, 0 without one
};

// ---- Frame metrics and pieces ----------------------------------------------------------------

// The border thicknesses (BorderTop is the caption bar's height) and the menu band's height.
struct FrameMetrics {
  int BorderLeft = 0;
  int BorderTop = 0;
  int BorderRight = 0;
  int BorderBottom = 0;
  int MenuBarHeight = 0;
  friend bool operator==(const FrameMetrics&, const FrameMetrics&) = default;
};
// A frame without caption (border kind none) has no borders and no menu band; otherwise the
// left and right borders are one frame of their image wide, the top and bottom borders one frame
// high, and the menu band is as high as the window asks.
[[nodiscard]] FrameMetrics MeasureFrame(const FrameWindow& window, const FrameSkin& skin);

// Numbers of the border pieces, as the painter of a piece takes them.
enum class TBorderPiece : uint8_t { bpLeft = 1, bpRight = 2, bpTop = 3, bpBottom = 4 };

struct FramePieces {
  Rect LeftBorder;    // (0, 0, BorderLeft, H)
  Rect RightBorder;   // (W - BorderRight, 0, W, H)
  Rect BottomBorder;  // (BorderLeft, H - BorderBottom, W - BorderRight, H)
  Rect CaptionStrip;  // (0, 0, W, BorderTop): the caption bar's image
  // Where the top border and the caption text go inside the caption strip: between the side
  // borders, or the whole strip for a minimized window.
  Rect CaptionArea;
  Rect MenuBand;             // (BorderLeft, BorderTop, W - BorderRight, BorderTop + MenuBarHeight)
  Rect Client;               // what is left inside
  bool PaintBorders = true;  // false for a minimized window: only the caption is painted
};
[[nodiscard]] FramePieces PiecesOf(const FrameWindow& window, const FrameMetrics& metrics);

// ---- Client area and hit-testing -------------------------------------------------------------

// The client rectangle for WM_NCCALCSIZE from the proposed window rectangle (in the
// coordinates of the proposal), empty but never of negative size when the borders take more
// than the window; nothing when the default procedure's rectangle stays: for a frame without
// caption, and for an MDI child that is not in its normal state.
[[nodiscard]] std::optional<Rect> SkinnedClientRect(const FrameWindow& window, const FrameMetrics& metrics,
                                                    const Rect& proposed_window);

// What ScreenToFrame adds to a client point to make it relative to the window's top-left corner;
// nothing for a minimized MDI child.
[[nodiscard]] Point ClientOriginInFrame(const FrameWindow& window, const FrameMetrics& metrics);

inline constexpr int kHitNowhere = 0;  // HTNOWHERE
inline constexpr int kHitCaption = 2;  // HTCAPTION
inline constexpr int kHitMenu = 5;     // HTMENU
// The default procedure's hit code refined for the skinned frame: only HTNOWHERE and HTCAPTION
// change; below the top 3 rows they become HTCAPTION, and on a menu band (below the caption
// bar) HTMENU. `point` is relative to the window's top-left corner.
[[nodiscard]] int RefineHitTest(const FrameMetrics& metrics, int default_code, Point point);

// ---- Caption buttons and caption text --------------------------------------------------------

// Whether the window shows a button of `visibility` 1000..2000 (SKM_BUTTONVISIBLE > 0).
using AskButtonVisible = FunctionRef<bool(int32_t visibility, int32_t action)>;

// Which column of the visibility table a value is read from.
enum class VisibilityColumn : uint8_t { Visibility, Visibility1 };
// The condition of one visibility value. `visibility_result` is what the Visibility column gave:
// value 100 of the Visibility1 column repeats it.
[[nodiscard]] bool ButtonConditionHolds(int32_t value, VisibilityColumn column, const FrameWindow& window,
                                        int32_t action, AskButtonVisible ask, bool visibility_result = true);

struct CaptionButtonState {
  bool Visible = false;
  bool Enabled = true;  // only the maximize and minimize buttons are ever disabled
  friend bool operator==(const CaptionButtonState&, const CaptionButtonState&) = default;
};
// Both visibility conditions, then: a close button is hidden without a system menu, a
// system-menu button on a dialog frame; the maximize (minimize) button is enabled only with the
// maximize (minimize) box and a system menu.
[[nodiscard]] CaptionButtonState CaptionButtonStateOf(const CaptionButtonRecord& button, const FrameWindow& window,
                                                      AskButtonVisible ask);

struct CaptionButtonLayout {
  CaptionButtonState State;
  bool LaidOut = false;  // visible with an image: its bounds were placed now
  Rect Bounds;           // the place it was given, or where it was before
  friend bool operator==(const CaptionButtonLayout&, const CaptionButtonLayout&) = default;
};

struct CaptionTextLayout {
  // The widest Xcoord of a visible right-aligned button with an image (0 when none): the zone of
  // the buttons at the caption's right end.
  int RightButtonsWidth = 0;
  Rect TextRect;        // the text's place, background parts included; buttons align to it
  Rect BackgroundRect;  // TextRect over the caption area's height: the text background image
  Rect DrawRect;        // where the text is drawn (ellipsis at its right end)
  friend bool operator==(const CaptionTextLayout&, const CaptionTextLayout&) = default;
};

struct CaptionLayout {
  CaptionTextLayout Text;
  std::vector<CaptionButtonLayout> Buttons;  // one per record of the skin, in its order
};

// Everything the caption shows, for a caption text of `text_size` (as measured with DT_CALCRECT
// in the caption font; without the text background parts). A button that is not laid out keeps
// its bounds from `previous` (in the skin's order; missing ones are empty).
[[nodiscard]] CaptionLayout LayoutCaption(const FrameWindow& window, const FrameSkin& skin, const FrameMetrics& metrics,
                                          Size text_size, AskButtonVisible ask, std::span<const Rect> previous = {});

// The caption text's place inside `area` (FramePieces::CaptionArea) for a given right button zone.
[[nodiscard]] CaptionTextLayout LayoutCaptionText(const FrameWindow& window, const CaptionTextStyle& title,
                                                  const Rect& area, Size text_size, int right_buttons_width);

// The place of a button of one frame `size` by its Align.
[[nodiscard]] Rect PlaceCaptionButton(const CaptionButtonRecord& button, Size size, const FrameWindow& window,
                                      const FrameMetrics& metrics, const FrameSkin& skin, const Rect& text_rect,
                                      const Rect& previous);

// The first button (in the skin's order) that is shown, can be hit (Action 0 or more) and
// contains the point; -1 when none.
[[nodiscard]] int CaptionButtonAt(const FrameSkin& skin, const CaptionLayout& layout, Point point);

// ---- Window size -----------------------------------------------------------------------------

struct SkinnedWindowSize {
  Size Window;
  int ChildShift = 0;  // how far a widened dialog's child windows move right
};
// The window size that keeps a client of `client` size (below the menu band) inside the skinned
// frame. A dialog-class window whose caption of `dialog_caption_width` does not fit is widened to
// TextShift + the caption + TextRightClip, and its children move right by half the growth.
[[nodiscard]] SkinnedWindowSize SkinnedWindowSizeFor(const FrameMetrics& metrics, Size client,
                                                     const CaptionTextStyle& title,
                                                     std::optional<int> dialog_caption_width);

// ---- Window region ---------------------------------------------------------------------------

// How a strip of the border enters the window region.
enum class StripFill : uint8_t {
  Plain,       // the whole rectangle
  FromBitmap,  // the non-magenta pixels of the border piece painted at the strip's place
};
struct RegionStrip {
  TBorderPiece Piece = TBorderPiece::bpLeft;
  Rect Area;
  StripFill Fill = StripFill::Plain;
  friend bool operator==(const RegionStrip&, const RegionStrip&) = default;
};
struct RegionPlan {
  // No border is transparent: the region is the window's rectangle.
  bool WholeWindow = false;
  Rect Window;
  Rect Inner;  // inside the borders
  // Left, right, bottom and top strip; none for a frame without caption.
  std::vector<RegionStrip> Strips;
};
// Nothing for a window without area or an MDI child that is not in its normal state.
[[nodiscard]] std::optional<RegionPlan> PlanRegion(const FrameWindow& window, const FrameMetrics& metrics,
                                                   const FrameSkin& skin);
// The region of a minimized MDI child, which shows its caption bar alone across its whole width
// (PlanRegion gives none): the top piece's shape there when it is transparent, and the rest of
// the window whole. None for any other window or without area.
[[nodiscard]] std::optional<RegionPlan> PlanMinimizedRegion(const FrameWindow& window, const FrameMetrics& metrics,
                                                            const FrameSkin& skin);

}  // namespace skin
