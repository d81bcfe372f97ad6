// LZHUF encoder. String matching keeps the classic binary search trees over the ring buffer;
// the adaptive Huffman tree is updated exactly as the decoder updates its own after each symbol,
// so both sides always agree on the code.
#include "tools/lzhuf/lzhuf_encoder.h"

#include <algorithm>
#include <array>
#include <memory>

namespace lzhuf {
namespace {

constexpr int N = 4096;                      // ring buffer size
constexpr int F = 60;                        // longest match
constexpr int THRESHOLD = 2;                 // a match codes at least THRESHOLD + 1 bytes
constexpr int NIL = N;                       // "no node" in the search trees
constexpr int N_CHAR = 256 - THRESHOLD + F;  // literals and match lengths
constexpr int T = N_CHAR * 2 - 1;            // nodes of the Huffman tree
constexpr int R = T - 1;                     // position of the root
constexpr unsigned MAX_FREQ = 0x8000;        // the tree is halved when the root reaches this

// Code of the upper 6 bits of a distance: bit length and the code, left-aligned in a byte.
constexpr std::array<uint8_t, 64> kPositionLength = {
    3, 4, 4, 4, 5, 5, 5, 5, 5, 5, 5, 5, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 7, 7, 7, 7, 7, 7, 7, 7,
    7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8,
};
constexpr std::array<uint8_t, 64> kPositionCode = {
    0x00, 0x20, 0x30, 0x40, 0x50, 0x58, 0x60, 0x68, 0x70, 0x78, 0x80, 0x88, 0x90, 0x94, 0x98, 0x9C,
    0xA0, 0xA4, 0xA8, 0xAC, 0xB0, 0xB4, 0xB8, 0xBC, 0xC0, 0xC2, 0xC4, 0xC6, 0xC8, 0xCA, 0xCC, 0xCE,
    0xD0, 0xD2, 0xD4, 0xD6, 0xD8, 0xDA, 0xDC, 0xDE, 0xE0, 0xE2, 0xE4, 0xE6, 0xE8, 0xEA, 0xEC, 0xEE,
    0xF0, 0xF1, 0xF2, 0xF3, 0xF4, 0xF5, 0xF6, 0xF7, 0xF8, 0xF9, 0xFA, 0xFB, 0xFC, 0xFD, 0xFE, 0xFF,
};

// Appends bits most significant first; the last byte is padded with zero bits.
class BitWriter {
 public:
  explicit BitWriter(std::vector<uint8_t>& out) : out_(out) {}

  void PutBit(unsigned bit) {
    pending_ = static_cast<uint8_t>((pending_ << 1) | (bit & 1));
    if (++count_ == 8) {
      out_.push_back(pending_);
      pending_ = 0;
      count_ = 0;
    }
  }

  // The `length` lowest bits of `value`, highest first.
  void PutBits(unsigned value, int length) {
    for (int i = length - 1; i >= 0; --i) PutBit((value >> i) & 1);
  }

  void Flush() {
    while (count_ != 0) PutBit(0);
  }

 private:
  std::vector<uint8_t>& out_;
  uint8_t pending_ = 0;
  int count_ = 0;
};

// The adaptive Huffman tree, stored as an array ordered by frequency.
class HuffmanTree {
 public:
  HuffmanTree() {
    for (int c = 0; c < N_CHAR; ++c) {
      freq_[c] = 1;
      son_[c] = c + T;
      prnt_[c + T] = c;
    }
    for (int i = 0, j = N_CHAR; j <= R; i += 2, ++j) {
      freq_[j] = freq_[i] + freq_[i + 1];
      son_[j] = i;
      prnt_[i] = prnt_[i + 1] = j;
    }
    freq_[T] = 0xFFFF;
    prnt_[R] = 0;
  }

  void Encode(int c, BitWriter& out) {
    // Collect the path from the leaf up to the root, then send it from the root down. The path
    // may be longer than 16 bits, so it is not packed into one word.
    std::array<uint8_t, T> path;
    int length = 0;
    for (int k = prnt_[c + T]; k != R; k = prnt_[k]) {
      path[length++] = static_cast<uint8_t>(k - son_[prnt_[k]]);
    }
    while (length > 0) out.PutBit(path[--length]);
    Update(c);
  }

 private:
  void Reconstruct() {
    int j = 0;
    for (int i = 0; i < T; ++i) {
      if (son_[i] >= T) {
        freq_[j] = static_cast<uint16_t>((freq_[i] + 1) / 2);
        son_[j] = son_[i];
        ++j;
      }
    }
    for (int i = 0, next = N_CHAR; next < T; i += 2, ++next) {
      const unsigned f = freq_[i] + freq_[i + 1];
      int k = next - 1;
      while (f < freq_[k]) --k;
      ++k;
      std::copy_backward(freq_.begin() + k, freq_.begin() + next, freq_.begin() + next + 1);
      std::copy_backward(son_.begin() + k, son_.begin() + next, son_.begin() + next + 1);
      freq_[k] = static_cast<uint16_t>(f);
      son_[k] = static_cast<int16_t>(i);
    }
    for (int i = 0; i < T; ++i) {
      const int k = son_[i];
      if (k >= T) {
        prnt_[k] = static_cast<int16_t>(i);
      } else {
        prnt_[k] = prnt_[k + 1] = static_cast<int16_t>(i);
      }
    }
  }

  void Update(int c) {
    if (freq_[R] == MAX_FREQ) Reconstruct();
    int p = prnt_[c + T];
    do {
      const unsigned k = ++freq_[p];
      if (k > freq_[p + 1]) {
        int l = p + 1;
        while (k > freq_[l + 1]) ++l;
        freq_[p] = freq_[l];
        freq_[l] = static_cast<uint16_t>(k);

        const int i = son_[p];
        prnt_[i] = static_cast<int16_t>(l);
        if (i < T) prnt_[i + 1] = static_cast<int16_t>(l);
        const int j = son_[l];
        son_[l] = static_cast<int16_t>(i);
        prnt_[j] = static_cast<int16_t>(p);
        if (j < T) prnt_[j + 1] = static_cast<int16_t>(p);
        son_[p] = static_cast<int16_t>(j);
        p = l;
      }
      p = prnt_[p];
    } while (p != 0);
  }

  std::array<uint16_t, T + 1> freq_{};
  std::array<int16_t, T + N_CHAR> prnt_{};
  std::array<int16_t, T> son_{};
};

// Longest-match search over the ring buffer with one binary tree per first byte.
class MatchFinder {
 public:
  MatchFinder() {
    std::fill(rson_.begin() + N + 1, rson_.end(), NIL);
    std::fill(dad_.begin(), dad_.begin() + N, NIL);
  }

  std::array<uint8_t, N + F - 1> text{};
  int match_position = 0;  // distance code: bytes between the match and the current position - 1
  int match_length = 0;

  void Insert(int r) {
    int cmp = 1;
    const uint8_t* key = &text[r];
    int p = N + 1 + key[0];
    rson_[r] = lson_[r] = NIL;
    match_length = 0;
    for (;;) {
      if (cmp >= 0) {
        if (rson_[p] != NIL) {
          p = rson_[p];
        } else {
          rson_[p] = r;
          dad_[r] = p;
          return;
        }
      } else {
        if (lson_[p] != NIL) {
          p = lson_[p];
        } else {
          lson_[p] = r;
          dad_[r] = p;
          return;
        }
      }
      int i = 1;
      for (; i < F; ++i) {
        cmp = key[i] - text[p + i];
        if (cmp != 0) break;
      }
      if (i > THRESHOLD) {
        const int distance = ((r - p) & (N - 1)) - 1;
        if (i > match_length) {
          match_position = distance;
          match_length = i;
          if (match_length >= F) break;
        } else if (i == match_length && distance < match_position) {
          match_position = distance;
        }
      }
    }
    // A full-length match: the new node takes the old one's place in the tree.
    dad_[r] = dad_[p];
    lson_[r] = lson_[p];
    rson_[r] = rson_[p];
    dad_[lson_[p]] = r;
    dad_[rson_[p]] = r;
    if (rson_[dad_[p]] == p) {
      rson_[dad_[p]] = r;
    } else {
      lson_[dad_[p]] = r;
    }
    dad_[p] = NIL;
  }

  void Delete(int p) {
    if (dad_[p] == NIL) return;
    int q;
    if (rson_[p] == NIL) {
      q = lson_[p];
    } else if (lson_[p] == NIL) {
      q = rson_[p];
    } else {
      q = lson_[p];
      if (rson_[q] != NIL) {
        do {
          q = rson_[q];
        } while (rson_[q] != NIL);
        rson_[dad_[q]] = lson_[q];
        dad_[lson_[q]] = dad_[q];
        lson_[q] = lson_[p];
        dad_[lson_[p]] = q;
      }
      rson_[q] = rson_[p];
      dad_[rson_[p]] = q;
    }
    dad_[q] = dad_[p];
    if (rson_[dad_[p]] == p) {
      rson_[dad_[p]] = q;
    } else {
      lson_[dad_[p]] = q;
    }
    dad_[p] = NIL;
  }

 private:
  // Positions 0..N-1 are nodes, N is NIL, N+1..N+256 are the roots of the 256 trees.
  std::array<int, N + 257> lson_{};
  std::array<int, N + 257> rson_{};
  std::array<int, N + 257> dad_{};
};

void EncodePosition(unsigned distance, BitWriter& out) {
  const unsigned upper = distance >> 6;
  out.PutBits(kPositionCode[upper] >> (8 - kPositionLength[upper]), kPositionLength[upper]);
  out.PutBits(distance & 0x3F, 6);
}

}  // namespace

std::vector<uint8_t> LzhufEncode(std::span<const uint8_t> input) {
  const auto size = static_cast<uint32_t>(input.size());
  std::vector<uint8_t> out = {static_cast<uint8_t>(size), static_cast<uint8_t>(size >> 8),
                              static_cast<uint8_t>(size >> 16), static_cast<uint8_t>(size >> 24)};
  if (input.empty()) return out;
  out.reserve(4 + input.size() / 2);

  BitWriter bits(out);
  auto tree = std::make_unique<HuffmanTree>();
  auto finder = std::make_unique<MatchFinder>();
  auto& text = finder->text;
  size_t next = 0;  // next input byte to enter the look-ahead

  int s = 0;
  int r = N - F;
  std::fill(text.begin(), text.begin() + r, ' ');
  int len = 0;
  for (; len < F && next < input.size(); ++len) text[r + len] = input[next++];
  for (int i = 1; i <= F; ++i) finder->Insert(r - i);
  finder->Insert(r);

  do {
    if (finder->match_length > len) finder->match_length = len;
    int advance;
    if (finder->match_length <= THRESHOLD) {
      advance = 1;
      tree->Encode(text[r], bits);
    } else {
      advance = finder->match_length;
      tree->Encode(255 - THRESHOLD + finder->match_length, bits);
      EncodePosition(static_cast<unsigned>(finder->match_position), bits);
    }
    int i = 0;
    for (; i < advance && next < input.size(); ++i) {
      const uint8_t c = input[next++];
      finder->Delete(s);
      text[s] = c;
      if (s < F - 1) text[s + N] = c;  // mirror so that matches can be compared past the end
      s = (s + 1) & (N - 1);
      r = (r + 1) & (N - 1);
      finder->Insert(r);
    }
    for (; i < advance; ++i) {
      finder->Delete(s);
      s = (s + 1) & (N - 1);
      r = (r + 1) & (N - 1);
      if (--len != 0) finder->Insert(r);
    }
  } while (len > 0);

  bits.Flush();
  return out;
}

}  // namespace lzhuf
