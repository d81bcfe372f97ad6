#include "skin/resources/lzh.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "skin/resources/bench/textbook_lzhuf.h"
#include "skin/resources/memory_stream.h"
#include "tools/lzhuf/lzhuf_encoder.h"

namespace {

using skin::TLZH;
using skin::TMemoryStream;
using Bytes = std::vector<uint8_t>;

uint32_t LengthPrefix(const Bytes& coded) {
  return coded[0] | coded[1] << 8 | coded[2] << 16 | static_cast<uint32_t>(coded[3]) << 24;
}

struct UnpackResult {
  Bytes output;
  size_t input_read = 0;  // bytes the decoder asked for and got
  size_t read_calls = 0;
  size_t write_calls = 0;
  int32_t largest_request = 0;  // most bytes asked for or handed over in one call
};

// Runs the decoder over `coded` from byte 4 on, like the archive reader does.
UnpackResult Unpack(const Bytes& coded, int32_t text_size) {
  UnpackResult result;
  size_t position = 4;
  TLZH lzh;
  lzh.Unpack(
      text_size,
      [&](uint8_t* buffer, int32_t count, int32_t& actual) {
        ++result.read_calls;
        result.largest_request = std::max(result.largest_request, count);
        actual = 0;
        while (actual < count && position < coded.size()) buffer[actual++] = coded[position++];
        result.input_read += static_cast<size_t>(actual);
      },
      [&](const uint8_t* buffer, int32_t count, int32_t& actual) {
        ++result.write_calls;
        result.largest_request = std::max(result.largest_request, count);
        result.output.insert(result.output.end(), buffer, buffer + count);
        actual = count;
      });
  return result;
}

Bytes RoundTrip(const Bytes& input) {
  const Bytes coded = LzhufEncode(input);
  EXPECT_EQ(LengthPrefix(coded), input.size());
  return Unpack(coded, static_cast<int32_t>(input.size())).output;
}

Bytes FromText(const std::string& text) { return Bytes(text.begin(), text.end()); }

Bytes RandomBytes(size_t size, unsigned alphabet, uint32_t seed) {
  std::mt19937 random(seed);
  Bytes bytes(size);
  for (auto& b : bytes) b = static_cast<uint8_t>(random() % alphabet);
  return bytes;
}

TEST(Lzh, RoundTripsSmallInputs) {
  const std::vector<std::string> cases = {
      "a",
      "ab",
      "abc",
      "aaaa",
      "    ",
      "abcabcabcabcabcabcabc",
      std::string(61, 'x'),
      std::string(1000, ' '),
      "[Form]\r\nImage=skyblue__buttons.bmp\r\n",
  };
  for (const std::string& text : cases) {
    SCOPED_TRACE(text.substr(0, 20));
    EXPECT_EQ(RoundTrip(FromText(text)), FromText(text));
  }
}

// Skin-like data: definition text, BMP-like rows of few colours, and a sprinkle of noise.
Bytes SkinLikeBytes(size_t size) {
  Bytes bytes;
  std::mt19937 random(7);
  int section = 0;
  while (bytes.size() < size) {
    const std::string line = "[Section" + std::to_string(section++) + "]\r\nImage=skyblue__part" +
                             std::to_string(random() % 50) + ".bmp\r\nTopHeight=" + std::to_string(random() % 30) +
                             "\r\n";
    bytes.insert(bytes.end(), line.begin(), line.end());
    const uint8_t colour = static_cast<uint8_t>(random());
    for (int px = 0; px < 300; ++px) bytes.push_back(random() % 16 == 0 ? random() : colour);
  }
  bytes.resize(size);
  return bytes;
}

TEST(Lzh, RoundTripsLargeInputsAcrossTreeRebuilds) {
  // More than 0x8000 symbols each, so the tree is halved and rebuilt several times.
  struct Case {
    const char* name;
    Bytes input;
  };
  const Case cases[] = {
      {"random bytes", RandomBytes(200000, 256, 1)},
      {"few symbols", RandomBytes(300000, 4, 2)},
      {"skin-like", SkinLikeBytes(400000)},
      {"one long run", Bytes(150000, 0xFF)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const Bytes output = RoundTrip(c.input);
    ASSERT_EQ(output.size(), c.input.size());
    EXPECT_TRUE(output == c.input);
  }
}

TEST(Lzh, EncodesTheFirstLiteralWithTheInitialTreeCode) {
  // In the initial tree the leaf of 'a' (97) lies 9 levels down, along 1111 0110 1 from the root.
  EXPECT_EQ(LzhufEncode(FromText("a")), (Bytes{1, 0, 0, 0, 0xF6, 0x80}));
}

TEST(Lzh, FirstSymbolMatchCopiesPresetBlanks) {
  // Blanks at the start are coded as matches into the preset part of the ring buffer.
  const Bytes blanks(60, ' ');
  const Bytes coded = LzhufEncode(blanks);
  EXPECT_LT(coded.size(), 4u + 6u);  // one match symbol and one distance, not 60 literals
  EXPECT_EQ(Unpack(coded, 60).output, blanks);
}

TEST(Lzh, HandsOverOneBytePerCall) {
  const Bytes input = SkinLikeBytes(5000);
  const UnpackResult result = Unpack(LzhufEncode(input), static_cast<int32_t>(input.size()));
  EXPECT_EQ(result.largest_request, 1);
  EXPECT_EQ(result.write_calls, input.size());
}

TEST(Lzh, NoOutputAndNoInputForEmptyOrNegativeSize) {
  const Bytes coded = LzhufEncode(FromText("some text"));
  for (int32_t size : {0, -1, INT32_MIN}) {
    SCOPED_TRACE(size);
    const UnpackResult result = Unpack(coded, size);
    EXPECT_EQ(result.read_calls, 0u);
    EXPECT_EQ(result.write_calls, 0u);
  }
}

TEST(Lzh, TruncatedInputStillYieldsTheAnnouncedLength) {
  const Bytes input = SkinLikeBytes(20000);
  const Bytes coded = LzhufEncode(input);
  for (size_t kept : {size_t{4}, size_t{5}, coded.size() / 2, coded.size() - 1}) {
    SCOPED_TRACE(kept);
    const Bytes truncated(coded.begin(), coded.begin() + static_cast<std::ptrdiff_t>(kept));
    const UnpackResult result = Unpack(truncated, static_cast<int32_t>(input.size()));
    // A last match may run up to F - 1 bytes past the announced length.
    EXPECT_GE(result.output.size(), input.size());
    EXPECT_LT(result.output.size(), input.size() + skin::lzh::F);
    EXPECT_EQ(result.input_read, kept - 4);
  }
  // What the kept bits code still comes out right.
  const Bytes half(coded.begin(), coded.begin() + static_cast<std::ptrdiff_t>(coded.size() / 2));
  const Bytes output = Unpack(half, static_cast<int32_t>(input.size())).output;
  EXPECT_TRUE(std::equal(input.begin(), input.begin() + 5000, output.begin()));
}

TEST(Lzh, AMatchStartedBelowTheSizeIsCopiedWhole) {
  // 100 blanks code as matches; asking for 1 byte still yields the whole first match.
  const Bytes coded = LzhufEncode(Bytes(100, ' '));
  const Bytes output = Unpack(coded, 1).output;
  EXPECT_EQ(output.size(), 60u);
  EXPECT_EQ(output, Bytes(60, ' '));
}

// Coded bits of any kind, as a damaged or foreign file holds them: each bit is 1 with a chance of
// `ones` in 8.
Bytes ArbitraryBits(size_t size, unsigned ones, uint32_t seed) {
  std::mt19937 random(seed);
  Bytes bytes(size);
  for (auto& b : bytes) {
    for (int bit = 0; bit < 8; ++bit) b = static_cast<uint8_t>(b << 1 | (random() % 8 < ones));
  }
  return bytes;
}

void UnpackStreams(TMemoryStream& source, TMemoryStream& target, int32_t text_size) {
  TLZH lzh;
  lzh.InStream = &source;
  lzh.OutStream = &target;
  lzh.UnpackStreams(text_size);
}

Bytes BytesOf(const TMemoryStream& stream) { return Bytes(stream.Bytes().begin(), stream.Bytes().end()); }

// The decoder bound to streams, as the archive reader runs it: coded bits from position 4 of the
// source, output from position 0 of an empty target.
Bytes UnpackFromStreams(const Bytes& bits, int32_t text_size) {
  Bytes file = {0xA5, 0xA5, 0xA5, 0xA5};  // stands for the length, which the caller reads
  file.insert(file.end(), bits.begin(), bits.end());
  TMemoryStream source(file);
  source.SetPosition(4);
  TMemoryStream target;
  UnpackStreams(source, target, text_size);
  EXPECT_EQ(target.Position(), target.Size());
  return BytesOf(target);
}

TEST(Lzh, AgreesWithTheTextbookDecoderOnAnyBits) {
  // Arbitrary bits exercise every symbol, distances across the ring buffer's end, overlapping
  // matches, and tree rebuilds (the large cases decode well over 0x8000 symbols each).
  struct Case {
    const char* name;
    Bytes bits;
    int32_t text_size;
  };
  const Case cases[] = {
      {"even bits", ArbitraryBits(120000, 4, 1), 600000},
      {"mostly ones", ArbitraryBits(120000, 7, 2), 600000},
      {"mostly zeros", ArbitraryBits(120000, 1, 3), 600000},
      {"few bits, then zeros", ArbitraryBits(50, 4, 4), 70000},
      {"no bits", {}, 5000},
      {"one byte", ArbitraryBits(300, 4, 5), 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const Bytes expected = textbook::Decode(c.bits, static_cast<uint32_t>(c.text_size));
    Bytes file = {0, 0, 0, 0};
    file.insert(file.end(), c.bits.begin(), c.bits.end());
    const Bytes through_procedures = Unpack(file, c.text_size).output;
    ASSERT_EQ(through_procedures.size(), expected.size());
    EXPECT_TRUE(through_procedures == expected);
    EXPECT_TRUE(UnpackFromStreams(c.bits, c.text_size) == expected);
  }
}

TEST(LzhStreams, ReadFromTheSourcePositionAndWriteAtTheTargetPosition) {
  const Bytes input = FromText("streams keep what lies before their positions");
  const Bytes coded = LzhufEncode(input);
  struct Case {
    const char* name;
    Bytes target_before;
    size_t target_position;
  };
  const Case cases[] = {
      {"empty target", {}, 0},
      {"appending", FromText("0123"), 4},
      {"overwriting part of a longer target", Bytes(200, 'x'), 10},
      {"position beyond the end", FromText("ab"), 5},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TMemoryStream source(coded);
    source.SetPosition(4);
    TMemoryStream target(c.target_before);
    target.SetPosition(c.target_position);
    UnpackStreams(source, target, static_cast<int32_t>(input.size()));

    const size_t end = c.target_position + input.size();
    EXPECT_EQ(source.Position(), coded.size());
    EXPECT_EQ(target.Position(), end);
    Bytes expected = c.target_before;
    expected.resize(std::max(expected.size(), end), 0);  // a gap before the position reads 0
    std::copy(input.begin(), input.end(), expected.begin() + static_cast<std::ptrdiff_t>(c.target_position));
    EXPECT_TRUE(BytesOf(target) == expected);
  }
}

TEST(LzhStreams, ReadNothingPastTheEndOfTheSource) {
  const Bytes coded = LzhufEncode(SkinLikeBytes(3000));
  for (size_t kept : {size_t{4}, coded.size() / 2, coded.size()}) {
    SCOPED_TRACE(kept);
    const Bytes truncated(coded.begin(), coded.begin() + static_cast<std::ptrdiff_t>(kept));
    TMemoryStream source(truncated);
    source.SetPosition(4);
    TMemoryStream target;
    UnpackStreams(source, target, 3000);
    EXPECT_EQ(source.Position(), kept);
    EXPECT_TRUE(BytesOf(target) == textbook::Decode(std::span(truncated).subspan(4), 3000));
  }
  // A source positioned beyond its end gives no bytes and keeps its position.
  TMemoryStream source(coded);
  source.SetPosition(coded.size() + 7);
  TMemoryStream target;
  UnpackStreams(source, target, 100);
  EXPECT_EQ(source.Position(), coded.size() + 7);
  EXPECT_TRUE(BytesOf(target) == textbook::Decode({}, 100));
}

TEST(LzhStreams, LeaveBothStreamsAloneForEmptyOrNegativeSize) {
  const Bytes coded = LzhufEncode(FromText("some text"));
  for (int32_t size : {0, -1, INT32_MIN}) {
    SCOPED_TRACE(size);
    TMemoryStream source(coded);
    source.SetPosition(4);
    TMemoryStream target(FromText("kept"));
    target.SetPosition(1);
    UnpackStreams(source, target, size);
    EXPECT_EQ(source.Position(), 4u);
    EXPECT_EQ(target.Position(), 1u);
    EXPECT_TRUE(BytesOf(target) == FromText("kept"));
  }
}

TEST(LzhStreams, AMatchStartedBelowTheSizeIsWrittenWhole) {
  // The target is sized for the longest run past the size: 1 byte asked, a 60-byte match.
  const Bytes coded = LzhufEncode(Bytes(100, ' '));
  EXPECT_EQ(UnpackFromStreams(Bytes(coded.begin() + 4, coded.end()), 1), Bytes(60, ' '));
}

}  // namespace
