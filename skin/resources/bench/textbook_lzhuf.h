// The benchmark's floor: LZHUF expansion as the classic 1988 decoder does it. Bit-at-a-time walk
// of the adaptive Huffman tree, getc-style input from an array, output into an array sized once,
// the ring buffer indexed modulo its size byte by byte. Nothing of the program uses this.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace textbook {

// Expands `coded` (the coded bits, without the 4-byte length) into at least `text_size` bytes.
// The result holds exactly what was decoded: a last match may run past `text_size`.
std::vector<uint8_t> Decode(std::span<const uint8_t> coded, uint32_t text_size);

}  // namespace textbook
