// Opening and closing the main window and its message boxes many times leaves no GDI or USER
// object behind.
#include <windows.h>

#include <gtest/gtest.h>

#include "app/main_form.h"
#include "framework/application.h"
#include "skin/core/skin_manage.h"
#include "skin/form/skinning.h"
#include "tests/support/resource_count.h"
#include "tests/support/win_test_util.h"

namespace {

void OneSession() {
  fw::TApplication app;
  app.Initialize();
  fw::RegisterComponentClass(pastelle::TForm1::StaticClass());
  fw::RegisterComponentClass(skin::TSkinData::StaticClass());
  skin::InstallSkinning();
  auto* form = app.CreateForm<pastelle::TForm1>();
  form->Show();
  testutil::SetClipboardText("leak probe");
  form->ListView1->Items()->Item(0)->SetSelected(true);
  form->ListView1->Click();
  {
    testutil::MessageBoxAnswerer answer(IDYES);
    form->BitBtn2->Click();
  }
  RedrawWindow(form->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  testutil::PumpMessages(5);
}

TEST(MainWindowResources, ManyOpenAndCloseCyclesReturnToTheStartingCounts) {
  ASSERT_EQ(OpenMutexA(SYNCHRONIZE, FALSE, pastelle::kInstanceMutexName), nullptr);
  OneSession();  // what the system keeps for the process after the first window
  testutil::PumpMessages(20);
  auto gdi = test_support::CountGdiObjects();
  auto user = test_support::CountUserObjects();
  ASSERT_TRUE(gdi && user);
  for (int i = 0; i < 60; ++i) OneSession();
  testutil::PumpMessages(20);
  EXPECT_EQ(test_support::CountGdiObjects(), gdi);
  EXPECT_EQ(test_support::CountUserObjects(), user);
}

}  // namespace
