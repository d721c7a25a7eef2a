// The two window-shadow templates made in code.
#include "skin/core/ShadowTemplates.h"

#include <gtest/gtest.h>

namespace {

int Alpha(const TBitmap32& bitmap, int x, int y)
{
  return bitmap.Scanline(y)[x * 4 + 3];
}

}  // namespace

TEST(ShadowTemplates, ActiveShadowRisesOverTenRingsTo102)
{
  const TBitmap32& shadow = *ShadowTemplate(TacShadowKind::Active);
  ASSERT_EQ(shadow.Width, 32);
  ASSERT_EQ(shadow.Height, 32);
  EXPECT_TRUE(shadow.HasAlpha);
  const int ramp[] = {2, 5, 10, 15, 22, 31, 42, 53, 66, 81};
  for (int ring = 0; ring < 10; ++ring) {
    EXPECT_EQ(Alpha(shadow, ring, 16), ramp[ring]) << ring;
    EXPECT_EQ(Alpha(shadow, 16, 31 - ring), ramp[ring]) << ring;
  }
  EXPECT_EQ(Alpha(shadow, 10, 10), 102);
  EXPECT_EQ(Alpha(shadow, 0, 31), 2);
  for (size_t i = 0; i < shadow.Pixels.size(); i += 4)
    ASSERT_EQ(shadow.Pixels[i] | shadow.Pixels[i + 1] | shadow.Pixels[i + 2], 0) << "black";
}

TEST(ShadowTemplates, InactiveShadowIsFainter)
{
  const TBitmap32& shadow = *ShadowTemplate(TacShadowKind::Inactive);
  ASSERT_EQ(shadow.Width, 31);
  EXPECT_EQ(Alpha(shadow, 15, 15), 77);
  EXPECT_LT(Alpha(shadow, 9, 15), 81);
  EXPECT_LT(Alpha(shadow, 8, 15), Alpha(shadow, 9, 15));
  EXPECT_EQ(ShadowTemplate(TacShadowKind::Inactive), ShadowTemplate(TacShadowKind::Inactive));
}
