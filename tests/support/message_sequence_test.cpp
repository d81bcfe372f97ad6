// The expected-sequence tables proven on plain windows, before any skinner uses them.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>

#include "framework/handles.h"
#include "tests/support/message_recorder.h"
#include "tests/support/message_sequences.h"
#include "tests/support/win_test_util.h"

namespace {

using testutil::MessageRecorder;
using testutil::MessageSequence;
using testutil::PumpUntilQuiet;

HINSTANCE Instance() { return GetModuleHandleA(nullptr); }

// A window class whose procedure is the default one.
const char* PlainClass() {
  static const char* const name = [] {
    WNDCLASSA wc{};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = Instance();
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = "PastelleSequencePlain";
    RegisterClassA(&wc);
    return wc.lpszClassName;
  }();
  return name;
}

fw::UniqueWindow MakePlainWindow(const char* title, int x) {
  return fw::UniqueWindow(CreateWindowExA(0, PlainClass(), title, WS_OVERLAPPEDWINDOW, x, 100, 300, 200, nullptr,
                                          nullptr, Instance(), nullptr));
}

// A hidden window under test, recorded from its first show, and another active window of the
// same thread (so that activation moves between the two and the application stays active).
class PlainWindowSequence : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(other_);
    ShowWindow(other_.get(), SW_SHOW);
    testutil::PumpMessages(50);
    ASSERT_TRUE(window_);
    ASSERT_TRUE(recorder_.Attach(window_.get()));
  }

  // Shows the window, lets it settle and forgets what it received.
  void ShowSettled(int command = SW_SHOW) {
    ShowWindow(window_.get(), command);
    PumpUntilQuiet(recorder_);
    recorder_.Clear();
  }

  fw::UniqueWindow other_ = MakePlainWindow("other", 500);
  fw::UniqueWindow window_ = MakePlainWindow("under test", 100);
  MessageRecorder recorder_;
};

TEST_F(PlainWindowSequence, FirstShowActivatesSizesAndPaints) {
  ShowWindow(window_.get(), SW_SHOW);
  PumpUntilQuiet(recorder_);
  EXPECT_MESSAGE_SEQUENCE(recorder_, testutil::plain_window::kShowActivate, "ShowWindow(SW_SHOW)");
  EXPECT_EQ(GetActiveWindow(), window_.get());
}

TEST_F(PlainWindowSequence, AnotherWindowsActivationDeactivates) {
  ShowSettled();
  SetActiveWindow(other_.get());
  PumpUntilQuiet(recorder_);
  EXPECT_MESSAGE_SEQUENCE(recorder_, testutil::plain_window::kDeactivate, "SetActiveWindow(other)");
}

TEST_F(PlainWindowSequence, ActivationReturns) {
  ShowSettled();
  SetActiveWindow(other_.get());
  PumpUntilQuiet(recorder_);
  recorder_.Clear();
  SetActiveWindow(window_.get());
  PumpUntilQuiet(recorder_);
  EXPECT_MESSAGE_SEQUENCE(recorder_, testutil::plain_window::kActivate, "SetActiveWindow(window)");
}

TEST_F(PlainWindowSequence, SetWindowTextRedrawsTheCaption) {
  ShowSettled();
  SetWindowTextA(window_.get(), "a new caption");
  PumpUntilQuiet(recorder_);
  EXPECT_MESSAGE_SEQUENCE(recorder_, testutil::plain_window::kSetWindowText, "SetWindowText");
}

// Minimize, maximize and restore, through ShowWindow and through the window menu's commands.
struct StateChange {
  const char* name;
  int before;  // ShowWindow command that prepares the state, after the first show
  std::function<void(HWND)> act;
  MessageSequence expected;
  UINT shownAfterwards;  // SW_SHOWMINIMIZED, SW_SHOWMAXIMIZED or SW_SHOWNORMAL
};

void PrintTo(const StateChange& change, std::ostream* out) { *out << change.name; }

std::function<void(HWND)> ShowCommand(int command) {
  return [command](HWND window) { ShowWindow(window, command); };
}
std::function<void(HWND)> SysCommand(WPARAM command) {
  return [command](HWND window) { SendMessageA(window, WM_SYSCOMMAND, command, 0); };
}

class PlainWindowStateChange : public PlainWindowSequence, public testing::WithParamInterface<StateChange> {};

TEST_P(PlainWindowStateChange, MatchesTheTable) {
  const StateChange& change = GetParam();
  ShowSettled();
  if (change.before) ShowSettled(change.before);
  change.act(window_.get());
  PumpUntilQuiet(recorder_);
  EXPECT_MESSAGE_SEQUENCE(recorder_, change.expected, change.name);
  WINDOWPLACEMENT placement{sizeof placement};
  GetWindowPlacement(window_.get(), &placement);
  EXPECT_EQ(placement.showCmd, change.shownAfterwards);
}

namespace plain = testutil::plain_window;

INSTANTIATE_TEST_SUITE_P(
    Actions, PlainWindowStateChange,
    testing::Values(
        StateChange{"ShowWindowMinimize", 0, ShowCommand(SW_MINIMIZE), plain::kShowWindowMinimize, SW_SHOWMINIMIZED},
        StateChange{"ShowWindowRestoreFromMinimized", SW_MINIMIZE, ShowCommand(SW_RESTORE),
                    plain::kShowWindowRestoreFromMinimized, SW_SHOWNORMAL},
        StateChange{"ShowWindowMaximize", 0, ShowCommand(SW_MAXIMIZE), plain::kShowWindowMaximize, SW_SHOWMAXIMIZED},
        StateChange{"ShowWindowRestoreFromMaximized", SW_MAXIMIZE, ShowCommand(SW_RESTORE),
                    plain::kShowWindowRestoreFromMaximized, SW_SHOWNORMAL},
        StateChange{"SysCommandMinimize", 0, SysCommand(SC_MINIMIZE), plain::kSysCommandMinimize, SW_SHOWMINIMIZED},
        StateChange{"SysCommandRestoreFromMinimized", SW_MINIMIZE, SysCommand(SC_RESTORE),
                    plain::kSysCommandRestoreFromMinimized, SW_SHOWNORMAL},
        StateChange{"SysCommandMaximize", 0, SysCommand(SC_MAXIMIZE), plain::kSysCommandMaximize, SW_SHOWMAXIMIZED},
        StateChange{"SysCommandRestoreFromMaximized", SW_MAXIMIZE, SysCommand(SC_RESTORE),
                    plain::kSysCommandRestoreFromMaximized, SW_SHOWNORMAL}),
    [](const testing::TestParamInfo<StateChange>& param) { return std::string(param.param.name); });

// An MDI frame with a menu bar, its client and one child, each recorded in its role.
LRESULT CALLBACK FrameProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  const auto client = reinterpret_cast<HWND>(GetWindowLongPtrA(window, GWLP_USERDATA));
  return DefFrameProcA(window, client, message, wParam, lParam);
}

void RegisterMdiClasses() {
  static const bool registered = [] {
    WNDCLASSA wc{};
    wc.hInstance = Instance();
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.lpfnWndProc = FrameProcedure;
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_APPWORKSPACE + 1);
    wc.lpszClassName = "PastelleSequenceMdiFrame";
    RegisterClassA(&wc);
    wc.lpfnWndProc = DefMDIChildProcA;
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = "PastelleSequenceMdiChild";
    RegisterClassA(&wc);
    return true;
  }();
  (void)registered;
}

class MdiChildSequence : public testing::Test {
 protected:
  void SetUp() override {
    RegisterMdiClasses();
    fw::UniqueMenu menuBar(CreateMenu());
    HMENU windowMenu = CreatePopupMenu();
    AppendMenuA(windowMenu, MF_STRING, 100, "Tile");
    AppendMenuA(menuBar.get(), MF_POPUP, reinterpret_cast<UINT_PTR>(windowMenu), "Window");
    frame_.reset(CreateWindowExA(0, "PastelleSequenceMdiFrame", "Frame", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 50, 50,
                                 500, 400, nullptr, menuBar.get(), Instance(), nullptr));
    ASSERT_TRUE(frame_);
    (void)menuBar.release();  // the frame owns its menu bar now
    CLIENTCREATESTRUCT clientCreate{windowMenu, 1000};
    client_ = CreateWindowExA(0, "MDICLIENT", nullptr, WS_CHILD | WS_CLIPCHILDREN | WS_VISIBLE, 0, 0, 0, 0,
                              frame_.get(), nullptr, Instance(), &clientCreate);
    ASSERT_TRUE(client_);
    SetWindowLongPtrA(frame_.get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(client_));
    ShowWindow(frame_.get(), SW_SHOW);
    MDICREATESTRUCTA childCreate{"PastelleSequenceMdiChild", "Child", Instance(), 10, 10, 200, 150, 0, 0};
    child_ = reinterpret_cast<HWND>(SendMessageA(client_, WM_MDICREATE, 0, reinterpret_cast<LPARAM>(&childCreate)));
    ASSERT_TRUE(child_);
    ASSERT_TRUE(recorder_.Attach(child_));
    ASSERT_TRUE(recorder_.Attach(client_, testutil::kParent));
    ASSERT_TRUE(recorder_.Attach(frame_.get(), testutil::kGrandparent));
    PumpUntilQuiet(recorder_);
    recorder_.Clear();
  }

  // Sends an MDI command for the child to the client and lets everything settle.
  void Command(UINT message) {
    SendMessageA(client_, message, reinterpret_cast<WPARAM>(child_), 0);
    PumpUntilQuiet(recorder_);
  }

  std::string FrameCaption() const {
    char caption[64] = {};
    GetWindowTextA(frame_.get(), caption, sizeof caption);
    return caption;
  }

  fw::UniqueWindow frame_;
  HWND client_ = nullptr;
  HWND child_ = nullptr;
  MessageRecorder recorder_;
};

TEST_F(MdiChildSequence, MaximizeMovesTheChildsCaptionIntoTheFrame) {
  Command(WM_MDIMAXIMIZE);
  EXPECT_MESSAGE_SEQUENCE(recorder_, testutil::mdi::kChildMaximize, "WM_MDIMAXIMIZE");
  EXPECT_TRUE(IsZoomed(child_));
  EXPECT_EQ(FrameCaption(), "Frame - [Child]");
}

TEST_F(MdiChildSequence, RestoreGivesTheCaptionBack) {
  Command(WM_MDIMAXIMIZE);
  recorder_.Clear();
  Command(WM_MDIRESTORE);
  EXPECT_MESSAGE_SEQUENCE(recorder_, testutil::mdi::kChildRestore, "WM_MDIRESTORE");
  EXPECT_FALSE(IsZoomed(child_));
  EXPECT_EQ(FrameCaption(), "Frame");
}

}  // namespace
