#include "skin/core/parse_colour.h"

#include <gtest/gtest.h>

namespace {

TEST(ParseColour, ReadsRedGreenBlueFromAnySeparators) {
  constexpr int32_t kFallback = 0x12345678;
  struct Case {
    const char* text;
    int32_t expected;
  };
  const Case cases[] = {
      {"255,0,255", 0xFF00FF},
      {"255 0 255", 0xFF00FF},
      {"  255, 0, 255  ", 0xFF00FF},  // blanks around and after commas
      {"10;20;30", 0x1E140A},
      {"1,2,3,4,5", 0x030201},       // numbers after the third are ignored
      {"10 20", 0x00000A},           // the second number never completes a pair: only red
      {"10,20,", 0x00140A},          // two complete numbers: blue 0
      {"256,257,511", 0xFF0100},     // each component modulo 256
      {"4294967551,0,0", 0x0000FF},  // a number beyond 32 bits is still taken modulo 256
      {"-5,-6,-7", 0x070605},        // a sign is a separator
      {"red", 0},                    // no numbers: black
      {"", kFallback},
      {"   \t ", kFallback},  // blank is empty
  };
  for (const Case& c : cases) EXPECT_EQ(skin::ParseColour(c.text, kFallback), c.expected) << '"' << c.text << '"';
}

}  // namespace
