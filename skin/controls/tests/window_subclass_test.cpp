// The subclass chain with real windows: layers leaving in every order, Unicode windows, windows
// destroyed under another library's subclass, layers released inside their own messages, and
// exceptions caught at the window procedure.
#include "skin/controls/window_subclass.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <stdexcept>
#include <string>
#include <vector>

#include "tests/support/win_test_util.h"

namespace {

// What reached which procedure, in order, for WM_APP.
std::vector<std::string> g_seen;

LRESULT CALLBACK OwnProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_APP) {
    g_seen.push_back("own");
    return 7;
  }
  return DefWindowProcA(window, msg, wParam, lParam);
}

LRESULT CALLBACK OwnProcW(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_APP) {
    g_seen.push_back("own");
    return 7;
  }
  return DefWindowProcW(window, msg, wParam, lParam);
}

// A layer that logs WM_APP under its name and passes everything on.
class NamedLayer : public skin::SubclassLayer {
 public:
  explicit NamedLayer(std::string name) : name_(std::move(name)) {}
  std::function<void()> onApp;  // runs before the message goes on
  bool throwOnApp = false;
  bool destroyedSeen = false;

 protected:
  LRESULT WindowMessage(UINT msg, WPARAM wParam, LPARAM lParam) override {
    if (msg == WM_APP) {
      g_seen.push_back(name_);
      if (onApp) onApp();
      if (throwOnApp) throw std::runtime_error("layer " + name_ + " failed");
    }
    return CallNextProc(msg, wParam, lParam);
  }
  void WindowDestroyed() noexcept override { destroyedSeen = true; }

 private:
  std::string name_;
};

class SubclassChainTest : public testing::Test {
 protected:
  void SetUp() override {
    WNDCLASSA wc{};
    wc.lpfnWndProc = OwnProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "SubclassChainTest";
    RegisterClassA(&wc);
    WNDCLASSW wcw{};
    wcw.lpfnWndProc = OwnProcW;
    wcw.hInstance = GetModuleHandleA(nullptr);
    wcw.lpszClassName = L"SubclassChainTestW";
    RegisterClassW(&wcw);
    g_seen.clear();
  }
  void TearDown() override {
    for (HWND window : windows_)
      if (IsWindow(window)) DestroyWindow(window);
    skin::SetSkinnerErrorReporter(nullptr);
  }
  HWND NewWindow() {
    HWND window = CreateWindowExA(0, "SubclassChainTest", "", WS_OVERLAPPED, 0, 0, 50, 50, nullptr, nullptr,
                                  GetModuleHandleA(nullptr), nullptr);
    windows_.push_back(window);
    return window;
  }
  HWND NewUnicodeWindow() {
    HWND window = CreateWindowExW(0, L"SubclassChainTestW", L"", WS_OVERLAPPED, 0, 0, 50, 50, nullptr, nullptr,
                                  GetModuleHandleA(nullptr), nullptr);
    windows_.push_back(window);
    return window;
  }
  static std::vector<std::string> Deliver(HWND window) {
    g_seen.clear();
    EXPECT_EQ(SendMessageA(window, WM_APP, 0, 0), 7);
    return g_seen;
  }

  std::vector<HWND> windows_;
};

using Seen = std::vector<std::string>;

TEST_F(SubclassChainTest, ThreeLayersLeaveInEveryOrder) {
  std::array<int, 3> order{0, 1, 2};
  do {
    HWND window = NewWindow();
    const LONG_PTR own = GetWindowLongPtrA(window, GWLP_WNDPROC);
    NamedLayer layers[3] = {NamedLayer("a"), NamedLayer("b"), NamedLayer("c")};
    for (auto& layer : layers) ASSERT_TRUE(layer.JoinChain(window));
    EXPECT_EQ(Deliver(window), (Seen{"c", "b", "a", "own"})) << "the newest layer sees a message first";

    Seen expected{"c", "b", "a"};
    for (int index : order) {
      layers[index].LeaveChain();
      expected.erase(std::find(expected.begin(), expected.end(), std::string(1, static_cast<char>('a' + index))));
      Seen withOwn = expected;
      withOwn.push_back("own");
      EXPECT_EQ(Deliver(window), withOwn)
          << "after layer " << index << " left, order " << order[0] << order[1] << order[2];
    }
    EXPECT_EQ(GetWindowLongPtrA(window, GWLP_WNDPROC), own) << "the window's own procedure is back";
    EXPECT_EQ(skin::LayerCount(window), 0u);
    DestroyWindow(window);
  } while (std::next_permutation(order.begin(), order.end()));
  EXPECT_EQ(skin::SubclassedWindowCount(), 0u);
}

TEST_F(SubclassChainTest, UnicodeWindowStaysUnicodeAndGetsWideText) {
  HWND window = NewUnicodeWindow();
  ASSERT_TRUE(IsWindowUnicode(window));
  const LONG_PTR own = GetWindowLongPtrW(window, GWLP_WNDPROC);
  NamedLayer layer("a");
  ASSERT_TRUE(layer.JoinChain(window));
  EXPECT_TRUE(IsWindowUnicode(window)) << "the window must not become an ANSI window";
  const wchar_t* text = L"\x4E2D\x6587 \x00E9t\x00E9";
  SetWindowTextW(window, text);
  wchar_t back[32] = {};
  GetWindowTextW(window, back, 32);
  EXPECT_STREQ(back, text) << "a wide text passes the chain unconverted";
  EXPECT_EQ(Deliver(window), (Seen{"a", "own"}));
  layer.LeaveChain();
  EXPECT_EQ(GetWindowLongPtrW(window, GWLP_WNDPROC), own);
  EXPECT_TRUE(IsWindowUnicode(window));
}

// A procedure installed on top of the chain, as another library would.
WNDPROC g_belowForeign = nullptr;
LRESULT CALLBACK ForeignProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_APP) g_seen.push_back("foreign");
  return CallWindowProcA(g_belowForeign, window, msg, wParam, lParam);
}

TEST_F(SubclassChainTest, LaterSubclassIsNeverCutOutAndTheRecordGoesWithTheWindow) {
  HWND window = NewWindow();
  NamedLayer first("a");
  ASSERT_TRUE(first.JoinChain(window));
  g_belowForeign =
      reinterpret_cast<WNDPROC>(SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ForeignProc)));
  first.LeaveChain();
  EXPECT_EQ(GetWindowLongPtrA(window, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(ForeignProc));
  EXPECT_EQ(Deliver(window), (Seen{"foreign", "own"})) << "the chain passes straight through";

  NamedLayer second("b");
  ASSERT_TRUE(second.JoinChain(window)) << "a new layer joins the chain that is still installed";
  EXPECT_EQ(Deliver(window), (Seen{"foreign", "b", "own"}));

  DestroyWindow(window);
  EXPECT_TRUE(second.destroyedSeen);
  EXPECT_FALSE(second.IsSubclassed());
  EXPECT_EQ(skin::SubclassedWindowCount(), 0u) << "no entry is left for a dead window";

  // Handles are recycled: whatever window comes next starts afresh.
  HWND next = NewWindow();
  NamedLayer third("c");
  EXPECT_TRUE(third.JoinChain(next));
  EXPECT_EQ(Deliver(next), (Seen{"c", "own"}));
}

TEST_F(SubclassChainTest, LayerReleasedInsideItsOwnMessageIsFreedWhenTheOutermostReturns) {
  HWND window = NewWindow();
  bool freed = false;
  bool freedBeforeReturn = false;
  auto* layer = new NamedLayer("a");
  NamedLayer below("below");
  ASSERT_TRUE(below.JoinChain(window));
  ASSERT_TRUE(layer->JoinChain(window));
  layer->onApp = [&] {
    skin::ReleaseWhenIdle(layer, [&freed, layer] {
      freed = true;
      delete layer;
    });
    // A nested message of the same window: the layer has left the chain already.
    g_seen.push_back("nested:" + std::to_string(SendMessageA(window, WM_APP + 1, 0, 0)));
    freedBeforeReturn = freed;
  };
  EXPECT_EQ(Deliver(window), (Seen{"a", "nested:0", "below", "own"}))
      << "the released layer still passes its message on to what was below it";
  EXPECT_FALSE(freedBeforeReturn) << "freed while its handler still ran";
  EXPECT_TRUE(freed);
  EXPECT_EQ(Deliver(window), (Seen{"below", "own"}));
}

TEST_F(SubclassChainTest, ExceptionIsCaughtThePreviousProcedureRunsAndTheErrorIsReportedAfterwards) {
  HWND window = NewWindow();
  NamedLayer failing("a");
  failing.throwOnApp = true;
  ASSERT_TRUE(failing.JoinChain(window));
  std::vector<std::string> reported;
  bool insideMessage = false;
  bool reportedInside = false;
  skin::SetSkinnerErrorReporter([&](const std::string& text) {
    reportedInside = reportedInside || insideMessage;
    reported.push_back(text);
  });
  failing.onApp = [&] {
    insideMessage = true;
    testutil::PumpMessages(20);  // even a modal loop inside the message does not report yet
    insideMessage = false;
  };
  EXPECT_EQ(Deliver(window), (Seen{"a", "own"})) << "the window still gets the message";
  failing.onApp = nullptr;
  EXPECT_TRUE(testutil::PumpUntil([&] { return !reported.empty(); }, 2000));
  ASSERT_EQ(reported.size(), 1u);
  EXPECT_EQ(reported.front(), "layer a failed");
  EXPECT_FALSE(reportedInside);
}

TEST_F(SubclassChainTest, BusyScopeDefersAReleaseUntilItEnds) {
  HWND window = NewWindow();
  auto* layer = new NamedLayer("a");
  ASSERT_TRUE(layer->JoinChain(window));
  bool freed = false;
  {
    skin::WindowBusyScope busy(window);
    skin::ReleaseWhenIdle(layer, [&freed, layer] {
      freed = true;
      delete layer;
    });
    EXPECT_FALSE(freed);
    EXPECT_EQ(Deliver(window), (Seen{"own"})) << "released layers see no message";
  }
  EXPECT_TRUE(freed);
}

TEST_F(SubclassChainTest, ManyWindowsLeaveNoRecords) {
  for (int i = 0; i < 200; ++i) {
    HWND window = NewWindow();
    NamedLayer a("a"), b("b");
    ASSERT_TRUE(a.JoinChain(window));
    ASSERT_TRUE(b.JoinChain(window));
    if (i % 2) a.LeaveChain();
    DestroyWindow(window);
  }
  windows_.clear();
  EXPECT_EQ(skin::SubclassedWindowCount(), 0u);
}

}  // namespace
