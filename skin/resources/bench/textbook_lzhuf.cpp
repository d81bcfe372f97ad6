#include "skin/resources/bench/textbook_lzhuf.h"

#include <cstring>

namespace textbook {
namespace {

// Written the way the classic decoder is: file-scope tables and counters, plain loops.
constexpr int N = 4096;
constexpr int F = 60;
constexpr int THRESHOLD = 2;
constexpr int N_CHAR = 256 - THRESHOLD + F;
constexpr int T = N_CHAR * 2 - 1;
constexpr int R = T - 1;
constexpr unsigned MAX_FREQ = 0x8000;

unsigned char text_buf[N + F - 1];
unsigned short freq[T + 1];
short prnt[T + N_CHAR];
short son[T];
unsigned char d_code[256];
unsigned char d_len[256];

unsigned getbuf;
unsigned char getlen;
const uint8_t* in_ptr;
const uint8_t* in_end;

int getc_in() { return in_ptr < in_end ? *in_ptr++ : -1; }

// The published distance tables: codes 0x00-0x1F of 3 bits for upper 0, then 16, 8, 4, 2 and 1
// codes per upper value of 4, 5, 6, 7 and 8 bits.
void make_tables() {
  static const int first[] = {0x00, 0x20, 0x50, 0x90, 0xC0, 0xF0, 0x100};
  static const int per_value[] = {32, 16, 8, 4, 2, 1};
  int upper = 0;
  for (int range = 0; range < 6; range++) {
    for (int i = first[range]; i < first[range + 1]; i++) {
      d_code[i] = (unsigned char)(upper + (i - first[range]) / per_value[range]);
      d_len[i] = (unsigned char)(range + 3);
    }
    upper += (first[range + 1] - first[range]) / per_value[range];
  }
}

int GetBit() {
  int i;
  while (getlen <= 8) {
    if ((i = getc_in()) < 0) i = 0;
    getbuf |= i << (8 - getlen);
    getlen += 8;
  }
  i = (int)getbuf;
  getbuf = (getbuf << 1) & 0xFFFF;
  getlen--;
  return (i >> 15) & 1;
}

int GetByte() {
  unsigned i;
  while (getlen <= 8) {
    int c;
    if ((c = getc_in()) < 0) c = 0;
    getbuf |= c << (8 - getlen);
    getlen += 8;
  }
  i = getbuf;
  getbuf = (getbuf << 8) & 0xFFFF;
  getlen -= 8;
  return (int)(i >> 8);
}

void StartHuff() {
  int i, j;
  for (i = 0; i < N_CHAR; i++) {
    freq[i] = 1;
    son[i] = (short)(i + T);
    prnt[i + T] = (short)i;
  }
  i = 0;
  j = N_CHAR;
  while (j <= R) {
    freq[j] = (unsigned short)(freq[i] + freq[i + 1]);
    son[j] = (short)i;
    prnt[i] = prnt[i + 1] = (short)j;
    i += 2;
    j++;
  }
  freq[T] = 0xFFFF;
  prnt[R] = 0;
}

void reconst() {
  int i, j, k;
  unsigned f, l;
  j = 0;
  for (i = 0; i < T; i++) {
    if (son[i] >= T) {
      freq[j] = (unsigned short)((freq[i] + 1) / 2);
      son[j] = son[i];
      j++;
    }
  }
  for (i = 0, j = N_CHAR; j < T; i += 2, j++) {
    k = i + 1;
    f = freq[j] = (unsigned short)(freq[i] + freq[k]);
    for (k = j - 1; f < freq[k]; k--) {
    }
    k++;
    l = (unsigned)(j - k) * 2;
    std::memmove(&freq[k + 1], &freq[k], l);
    freq[k] = (unsigned short)f;
    std::memmove(&son[k + 1], &son[k], l);
    son[k] = (short)i;
  }
  for (i = 0; i < T; i++) {
    if ((k = son[i]) >= T) {
      prnt[k] = (short)i;
    } else {
      prnt[k] = prnt[k + 1] = (short)i;
    }
  }
}

void update(int c) {
  int i, j, l;
  unsigned k;
  if (freq[R] == MAX_FREQ) reconst();
  c = prnt[c + T];
  do {
    k = ++freq[c];
    if (k > freq[l = c + 1]) {
      while (k > freq[++l]) {
      }
      l--;
      freq[c] = freq[l];
      freq[l] = (unsigned short)k;
      i = son[c];
      prnt[i] = (short)l;
      if (i < T) prnt[i + 1] = (short)l;
      j = son[l];
      son[l] = (short)i;
      prnt[j] = (short)c;
      if (j < T) prnt[j + 1] = (short)c;
      son[c] = (short)j;
      c = l;
    }
  } while ((c = prnt[c]) != 0);
}

int DecodeChar() {
  unsigned c = (unsigned)son[R];
  while (c < T) {
    c += (unsigned)GetBit();
    c = (unsigned)son[c];
  }
  c -= T;
  update((int)c);
  return (int)c;
}

int DecodePosition() {
  unsigned i, j, c;
  i = (unsigned)GetByte();
  c = (unsigned)d_code[i] << 6;
  j = d_len[i];
  j -= 2;
  while (j--) i = (i << 1) + (unsigned)GetBit();
  return (int)(c | (i & 0x3F));
}

}  // namespace

std::vector<uint8_t> Decode(std::span<const uint8_t> coded, uint32_t text_size) {
  std::vector<uint8_t> out(static_cast<size_t>(text_size) + F - 1);
  size_t count = 0;
  if (text_size == 0) return {};
  in_ptr = coded.data();
  in_end = coded.data() + coded.size();
  getbuf = 0;
  getlen = 0;
  make_tables();
  StartHuff();
  int i, j, k, r, c;
  for (i = 0; i < N - F; i++) text_buf[i] = ' ';
  r = N - F;
  while (count < text_size) {
    c = DecodeChar();
    if (c < 256) {
      out[count++] = (uint8_t)c;
      text_buf[r++] = (unsigned char)c;
      r &= (N - 1);
    } else {
      i = (r - DecodePosition() - 1) & (N - 1);
      j = c - 255 + THRESHOLD;
      for (k = 0; k < j; k++) {
        c = text_buf[(i + k) & (N - 1)];
        out[count++] = (uint8_t)c;
        text_buf[r++] = (unsigned char)c;
        r &= (N - 1);
      }
    }
  }
  out.resize(count);
  return out;
}

}  // namespace textbook
