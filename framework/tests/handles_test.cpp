#include "framework/handles.h"

#include <gtest/gtest.h>

#include "tests/support/resource_count.h"

namespace {

unsigned GdiObjects() {
  auto count = test_support::CountGdiObjects();
  EXPECT_TRUE(count.has_value()) << "GDI objects cannot be counted here";
  return count.value_or(0);
}

TEST(Handles, OwnersFreeTheirObjectsOnEveryPath) {
  {
    // The first memory DC makes objects that the process keeps.
    fw::UniqueMemoryDC warm(CreateCompatibleDC(nullptr));
  }
  const unsigned before = GdiObjects();
  for (int i = 0; i < 2000; ++i) {
    fw::UniqueBrush brush(CreateSolidBrush(RGB(1, 2, 3)));
    fw::UniqueBrush moved(std::move(brush));
    EXPECT_FALSE(brush);
    fw::UniqueMemoryDC dc(CreateCompatibleDC(nullptr));
    fw::UniqueBitmap bitmap(CreateCompatibleBitmap(dc.get(), 4, 4));
    fw::SelectObjectGuard select(dc.get(), bitmap.get());
  }
  // A handle given up by its owner is the caller's to free: the count shows it.
  HBRUSH kept = fw::UniqueBrush(CreateSolidBrush(RGB(4, 5, 6))).release();
  EXPECT_EQ(GdiObjects(), before + 1);
  DeleteObject(kept);
  EXPECT_EQ(GdiObjects(), before);
}

TEST(Handles, ReleaseGivesUpOwnership) {
  fw::UniqueRegion region(CreateRectRgn(0, 0, 2, 2));
  HRGN raw = region.release();
  EXPECT_FALSE(region);
  EXPECT_NE(GetRgnBox(raw, nullptr), 0);  // still alive
  DeleteObject(raw);
}

}  // namespace
