// GoogleTest entry point shared by every test program: adds a hang watchdog, so that a test
// stuck in a modal loop or a message wait reports itself and exits with a distinctive code.
#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <thread>

namespace {

constexpr int kHangExitCode = 86;

int watchdog_seconds() {
  if (const char* text = std::getenv("PASTELLE_TEST_WATCHDOG")) {
    int value = std::atoi(text);
    if (value > 0) return value;
  }
  return 90;
}

}  // namespace

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);

  std::mutex mutex;
  std::condition_variable finished;
  bool done = false;
  std::thread watchdog([&] {
    std::unique_lock lock(mutex);
    if (!finished.wait_for(lock, std::chrono::seconds(watchdog_seconds()), [&] { return done; })) {
      std::fprintf(stderr, "watchdog: test program hung for %d s\n", watchdog_seconds());
      std::fflush(stderr);
      std::_Exit(kHangExitCode);
    }
  });

  int result = RUN_ALL_TESTS();
  {
    std::lock_guard lock(mutex);
    done = true;
  }
  finished.notify_one();
  watchdog.join();
  return result;
}
