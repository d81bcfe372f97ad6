// Throughput of the LZH decoder on a skin-like archive of about 300 KB and on 1 MB of text, beside
// memcpy of the same output as the floor. Run natively from an optimised build:
//   cmake -S . -B /tmp/bench -G Ninja -DCMAKE_BUILD_TYPE=Release
//   cmake --build /tmp/bench --target unpack_bench && /tmp/bench/skin/resources/bench/unpack_bench
// and under Wine from the Windows build (see tools/wine-session.sh):
//   source tools/wine-session.sh; wine_session_start BUILD/win
//   wine BUILD/win/skin/resources/bench/unpack_bench.exe; wine_session_stop
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "skin/resources/lzh.h"
#include "skin/resources/skin_reader.h"
#include "skin/resources/tests/skin_archive_builder.h"

namespace {

using skin::testing::Bytes;
using Clock = std::chrono::steady_clock;

Bytes EnglishLikeText(size_t size) {
  static const char* const kWords[] = {
      "the", "of", "and", "to", "in", "a", "is", "that", "for", "it", "as", "was", "with", "be",
      "by", "on", "not", "he", "this", "are", "or", "his", "from", "at", "which", "but", "have",
      "an", "had", "they", "you", "were", "their", "one", "all", "we", "can", "her", "has",
      "clipboard", "window", "history", "skin", "bitmap", "caption", "border", "button", "menu"};
  std::mt19937 random(42);
  std::string text;
  int column = 0;
  while (text.size() < size) {
    // Earlier words are much more frequent, as in prose.
    const size_t index = std::min<size_t>(random() % 12 * (random() % 5), std::size(kWords) - 1);
    text += kWords[index];
    column += static_cast<int>(std::strlen(kWords[index])) + 1;
    if (column > 70) {
      text += ".\r\n";
      column = 0;
    } else {
      text += ' ';
    }
  }
  text.resize(size);
  return Bytes(text.begin(), text.end());
}

template <typename Work>
double SecondsPerRun(Work work) {
  work();  // warm up
  int runs = 0;
  const auto start = Clock::now();
  auto elapsed = Clock::duration::zero();
  do {
    work();
    ++runs;
    elapsed = Clock::now() - start;
  } while (elapsed < std::chrono::milliseconds(700));
  return std::chrono::duration<double>(elapsed).count() / runs;
}

volatile uint8_t g_sink;

void Measure(const char* name, const Bytes& plain, bool is_archive) {
  const Bytes coded = LzhufEncode(plain);
  Bytes output;
  output.reserve(plain.size() + 64);

  const double unpack = SecondsPerRun([&] {
    output.clear();
    size_t position = 4;
    skin::TLZH lzh;
    lzh.Unpack(
        static_cast<int32_t>(plain.size()),
        [&](uint8_t* buffer, int32_t, int32_t& actual) {
          actual = position < coded.size() ? (*buffer = coded[position++], 1) : 0;
        },
        [&](const uint8_t* buffer, int32_t count, int32_t& actual) {
          output.push_back(*buffer);
          actual = count;
        });
    g_sink = output.back();
  });
  if (output != plain) std::printf("%s: OUTPUT DIFFERS\n", name);

  double read_archive = 0;
  skin::TMemoryStream source(coded);
  skin::TSkinReader reader;
  if (is_archive && reader.ReadArchive(source)) {
    read_archive = SecondsPerRun([&] {
      reader.ReadArchive(source);
      g_sink = reader.EntryData.Memory()[0];
    });
  }

  Bytes copy(plain.size());
  const double copy_time = SecondsPerRun([&] {
    std::memcpy(copy.data(), plain.data(), plain.size());
    g_sink = copy[g_sink % copy.size()];
  });

  const double mb = static_cast<double>(plain.size()) / 1e6;
  std::printf("%-22s %8zu -> %8zu bytes\n", name, coded.size(), plain.size());
  std::printf("  Unpack               %9.1f MB/s   memcpy/Unpack time ratio 1:%.0f\n",
              mb / unpack, unpack / copy_time);
  if (read_archive > 0) {
    std::printf("  ReadArchive (whole)  %9.1f MB/s\n", mb / read_archive);
  }
  std::printf("  memcpy               %9.1f MB/s\n", mb / copy_time);
}

}  // namespace

int main() {
  using namespace skin::testing;
  const Bytes skin_like = Archive(SkinLikeEntries());
  Measure("skin-like archive", skin_like, true);
  Measure("1 MB of text", EnglishLikeText(1 << 20), false);
  return 0;
}
