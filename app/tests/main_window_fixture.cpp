#include "app/tests/main_window_fixture.h"

#include "framework/registry.h"
#include "skin/core/skin_manage.h"
#include "skin/form/skinning.h"
#include "tests/support/win_test_util.h"

namespace {
MainWindowTest* g_current = nullptr;
bool g_firstFormOfProcess = true;
}  // namespace

LRESULT CALLBACK MainWindowTest::FollowerProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  MainWindowTest* test = g_current;
  if (test && window == test->follower) {
    if (msg == WM_DRAWCLIPBOARD) {
      ++test->followerDrawCount;
      test->followerSequences.push_back(GetClipboardSequenceNumber());
      if (test->onFollowerDraw) test->onFollowerDraw();
      if (test->followerNext) SendMessageA(test->followerNext, msg, wParam, lParam);
      return 0;
    }
    if (msg == WM_CHANGECBCHAIN) {
      ++test->followerChainCount;
      test->lastChainWParam = wParam;
      test->lastChainLParam = lParam;
      return 0;
    }
  }
  return DefWindowProcA(window, msg, wParam, lParam);
}

void MainWindowTest::SetUp() {
  if (g_firstFormOfProcess) {
    HANDLE existing = OpenMutexA(SYNCHRONIZE, FALSE, pastelle::kInstanceMutexName);
    ASSERT_EQ(existing, nullptr) << "a Pastelle instance is already running in this session";
    g_firstFormOfProcess = false;
  }
  g_current = this;
  WNDCLASSA wc{};
  wc.lpfnWndProc = FollowerProc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.lpszClassName = "TestClipboardFollower";
  RegisterClassA(&wc);
  follower = CreateWindowExA(0, wc.lpszClassName, "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, wc.hInstance, nullptr);
  followerNext = SetClipboardViewer(follower);

  testutil::SetClipboardText("on the clipboard before the start");
  app = std::make_unique<fw::TApplication>();
  app->Initialize();
  fw::RegisterComponentClass(pastelle::TForm1::StaticClass());
  fw::RegisterComponentClass(skin::TSkinData::StaticClass());
  skin::InstallSkinning();
  form = app->CreateForm<pastelle::TForm1>();
  form->Show();
  testutil::PumpMessages(30);
  followerDrawCount = 0;
}

void MainWindowTest::TearDown() {
  app.reset();
  if (follower) {
    ChangeClipboardChain(follower, followerNext);
    DestroyWindow(follower);
  }
  g_current = nullptr;
}

void MainWindowTest::Copy(const std::string& text) {
  int before = followerDrawCount;
  testutil::SetClipboardText(text);
  ASSERT_TRUE(testutil::PumpUntil([&] { return followerDrawCount > before; })) << "no clipboard notification";
}

void MainWindowTest::CopyImageOnly() {
  int before = followerDrawCount;
  testutil::SetClipboardBitmapOnly();
  ASSERT_TRUE(testutil::PumpUntil([&] { return followerDrawCount > before; })) << "no clipboard notification";
}

void MainWindowTest::AddRows(int count, const std::string& prefix) {
  for (int i = 0; i < count; ++i) form->ListView1->Items()->Add(prefix + std::to_string(i), {"0:00:00"});
}

void MainWindowTest::SelectOnly(std::initializer_list<int> rows) {
  for (int i = 0; i < RowCount(); ++i) form->ListView1->Items()->Item(i)->SetSelected(false);
  for (int row : rows) form->ListView1->Items()->Item(row)->SetSelected(true);
}
