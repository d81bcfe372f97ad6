// The geometry of the skinned frame against rectangles worked out by hand.
#include "skin/form/frame_geometry.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace skin {
// Failing comparisons print these.
inline std::ostream& operator<<(std::ostream& out, const FrameMetrics& m) {
  return out << "borders " << m.BorderLeft << ", " << m.BorderTop << ", " << m.BorderRight << ", " << m.BorderBottom
             << ", menu band " << m.MenuBarHeight;
}
inline std::ostream& operator<<(std::ostream& out, const RegionStrip& strip) {
  return out << "piece " << static_cast<int>(strip.Piece) << " " << strip.Area
             << (strip.Fill == StripFill::FromBitmap ? " from bitmap" : " plain");
}
inline std::ostream& operator<<(std::ostream& out, const CaptionButtonState& state) {
  return out << (state.Visible ? "visible" : "hidden") << (state.Enabled ? ", enabled" : ", disabled");
}
}  // namespace skin

namespace {

using skin::BorderImage;
using skin::CaptionButtonRecord;
using skin::CaptionLayout;
using skin::FrameMetrics;
using skin::FrameSkin;
using skin::FrameWindow;
using skin::Point;
using skin::Rect;
using skin::Size;
using skin::TBorderKind;
using skin::TMdiKind;
using skin::TWindowState;
using skin::VisibilityColumn;

// The answer of a window that shows no button of visibility 1000..2000.
const auto kNoAnswer = [](int32_t, int32_t) { return false; };

constexpr skin::TBorderIcons kAllBoxes = skin::biMaximize | skin::biMinimize | skin::biSystemMenu;

// The default skin as its definition describes it: side borders 4 wide (two frames of 4 side by
// side), a caption 28 high and a bottom border 5 high (two frames stacked), caption buttons of
// six 21 × 21 frames at 25, 49 and 73 from the right edge, and the window icon at (8, 7).
FrameSkin DefaultSkin() {
  FrameSkin skin;
  skin.Left = BorderImage{{8, 100}, 2, 1};
  skin.Right = BorderImage{{8, 100}, 2, 1};
  skin.Top = BorderImage{{632, 56}, 2, 1};
  skin.Bottom = BorderImage{{632, 10}, 2, 0};
  skin.Title.TextShift = 16;
  skin.Title.TextShiftVert = 2;
  skin.Title.TextRightClip = 20;
  const Size button{126, 21};
  skin.Buttons = {
      {skin::acClose, skin::baRight, 25, 5, skin::bvAlways, skin::bvAlways, button, 6},
      {skin::acMaximize, skin::baRight, 49, 5, skin::bvNotMaximized, skin::bvMinOrMaxBox, button, 6},
      {skin::acMinimize, skin::baRight, 73, 5, skin::bvMinOrMaxBoxToo, skin::bvAlways, button, 6},
      {skin::acMaximize, skin::baRight, 49, 5, skin::bvMaximized, skin::bvAlways, button, 6},
      {skin::acSystemMenu, skin::baLeft, 8, 7, skin::bvAlways, skin::bvAlways, {16, 16}, 1},
  };
  return skin;
}

FrameWindow MainWindow(int width = 663, int height = 518) {
  FrameWindow window;
  window.Width = width;
  window.Height = height;
  window.BorderKind = TBorderKind::bkSizeable;
  window.BorderIcons = kAllBoxes;
  window.Flags = skin::ffActive;
  return window;
}

std::vector<Rect> BoundsOf(const CaptionLayout& layout) {
  std::vector<Rect> bounds;
  for (const auto& button : layout.Buttons) bounds.push_back(button.Bounds);
  return bounds;
}
std::vector<bool> VisibleOf(const CaptionLayout& layout) {
  std::vector<bool> visible;
  for (const auto& button : layout.Buttons) visible.push_back(button.State.Visible);
  return visible;
}

TEST(FrameGeometry, TheDefaultSkinPutsTheClientAtFourTwentyEightAndTheButtonsAtTheRight) {
  const FrameSkin skin = DefaultSkin();
  const FrameWindow window = MainWindow();
  const FrameMetrics metrics = skin::MeasureFrame(window, skin);
  EXPECT_EQ(metrics, (FrameMetrics{4, 28, 4, 5, 0}));

  const skin::FramePieces pieces = skin::PiecesOf(window, metrics);
  EXPECT_EQ(pieces.Client, (Rect{4, 28, 659, 513}));
  EXPECT_EQ(pieces.LeftBorder, (Rect{0, 0, 4, 518}));
  EXPECT_EQ(pieces.RightBorder, (Rect{659, 0, 663, 518}));
  EXPECT_EQ(pieces.BottomBorder, (Rect{4, 513, 659, 518}));
  EXPECT_EQ(pieces.CaptionStrip, (Rect{0, 0, 663, 28}));
  EXPECT_EQ(pieces.CaptionArea, (Rect{4, 0, 659, 28}));
  EXPECT_TRUE(pieces.MenuBand.Empty());
  EXPECT_TRUE(pieces.PaintBorders);
  EXPECT_EQ(skin::ClientOriginInFrame(window, metrics), (Point{4, 28}));
  EXPECT_EQ(skin::SkinnedClientRect(window, metrics, Rect{100, 50, 763, 568}), (Rect{104, 78, 759, 563}));

  const CaptionLayout layout = skin::LayoutCaption(window, skin, metrics, {100, 16}, kNoAnswer);
  const int w = window.Width;
  EXPECT_EQ(BoundsOf(layout),
            (std::vector<Rect>{
                {w - 25, 5, w - 4, 26}, {w - 49, 5, w - 28, 26}, {w - 73, 5, w - 52, 26}, {}, {8, 7, 24, 23}}));
  EXPECT_EQ(VisibleOf(layout), (std::vector<bool>{true, true, true, false, true}));
  EXPECT_EQ(layout.Text.RightButtonsWidth, 73);
  // Left-aligned: TextShift 16 into the area from x = 4; (28 - 16) / 2 + 2 / 2 = 7 down.
  EXPECT_EQ(layout.Text.TextRect, (Rect{20, 7, 120, 23}));
  EXPECT_EQ(layout.Text.BackgroundRect, (Rect{20, 0, 120, 28}));
  EXPECT_EQ(layout.Text.DrawRect, (Rect{20, 7, 120, 23}));
}

TEST(FrameGeometry, AMaximizedWindowShowsTheRestoreButtonInPlaceOfMaximize) {
  const FrameSkin skin = DefaultSkin();
  FrameWindow window = MainWindow();
  window.State = TWindowState::wsMaximized;
  const FrameMetrics metrics = skin::MeasureFrame(window, skin);
  const CaptionLayout layout = skin::LayoutCaption(window, skin, metrics, {100, 16}, kNoAnswer);
  EXPECT_EQ(VisibleOf(layout), (std::vector<bool>{true, false, true, true, true}));
  EXPECT_EQ(layout.Buttons[3].Bounds, (Rect{663 - 49, 5, 663 - 28, 26}));
  EXPECT_EQ(skin::CaptionButtonAt(skin, layout, {663 - 49, 5}), 3) << "the restore button";
}

TEST(FrameGeometry, EveryAlignPlacesTheButtonByItsRule) {
  FrameSkin skin;
  skin.MenuBarLeftWidth = 3;
  FrameWindow window = MainWindow(400, 300);
  const FrameMetrics metrics{4, 28, 4, 5, 20};
  const Rect text{40, 6, 140, 22};
  const Rect previous{77, 1, 90, 9};
  const Size frame{21, 16};
  struct Case {
    int32_t align;
    int32_t x, y;
    Rect expected;
  };
  const Case cases[] = {
      {skin::baLeft, 8, 7, {8, 7, 29, 23}},
      {skin::baRight, 30, 5, {370, 5, 391, 21}},    // 30 from the right edge of 400
      {skin::baBeforeText, 2, 5, {17, 5, 38, 21}},  // 40 - 21 - 2
      {skin::baBeforeTextToo, 2, 5, {17, 5, 38, 21}},
      {skin::baAfterText, 3, 5, {143, 5, 164, 21}},  // 140 + 3
      {skin::baAfterTextToo, 3, 5, {143, 5, 164, 21}},
      // 400 - 50 - 4 (right border) - 3 (menu bar's LeftWidth); 28 + (20 - 16) / 2
      {skin::baMenuBand, 50, 99, {343, 30, 364, 46}},
      {5, 50, 6, {77, 6, 98, 22}},  // an unknown Align keeps the left edge
  };
  for (const Case& c : cases) {
    CaptionButtonRecord button;
    button.Align = c.align;
    button.Xcoord = c.x;
    button.Ycoord = c.y;
    EXPECT_EQ(skin::PlaceCaptionButton(button, frame, window, metrics, skin, text, previous), c.expected)
        << "Align " << c.align;
  }
}

TEST(FrameGeometry, ARightAlignedButtonOfThirtyWithATwentyOnePixelFrameSitsAt370) {
  FrameSkin skin;
  skin.Buttons = {{skin::acClose, skin::baRight, 30, 5, skin::bvAlways, skin::bvAlways, {63, 21}, 3}};
  const FrameWindow window = MainWindow(400, 300);
  const CaptionLayout layout = skin::LayoutCaption(window, skin, skin::MeasureFrame(window, skin), {10, 10}, kNoAnswer);
  EXPECT_EQ(layout.Buttons[0].Bounds, (Rect{370, 5, 391, 26}));
}

// A window with the given boxes, state, kind and flags.
struct WindowCase {
  skin::TBorderIcons icons = kAllBoxes;
  TWindowState state = TWindowState::wsNormal;
  TBorderKind kind = TBorderKind::bkSizeable;
  skin::TFrameFlags flags = skin::ffActive;
  TMdiKind mdi = TMdiKind::mkNone;

  [[nodiscard]] FrameWindow Window() const {
    FrameWindow window = MainWindow();
    window.BorderIcons = icons;
    window.State = state;
    window.BorderKind = kind;
    window.Flags = flags;
    window.Mdi = mdi;
    return window;
  }
};

TEST(FrameGeometry, EveryVisibilityCodeInBothColumns) {
  using skin::biHelp;
  using skin::biMaximize;
  using skin::biMinimize;
  using skin::biSystemMenu;
  const skin::TFrameFlags mdi_ready = skin::ffActiveMdiChildMaximized | skin::ffMenuBarSkinner;
  struct Case {
    int32_t value;
    const char* what;
    WindowCase window;
    bool visibility;   // the condition in the Visibility column
    bool visibility1;  // in the Visibility1 column
  };
  const Case cases[] = {
      {-1, "never", {}, false, false},
      {0, "always", {}, true, true},
      {1, "maximized", {.state = TWindowState::wsMaximized}, true, true},
      {1, "maximized, when normal", {}, false, false},
      {2, "not maximized", {}, true, true},
      {2, "not maximized, when maximized", {.state = TWindowState::wsMaximized}, false, false},
      {2, "not maximized, when minimized", {.state = TWindowState::wsMinimized}, true, true},
      {3, "active", {}, true, true},
      {3, "active, when inactive", {.flags = 0}, false, false},
      {4, "inactive", {.flags = 0}, true, true},
      {4, "inactive, when active", {}, false, false},
      {5, "hidden", {}, false, false},
      {6, "min or max box with system menu", {.icons = biMinimize | biSystemMenu}, true, true},
      {6, "min or max box without system menu", {.icons = biMaximize}, false, true},
      {6, "no box", {.icons = biSystemMenu}, false, false},
      {8, "as 6, with system menu", {.icons = biMaximize | biSystemMenu}, true, true},
      {8, "as 6, without system menu", {.icons = biMinimize}, false, true},
      {7, "no max box", {.icons = biMinimize}, true, true},
      {7, "no max box, with one", {.icons = biMaximize}, false, false},
      {9, "no min box", {.icons = biMaximize}, true, true},
      {9, "no min box, with one", {.icons = biMinimize}, false, false},
      {10, "help box alone", {.icons = biHelp}, true, true},
      {10, "help box beside a min box", {.icons = biHelp | biMinimize}, false, true},
      {10, "no help box", {.icons = biSystemMenu}, false, false},
      {100, "MDI frame, child maximized, menu-bar skinner", {.flags = mdi_ready, .mdi = TMdiKind::mkFrame}, true, true},
      {100,
       "MDI frame without a menu-bar skinner",
       {.flags = skin::ffActiveMdiChildMaximized, .mdi = TMdiKind::mkFrame},
       false,
       false},
      {100,
       "MDI frame, child not maximized",
       {.flags = skin::ffMenuBarSkinner, .mdi = TMdiKind::mkFrame},
       false,
       false},
      {100, "no MDI frame", {.flags = mdi_ready, .mdi = TMdiKind::mkChild}, false, false},
      {200, "dialog frame", {.kind = TBorderKind::bkDialog}, true, true},
      {200,
       "dialog frame of a dialog class",
       {.kind = TBorderKind::bkDialog, .flags = skin::ffDialogClass},
       false,
       false},
      {200, "sizeable frame", {}, false, false},
      {201, "201 … 999", {}, true, true},
      {999, "201 … 999", {}, true, true},
      {11, "unknown", {}, false, false},
      {99, "unknown", {}, false, false},
      {101, "unknown", {}, false, false},
      {2001, "unknown", {}, false, false},
      {-2, "unknown", {}, false, false},
  };
  for (const Case& c : cases) {
    const FrameWindow window = c.window.Window();
    // Value 100 of Visibility1 repeats the Visibility column's result.
    EXPECT_EQ(skin::ButtonConditionHolds(c.value, VisibilityColumn::Visibility, window, 0, kNoAnswer), c.visibility)
        << c.value << ": " << c.what;
    EXPECT_EQ(skin::ButtonConditionHolds(c.value, VisibilityColumn::Visibility1, window, 0, kNoAnswer, c.visibility),
              c.visibility1)
        << c.value << ": " << c.what << " (Visibility1)";
  }
}

TEST(FrameGeometry, VisibilityCodesFrom1000To2000AskTheWindowWithTheButtonsAction) {
  std::vector<std::pair<int32_t, int32_t>> asked;
  const auto answer = [&](int32_t visibility, int32_t action) {
    asked.emplace_back(visibility, action);
    return visibility == 1500;
  };
  const FrameWindow window = MainWindow();
  EXPECT_TRUE(skin::ButtonConditionHolds(1500, VisibilityColumn::Visibility, window, 42, answer));
  EXPECT_FALSE(skin::ButtonConditionHolds(1000, VisibilityColumn::Visibility, window, 7, answer));
  EXPECT_FALSE(skin::ButtonConditionHolds(2000, VisibilityColumn::Visibility, window, 8, answer));
  EXPECT_TRUE(skin::ButtonConditionHolds(1000, VisibilityColumn::Visibility1, window, 9, answer))
      << "Visibility1 does not ask";
  EXPECT_EQ(asked, (std::vector<std::pair<int32_t, int32_t>>{{1500, 42}, {1000, 7}, {2000, 8}}));

  // A layout asks once per button.
  asked.clear();
  FrameSkin skin;
  skin.Buttons = {{77, skin::baLeft, 0, 0, 1500, skin::bvAlways, {21, 21}, 1},
                  {78, skin::baLeft, 30, 0, 1001, skin::bvAlways, {21, 21}, 1}};
  const CaptionLayout layout = skin::LayoutCaption(window, skin, skin::MeasureFrame(window, skin), {10, 10}, answer);
  EXPECT_EQ(VisibleOf(layout), (std::vector<bool>{true, false}));
  EXPECT_EQ(asked, (std::vector<std::pair<int32_t, int32_t>>{{1500, 77}, {1001, 78}}));
}

TEST(FrameGeometry, TheButtonsActionHidesOrDisablesItAfterBothConditions) {
  using skin::CaptionButtonState;
  struct Case {
    int32_t action;
    const char* what;
    WindowCase window;
    CaptionButtonState expected;
  };
  const Case cases[] = {
      {skin::acClose, "close with system menu", {}, {true, true}},
      {skin::acClose, "close without system menu", {.icons = skin::biMaximize}, {false, true}},
      {skin::acMaximize, "maximize with box and system menu", {}, {true, true}},
      {skin::acMaximize, "maximize without box", {.icons = skin::biSystemMenu}, {true, false}},
      {skin::acMaximize, "maximize without system menu", {.icons = skin::biMaximize}, {true, false}},
      {skin::acMinimize, "minimize without box", {.icons = skin::biSystemMenu}, {true, false}},
      {skin::acMinimize, "minimize with box and system menu", {}, {true, true}},
      {skin::acMaximizeToo, "action 22 is never disabled", {.icons = 0}, {true, true}},
      {skin::acSystemMenu, "icon on a dialog frame", {.kind = TBorderKind::bkDialog}, {false, true}},
      {skin::acWindowIcon, "icon 11 on a dialog frame", {.kind = TBorderKind::bkDialog}, {false, true}},
      {skin::acSystemMenuButton, "system menu on a dialog frame", {.kind = TBorderKind::bkDialog}, {false, true}},
      {skin::acSystemMenu, "icon on a single frame", {.kind = TBorderKind::bkSingle}, {true, true}},
      {skin::acContextHelp, "help on a dialog frame", {.kind = TBorderKind::bkDialog}, {true, true}},
  };
  for (const Case& c : cases) {
    CaptionButtonRecord button;
    button.Action = c.action;
    EXPECT_EQ(skin::CaptionButtonStateOf(button, c.window.Window(), kNoAnswer), c.expected) << c.what;
  }
  CaptionButtonRecord hidden;
  hidden.Action = skin::acMaximize;
  hidden.Visibility = skin::bvMaximized;
  EXPECT_EQ(skin::CaptionButtonStateOf(hidden, MainWindow(), kNoAnswer), (CaptionButtonState{false, true}))
      << "a hidden button stays hidden";
}

TEST(FrameGeometry, CaptionTextAlignmentsLeftToRightAndRightToLeft) {
  // Area 200 wide from x = 4, 28 high; text 50 × 16 with background parts 3 and 5: R is 58 wide.
  // TextShift 16, TextRightClip 20, right button zone 73.
  skin::CaptionTextStyle title;
  title.TextShift = 16;
  title.TextShiftVert = 4;
  title.TextRightClip = 20;
  title.TextBackLeft = 3;
  title.TextBackRight = 5;
  const Rect area{4, 0, 204, 28};
  const Size text{50, 16};
  struct Case {
    const char* what;
    int alignment;
    skin::TFrameFlags flags;
    Rect expected;
  };
  // dy = (28 - 16) / 2 + 4 / 2 = 8.
  const Case cases[] = {
      {"left", skin::taLeft, 0, {20, 8, 78, 24}},
      {"centre: (200 - 58) / 2 = 71", skin::taCentre, 0, {75, 8, 133, 24}},
      {"right: 200 - 20 - 58 = 122", skin::taRight, 0, {126, 8, 184, 24}},
      {"other: not moved", 7, 0, {4, 8, 62, 24}},
      // Right to left: the buttons' zone instead of the clip, then 10 further right.
      {"RTL left: 200 - 73 - 58 = 69", skin::taLeft, skin::ffRightToLeft, {83, 8, 141, 24}},
      {"RTL centre: (200 - 58 - 73) / 2 = 34", skin::taCentre, skin::ffRightToLeft, {48, 8, 106, 24}},
      {"RTL right: TextShift", skin::taRight, skin::ffRightToLeft, {30, 8, 88, 24}},
      {"RTL other: left edge at TextShift", 7, skin::ffRightToLeft, {26, 8, 72, 24}},
  };
  FrameWindow window = MainWindow(208, 300);
  for (const Case& c : cases) {
    title.TextAlignment = c.alignment;
    window.Flags = skin::ffActive | c.flags;
    const skin::CaptionTextLayout layout = skin::LayoutCaptionText(window, title, area, text, 73);
    EXPECT_EQ(layout.TextRect, c.expected) << c.what;
    EXPECT_EQ(layout.BackgroundRect, (Rect{c.expected.Left, 0, c.expected.Right, 28})) << c.what;
    EXPECT_EQ(layout.DrawRect, (Rect{c.expected.Left + 3, c.expected.Top, c.expected.Right - 5, c.expected.Bottom}))
        << c.what;
  }
}

TEST(FrameGeometry, RightToLeftTextThatWouldStartLeftOfTheAreaStartsAtTextShift) {
  skin::CaptionTextStyle title;
  title.TextShift = 16;
  title.TextAlignment = skin::taLeft;
  FrameWindow window = MainWindow(208, 300);
  window.Flags = skin::ffRightToLeft;
  // 200 - 73 - 150 < 0: the left edge goes to 16, then 10 further right; the right edge moves by
  // both offsets.
  const skin::CaptionTextLayout layout = skin::LayoutCaptionText(window, title, Rect{4, 0, 204, 28}, {150, 16}, 73);
  EXPECT_EQ(layout.TextRect, (Rect{26, 6, 4 + 150 - 23 + 10, 22}));
}

TEST(FrameGeometry, LongCaptionsAreClippedAtTextRightClipOrBeforeAPopupsButtons) {
  skin::CaptionTextStyle title;
  title.TextShift = 16;
  title.TextRightClip = 20;
  const Rect area{4, 0, 204, 28};
  const Size text{400, 16};
  struct Case {
    const char* what;
    skin::TFrameFlags flags;
    int right_buttons;
    int expected_right;
  };
  const Case cases[] = {
      {"at TextRightClip from the right", 0, 73, 204 - 20},
      {"popup: 5 before the right buttons", skin::ffPopup, 73, 204 - 73 - 5},
      {"popup with no button zone: not clipped", skin::ffPopup, 5, 4 + 16 + 400},
      {"popup with a zone of 6", skin::ffPopup, 6, 204 - 6 - 5},
      {"right to left: moved, never clipped", skin::ffRightToLeft, 73, 4 + 400 + (200 - 73 - 400) + 10},
  };
  FrameWindow window = MainWindow(208, 300);
  for (const Case& c : cases) {
    window.Flags = c.flags;
    EXPECT_EQ(skin::LayoutCaptionText(window, title, area, text, c.right_buttons).TextRect.Right, c.expected_right)
        << c.what;
  }
  // A short caption is not touched.
  window.Flags = 0;
  EXPECT_EQ(skin::LayoutCaptionText(window, title, area, {50, 16}, 73).TextRect.Right, 70);
}

TEST(FrameGeometry, ADialogFramesLeftAlignedTextMovesSixteenLeft) {
  skin::CaptionTextStyle title;
  title.TextShift = 16;
  const Rect area{3, 0, 203, 24};
  FrameWindow window = MainWindow(206, 100);
  window.BorderKind = TBorderKind::bkDialog;
  EXPECT_EQ(skin::LayoutCaptionText(window, title, area, {50, 16}, 0).TextRect, (Rect{3, 4, 69, 20}));
  title.TextAlignment = skin::taCentre;
  EXPECT_EQ(skin::LayoutCaptionText(window, title, area, {50, 16}, 0).TextRect, (Rect{78, 4, 128, 20}))
      << "centred text stays";
}

TEST(FrameGeometry, TheRightButtonZoneIsTheWidestShownRightAlignedButtonWithAnImage) {
  FrameSkin skin;
  const Size image{21, 21};
  skin.Buttons = {
      {skin::acClose, skin::baRight, 25, 5, skin::bvAlways, skin::bvAlways, image, 1},
      {skin::acMaximize, skin::baRight, 90, 5, skin::bvMaximized, skin::bvAlways, image, 1},  // hidden
      {40, skin::baRight, 80, 5, skin::bvAlways, skin::bvAlways, {}, 1},                      // no image
      {41, skin::baLeft, 99, 5, skin::bvAlways, skin::bvAlways, image, 1},                    // left-aligned
      {42, skin::baRight, 50, 5, skin::bvAlways, skin::bvAlways, image, 1},
  };
  const FrameWindow window = MainWindow(400, 300);
  const std::vector<Rect> previous = {{}, {1, 2, 3, 4}, {5, 6, 7, 8}};
  const CaptionLayout layout =
      skin::LayoutCaption(window, skin, skin::MeasureFrame(window, skin), {10, 10}, kNoAnswer, previous);
  EXPECT_EQ(layout.Text.RightButtonsWidth, 50);
  EXPECT_EQ(BoundsOf(layout), (std::vector<Rect>{{375, 5, 396, 26},
                                                 {1, 2, 3, 4},  // not laid out: where it was
                                                 {5, 6, 7, 8},
                                                 {99, 5, 120, 26},
                                                 {350, 5, 371, 26}}));
  EXPECT_FALSE(layout.Buttons[2].LaidOut);
  EXPECT_TRUE(layout.Buttons[2].State.Visible);
}

TEST(FrameGeometry, CaptionButtonAtFindsTheFirstShownButtonThatCanBeHit) {
  FrameSkin skin;
  const Size image{20, 20};
  skin.Buttons = {
      {skin::acNone, skin::baLeft, 10, 0, skin::bvAlways, skin::bvAlways, image, 1},      // decoration
      {skin::acClose, skin::baLeft, 20, 0, skin::bvMaximized, skin::bvAlways, image, 1},  // hidden
      {skin::acMinimize, skin::baLeft, 15, 0, skin::bvAlways, skin::bvAlways, image, 1},
      {skin::acMaximize, skin::baLeft, 25, 0, skin::bvAlways, skin::bvAlways, image, 1},
  };
  const FrameWindow window = MainWindow(400, 300);
  const CaptionLayout layout = skin::LayoutCaption(window, skin, skin::MeasureFrame(window, skin), {10, 10}, kNoAnswer);
  struct Case {
    Point point;
    int expected;
  };
  const Case cases[] = {
      {{12, 5}, -1},   // only the decoration is there
      {{15, 0}, 2},    // the top-left pixel is inside
      {{30, 5}, 2},    // where 2 and 3 overlap, the first wins
      {{35, 19}, 3},   // 2 ends before x = 35
      {{45, 5}, -1},   // right edges are outside
      {{30, 20}, -1},  // bottom edges are outside
  };
  for (const Case& c : cases) EXPECT_EQ(skin::CaptionButtonAt(skin, layout, c.point), c.expected) << c.point;
}

TEST(FrameGeometry, AFrameWithoutCaptionHasNoBordersAndKeepsTheDefaultClient) {
  const FrameSkin skin = DefaultSkin();
  FrameWindow window = MainWindow(300, 200);
  window.BorderKind = TBorderKind::bkNone;
  window.MenuBandHeight = 19;
  const FrameMetrics metrics = skin::MeasureFrame(window, skin);
  EXPECT_EQ(metrics, FrameMetrics{});
  EXPECT_EQ(skin::SkinnedClientRect(window, metrics, Rect{10, 10, 310, 210}), std::nullopt);
  EXPECT_EQ(skin::PiecesOf(window, metrics).Client, (Rect{0, 0, 300, 200}));
  EXPECT_EQ(skin::ClientOriginInFrame(window, metrics), (Point{0, 0}));
  const auto region = skin::PlanRegion(window, metrics, skin);
  ASSERT_TRUE(region);
  EXPECT_FALSE(region->WholeWindow);
  EXPECT_EQ(region->Inner, (Rect{0, 0, 300, 200}));
  EXPECT_TRUE(region->Strips.empty());
}

TEST(FrameGeometry, TheMenuBandSitsUnderTheCaptionAndPushesTheClientDown) {
  const FrameSkin skin = DefaultSkin();
  FrameWindow window = MainWindow(300, 200);
  window.MenuBandHeight = 19;
  const FrameMetrics metrics = skin::MeasureFrame(window, skin);
  EXPECT_EQ(metrics.MenuBarHeight, 19);
  const skin::FramePieces pieces = skin::PiecesOf(window, metrics);
  EXPECT_EQ(pieces.MenuBand, (Rect{4, 28, 296, 47}));
  EXPECT_EQ(pieces.Client, (Rect{4, 47, 296, 195}));
  EXPECT_EQ(skin::SkinnedClientRect(window, metrics, Rect{0, 0, 300, 200}), pieces.Client);
  EXPECT_EQ(skin::ClientOriginInFrame(window, metrics), (Point{4, 47}));
}

TEST(FrameGeometry, MdiChildrenOutOfTheirNormalStateKeepTheDefaultClientAndRegion) {
  const FrameSkin skin = DefaultSkin();
  FrameWindow window = MainWindow(300, 200);
  window.Mdi = TMdiKind::mkChild;
  const FrameMetrics metrics = skin::MeasureFrame(window, skin);
  EXPECT_TRUE(skin::SkinnedClientRect(window, metrics, Rect{0, 0, 300, 200}));
  EXPECT_TRUE(skin::PlanRegion(window, metrics, skin));
  for (TWindowState state : {TWindowState::wsMaximized, TWindowState::wsMinimized}) {
    window.State = state;
    EXPECT_EQ(skin::SkinnedClientRect(window, metrics, Rect{0, 0, 300, 200}), std::nullopt);
    EXPECT_EQ(skin::PlanRegion(window, metrics, skin), std::nullopt);
  }
  EXPECT_EQ(skin::ClientOriginInFrame(window, metrics), (Point{0, 0}))
      << "a minimized MDI child's points are not moved";
}

TEST(FrameGeometry, BordersWiderThanTheWindowLeaveAnEmptyClientAtTheirInnerEdge) {
  const FrameMetrics metrics{300, 250, 300, 200, 0};
  const FrameWindow window = MainWindow(260, 170);
  EXPECT_EQ(skin::SkinnedClientRect(window, metrics, Rect{10, 20, 270, 190}), (Rect{310, 270, 310, 270}));
  // One way too wide, the other in room.
  EXPECT_EQ(skin::SkinnedClientRect(window, FrameMetrics{4, 28, 4, 5, 0}, Rect{0, 0, 6, 200}), (Rect{4, 28, 4, 195}));
}

TEST(FrameGeometry, AMinimizedWindowPaintsOnlyItsCaptionAcrossTheWholeStrip) {
  FrameWindow window = MainWindow(160, 28);
  window.State = TWindowState::wsMinimized;
  const skin::FramePieces pieces = skin::PiecesOf(window, FrameMetrics{4, 28, 4, 5, 0});
  EXPECT_FALSE(pieces.PaintBorders);
  EXPECT_EQ(pieces.CaptionArea, (Rect{0, 0, 160, 28}));
}

TEST(FrameGeometry, HitTestKeepsTheTopThreeRowsAndMarksCaptionAndMenuBand) {
  const FrameMetrics with_menu{4, 28, 4, 5, 19};
  const FrameMetrics without_menu{4, 28, 4, 5, 0};
  struct Case {
    const char* what;
    FrameMetrics metrics;
    int default_code;
    int y;
    int expected;
  };
  constexpr int kTop = 12;    // HTTOP
  constexpr int kClient = 1;  // HTCLIENT
  constexpr int kClose = 20;  // HTCLOSE
  const Case cases[] = {
      {"row 3 keeps nowhere", without_menu, skin::kHitNowhere, 3, skin::kHitNowhere},
      {"row 0 keeps caption", without_menu, skin::kHitCaption, 0, skin::kHitCaption},
      {"row 4 is caption", without_menu, skin::kHitNowhere, 4, skin::kHitCaption},
      {"row 27 is caption", with_menu, skin::kHitNowhere, 27, skin::kHitCaption},
      {"row 28 is still caption", with_menu, skin::kHitNowhere, 28, skin::kHitCaption},
      {"row 29 is the menu band", with_menu, skin::kHitCaption, 29, skin::kHitMenu},
      {"no band: caption below the bar", without_menu, skin::kHitNowhere, 40, skin::kHitCaption},
      {"a sizing edge stays", without_menu, kTop, 10, kTop},
      {"the client stays", with_menu, kClient, 60, kClient},
      {"a system button stays", without_menu, kClose, 10, kClose},
  };
  for (const Case& c : cases)
    EXPECT_EQ(skin::RefineHitTest(c.metrics, c.default_code, Point{50, c.y}), c.expected) << c.what;
}

TEST(FrameGeometry, RegionIsTheWindowWhenNoBorderIsTransparent) {
  FrameSkin skin = DefaultSkin();
  skin.Left.Trans = skin.Right.Trans = skin.Top.Trans = skin.Bottom.Trans = 0;
  const FrameWindow window = MainWindow();
  const auto region = skin::PlanRegion(window, skin::MeasureFrame(window, skin), skin);
  ASSERT_TRUE(region);
  EXPECT_TRUE(region->WholeWindow);
  EXPECT_EQ(region->Window, (Rect{0, 0, 663, 518}));
}

TEST(FrameGeometry, RegionStripsComeFromTheTransparentBordersPicturesWhereTheyCanHoldAShape) {
  using skin::StripFill;
  using skin::TBorderPiece;
  FrameSkin skin = DefaultSkin();  // left, right and top transparent; bottom not
  const FrameWindow window = MainWindow();
  const FrameMetrics metrics = skin::MeasureFrame(window, skin);
  auto region = skin::PlanRegion(window, metrics, skin);
  ASSERT_TRUE(region);
  EXPECT_FALSE(region->WholeWindow);
  EXPECT_EQ(region->Inner, (Rect{4, 28, 659, 513}));
  EXPECT_EQ(region->Strips,
            (std::vector<skin::RegionStrip>{{TBorderPiece::bpLeft, {0, 0, 4, 518}, StripFill::FromBitmap},
                                            {TBorderPiece::bpRight, {659, 0, 663, 518}, StripFill::FromBitmap},
                                            {TBorderPiece::bpBottom, {4, 513, 659, 518}, StripFill::Plain},
                                            {TBorderPiece::bpTop, {4, 0, 659, 28}, StripFill::FromBitmap}}));

  // A transparent bottom border thinner than 2 enters whole; so do side strips of a window one
  // pixel high, and a caption one pixel high.
  skin.Bottom = BorderImage{{632, 2}, 2, 1};
  skin.Top = BorderImage{{632, 2}, 2, 1};
  FrameWindow flat = MainWindow(663, 1);
  region = skin::PlanRegion(flat, skin::MeasureFrame(flat, skin), skin);
  ASSERT_TRUE(region);
  for (const skin::RegionStrip& strip : region->Strips)
    EXPECT_EQ(strip.Fill, StripFill::Plain) << static_cast<int>(strip.Piece);

  EXPECT_EQ(skin::PlanRegion(MainWindow(0, 100), metrics, skin), std::nullopt) << "no area";
}

TEST(FrameGeometry, MinimizedMdiChildsRegionIsItsCaptionBarAcrossTheWholeWidth) {
  using skin::StripFill;
  using skin::TBorderPiece;
  FrameSkin skin = DefaultSkin();  // the top transparent
  FrameWindow window = MainWindow(160, 24);
  window.Mdi = TMdiKind::mkChild;
  window.State = TWindowState::wsMinimized;
  const FrameMetrics metrics = skin::MeasureFrame(window, skin);
  auto region = skin::PlanMinimizedRegion(window, metrics, skin);
  ASSERT_TRUE(region);
  EXPECT_FALSE(region->WholeWindow);
  EXPECT_EQ(region->Inner, (Rect{0, 24, 160, 24})) << "a caption higher than the window leaves no rest";
  EXPECT_EQ(region->Strips,
            (std::vector<skin::RegionStrip>{{TBorderPiece::bpTop, {0, 0, 160, 28}, StripFill::FromBitmap}}));
  window.Height = 40;
  region = skin::PlanMinimizedRegion(window, metrics, skin);
  ASSERT_TRUE(region);
  EXPECT_EQ(region->Inner, (Rect{0, 28, 160, 40}));

  skin.Top.Trans = 0;
  region = skin::PlanMinimizedRegion(window, metrics, skin);
  ASSERT_TRUE(region);
  EXPECT_TRUE(region->WholeWindow);
  // Only a minimized MDI child, and only with area.
  window.State = TWindowState::wsNormal;
  EXPECT_EQ(skin::PlanMinimizedRegion(window, metrics, skin), std::nullopt);
  window.State = TWindowState::wsMinimized;
  window.Mdi = TMdiKind::mkNone;
  EXPECT_EQ(skin::PlanMinimizedRegion(window, metrics, skin), std::nullopt);
  window.Mdi = TMdiKind::mkChild;
  window.Width = 0;
  EXPECT_EQ(skin::PlanMinimizedRegion(window, metrics, skin), std::nullopt);
}

TEST(FrameGeometry, TheWindowSizeAroundAClientAndAWidenedDialog) {
  const FrameMetrics metrics{4, 28, 4, 5, 19};
  skin::CaptionTextStyle title;
  title.TextShift = 16;
  title.TextRightClip = 20;
  auto size = skin::SkinnedWindowSizeFor(metrics, {655, 466}, title, std::nullopt);
  EXPECT_EQ(size.Window, (Size{663, 518}));
  EXPECT_EQ(size.ChildShift, 0);
  size = skin::SkinnedWindowSizeFor(metrics, {100, 50}, title, 200);
  EXPECT_EQ(size.Window, (Size{236, 102}));  // 16 + 200 + 20
  EXPECT_EQ(size.ChildShift, 64);            // (236 - 108) / 2
  size = skin::SkinnedWindowSizeFor(metrics, {300, 50}, title, 200);
  EXPECT_EQ(size.Window.Width, 308) << "a caption that fits changes nothing";
  EXPECT_EQ(size.ChildShift, 0);
}

TEST(FrameGeometry, StylesGiveTheBorderKindBoxesAndFlags) {
  using skin::BorderKindOf;
  constexpr uint32_t kOverlapped = 0x00CF0000;  // WS_OVERLAPPEDWINDOW
  constexpr uint32_t kBorderOnly = 0x00800000;  // WS_BORDER without WS_DLGFRAME
  struct Case {
    uint32_t style, ex_style;
    bool dialog_class;
    TBorderKind expected;
  };
  const Case cases[] = {
      {kOverlapped, 0, false, TBorderKind::bkSizeable},
      {skin::kStyleCaption | skin::kStyleSystemMenu, 0, false, TBorderKind::bkSingle},
      {skin::kStyleCaption | skin::kStyleModalFrame, 0, false, TBorderKind::bkDialog},
      {skin::kStyleCaption, skin::kExStyleDialogModalFrame, false, TBorderKind::bkDialog},
      {kOverlapped, 0, true, TBorderKind::bkDialog},
      {kBorderOnly | skin::kStyleThickFrame, 0, false, TBorderKind::bkNone},
      {skin::kStylePopup, 0, false, TBorderKind::bkNone},
  };
  for (const Case& c : cases)
    EXPECT_EQ(BorderKindOf(c.style, c.ex_style, c.dialog_class), c.expected) << std::hex << c.style;

  EXPECT_EQ(skin::BorderIconsOf(kOverlapped, 0, false), kAllBoxes);
  EXPECT_EQ(skin::BorderIconsOf(skin::kStyleCaption, skin::kExStyleContextHelp, true),
            skin::biHelp | skin::biSystemMenu);
  EXPECT_EQ(skin::BorderIconsOf(skin::kStyleCaption, 0, false), 0);
  EXPECT_EQ(skin::StyleFlagsOf(skin::kStylePopup | kOverlapped, skin::kExStyleLeftScrollBar),
            skin::ffPopup | skin::ffRightToLeft);
  EXPECT_EQ(skin::StyleFlagsOf(kOverlapped, 0), 0u);
}

TEST(FrameGeometry, ActionsNameTheirCommands) {
  using skin::CaptionCommand;
  const std::pair<int32_t, CaptionCommand> cases[] = {
      {0, CaptionCommand::Close},
      {1, CaptionCommand::ToggleMaximize},
      {22, CaptionCommand::ToggleMaximize},
      {2, CaptionCommand::ToggleMinimize},
      {23, CaptionCommand::ToggleMinimize},
      {3, CaptionCommand::SystemMenu},
      {11, CaptionCommand::SystemMenu},
      {12, CaptionCommand::SystemMenu},
      {4, CaptionCommand::ContextHelp},
      {7, CaptionCommand::MdiChildMinimize},
      {60, CaptionCommand::MdiChildMinimize},
      {8, CaptionCommand::MdiChildRestore},
      {61, CaptionCommand::MdiChildRestore},
      {9, CaptionCommand::MdiChildClose},
      {62, CaptionCommand::MdiChildClose},
      {5, CaptionCommand::Custom},
      {13, CaptionCommand::Custom},
      {-1, CaptionCommand::Custom},
  };
  for (const auto& [action, command] : cases) EXPECT_EQ(skin::CommandOf(action), command) << action;
  EXPECT_TRUE(skin::DrawnAsWindowIcon(3));
  EXPECT_TRUE(skin::DrawnAsWindowIcon(11));
  EXPECT_FALSE(skin::DrawnAsWindowIcon(12));
}

TEST(FrameGeometry, AnImageWithoutFramesIsOneFrame) {
  CaptionButtonRecord button;
  button.Image = {60, 20};
  button.Frames = 3;
  EXPECT_EQ(button.FrameSize(), (Size{20, 20}));
  button.Frames = 0;
  EXPECT_EQ(button.FrameSize(), (Size{60, 20}));
  FrameSkin skin;
  skin.Top = BorderImage{{100, 56}, 0, 0};
  EXPECT_EQ(skin::MeasureFrame(MainWindow(), skin).BorderTop, 56);
}

}  // namespace
