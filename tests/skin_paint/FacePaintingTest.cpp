// Background of a face: shares, transparency over the parent, corner pictures.

#include <gtest/gtest.h>

#include "PaintFixture.h"
#include "skin/paint/FacePainting.h"
#include "skin/paint/PaintColors.h"

TEST(PaintColors, MixRoundsEveryChannel)
{
  EXPECT_EQ(Mix(0xFFFFFF, 0x000000, 0.5), 0x808080);
  EXPECT_EQ(Mix(0xFFFFFF, 0x000000, 0.4), 0x666666);
  EXPECT_EQ(Mix(0x0000FF, 0xFF0000, 2.0), 0x0000FF);  // p clamped
}

TEST(FacePainting, TransparencyBlendsWithTheParent)
{
  PaintFixture f;
  const int panel = f.AddSection("PANEL", 0x000000);
  f.Tables.Sections[0].States[0].Transparency = 50;
  TBitmap32 target(4, 4);

  // A parent of one colour: Mix(parent, own, 0.5).
  PaintFaceBackground(target, {0, 0, 4, 4}, f.Source(panel), 0, TacParentBackground::OfColor(0xFFFFFF));
  EXPECT_EQ(PixelAt(target, 2, 2), 0x808080);

  // A parent with a picture: (t x (background - own) + own x 256) / 256 with t = 128.
  TBitmap32 parent(8, 8);
  FillColor(parent, {0, 0, 8, 8}, 0xFFFFFF);
  PaintFaceBackground(target, {0, 0, 4, 4}, f.Source(panel), 0, TacParentBackground::OfPicture(&parent, 2, 2, 0));
  EXPECT_EQ(PixelAt(target, 0, 0), 0x7F7F7F);

  // Transparency 100 copies the parent's picture from the control's offset.
  f.Tables.Sections[0].States[0].Transparency = 100;
  FillColor(parent, {3, 3, 1, 1}, 0x123456);
  PaintFaceBackground(target, {0, 0, 4, 4}, f.Source(panel), 0, TacParentBackground::OfPicture(&parent, 2, 2, 0));
  EXPECT_EQ(PixelAt(target, 1, 1), 0x123456);
  EXPECT_EQ(PixelAt(target, 0, 0), 0xFFFFFF);
}

TEST(FacePainting, SharesOfGradientAndColour)
{
  PaintFixture f;
  const int section = f.AddSection("BUTTON", 0x0000FF, 2);
  TsGenState& normal = f.Tables.Sections[0].States[0];
  normal.GradientArray = {{0x00FF00, 0x00FF00, 100, 0}};
  normal.GradientPercent = 100;
  f.Tables.Sections[0].States[1].Color = 0xFF0000;  // hot: plain colour
  TBitmap32 target(3, 10);
  PaintFaceBackground(target, {0, 0, 3, 10}, f.Source(section), 0, {});
  EXPECT_EQ(PixelAt(target, 1, 5), 0x00FF00);

  // A share of 60: channel = round(0.6 x gradient + 0.4 x colour).
  normal.GradientPercent = 60;
  PaintFaceBackground(target, {0, 0, 3, 10}, f.Source(section), 0, {});
  EXPECT_EQ(PixelAt(target, 1, 5), 0x0099 << 8 | 0x66);

  // Out-of-range shares are clamped, states above StateCount - 1 use the last one.
  normal.GradientPercent = 250;
  PaintFaceBackground(target, {0, 0, 3, 10}, f.Source(section), 0, {});
  EXPECT_EQ(PixelAt(target, 1, 5), 0x00FF00);
  PaintFaceBackground(target, {0, 0, 3, 10}, f.Source(section), 7, {});
  EXPECT_EQ(PixelAt(target, 1, 5), 0xFF0000);
}

TEST(FacePainting, FaceWaitsForTheParentAndPlacesCornerPictures)
{
  PaintFixture f;
  const int section = f.AddSection("PANEL", 0x000000);
  TBitmap32 target(10, 6);
  EXPECT_FALSE(PaintFace(target, {0, 0, 10, 6}, f.Source(section), 0, std::nullopt));
  EXPECT_FALSE(PaintFace(target, {0, 0, 11, 6}, f.Source(section), 0, TacParentBackground()));
  EXPECT_EQ(PixelAt(target, 0, 0), 0);

  // A 2 x 2 picture with one key-coloured pixel at the top-right corner.
  auto corner = std::make_shared<TBitmap32>(2, 2);
  FillColor(*corner, {0, 0, 2, 2}, 0x00FF00);
  FillColor(*corner, {0, 0, 1, 1}, int(TransparentColor));
  f.Tables.Sections[0].ImgTopRight = f.AddMask(corner, 1, 0);
  ASSERT_TRUE(PaintFace(target, {0, 0, 10, 6}, f.Source(section), 0, TacParentBackground()));
  EXPECT_EQ(PixelAt(target, 8, 0), 0x000000);  // transparent pixel
  EXPECT_EQ(PixelAt(target, 9, 0), 0x00FF00);
  EXPECT_EQ(PixelAt(target, 8, 1), 0x00FF00);
  EXPECT_EQ(PixelAt(target, 7, 1), 0x000000);
}
