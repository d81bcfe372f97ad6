#include "tests/support/resource_count.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <optional>
#include <vector>

namespace {

using test_support::CountGdiObjects;
using test_support::CountUserObjects;

TEST(ResourceCount, GdiCountFollowsCreatedAndDeletedBrushes) {
  const auto before = CountGdiObjects();
  ASSERT_TRUE(before.has_value()) << "this platform cannot count GDI objects";
  std::vector<HBRUSH> brushes;
  for (int i = 0; i < 100; ++i) brushes.push_back(CreateSolidBrush(RGB(i, 0, 0)));
  EXPECT_EQ(CountGdiObjects(), *before + 100);
  for (HBRUSH brush : brushes) DeleteObject(brush);
  EXPECT_EQ(CountGdiObjects(), before);
}

// Creates one object of each GDI kind, checks the count and frees them again.
void CreateOneOfEachKind(std::optional<unsigned> before) {
  HDC dc = CreateCompatibleDC(nullptr);
  HBITMAP bitmap = CreateCompatibleBitmap(dc, 4, 4);
  HPEN pen = CreatePen(PS_SOLID, 1, RGB(1, 2, 3));
  HFONT font = CreateFontW(12, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"Tahoma");
  HRGN region = CreateRectRgn(0, 0, 3, 3);
  if (before) {
    EXPECT_EQ(CountGdiObjects(), *before + 5);
    // Selecting or deleting a stock object changes nothing.
    SelectObject(dc, GetStockObject(BLACK_BRUSH));
    DeleteObject(GetStockObject(WHITE_PEN));
    EXPECT_EQ(CountGdiObjects(), *before + 5);
  }
  DeleteObject(region);
  DeleteObject(font);
  DeleteObject(pen);
  DeleteObject(bitmap);
  DeleteDC(dc);
}

TEST(ResourceCount, GdiCountSeesEveryKindOfObject) {
  // The first DC and font of a process create objects that the system keeps for later use.
  CreateOneOfEachKind(std::nullopt);
  const auto before = CountGdiObjects();
  ASSERT_TRUE(before.has_value());
  CreateOneOfEachKind(before);
  EXPECT_EQ(CountGdiObjects(), before);
}

TEST(ResourceCount, UserCountFollowsMenusWindowsIconsAndAccelerators) {
  const auto before = CountUserObjects();
  ASSERT_TRUE(before.has_value()) << "this platform cannot count USER objects";

  std::vector<HMENU> menus;
  for (int i = 0; i < 100; ++i) menus.push_back(CreatePopupMenu());
  EXPECT_EQ(CountUserObjects(), *before + 100);
  for (HMENU menu : menus) DestroyMenu(menu);
  EXPECT_EQ(CountUserObjects(), before);

  // While a thread has windows it also has an input-method window: keep one window throughout.
  HWND anchor = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
  const auto with_ime = CountUserObjects();
  ASSERT_TRUE(with_ime.has_value());

  HWND parent = CreateWindowExW(0, L"STATIC", L"counted", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
  HWND child = CreateWindowExW(0, L"STATIC", L"", WS_CHILD, 0, 0, 5, 5, parent, nullptr, nullptr, nullptr);
  HWND message_only = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
  ASSERT_TRUE(parent && child && message_only);
  EXPECT_EQ(CountUserObjects(), *with_ime + 3);
  DestroyWindow(message_only);
  DestroyWindow(parent);
  EXPECT_EQ(CountUserObjects(), with_ime);

  const BYTE and_mask[4 * 4] = {};
  const BYTE xor_mask[4 * 4] = {};
  HICON icon = CreateIcon(nullptr, 4, 4, 1, 1, and_mask, xor_mask);
  ASSERT_TRUE(icon);
  EXPECT_EQ(CountUserObjects(), *with_ime + 1);
  DestroyIcon(icon);
  EXPECT_EQ(CountUserObjects(), with_ime);

  ACCEL accel{FVIRTKEY, 'A', 1};
  HACCEL table = CreateAcceleratorTableW(&accel, 1);
  ASSERT_TRUE(table);
  EXPECT_EQ(CountUserObjects(), *with_ime + 1);
  DestroyAcceleratorTable(table);
  EXPECT_EQ(CountUserObjects(), with_ime);
  DestroyWindow(anchor);
  EXPECT_EQ(CountUserObjects(), before);
}

}  // namespace
