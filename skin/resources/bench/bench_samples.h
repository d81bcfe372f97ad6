// The three inputs the decoder is timed on: random bytes (no matches, every symbol a literal), a
// mix of text, bitmap rows and noise, and a skin bitmap (long matches dominate).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace bench {

struct Sample {
  std::string file_name;
  std::vector<uint8_t> bytes;
};

// random.bin (300 KB), mixed.bin (600 KB), skin_bitmap.bmp (632 × 200, 24 bits: 379 KB).
std::vector<Sample> DecoderSamples();

}  // namespace bench
