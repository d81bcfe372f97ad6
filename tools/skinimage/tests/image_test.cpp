#include "tools/skinimage/image.h"

#include <gtest/gtest.h>

#include "tools/skinimage/bitmap_font.h"

namespace skinimage {
namespace {

TEST(SkinImage, TakesPixelsOnlyWhenThereAreExactlyEnough) {
  const Image image(2, 1, std::vector<Rgb>{kWhite, kMagenta});
  EXPECT_EQ(image.At(1, 0), kMagenta);
  EXPECT_TRUE(Image(2, 2, std::vector<Rgb>{kWhite, kMagenta}).Empty());
  EXPECT_TRUE(Image(0, 2, std::vector<Rgb>{}).Empty());
}

TEST(SkinImage, DrawingIsClippedToTheImage) {
  Image image(4, 3, kWhite);
  image.Fill({-5, -5, 2, 1}, kBlack);
  image.Set(10, 10, kBlack);
  image.HorizontalLine(3, 9, 2, kMagenta);
  EXPECT_EQ(image.At(0, 0), kBlack);
  EXPECT_EQ(image.At(1, 0), kBlack);
  EXPECT_EQ(image.At(2, 0), kWhite);
  EXPECT_EQ(image.At(0, 1), kWhite);
  EXPECT_EQ(image.At(3, 2), kMagenta);
  EXPECT_EQ(image.At(7, 7), kBlack);  // outside reads black
}

TEST(SkinImage, GradientsReachBothEndColours) {
  Image image(3, 5);
  image.VerticalGradient(image.Bounds(), MakeRgb(0, 0, 0), MakeRgb(200, 100, 40));
  EXPECT_EQ(image.At(1, 0), MakeRgb(0, 0, 0));
  EXPECT_EQ(image.At(1, 2), MakeRgb(100, 50, 20));
  EXPECT_EQ(image.At(1, 4), MakeRgb(200, 100, 40));
  EXPECT_EQ(Mix(MakeRgb(0, 0, 0), MakeRgb(255, 255, 255), 1, 2), MakeRgb(128, 128, 128));
}

TEST(SkinImage, TransposeMirrorAndMagnify) {
  Image image(3, 2, kWhite);
  image.Set(2, 0, kBlack);
  const Image t = image.Transposed();
  EXPECT_EQ(t.Width(), 2);
  EXPECT_EQ(t.Height(), 3);
  EXPECT_EQ(t.At(0, 2), kBlack);
  EXPECT_EQ(image.MirroredHorizontally().At(0, 0), kBlack);
  EXPECT_EQ(image.FlippedVertically().At(2, 1), kBlack);
  const Image big = image.Magnified(4);
  EXPECT_EQ(big.Width(), 12);
  EXPECT_EQ(big.At(8, 3), kBlack);
  EXPECT_EQ(big.At(7, 3), kWhite);
  EXPECT_EQ(big.At(8, 4), kWhite);
}

TEST(SkinImage, KeyedDrawingLeavesKeyPixelsAlone) {
  Image target(2, 1, kWhite);
  Image source(2, 1, kMagenta);
  source.Set(1, 0, kBlack);
  target.DrawKeyed(source, source.Bounds(), 0, 0, kMagenta);
  EXPECT_EQ(target.At(0, 0), kWhite);
  EXPECT_EQ(target.At(1, 0), kBlack);
}

TEST(BitmapFont, TextIsDrawnInCellsAndDoubleByteCharactersAreOneCell) {
  Image image(40, 9, kWhite);
  EXPECT_EQ(DrawText(image, 0, 0, "Ab", kBlack), 12);
  EXPECT_EQ(image.At(2, 1), kBlack);  // top of the A
  EXPECT_EQ(image.At(0, 0), kWhite);  // the cell's top row stays empty
  EXPECT_EQ(TextWidth("\xCC\xEC"
                      "a"),
            12);
  EXPECT_EQ(TextWidth("x", 3), 18);
}

}  // namespace
}  // namespace skinimage
