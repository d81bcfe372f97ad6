// How form skinners come and go: subclassing layered with other subclassing, skinners freed while
// one of their messages runs, windows destroyed under them, the manager's own end, and many
// windows opened and closed.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "skin/controls/window_subclass.h"
#include "skin/core/skin_messages.h"
#include "skin/form/tests/skin_manage_fixture.h"
#include "tests/support/resource_count.h"
#include "tests/support/win_test_util.h"

namespace {

using skin::TSkinData;

// A window procedure installed on top of the skinner's, as another library would.
WNDPROC g_belowLaterProc = nullptr;
int g_laterProcCalls = 0;

LRESULT CALLBACK LaterProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  ++g_laterProcCalls;
  return CallWindowProcA(g_belowLaterProc, window, msg, wParam, lParam);
}

void DeactivateNow(skin::TSkinManage* manager, TSkinData* data) {
  manager->SetPendingSkinData(data);
  manager->PostCommand(skin::kSkinCommandDeactivate, 1);
  manager->ProcessCommand();
}

TEST_F(SkinManageTest, ProcedureGoesBackOnlyWhileTheSkinnersOwnIsInstalled) {
  TSkinData* data = AddSkinData();
  EnableSkinning();
  HWND window = CreateTestWindow("SkinTestPlain");
  const LONG_PTR own = GetWindowLongPtrA(window, GWLP_WNDPROC);
  ASSERT_TRUE(manager->SkinWindow(window));
  g_belowLaterProc =
      reinterpret_cast<WNDPROC>(SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(LaterProc)));
  g_laterProcCalls = 0;

  DeactivateNow(manager, data);
  EXPECT_TRUE(manager->FormSkinners().empty());
  EXPECT_EQ(GetWindowLongPtrA(window, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(LaterProc))
      << "a later subclass is never cut out";
  // Messages still reach the window's own procedure, through the released layer.
  SetWindowTextA(window, "still working");
  char text[32] = {};
  GetWindowTextA(window, text, sizeof text);
  EXPECT_STREQ(text, "still working");
  EXPECT_GT(g_laterProcCalls, 0);
  EXPECT_FALSE(AnswersSkinned(window));

  // The window can be skinned again: the new skinner joins the chain that is still installed,
  // below the later subclass.
  EnableSkinning();
  EXPECT_TRUE(manager->SkinWindow(window));
  EXPECT_TRUE(AnswersSkinned(window));
  EXPECT_EQ(GetWindowLongPtrA(window, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(LaterProc));
  DeactivateNow(manager, data);
  // Once the later subclass has gone, the last skinner to leave puts the window's own back.
  SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(g_belowLaterProc));
  EnableSkinning();
  EXPECT_TRUE(manager->SkinWindow(window));
  DeactivateNow(manager, data);
  EXPECT_EQ(GetWindowLongPtrA(window, GWLP_WNDPROC), own);
  DestroyWindow(window);
  EXPECT_EQ(skin::SubclassedWindowCount(), 0u);
}

TEST_F(SkinManageTest, WindowMethodGoesBackOnlyWhileTheSkinnersOwnIsInstalled) {
  TSkinData* data = AddSkinData();
  EnableSkinning();
  fw::TForm* form = ShowForm();
  ASSERT_NE(SkinnerOf(form->Handle()), nullptr);
  int laterCalls = 0;
  fw::TWndMethod below = form->WindowProc;
  form->WindowProc = [&laterCalls, below](fw::TMessage& message) {
    ++laterCalls;
    below(message);
  };
  DeactivateNow(manager, data);
  EXPECT_EQ(form->Perform(skin::SKM_QUERYSKINFORM, 0, skin::kSkinMagic), 0)
      << "the released window method passes the message on";
  EXPECT_GT(laterCalls, 0);
  form->SetCaption("still working");
  EXPECT_EQ(form->Caption(), "still working");
}

// A window whose own procedure runs a callback for WM_APP and answers 42.
thread_local std::function<void()> t_onApp;

LRESULT CALLBACK AppCallbackProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_APP) {
    if (t_onApp) t_onApp();
    return 42;
  }
  return DefWindowProcA(window, msg, wParam, lParam);
}

TEST_F(SkinManageTest, SkinnerFreedWhileItsOwnMessageRunsIsNotTouchedAgain) {
  TSkinData* data = AddSkinData();
  EnableSkinning();
  WNDCLASSA wc{};
  wc.lpfnWndProc = AppCallbackProc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.lpszClassName = "SkinTestCallback";
  RegisterClassA(&wc);
  HWND window = CreateTestWindow("SkinTestCallback");
  ASSERT_TRUE(manager->SkinWindow(window));
  // Inside the message, a command frees every skinner (as one run by a modal loop would).
  t_onApp = [&] { DeactivateNow(manager, data); };
  EXPECT_EQ(SendMessageA(window, WM_APP, 0, 0), 42);
  t_onApp = nullptr;
  EXPECT_TRUE(manager->FormSkinners().empty());
  EXPECT_EQ(GetWindowLongPtrA(window, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(AppCallbackProc));
  EXPECT_EQ(SendMessageA(window, WM_APP, 0, 0), 42);
}

TEST_F(SkinManageTest, SkinnerOfADestroyedWindowReportsItAndIsFreedAtThePurge) {
  AddSkinData();
  EnableSkinning();
  HWND window = CreateTestWindow("SkinTestPlain");
  ASSERT_TRUE(manager->SkinWindow(window));
  skin::TWinSkinForm* skinner = SkinnerOf(window);
  DestroyWindow(window);
  ASSERT_EQ(manager->FormSkinners().size(), 1u) << "the list keeps it until the next purge";
  EXPECT_EQ(skinner->FLifeState, skin::lsDestroyed);
  EXPECT_EQ(skin::SubclassedWindowCount(), 0u);
  // Any later activation purges.
  SetActiveWindow(CreateTestWindow("SkinTestOther"));
  EXPECT_EQ(manager->FormSkinners().size(), 1u);
  EXPECT_EQ(manager->FormSkinners().front()->EventName(), "SkinTestOther");
}

TEST_F(SkinManageTest, DestroyingTheManagerRestoresAndFreesEverySkinner) {
  AddSkinData();
  EnableSkinning();
  fw::TForm* form = ShowForm();
  HWND plain = CreateTestWindow("SkinTestPlain");
  const LONG_PTR formProc = GetWindowLongPtrA(form->Handle(), GWLP_WNDPROC);
  const LONG_PTR plainProc = GetWindowLongPtrA(plain, GWLP_WNDPROC);
  ASSERT_TRUE(manager->SkinWindow(plain));
  ASSERT_NE(SkinnerOf(form->Handle()), nullptr);
  EXPECT_NE(GetWindowLongPtrA(plain, GWLP_WNDPROC), plainProc);

  skin::DestroySkinManager();
  manager = nullptr;
  EXPECT_EQ(skin::SkinManager(), nullptr);
  EXPECT_EQ(GetWindowLongPtrA(plain, GWLP_WNDPROC), plainProc);
  EXPECT_NE(GetWindowLongPtrA(form->Handle(), GWLP_WNDPROC), formProc) << "the form was subclassed";
  EXPECT_EQ(skin::SubclassedWindowCount(), 0u);
  EXPECT_EQ(form->Perform(skin::SKM_QUERYSKINFORM, 0, skin::kSkinMagic), 0);
  EXPECT_EQ(form->ComponentCount(), 0) << "the form's skinner was freed";
  // No hook is left: new windows come and go unskinned.
  HWND later = CreateTestWindow("SkinTestLater");
  SetActiveWindow(later);
  EXPECT_FALSE(AnswersSkinned(later));
}

// ---- Many windows ------------------------------------------------------------------------------

// Opens and closes a message box and a framework form, `rounds` times; answers how many of
// them were skinned.
int OpenAndCloseWindows(skin::TSkinManage* manager, HWND owner, int rounds) {
  int skinned = 0;
  for (int i = 0; i < rounds; ++i) {
    {
      testutil::MessageBoxAnswerer answer(IDOK);
      MessageBoxA(owner, "text", "caption", MB_OK);
    }
    // The box's skinner stays listed, reporting its window gone, until the next purge.
    const auto& listed = manager->FormSkinners();
    if (!listed.empty() && listed.back()->EventName() == "#32770" && listed.back()->LifeState() == skin::lsDestroyed)
      ++skinned;
    auto* form = new fw::TForm(fw::Application);
    form->SetBounds(60, 60, 240, 160);
    form->Show();
    if (manager->FindFormSkinner(form->Handle())) ++skinned;
    testutil::PumpMessages(1);
    fw::Free(form);
  }
  testutil::PumpMessages(5);
  return skinned;
}

TEST_F(SkinManageTest, HundredsOfMessageBoxesAndFormsLeaveNothingBehind) {
  AddSkinData();
  EnableSkinning();
  HWND owner = CreateTestWindow("SkinTestOwner");
  SetActiveWindow(owner);
  ASSERT_TRUE(manager->FindFormSkinner(owner));
  OpenAndCloseWindows(manager, owner, 2);  // what the system keeps after the first ones
  manager->PurgeFormSkinners();
  const auto gdi = test_support::CountGdiObjects();
  const auto user = test_support::CountUserObjects();
  ASSERT_TRUE(gdi && user);

  EXPECT_EQ(OpenAndCloseWindows(manager, owner, 300), 600);
  manager->PurgeFormSkinners();
  ASSERT_EQ(manager->FormSkinners().size(), 1u) << "only the owner's skinner is left";
  EXPECT_EQ(manager->FormSkinners().front()->Window(), owner);
  EXPECT_TRUE(manager->MenuSkinners().empty());
  EXPECT_EQ(skin::SubclassedWindowCount(), 1u);
  EXPECT_EQ(test_support::CountGdiObjects(), gdi);
  EXPECT_EQ(test_support::CountUserObjects(), user);
}

}  // namespace
