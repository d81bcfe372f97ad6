// Capture speed of pastelle.exe beside a bare clipboard viewer (bare_viewer.exe: one window, a
// native report list view, on WM_DRAWCLIPBOARD it passes the message on, reads CF_TEXT and
// appends one row), measured side by side in one run (run by hand, not a test):
//   1. per clipboard change, from setting a text to its row being listed, for distinct texts
//      with 0 and with 1000 records listed at the start; each viewer runs alone in the chain, in
//      blocks ordered A B B A so that a drift of the machine's load falls on both alike;
//   2. a burst of back-to-back changes: how many distinct texts of the burst each lists;
//   3. a broken chain: a viewer in front of Pastelle is killed without leaving the chain, and a
//      text is set at once: the time until Pastelle lists it.
// Usage: capture_bench path\to\pastelle.exe path\to\bare_viewer.exe [texts [burst [NAME=path\to\other.exe ...]]]
// (defaults: 1000 texts, a burst of 500). Other builds of the program named after the burst (the
// program without its skin component, pastelle_plain.exe; an earlier build) are measured the
// same way, each beside the bare viewer.
#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "tests/support/bare_viewer.h"
#include "tests/support/child_process.h"
#include "tests/support/remote_list_view.h"
#include "tests/support/timing.h"
#include "tests/support/win_test_util.h"

namespace {

using testutil::Median;
using testutil::Now;

struct ViewerKind {
  std::string name;
  std::string program;
  const char* windowClass;
  const char* listClass;
};

// A hidden window that owns what this program puts on the clipboard.
HWND ClipboardOwner() {
  static HWND owner = [] {
    WNDCLASSA wc{};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "CaptureBenchOwner";
    RegisterClassA(&wc);
    return CreateWindowExA(0, wc.lpszClassName, "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, wc.hInstance, nullptr);
  }();
  return owner;
}

// Sets a text as fast as the clipboard allows: no pause between attempts to open it.
void SetText(const std::string& text) {
  const double deadline = Now() + 5;
  while (!OpenClipboard(ClipboardOwner())) {
    if (Now() > deadline) {
      std::printf("the clipboard stays open\n");
      std::exit(2);
    }
    Sleep(0);
  }
  EmptyClipboard();
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
  std::memcpy(GlobalLock(memory), text.c_str(), text.size() + 1);
  GlobalUnlock(memory);
  SetClipboardData(CF_TEXT, memory);
  CloseClipboard();
}

// One viewer program running alone in the clipboard-viewer chain.
class RunningViewer {
 public:
  explicit RunningViewer(const ViewerKind& kind) : kind_(kind) {
    if (!process_.Start(kind.program)) Fail("cannot start");
    window_ = process_.WaitForWindow(kind.windowClass, true, 30000);
    if (!window_) Fail("shows no window");
    HWND list = FindWindowExA(window_, nullptr, kind.listClass, nullptr);
    if (!list) Fail("has no list view");
    list_ = std::make_unique<testutil::RemoteListView>(list, process_.Id());
    if (!list_->Valid()) Fail("list cannot be read");
    if (!testutil::PumpUntil([&] { return GetClipboardViewer() == window_; }, 10000)) Fail("does not join the chain");
  }
  ~RunningViewer() {
    PostMessageA(window_, WM_CLOSE, 0, 0);
    if (!process_.WaitForExit(10000)) process_.Kill();
  }
  RunningViewer(const RunningViewer&) = delete;
  RunningViewer& operator=(const RunningViewer&) = delete;

  // True once the newest row holds the text.
  [[nodiscard]] bool Lists(const std::string& text) const {
    const int count = list_->Count();
    return count > 0 && list_->Text(count - 1) == text;
  }
  bool WaitUntilListed(const std::string& text, double timeoutSeconds) const {
    const double deadline = Now() + timeoutSeconds;
    while (!Lists(text)) {
      if (Now() > deadline) return false;
      Sleep(0);
    }
    return true;
  }
  // Seconds from setting the text to its row being listed.
  double TimeOneChange(const std::string& text) const {
    const double start = Now();
    SetText(text);
    if (!WaitUntilListed(text, 10)) Fail(("never lists \"" + text + "\"").c_str());
    return Now() - start;
  }
  [[nodiscard]] const testutil::RemoteListView& List() const { return *list_; }
  [[nodiscard]] testutil::ChildProcess& Process() { return process_; }
  [[nodiscard]] HWND Window() const { return window_; }

 private:
  [[noreturn]] void Fail(const char* what) const {
    std::printf("%s %s\n", kind_.name.c_str(), what);
    std::exit(2);
  }
  const ViewerKind& kind_;
  testutil::ChildProcess process_;
  HWND window_ = nullptr;
  std::unique_ptr<testutil::RemoteListView> list_;
};

int g_serial = 0;
std::string NextText(const char* what) {
  char text[96];
  std::snprintf(text, sizeof text, "capture bench %s %06d %08lx", what, ++g_serial,
                static_cast<unsigned long>(GetTickCount()));
  return text;
}

struct ChangeTimes {
  std::vector<double> seconds;
  double total = 0;
};

// Times `count` distinct texts with the viewer alone in the chain, after `listed` untimed ones.
void TimeBlock(const ViewerKind& kind, int listed, int count, ChangeTimes& times) {
  RunningViewer viewer(kind);
  for (int i = 0; i < listed; ++i) viewer.TimeOneChange(NextText("fill"));
  const double start = Now();
  for (int i = 0; i < count; ++i) times.seconds.push_back(viewer.TimeOneChange(NextText("change")));
  times.total += Now() - start;
}

double Mean(const ChangeTimes& t) { return t.seconds.empty() ? 0 : t.total / static_cast<double>(t.seconds.size()); }

// Each program beside the bare viewer, in blocks A B B A: each half of the texts once early and
// once late, so that a drift of the machine's load falls on both alike.
void BenchPerChange(const std::vector<ViewerKind>& kinds, int texts, int listed) {
  const ViewerKind& bare = kinds.back();
  for (size_t k = 0; k + 1 < kinds.size(); ++k) {
    ChangeTimes program, yardstick;
    TimeBlock(kinds[k], listed, texts / 2, program);
    TimeBlock(bare, listed, texts / 2, yardstick);
    TimeBlock(bare, listed, texts - texts / 2, yardstick);
    TimeBlock(kinds[k], listed, texts - texts / 2, program);
    std::printf(
        "%zu distinct texts, %4d listed at the start: %-22s median %6.2f ms, mean %6.2f ms | "
        "bare viewer median %6.2f ms, mean %6.2f ms | ratio median x%.2f, mean x%.2f\n",
        program.seconds.size(), listed, kinds[k].name.c_str(), Median(program.seconds) * 1e3, Mean(program) * 1e3,
        Median(yardstick.seconds) * 1e3, Mean(yardstick) * 1e3, Median(program.seconds) / Median(yardstick.seconds),
        Mean(program) / Mean(yardstick));
    std::fflush(stdout);
  }
}

std::vector<double> g_burstSeconds;

// Sets `count` texts back to back, then counts how many of them the viewer lists.
int DistinctListedInBurst(const ViewerKind& kind, int count) {
  RunningViewer viewer(kind);
  // A viewer that has just started may still be busy drawing itself.
  viewer.TimeOneChange(NextText("before the burst"));
  testutil::PumpMessages(500);
  std::vector<std::string> burst;
  for (int i = 0; i < count; ++i) burst.push_back(NextText("burst"));
  const double start = Now();
  for (const std::string& text : burst) SetText(text);
  g_burstSeconds.push_back(Now() - start);
  // The viewer is done when its list stops changing for half a second (the last text may be
  // lost when the clipboard was busy at its notice).
  int last = -1;
  double quietSince = Now();
  while (Now() - quietSince < 0.5) {
    int rows = viewer.List().Count();
    if (rows != last) {
      last = rows;
      quietSince = Now();
    }
    Sleep(20);
  }
  if (testutil::FindProcessWindow(viewer.Process().Id(), "#32770", true))
    std::printf("%s shows a message box after the burst\n", kind.name.c_str());
  std::set<std::string> listed;
  for (const std::string& text : viewer.List().Texts()) listed.insert(text);
  return static_cast<int>(
      std::count_if(burst.begin(), burst.end(), [&](const std::string& text) { return listed.count(text) > 0; }));
}

void BenchBurst(const std::vector<ViewerKind>& kinds, int count) {
  constexpr int kRounds = 4;
  std::vector<std::vector<double>> listed(kinds.size());
  for (int round = 0; round < kRounds; ++round) {
    // Every other round in the opposite order.
    for (size_t i = 0; i < kinds.size(); ++i) {
      const size_t k = round % 2 == 0 ? i : kinds.size() - 1 - i;
      listed[k].push_back(DistinctListedInBurst(kinds[k], count));
    }
  }
  std::printf("burst of %d back-to-back changes (median %.0f ms to set), distinct texts listed in %d rounds:\n", count,
              Median(g_burstSeconds) * 1e3, kRounds);
  for (size_t k = 0; k < kinds.size(); ++k) {
    std::string runs;
    for (double n : listed[k]) runs += " " + std::to_string(static_cast<int>(n));
    std::printf("  %-26s median %4.0f; rounds:%s\n", kinds[k].name.c_str(), Median(listed[k]), runs.c_str());
  }
}

// A bare viewer joins in front of Pastelle and is killed; a text is set at once.
void BenchBrokenChain(const ViewerKind& pastelle, const ViewerKind& bare) {
  std::vector<double> times;
  RunningViewer main(pastelle);
  for (int round = 0; round < 5; ++round) {
    {
      RunningViewer front(bare);
      front.Process().Kill();
    }
    std::string text = NextText("after the break");
    const double start = Now();
    SetText(text);
    if (!main.WaitUntilListed(text, 10)) {
      std::printf("broken chain: %s never lists the text set after the break\n", pastelle.name.c_str());
      return;
    }
    times.push_back(Now() - start);
    // The next round starts at another phase of the watch.
    Sleep(137 * static_cast<DWORD>(round + 1));
  }
  std::string line;
  for (double t : times) line += " " + std::to_string(static_cast<int>(t * 1e3));
  std::printf("broken chain to the first recorded text (%s): median %.0f ms; runs (ms):%s\n", pastelle.name.c_str(),
              Median(times) * 1e3, line.c_str());
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::printf("usage: capture_bench pastelle.exe bare_viewer.exe [texts [burst [NAME=other.exe ...]]]\n");
    return 2;
  }
  const int texts = argc > 3 ? std::atoi(argv[3]) : 1000;
  const int burst = argc > 4 ? std::atoi(argv[4]) : 500;
  if (HWND viewer = GetClipboardViewer()) {
    std::printf("another clipboard viewer (%p) is in the chain: measure in a session of your own\n",
                static_cast<void*>(viewer));
    return 2;
  }
  std::vector<ViewerKind> kinds{{"Pastelle", argv[1], "TForm1", "TListView"}};
  for (int i = 5; i < argc; ++i) {
    const std::string named = argv[i];
    const size_t equals = named.find('=');
    if (equals == std::string::npos) {
      std::printf("expected NAME=path, not %s\n", argv[i]);
      return 2;
    }
    kinds.push_back({named.substr(0, equals), named.substr(equals + 1), "TForm1", "TListView"});
  }
  kinds.push_back({"bare viewer", argv[2], testutil::kBareViewerClass, WC_LISTVIEWA});

  BenchPerChange(kinds, texts, 0);
  BenchPerChange(kinds, texts, 1000);
  BenchBurst(kinds, burst);
  BenchBrokenChain(kinds.front(), kinds.back());
  return 0;
}
