// The history list of the main window scrolled through its skinned scroll bar: arrow clicks,
// track clicks, a thumb drag and the wheel move the list exactly as the same input on the
// system's own bar does with the skin switched off.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/tests/main_window_fixture.h"
#include "skin/controls/skinner_kinds.h"
#include "skin/core/optional_user32.h"
#include "skin/core/skin_manage.h"
#include "skin/form/form_skinner.h"
#include "tests/support/win_test_util.h"

namespace {

// A drag played inside the system's tracking loop: a timer moves the mouse a step each tick and
// lets go after the last.
struct TimedDrag {
  std::vector<POINT> steps;
  size_t next = 0;
  bool done = false;
};
TimedDrag* g_drag = nullptr;

void CALLBACK DragTick(HWND, UINT, UINT_PTR id, DWORD) {
  if (!g_drag) return;
  if (g_drag->next < g_drag->steps.size()) {
    testutil::MouseMoveTo(g_drag->steps[g_drag->next++]);
    return;
  }
  KillTimer(nullptr, id);
  testutil::LeftButtonUp();
  g_drag->done = true;
}

class ScrollSkinAppTest : public MainWindowTest {
 protected:
  [[nodiscard]] int TopIndex() const {
    return static_cast<int>(SendMessageW(form->ListView1->Handle(), LVM_GETTOPINDEX, 0, 0));
  }

  [[nodiscard]] SCROLLBARINFO VerticalBar() const {
    SCROLLBARINFO info{};
    info.cbSize = sizeof(info);
    skin::User32Entries().GetScrollBarInfo(form->ListView1->Handle(), OBJID_VSCROLL, &info);
    return info;
  }

  // A click that waits until the system's tracking loop (if any) has ended.
  static void Click(POINT screen) {
    testutil::MouseMoveTo(screen);
    testutil::PumpMessages(20);
    testutil::LeftButtonDown();
    testutil::LeftButtonUp();
    testutil::PumpMessages(60);
  }

  // The same input on the list's vertical bar, at points taken from the system's geometry of that
  // bar; the top index after each step.
  std::vector<int> ScrollThroughTheBar() {
    std::vector<int> tops;
    SendMessageW(form->ListView1->Handle(), LVM_ENSUREVISIBLE, 0, FALSE);
    testutil::PumpMessages(30);
    SCROLLBARINFO bar = VerticalBar();
    const int x = (bar.rcScrollBar.left + bar.rcScrollBar.right) / 2;
    const int arrow = bar.dxyLineButton;
    for (int i = 0; i < 5; ++i) Click({x, bar.rcScrollBar.bottom - arrow / 2});  // down arrow
    tops.push_back(TopIndex());
    for (int i = 0; i < 3; ++i) {
      bar = VerticalBar();
      Click({x, bar.rcScrollBar.top + bar.xyThumbBottom + 4});  // track below the thumb
      tops.push_back(TopIndex());
    }
    Click({x, bar.rcScrollBar.top + arrow / 2});  // up arrow
    tops.push_back(TopIndex());

    bar = VerticalBar();
    const POINT thumb{x, bar.rcScrollBar.top + (bar.xyThumbTop + bar.xyThumbBottom) / 2};
    TimedDrag drag;
    for (int i = 1; i <= 10; ++i) drag.steps.push_back({thumb.x, thumb.y + i * 6});
    g_drag = &drag;
    testutil::MouseMoveTo(thumb);
    testutil::PumpMessages(30);
    SetTimer(nullptr, 0, 40, &DragTick);
    testutil::LeftButtonDown();
    EXPECT_TRUE(testutil::PumpUntil([&] { return drag.done; }, 8000));
    testutil::PumpMessages(60);
    g_drag = nullptr;
    tops.push_back(TopIndex());

    for (int i = 0; i < 2; ++i) {
      SendMessageW(form->ListView1->Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), MAKELPARAM(x, thumb.y));
      testutil::PumpMessages(20);
    }
    tops.push_back(TopIndex());
    return tops;
  }

  skin::TSkinListView* ListSkinner() const {
    auto* skinner = static_cast<skin::TWinSkinForm*>(skin::SkinManager()->FindFormSkinner(form->Handle()));
    if (!skinner) return nullptr;
    for (skin::TSkinControl* s : skinner->FSkinners) {
      if (s->Control() == form->ListView1) return dynamic_cast<skin::TSkinListView*>(s);
    }
    return nullptr;
  }
};

TEST_F(ScrollSkinAppTest, ThousandRecordsScrollThroughTheSkinnedBarExactlyAsUnskinned) {
  ASSERT_NE(skin::SkinManager(), nullptr);
  ASSERT_TRUE(testutil::PumpUntil([&] { return ListSkinner() != nullptr; }));
  skin::TSkinListView* skinner = ListSkinner();
  ASSERT_TRUE(skinner->FVertBar);
  EXPECT_FALSE(skinner->FVertBar->FBarVisible) << "an empty history has no scroll bar";

  AddRows(1000, "record ");
  ASSERT_TRUE(testutil::PumpUntil([&] { return skinner->FVertBar->FBarVisible; }))
      << "a thousand records overflow: the drawn bar shows";
  SetForegroundWindow(form->Handle());
  RECT listClient{};
  GetClientRect(form->ListView1->Handle(), &listClient);
  const std::vector<int> skinned = ScrollThroughTheBar();

  form->SkinData1->SetActive(false);
  ASSERT_TRUE(testutil::PumpUntil([&] { return ListSkinner() == nullptr || !skinner->FActive; }));
  testutil::PumpMessages(100);
  // The system's frame is not the skin's: the window is sized so that the list has the same room.
  RECT nowClient{};
  GetClientRect(form->ListView1->Handle(), &nowClient);
  RECT window{};
  GetWindowRect(form->Handle(), &window);
  SetWindowPos(form->Handle(), nullptr, 0, 0, window.right - window.left + listClient.right - nowClient.right,
               window.bottom - window.top + listClient.bottom - nowClient.bottom, SWP_NOMOVE | SWP_NOZORDER);
  testutil::PumpMessages(60);
  GetClientRect(form->ListView1->Handle(), &nowClient);
  ASSERT_EQ(nowClient.bottom, listClient.bottom);
  SetForegroundWindow(form->Handle());
  const std::vector<int> unskinned = ScrollThroughTheBar();

  EXPECT_EQ(skinned, unskinned);
  ASSERT_EQ(skinned.size(), 7u);
  EXPECT_EQ(skinned[0], 5) << "five arrow clicks, five lines";
  EXPECT_GT(skinned[1], skinned[0]) << "a track click pages down";
  EXPECT_EQ(skinned[4], skinned[3] - 1) << "the up arrow";
  EXPECT_GT(skinned[5], skinned[4]) << "the thumb drag";
  EXPECT_GT(skinned[6], skinned[5]) << "the wheel";
}

}  // namespace
