// Loading, rebuilding, showing hints and freeing skin components many times leaves no GDI or USER
// object behind.
#include <gtest/gtest.h>

#include "framework/application.h"
#include "skin/core/skin_data.h"
#include "skin/core/tests/test_skins.h"
#include "tests/support/resource_count.h"
#include "tests/support/win_test_util.h"

namespace {

void OneLife(const skintest::Bytes& stored) {
  skin::TSkinData data(nullptr);
  data.SetSkinStream(stored);
  data.Loaded();  // caption font, application icon
  data.ShowCaptionHint(RECT{10, 10, 30, 30}, "Close");
  testutil::PumpMessages(1);
  data.HideCaptionHint();
  data.SetSkinStream(stored);  // a second build replaces every record
}

TEST(SkinDataResources, ManyComponentLivesReturnToTheStartingCounts) {
  fw::TApplication app;
  app.Initialize();
  const skintest::Bytes stored = skintest::DefaultStoredSkin();
  ASSERT_GT(stored.size(), 4u);
  OneLife(stored);  // what the system keeps for the process after the first hint and font
  testutil::PumpMessages(20);
  const auto gdi = test_support::CountGdiObjects();
  const auto user = test_support::CountUserObjects();
  ASSERT_TRUE(gdi && user);
  for (int i = 0; i < 25; ++i) OneLife(stored);
  testutil::PumpMessages(20);
  EXPECT_EQ(test_support::CountGdiObjects(), gdi);
  EXPECT_EQ(test_support::CountUserObjects(), user);
}

}  // namespace
