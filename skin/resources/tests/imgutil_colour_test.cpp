#include <gtest/gtest.h>

#include "skin/resources/imgutil.h"

namespace {

using skin::ColorSaturation;
using skin::MixColors;
using skin::TColor;

TEST(ImgUtilColour, MixColorsWeighsTheFirstColourAndRoundsHalfUp) {
  struct Case {
    const char* what;
    TColor c1, c2;
    int weight;
    TColor expected;
  };
  const TColor grey = RGB(128, 128, 128);
  const TColor some = RGB(10, 200, 40);
  const Case cases[] = {
      {"15 % grey, 85 % colour", grey, some, 150, RGB(28, 189, 53)},
      {"60 % colour, 40 % white", some, RGB(255, 255, 255), 60, RGB(108, 222, 126)},
      {"99 is 99 %", RGB(200, 0, 0), 0, 99, RGB(198, 0, 0)},
      {"100 is 10 %", RGB(200, 0, 0), 0, 100, RGB(20, 0, 0)},
      {"half rounds up", RGB(1, 0, 0), 0, 50, RGB(1, 0, 0)},
      {"weight 0 is the second colour", some, grey, 0, grey},
      {"weight 1000 is the first colour", some, grey, 1000, some},
      {"every channel on its own", RGB(0, 100, 200), RGB(200, 100, 0), 25, RGB(150, 100, 50)},
  };
  for (const Case& c : cases) EXPECT_EQ(MixColors(c.c1, c.c2, c.weight), c.expected) << c.what;
}

TEST(ImgUtilColour, MixColorsResolvesSystemColours) {
  const TColor window = static_cast<TColor>(GetSysColor(COLOR_WINDOW));
  EXPECT_EQ(MixColors(fw::clWindow, 0, 1000), window);
  EXPECT_EQ(MixColors(0, fw::clWindow, 0), window);
}

TEST(ImgUtilColour, MixColorsKeepsEightBitsPerChannelForOddWeights) {
  // Weights beyond the scale push a channel out of 0..255; only its low 8 bits stay.
  const TColor mixed = MixColors(RGB(255, 255, 255), 0, 2000);
  EXPECT_EQ(mixed & ~0xFFFFFF, 0);
  EXPECT_EQ(mixed, RGB(510 & 0xFF, 510 & 0xFF, 510 & 0xFF));
}

TEST(ImgUtilColour, ColorSaturationOfBrightColoursAndTheDarkDefault) {
  struct Case {
    const char* what;
    TColor color;
    int expected;
  };
  const Case cases[] = {
      {"pure red", RGB(255, 0, 0), 255},
      {"dark colour", RGB(100, 50, 50), 200},
      {"white", RGB(255, 255, 255), 0},
      {"black", RGB(0, 0, 0), 200},
      {"159 is still dark", RGB(159, 0, 0), 200},
      {"160 counts as bright", RGB(0, 160, 0), 255},
      {"half a step rounds to even (4.5)", RGB(170, 167, 167), 4},
      {"half a step rounds to even (1.5)", RGB(170, 169, 169), 2},
      {"half of the range", RGB(200, 100, 100), 128},
  };
  for (const Case& c : cases) EXPECT_EQ(ColorSaturation(c.color), c.expected) << c.what;
}

TEST(ImgUtilColour, ColorSaturationResolvesSystemColours) {
  const TColor window = static_cast<TColor>(GetSysColor(COLOR_WINDOW));
  EXPECT_EQ(ColorSaturation(fw::clWindow), ColorSaturation(window));
}

}  // namespace
