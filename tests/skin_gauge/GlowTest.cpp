#include <gtest/gtest.h>

#include "skin/paint/BitmapRotation.h"
#include "skin/paint/GaugeGeometry.h"
#include "skin/paint/GaugeGlow.h"
#include "skin/paint/GlowSweep.h"

namespace {

TEST(GlowTest, ShortBarsStepFifteenPixelsAndLongOnesTheirShare)
{
  EXPECT_EQ(GlowStep(53), 15);    // 53 x 44 / 2222 rounds to 1
  EXPECT_EQ(GlowStep(1010), 20);  // exactly 20
  EXPECT_EQ(GlowStep(1035), 20);  // 20.5 goes to the even 20
}

TEST(GlowTest, SweepStartsAtOnceRepeatsAndRestsAtTheEnd)
{
  TacGlowSweep sweep;
  std::vector<int> shown;
  for (int tick = 0; tick < 300; ++tick)
    if (sweep.Tick(53, true)) {
      shown.push_back(sweep.Position);
      sweep.Advance(53);
    }
  ASSERT_FALSE(shown.empty());
  EXPECT_EQ(shown[0], -300);
  EXPECT_EQ(shown[1], -285);
  // -300 to 53 in steps of 15: 24 repaints, then rest until 2222 ms have passed.
  const size_t perSweep = 24;
  EXPECT_EQ(shown[perSweep - 1], 45);
  EXPECT_EQ(shown[perSweep], -300);
  // A sweep lasts 102 ticks of 22 ms: 300 ticks start three.
  EXPECT_EQ(shown.size(), 3 * perSweep);

  // A rest skipped in one step ends where ticking through it would.
  TacGlowSweep ticked, skipped;
  for (TacGlowSweep* sweep : {&ticked, &skipped})
    for (int tick = 0; tick < 30; ++tick)
      if (sweep->Tick(53, true))
        sweep->Advance(53);
  const int rest = skipped.TicksToNextSweep();
  skipped.Skip(rest - 1);
  for (int tick = 0; tick < rest - 1; ++tick)
    EXPECT_FALSE(ticked.Tick(53, true)) << "the rest was not idle";
  EXPECT_TRUE(ticked.Tick(53, true));
  EXPECT_TRUE(skipped.Tick(53, true));
  EXPECT_EQ(ticked.Position, -300);
  EXPECT_EQ(skipped.Position, -300);
  EXPECT_EQ(skipped.Elapsed, ticked.Elapsed);

  TacGlowSweep hidden;
  for (int tick = 0; tick < 10; ++tick)
    EXPECT_FALSE(hidden.Tick(53, false));
}

TEST(GlowTest, TallPictureIsCroppedSymmetricallyAndStretched)
{
  TBitmap32 source(60, 20);
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 60; ++x)
      source.Scanline(y)[x * 4 + 3] = uint8_t(y);  // alpha tells the row
  const TBitmap32 glow = MakeGlowPicture(source, 9);
  ASSERT_EQ(glow.Width, 300);
  ASSERT_EQ(glow.Height, 9);
  EXPECT_EQ(glow.Scanline(0)[3], 6);  // (20 - 9) / 2 + 1 rows left out at the top
  EXPECT_EQ(glow.Scanline(8)[299 * 4 + 3], 14);
}

TEST(GlowTest, GlowLightsOnlyTheFilledPartWhereAllowed)
{
  TBitmap32 strip(53, 2);  // black, opaque
  for (size_t i = 3; i < strip.Pixels.size(); i += 4)
    strip.Pixels[i] = 255;
  TBitmap32 glow(300, 2);
  std::fill(glow.Pixels.begin(), glow.Pixels.end(), 255);  // white, opaque
  glow.HasAlpha = true;
  TBitmap32 allowed(53, 2);  // black: open, except row 1 keyed out
  for (int x = 0; x < 53; ++x) {
    allowed.Scanline(1)[x * 4] = 255;
    allowed.Scanline(1)[x * 4 + 2] = 255;
  }
  DrawGlow(strip, 16, glow, -290, &allowed);  // the band covers columns 0..9
  EXPECT_EQ(strip.Scanline(0)[9 * 4], 255);
  EXPECT_EQ(strip.Scanline(0)[10 * 4], 0);
  EXPECT_EQ(strip.Scanline(1)[0], 0);
  DrawGlow(strip, 16, glow, 0);
  EXPECT_EQ(strip.Scanline(1)[15 * 4], 255);
  EXPECT_EQ(strip.Scanline(1)[16 * 4], 0);
}

TEST(GlowTest, QuarterTurnPutsTheBottomEdgeFirst)
{
  TBitmap32 picture(2, 3);
  picture.Scanline(2)[0] = 7;  // bottom-left
  const TBitmap32 turned = RotateClockwise(picture);
  ASSERT_EQ(turned.Width, 3);
  ASSERT_EQ(turned.Height, 2);
  EXPECT_EQ(turned.Scanline(0)[0], 7);
  EXPECT_EQ(RotateCounterClockwise(turned).Pixels, picture.Pixels);
}

}  // namespace
