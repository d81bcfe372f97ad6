#include "skin/resources/lzh.h"

#include <algorithm>
#include <array>
#include <new>

namespace skin {

using namespace lzh;

namespace {

// Decoding of a distance's upper 6 bits from the first 8 coded bits: the upper bits, and how
// many bits the whole distance occupies. Built from the ranges of the fixed code: codes of 3 bits
// for value 0, then 4, 5, 6, 7 and 8 bits for 3, 8, 12, 24 and 16 values.
struct DistanceTables {
  std::array<uint8_t, 256> upper{};
  std::array<uint8_t, 256> bits{};
};

constexpr DistanceTables MakeDistanceTables() {
  struct Range {
    int first_code, values, codes_per_value, bits;
  };
  constexpr Range kRanges[] = {
      {0x00, 1, 32, 3}, {0x20, 3, 16, 4}, {0x50, 8, 8, 5},
      {0x90, 12, 4, 6}, {0xC0, 24, 2, 7}, {0xF0, 16, 1, 8},
  };
  DistanceTables tables;
  int upper = 0;
  for (const Range& range : kRanges) {
    for (int v = 0; v < range.values; ++v, ++upper) {
      for (int k = 0; k < range.codes_per_value; ++k) {
        const int code = range.first_code + v * range.codes_per_value + k;
        tables.upper[code] = static_cast<uint8_t>(upper);
        tables.bits[code] = static_cast<uint8_t>(range.bits);
      }
    }
  }
  return tables;
}

constexpr DistanceTables kDistance = MakeDistanceTables();
static_assert(kDistance.upper[0x1F] == 0 && kDistance.bits[0x1F] == 3);
static_assert(kDistance.upper[0x20] == 1 && kDistance.upper[0x4F] == 3 &&
              kDistance.bits[0x4F] == 4);
static_assert(kDistance.upper[0x50] == 4 && kDistance.upper[0x8F] == 11 &&
              kDistance.bits[0x8F] == 5);
static_assert(kDistance.upper[0x90] == 12 && kDistance.upper[0xBF] == 23 &&
              kDistance.bits[0xBF] == 6);
static_assert(kDistance.upper[0xC0] == 24 && kDistance.upper[0xEF] == 47 &&
              kDistance.bits[0xEF] == 7);
static_assert(kDistance.upper[0xF0] == 48 && kDistance.upper[0xFF] == 63 &&
              kDistance.bits[0xFF] == 8);

}  // namespace

struct TLZH::Tables {
  std::array<uint8_t, N + F - 1> TextBuf;  // only the first N bytes are addressed
  std::array<uint16_t, T + 1> Freq;        // Freq[T] is a sentinel above every frequency
  std::array<int16_t, T + N_CHAR> Prnt;    // Prnt[T + c] is the position of symbol c's leaf
  std::array<int16_t, T> Son;              // T or more marks a leaf of symbol Son - T
};

TLZH::TLZH() = default;
TLZH::~TLZH() = default;

void TLZH::InitTables() {
  tables_.reset(new (std::nothrow) Tables);
  if (!tables_) throw ElzhException(kLzhNoMemoryMessage);
}

void TLZH::FreeTables() { tables_.reset(); }

void TLZH::StartHuff() {
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
void TLZH::Reconst() {
  auto& freq = tables_->Freq;
  auto& son = tables_->Son;
  auto& prnt = tables_->Prnt;
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

// Counts one more occurrence of symbol c and restores the frequency order along its path.
void TLZH::Update(int c) {
  auto& freq = tables_->Freq;
  auto& son = tables_->Son;
  auto& prnt = tables_->Prnt;
  if (freq[R] == MAX_FREQ) Reconst();
  int p = prnt[c + T];
  do {
    const unsigned k = ++freq[p];
    if (k > freq[p + 1]) {
      int l = p + 1;
      while (k > freq[l + 1]) ++l;  // the sentinel Freq[T] ends the scan
      freq[p] = freq[l];
      freq[l] = static_cast<uint16_t>(k);

      const int i = son[p];
      prnt[i] = static_cast<int16_t>(l);
      if (i < T) prnt[i + 1] = static_cast<int16_t>(l);
      const int j = son[l];
      son[l] = static_cast<int16_t>(i);
      prnt[j] = static_cast<int16_t>(p);
      if (j < T) prnt[j + 1] = static_cast<int16_t>(p);
      son[p] = static_cast<int16_t>(j);
      p = l;
    }
    p = prnt[p];
  } while (p != 0);
}

void TLZH::Refill(LzhReadProc& read) {
  while (BitCount <= 8) {
    uint8_t byte = 0;
    int32_t actual = 0;
    read(&byte, 1, actual);
    if (actual != 1) byte = 0;  // exhausted input reads as zero bits
    BitBuf = static_cast<uint16_t>(BitBuf | (byte << (8 - BitCount)));
    BitCount = static_cast<uint8_t>(BitCount + 8);
  }
}

int TLZH::GetBit(LzhReadProc& read) {
  if (BitCount <= 8) Refill(read);
  const int bit = BitBuf >> 15;
  BitBuf = static_cast<uint16_t>(BitBuf << 1);
  --BitCount;
  return bit;
}

int TLZH::GetByte(LzhReadProc& read) {
  if (BitCount <= 8) Refill(read);
  const int byte = BitBuf >> 8;
  BitBuf = static_cast<uint16_t>(BitBuf << 8);
  BitCount = static_cast<uint8_t>(BitCount - 8);
  return byte;
}

int TLZH::DecodeChar(LzhReadProc& read) {
  const auto& son = tables_->Son;
  int c = son[R];
  while (c < T) c = son[c + GetBit(read)];
  c -= T;
  Update(c);
  return c;
}

int TLZH::DecodePosition(LzhReadProc& read) {
  int i = GetByte(read);
  const int upper = kDistance.upper[i] << 6;
  for (int n = kDistance.bits[i] - 2; n > 0; --n) i = (i << 1) + GetBit(read);
  return upper | (i & 0x3F);
}

void TLZH::Unpack(int32_t TextSize, LzhReadProc ReadProc, LzhWriteProc WriteProc) {
  if (TextSize <= 0) return;
  InitTables();
  struct FreeOnExit {
    TLZH* lzh;
    ~FreeOnExit() { lzh->FreeTables(); }
  } free_on_exit{this};

  BitBuf = 0;
  BitCount = 0;
  StartHuff();

  auto& text = tables_->TextBuf;
  std::fill(text.begin(), text.begin() + (N - F), ' ');
  int r = N - F;
  // Wider than TextSize: a final match may carry the count up to F - 1 past it.
  int64_t count = 0;
  const auto put = [&](uint8_t byte) {
    int32_t actual = 0;
    WriteProc(&byte, 1, actual);
    text[r] = byte;
    r = (r + 1) & (N - 1);
    ++count;
  };
  while (count < TextSize) {
    const int c = DecodeChar(ReadProc);
    if (c < 256) {
      put(static_cast<uint8_t>(c));
    } else {
      const int start = (r - DecodePosition(ReadProc) - 1) & (N - 1);
      const int length = c - 255 + THRESHOLD;
      for (int k = 0; k < length; ++k) put(text[(start + k) & (N - 1)]);
    }
  }
}

}  // namespace skin
