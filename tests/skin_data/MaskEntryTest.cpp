// Every mask-entry format of the options file and the margins derived from it.
#include "skin/core/MaskEntry.h"

#include <gtest/gtest.h>

namespace {

std::array<int, 4> Margins(const TsMaskData& mask)
{
  return {mask.MarginLeft, mask.MarginTop, mask.MarginRight, mask.MarginBottom};
}

std::array<int, 4> Effective(const TsMaskData& mask)
{
  return {mask.EffectiveLeft(), mask.EffectiveTop(), mask.EffectiveRight(), mask.EffectiveBottom()};
}

}  // namespace

TEST(MaskEntry, PictureFileWithFewFieldsGetsThirdsOfTheFrame)
{
  TacMaskEntry entry = ParseMaskEntry("!btn.png!2!1", 8);
  ASSERT_EQ(entry.Format, TacEntryFormat::PictureFile);
  EXPECT_EQ(entry.FileName, "btn.png");
  FinishPictureEntry(entry, 120, 60);
  EXPECT_EQ(Margins(entry.Mask), (std::array<int, 4>{20, 10, 20, 10}));
  EXPECT_EQ(entry.Mask.DrawFlags, 1);
  EXPECT_EQ(entry.Mask.FrameWidth(), 60);
  EXPECT_EQ(entry.Mask.FrameHeight(), 30);
}

TEST(MaskEntry, PictureFileWithAllFields)
{
  TacMaskEntry entry = ParseMaskEntry("!Face.BMP!4!0!9!1!2!3!4!6", 8);
  FinishPictureEntry(entry, 80, 20);
  EXPECT_EQ(entry.Mask.FrameCount, 4);
  EXPECT_EQ(entry.Mask.EntryKind, 4);  // above 4 becomes 4
  EXPECT_EQ(Margins(entry.Mask), (std::array<int, 4>{1, 2, 3, 4}));
  EXPECT_EQ(entry.Mask.DrawFlags, 6);
  EXPECT_EQ(ParseMaskEntry("!face.gif!2", 8).Format, TacEntryFormat::None);
}

TEST(MaskEntry, PlainRegionInFixedColumns)
{
  const TacMaskEntry entry = ParseMaskEntry("@0010 0020 0070 0040 3 1", 8);
  ASSERT_EQ(entry.Format, TacEntryFormat::MasterRegion);
  const TsMaskData& mask = entry.Mask;
  EXPECT_EQ(mask.Area.Left, 10);
  EXPECT_EQ(mask.Area.Bottom, 40);
  EXPECT_EQ(mask.FrameCount, 3);
  EXPECT_EQ(mask.MaskRows, 1);
  EXPECT_EQ(mask.EntryKind, ekPlainRegion);
  EXPECT_EQ(mask.FrameWidth(), 20);
  EXPECT_EQ(mask.FrameHeight(), 10);
}

TEST(MaskEntry, RegionWithMarginsAndDefaultMargin)
{
  const TsMaskData given = ParseMaskEntry("^0000 0000 0060 0020 0001 0002 0003 0004 3 0 5 0", 8).Mask;
  EXPECT_EQ(Margins(given), (std::array<int, 4>{1, 2, 3, 4}));
  EXPECT_EQ(given.DrawFlags, 5);
  EXPECT_EQ(given.EntryKind, ekRegion);
  const TsMaskData byDefault = ParseMaskEntry("^0000 0000 0060 0020 0000 0000 0000 0000 3 0 0 3", 8).Mask;
  EXPECT_EQ(Margins(byDefault), (std::array<int, 4>{3, 3, 3, 3}));
  const TsMaskData thirds = ParseMaskEntry("^0000 0000 0090 0030 0000 0000 0000 0000 3 0 0 0", 8).Mask;
  EXPECT_EQ(Margins(thirds), (std::array<int, 4>{10, 10, 10, 10}));
}

TEST(MaskEntry, OldSkinsDeriveTheStretchBitFromTheCentre)
{
  // Frames 7 x 7 (one image row, one mask row of 14): centre 1 x 1 with margins 3.
  const char* value = "^0000 0000 0021 0014 0003 0003 0003 0003 3 1 4 0";
  EXPECT_EQ(ParseMaskEntry(value, 7.3).Mask.DrawFlags, 5);
  EXPECT_EQ(ParseMaskEntry(value, 7.4).Mask.DrawFlags, 4);
  const char* wide = "^0000 0000 0030 0014 0003 0003 0003 0003 3 1 5 0";
  EXPECT_EQ(ParseMaskEntry(wide, 7.3).Mask.DrawFlags, 4);
}

TEST(MaskEntry, TextureRegion)
{
  const TsMaskData withRows = ParseMaskEntry("~0000 0000 0064 0064 11 1", 7.0).Mask;
  EXPECT_EQ(withRows.EntryKind, ekTexture);
  EXPECT_EQ(withRows.MaskRows, 1);
  EXPECT_EQ(withRows.DrawFlags, 10);  // bit 0 cleared for old skins with mask rows
  EXPECT_EQ(ParseMaskEntry("~0000 0000 0064 0064 11 1", 8).Mask.DrawFlags, 11);
  const TsMaskData shortValue = ParseMaskEntry("~0000 0000 0064 0064 10", 8).Mask;
  EXPECT_EQ(shortValue.MaskRows, 0);
  EXPECT_EQ(shortValue.FrameCount, 1);
}

TEST(MaskEntry, FixedColumnsWithoutNumbersThrow)
{
  EXPECT_THROW(ParseMaskEntry("@00x0 0000 0060 0020 3 0", 8), std::exception);
  EXPECT_THROW(ParseMaskEntry("^0000 0000", 8), std::exception);
  EXPECT_THROW(ParseMaskEntry("~", 8), std::exception);
}

TEST(MaskEntry, PlainBitmapNameGetsNinthsAndSixths)
{
  TacMaskEntry entry = ParseMaskEntry("panel.bmp", 8);
  ASSERT_EQ(entry.Format, TacEntryFormat::BitmapFile);
  EXPECT_EQ(entry.FileName, "PANEL.BMP");
  FinishPictureEntry(entry, 90, 60);
  EXPECT_EQ(Margins(entry.Mask), (std::array<int, 4>{10, 10, 10, 10}));
  EXPECT_EQ(entry.Mask.FrameCount, 3);
  EXPECT_EQ(entry.Mask.MaskRows, 1);
  EXPECT_EQ(ParseMaskEntry("panel.png", 8).Format, TacEntryFormat::None);
  EXPECT_EQ(ParseMaskEntry("12345", 8).Format, TacEntryFormat::None);
}

TEST(MaskEntry, FreeFormatRegion)
{
  const TacMaskEntry entry = ParseMaskEntry("MASTER#(10,20,70,40) (3,1,2,0)", 8);
  ASSERT_EQ(entry.Format, TacEntryFormat::MasterRegion);
  const TsMaskData& mask = entry.Mask;
  EXPECT_EQ(mask.Area.Right, 70);
  EXPECT_EQ(mask.FrameCount, 3);
  EXPECT_EQ(mask.MaskRows, 1);
  EXPECT_EQ(mask.DefaultMargin, 2);
  EXPECT_EQ(mask.DrawFlags, 0);
  EXPECT_EQ(Margins(mask), (std::array<int, 4>{2, 2, 2, 2}));
  const TsMaskData sparse = ParseMaskEntry("#(0,0,30,30)(0,-4)", 8).Mask;
  EXPECT_EQ(sparse.FrameCount, 1);
  EXPECT_EQ(sparse.MaskRows, 0);
  EXPECT_EQ(sparse.DrawFlags, 1);
  EXPECT_EQ(Margins(sparse), (std::array<int, 4>{10, 10, 10, 10}));
  EXPECT_EQ(ParseMaskEntry("#", 8).Format, TacEntryFormat::None);
}

TEST(MaskEntry, EffectiveMarginsFallBackToDefaultThenFrame)
{
  TsMaskData mask;
  mask.Area = {0, 0, 60, 20};
  mask.FrameCount = 3;
  mask.MarginLeft = 4;
  EXPECT_EQ(Effective(mask), (std::array<int, 4>{4, 20, 20, 20}));
  mask.DefaultMargin = 2;
  EXPECT_EQ(Effective(mask), (std::array<int, 4>{4, 2, 2, 2}));
  mask.FrameCount = 0;
  mask.MaskRows = -1;
  EXPECT_EQ(mask.FrameWidth(), 0);
  EXPECT_EQ(mask.FrameHeight(), 0);
}
