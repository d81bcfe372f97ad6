#include "framework/handles.h"

#include <gtest/gtest.h>

namespace {

DWORD GdiObjects() { return GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS); }

TEST(Handles, OwnersFreeTheirObjectsOnEveryPath) {
  const DWORD before = GdiObjects();
  for (int i = 0; i < 2000; ++i) {
    fw::UniqueBrush brush(CreateSolidBrush(RGB(1, 2, 3)));
    fw::UniqueBrush moved(std::move(brush));
    EXPECT_FALSE(brush);
    fw::UniqueMemoryDC dc(CreateCompatibleDC(nullptr));
    fw::UniqueBitmap bitmap(CreateCompatibleBitmap(dc.get(), 4, 4));
    fw::SelectObjectGuard select(dc.get(), bitmap.get());
  }
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
