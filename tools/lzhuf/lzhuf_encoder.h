// LZHUF encoder for building stored skins and test data: LZSS over a 4096-byte ring buffer with
// an adaptive Huffman code for literals and match lengths and the classic fixed code for the
// upper 6 bits of match distances. The program itself never compresses; this lives with the tools.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace lzhuf {

// Returns the 32-bit little-endian length of `input` followed by its coded bits (the last byte
// padded with zero bits). Inputs of 4 GiB or more are not supported.
std::vector<uint8_t> LzhufEncode(std::span<const uint8_t> input);

}  // namespace lzhuf

using lzhuf::LzhufEncode;
