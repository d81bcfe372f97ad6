// Expansion of LZHUF-coded data: LZSS over a 4096-byte ring buffer, literals and match lengths
// coded by an adaptive Huffman tree, the upper 6 bits of match distances by a fixed code.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>

#include "skin/resources/memory_stream.h"

namespace skin {

namespace lzh {
inline constexpr int N = 4096;                      // ring buffer size
inline constexpr int F = 60;                        // longest match
inline constexpr int THRESHOLD = 2;                 // a match codes at least 3 bytes
inline constexpr int N_CHAR = 256 - THRESHOLD + F;  // 314 symbols: literals, then lengths
inline constexpr int T = N_CHAR * 2 - 1;            // 627 nodes of the Huffman tree
inline constexpr int R = T - 1;                     // position of the root
inline constexpr unsigned MAX_FREQ = 0x8000;        // root frequency that halves the tree

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
      {0x00, 1, 32, 3}, {0x20, 3, 16, 4}, {0x50, 8, 8, 5}, {0x90, 12, 4, 6}, {0xC0, 24, 2, 7}, {0xF0, 16, 1, 8},
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

inline constexpr DistanceTables kDistance = MakeDistanceTables();
}  // namespace lzh

// Raised only when the decoder's tables cannot be allocated or freed.
class ElzhException : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

inline constexpr const char* kLzhNoMemoryMessage = "LZH : Cannot get memory for dictionary tables";
inline constexpr const char* kLzhFreeFailedMessage = "LZH : Error freeing memory for dictionary tables";

class TLZH {
 public:
  TLZH();
  ~TLZH();
  TLZH(const TLZH&) = delete;
  TLZH& operator=(const TLZH&) = delete;

  // The streams UnpackStreams reads and writes; callers with their own procedures may use them.
  TMemoryStream* InStream = nullptr;
  TMemoryStream* OutStream = nullptr;

  // Expands coded bits into at least `TextSize` bytes (a final match may add up to F - 1 more),
  // asking for one input byte and handing over one output byte per call:
  //   ReadProc(uint8_t* buffer, int32_t count, int32_t& actual) supplies up to `count` bytes and
  //   sets `actual` to how many it gave; WriteProc(const uint8_t* buffer, int32_t count,
  //   int32_t& actual) takes `count` bytes. Exhausted input reads as zero bits. Nothing happens
  //   when `TextSize` is 0 or less.
  // The procedures are any callables, expanded into the decoding loop: a procedure that moves a
  // byte costs a load and a store, not a call.
  template <typename Reader, typename Writer>
  void Unpack(int32_t TextSize, Reader&& ReadProc, Writer&& WriteProc);

  // Unpack with the archive reader's procedures: ReadProc reads `InStream` from its position and
  // gives nothing past its end; WriteProc writes to `OutStream` at its position, which ends after
  // the last byte written. `OutStream` is sized once beforehand for the most that can come,
  // `TextSize` + F - 1 bytes from the position, and cut back afterwards: the caller bounds
  // `TextSize`.
  void UnpackStreams(int32_t TextSize);

 private:
  struct Tables {
    std::array<uint8_t, lzh::N + lzh::F - 1> TextBuf;  // only the first N bytes are addressed
    std::array<uint16_t, lzh::T + 1> Freq;             // Freq[T] is a sentinel above every frequency
    std::array<int16_t, lzh::T + lzh::N_CHAR> Prnt;    // Prnt[T + c]: position of symbol c's leaf
    std::array<int16_t, lzh::T> Son;                   // T or more marks a leaf of symbol Son - T
  };

  void InitTables();
  void FreeTables();
  void StartHuff() noexcept;
  // The tables are passed in so that the decoding loop addresses them all from one register.
  // The rare rebuild stays out of that loop.
  [[gnu::noinline]] static void Reconst(Tables& tables) noexcept;
  static void Update(Tables& tables, int c) noexcept;

  uint16_t BitBuf = 0;
  uint8_t BitCount = 0;
  std::unique_ptr<Tables> tables_;
};

// Counts one more occurrence of symbol c and restores the frequency order along its path. Runs
// once per symbol, inside the decoding loop.
inline void TLZH::Update(Tables& tables, int c) noexcept {
  using namespace lzh;
  auto& freq = tables.Freq;
  auto& son = tables.Son;
  auto& prnt = tables.Prnt;
  if (freq[R] == MAX_FREQ) Reconst(tables);
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

template <typename Reader, typename Writer>
void TLZH::Unpack(int32_t TextSize, Reader&& ReadProc, Writer&& WriteProc) {
  using namespace lzh;
  if (TextSize <= 0) return;
  InitTables();
  struct FreeOnExit {
    TLZH* lzh;
    ~FreeOnExit() { lzh->FreeTables(); }
  } free_on_exit{this};
  StartHuff();

  // Everything the loop touches per bit or per byte is a local, so that the compiler keeps it in
  // registers: the byte stores below could otherwise alias any member.
  Tables& tables = *tables_;
  uint8_t* const text = tables.TextBuf.data();
  const int16_t* const son = tables.Son.data();
  // BitBuf and BitCount: the 16 bits sit at the top of `bits`, whose low half stays 0.
  uint32_t bits = 0;
  unsigned bit_count = 0;
  const auto refill = [&] {
    while (bit_count <= 8) {
      uint8_t byte = 0;
      int32_t actual = 0;
      ReadProc(&byte, 1, actual);
      if (actual != 1) byte = 0;  // exhausted input reads as zero bits
      bits |= uint32_t{byte} << (24 - bit_count);
      bit_count += 8;
    }
  };
  const auto get_bit = [&]() -> unsigned {
    if (bit_count <= 8) refill();
    const unsigned bit = bits >> 31;
    bits <<= 1;
    --bit_count;
    return bit;
  };
  const auto get_byte = [&]() -> unsigned {
    if (bit_count <= 8) refill();
    const unsigned byte = bits >> 24;
    bits <<= 8;
    bit_count -= 8;
    return byte;
  };
  const auto put = [&](uint8_t byte) {
    int32_t actual = 0;
    WriteProc(&byte, 1, actual);
  };

  std::fill(text, text + (N - F), ' ');
  int r = N - F;
  // Bytes still to come; a final match may take it down to 1 - F.
  int32_t remaining = TextSize;
  while (remaining > 0) {
    int c = son[R];
    while (c < T) c = son[c + static_cast<int>(get_bit())];
    c -= T;
    Update(tables, c);
    if (c < 256) {
      put(static_cast<uint8_t>(c));
      text[r] = static_cast<uint8_t>(c);
      r = (r + 1) & (N - 1);
      --remaining;
      continue;
    }
    unsigned code = get_byte();
    const unsigned upper = unsigned{kDistance.upper[code]} << 6;
    for (int n = kDistance.bits[code] - 2; n > 0; --n) code = (code << 1) + get_bit();
    const int start = (r - static_cast<int>(upper | (code & 0x3F)) - 1) & (N - 1);
    const int length = c - 255 + THRESHOLD;
    if (start + length <= N && r + length <= N) {
      // Neither end wraps. Copying forwards byte by byte repeats the last bytes when the match
      // overlaps the text it is writing, as the coded data means.
      for (int k = 0; k < length; ++k) {
        const uint8_t byte = text[start + k];
        text[r + k] = byte;
        put(byte);
      }
    } else {
      for (int k = 0; k < length; ++k) {
        const uint8_t byte = text[(start + k) & (N - 1)];
        text[(r + k) & (N - 1)] = byte;
        put(byte);
      }
    }
    r = (r + length) & (N - 1);
    remaining -= length;
  }
  BitBuf = static_cast<uint16_t>(bits >> 16);
  BitCount = static_cast<uint8_t>(bit_count);
}

}  // namespace skin
