// Blending and drawing 32-bit pictures onto targets.
#include "skin/core/Bitmap32.h"
#include "skin/core/PngGraphic.h"

#include <gtest/gtest.h>

#include <array>
#include <random>

namespace {

TBitmap32 Filled(int width, int height, std::array<uint8_t, 4> bgra, bool hasAlpha = false)
{
  TBitmap32 picture(width, height);
  picture.HasAlpha = hasAlpha;
  for (size_t i = 0; i < picture.Pixels.size(); i += 4)
    std::copy(bgra.begin(), bgra.end(), picture.Pixels.begin() + long(i));
  return picture;
}

TBitmap32 Noise(int width, int height, uint32_t seed, bool hasAlpha)
{
  TBitmap32 picture(width, height);
  picture.HasAlpha = hasAlpha;
  std::mt19937 random(seed);
  for (uint8_t& byte : picture.Pixels)
    byte = uint8_t(random());
  if (!hasAlpha)
    MakeOpaque(picture);
  return picture;
}

std::array<uint8_t, 4> PixelAt(const TBitmap32& picture, int x, int y)
{
  const uint8_t* p = picture.Scanline(y) + size_t(x) * 4;
  return {p[0], p[1], p[2], p[3]};
}

// Each picture row of a picture, one per row of a rect: which source row a target row shows.
int SourceRowOf(const TBitmap32& target, const TBitmap32& picture, int targetY, int left)
{
  for (int y = 0; y < picture.Height; ++y)
    if (std::equal(picture.Scanline(y), picture.Scanline(y) + picture.Width * 4,
                   target.Scanline(targetY) + left * 4))
      return y;
  return -1;
}

}  // namespace

TEST(BitmapBlend, StraightAndPremultipliedAlpha)
{
  uint8_t target[4] = {200, 100, 0, 255};
  const uint8_t half[4] = {0, 200, 100, 128};
  BlendPixel(target, half, TAlphaFormat::Straight);
  EXPECT_EQ(std::vector<uint8_t>(target, target + 4), (std::vector<uint8_t>{100, 150, 50, 255}));

  uint8_t clearTarget[4] = {200, 100, 0, 0};
  const uint8_t premultiplied[4] = {0, 100, 50, 128};
  BlendPixel(clearTarget, premultiplied, TAlphaFormat::Premultiplied);
  EXPECT_EQ(std::vector<uint8_t>(clearTarget, clearTarget + 4), (std::vector<uint8_t>{100, 150, 50, 128}));

  for (const TAlphaFormat format : {TAlphaFormat::Straight, TAlphaFormat::Premultiplied}) {
    uint8_t opaque[4] = {1, 2, 3, 4};
    const uint8_t solid[4] = {9, 8, 7, 255};
    BlendPixel(opaque, solid, format);
    EXPECT_EQ(std::vector<uint8_t>(opaque, opaque + 4), (std::vector<uint8_t>{9, 8, 7, 255}));
  }
}

TEST(BitmapDraw, FullyTransparentPictureLeavesTargetUnchanged)
{
  TBitmap32 picture = Noise(17, 9, 1, true);
  for (size_t i = 3; i < picture.Pixels.size(); i += 4)
    picture.Pixels[i] = 0;
  TBitmap32 target = Noise(30, 20, 2, false);
  const TBitmap32 before = target;
  TPNGGraphic graphic;
  graphic.Assign(picture);
  graphic.Draw(target, {3, 4, 17, 9});
  EXPECT_EQ(target.Pixels, before.Pixels);
}

TEST(BitmapDraw, OpaquePictureIsCopiedAndClipped)
{
  const TBitmap32 picture = Noise(8, 6, 3, false);
  TBitmap32 target = Filled(10, 10, {0, 0, 0, 0});
  DrawPicture(target, picture, {5, -2, 8, 6});
  for (int y = 0; y < 10; ++y)
    for (int x = 0; x < 10; ++x) {
      const bool inside = x >= 5 && y < 4;
      const auto want = inside ? PixelAt(picture, x - 5, y + 2) : std::array<uint8_t, 4>{0, 0, 0, 0};
      ASSERT_EQ(PixelAt(target, x, y), want) << x << "," << y;
    }
}

TEST(BitmapDraw, AlphaPictureIsBlendedOverTarget)
{
  const TBitmap32 picture = Filled(4, 4, {255, 0, 0, 64}, true);
  TBitmap32 target = Filled(6, 6, {0, 0, 255, 255});
  DrawPicture(target, picture, {1, 1, 4, 4});
  EXPECT_EQ(PixelAt(target, 2, 2), (std::array<uint8_t, 4>{64, 0, 191, 255}));
  EXPECT_EQ(PixelAt(target, 0, 0), (std::array<uint8_t, 4>{0, 0, 255, 255}));
}

TEST(BitmapDraw, StretchingRepeatsAndDropsWholePixels)
{
  TBitmap32 picture = Noise(4, 3, 4, true);
  const TBitmap32 wide = StretchBitmap(picture, 8, 6);
  for (int y = 0; y < 6; ++y)
    for (int x = 0; x < 8; ++x)
      ASSERT_EQ(PixelAt(wide, x, y), PixelAt(picture, x / 2, y / 2)) << x << "," << y;
  EXPECT_TRUE(wide.HasAlpha);

  const TBitmap32 narrow = StretchBitmap(Noise(9, 9, 5, false), 3, 3);
  const TBitmap32 source = Noise(9, 9, 5, false);
  EXPECT_EQ(PixelAt(narrow, 1, 2), PixelAt(source, 3, 6));

  // Drawn into a larger rect, alpha is stretched with the colour: blending an opaque
  // half and a transparent half keeps that split at the new size.
  TBitmap32 halves = Filled(2, 1, {10, 20, 30, 255}, true);
  halves.Pixels[7] = 0;
  TBitmap32 target = Filled(6, 2, {1, 1, 1, 255});
  DrawPicture(target, halves, {0, 0, 6, 2});
  EXPECT_EQ(PixelAt(target, 2, 1), (std::array<uint8_t, 4>{10, 20, 30, 255}));
  EXPECT_EQ(PixelAt(target, 3, 0), (std::array<uint8_t, 4>{1, 1, 1, 255}));
}

TEST(BitmapDraw, ReflectionMirrorsLowerHalfBelow)
{
  for (const bool alpha : {false, true}) {
    TBitmap32 picture = Noise(5, 7, 6, false);
    picture.HasAlpha = alpha;  // opaque alpha: blending must give the same as copying
    TBitmap32 target = Filled(9, 20, {0, 0, 0, 255});
    TPNGGraphic graphic;
    graphic.Assign(picture);
    graphic.Reflection = TReflection::Mirrored;
    graphic.Draw(target, {2, 1, 5, 7});
    for (int y = 0; y < 7; ++y)
      EXPECT_EQ(SourceRowOf(target, picture, 1 + y, 2), y);
    for (int k = 0; k < 3; ++k)  // half of 7 rows
      EXPECT_EQ(SourceRowOf(target, picture, 8 + k, 2), 6 - k);
    EXPECT_EQ(PixelAt(target, 2, 11), (std::array<uint8_t, 4>{0, 0, 0, 255}));
  }
}

TEST(BitmapDraw, TransparentColourIsSkipped)
{
  TBitmap32 source = Filled(3, 2, {0xFF, 0x00, 0xFF, 255});
  source.Pixels[4] = 7;  // pixel (1, 0) is not pink
  TBitmap32 target = Filled(4, 4, {1, 2, 3, 255});
  CopyWithTransparentColor(target, 2, 3, source, {0, 0, 3, 2});
  EXPECT_EQ(PixelAt(target, 3, 3), (std::array<uint8_t, 4>{7, 0x00, 0xFF, 255}));
  EXPECT_EQ(PixelAt(target, 2, 3), (std::array<uint8_t, 4>{1, 2, 3, 255}));
  EXPECT_EQ(PixelAt(target, 3, 2), (std::array<uint8_t, 4>{1, 2, 3, 255}));
}

TEST(BitmapDraw, MakeOpaque)
{
  TBitmap32 picture = Noise(3, 3, 8, true);
  const std::vector<uint8_t> before = picture.Pixels;
  MakeOpaque(picture);
  EXPECT_FALSE(picture.HasAlpha);
  for (size_t i = 0; i < picture.Pixels.size(); ++i)
    EXPECT_EQ(picture.Pixels[i], i % 4 == 3 ? 255 : before[i]);
}
