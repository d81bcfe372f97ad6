// The main window under the skin manager: its skin component starts the manager, the window gets
// a form skinner at its first activation, and switching the component off and on goes through
// the manager's commands.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "app/tests/main_window_fixture.h"
#include "skin/core/skin_manage.h"
#include "skin/core/skin_messages.h"
#include "skin/form/form_skinner.h"
#include "tests/support/win_test_util.h"

namespace {

TEST_F(MainWindowTest, MainWindowIsUnderAFormSkinnerFromItsFirstActivation) {
  skin::TSkinManage* manager = skin::SkinManager();
  ASSERT_NE(manager, nullptr) << "the skin component did not start the manager";
  EXPECT_TRUE(manager->HookInstalled());
  EXPECT_TRUE(manager->Enabled());
  EXPECT_EQ(manager->RunState(), skin::kRunStateRunning);
  EXPECT_EQ(manager->MainSkinData(), form->SkinData1);
  EXPECT_TRUE(form->SkinData1->Active());

  auto* skinner = static_cast<skin::TWinSkinForm*>(manager->FindFormSkinner(form->Handle()));
  ASSERT_NE(skinner, nullptr);
  EXPECT_EQ(skinner->FForm, form);
  EXPECT_EQ(skinner->FSkinData, form->SkinData1);
  EXPECT_EQ(skinner->FEventName, "TForm1");
  ASSERT_TRUE(testutil::PumpUntil([&] { return skinner->FActivated != 0; }));
  EXPECT_EQ(skinner->FLifeState, skin::lsActive);
  EXPECT_EQ(SendMessageA(form->Handle(), skin::SKM_ISSKINNED, 0, 0), 1);

  // The form's own handling still runs behind the skinner: the history follows the clipboard.
  Copy("seen through the skinner");
  ASSERT_EQ(RowCount(), 1);
  EXPECT_EQ(Row(0), "seen through the skinner");
}

thread_local std::function<void()> t_onTick;

void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
  if (t_onTick) t_onTick();
}

TEST_F(MainWindowTest, ConfirmationMessageBoxIsSkinned) {
  skin::TSkinManage* manager = skin::SkinManager();
  ASSERT_NE(manager, nullptr);
  AddRows(2, "row ");
  std::string className;
  bool skinned = false;
  // While the box is up, look at it, then answer "no".
  UINT_PTR timer = SetTimer(nullptr, 0, 20, Tick);
  t_onTick = [&] {
    HWND box = GetActiveWindow();
    if (!box || box == form->Handle() || !className.empty()) return;
    char name[16] = {};
    GetClassNameA(box, name, sizeof name);
    className = name;
    skinned = manager->FindFormSkinner(box) != nullptr && SendMessageA(box, skin::SKM_ISSKINNED, 0, 0) == 1;
    PostMessageA(box, WM_COMMAND, IDNO, 0);
  };
  form->BitBtn2->Click();
  KillTimer(nullptr, timer);
  t_onTick = nullptr;
  EXPECT_EQ(className, "#32770");
  EXPECT_TRUE(skinned);
  EXPECT_EQ(RowCount(), 2) << "answered no";
}

TEST_F(MainWindowTest, SwitchingTheSkinComponentOffAndOnGoesThroughTheManager) {
  skin::TSkinManage* manager = skin::SkinManager();
  ASSERT_NE(manager, nullptr);
  ASSERT_NE(manager->FindFormSkinner(form->Handle()), nullptr);
  int changed = 0;
  form->SkinData1->OnSkinChanged.handler = fw::TNotifyEvent([&](fw::TObject*) { ++changed; });

  form->SkinData1->SetActive(false);
  EXPECT_NE(manager->FindFormSkinner(form->Handle()), nullptr) << "the command runs on the timer";
  ASSERT_TRUE(testutil::PumpUntil([&] { return changed == 1; }));
  EXPECT_EQ(manager->FindFormSkinner(form->Handle()), nullptr);
  EXPECT_EQ(SendMessageA(form->Handle(), skin::SKM_ISSKINNED, 0, 0), 0);
  EXPECT_FALSE(manager->Enabled());

  form->SkinData1->SetActive(true);
  ASSERT_TRUE(testutil::PumpUntil([&] { return changed == 2; }));
  EXPECT_NE(manager->FindFormSkinner(form->Handle()), nullptr);
  EXPECT_TRUE(manager->Enabled());
}

}  // namespace
