// Tool-bar painting from the skin: which button state takes which frame, and the exact pixels the
// background and a button leave in a bitmap.
#include "skin/form/toolbar_paint.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <optional>

#include "framework/graphics/bitmap.h"
#include "framework/handles.h"
#include "skin/form/tests/frame_test_fixture.h"

namespace frametest {
namespace {

constexpr COLORREF kUnpainted = RGB(1, 2, 3);

class ToolBarPaintTest : public FrameTest {
 protected:
  void SetUp() override {
    FrameTest::SetUp();
    skinData = UseSkin(DefaultSkin());
    ASSERT_TRUE(skinData->Buttons && skinData->Buttons->Bitmap && !skinData->Buttons->Bitmap->Empty());
    ASSERT_TRUE(skinData->Toolbar && skinData->Toolbar->Bitmap && !skinData->Toolbar->Bitmap->Empty());
    dc.reset(CreateCompatibleDC(nullptr));
    selected.emplace(dc.get(), image.Handle());
    Clear();
  }
  void TearDown() override {
    selected.reset();
    dc.reset();
    FrameTest::TearDown();
  }
  void Clear() {
    fw::UniqueBrush brush(CreateSolidBrush(kUnpainted));
    RECT all{0, 0, image.Width(), image.Height()};
    FillRect(dc.get(), &all, brush.get());
  }
  COLORREF At(int x, int y) const { return GetPixel(dc.get(), x, y); }
  static COLORREF SourcePixel(const fw::TBitmap& bitmap, int x, int y) { return bitmap.Pixel(x, y); }

  skin::TSkinData* skinData = nullptr;
  fw::TBitmap image{60, 40, fw::pf32bit};
  fw::UniqueMemoryDC dc;
  std::optional<fw::SelectObjectGuard> selected;
};

TEST(ToolBarButtonFrame, StatesTakeTheirFramesAndTheRestIsLeftToTheToolBar) {
  struct Case {
    UINT state;
    int frame;
  } cases[] = {
      {CDIS_SELECTED, 2},
      {CDIS_SELECTED | CDIS_HOT, 2},
      {CDIS_HOT, 4},
      {CDIS_FOCUS, 4},
      {CDIS_DEFAULT, 1},
      {CDIS_DEFAULT | CDIS_GRAYED, 0},
      {CDIS_DEFAULT | CDIS_DISABLED, 0},
      {0, 0},
      {CDIS_CHECKED, 0},
  };
  for (const Case& tested : cases) EXPECT_EQ(skin::ToolBarButtonFrame(tested.state), tested.frame) << tested.state;
}

TEST_F(ToolBarPaintTest, ButtonIsTheFrameInsideAOnePixelRingAndOnlyWhileTheFormIsActive) {
  const RECT bounds{0, 0, 60, 40};
  std::optional<COLORREF> text;
  EXPECT_FALSE(skin::PaintToolBarButton(*skinData, false, dc.get(), bounds, CDIS_DEFAULT, text));
  EXPECT_EQ(At(30, 20), kUnpainted);
  EXPECT_FALSE(skin::PaintToolBarButton(*skinData, true, dc.get(), bounds, CDIS_DEFAULT | CDIS_DISABLED, text));
  EXPECT_EQ(At(30, 20), kUnpainted);

  // Corner blocks are copied unscaled: pixels inside them match the frame's own, keyed ones aside.
  const skin::TDataSkinButton& element = *skinData->Buttons;
  const fw::TBitmap& buttons = *element.Bitmap;
  const int frameWidth = buttons.Width() / 5;
  for (int frame : {1, 2, 4}) {
    Clear();
    const UINT state = frame == 1 ? CDIS_DEFAULT : frame == 2 ? CDIS_SELECTED : CDIS_HOT;
    ASSERT_TRUE(skin::PaintToolBarButton(*skinData, true, dc.get(), bounds, state, text));
    EXPECT_EQ(At(0, 0), kUnpainted) << "the ring is left";
    EXPECT_EQ(At(59, 39), kUnpainted);
    const int left = (frame - 1) * frameWidth;
    struct Probe {
      int sourceX, sourceY, x, y;
    } probes[] = {
        {left + element.LeftWidth - 1, element.TopHeight - 1, element.LeftWidth, element.TopHeight},
        {left + frameWidth - element.RightWidth, buttons.Height() - element.BottomHeight, 59 - element.RightWidth,
         39 - element.BottomHeight},
        {left + element.LeftWidth - 1, buttons.Height() - 1, element.LeftWidth, 38},
    };
    int compared = 0;
    for (const Probe& probe : probes) {
      const COLORREF expected = SourcePixel(buttons, probe.sourceX, probe.sourceY);
      if (expected == RGB(255, 0, 255)) continue;
      EXPECT_EQ(At(probe.x, probe.y), expected) << "frame " << frame << " at " << probe.x << "," << probe.y;
      ++compared;
    }
    EXPECT_GT(compared, 0);
  }

  skinData->SetOptions(skinData->Options() | (1u << skin::xoToolbarButton));
  Clear();
  EXPECT_FALSE(skin::PaintToolBarButton(*skinData, true, dc.get(), bounds, CDIS_HOT, text));
  EXPECT_EQ(At(30, 20), kUnpainted);
}

TEST_F(ToolBarPaintTest, ButtonTextTakesTheSkinsColourForItsFrame) {
  skinData->Buttons->HasMouseOverColour2 = true;
  skinData->Buttons->MouseOverColour2 = 0x00123456;
  skinData->Buttons->HasNormalColour2 = false;
  std::optional<COLORREF> text;
  ASSERT_TRUE(skin::PaintToolBarButton(*skinData, true, dc.get(), RECT{0, 0, 60, 40}, CDIS_HOT, text));
  EXPECT_EQ(text, COLORREF{0x00123456});
  text.reset();
  ASSERT_TRUE(skin::PaintToolBarButton(*skinData, true, dc.get(), RECT{0, 0, 60, 40}, CDIS_DEFAULT, text));
  EXPECT_FALSE(text.has_value()) << "no colour for a frame the skin gives none";
}

TEST_F(ToolBarPaintTest, BackgroundStretchesTheToolBarImageUnlessTheOptionsSayOtherwise) {
  const fw::TBitmap& toolbar = *skinData->Toolbar->Bitmap;
  skinData->SetOptions(skinData->Options() & ~(1u << skin::xoToolbarBK));
  ASSERT_TRUE(skin::PaintToolBarBackground(*skinData, dc.get(), RECT{0, 0, 60, 40}));
  EXPECT_EQ(At(0, 0), SourcePixel(toolbar, 0, 0));
  EXPECT_EQ(At(59, 39), SourcePixel(toolbar, toolbar.Width() - 1, toolbar.Height() - 1));

  Clear();
  skinData->SetOptions(skinData->Options() | (1u << skin::xoToolbarBK));
  EXPECT_FALSE(skin::PaintToolBarBackground(*skinData, dc.get(), RECT{0, 0, 60, 40}));
  EXPECT_EQ(At(30, 20), kUnpainted);
}

}  // namespace
}  // namespace frametest
