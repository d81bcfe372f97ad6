// Skinned scroll bars on real windows: the drawn bars cover a control's own bars only while they
// exist, follow the control when it is hidden, shown and resized, paint the skin's frames, and
// hand presses to the system's bar so that scrolling is exactly the unskinned one.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "framework/form.h"
#include "framework/stdctrls.h"
#include "skin/controls/skinner_kinds.h"
#include "skin/core/optional_user32.h"
#include "skin/core/skin_data.h"
#include "skin/core/skin_messages.h"
#include "skin/form/tests/frame_test_fixture.h"
#include "skin/form/tests/scroll_test_pixels.h"
#include "tests/support/resource_count.h"
#include "tests/support/win_test_util.h"

namespace frametest {
namespace {

using skin::TSkinScrollbar;
using skin::TWinSkinForm;
using skin::TWScrollbar;

// What a press inside the system's tracking loop saw, taken by a timer that then lets go.
struct PressProbe {
  TWScrollbar* bar = nullptr;
  HWND list = nullptr;
  bool trackingSeen = false;
  int hotPartSeen = -2;
  std::function<fw::TBitmap(HWND)> capture;
  fw::TBitmap shown;  // the drawn bar as the screen showed it
  int topWhileHeld = -1;
};
PressProbe* g_probe = nullptr;

// A drag played inside the system's tracking loop: each tick moves the mouse one step, the last
// lets go.
struct DragPlan {
  std::vector<POINT> steps;
  size_t next = 0;
  TWScrollbar* bar = nullptr;
  int maxThumbEnd = 0;  // the drawn thumb's furthest end while dragged
  int minThumbStart = 1 << 30;
  bool done = false;
};
DragPlan* g_drag = nullptr;

void CALLBACK DragStep(HWND, UINT, UINT_PTR id, DWORD) {
  if (!g_drag) return;
  DragPlan& plan = *g_drag;
  UpdateWindow(plan.bar->Window());
  plan.maxThumbEnd = std::max(plan.maxThumbEnd, plan.bar->FThumbEnd);
  plan.minThumbStart = std::min(plan.minThumbStart, plan.bar->FThumbStart);
  if (plan.next < plan.steps.size()) {
    MouseMoveTo(plan.steps[plan.next++]);
    return;
  }
  KillTimer(nullptr, id);
  LeftButtonUp();
  plan.done = true;
}

void CALLBACK ReleaseAfterLooking(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  if (!g_probe) return;
  PressProbe& probe = *g_probe;
  probe.trackingSeen = probe.bar->FTracking;
  probe.hotPartSeen = probe.bar->FHotPart;
  UpdateWindow(probe.bar->Window());
  probe.shown = probe.capture(probe.bar->Window());
  probe.topWhileHeld = static_cast<int>(SendMessageW(probe.list, LB_GETTOPINDEX, 0, 0));
  LeftButtonUp();
}

class ScrollSkinTest : public FrameTest {
 protected:
  void SetUp() override {
    FrameTest::SetUp();
    skinData = UseSkin(DefaultSkin());
    form = new fw::TForm(app.get());
    form->SetBounds(60, 60, 360, 300);
  }

  fw::TListBox* AddList(int items, int width = 120, int height = 150) {
    auto* list = new fw::TListBox(form);
    list->SetParent(form);
    list->SetBounds(10, 10, width, height);
    for (int i = 0; i < items; ++i) list->Items()->Add("Line " + std::to_string(i));
    return list;
  }

  TWinSkinForm* ShowSkinned() {
    form->Show();
    return ActivateSkinned(form->Handle());
  }

  static TSkinScrollbar* ScrollSkinnerOf(const TWinSkinForm* skinner, const fw::TControl* control) {
    for (skin::TSkinControl* s : skinner->FSkinners) {
      if (s->Control() == control) return dynamic_cast<TSkinScrollbar*>(s);
    }
    return nullptr;
  }

  // Shows the form skinned and waits until the control's drawn vertical bar shows; its skinner, or
  // nullptr when that does not happen.
  TSkinScrollbar* SkinnedWithVerticalBar(const fw::TControl* control) {
    TWinSkinForm* skinner = ShowSkinned();
    TSkinScrollbar* scroll = skinner ? ScrollSkinnerOf(skinner, control) : nullptr;
    if (!scroll || !scroll->FVertBar) return nullptr;
    return testutil::PumpUntil([&] { return Shown(*scroll->FVertBar); }) ? scroll : nullptr;
  }

  // The system's bar in screen coordinates, or an empty rectangle when it has none.
  static RECT SystemBar(HWND window, LONG object) {
    SCROLLBARINFO info{};
    info.cbSize = sizeof(info);
    if (!skin::User32Entries().GetScrollBarInfo(window, object, &info)) return {};
    if (info.rgstate[0] & STATE_SYSTEM_INVISIBLE) return {};
    return info.rcScrollBar;
  }

  static RECT ScreenRectOf(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return r;
  }

  static bool Shown(const TWScrollbar& bar) { return bar.Window() && IsWindowVisible(bar.Window()) && bar.FBarVisible; }

  fw::TBitmap ExpectedFrame(int width, int height, int frame, int arrowSize) const {
    return ExpectedBarFrame(*skinData, width, height, frame, arrowSize);
  }

  skin::TSkinData* skinData = nullptr;
  fw::TForm* form = nullptr;
};

TEST_F(ScrollSkinTest, DrawnBarCoversTheSystemBarOnlyWhileTheContentOverflows) {
  fw::TListBox* list = AddList(3);
  TWinSkinForm* skinner = ShowSkinned();
  ASSERT_NE(skinner, nullptr);
  TSkinScrollbar* scroll = ScrollSkinnerOf(skinner, list);
  ASSERT_NE(scroll, nullptr) << "a list box gets a scroll bar skinner";
  ASSERT_TRUE(scroll->FVertBar);
  EXPECT_FALSE(Shown(*scroll->FVertBar)) << "three lines fit: no bar, no drawn bar";

  for (int i = 0; i < 60; ++i) list->Items()->Add("More " + std::to_string(i));
  testutil::PumpMessages(50);
  ASSERT_TRUE(testutil::PumpUntil([&] { return Shown(*scroll->FVertBar); }));
  const RECT system = SystemBar(list->Handle(), OBJID_VSCROLL);
  const RECT drawn = ScreenRectOf(scroll->FVertBar->Window());
  EXPECT_TRUE(EqualRect(&system, &drawn)) << "the drawn bar lies exactly over the system's";
  EXPECT_EQ(GetWindow(scroll->FVertBar->Window(), GW_HWNDNEXT), list->Handle()) << "directly above the list";
  EXPECT_FALSE(Shown(*scroll->FHorzBar));

  list->Items()->Clear();
  list->Items()->Add("One");
  EXPECT_TRUE(testutil::PumpUntil([&] { return !Shown(*scroll->FVertBar); })) << "the bar went: so does the drawn one";
}

TEST_F(ScrollSkinTest, HidingAndResizingTheControlTakeTheDrawnBarAlong) {
  fw::TListBox* list = AddList(80);
  TSkinScrollbar* scroll = SkinnedWithVerticalBar(list);
  ASSERT_NE(scroll, nullptr);

  list->SetVisible(false);
  EXPECT_FALSE(Shown(*scroll->FVertBar));
  list->SetVisible(true);
  EXPECT_TRUE(testutil::PumpUntil([&] { return Shown(*scroll->FVertBar); }));

  list->SetBounds(30, 20, 140, 200);
  testutil::PumpMessages(30);
  RECT system = SystemBar(list->Handle(), OBJID_VSCROLL);
  RECT drawn = ScreenRectOf(scroll->FVertBar->Window());
  EXPECT_TRUE(EqualRect(&system, &drawn)) << "moved and resized with the list";

  list->SetBounds(30, 20, 0, 0);
  testutil::PumpMessages(30);
  system = SystemBar(list->Handle(), OBJID_VSCROLL);
  if (IsRectEmpty(&system)) {
    EXPECT_FALSE(Shown(*scroll->FVertBar)) << "a list of no size has no bar to cover";
  } else {
    drawn = ScreenRectOf(scroll->FVertBar->Window());
    EXPECT_TRUE(EqualRect(&system, &drawn));
  }
  fw::TBitmap painted;
  painted.SetSize(40, 40);
  scroll->FVertBar->Paint(painted.Canvas().Handle());  // no crash at 0 x 0
}

TEST_F(ScrollSkinTest, ArrowPressScrollsAndRepeatsThroughTheSystemWithTheArrowDrawnPressed) {
  fw::TListBox* list = AddList(200);
  TSkinScrollbar* scroll = SkinnedWithVerticalBar(list);
  ASSERT_NE(scroll, nullptr);
  TWScrollbar& bar = *scroll->FVertBar;
  const RECT r = ScreenRectOf(bar.Window());
  const int width = r.right - r.left;
  const POINT downArrow{r.left + width / 2, r.bottom - bar.FArrowSize / 2};

  PressProbe probe{&bar, list->Handle()};
  probe.capture = &ShownWindow;
  g_probe = &probe;
  MouseMoveTo(downArrow);
  testutil::PumpMessages(50);
  SetTimer(nullptr, 0, 900, &ReleaseAfterLooking);
  LeftButtonDown();
  ASSERT_TRUE(testutil::PumpUntil([&] { return probe.topWhileHeld >= 0; }, 5000));
  testutil::PumpMessages(50);
  g_probe = nullptr;

  EXPECT_TRUE(probe.trackingSeen) << "the press is held in the system's loop";
  EXPECT_EQ(probe.hotPartSeen, SB_LINEDOWN);
  EXPECT_GT(probe.topWhileHeld, 1) << "the held arrow repeats";
  const int a = bar.FArrowSize;
  ExpectSamePixels(probe.shown, 0, bar.FBarLength - a, ExpectedFrame(width, a, 14, a), "down arrow pressed (frame 14)");
  EXPECT_FALSE(bar.FTracking);
}

TEST_F(ScrollSkinTest, ThumbDragScrollsTheListToItsEndAndTheDrawnThumbStaysBetweenTheArrows) {
  fw::TListBox* list = AddList(200);
  TSkinScrollbar* scroll = SkinnedWithVerticalBar(list);
  ASSERT_NE(scroll, nullptr);
  TWScrollbar& bar = *scroll->FVertBar;
  UpdateWindow(bar.Window());
  const RECT r = ScreenRectOf(bar.Window());
  const POINT thumb{r.left + (r.right - r.left) / 2, r.top + (bar.FThumbStart + bar.FThumbEnd) / 2};
  DragPlan plan;
  plan.bar = &bar;
  for (int i = 1; i <= 12; ++i) plan.steps.push_back({thumb.x, thumb.y + i * 12});
  for (int i = 1; i <= 4; ++i) plan.steps.push_back({thumb.x, r.top - i * 6});     // back past the start
  for (int i = 1; i <= 8; ++i) plan.steps.push_back({thumb.x, r.bottom + i * 3});  // past the end, near the bar
  g_drag = &plan;
  MouseMoveTo(thumb);
  testutil::PumpMessages(50);
  SetTimer(nullptr, 0, 40, &DragStep);
  LeftButtonDown();
  ASSERT_TRUE(testutil::PumpUntil([&] { return plan.done; }, 8000));
  testutil::PumpMessages(50);
  g_drag = nullptr;
  const int count = static_cast<int>(SendMessageW(list->Handle(), LB_GETCOUNT, 0, 0));
  const int itemHeight = static_cast<int>(SendMessageW(list->Handle(), LB_GETITEMHEIGHT, 0, 0));
  RECT client{};
  GetClientRect(list->Handle(), &client);
  const int lastTop = count - client.bottom / itemHeight;
  EXPECT_EQ(SendMessageW(list->Handle(), LB_GETTOPINDEX, 0, 0), lastTop) << "dragged past the end: the last page";
  EXPECT_LE(plan.maxThumbEnd, bar.FBarLength - bar.FArrowSize) << "the drawn thumb stops at the second arrow";
  EXPECT_GE(plan.minThumbStart, bar.FArrowSize) << "and at the first";
  EXPECT_EQ(plan.maxThumbEnd, bar.FBarLength - bar.FArrowSize) << "it reached the end";
  UpdateWindow(bar.Window());
  EXPECT_LE(bar.FThumbEnd, bar.FBarLength - bar.FArrowSize);
  EXPECT_GE(bar.FThumbStart, bar.FArrowSize);
}

TEST_F(ScrollSkinTest, DisabledBarShowsNormalArrowsAndNoThumb) {
  auto* memo = new fw::TMemo(form);
  memo->SetScrollBars(fw::TScrollStyle::ssVertical);
  memo->SetParent(form);
  memo->SetBounds(10, 10, 150, 150);
  TSkinScrollbar* scroll = SkinnedWithVerticalBar(memo);
  ASSERT_NE(scroll, nullptr) << "a memo keeps its bar";
  SCROLLBARINFO info{};
  info.cbSize = sizeof(info);
  ASSERT_TRUE(skin::User32Entries().GetScrollBarInfo(memo->Handle(), OBJID_VSCROLL, &info));
  ASSERT_TRUE(info.rgstate[0] & STATE_SYSTEM_UNAVAILABLE) << "nothing to scroll: the system's bar is disabled";
  TWScrollbar& bar = *scroll->FVertBar;
  bar.FHotPart = SB_LINEUP;  // even under the mouse, a disabled arrow is drawn normal
  bar.Invalidate();
  UpdateWindow(bar.Window());
  fw::TBitmap shown = ShownWindow(bar.Window());
  const int width = shown.Width();
  const int a = bar.FArrowSize;
  ExpectSamePixels(shown, 0, 0, ExpectedFrame(width, a, 9, a), "up arrow normal");
  ExpectSamePixels(shown, 0, bar.FBarLength - a, ExpectedFrame(width, a, 13, a), "down arrow normal");
  // No thumb: the track below the first arrow is the same at its start as at its middle.
  const HDC dc = shown.Canvas().Handle();
  EXPECT_EQ(GetPixel(dc, width / 2, a + 4), GetPixel(dc, width / 2, bar.FBarLength / 2));
}

TEST_F(ScrollSkinTest, SkinWithoutScrollbarImageLeavesTheSystemBars) {
  skinData->Scrollbar.reset();
  fw::TListBox* list = AddList(200);
  TWinSkinForm* skinner = ShowSkinned();
  ASSERT_NE(skinner, nullptr);
  TSkinScrollbar* scroll = ScrollSkinnerOf(skinner, list);
  ASSERT_NE(scroll, nullptr);
  testutil::PumpMessages(50);
  EXPECT_FALSE(Shown(*scroll->FVertBar)) << "nothing to draw with: the system's bar shows";
  SendMessageW(list->Handle(), WM_VSCROLL, SB_LINEDOWN, 0);
  EXPECT_EQ(SendMessageW(list->Handle(), LB_GETTOPINDEX, 0, 0), 1);
}

TEST_F(ScrollSkinTest, WheelOverTheDrawnBarScrollsTheList) {
  fw::TListBox* list = AddList(200);
  TSkinScrollbar* scroll = SkinnedWithVerticalBar(list);
  ASSERT_NE(scroll, nullptr);
  const RECT r = ScreenRectOf(scroll->FVertBar->Window());
  SendMessageW(scroll->FVertBar->Window(), WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA),
               MAKELPARAM(r.left + 2, r.top + 40));
  EXPECT_GT(SendMessageW(list->Handle(), LB_GETTOPINDEX, 0, 0), 0);
}

// A scroll bar control's drawn bar, whatever its range, page and size: the thumb stays on the
// track, at least 8 pixels long with a page, and a bar too short for its arrows paints two halves.
TEST_F(ScrollSkinTest, ScrollBarControlThumbStaysOnTheTrackForAnyRangePageAndSize) {
  auto* bar = new fw::TScrollBar(form);
  bar->SetParent(form);
  bar->SetKind(fw::TScrollBarKind::sbVertical);
  bar->SetBounds(10, 10, 17, 200);
  TWinSkinForm* skinner = ShowSkinned();
  ASSERT_NE(skinner, nullptr);
  skin::TSkinScControl* skinned = nullptr;
  for (skin::TSkinControl* s : skinner->FSkinners) {
    if (s->Control() == bar) skinned = dynamic_cast<skin::TSkinScControl*>(s);
  }
  ASSERT_NE(skinned, nullptr);
  ASSERT_TRUE(skinned->FScrollbar);
  TWScrollbar& drawn = *skinned->FScrollbar;
  ASSERT_TRUE(testutil::PumpUntil([&] { return Shown(drawn); }));
  struct Case {
    const char* name;
    int min, max, page, position, height;
  } const cases[] = {
      {"range 0", 0, 0, 0, 0, 200},
      {"range 2^31-1", 0, 0x7FFFFFFF, 1000, 0x40000000, 200},
      {"page larger than the range", 0, 10, 50, 5, 200},
      {"tiny page", 0, 100000, 1, 50000, 200},
      {"bar shorter than two arrows", 0, 100, 10, 50, 20},
      {"bar of nothing", 0, 100, 10, 50, 0},
  };
  for (const Case& c : cases) {
    bar->SetBounds(10, 10, 17, c.height);
    SCROLLINFO info{sizeof(info), SIF_RANGE | SIF_PAGE | SIF_POS, c.min, c.max, static_cast<UINT>(c.page), c.position};
    SendMessageW(bar->Handle(), SBM_SETSCROLLINFO, TRUE, reinterpret_cast<LPARAM>(&info));
    testutil::PumpMessages(20);
    if (!Shown(drawn)) {
      EXPECT_EQ(c.height, 0) << c.name;
      continue;
    }
    UpdateWindow(drawn.Window());
    (void)ShownWindow(drawn.Window());  // painted without a fault
    EXPECT_GE(drawn.FThumbStart, 0) << c.name;
    if (c.height >= 2 * drawn.FArrowSize + skin::kMinThumbLength) {
      EXPECT_GE(drawn.FThumbStart, drawn.FArrowSize) << c.name;
      EXPECT_LE(drawn.FThumbEnd, c.height - drawn.FArrowSize) << c.name;
      if (c.page > 0) {
        EXPECT_GE(drawn.FThumbEnd - drawn.FThumbStart, skin::kMinThumbLength) << c.name;
      }
    }
  }
}

// The control hidden from inside the system's tracking loop: the press ends, the drawn bar goes
// with the control and comes back when it is shown.
void CALLBACK HideWhileHeld(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  if (g_probe) ShowWindow(g_probe->list, SW_HIDE);
  LeftButtonUp();
  if (g_probe) g_probe->topWhileHeld = 0;
}

TEST_F(ScrollSkinTest, ControlHiddenWhileScrollingTakesItsDrawnBarAndGetsItBack) {
  fw::TListBox* list = AddList(200);
  TSkinScrollbar* scroll = SkinnedWithVerticalBar(list);
  ASSERT_NE(scroll, nullptr);
  TWScrollbar& bar = *scroll->FVertBar;
  const RECT r = ScreenRectOf(bar.Window());
  PressProbe probe{&bar, list->Handle()};
  g_probe = &probe;
  MouseMoveTo({r.left + (r.right - r.left) / 2, r.bottom - bar.FArrowSize / 2});
  testutil::PumpMessages(50);
  SetTimer(nullptr, 0, 400, &HideWhileHeld);
  LeftButtonDown();
  ASSERT_TRUE(testutil::PumpUntil([&] { return probe.topWhileHeld == 0 && !bar.FTracking; }, 5000));
  testutil::PumpMessages(50);
  g_probe = nullptr;
  EXPECT_FALSE(Shown(bar)) << "hidden with the list";
  ShowWindow(list->Handle(), SW_SHOW);
  EXPECT_TRUE(testutil::PumpUntil([&] { return Shown(bar); }));
  const RECT system = SystemBar(list->Handle(), OBJID_VSCROLL);
  const RECT drawn = ScreenRectOf(bar.Window());
  EXPECT_TRUE(EqualRect(&system, &drawn));
}

// ---- Windows of no framework control ----------------------------------------------------------

void CALLBACK LetGo(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  LeftButtonUp();
}

// A plain pop-up window to hold native controls, destroyed by the caller.
fw::UniqueWindow NativeHost() {
  return fw::UniqueWindow(CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 500, 80, 360, 300, nullptr, nullptr,
                                          GetModuleHandleW(nullptr), nullptr));
}

HWND NativeChild(HWND host, const wchar_t* className, DWORD style, int lines) {
  HWND window = CreateWindowExW(WS_EX_CLIENTEDGE, className, L"", WS_CHILD | WS_VISIBLE | style, 10, 10, 150, 160, host,
                                nullptr, GetModuleHandleW(nullptr), nullptr);
  const bool combo = std::wstring(className) == L"COMBOBOX";
  for (int i = 0; i < lines; ++i) {
    const std::wstring line = L"Line number " + std::to_wstring(i);
    SendMessageW(window, combo ? CB_ADDSTRING : LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line.c_str()));
  }
  return window;
}

TEST_F(ScrollSkinTest, BareListBoxGetsDrawnBarsOverItsOwnAndTheCornerBetweenThem) {
  fw::UniqueWindow host = NativeHost();
  HWND list = NativeChild(host.get(), L"LISTBOX", WS_VSCROLL | WS_HSCROLL | LBS_NOINTEGRALHEIGHT, 80);
  SendMessageW(list, LB_SETHORIZONTALEXTENT, 600, 0);
  skin::TSkinScrollbarH skinner(nullptr);
  skinner.InitHandle(list, skinData, nullptr, nullptr);
  ASSERT_TRUE(skinner.FHorzBar && skinner.FVertBar);
  ASSERT_TRUE(testutil::PumpUntil([&] { return Shown(*skinner.FVertBar) && Shown(*skinner.FHorzBar); }));
  for (const auto& [bar, object] :
       {std::pair{skinner.FVertBar.get(), OBJID_VSCROLL}, {skinner.FHorzBar.get(), OBJID_HSCROLL}}) {
    const RECT system = SystemBar(list, object);
    const RECT drawn = ScreenRectOf(bar->Window());
    EXPECT_TRUE(EqualRect(&system, &drawn)) << "bar " << object << " lies exactly over the system's";
    EXPECT_EQ(GetParent(bar->Window()), host.get());
  }
  EXPECT_EQ(SendMessageW(list, skin::SKM_ISSKINNED, 0, 0), 1);

  // The corner between the bars takes the skin's face colour.
  skinner.PaintControl(nullptr);
  fw::TBitmap shown = ShownWindow(list);
  const RECT vertical = SystemBar(list, OBJID_VSCROLL);
  const RECT horizontal = SystemBar(list, OBJID_HSCROLL);
  RECT window{};
  GetWindowRect(list, &window);
  EXPECT_EQ(GetPixel(shown.Canvas().Handle(), vertical.left - window.left + 2, horizontal.top - window.top + 2),
            fw::ColorToRGB(skinData->Colours[skin::ciButtonFace]));

  // A press on the drawn down arrow scrolls the list through the system's bar.
  const RECT down = ScreenRectOf(skinner.FVertBar->Window());
  MouseMoveTo({down.left + (down.right - down.left) / 2, down.bottom - skinner.FVertBar->FArrowSize / 2});
  testutil::PumpMessages(30);
  SetTimer(nullptr, 0, 100, &LetGo);  // the press runs the system's tracking loop
  LeftButtonDown();
  EXPECT_TRUE(testutil::PumpUntil([&] { return SendMessageW(list, LB_GETTOPINDEX, 0, 0) > 0; }));
  // Scrolled by the keyboard: the drawn thumb follows the system's.
  SendMessageW(list, WM_KEYDOWN, VK_END, 0);
  UpdateWindow(skinner.FVertBar->Window());
  SCROLLBARINFO info{};
  info.cbSize = sizeof(info);
  ASSERT_TRUE(skin::User32Entries().GetScrollBarInfo(list, OBJID_VSCROLL, &info));
  EXPECT_EQ(skinner.FVertBar->FThumbStart, info.xyThumbTop);
  EXPECT_EQ(skinner.FVertBar->FThumbEnd, info.xyThumbBottom);

  ShowWindow(list, SW_HIDE);
  EXPECT_FALSE(Shown(*skinner.FVertBar)) << "hidden with the window";
  EXPECT_FALSE(Shown(*skinner.FHorzBar));
  ShowWindow(list, SW_SHOW);
  EXPECT_TRUE(testutil::PumpUntil([&] { return Shown(*skinner.FVertBar) && Shown(*skinner.FHorzBar); }));

  const HWND barWindow = skinner.FVertBar->Window();
  DestroyWindow(list);
  EXPECT_EQ(skinner.FLifeState, skin::kSkinnerDestroyed);
  EXPECT_FALSE(IsWindow(barWindow)) << "the drawn bars go with the window";
}

// A simple combo box's list is a child window of the combo box: its drawn bar lies inside the
// combo box, over the list's own.
TEST_F(ScrollSkinTest, SimpleComboBoxListGetsADrawnBarInsideTheComboBox) {
  fw::UniqueWindow host = NativeHost();
  HWND combo = NativeChild(host.get(), L"COMBOBOX", CBS_SIMPLE | WS_VSCROLL, 60);
  COMBOBOXINFO info{};
  info.cbSize = sizeof(info);
  ASSERT_TRUE(skin::User32Entries().GetComboBoxInfo(combo, &info));
  HWND list = info.hwndList;
  ASSERT_FALSE(skin::IsPopupWindow(list));
  skin::TSkinScrollbarH skinner(nullptr);
  skinner.InitHandle(list, skinData, nullptr, nullptr);
  ASSERT_TRUE(testutil::PumpUntil([&] { return Shown(*skinner.FVertBar); }));
  EXPECT_FALSE(Shown(*skinner.FHorzBar));
  EXPECT_EQ(GetParent(skinner.FVertBar->Window()), combo);
  const RECT system = SystemBar(list, OBJID_VSCROLL);
  const RECT drawn = ScreenRectOf(skinner.FVertBar->Window());
  EXPECT_TRUE(EqualRect(&system, &drawn));
  UpdateWindow(skinner.FVertBar->Window());
  fw::TBitmap bar = ShownWindow(skinner.FVertBar->Window());
  const int a = skinner.FVertBar->FArrowSize;
  ExpectSamePixels(bar, 0, 0, ExpectedFrame(bar.Width(), a, 9, a), "up arrow");
  ExpectSamePixels(bar, 0, skinner.FVertBar->FBarLength - a, ExpectedFrame(bar.Width(), a, 13, a), "down arrow");
}

TEST_F(ScrollSkinTest, ManyBareWindowsWithDrawnBarsLeaveNoObjectsBehind) {
  ExpectObjectsBackAfter(21, [&] {
    fw::UniqueWindow host = NativeHost();
    HWND list = NativeChild(host.get(), L"LISTBOX", WS_VSCROLL | WS_HSCROLL | LBS_NOINTEGRALHEIGHT, 60);
    SendMessageW(list, LB_SETHORIZONTALEXTENT, 600, 0);
    auto skinner = std::make_unique<skin::TSkinScrollbarH>(nullptr);
    skinner->InitHandle(list, skinData, nullptr, nullptr);
    testutil::PumpMessages(5);
    SendMessageW(list, WM_VSCROLL, SB_PAGEDOWN, 0);
    if (skinner->FVertBar) UpdateWindow(skinner->FVertBar->Window());
    host.reset();  // the list goes first, then its skinner
  });
}

TEST_F(ScrollSkinTest, ManySkinnedScrollingFormsLeaveNoObjectsBehind) {
  fw::Free(form);
  form = nullptr;
  ExpectObjectsBackAfter(21, [&] {
    form = new fw::TForm(app.get());
    form->SetBounds(60, 60, 300, 240);
    fw::TListBox* list = AddList(100);
    auto* memo = new fw::TMemo(form);
    memo->SetScrollBars(fw::TScrollStyle::ssBoth);
    memo->SetParent(form);
    memo->SetBounds(150, 10, 120, 120);
    ASSERT_NE(ShowSkinned(), nullptr);
    SendMessageW(list->Handle(), WM_VSCROLL, SB_PAGEDOWN, 0);
    testutil::PumpMessages(5);
    fw::Free(form);
    form = nullptr;
  });
}

}  // namespace
}  // namespace frametest
