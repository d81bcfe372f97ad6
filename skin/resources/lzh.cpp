#include "skin/resources/lzh.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <new>

namespace skin {

using namespace lzh;

static_assert(kDistance.upper[0x1F] == 0 && kDistance.bits[0x1F] == 3);
static_assert(kDistance.upper[0x20] == 1 && kDistance.upper[0x4F] == 3 && kDistance.bits[0x4F] == 4);
static_assert(kDistance.upper[0x50] == 4 && kDistance.upper[0x8F] == 11 && kDistance.bits[0x8F] == 5);
static_assert(kDistance.upper[0x90] == 12 && kDistance.upper[0xBF] == 23 && kDistance.bits[0xBF] == 6);
static_assert(kDistance.upper[0xC0] == 24 && kDistance.upper[0xEF] == 47 && kDistance.bits[0xEF] == 7);
static_assert(kDistance.upper[0xF0] == 48 && kDistance.upper[0xFF] == 63 && kDistance.bits[0xFF] == 8);

TLZH::TLZH() = default;
TLZH::~TLZH() = default;

void TLZH::InitTables() {
  tables_.reset(new (std::nothrow) Tables);
  if (!tables_) throw ElzhException(kLzhNoMemoryMessage);
}

void TLZH::FreeTables() { tables_.reset(); }

void TLZH::StartHuff() noexcept {
  auto& freq = tables_->Freq;
  auto& son = tables_->Son;
  auto& prnt = tables_->Prnt;
  for (int c = 0; c < N_CHAR; ++c) {
    freq[c] = 1;
    son[c] = static_cast<int16_t>(c + T);
    prnt[c + T] = static_cast<int16_t>(c);
  }
  for (int i = 0, j = N_CHAR; j <= R; i += 2, ++j) {
    freq[j] = static_cast<uint16_t>(freq[i] + freq[i + 1]);
    son[j] = static_cast<int16_t>(i);
    prnt[i] = prnt[i + 1] = static_cast<int16_t>(j);
  }
  freq[T] = 0xFFFF;
  prnt[R] = 0;
}

// Halves every leaf's frequency and rebuilds the tree from the leaves, keeping it ordered.
void TLZH::Reconst(Tables& tables) noexcept {
  auto& freq = tables.Freq;
  auto& son = tables.Son;
  auto& prnt = tables.Prnt;
  int j = 0;
  for (int i = 0; i < T; ++i) {
    if (son[i] >= T) {
      freq[j] = static_cast<uint16_t>((freq[i] + 1) / 2);
      son[j] = son[i];
      ++j;
    }
  }
  for (int i = 0, next = N_CHAR; next < T; i += 2, ++next) {
    const unsigned f = freq[i] + freq[i + 1];
    int k = next - 1;
    while (f < freq[k]) --k;
    ++k;
    std::copy_backward(freq.begin() + k, freq.begin() + next, freq.begin() + next + 1);
    std::copy_backward(son.begin() + k, son.begin() + next, son.begin() + next + 1);
    freq[k] = static_cast<uint16_t>(f);
    son[k] = static_cast<int16_t>(i);
  }
  for (int i = 0; i < T; ++i) {
    const int k = son[i];
    if (k >= T) {
      prnt[k] = static_cast<int16_t>(i);
    } else {
      prnt[k] = prnt[k + 1] = static_cast<int16_t>(i);
    }
  }
}

void TLZH::UnpackStreams(int32_t TextSize) {
  if (TextSize <= 0) return;
  TMemoryStream& source = *InStream;
  TMemoryStream& target = *OutStream;
  // The procedures work on cursors into the streams' memory, locals that stay in registers
  // while the bytes go through; the streams' positions are set from them at the end.
  const size_t source_start = source.Position();
  const uint8_t* const in_begin = source.Memory() + std::min(source_start, source.Size());
  const uint8_t* const in_end = source.Memory() + source.Size();
  const uint8_t* next_in = in_begin;

  // Unpack hands over at most TextSize + F - 1 bytes: the target gets room for all of them now,
  // so that no byte needs a check or a reallocation, and is cut back to what came afterwards.
  const size_t first = target.Position();
  const size_t room = static_cast<size_t>(TextSize) + (F - 1);
  if (first > SIZE_MAX - room) throw std::bad_alloc();
  const size_t size_before = target.Size();
  target.SetSize(std::max(size_before, first + room));
  uint8_t* const out_begin = target.Memory();
  uint8_t* next_out = out_begin + first;
  try {
    Unpack(
        TextSize,
        [&](uint8_t* buffer, int32_t count, int32_t& actual) {
          actual = 0;
          while (actual < count && next_in != in_end) buffer[actual++] = *next_in++;
        },
        [&](const uint8_t* buffer, int32_t count, int32_t& actual) {
          std::memcpy(next_out, buffer, static_cast<size_t>(count));
          next_out += count;
          actual = count;
        });
  } catch (...) {
    target.SetSize(size_before);  // no tables: nothing was read or written
    throw;
  }
  source.SetPosition(source_start + static_cast<size_t>(next_in - in_begin));
  const size_t written_end = static_cast<size_t>(next_out - out_begin);
  target.SetSize(std::max(size_before, written_end));
  target.SetPosition(written_end);
}

}  // namespace skin
