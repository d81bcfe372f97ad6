// The main window mends a clipboard-viewer chain that a viewer broke by ending without leaving
// it, with real second viewer processes (bare_viewer.exe) that are killed.
#include "app/viewer_chain.h"

#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <memory>
#include <set>
#include <string>
#include <thread>

#include "app/tests/main_window_fixture.h"
#include "tests/support/bare_viewer.h"
#include "tests/support/child_process.h"
#include "tests/support/remote_list_view.h"
#include "tests/support/win_test_util.h"

namespace {

using testutil::PumpUntil;

// The longest the watch needs to notice a broken chain, and time for a busy machine.
constexpr DWORD kRepairWaitMs =
    pastelle::ViewerChainWatch::kIntervalMs + pastelle::ViewerChainWatch::kConfirmDelayMs + 3000;

// A bare_viewer.exe that has joined the chain in front of the main window.
struct SecondViewer {
  explicit SecondViewer(const std::string& arguments = {}) {
    EXPECT_TRUE(process.Start(testutil::WindowsPathOf(BARE_VIEWER_EXE), arguments));
    window = process.WaitForWindow(testutil::kBareViewerClass, true, 20000);
    EXPECT_NE(window, nullptr) << "the second viewer shows no window";
    EXPECT_TRUE(PumpUntil([&] { return GetClipboardViewer() == window; }, 10000)) << "it does not join the chain";
    list =
        std::make_unique<testutil::RemoteListView>(FindWindowExA(window, nullptr, WC_LISTVIEWA, nullptr), process.Id());
  }
  ~SecondViewer() {
    if (!process.Running()) return;
    PostMessageA(window, WM_CLOSE, 0, 0);
    if (!process.WaitForExit(10000)) process.Kill();
  }
  SecondViewer(const SecondViewer&) = delete;
  SecondViewer& operator=(const SecondViewer&) = delete;
  bool Lists(const std::string& text) const {
    const int count = list->Count();
    return count > 0 && list->Text(count - 1) == text;
  }
  testutil::ChildProcess process;
  HWND window = nullptr;
  std::unique_ptr<testutil::RemoteListView> list;
};

class ViewerChainRepairTest : public MainWindowTest {
 protected:
  // Sets a text without waiting for any notice (the chain may not reach anyone).
  static void Set(const std::string& text) { testutil::SetClipboardText(text); }
  bool Recorded(const std::string& text, DWORD timeoutMs = kRepairWaitMs) {
    return PumpUntil([&] { return RowCount() > 0 && Row(RowCount() - 1) == text; }, timeoutMs);
  }
  void ExpectNoDuplicates() {
    std::set<std::string> seen;
    for (int i = 0; i < RowCount(); ++i) EXPECT_TRUE(seen.insert(Row(i)).second) << Row(i) << " is listed twice";
  }
};

TEST_F(ViewerChainRepairTest, AViewerKilledInFrontIsMendedWithinTheWatchInterval) {
  {
    SecondViewer front;
    Copy("before the kill");
    EXPECT_TRUE(front.Lists("before the kill"));
    front.process.Kill();
  }
  // The chain has lost its head: nobody is told of changes any more.
  EXPECT_TRUE(PumpUntil([] { return GetClipboardViewer() == nullptr; }));
  const int notices = followerDrawCount;
  Set("after the kill");
  ASSERT_TRUE(Recorded("after the kill"));
  // The main window heads the chain again, and the viewer behind it is still behind it.
  EXPECT_EQ(GetClipboardViewer(), form->Handle());
  EXPECT_EQ(form->NextViewer, follower);
  EXPECT_GT(followerDrawCount, notices);
  Copy("and the next one");
  EXPECT_EQ(Row(RowCount() - 1), "and the next one");
  ASSERT_EQ(RowCount(), 3);
  ExpectNoDuplicates();
}

TEST_F(ViewerChainRepairTest, AViewerKilledBehindALiveHeadIsMendedToo) {
  // Chain: second viewer (head) -> killed viewer -> main window -> follower.
  auto killed = std::make_unique<SecondViewer>();
  SecondViewer head;
  killed->process.Kill();
  killed.reset();
  EXPECT_EQ(GetClipboardViewer(), head.window);
  Set("past the dead viewer");
  ASSERT_TRUE(Recorded("past the dead viewer"));
  EXPECT_TRUE(PumpUntil([&] { return head.Lists("past the dead viewer"); }));
  // The main window is the head now, and the former head follows it.
  EXPECT_EQ(GetClipboardViewer(), form->Handle());
  EXPECT_EQ(form->NextViewer, head.window);
  Set("through both");
  ASSERT_TRUE(Recorded("through both", 5000));
  EXPECT_TRUE(PumpUntil([&] { return head.Lists("through both"); }));
  ExpectNoDuplicates();
}

TEST_F(ViewerChainRepairTest, AfterAMendTheChainIsLeftCleanlyAtExit) {
  {
    SecondViewer front;
    front.process.Kill();
  }
  Set("mended");
  ASSERT_TRUE(Recorded("mended"));
  app.reset();  // the main window closes and leaves the chain
  EXPECT_EQ(GetClipboardViewer(), follower);
  const int notices = followerDrawCount;
  Set("after the exit");
  EXPECT_TRUE(PumpUntil([&] { return followerDrawCount > notices; }));
}

TEST_F(ViewerChainRepairTest, AClipboardHeldOpenWhileTheWatchRejoinsIsRecordedWhenFreeWithoutAReport) {
  std::string reported;
  app->OnException = [&](const std::string& text) { reported = text; };
  {
    SecondViewer front;
    front.process.Kill();
  }
  Set("held during the mend");
  {
    // Longer than the watch needs to rejoin, so that the rejoin finds the clipboard held open.
    constexpr DWORD kHoldMs = pastelle::ViewerChainWatch::kIntervalMs * 2 + 500;
    testutil::ClipboardHolder holder(kHoldMs);
    testutil::PumpMessages(kHoldMs);
    EXPECT_EQ(RowCount(), 0);  // it cannot be read while the clipboard is held
  }
  ASSERT_TRUE(Recorded("held during the mend"));
  EXPECT_EQ(reported, "");
  EXPECT_EQ(GetClipboardViewer(), form->Handle());
  ExpectNoDuplicates();
}

TEST_F(ViewerChainRepairTest, TwoViewersMendingAtOnceFormNoCircle) {
  SecondViewer other("--self-repair");
  const UINT rejoinNow = RegisterWindowMessageA(testutil::kRejoinNowMessage);
  for (int round = 0; round < 12; ++round) {
    // The head is taken from the chain without a word to anyone: both viewers are cut off.
    ChangeClipboardChain(GetClipboardViewer(), nullptr);
    ASSERT_EQ(GetClipboardViewer(), nullptr);
    PostMessageA(other.window, rejoinNow, 0, 0);
    // Rejoin at slightly different moments around the other viewer's rejoin.
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < static_cast<DWORD>(round % 4)) Sleep(0);
    form->RejoinViewerChain();
    testutil::PumpMessages(50);

    const std::string text = "round " + std::to_string(round);
    Set(text);
    const DWORD sequence = GetClipboardSequenceNumber();
    ASSERT_TRUE(Recorded(text, 5000)) << "round " << round;
    EXPECT_TRUE(PumpUntil([&] { return other.Lists(text); }, 5000)) << "round " << round;
    // The follower is passed the change once: the chain does not run in a circle.
    testutil::PumpMessages(50);
    EXPECT_EQ(std::count(followerSequences.begin(), followerSequences.end(), sequence), 1) << "round " << round;
  }
  ExpectNoDuplicates();
}

TEST_F(ViewerChainRepairTest, AViewerKilledMidBurstLosesNoLaterText) {
  SecondViewer front;
  constexpr int kChanges = 300;
  std::atomic<bool> killed{false};
  std::thread burst([&] {
    for (int i = 0; i < kChanges; ++i) {
      if (i == kChanges / 2) {
        TerminateProcess(front.process.Handle(), 9);
        WaitForSingleObject(front.process.Handle(), 10000);
        killed = true;
      }
      testutil::SetClipboardText("burst " + std::to_string(i));
    }
  });
  const std::string last = "burst " + std::to_string(kChanges - 1);
  const bool recorded = Recorded(last, 20000);
  burst.join();
  EXPECT_TRUE(killed);
  ASSERT_TRUE(recorded);
  ExpectNoDuplicates();
  Copy("after the burst");
  EXPECT_EQ(Row(RowCount() - 1), "after the burst");
}

}  // namespace
