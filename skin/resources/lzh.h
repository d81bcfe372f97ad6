// Expansion of LZHUF-coded data: LZSS over a 4096-byte ring buffer, literals and match lengths
// coded by an adaptive Huffman tree, the upper 6 bits of match distances by a fixed code.
#pragma once

#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>

#include "skin/resources/function_ref.h"
#include "skin/resources/memory_stream.h"

namespace skin {

namespace lzh {
inline constexpr int N = 4096;                        // ring buffer size
inline constexpr int F = 60;                          // longest match
inline constexpr int THRESHOLD = 2;                   // a match codes at least 3 bytes
inline constexpr int N_CHAR = 256 - THRESHOLD + F;    // 314 symbols: literals, then lengths
inline constexpr int T = N_CHAR * 2 - 1;              // 627 nodes of the Huffman tree
inline constexpr int R = T - 1;                       // position of the root
inline constexpr unsigned MAX_FREQ = 0x8000;          // root frequency that halves the tree
}  // namespace lzh

// Raised only when the decoder's tables cannot be allocated or freed.
class ElzhException : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

inline constexpr const char* kLzhNoMemoryMessage = "LZH : Cannot get memory for dictionary tables";
inline constexpr const char* kLzhFreeFailedMessage =
    "LZH : Error freeing memory for dictionary tables";

// Supplies up to `count` input bytes into `buffer` and sets `actual` to how many it gave.
using LzhReadProc = FunctionRef<void(uint8_t* buffer, int32_t count, int32_t& actual)>;
// Takes `count` output bytes from `buffer` and sets `actual` to how many it took.
using LzhWriteProc = FunctionRef<void(const uint8_t* buffer, int32_t count, int32_t& actual)>;

class TLZH {
 public:
  TLZH();
  ~TLZH();
  TLZH(const TLZH&) = delete;
  TLZH& operator=(const TLZH&) = delete;

  // Streams for the caller's read and write procedures; the decoder itself does not use them.
  TMemoryStream* InStream = nullptr;
  TMemoryStream* OutStream = nullptr;

  // Expands coded bits into at least `TextSize` bytes (a final match may add up to F - 1 more),
  // asking for one input byte and handing over one output byte per call. Exhausted input reads
  // as zero bits. Nothing happens when `TextSize` is 0 or less.
  void Unpack(int32_t TextSize, LzhReadProc ReadProc, LzhWriteProc WriteProc);

 private:
  struct Tables;

  void InitTables();
  void FreeTables();
  void StartHuff();
  void Reconst();
  void Update(int c);
  int GetBit(LzhReadProc& read);
  int GetByte(LzhReadProc& read);
  void Refill(LzhReadProc& read);
  int DecodeChar(LzhReadProc& read);
  int DecodePosition(LzhReadProc& read);

  uint16_t BitBuf = 0;
  uint8_t BitCount = 0;
  std::unique_ptr<Tables> tables_;
};

}  // namespace skin
