// Speed of the LZH decoder beside the textbook decoder (the floor) and memcpy, on the three
// samples of bench_samples.h. Not a test. Run natively from an optimised build:
//   cmake -S . -B /tmp/bench -G Ninja -DCMAKE_BUILD_TYPE=Release
//   cmake --build /tmp/bench --target unpack_bench skinpack && /tmp/bench/skin/resources/bench/unpack_bench
// and under Wine from the Windows build (see tools/wine-session.sh):
//   source tools/wine-session.sh; wine_session_start BUILD/win
//   wine BUILD/win/skin/resources/bench/unpack_bench.exe; wine_session_stop
// Whole processes (skinpack lzh-decode against this program's textbook-decode, files written):
//   bash skin/resources/bench/decode_processes.sh /tmp/bench
//
//   unpack_bench                      in-process timing
//   unpack_bench write-samples DIR    the samples as files
//   unpack_bench textbook-decode IN OUT
//                                     expand a raw LZHUF file (4-byte length + bits) the textbook way
#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <string>
#include <vector>

#include "skin/resources/bench/bench_samples.h"
#include "skin/resources/bench/textbook_lzhuf.h"
#include "skin/resources/memory_stream.h"
#include "skin/resources/skin_reader.h"
#include "tools/lzhuf/lzhuf_encoder.h"

namespace {

using Bytes = std::vector<uint8_t>;
using Clock = std::chrono::steady_clock;

uint32_t LengthOf(const Bytes& coded) {
  return coded[0] | coded[1] << 8 | coded[2] << 16 | static_cast<uint32_t>(coded[3]) << 24;
}

volatile uint8_t g_sink;

// The clock the timings use: processor time where the C library's clock() gives it, since a busy
// machine disturbs it far less than the wall clock; on Windows clock() is the wall clock.
#ifdef _WIN32
constexpr const char* kClockName = "wall clock";
double Now() { return std::chrono::duration<double>(Clock::now().time_since_epoch()).count(); }
#else
constexpr const char* kClockName = "processor time";
double Now() { return static_cast<double>(std::clock()) / CLOCKS_PER_SEC; }
#endif

// Seconds per run of each piece of work: the pieces take turns in rounds of about 60 ms, so that
// a busy spell of the machine falls on all of them alike, and each keeps its fastest round.
template <typename... Work>
std::array<double, sizeof...(Work)> SecondsPerRun(Work... work) {
  (work(), ...);  // warm up
  std::array<double, sizeof...(Work)> best;
  best.fill(1e9);
  for (int round = 0; round < 15; ++round) {
    size_t index = 0;
    const auto time = [&](auto& one) {
      int runs = 0;
      const double start = Now();
      double elapsed = 0;
      do {
        one();
        ++runs;
        elapsed = Now() - start;
      } while (elapsed < 0.06);
      best[index] = std::min(best[index], elapsed / runs);
      ++index;
    };
    (time(work), ...);
  }
  return best;
}

void Measure(const bench::Sample& sample) {
  const Bytes coded = LzhufEncode(sample.bytes);
  const uint32_t length = LengthOf(coded);
  const std::span<const uint8_t> bits = std::span(coded).subspan(4);

  Bytes floor_output;
  skin::TMemoryStream source(coded);
  skin::TMemoryStream target;
  Bytes copy(sample.bytes.size());
  const auto [textbook, unpack, copy_time] = SecondsPerRun(
      [&] {
        floor_output = textbook::Decode(bits, length);
        g_sink = floor_output.back();
      },
      [&] {
        // As ReadArchive expands a skin file: TLZH::UnpackStreams from InStream to OutStream.
        skin::ExpandSkinFile(source, target, skin::TSkinReader::kMaxDecodedLength);
        g_sink = target.Memory()[0];
      },
      [&] {
        std::memcpy(copy.data(), sample.bytes.data(), sample.bytes.size());
        g_sink = copy[g_sink % copy.size()];
      });

  const bool floor_right = std::equal(sample.bytes.begin(), sample.bytes.end(), floor_output.begin(),
                                      floor_output.begin() + std::min(floor_output.size(), sample.bytes.size()));
  const bool unpack_right =
      target.Size() >= sample.bytes.size() && std::equal(sample.bytes.begin(), sample.bytes.end(), target.Memory());
  const double mb = static_cast<double>(sample.bytes.size()) / 1e6;
  std::printf("%-16s %8zu bytes coded to %7zu\n", sample.file_name.c_str(), sample.bytes.size(), coded.size());
  std::printf("  textbook decoder             %7.1f MB/s  %7.3f ms%s\n", mb / textbook, textbook * 1e3,
              floor_right ? "" : "  OUTPUT DIFFERS");
  std::printf("  Unpack, the reader's binding %7.1f MB/s  %7.3f ms  textbook/Unpack time %.2f%s\n", mb / unpack,
              unpack * 1e3, textbook / unpack, unpack_right ? "" : "  OUTPUT DIFFERS");
  std::printf("  memcpy                       %7.1f MB/s\n", mb / copy_time);
}

bool WriteFile(const std::string& path, std::span<const uint8_t> bytes) {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) return false;
  const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  return std::fclose(file) == 0 && written;
}

bool ReadFile(const std::string& path, Bytes& bytes) {
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (file == nullptr) return false;
  uint8_t block[65536];
  size_t n;
  while ((n = std::fread(block, 1, sizeof block, file)) > 0) bytes.insert(bytes.end(), block, block + n);
  const bool read = std::ferror(file) == 0;
  std::fclose(file);
  return read;
}

// The floor as a whole process: read the file, expand into an array, write the announced length.
int TextbookDecode(const std::string& in, const std::string& out) {
  Bytes coded;
  if (!ReadFile(in, coded) || coded.size() < 4) {
    std::fprintf(stderr, "cannot read %s\n", in.c_str());
    return 1;
  }
  const uint32_t length = LengthOf(coded);
  const Bytes expanded = textbook::Decode(std::span(coded).subspan(4), length);
  if (!WriteFile(out, std::span(expanded).first(std::min<size_t>(length, expanded.size())))) {
    std::fprintf(stderr, "cannot write %s\n", out.c_str());
    return 1;
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> arguments(argv + 1, argv + argc);
  if (arguments.size() == 2 && arguments[0] == "write-samples") {
    for (const bench::Sample& sample : bench::DecoderSamples()) {
      if (!WriteFile(arguments[1] + "/" + sample.file_name, sample.bytes)) return 1;
    }
    return 0;
  }
  if (arguments.size() == 3 && arguments[0] == "textbook-decode") return TextbookDecode(arguments[1], arguments[2]);
  if (!arguments.empty()) {
    std::fprintf(stderr, "usage: unpack_bench [write-samples DIR | textbook-decode IN OUT]\n");
    return 2;
  }
  std::printf("times are %s\n", kClockName);
  for (const bench::Sample& sample : bench::DecoderSamples()) Measure(sample);
  return 0;
}
