#include "tools/skinimage/png_file.h"

#include <array>
#include <cstdlib>

namespace skinimage {
namespace {

constexpr int kWindow = 32768;
constexpr int kMinMatch = 3;
constexpr int kMaxMatch = 258;
constexpr int kHashBits = 15;
constexpr int kMaxChain = 32;

constexpr std::array<uint16_t, 29> kLengthBase = {3,  4,  5,  6,  7,  8,  9,  10, 11,  13,  15,  17,  19,  23, 27,
                                                  31, 35, 43, 51, 59, 67, 83, 99, 115, 131, 163, 195, 227, 258};
constexpr std::array<uint8_t, 29> kLengthExtra = {0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2,
                                                  2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0};
constexpr std::array<uint16_t, 30> kDistanceBase = {1,    2,    3,    4,    5,    7,    9,    13,    17,    25,
                                                    33,   49,   65,   97,   129,  193,  257,  385,   513,   769,
                                                    1025, 1537, 2049, 3073, 4097, 6145, 8193, 12289, 16385, 24577};
constexpr std::array<uint8_t, 30> kDistanceExtra = {0, 0, 0, 0, 1, 1, 2, 2,  3,  3,  4,  4,  5,  5,  6,
                                                    6, 7, 7, 8, 8, 9, 9, 10, 10, 11, 11, 12, 12, 13, 13};

// Deflate writes bit fields least significant bit first.
class BitSink {
 public:
  explicit BitSink(std::vector<uint8_t>& out) : out_(out) {}
  void Put(uint32_t value, int count) {
    for (int i = 0; i < count; ++i) {
      pending_ |= ((value >> i) & 1u) << filled_;
      if (++filled_ == 8) {
        out_.push_back(static_cast<uint8_t>(pending_));
        pending_ = 0;
        filled_ = 0;
      }
    }
  }
  // Huffman codes go most significant bit first.
  void PutCode(uint32_t code, int length) {
    uint32_t reversed = 0;
    for (int i = 0; i < length; ++i) reversed |= ((code >> i) & 1u) << (length - 1 - i);
    Put(reversed, length);
  }
  void Flush() {
    if (filled_ != 0) out_.push_back(static_cast<uint8_t>(pending_));
    pending_ = 0;
    filled_ = 0;
  }

 private:
  std::vector<uint8_t>& out_;
  uint32_t pending_ = 0;
  int filled_ = 0;
};

void PutLiteralOrLength(BitSink& bits, int symbol) {
  if (symbol < 144)
    bits.PutCode(0x30u + static_cast<uint32_t>(symbol), 8);
  else if (symbol < 256)
    bits.PutCode(0x190u + static_cast<uint32_t>(symbol - 144), 9);
  else if (symbol < 280)
    bits.PutCode(static_cast<uint32_t>(symbol - 256), 7);
  else
    bits.PutCode(0xC0u + static_cast<uint32_t>(symbol - 280), 8);
}

void PutMatch(BitSink& bits, int length, int distance) {
  int code = 28;
  while (kLengthBase[static_cast<size_t>(code)] > length) --code;
  PutLiteralOrLength(bits, 257 + code);
  bits.Put(static_cast<uint32_t>(length - kLengthBase[static_cast<size_t>(code)]),
           kLengthExtra[static_cast<size_t>(code)]);
  int dcode = 29;
  while (kDistanceBase[static_cast<size_t>(dcode)] > distance) --dcode;
  bits.PutCode(static_cast<uint32_t>(dcode), 5);
  bits.Put(static_cast<uint32_t>(distance - kDistanceBase[static_cast<size_t>(dcode)]),
           kDistanceExtra[static_cast<size_t>(dcode)]);
}

uint32_t Hash3(const uint8_t* p) {
  const uint32_t v = (uint32_t{p[0]} << 16) | (uint32_t{p[1]} << 8) | p[2];
  return (v * 2654435761u) >> (32 - kHashBits);
}

void Deflate(std::span<const uint8_t> data, std::vector<uint8_t>& out) {
  BitSink bits(out);
  bits.Put(1, 1);  // last block
  bits.Put(1, 2);  // fixed Huffman code
  const int size = static_cast<int>(data.size());
  std::vector<int> head(size_t{1} << kHashBits, -1);
  std::vector<int> previous(data.size(), -1);
  auto insert = [&](int at) {
    if (at + kMinMatch > size) return;
    const uint32_t h = Hash3(data.data() + at);
    previous[static_cast<size_t>(at)] = head[h];
    head[h] = at;
  };
  int at = 0;
  while (at < size) {
    int best_length = 0, best_distance = 0;
    if (at + kMinMatch <= size) {
      const int limit = std::min(kMaxMatch, size - at);
      int candidate = head[Hash3(data.data() + at)];
      for (int chain = 0; candidate >= 0 && at - candidate <= kWindow && chain < kMaxChain; ++chain) {
        int length = 0;
        while (length < limit &&
               data[static_cast<size_t>(candidate + length)] == data[static_cast<size_t>(at + length)])
          ++length;
        if (length > best_length) {
          best_length = length;
          best_distance = at - candidate;
          if (length == limit) break;
        }
        candidate = previous[static_cast<size_t>(candidate)];
      }
    }
    if (best_length >= kMinMatch) {
      PutMatch(bits, best_length, best_distance);
      for (int i = 0; i < best_length; ++i) insert(at + i);
      at += best_length;
    } else {
      PutLiteralOrLength(bits, data[static_cast<size_t>(at)]);
      insert(at);
      ++at;
    }
  }
  PutLiteralOrLength(bits, 256);  // end of block
  bits.Flush();
}

void PutBigEndian32(std::vector<uint8_t>& out, uint32_t value) {
  for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<uint8_t>(value >> shift));
}

void PutChunk(std::vector<uint8_t>& out, const char* type, std::span<const uint8_t> body) {
  PutBigEndian32(out, static_cast<uint32_t>(body.size()));
  const size_t type_at = out.size();
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<uint8_t>(type[i]));
  out.insert(out.end(), body.begin(), body.end());
  PutBigEndian32(out, Crc32(std::span(out).subspan(type_at)));
}

int Paeth(int a, int b, int c) {
  const int p = a + b - c;
  const int pa = std::abs(p - a), pb = std::abs(p - b), pc = std::abs(p - c);
  if (pa <= pb && pa <= pc) return a;
  return pb <= pc ? b : c;
}

}  // namespace

uint32_t Crc32(std::span<const uint8_t> data, uint32_t crc) {
  static const std::array<uint32_t, 256> table = [] {
    std::array<uint32_t, 256> t{};
    for (uint32_t n = 0; n < 256; ++n) {
      uint32_t c = n;
      for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
      t[n] = c;
    }
    return t;
  }();
  crc = ~crc;
  for (uint8_t byte : data) crc = table[(crc ^ byte) & 0xFF] ^ (crc >> 8);
  return ~crc;
}

std::vector<uint8_t> ZlibCompress(std::span<const uint8_t> data) {
  std::vector<uint8_t> out = {0x78, 0x01};
  Deflate(data, out);
  uint32_t a = 1, b = 0;
  for (uint8_t byte : data) {
    a = (a + byte) % 65521u;
    b = (b + a) % 65521u;
  }
  PutBigEndian32(out, (b << 16) | a);
  return out;
}

std::vector<uint8_t> EncodePng(const Image& image) {
  const int width = image.Width(), height = image.Height();
  const size_t row_bytes = static_cast<size_t>(width) * 3;
  // Each row gets the filter that leaves the smallest sum of magnitudes (the usual heuristic).
  std::vector<uint8_t> raw, previous(row_bytes, 0), current(row_bytes), trial(row_bytes), best;
  raw.reserve((row_bytes + 1) * static_cast<size_t>(height));
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const Rgb pixel = image.At(x, y);
      current[3 * static_cast<size_t>(x)] = static_cast<uint8_t>(RedOf(pixel));
      current[3 * static_cast<size_t>(x) + 1] = static_cast<uint8_t>(GreenOf(pixel));
      current[3 * static_cast<size_t>(x) + 2] = static_cast<uint8_t>(BlueOf(pixel));
    }
    long best_score = -1;
    uint8_t best_filter = 0;
    for (uint8_t filter = 0; filter <= 4; ++filter) {
      long score = 0;
      for (size_t i = 0; i < row_bytes; ++i) {
        const int left = i >= 3 ? current[i - 3] : 0;
        const int up = previous[i];
        const int up_left = i >= 3 ? previous[i - 3] : 0;
        int predicted = 0;
        if (filter == 1)
          predicted = left;
        else if (filter == 2)
          predicted = up;
        else if (filter == 3)
          predicted = (left + up) / 2;
        else if (filter == 4)
          predicted = Paeth(left, up, up_left);
        trial[i] = static_cast<uint8_t>(current[i] - predicted);
        score += trial[i] < 128 ? trial[i] : 256 - trial[i];
      }
      if (best_score < 0 || score < best_score) {
        best_score = score;
        best_filter = filter;
        best = trial;
      }
    }
    raw.push_back(best_filter);
    raw.insert(raw.end(), best.begin(), best.end());
    previous.swap(current);
  }

  std::vector<uint8_t> png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  std::vector<uint8_t> header;
  PutBigEndian32(header, static_cast<uint32_t>(width));
  PutBigEndian32(header, static_cast<uint32_t>(height));
  header.insert(header.end(), {8, 2, 0, 0, 0});  // 8 bits, RGB, deflate, adaptive filters, no interlace
  PutChunk(png, "IHDR", header);
  PutChunk(png, "IDAT", ZlibCompress(raw));
  PutChunk(png, "IEND", {});
  return png;
}

}  // namespace skinimage
