#include "skin/resources/bench/bench_samples.h"

#include <algorithm>
#include <cstring>
#include <iterator>
#include <random>

#include "tools/skinart/skin_artwork.h"
#include "tools/skinimage/bmp_file.h"

namespace bench {
namespace {

using Bytes = std::vector<uint8_t>;

Bytes RandomBytes(size_t size, uint32_t seed) {
  std::mt19937 random(seed);
  Bytes bytes(size);
  for (uint8_t& b : bytes) b = static_cast<uint8_t>(random());
  return bytes;
}

// Prose-like text: earlier words much more frequent, CR LF every 70 columns or so.
Bytes EnglishLikeText(size_t size, uint32_t seed) {
  static const char* const kWords[] = {
      "the",    "of",      "and",   "to",     "in",      "a",      "is",     "that", "for",  "it",
      "as",     "was",     "with",  "be",     "by",      "on",     "not",    "he",   "this", "are",
      "or",     "his",     "from",  "at",     "which",   "but",    "have",   "an",   "had",  "they",
      "you",    "were",    "their", "one",    "all",     "we",     "can",    "her",  "has",  "clipboard",
      "window", "history", "skin",  "bitmap", "caption", "border", "button", "menu"};
  std::mt19937 random(seed);
  std::string text;
  size_t column = 0;
  while (text.size() < size) {
    const size_t index = std::min<size_t>(random() % 12 * (random() % 5), std::size(kWords) - 1);
    text += kWords[index];
    column += std::strlen(kWords[index]) + 1;
    if (column > 70) {
      text += ".\r\n";
      column = 0;
    } else {
      text += ' ';
    }
  }
  text.resize(size);
  return Bytes(text.begin(), text.end());
}

// The default skin's bitmaps packed into one sheet 632 pixels wide on the key colour, as skins
// keep many frames in one bitmap, written as a 24-bit BMP file: tallest first, each where the
// skyline is lowest; the tall side borders lie on their side.
Bytes SkinBitmap() {
  constexpr int kWidth = 632;
  std::vector<skinart::SkinBitmap> bitmaps = skinart::SkyBlueBitmaps();
  for (skinart::SkinBitmap& bitmap : bitmaps) {
    if (bitmap.image.Height() > bitmap.image.Width()) bitmap.image = bitmap.image.Transposed();
  }
  std::stable_sort(bitmaps.begin(), bitmaps.end(),
                   [](const auto& a, const auto& b) { return a.image.Width() > b.image.Width(); });
  struct Placed {
    const skinimage::Image* image;
    int x, y;
  };
  std::vector<Placed> placed;
  std::vector<int> skyline(kWidth, 0);
  for (const skinart::SkinBitmap& bitmap : bitmaps) {
    const int width = bitmap.image.Width();
    Placed best{&bitmap.image, 0, 1 << 30};
    for (int x = 0; x + width <= kWidth; ++x) {
      const int y = *std::max_element(skyline.begin() + x, skyline.begin() + x + width);
      if (y < best.y) best = {&bitmap.image, x, y};
    }
    std::fill(skyline.begin() + best.x, skyline.begin() + best.x + width, best.y + bitmap.image.Height());
    placed.push_back(best);
  }
  skinimage::Image sheet(kWidth, *std::max_element(skyline.begin(), skyline.end()), skinimage::kMagenta);
  for (const Placed& p : placed) sheet.Draw(*p.image, p.x, p.y);
  return skinimage::EncodeBmp(sheet);
}

// Text, bitmap rows and noise in turns of a few kilobytes, so that the tree keeps re-adapting.
Bytes Mixed(size_t size, const Bytes& bitmap) {
  const Bytes text = EnglishLikeText(size, 11);
  const Bytes noise = RandomBytes(size, 12);
  Bytes bytes;
  size_t turn = 0;
  while (bytes.size() < size) {
    const size_t chunk = 2048 + (turn * 1531) % 6144;
    const Bytes& from = turn % 3 == 0 ? text : turn % 3 == 1 ? bitmap : noise;
    const size_t start = (turn * 7919) % (from.size() - chunk);
    bytes.insert(bytes.end(), from.begin() + static_cast<std::ptrdiff_t>(start),
                 from.begin() + static_cast<std::ptrdiff_t>(start + chunk));
    ++turn;
  }
  bytes.resize(size);
  return bytes;
}

}  // namespace

std::vector<Sample> DecoderSamples() {
  Bytes bitmap = SkinBitmap();
  Bytes mixed = Mixed(600 * 1024, bitmap);
  return {{"random.bin", RandomBytes(300 * 1024, 10)},
          {"mixed.bin", std::move(mixed)},
          {"skin_bitmap.bmp", std::move(bitmap)}};
}

}  // namespace bench
