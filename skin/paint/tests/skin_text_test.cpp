// The text routines on both platform paths.
#include "skin/paint/skin_text.h"

#include <gtest/gtest.h>

#include <string>

#include "framework/graphics/bitmap.h"
#include "framework/handles.h"
#include "skin/paint/platform_family.h"
#include "skin/paint/tests/paint_test_support.h"

namespace {

const std::wstring kChinese = L"\u526a\u8d34\u677f";  // three characters, two bytes each in CP 936

fw::UniqueWindow WindowWithCaption(const std::wstring& caption) {
  return fw::UniqueWindow(
      CreateWindowExW(0, L"STATIC", caption.c_str(), WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr));
}

TEST(SkinText, AnsiToWideUsesTheSystemCodePage) {
  EXPECT_EQ(skin::AnsiToWide("Pastelle V2.0"), L"Pastelle V2.0");
  EXPECT_EQ(skin::AnsiToWide(""), L"");
  if (GetACP() == 936) {
    EXPECT_EQ(skin::AnsiToWide("\xbc\xf4\xcc\xf9\xb0\xe5"), kChinese);
  }
}

TEST(SkinText, GetWindowCaptionReadsTheWholeTextOnNtAndAThousandCharactersElsewhere) {
  struct Case {
    const char* what;
    std::wstring caption;
    std::size_t nt_length, ansi_length;
  };
  const Case cases[] = {
      {"short", L"Pastelle V2.0", 13, 13},
      {"exactly 1000", std::wstring(1000, L'x'), 1000, 1000},
      {"1500 characters", std::wstring(1500, L'y'), 1500, 1000},
      {"empty", L"", 0, 0},
  };
  for (const Case& c : cases) {
    fw::UniqueWindow window = WindowWithCaption(c.caption);
    ASSERT_TRUE(window);
    for (skin::PlatformFamily family : paint_test::kFamilies) {
      skin::ScopedPlatformFamily forced(family);
      const std::wstring read = skin::GetWindowCaption(window.get());
      const std::size_t expected = family == skin::PlatformFamily::WindowsNT ? c.nt_length : c.ansi_length;
      EXPECT_EQ(read, c.caption.substr(0, expected)) << c.what << ", " << paint_test::FamilyName(family);
    }
  }
}

TEST(SkinText, GetWindowCaptionKeepsChineseTextOnBothPaths) {
  fw::UniqueWindow window = WindowWithCaption(kChinese + L" Pastelle");
  for (skin::PlatformFamily family : paint_test::kFamilies) {
    skin::ScopedPlatformFamily forced(family);
    EXPECT_EQ(skin::GetWindowCaption(window.get()), kChinese + L" Pastelle") << paint_test::FamilyName(family);
  }
}

TEST(SkinText, TheAnsiCutNeverLeavesHalfACharacter) {
  if (GetACP() != 936) GTEST_SKIP() << "needs a double-byte code page";
  // "x" and then two-byte characters: byte 1000 is the first half of a character.
  std::wstring caption = L"x";
  for (int i = 0; i < 600; ++i) caption += L"\u677f";
  fw::UniqueWindow window = WindowWithCaption(caption);
  skin::ScopedPlatformFamily forced(skin::PlatformFamily::Windows9x);
  const std::wstring read = skin::GetWindowCaption(window.get());
  EXPECT_EQ(read, caption.substr(0, 1 + 499));
}

TEST(SkinText, GetWindowCaptionOfSomethingThatIsNoWindowIsEmpty) {
  for (skin::PlatformFamily family : paint_test::kFamilies) {
    skin::ScopedPlatformFamily forced(family);
    EXPECT_EQ(skin::GetWindowCaption(nullptr), L"");
    EXPECT_EQ(skin::GetWindowCaption(HWND_BROADCAST), L"");
  }
}

TEST(SkinText, DrawSkinTextDrawsTheSameOnBothPaths) {
  fw::UniqueFont font(
      CreateFontW(-14, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, NONANTIALIASED_QUALITY, 0, L"SimSun"));
  const std::wstring text = kChinese + L" Pastelle";
  RECT measured[2]{};
  fw::TBitmap drawn[2];
  for (int i = 0; i < 2; ++i) {
    skin::ScopedPlatformFamily forced(paint_test::kFamilies[i]);
    drawn[i] = fw::TBitmap(120, 20);
    HDC dc = drawn[i].DC();
    fw::SelectObjectGuard select(dc, font.get());
    measured[i] = RECT{0, 0, 120, 20};
    EXPECT_GT(skin::DrawSkinText(dc, text, measured[i], DT_CALCRECT | DT_SINGLELINE), 0);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(255, 255, 255));
    RECT area{0, 0, 120, 20};
    EXPECT_GT(skin::DrawSkinText(dc, text, area, DT_SINGLELINE | DT_NOPREFIX), 0);
  }
  EXPECT_GT(measured[0].right, 40);
  EXPECT_EQ(measured[0].right, measured[1].right);
  EXPECT_EQ(measured[0].bottom, measured[1].bottom);
  int lit = 0;
  for (int y = 0; y < 20; ++y) {
    for (int x = 0; x < 120; ++x) {
      EXPECT_EQ(drawn[0].Pixel(x, y), drawn[1].Pixel(x, y)) << x << "," << y;
      lit += drawn[0].Pixel(x, y) != 0;
    }
  }
  EXPECT_GT(lit, 20);
}

TEST(SkinText, DrawSkinTextMayShortenItsOwnCopyWithAnEllipsis) {
  fw::TBitmap bitmap(30, 20);
  const std::wstring text = L"a rather long caption for a narrow box";
  for (skin::PlatformFamily family : paint_test::kFamilies) {
    skin::ScopedPlatformFamily forced(family);
    RECT area{0, 0, 30, 20};
    EXPECT_GT(skin::DrawSkinText(bitmap.DC(), text, area, DT_SINGLELINE | DT_END_ELLIPSIS | DT_MODIFYSTRING), 0);
    EXPECT_EQ(text, L"a rather long caption for a narrow box");
  }
}

}  // namespace
