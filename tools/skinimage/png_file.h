// PNG writing for pictures meant for people (contact sheets), with a small built-in deflate
// (LZ77 with hash chains and the fixed Huffman code), so that no compression library is needed on
// either side of the build.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "tools/skinimage/image.h"

namespace skinimage {

// An 8-bit RGB PNG of the image.
std::vector<uint8_t> EncodePng(const Image& image);

// A zlib stream (deflate, fixed Huffman code) of `data`; exposed for tests.
std::vector<uint8_t> ZlibCompress(std::span<const uint8_t> data);

uint32_t Crc32(std::span<const uint8_t> data, uint32_t crc = 0);

}  // namespace skinimage
