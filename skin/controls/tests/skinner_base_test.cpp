// The skinner base on a framework control: the window method door, putting back only what is
// still ours, the exception guard, and a release inside the skinner's own message.
#include "skin/controls/skinner_base.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "framework/application.h"
#include "framework/form.h"
#include "framework/stdctrls.h"
#include "tests/support/resource_count.h"
#include "tests/support/win_test_util.h"

namespace {

// A skinner that answers WM_APP + 1 with 99, may throw on WM_APP + 2, and passes the rest on.
class ProbeSkinner : public skin::SkinnerBase {
 public:
  using SkinnerBase::HookControl;
  using SkinnerBase::HookWindow;
  using SkinnerBase::Unhook;
  std::function<void()> onApp;
  int handled = 0;

 protected:
  void HandleMessage(fw::TMessage& message) override {
    ++handled;
    if (message.Msg == WM_APP + 1) {
      if (onApp) onApp();
      message.Result = 99;
      return;
    }
    if (message.Msg == WM_APP + 2) throw std::runtime_error("probe failed");
    CallDefault(message);
  }
};

class SkinnerBaseTest : public testing::Test {
 protected:
  void SetUp() override {
    app = std::make_unique<fw::TApplication>();
    app->Initialize();
    form = new fw::TForm(app.get());
    form->SetBounds(40, 40, 200, 150);
    panel = new fw::TPanel(form);
    panel->SetParent(form);
    panel->SetBounds(0, 0, 100, 50);
    form->Show();
    testutil::PumpMessages(5);
  }
  void TearDown() override {
    skin::SetSkinnerErrorReporter(nullptr);
    app.reset();
  }

  std::unique_ptr<fw::TApplication> app;
  fw::TForm* form = nullptr;
  fw::TPanel* panel = nullptr;
};

TEST_F(SkinnerBaseTest, ControlMessagesGoThroughTheWindowMethodAndTheMethodGoesBack) {
  ProbeSkinner skinner;
  ASSERT_TRUE(skinner.HookControl(panel));
  EXPECT_TRUE(skinner.HookedThroughWindowMethod());
  EXPECT_EQ(skinner.HookedWindow(), panel->Handle());
  EXPECT_EQ(SendMessageA(panel->Handle(), WM_APP + 1, 0, 0), 99);
  panel->SetCaption("through");
  EXPECT_EQ(panel->Caption(), "through") << "what the skinner does not keep reaches the control";
  skinner.Unhook();
  const int handled = skinner.handled;
  EXPECT_EQ(SendMessageA(panel->Handle(), WM_APP + 1, 0, 0), 0);
  EXPECT_EQ(skinner.handled, handled) << "the control's own method is back";
}

TEST_F(SkinnerBaseTest, MethodInstalledLaterKeepsWorkingAfterTheSkinnerLetsGo) {
  ProbeSkinner skinner;
  ASSERT_TRUE(skinner.HookControl(panel));
  int laterCalls = 0;
  fw::TWndMethod below = panel->WindowProc;
  panel->WindowProc = [&laterCalls, below](fw::TMessage& message) {
    ++laterCalls;
    below(message);
  };
  skinner.Unhook();
  const int handled = skinner.handled;
  EXPECT_EQ(panel->Perform(WM_APP + 1), 0) << "the released method passes straight on";
  EXPECT_GT(laterCalls, 0);
  EXPECT_EQ(skinner.handled, handled);
  panel->SetCaption("still working");
  EXPECT_EQ(panel->Caption(), "still working");
}

TEST_F(SkinnerBaseTest, ExceptionInEitherDoorIsReportedFromTheMessageLoopAndTheMessageGoesOn) {
  std::vector<std::string> reported;
  skin::SetSkinnerErrorReporter([&](const std::string& text) { reported.push_back(text); });
  ProbeSkinner throughMethod;
  ASSERT_TRUE(throughMethod.HookControl(panel));
  ProbeSkinner throughWindow;
  ASSERT_TRUE(throughWindow.HookWindow(form->Handle()));
  // No message box opens: the report waits for the message loop.
  SendMessageA(panel->Handle(), WM_APP + 2, 0, 0);
  SendMessageA(form->Handle(), WM_APP + 2, 0, 0);
  EXPECT_TRUE(reported.empty());
  EXPECT_TRUE(testutil::PumpUntil([&] { return reported.size() == 2; }, 2000));
  EXPECT_EQ(reported, (std::vector<std::string>{"probe failed", "probe failed"}));
}

TEST_F(SkinnerBaseTest, SkinnerReleasedInsideItsOwnMessageThroughTheMethodIsFreedAfterIt) {
  auto* skinner = new ProbeSkinner;
  ASSERT_TRUE(skinner->HookControl(panel));
  bool freed = false;
  bool freedInside = false;
  skinner->onApp = [&] {
    skinner->ReleaseWhenIdle([&freed, skinner] {
      freed = true;
      delete skinner;
    });
    SendMessageA(panel->Handle(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("nested"));
    freedInside = freed;
  };
  EXPECT_EQ(SendMessageA(panel->Handle(), WM_APP + 1, 0, 0), 99);
  EXPECT_FALSE(freedInside);
  EXPECT_TRUE(freed);
  EXPECT_EQ(SendMessageA(panel->Handle(), WM_APP + 1, 0, 0), 0);
}

TEST_F(SkinnerBaseTest, HookingAndReleasingManyTimesLeavesNoObjects) {
  const auto gdiBefore = test_support::CountGdiObjects();
  const auto userBefore = test_support::CountUserObjects();
  for (int i = 0; i < 300; ++i) {
    auto* skinner = new ProbeSkinner;
    ASSERT_TRUE(i % 2 ? skinner->HookControl(panel) : skinner->HookWindow(panel->Handle()));
    EXPECT_EQ(SendMessageA(panel->Handle(), WM_APP + 1, 0, 0), 99);
    skinner->ReleaseWhenIdle([skinner] { delete skinner; });
  }
  EXPECT_EQ(skin::SubclassedWindowCount(), 0u);
  EXPECT_EQ(test_support::CountGdiObjects(), gdiBefore);
  EXPECT_EQ(test_support::CountUserObjects(), userBefore);
}

}  // namespace
