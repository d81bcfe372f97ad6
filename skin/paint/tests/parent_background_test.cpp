// DrawParentBackground: a control's DC gets what its parent shows beneath the control.
#include <gtest/gtest.h>

#include "framework/handles.h"
#include "framework/stdctrls.h"
#include "skin/paint/skin_paint.h"
#include "skin/paint/tests/paint_test_support.h"

namespace {

using paint_test::ColourOf;
using paint_test::Picture;
using paint_test::ToPicture;

// The parent erases to 'a' and paints a 'b' square at (10, 10)-(20, 20) of its client area,
// into the DC it is given.
constexpr RECT kSquare{10, 10, 20, 20};

void Fill(HDC dc, const RECT& rect, char letter) {
  fw::UniqueBrush brush(CreateSolidBrush(ColourOf(letter)));
  FillRect(dc, &rect, brush.get());
}

LRESULT CALLBACK ParentProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_ERASEBKGND: {
      RECT client{};
      GetClientRect(window, &client);
      Fill(reinterpret_cast<HDC>(wparam), client, 'a');
      return 1;
    }
    case WM_PAINT:
      if (wparam) {
        Fill(reinterpret_cast<HDC>(wparam), kSquare, 'b');
        return 0;
      }
      break;
  }
  return DefWindowProcW(window, message, wparam, lparam);
}

class ParentBackground : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    WNDCLASSW window_class{};
    window_class.lpfnWndProc = ParentProc;
    window_class.hInstance = GetModuleHandleW(nullptr);
    window_class.lpszClassName = L"PastelleParentBackgroundTest";
    RegisterClassW(&window_class);
  }

  void SetUp() override {
    parent_.reset(CreateWindowExW(0, L"PastelleParentBackgroundTest", L"parent", WS_POPUP, 100, 100, 40, 30, nullptr,
                                  nullptr, GetModuleHandleW(nullptr), nullptr));
    ASSERT_TRUE(parent_);
    // The child sits at (8, 6) in the parent and is 15 × 10.
    child_ = CreateWindowExW(0, L"STATIC", L"", WS_CHILD, 8, 6, 15, 10, parent_.get(), nullptr, nullptr, nullptr);
    ASSERT_TRUE(child_);
  }

  // What the child should show at (x, y): the parent's pixel at (x + 8, y + 6).
  static char Beneath(int x, int y) {
    const POINT point{x + 8, y + 6};
    return PtInRect(&kSquare, point) ? 'b' : 'a';
  }

  fw::UniqueWindow parent_;
  HWND child_ = nullptr;
};

TEST_F(ParentBackground, TheChildsDcShowsTheParentBeneathItClippedToTheClientArea) {
  fw::TBitmap target = paint_test::BlankTarget(18, 12);
  skin::DrawParentBackground(child_, target.DC());
  Picture expected = paint_test::Blank(18, 12);
  for (int y = 0; y < 10; ++y) {
    for (int x = 0; x < 15; ++x) expected[y][x] = Beneath(x, y);
  }
  EXPECT_EQ(ToPicture(target), expected);
}

TEST_F(ParentBackground, TheDcComesBackWithItsOriginAndClipping) {
  fw::TBitmap target = paint_test::BlankTarget(18, 12);
  HDC dc = target.DC();
  SetViewportOrgEx(dc, 1, 2, nullptr);
  skin::DrawParentBackground(child_, dc);
  POINT origin{};
  GetViewportOrgEx(dc, &origin);
  EXPECT_EQ(origin.x, 1);
  EXPECT_EQ(origin.y, 2);
  fw::UniqueRegion clip(CreateRectRgn(0, 0, 0, 0));
  EXPECT_EQ(GetClipRgn(dc, clip.get()), 0) << "no clip region left behind";
  // The current origin counts: the picture moved by (1, 2).
  EXPECT_EQ(target.Pixel(1, 2), ColourOf(Beneath(0, 0)));
  EXPECT_EQ(target.Pixel(0, 0), paint_test::kBackground);
}

TEST_F(ParentBackground, WithoutAParentNothingIsDrawn) {
  fw::TBitmap target = paint_test::BlankTarget(6, 6);
  skin::DrawParentBackground(parent_.get(), target.DC());  // top level: no parent
  skin::DrawParentBackground(skin::ParentPaintTarget{nullptr, 0, 0, RECT{0, 0, 6, 6}}, target.DC());
  skin::DrawParentBackground(static_cast<HWND>(nullptr), target.DC());
  EXPECT_EQ(ToPicture(target), paint_test::Blank(6, 6));
}

TEST_F(ParentBackground, AWindowlessControlIsDescribedByItsPlaceInTheParent) {
  fw::TBitmap target = paint_test::BlankTarget(5, 5);
  skin::DrawParentBackground(skin::ParentPaintTarget{parent_.get(), 18, 18, RECT{0, 0, 4, 4}}, target.DC());
  const Picture expected = {"bbaa#", "bbaa#", "aaaa#", "aaaa#", "#####"};
  EXPECT_EQ(ToPicture(target), expected);
}

TEST(ParentBackgroundOfFrameworkControls, TheParentPaintsItsOwnAndItsGraphicChildrenBeneath) {
  // The same scene as above, made of framework controls: a panel painted 'a' holding a 'b'
  // label at (10, 10)-(20, 20), and the control under test at (8, 6), 15 × 10.
  fw::TPanel parent(nullptr);
  parent.SetBevelOuter(fw::TBevelCut::bvNone);
  parent.SetColor(static_cast<fw::TColor>(ColourOf('a')));
  parent.SetBounds(0, 0, 40, 30);
  fw::TLabel square(nullptr);
  square.SetColor(static_cast<fw::TColor>(ColourOf('b')));
  square.SetParent(&parent);
  square.SetBounds(10, 10, 10, 10);
  fw::TPanel control(nullptr);
  control.SetParent(&parent);
  control.SetBounds(8, 6, 15, 10);

  fw::TBitmap target = paint_test::BlankTarget(18, 12);
  skin::DrawParentBackground(control, target.DC());
  Picture expected = paint_test::Blank(18, 12);
  for (int y = 0; y < 10; ++y) {
    for (int x = 0; x < 15; ++x) {
      const POINT point{x + 8, y + 6};
      expected[y][x] = PtInRect(&kSquare, point) ? 'b' : 'a';
    }
  }
  EXPECT_EQ(ToPicture(target), expected);

  fw::TPanel orphan(nullptr);
  fw::TBitmap untouched = paint_test::BlankTarget(4, 4);
  skin::DrawParentBackground(orphan, untouched.DC());
  EXPECT_EQ(ToPicture(untouched), paint_test::Blank(4, 4));
}

}  // namespace
