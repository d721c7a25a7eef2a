// The nine-part border: margins that shrink, frames by state, transparency.

#include <gtest/gtest.h>

#include "PaintFixture.h"
#include "skin/paint/NinePart.h"
#include "skin/paint/PaintColors.h"

namespace {

constexpr int kRed = 0x0000FF, kGreen = 0x00FF00, kBlue = 0xFF0000, kBack = 0x333333;

// 24 columns: ten red, four green, ten blue; margins 10.
TBitmapRef Stripes()
{
  return Columns({kRed, kRed, kRed, kRed, kRed, kRed, kRed, kRed, kRed, kRed, kGreen, kGreen, kGreen, kGreen, kBlue,
                  kBlue, kBlue, kBlue, kBlue, kBlue, kBlue, kBlue, kBlue, kBlue},
                 24);
}

}  // namespace

TEST(NinePart, MarginsShrinkByHalfTheExcess)
{
  TsMaskData mask;
  mask.Area = {0, 0, 30, 30};
  mask.MarginLeft = mask.MarginRight = mask.MarginTop = mask.MarginBottom = 10;
  const TacMargins even = NinePartMargins(mask, 14, 30);
  EXPECT_EQ(even.Left, 7);
  EXPECT_EQ(even.Right, 7);
  const TacMargins odd = NinePartMargins(mask, 13, 3);
  EXPECT_EQ(odd.Left, 7);
  EXPECT_EQ(odd.Right, 6);
  EXPECT_EQ(odd.Top, 2);  // 17 over: 10 - 8 and 10 - 8 - 1
  EXPECT_EQ(odd.Bottom, 1);

  // Margins wider than the frame stay inside it.
  mask.MarginLeft = 500;
  const TacMargins wide = NinePartMargins(mask, 100, 100);
  EXPECT_EQ(wide.Left, 30);
  EXPECT_EQ(wide.Right, 0);
}

TEST(NinePart, CornersKeepTheirPixelsWhenShrunk)
{
  PaintFixture f;
  const int mask = f.AddMask(Stripes(), 1, 10);
  const int section = f.AddSection("BUTTON", kBack);
  TBitmap32 target(13, 24);
  DrawNinePart(target, {0, 0, 13, 24}, 1, f.Source(section), mask, {});
  EXPECT_EQ(PixelAt(target, 6, 12), kRed);   // left margin 7
  EXPECT_EQ(PixelAt(target, 7, 12), kBlue);  // right margin 6
  EXPECT_EQ(PixelAt(target, 12, 0), kBlue);
}

TEST(NinePart, FrameByStateAndNothingInNormalStateWithFlagTwo)
{
  PaintFixture f;
  // Two frames of 3 columns: frame 0 red, frame 1 green.
  const int mask = f.AddMask(Columns({kRed, kRed, kRed, kGreen, kGreen, kGreen}, 3), 2, 1, 4);
  const int section = f.AddSection("BUTTON", kBack);
  TBitmap32 target(6, 6);
  FillColor(target, {0, 0, 6, 6}, kBack);
  DrawNinePart(target, {0, 0, 6, 6}, 5, f.Source(section), mask, {});  // state 5 -> last frame
  EXPECT_EQ(PixelAt(target, 0, 0), kGreen);
  EXPECT_EQ(PixelAt(target, 3, 3), kGreen);  // centre drawn with DrawFlags bit 2

  f.Tables.Masks[size_t(mask)].DrawFlags = 2;
  FillColor(target, {0, 0, 6, 6}, kBack);
  DrawNinePart(target, {0, 0, 6, 6}, 0, f.Source(section), mask, {});
  EXPECT_EQ(PixelAt(target, 0, 0), kBack);
  DrawNinePart(target, {0, 0, 6, 6}, 1, f.Source(section), mask, {});
  EXPECT_EQ(PixelAt(target, 0, 0), kGreen);
  EXPECT_EQ(PixelAt(target, 3, 3), kBack);  // no centre without bit 2
}

TEST(NinePart, KeyColourCornersShowTheParentAndMaskRowsMix)
{
  PaintFixture f;
  const int key = int(TransparentColor);
  // 3 x 3, key colour in the top-left corner pixel and in the centre.
  auto picture = Columns({kRed, kRed, kRed}, 3);
  auto* pixels = const_cast<TBitmap32*>(picture.get());
  FillColor(*pixels, {0, 0, 1, 1}, key);
  FillColor(*pixels, {1, 1, 1, 1}, key);
  const int mask = f.AddMask(picture, 1, 1, 4);
  const int section = f.AddSection("BUTTON", kBack);
  TBitmap32 target(3, 3);
  FillColor(target, {0, 0, 3, 3}, kBack);
  DrawNinePart(target, {0, 0, 3, 3}, 0, f.Source(section), mask, TacParentBackground::OfColor(kGreen));
  EXPECT_EQ(PixelAt(target, 0, 0), kBack);  // CornerKind 0: the face stays
  EXPECT_EQ(PixelAt(target, 1, 1), key);    // the centre is copied opaquely

  f.Tables.Masks[size_t(mask)].CornerKind = 1;
  DrawNinePart(target, {0, 0, 3, 3}, 0, f.Source(section), mask, TacParentBackground::OfColor(kGreen));
  EXPECT_EQ(PixelAt(target, 0, 0), kGreen);

  // One image row over one mask row: white shows what lies beneath, black the image.
  auto masked = std::make_shared<TBitmap32>(2, 2);
  FillColor(*masked, {0, 0, 2, 1}, kRed);
  FillColor(*masked, {0, 1, 1, 1}, 0xFFFFFF);
  FillColor(*masked, {1, 1, 1, 1}, 0x000000);
  const int rows = f.AddMask(masked, 1, 1, 0, 1);
  FillColor(target, {0, 0, 3, 3}, kBack);
  DrawNinePart(target, {0, 0, 2, 2}, 0, f.Source(section), rows, {});
  EXPECT_EQ(PixelAt(target, 0, 0), kBack);
  EXPECT_EQ(PixelAt(target, 1, 0), kRed);
}

TEST(NinePart, BadTableValuesDrawNothingOutside)
{
  PaintFixture f;
  const int mask = f.AddMask(Columns({kRed, kRed}, 2), 0, 1);  // no frames
  const int section = f.AddSection("BUTTON", kBack);
  f.Tables.Masks.push_back(f.Tables.Masks[0]);
  f.Tables.Masks[1].FrameCount = 1;
  f.Tables.Masks[1].Area = {-5, -5, 400, 400};  // larger than its picture
  TBitmap32 target(4, 4);
  FillColor(target, {0, 0, 4, 4}, kBack);
  DrawNinePart(target, {0, 0, 4, 4}, 0, f.Source(section), mask, {});
  DrawNinePart(target, {0, 0, 4, 4}, 0, f.Source(section), 99, {});
  EXPECT_EQ(PixelAt(target, 0, 0), kBack);
  DrawNinePart(target, {-3, -3, 40, 40}, 0, f.Source(section), 1, {});
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 4; ++x)
      EXPECT_TRUE(PixelAt(target, x, y) == kRed || PixelAt(target, x, y) == kBack);
}
