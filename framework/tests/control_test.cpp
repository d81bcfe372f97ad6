// Windowed controls: the framework's window tag, the replaceable window method, the error report
// at the window procedure, layout, and object counts over many windows.
#include <gtest/gtest.h>

#include <cstdio>
#include <stdexcept>
#include <string>

#include "framework/application.h"
#include "framework/tests/test_classes.h"
#include "tests/support/resource_count.h"
#include "tests/support/win_test_util.h"

namespace {

constexpr const char* kSmallForm = R"(object TestForm: TTestForm
  ClientWidth = 400
  ClientHeight = 300
  OnCreate = FormCreate
  object Panel1: TPanel
    Left = 0
    Top = 260
    Width = 400
    Height = 40
    Align = alBottom
    object Button1: TBitBtn
      Left = 310
      Top = 8
      Width = 80
      Height = 24
      Anchors = [akRight, akBottom]
      Caption = 'OK'
      OnClick = Button1Click
    end
    object Label1: TLabel
      Left = 8
      Top = 8
      Width = 100
      Height = 17
      Anchors = [akLeft, akTop, akRight]
      Caption = 'label'
    end
  end
end
)";

class ControlTest : public testing::Test {
 protected:
  void SetUp() override {
    app.Initialize();
    fwtest::RegisterTestClasses();
  }
  fwtest::TTestForm* NewForm() {
    auto* form = new fwtest::TTestForm(&app);
    form->Load(kSmallForm);
    form->Show();
    return form;
  }
  fw::TApplication app;
};

TEST_F(ControlTest, EveryFrameworkWindowIsTaggedWithItsControl) {
  auto* form = NewForm();
  const std::string expected = testutil::ExpectedControlTagText();
  char atomText[64] = {};
  GlobalGetAtomNameA(fw::ControlAtom(), atomText, sizeof atomText);
  EXPECT_EQ(std::string(atomText), expected);
  EXPECT_EQ(fw::ControlMessage(), RegisterWindowMessageA(expected.c_str()));

  for (fw::TWinControl* c : std::initializer_list<fw::TWinControl*>{form, form->Panel1, form->Button1}) {
    HWND window = c->Handle();
#ifdef _WIN64
    // The tag's property and message carry every bit of a control that lives above 4 GB.
    EXPECT_GE(reinterpret_cast<uintptr_t>(c), uintptr_t{1} << 32) << c->Name();
#endif
    EXPECT_EQ(GetPropA(window, MAKEINTATOM(fw::ControlAtom())), c) << c->Name();
    EXPECT_EQ(SendMessageA(window, fw::ControlMessage(), 0, 0), reinterpret_cast<LRESULT>(c)) << c->Name();
    char className[64] = {};
    GetClassNameA(window, className, sizeof className);
    EXPECT_EQ(std::string(className), c->ClassName());
  }
  EXPECT_EQ(fw::FindControl(GetDesktopWindow()), nullptr);
  EXPECT_EQ(fw::FindControl(nullptr), nullptr);

  // A control whose window was made again, and one that is gone: no lookup leads to the old ones.
  const HWND first = form->Button1->Handle();
  form->Button1->DestroyHandle();
  EXPECT_EQ(fw::FindControl(first), nullptr);
  EXPECT_EQ(fw::FindControl(form->Button1->Handle()), form->Button1);
  const HWND last = form->Button1->Handle();
  delete form->Button1;
  EXPECT_EQ(fw::FindControl(last), nullptr);
}

TEST_F(ControlTest, LifeTokenTellsWhetherTheComponentStillExists) {
  auto* owner = new fw::TComponent(nullptr);
  auto* owned = new fw::TComponent(owner);
  const fw::TLifeToken ownerLife = owner->LifeToken(), ownedLife = owned->LifeToken();
  EXPECT_TRUE(ownerLife.Alive());
  EXPECT_TRUE(ownedLife.Alive());
  delete owner;
  EXPECT_FALSE(ownerLife.Alive());
  EXPECT_FALSE(ownedLife.Alive()) << "freed with its owner";
  EXPECT_FALSE(fw::TLifeToken().Alive());
}

TEST_F(ControlTest, AReplacedWindowMethodSeesMessagesFirstAndPassesThemOn) {
  auto* form = NewForm();
  fw::TWndMethod original = form->Button1->WindowProc;
  int seen = 0;
  form->Button1->WindowProc = [&](fw::TMessage& m) {
    if (m.Msg == WM_SETTEXT) ++seen;
    if (m.Msg == WM_USER + 7) {
      m.Result = 1234;
      return;
    }
    original(m);
  };
  SetWindowTextA(form->Button1->Handle(), "changed");
  EXPECT_EQ(seen, 1);
  EXPECT_EQ(form->Button1->Caption(), "changed");  // passed on to the native button
  EXPECT_EQ(form->Button1->Perform(WM_USER + 7), 1234);
  EXPECT_EQ(SendMessageA(form->Button1->Handle(), WM_USER + 7, 0, 0), 1234);

  form->Button1->WindowProc = original;
  SetWindowTextA(form->Button1->Handle(), "again");
  EXPECT_EQ(seen, 1);
  // Clicks reach the handler through the parent's notification.
  SendMessageA(form->Button1->Handle(), BM_CLICK, 0, 0);
  EXPECT_EQ(form->clicked, 1);
}

TEST_F(ControlTest, AnErrorInAHandlerIsReportedAndTheWindowLivesOn) {
  auto* form = NewForm();
  std::string reported;
  app.OnException = [&](const std::string& text) { reported = text; };
  form->Button1->OnClick = fw::TMethod{"", fw::TNotifyEvent([](fw::TObject*) { throw std::runtime_error("boom"); })};
  SendMessageA(form->Button1->Handle(), BM_CLICK, 0, 0);
  EXPECT_EQ(reported, "") << "reported from the message loop, not inside the window procedure";
  EXPECT_TRUE(testutil::PumpUntil([&] { return reported == "boom"; }, 2000));
  EXPECT_TRUE(IsWindow(form->Button1->Handle()));

  // Without a replacement the default report is a real message box with the text.
  app.OnException = nullptr;
  testutil::MessageBoxAnswerer answer(IDOK);
  SendMessageA(form->Button1->Handle(), BM_CLICK, 0, 0);
  EXPECT_EQ(answer.count, 0);
  EXPECT_TRUE(testutil::PumpUntil([&] { return answer.count == 1; }, 2000));
  EXPECT_EQ(answer.text, "boom");
}

TEST_F(ControlTest, TheMessageHandlerOfTheApplicationSeesQueuedMessagesFirst) {
  auto* form = NewForm();
  HWND button = form->Button1->Handle();
  int seen = 0;
  app.OnMessage = [&](MSG& msg) {
    if (msg.hwnd != button || msg.message != WM_KEYDOWN) return false;
    ++seen;
    return msg.wParam == VK_F5;  // F5 is taken; other keys go on
  };
  int keysReachingButton = 0;
  fw::TWndMethod original = form->Button1->WindowProc;
  form->Button1->WindowProc = [&](fw::TMessage& message) {
    if (message.Msg == WM_KEYDOWN) ++keysReachingButton;
    original(message);
  };
  PostMessageA(button, WM_KEYDOWN, VK_F5, 0);
  PostMessageA(button, WM_KEYDOWN, VK_F6, 0);
  app.ProcessMessages();
  EXPECT_EQ(seen, 2);
  EXPECT_EQ(keysReachingButton, 1);
  form->Button1->WindowProc = original;
  app.OnMessage = nullptr;
}

TEST_F(ControlTest, AlignmentAndAnchorsFollowTheParentsSize) {
  auto* form = NewForm();
  RECT r;
  GetWindowRect(form->Handle(), &r);
  SetWindowPos(form->Handle(), nullptr, 0, 0, r.right - r.left + 100, r.bottom - r.top + 50, SWP_NOMOVE | SWP_NOZORDER);
  testutil::PumpMessages(10);
  EXPECT_EQ(form->Panel1->Top(), 300 + 50 - 40);
  EXPECT_EQ(form->Panel1->Width(), 500);
  EXPECT_EQ(form->Button1->Left(), 410);  // right anchor: keeps its distance
  EXPECT_EQ(form->Button1->Top(), 8);     // the panel's height did not change
  EXPECT_EQ(form->Label1->Left(), 8);     // left and right anchors: stretches
  EXPECT_EQ(form->Label1->Width(), 200);
}

TEST_F(ControlTest, ManyFormsLeaveNoObjectsBehind) {
  // The first form makes the objects that the system keeps for the process.
  fw::Free(NewForm());
  testutil::PumpMessages(20);
  auto gdiBefore = test_support::CountGdiObjects();
  auto userBefore = test_support::CountUserObjects();
  ASSERT_TRUE(gdiBefore && userBefore) << "object counts are not available here";
  for (int i = 0; i < 150; ++i) {
    auto* form = NewForm();
    form->Label1->Font()->SetStyle(fw::FontStyles({fw::fsUnderline}));
    RedrawWindow(form->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    fw::Free(form);
  }
  testutil::PumpMessages(20);
  EXPECT_EQ(test_support::CountGdiObjects(), gdiBefore);
  EXPECT_EQ(test_support::CountUserObjects(), userBefore);
}

}  // namespace
