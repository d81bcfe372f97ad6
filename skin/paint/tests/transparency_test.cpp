// Colour keying through both code paths: MaskBlt on the NT family, three blits elsewhere.
#include <gtest/gtest.h>

#include "skin/paint/skin_paint.h"
#include "skin/paint/tests/paint_test_support.h"

namespace {

using paint_test::FromPicture;
using paint_test::Picture;
using paint_test::ToPicture;

// A destination with a pattern, so that a kept pixel is told apart from a painted one.
const Picture kDestination = {
    "0123456", "1234567", "2345678", "3456789", "456789a", "56789ab",
};

TEST(Transparency, AKeyPixelStretchedIntoManyStaysTransparentInAllOfThem) {
  const fw::TBitmap frame = FromPicture({"abc", "dMf", "ghi"});
  const skin::SkinElementImage element{&frame, skin::FrameMargins{1, 1, 1, 1}, 0, 1};
  // The corners and edges are painted; the centre, one key pixel stretched to 5×4, keeps the
  // destination.
  const Picture expected = {
      "abbbbbc", "d23456f", "d34567f", "d45678f", "d56789f", "ghhhhhi",
  };
  for (skin::PlatformFamily family : paint_test::kFamilies) {
    skin::ScopedPlatformFamily forced(family);
    fw::TBitmap target = FromPicture(kDestination);
    skin::DrawSkinElement(target.DC(), RECT{0, 0, 7, 6}, 1, 1, element);
    EXPECT_EQ(ToPicture(target), expected) << paint_test::FamilyName(family);
  }
}

TEST(Transparency, DrawTransparentDrawsTheTopLeftPartThatFitsBothRectangleAndBitmap) {
  const fw::TBitmap bitmap = FromPicture({"abM", "Mde"});
  struct Case {
    const char* what;
    RECT rect;
    COLORREF key;
    Picture expected;
  };
  const Case cases[] = {
      {"whole bitmap", RECT{1, 1, 4, 3}, paint_test::kMagenta, {"0123456", "1ab4567", "23de678", "3456789"}},
      {"rectangle smaller than the bitmap",
       RECT{2, 0, 4, 1},
       paint_test::kMagenta,
       {"01ab456", "1234567", "2345678", "3456789"}},
      {"rectangle larger than the bitmap",
       RECT{3, 1, 7, 4},
       paint_test::kMagenta,
       {"0123456", "123ab67", "2345de8", "3456789"}},
      {"another key colour", RECT{0, 2, 3, 4}, paint_test::ColourOf('d'), {"0123456", "1234567", "abM5678", "M4e6789"}},
  };
  for (skin::PlatformFamily family : paint_test::kFamilies) {
    skin::ScopedPlatformFamily forced(family);
    for (const Case& c : cases) {
      fw::TBitmap target = FromPicture({"0123456", "1234567", "2345678", "3456789"});
      skin::DrawTransparent(target.DC(), c.rect, bitmap, c.key);
      EXPECT_EQ(ToPicture(target), c.expected) << c.what << ", " << paint_test::FamilyName(family);
    }
  }
}

// A KeyedImage reads its mask once: drawn twice, into memory through both code paths and onto a
// window through MaskBlt, it gives exactly what DrawTransparent gives.
TEST(Transparency, KeyedImageDrawsWhatDrawTransparentDraws) {
  const Picture image = {"abMc", "MdeM", "fMgh"};
  const RECT places[] = {{1, 1, 5, 4}, {2, 0, 4, 1}, {3, 1, 7, 4}, {0, 2, 3, 4}};
  for (skin::PlatformFamily family : paint_test::kFamilies) {
    skin::ScopedPlatformFamily forced(family);
    const skin::KeyedImage keyed(FromPicture(image, fw::pf32bit), paint_test::kMagenta);
    const fw::TBitmap plain = FromPicture(image, fw::pf32bit);
    for (const RECT& place : places) {
      fw::TBitmap expected = FromPicture(kDestination);
      skin::DrawTransparent(expected.DC(), place, plain, paint_test::kMagenta);
      fw::TBitmap target = FromPicture(kDestination);
      keyed.Draw(target.DC(), place);
      keyed.Draw(target.DC(), place);
      EXPECT_EQ(ToPicture(target), ToPicture(expected))
          << paint_test::FamilyName(family) << " at " << place.left << "," << place.top;
    }
  }
  // Onto a window: what the window shows afterwards.
  HWND window = CreateWindowExA(WS_EX_TOOLWINDOW, "STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0, 16, 8, nullptr, nullptr,
                                nullptr, nullptr);
  ASSERT_NE(window, nullptr);
  const skin::KeyedImage keyed(FromPicture(image), paint_test::kMagenta);
  const fw::TBitmap destination = FromPicture(kDestination);
  HDC dc = GetDC(window);
  BitBlt(dc, 0, 0, 7, 6, destination.DC(), 0, 0, SRCCOPY);
  BitBlt(dc, 8, 0, 7, 6, destination.DC(), 0, 0, SRCCOPY);
  keyed.Draw(dc, RECT{1, 1, 5, 4});
  skin::DrawTransparent(dc, RECT{9, 1, 13, 4}, FromPicture(image), paint_test::kMagenta);
  fw::TBitmap shown(16, 8, fw::pf24bit);
  BitBlt(shown.DC(), 0, 0, 16, 8, dc, 0, 0, SRCCOPY);
  ReleaseDC(window, dc);
  DestroyWindow(window);
  for (int y = 0; y < 6; ++y)
    for (int x = 0; x < 7; ++x) EXPECT_EQ(shown.Pixel(x, y), shown.Pixel(x + 8, y)) << x << "," << y;
  EXPECT_EQ(shown.Pixel(1, 1), paint_test::ColourOf('a'));
  EXPECT_EQ(shown.Pixel(3, 1), paint_test::ColourOf('4'));
}

TEST(Transparency, KeyedFrameIsTheStretchedFrameDrawnTransparent) {
  const fw::TBitmap bitmap = FromPicture({"abMdefghMj", "klmnoMqrst", "uvwxyzABCD"});
  for (skin::PlatformFamily family : paint_test::kFamilies) {
    skin::ScopedPlatformFamily forced(family);
    for (int frame : {1, 2}) {
      fw::TBitmap expected = FromPicture(kDestination);
      skin::DrawFrameStretched(expected.DC(), RECT{1, 0, 7, 5}, bitmap, skin::Keying::Transparent, 2, frame);
      fw::TBitmap target = FromPicture(kDestination);
      skin::KeyedFrame(bitmap, 2, frame, 6, 5).Draw(target.DC(), RECT{1, 0, 7, 5});
      EXPECT_EQ(ToPicture(target), ToPicture(expected)) << paint_test::FamilyName(family) << ", frame " << frame;
    }
  }
}

TEST(Transparency, BothPathsGiveTheDcItsColoursBack) {
  const fw::TBitmap bitmap = FromPicture({"aM"});
  for (skin::PlatformFamily family : paint_test::kFamilies) {
    skin::ScopedPlatformFamily forced(family);
    fw::TBitmap target = FromPicture({"01"});
    HDC dc = target.DC();
    SetBkColor(dc, RGB(1, 2, 3));
    SetTextColor(dc, RGB(4, 5, 6));
    SetBkColor(bitmap.DC(), RGB(7, 8, 9));
    skin::DrawTransparent(dc, RECT{0, 0, 2, 1}, bitmap, paint_test::kMagenta);
    EXPECT_EQ(GetBkColor(dc), RGB(1, 2, 3)) << paint_test::FamilyName(family);
    EXPECT_EQ(GetTextColor(dc), RGB(4, 5, 6)) << paint_test::FamilyName(family);
    EXPECT_EQ(GetBkColor(bitmap.DC()), RGB(7, 8, 9)) << paint_test::FamilyName(family);
    EXPECT_EQ(ToPicture(target), Picture{"a1"}) << paint_test::FamilyName(family);
  }
}

TEST(Transparency, ThePlatformFamilyIsRecordedAndCanBeForced) {
  // Wine reports the NT family.
  EXPECT_EQ(skin::RunningPlatform().Family, skin::PlatformFamily::WindowsNT);
  EXPECT_GE(skin::RunningPlatform().Major, 4u);
  {
    skin::ScopedPlatformFamily outer(skin::PlatformFamily::Windows9x);
    EXPECT_FALSE(skin::IsWindowsNT());
    {
      skin::ScopedPlatformFamily inner(skin::PlatformFamily::WindowsNT);
      EXPECT_TRUE(skin::IsWindowsNT());
    }
    EXPECT_FALSE(skin::IsWindowsNT());
  }
  EXPECT_TRUE(skin::IsWindowsNT());
}

}  // namespace
