// The scroll bar of a combo box's drop-down list, on real combo boxes dropped under real mouse
// input: painted from the skin into the list's own frame, scrolled by arrows, track and thumb
// exactly as an unskinned combo box beside it scrolls, and gone without a trace with the combo box.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "framework/handles.h"
#include "skin/controls/scroll_bar_paint.h"
#include "skin/controls/skinner_kinds.h"
#include "skin/core/optional_user32.h"
#include "skin/core/skin_data.h"
#include "skin/form/tests/frame_test_fixture.h"
#include "skin/form/tests/scroll_test_pixels.h"
#include "tests/support/message_recorder.h"
#include "tests/support/win_test_util.h"

namespace frametest {
namespace {

using skin::TComboxScrollBar;

// A press played inside whatever modal loop it starts: each timer tick moves the mouse one step
// (and may act first), the tick after the last step lets go.
struct PressPlan {
  std::vector<POINT> steps;
  std::function<void(size_t step)> onStep;  // before the mouse moves to steps[step]
  size_t next = 0;
  bool done = false;
};
PressPlan* g_plan = nullptr;

void CALLBACK PlayStep(HWND, UINT, UINT_PTR id, DWORD) {
  if (!g_plan) return;
  PressPlan& plan = *g_plan;
  if (plan.next < plan.steps.size()) {
    if (plan.onStep) plan.onStep(plan.next);
    MouseMoveTo(plan.steps[plan.next++]);
    return;
  }
  KillTimer(nullptr, id);
  LeftButtonUp();
  plan.done = true;
}

// Presses the left button at `at`, plays the plan and waits until it has let go.
bool PlayPress(POINT at, PressPlan& plan) {
  MouseMoveTo(at);
  testutil::PumpMessages(30);
  g_plan = &plan;
  SetTimer(nullptr, 0, 40, &PlayStep);
  LeftButtonDown();
  const bool done = testutil::PumpUntil([&] { return plan.done; }, 10000);
  testutil::PumpMessages(40);
  g_plan = nullptr;
  return done;
}

SCROLLBARINFO BarOf(HWND list) {
  SCROLLBARINFO info{};
  info.cbSize = sizeof(info);
  skin::User32Entries().GetScrollBarInfo(list, OBJID_VSCROLL, &info);
  return info;
}

int TopOf(HWND list) { return static_cast<int>(SendMessageW(list, LB_GETTOPINDEX, 0, 0)); }

class ComboListScrollTest : public FrameTest, public testing::WithParamInterface<ShippedSkin> {
 protected:
  void SetUp() override {
    FrameTest::SetUp();
    // The skin draws; no window is skinned by the manager: the skinner under test is the only one.
    skinData = AddSkinDataFrom(GetParam().stored());
    host.reset(CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 100, 60, 420, 420, nullptr, nullptr,
                               GetModuleHandleW(nullptr), nullptr));
    SetForegroundWindow(host.get());
  }

  void TearDown() override {
    skinner.reset();
    host.reset();
    FrameTest::TearDown();
  }

  HWND AddCombo(int x, DWORD style, int items, int height = 220) {
    HWND combo = CreateWindowExW(0, L"COMBOBOX", L"", WS_CHILD | WS_VISIBLE | WS_VSCROLL | style, x, 10, 150, height,
                                 host.get(), nullptr, GetModuleHandleW(nullptr), nullptr);
    for (int i = 0; i < items; ++i) {
      const std::wstring item = L"Item " + std::to_wstring(i);
      SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
    }
    return combo;
  }

  static HWND ListOf(HWND combo) {
    COMBOBOXINFO info{};
    info.cbSize = sizeof(info);
    return skin::User32Entries().GetComboBoxInfo(combo, &info) ? info.hwndList : nullptr;
  }

  // The list's skinner, attached by handle as the combo box skinner attaches it.
  TComboxScrollBar* SkinList(HWND combo) {
    skinner = std::make_unique<TComboxScrollBar>(nullptr);
    skinner->InitHandle(ListOf(combo), skinData, nullptr, nullptr);
    return skinner.get();
  }

  // Drops the list (closing any other) and waits until it shows.
  static bool Drop(HWND combo) {
    if (SendMessageW(combo, CB_GETDROPPEDSTATE, 0, 0)) return true;
    SendMessageW(combo, CB_SHOWDROPDOWN, TRUE, 0);
    HWND list = ListOf(combo);
    return testutil::PumpUntil([&] { return IsWindowVisible(list) != FALSE; }) && (testutil::PumpMessages(30), true);
  }
  static void CloseUp(HWND combo) {
    SendMessageW(combo, CB_SHOWDROPDOWN, FALSE, 0);
    testutil::PumpMessages(20);
  }

  // The list's bar as the screen shows it, and its rectangle in the list's window.
  static fw::TBitmap ShownBar(HWND list, RECT* inWindow = nullptr) {
    const SCROLLBARINFO bar = BarOf(list);
    RECT window{};
    GetWindowRect(list, &window);
    RECT r = bar.rcScrollBar;
    OffsetRect(&r, -window.left, -window.top);
    if (inWindow) *inWindow = r;
    fw::TBitmap shown = ShownWindow(list);
    fw::TBitmap piece(r.right - r.left, r.bottom - r.top, fw::pf32bit);
    BitBlt(piece.DC(), 0, 0, piece.Width(), piece.Height(), shown.DC(), r.left, r.top, SRCCOPY);
    return piece;
  }

  skin::TSkinData* skinData = nullptr;
  fw::UniqueWindow host;
  std::unique_ptr<TComboxScrollBar> skinner;
};

TEST_P(ComboListScrollTest, DroppedListShowsTheSkinsBarAndNoPartUnderTheMouse) {
  for (const DWORD style : {DWORD{CBS_DROPDOWN}, DWORD{CBS_DROPDOWNLIST}}) {
    SCOPED_TRACE(style == CBS_DROPDOWN ? "drop-down" : "drop-down list");
    HWND combo = AddCombo(10, style, 100);
    HWND plain = AddCombo(200, style, 100);
    TComboxScrollBar* skinned = SkinList(combo);
    ASSERT_TRUE(Drop(combo));
    HWND list = ListOf(combo);
    const SCROLLBARINFO info = BarOf(list);
    ASSERT_FALSE(info.rgstate[0] & STATE_SYSTEM_INVISIBLE) << "100 items overflow the list";
    fw::TBitmap shown = ShownBar(list);
    const int a = skinned->FArrowSize;
    EXPECT_EQ(a, GetSystemMetrics(SM_CXHSCROLL));
    ExpectSamePixels(shown, 0, 0, ExpectedBarFrame(*skinData, shown.Width(), a, 9, a), "up arrow, normal");
    ExpectSamePixels(shown, 0, shown.Height() - a, ExpectedBarFrame(*skinData, shown.Width(), a, 13, a),
                     "down arrow, normal");
    // The whole bar is the composer's picture of the system's bar.
    fw::TBitmap expected(shown.Width(), shown.Height(), fw::pf32bit);
    skin::PaintBarPicture(
        expected.DC(), {0, 0}, *skinData,
        {shown.Width(), shown.Height(), true, true, {info.xyThumbTop, info.xyThumbBottom}, skin::kNoPart, false, a});
    ExpectSamePixels(shown, 0, 0, std::move(expected), "whole bar");
    EXPECT_EQ(skinned->FBarLength, shown.Height());

    // Over each part of the bar the system would light it; the skinned bar stays as it is.
    const RECT bar = info.rcScrollBar;
    const int x = (bar.left + bar.right) / 2;
    for (const int y : {bar.top + a / 2, bar.top + (info.xyThumbTop + info.xyThumbBottom) / 2, bar.bottom - a / 2}) {
      MouseMoveTo({x, y});
      testutil::PumpMessages(40);
      EXPECT_EQ(skinned->FHotPart, skin::kNoPart);
    }
    fw::TBitmap after = ShownBar(list);
    ExpectSamePixels(after, 0, 0, ExpectedBarFrame(*skinData, after.Width(), a, 9, a), "up arrow after hovering");

    // An unskinned list's bar is the system's, not these pixels.
    CloseUp(combo);
    ASSERT_TRUE(Drop(plain));
    fw::TBitmap system = ShownBar(ListOf(plain));
    int differing = 0;
    for (int py = 0; py < std::min(system.Height(), shown.Height()); ++py)
      differing += GetPixel(system.DC(), system.Width() / 2, py) != GetPixel(shown.DC(), shown.Width() / 2, py);
    EXPECT_GT(differing, 0);
    CloseUp(plain);
    skinner.reset();
    DestroyWindow(combo);
    DestroyWindow(plain);
  }
}

// Arrow presses, track presses and thumb drags played on a skinned list and on an unskinned one
// beside it, the same input each: the lists show the same top line after every step, the drag
// included, and stay dropped alike.
TEST_P(ComboListScrollTest, ArrowsTrackAndThumbScrollTheListExactlyAsUnskinned) {
  HWND combo = AddCombo(10, CBS_DROPDOWNLIST, 100);
  HWND plain = AddCombo(200, CBS_DROPDOWNLIST, 100);
  TComboxScrollBar* skinned = SkinList(combo);
  struct Action {
    const char* name;
    int start;   // top line before the press
    int along;   // 0 up arrow, 1 down arrow, 2 track below the thumb, 3 thumb
    int travel;  // cursor travel after a thumb press, in steps of `stride` pixels
    int stride;
    bool scrolls;  // the list ends elsewhere than it started
  } const actions[] = {
      {"down arrow", 0, 1, 0, 0, true},
      {"up arrow", 20, 0, 0, 0, true},
      {"track below the thumb", 0, 2, 0, 0, true},
      {"thumb down a little", 0, 3, 6, 3, true},
      {"thumb down a lot", 0, 3, 12, 9, true},
      {"thumb past the end, near the bar", 0, 3, 12, 12, true},
      {"thumb back up", 60, 3, 10, -5, true},
      {"thumb far off the bar: back where it was", 0, 3, 4, 60, false},
  };
  for (const Action& action : actions) {
    SCOPED_TRACE(action.name);
    std::vector<int> tops[2];
    bool trackedOwnLoop = false;
    for (HWND box : {combo, plain}) {
      ASSERT_TRUE(Drop(box));
      HWND list = ListOf(box);
      SendMessageW(list, LB_SETTOPINDEX, action.start, 0);
      testutil::PumpMessages(20);
      const SCROLLBARINFO info = BarOf(list);
      const RECT bar = info.rcScrollBar;
      const int x = (bar.left + bar.right) / 2;
      const int a = GetSystemMetrics(SM_CXHSCROLL);
      const int y = action.along == 0   ? bar.top + a / 2
                    : action.along == 1 ? bar.bottom - a / 2
                    : action.along == 2 ? (bar.top + info.xyThumbBottom + bar.bottom - a) / 2
                                        : bar.top + (info.xyThumbTop + info.xyThumbBottom) / 2;
      PressPlan plan;
      const bool isSkinned = box == combo;
      std::vector<int>& seen = tops[isSkinned ? 0 : 1];
      for (int i = 1; i <= action.travel; ++i)
        plan.steps.push_back({action.stride > 50 ? x + action.stride : x, y + i * action.stride});
      plan.onStep = [&](size_t) {
        seen.push_back(TopOf(list));
        if (isSkinned) {
          trackedOwnLoop |= skinned->FTracking;
          EXPECT_EQ(skinned->FHotPart, skin::kNoPart);
        }
      };
      ASSERT_TRUE(PlayPress({x, y}, plan));
      seen.push_back(TopOf(list));
      seen.push_back(static_cast<int>(SendMessageW(box, CB_GETDROPPEDSTATE, 0, 0)));
      CloseUp(box);
    }
    EXPECT_EQ(tops[0], tops[1]) << "top line at each step, then at the end, then dropped";
    EXPECT_EQ(trackedOwnLoop, action.along == 3 && action.travel > 0) << "only the thumb is dragged by the skinner";
    EXPECT_EQ(tops[1][tops[1].size() - 2] != action.start, action.scrolls);
  }
}

// What a thumb drag sends the list: track positions while it moves, then the final position and
// the end of the scroll, as the system's own drag does.
TEST_P(ComboListScrollTest, ThumbDragSendsTrackPositionsThenTheFinalOneThenTheEnd) {
  using testutil::ExpectedMessage;
  HWND combo = AddCombo(10, CBS_DROPDOWN, 100);
  SkinList(combo);
  ASSERT_TRUE(Drop(combo));
  HWND list = ListOf(combo);
  testutil::MessageRecorder recorder;
  ASSERT_TRUE(recorder.Attach(list));
  const SCROLLBARINFO info = BarOf(list);
  const int x = (info.rcScrollBar.left + info.rcScrollBar.right) / 2;
  const int y = info.rcScrollBar.top + (info.xyThumbTop + info.xyThumbBottom) / 2;
  PressPlan plan;
  for (int i = 1; i <= 5; ++i) plan.steps.push_back({x, y + i * 10});
  ASSERT_TRUE(PlayPress({x, y}, plan));
  ASSERT_TRUE(testutil::PumpUntilQuiet(recorder));
  std::vector<testutil::RecordedMessage> scrolls;
  for (const testutil::RecordedMessage& m : recorder.Messages())
    if (m.message == WM_VSCROLL) scrolls.push_back(m);
  const int top = TopOf(list);
  ASSERT_GT(top, 0);
  const ExpectedMessage expected[] = {
      {WM_VSCROLL, testutil::kSent | testutil::kDefWinProc | testutil::kRepeated},
      {WM_VSCROLL, testutil::kSent | testutil::kDefWinProc | testutil::kWParam, MAKEWPARAM(SB_THUMBPOSITION, top)},
      {WM_VSCROLL, testutil::kPosted | testutil::kWParam, SB_ENDSCROLL},
  };
  std::string difference;
  EXPECT_TRUE(testutil::MatchesSequence(scrolls, expected, &difference)) << difference;
  for (size_t i = 0; i + 2 < scrolls.size(); ++i) EXPECT_EQ(LOWORD(scrolls[i].wParam), SB_THUMBTRACK) << i;
  EXPECT_EQ(HIWORD(scrolls[scrolls.size() - 3].wParam), top) << "the last track position is the final one";
  recorder.DetachAll();
}

// Lists whose bar the skin cannot or need not draw, and bars too short for their arrows.
TEST_P(ComboListScrollTest, ShortDisabledAndMissingBarsAndASkinWithoutScrollBars) {
  const int a = GetSystemMetrics(SM_CXHSCROLL);
  {
    SCOPED_TRACE("three items: no bar, nothing painted, a press in its place does nothing");
    HWND combo = AddCombo(10, CBS_DROPDOWNLIST, 3);
    TComboxScrollBar* skinned = SkinList(combo);
    ASSERT_TRUE(Drop(combo));
    EXPECT_TRUE(BarOf(ListOf(combo)).rgstate[0] & STATE_SYSTEM_INVISIBLE);
    EXPECT_EQ(skinned->FBarLength, 0);
    CloseUp(combo);
  }
  {
    SCOPED_TRACE("three items, bar kept: disabled, normal arrows, no thumb");
    HWND combo = AddCombo(10, CBS_DROPDOWNLIST | CBS_DISABLENOSCROLL, 3);
    SkinList(combo);
    ASSERT_TRUE(Drop(combo));
    HWND list = ListOf(combo);
    ASSERT_TRUE(BarOf(list).rgstate[0] & STATE_SYSTEM_UNAVAILABLE);
    fw::TBitmap shown = ShownBar(list);
    ExpectSamePixels(shown, 0, 0, ExpectedBarFrame(*skinData, shown.Width(), std::min(a, shown.Height() / 2), 9, a),
                     "up arrow");
    fw::TBitmap expected(shown.Width(), shown.Height(), fw::pf32bit);
    skin::PaintBarPicture(expected.DC(), {0, 0}, *skinData,
                          {shown.Width(), shown.Height(), true, false, {}, skin::kNoPart, false, a});
    ExpectSamePixels(shown, 0, 0, std::move(expected), "disabled bar");
    CloseUp(combo);
  }
  {
    SCOPED_TRACE("a list shorter than two arrows: two half-length arrows");
    HWND combo = AddCombo(10, CBS_DROPDOWNLIST, 100);
    SkinList(combo);
    ASSERT_TRUE(Drop(combo));
    HWND list = ListOf(combo);
    RECT r{};
    GetWindowRect(list, &r);
    SetWindowPos(list, nullptr, 0, 0, r.right - r.left, a + 6, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    testutil::PumpMessages(40);
    fw::TBitmap shown = ShownBar(list);
    ASSERT_LT(shown.Height(), 2 * a);
    ASSERT_GT(shown.Height(), 1);
    const int half = shown.Height() / 2;
    ExpectSamePixels(shown, 0, 0, ExpectedBarFrame(*skinData, shown.Width(), half, 9, a), "upper half");
    ExpectSamePixels(shown, 0, shown.Height() - half, ExpectedBarFrame(*skinData, shown.Width(), half, 13, a),
                     "lower half");
    CloseUp(combo);
  }
  {
    SCOPED_TRACE("odd scroll states set on the list: painted and pressed without fault");
    HWND combo = AddCombo(10, CBS_DROPDOWNLIST | CBS_DISABLENOSCROLL, 100);
    TComboxScrollBar* skinned = SkinList(combo);
    ASSERT_TRUE(Drop(combo));
    HWND list = ListOf(combo);
    const SCROLLINFO states[] = {
        {sizeof(SCROLLINFO), SIF_RANGE | SIF_PAGE | SIF_POS, 0, 0, 0, 0, 0},
        {sizeof(SCROLLINFO), SIF_RANGE | SIF_PAGE | SIF_POS, 0, 10, 50, 3, 0},
        {sizeof(SCROLLINFO), SIF_RANGE | SIF_PAGE | SIF_POS, 0, 0x7FFFFFFF, 1, 0x40000000, 0},
    };
    for (const SCROLLINFO& state : states) {
      SetScrollInfo(list, SB_VERT, &state, TRUE);
      skinned->PaintControl(nullptr);
      const SCROLLBARINFO info = BarOf(list);
      fw::TMessage press{WM_NCLBUTTONDOWN, HTVSCROLL,
                         MAKELPARAM(info.rcScrollBar.left + 2, info.rcScrollBar.top + info.xyThumbTop + 1), 0};
      // No button is down: a drag, if one starts, ends at once.
      (void)skinned->TrackThumb(press);
      EXPECT_FALSE(skinned->FTracking);
    }
    CloseUp(combo);
  }
  {
    SCOPED_TRACE("a skin without scroll bar images: the system's bar and the system's drag");
    skinData->Scrollbar.reset();
    HWND combo = AddCombo(10, CBS_DROPDOWNLIST, 100);
    HWND plain = AddCombo(200, CBS_DROPDOWNLIST, 100);
    TComboxScrollBar* skinned = SkinList(combo);
    int tops[2] = {};
    fw::TBitmap bars[2];
    for (HWND box : {combo, plain}) {
      ASSERT_TRUE(Drop(box));
      HWND list = ListOf(box);
      const int i = box == combo ? 0 : 1;
      bars[i] = ShownBar(list);
      const SCROLLBARINFO info = BarOf(list);
      const int x = (info.rcScrollBar.left + info.rcScrollBar.right) / 2;
      PressPlan plan;
      plan.steps = {{x, info.rcScrollBar.top + info.xyThumbTop + 30}};
      plan.onStep = [&](size_t) {
        if (box == combo) {
          EXPECT_FALSE(skinned->FTracking);
        }
      };
      ASSERT_TRUE(PlayPress({x, info.rcScrollBar.top + info.xyThumbTop + 2}, plan));
      tops[i] = TopOf(list);
      CloseUp(box);
    }
    ExpectSamePixels(bars[0], 0, 0, std::move(bars[1]), "the system's bar");
    EXPECT_EQ(tops[0], tops[1]);
    EXPECT_GT(tops[0], 0);
  }
}

// The combo box destroyed while its list's thumb is dragged, and the skinner released while the
// combo box stays: the drag ends with the window, or goes on to its end and the skinner is freed
// after it; nothing faults and the mouse is let go of.
TEST_P(ComboListScrollTest, ComboBoxOrSkinnerGoneWhileTheThumbIsDragged) {
  enum Gone { kWindow, kSkinnerReleased };
  for (const Gone what : {kWindow, kSkinnerReleased}) {
    SCOPED_TRACE(what == kWindow ? "combo box destroyed" : "skinner released");
    HWND combo = AddCombo(10, CBS_DROPDOWNLIST, 100);
    TComboxScrollBar* skinned = SkinList(combo);
    ASSERT_TRUE(Drop(combo));
    HWND list = ListOf(combo);
    const SCROLLBARINFO info = BarOf(list);
    const int x = (info.rcScrollBar.left + info.rcScrollBar.right) / 2;
    const int y = info.rcScrollBar.top + (info.xyThumbTop + info.xyThumbBottom) / 2;
    PressPlan plan;
    bool tracking = false;
    for (int i = 1; i <= 6; ++i) plan.steps.push_back({x, y + i * 6});
    plan.onStep = [&](size_t step) {
      if (step == 0) tracking = skinned->FTracking;
      if (step != 3) return;
      if (what == kSkinnerReleased) {
        skinned->ReleaseWhenIdle([this] { skinner.reset(); });
        return;
      }
      DestroyWindow(combo);
    };
    ASSERT_TRUE(PlayPress({x, y}, plan));
    EXPECT_TRUE(tracking) << "the drag was the skinner's";
    if (what == kSkinnerReleased) {
      EXPECT_FALSE(skinner) << "freed once the drag was over";
      EXPECT_GT(TopOf(list), 0) << "the drag went on to its end";
      CloseUp(combo);
      DestroyWindow(combo);
    } else {
      EXPECT_FALSE(IsWindow(list));
      EXPECT_EQ(skinned->FLifeState, skin::kSkinnerDestroyed);
      EXPECT_FALSE(skinned->FTracking);
    }
    EXPECT_EQ(GetCapture(), nullptr);
  }
}

TEST_P(ComboListScrollTest, CombosDestroyedWhileDroppedLeaveNoObjectsBehind) {
  ExpectObjectsBackAfter(15, [&] {
    HWND combo = AddCombo(10, CBS_DROPDOWN, 100);
    SkinList(combo);
    ASSERT_TRUE(Drop(combo));
    SendMessageW(ListOf(combo), WM_VSCROLL, SB_PAGEDOWN, 0);
    testutil::PumpMessages(5);
    DestroyWindow(combo);
    skinner.reset();
  });
}

INSTANTIATE_TEST_SUITE_P(Skins, ComboListScrollTest, testing::ValuesIn(ShippedSkins()), CaseName<ShippedSkin>);

}  // namespace
}  // namespace frametest
