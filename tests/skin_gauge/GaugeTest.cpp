#include <gtest/gtest.h>

#include "platform/Exception.h"
#include "skin/GlowResource.h"
#include "skin/TsGauge.h"
#include "skin/paint/GaugeGeometry.h"

namespace {

TEST(GaugeTest, ProgressIsClampedAndEveryChangeIsReportedOnce)
{
  TsGauge gauge(nullptr);
  int changes = 0;
  gauge.OnChange = [&](TObject*) { ++changes; };
  gauge.SetProgress(150);
  EXPECT_EQ(gauge.Progress(), 100);
  EXPECT_EQ(changes, 1);
  gauge.SetProgress(100);
  EXPECT_EQ(changes, 1);
  gauge.SetProgress(-7);
  EXPECT_EQ(gauge.Progress(), 0);
  EXPECT_EQ(changes, 2);
}

TEST(GaugeTest, EqualLimitsGiveZeroPercent)
{
  TsGauge gauge(nullptr);
  gauge.SetMinValue(5);
  gauge.SetMaxValue(5);
  EXPECT_EQ(gauge.Progress(), 5);
  EXPECT_EQ(gauge.Percent(), 0);
}

TEST(GaugeTest, CrossedLimitsRaiseTheErrorAndKeepTheOldValues)
{
  TsGauge gauge(nullptr);
  try {
    gauge.SetMinValue(101);
    FAIL() << "no error for a minimum above the maximum";
  } catch (const EInvalidOperation& error) {
    EXPECT_STREQ(error.what(), "Value must be between -2147483647 and 99");
  }
  gauge.SetMinValue(10);
  try {
    gauge.SetMaxValue(9);
    FAIL() << "no error for a maximum below the minimum";
  } catch (const EInvalidOperation& error) {
    EXPECT_STREQ(error.what(), "Value must be between 11 and 2147483647");
  }
  EXPECT_EQ(gauge.MinValue(), 10);
  EXPECT_EQ(gauge.MaxValue(), 100);
  EXPECT_EQ(gauge.Progress(), 47);
}

TEST(GaugeTest, PercentAndFillRoundHalvesToEven)
{
  EXPECT_EQ(GaugePercent(1, 0, 200), 0);  // 0.5
  EXPECT_EQ(GaugePercent(3, 0, 200), 2);  // 1.5
  EXPECT_EQ(GaugePercent(-5, -10, 10), 25);  // 25 exactly
  EXPECT_EQ(GaugePercent(INT32_MAX, INT32_MIN, INT32_MAX), 100);
  EXPECT_EQ(FillLength(53, 30), 16);  // 15.9
  EXPECT_EQ(FillLength(10, 25), 2);   // 2.5
  EXPECT_EQ(FillLength(10, 35), 4);   // 3.5
}

TEST(GaugeTest, TextIsTheNumberWithSuffixUnlessHidden)
{
  TsGauge gauge(nullptr);
  gauge.SetSuffix(" dB");
  EXPECT_EQ(gauge.TextToPrint(), "47 dB");
  gauge.SetMaxValue(200);
  gauge.SetCalcPercents(false);
  gauge.OnPaintText = [](TObject*, std::string& text) { text = "[" + text + "]"; };
  EXPECT_EQ(gauge.TextToPrint(), "[47 dB]");
}

TEST(GaugeTest, GlowPictureIsCompiledIn)
{
  const TBitmap32& glow = GlowResource();
  ASSERT_EQ(glow.Width, 60);
  ASSERT_EQ(glow.Height, 20);
  ASSERT_TRUE(glow.HasAlpha);
  // Clear over the first 13 columns, a white band with alpha in the middle.
  EXPECT_EQ(glow.Scanline(10)[12 * 4 + 3], 0);
  EXPECT_GT(glow.Scanline(10)[30 * 4 + 3], 80);
  EXPECT_EQ(glow.Scanline(10)[30 * 4], 255);
}

}  // namespace
