// Timing of the clipboard history (run by hand, not a test):
//   1. handling one clipboard change with 1000 records listed, for texts of 1 KB and 64 KB,
//      new and duplicate, beside a bare memcmp scan of the same texts as the floor;
//   2. start-up of pastelle.exe to a shown window, and its private bytes with 1000 records of 1 KB.
// Usage: history_bench [path\to\pastelle.exe]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "app/main_form.h"
#include "framework/application.h"
#include "tests/support/timing.h"
#include "tests/support/win_test_util.h"

namespace {

using testutil::Median;
using testutil::Now;

// Texts of one size that differ only in their last bytes: every comparison reads them whole.
std::string Text(size_t size, int serial) {
  std::string text(size, 'a');
  std::string tail = "#" + std::to_string(serial);
  std::memcpy(text.data() + size - tail.size(), tail.data(), tail.size());
  return text;
}

void BenchClipboardChange(size_t size) {
  fw::TApplication app;
  app.Initialize();
  fw::RegisterComponentClass(pastelle::TForm1::StaticClass());
  fw::RegisterComponentClass(skin::TSkinData::StaticClass());
  auto* form = app.CreateForm<pastelle::TForm1>();
  form->Show();
  // Out of the chain: the clipboard is set untimed, the notification is sent timed.
  ChangeClipboardChain(form->Handle(), form->NextViewer);
  form->NextViewer = nullptr;
  std::vector<std::string> listed;
  for (int i = 0; i < 1000; ++i) {
    listed.push_back(Text(size, i));
    form->ListView1->Items()->Add(listed.back(), {"0:00:00"});
  }

  const int rounds = size > 4096 ? 40 : 200;
  std::vector<double> duplicate, fresh, floorDuplicate, floorFresh;
  for (int r = 0; r < rounds; ++r) {
    // Duplicate of the newest record: the scan runs through all 1000.
    std::string same = form->ListView1->Items()->Item(999)->Caption();
    testutil::SetClipboardText(same);
    double t0 = Now();
    SendMessageA(form->Handle(), WM_DRAWCLIPBOARD, 0, 0);
    duplicate.push_back(Now() - t0);

    std::string novel = Text(size, 100000 + r);
    testutil::SetClipboardText(novel);
    t0 = Now();
    SendMessageA(form->Handle(), WM_DRAWCLIPBOARD, 0, 0);
    fresh.push_back(Now() - t0);

    // The floor: length test and memcmp over the same texts.
    auto scan = [&](const std::string& probe) {
      volatile int found = -1;
      for (int i = 0; i < form->ListView1->Items()->Count(); ++i) {
        const std::string& t = form->ListView1->Items()->Item(i)->Caption();
        if (t.size() == probe.size() && std::memcmp(t.data(), probe.data(), t.size()) == 0) {
          found = i;
          break;
        }
      }
      (void)found;
    };
    t0 = Now();
    scan(same);
    floorDuplicate.push_back(Now() - t0);
    std::string other = Text(size, 900000 + r);
    t0 = Now();
    scan(other);
    floorFresh.push_back(Now() - t0);
  }
  double d = Median(duplicate), f = Median(fresh), fd = Median(floorDuplicate), ff = Median(floorFresh);
  std::printf(
      "change with 1000 records, %6zu-byte texts: duplicate %8.1f us (floor %7.1f us, x%.1f), "
      "new %8.1f us (floor %7.1f us, x%.1f)\n",
      size, d * 1e6, fd * 1e6, d / fd, f * 1e6, ff * 1e6, f / ff);
}

struct Child {
  PROCESS_INFORMATION info{};
  ~Child() {
    if (info.hProcess) {
      TerminateProcess(info.hProcess, 0);
      WaitForSingleObject(info.hProcess, 5000);
      CloseHandle(info.hProcess);
      CloseHandle(info.hThread);
    }
  }
};

void BenchStartUp(const std::string& exe) {
  std::vector<double> times;
  for (int run = 0; run < 5; ++run) {
    Child child;
    std::string command = "\"" + exe + "\"";
    STARTUPINFOA startup{sizeof startup};
    double t0 = Now();
    if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &child.info)) {
      std::printf("cannot start %s\n", exe.c_str());
      return;
    }
    HWND window = nullptr;
    while (!(window = testutil::FindProcessWindow(child.info.dwProcessId, "TForm1", true)) && Now() - t0 < 20) Sleep(1);
    times.push_back(Now() - t0);
  }
  std::printf("start-up to a shown window: median %.0f ms of 5 runs\n", Median(times) * 1e3);
}

// Committed private memory of this process, summed over its address space (Wine leaves the
// PrivateUsage counter at 0).
SIZE_T PrivateBytes() {
  SIZE_T total = 0;
  MEMORY_BASIC_INFORMATION info;
  for (const char* p = nullptr; VirtualQuery(p, &info, sizeof info) == sizeof info;
       p = static_cast<const char*>(info.BaseAddress) + info.RegionSize) {
    if (info.State == MEM_COMMIT && info.Type == MEM_PRIVATE) total += info.RegionSize;
    if (info.RegionSize == 0) break;
  }
  return total;
}

// Private bytes of this process around a main window that records 1000 texts of 1 KB through
// the real clipboard path.
void BenchMemory() {
  SIZE_T before = PrivateBytes();
  fw::TApplication app;
  app.Initialize();
  fw::RegisterComponentClass(pastelle::TForm1::StaticClass());
  fw::RegisterComponentClass(skin::TSkinData::StaticClass());
  auto* form = app.CreateForm<pastelle::TForm1>();
  form->Show();
  SIZE_T shown = PrivateBytes();
  for (int i = 0; i < 1000; ++i) testutil::SetClipboardText(Text(1024, i));
  testutil::PumpMessages(50);
  SIZE_T filled = PrivateBytes();
  std::printf("private bytes: +%.1f MB for the shown window, +%.1f MB more with %d records of 1 KB\n",
              static_cast<double>(shown - before) / 1048576.0, static_cast<double>(filled - shown) / 1048576.0,
              form->ListView1->Items()->Count());
}

}  // namespace

int main(int argc, char** argv) {
  // Start-up first: the in-process windows below take the instance mutex for this process.
  if (argc > 1) BenchStartUp(argv[1]);
  BenchMemory();
  BenchClipboardChange(1024);
  BenchClipboardChange(64 * 1024);
  return 0;
}
