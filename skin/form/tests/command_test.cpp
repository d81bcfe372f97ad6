// The commands that skin components post to the manager: activation, deactivation and refresh.
#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

#include "skin/core/skin_messages.h"
#include "skin/form/tests/skin_manage_fixture.h"
#include "tests/support/win_test_util.h"

namespace {

using skin::TSkinData;

// Counts a component's OnSkinChanged and remembers what the manager looked like at that moment.
struct SkinChangedRecorder {
  explicit SkinChangedRecorder(TSkinData* data, skin::TSkinManage* manager) {
    data->OnSkinChanged.handler = fw::TNotifyEvent([this, data, manager](fw::TObject* sender) {
      EXPECT_EQ(sender, data);
      ++count;
      skinnerCount = manager->FormSkinners().size();
      enabled = manager->Enabled();
    });
  }
  int count = 0;
  size_t skinnerCount = 0;
  bool enabled = false;
};

TEST_F(SkinManageTest, BeforeAnyActivationCommandsTakeEffectAtOnce) {
  TSkinData* data = AddSkinData();
  SkinChangedRecorder changed(data, manager);
  ASSERT_EQ(manager->RunState(), skin::kRunStateIdle);
  manager->SetPendingSkinData(data);
  manager->PostCommand(skin::kSkinCommandActivate, skin::kSkinCommandDelayMs);
  EXPECT_TRUE(manager->Enabled());
  EXPECT_FALSE(manager->CommandTimer().Enabled());
  manager->PostCommand(skin::kSkinCommandDeactivate, skin::kSkinCommandDelayMs);
  EXPECT_FALSE(manager->Enabled());
  manager->PostCommand(skin::kSkinCommandRefresh, skin::kSkinCommandDelayMs);
  EXPECT_FALSE(manager->CommandTimer().Enabled()) << "other commands are dropped";
  testutil::PumpMessages(50);
  EXPECT_EQ(changed.count, 0);
}

TEST_F(SkinManageTest, AfterTheFirstActivationACommandRunsOnTheTimerAndEndsWithOnSkinChanged) {
  TSkinData* data = AddSkinData();
  SkinChangedRecorder changed(data, manager);
  fw::TForm* form = ShowForm();  // the first activation
  ASSERT_EQ(manager->RunState(), skin::kRunStateRunning);
  ASSERT_FALSE(manager->Enabled());
  ASSERT_EQ(SkinnerOf(form->Handle()), nullptr);

  manager->SetPendingSkinData(data);
  manager->PostCommand(skin::kSkinCommandActivate, skin::kSkinCommandDelayMs);
  EXPECT_EQ(manager->PendingCommand(), skin::kSkinCommandActivate);
  EXPECT_TRUE(manager->CommandTimer().Enabled());
  EXPECT_EQ(manager->CommandTimer().Interval(), skin::kSkinCommandDelayMs);
  EXPECT_FALSE(manager->Enabled()) << "nothing happens before the timer runs";

  ASSERT_TRUE(testutil::PumpUntil([&] { return changed.count > 0; })) << "the command never ran";
  EXPECT_EQ(changed.count, 1);
  EXPECT_TRUE(changed.enabled);
  EXPECT_EQ(changed.skinnerCount, 1u) << "the visible form was skinned before OnSkinChanged";
  EXPECT_NE(SkinnerOf(form->Handle()), nullptr);
  EXPECT_FALSE(manager->CommandTimer().Enabled());
  EXPECT_EQ(manager->PendingSkinData(), nullptr);
  EXPECT_FALSE(manager->Refreshing());
}

TEST_F(SkinManageTest, ActivationCommandSkinsOnlyVisibleTopLevelForms) {
  TSkinData* data = AddSkinData();
  SkinChangedRecorder changed(data, manager);
  fw::TForm* shown = ShowForm();
  auto* hidden = new fw::TForm(app.get());
  hidden->HandleNeeded();
  manager->SetPendingSkinData(data);
  manager->PostCommand(skin::kSkinCommandActivate, 1);
  ASSERT_TRUE(testutil::PumpUntil([&] { return changed.count > 0; }));
  EXPECT_NE(SkinnerOf(shown->Handle()), nullptr);
  EXPECT_EQ(SkinnerOf(hidden->Handle()), nullptr);
}

TEST_F(SkinManageTest, DeactivationRestoresEveryWindowsOwnProcedure) {
  TSkinData* data = AddSkinData();
  SkinChangedRecorder changed(data, manager);
  fw::TForm* form = ShowForm();
  HWND plain = CreateTestWindow("SkinTestPlain");
  HWND dialog = CreatePlainDialog(WS_POPUP | WS_CAPTION | WS_VISIBLE);
  const HWND all[] = {form->Handle(), plain, dialog};
  std::vector<LONG_PTR> ownProcedures;
  for (HWND window : all) ownProcedures.push_back(GetWindowLongPtrA(window, GWLP_WNDPROC));
  EnableSkinning();
  for (HWND window : all) ASSERT_TRUE(manager->SkinWindow(window));
  ASSERT_EQ(manager->FormSkinners().size(), 3u);
  for (size_t i = 0; i < std::size(all); ++i) {
    EXPECT_NE(GetWindowLongPtrA(all[i], GWLP_WNDPROC), ownProcedures[i]);
    EXPECT_TRUE(AnswersSkinned(all[i]));
  }
  ASSERT_EQ(form->Perform(skin::SKM_QUERYSKINFORM, 0, skin::kSkinMagic), skin::kSkinMagic);

  manager->SetPendingSkinData(data);
  manager->PostCommand(skin::kSkinCommandDeactivate, skin::kSkinCommandDelayMs);
  ASSERT_TRUE(testutil::PumpUntil([&] { return changed.count > 0; })) << "the command never ran";
  EXPECT_FALSE(changed.enabled);
  EXPECT_EQ(changed.skinnerCount, 0u);
  for (size_t i = 0; i < std::size(all); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(GetWindowLongPtrA(all[i], GWLP_WNDPROC), ownProcedures[i]);
    EXPECT_FALSE(AnswersSkinned(all[i]));
  }
  EXPECT_EQ(form->Perform(skin::SKM_QUERYSKINFORM, 0, skin::kSkinMagic), 0) << "the form's own window method";
  EXPECT_FALSE(manager->SkinWindow(plain)) << "skinning is off";

  // Activating again skins the visible forms again.
  manager->SetPendingSkinData(data);
  manager->PostCommand(skin::kSkinCommandActivate, skin::kSkinCommandDelayMs);
  ASSERT_TRUE(testutil::PumpUntil([&] { return changed.count > 1; }));
  EXPECT_NE(SkinnerOf(form->Handle()), nullptr);
  EXPECT_TRUE(manager->SkinWindow(plain));
}

TEST_F(SkinManageTest, RefreshKeepsTheSkinnersAndEndsWithOnSkinChanged) {
  TSkinData* data = AddSkinData();
  SkinChangedRecorder changed(data, manager);
  EnableSkinning();
  fw::TForm* form = ShowForm();
  skin::TWinSkinForm* skinner = SkinnerOf(form->Handle());
  ASSERT_NE(skinner, nullptr);
  manager->SetPendingSkinData(data);
  manager->PostCommand(skin::kSkinCommandRefresh, skin::kSkinCommandDelayMs);
  ASSERT_TRUE(testutil::PumpUntil([&] { return changed.count > 0; }));
  EXPECT_EQ(SkinnerOf(form->Handle()), skinner);
  EXPECT_EQ(skinner->FLifeState, skin::lsActive);
}

TEST_F(SkinManageTest, ApplyingASkinRecoloursEachFormOnce) {
  TSkinData* data = AddSkinData();
  SkinChangedRecorder changed(data, manager);
  EnableSkinning();
  fw::TForm* form = ShowForm();
  ASSERT_TRUE(testutil::PumpUntil([&] { return SkinnerOf(form->Handle()) && SkinnerOf(form->Handle())->FActivated; }));
  int afterSkinForm = 0;
  data->OnAfterSkinForm.handler = skin::TOnSkinForm([&](fw::TObject*, HWND, const std::string&) { ++afterSkinForm; });
  // What loading another skin file does once the skin is rebuilt.
  data->ApplySkin();
  EXPECT_EQ(afterSkinForm, 0) << "applying only re-reads the skin data";
  ASSERT_TRUE(testutil::PumpUntil([&] { return changed.count > 0; }));
  EXPECT_EQ(afterSkinForm, 1) << "the refresh command re-colours once";
}

TEST_F(SkinManageTest, CommandOfAnOnlyThisFormComponentConcernsItsFormAlone) {
  fw::TForm* own = ShowForm();
  fw::TForm* other = ShowForm();
  AddSkinData();
  TSkinData* forForm = AddSkinData(skin::sfOnlyThisForm, own);
  SkinChangedRecorder changed(forForm, manager);
  manager->SetPendingSkinData(forForm);
  manager->PostCommand(skin::kSkinCommandActivate, 1);
  ASSERT_TRUE(testutil::PumpUntil([&] { return changed.count > 0; }));
  ASSERT_NE(SkinnerOf(own->Handle()), nullptr);
  EXPECT_EQ(SkinnerOf(own->Handle())->FSkinData, forForm);
  EXPECT_EQ(SkinnerOf(other->Handle()), nullptr);

  ASSERT_TRUE(manager->SkinWindow(other->Handle()));
  manager->SetPendingSkinData(forForm);
  manager->PostCommand(skin::kSkinCommandDeactivate, 1);
  ASSERT_TRUE(testutil::PumpUntil([&] { return changed.count > 1; }));
  EXPECT_EQ(SkinnerOf(own->Handle()), nullptr);
  EXPECT_NE(SkinnerOf(other->Handle()), nullptr) << "a window of the main component stays skinned";
}

TEST_F(SkinManageTest, CommandWithoutPendingComponentIsDiscarded) {
  TSkinData* data = AddSkinData();
  SkinChangedRecorder changed(data, manager);
  ShowForm();
  manager->PostCommand(skin::kSkinCommandActivate, 1);
  ASSERT_TRUE(testutil::PumpUntil([&] { return !manager->CommandTimer().Enabled(); }));
  EXPECT_FALSE(manager->Enabled());
  EXPECT_EQ(changed.count, 0);
}

TEST_F(SkinManageTest, AHandlerOfOnSkinChangedMayPostTheNextCommand) {
  TSkinData* data = AddSkinData();
  ShowForm();
  int runs = 0;
  data->OnSkinChanged.handler = fw::TNotifyEvent([&](fw::TObject*) {
    if (++runs == 1) {
      manager->SetPendingSkinData(data);
      manager->PostCommand(skin::kSkinCommandDeactivate, 1);
    }
  });
  manager->SetPendingSkinData(data);
  manager->PostCommand(skin::kSkinCommandActivate, 1);
  ASSERT_TRUE(testutil::PumpUntil([&] { return runs == 2; }));
  EXPECT_FALSE(manager->Enabled());
  EXPECT_TRUE(manager->FormSkinners().empty());
}

}  // namespace
