// The options-file reader, the "GLOBALINFO" record and the section records.
#include "skin/core/SectionReader.h"
#include "skin/core/SkinData.h"
#include "skin/core/SkinIni.h"
#include "skin/core/SkinTables.h"

#include <gtest/gtest.h>

namespace {

TacSkinTables Sections(const std::string& text, const std::string& common = "")
{
  TacSkinTables tables;
  ReadSections(TacSkinIni(text), tables);
  ApplyCommonSections(TacSkinIni(common), tables);
  return tables;
}

const TsGeneralData& Section(const TacSkinTables& tables, const std::string& name)
{
  const int index = tables.FindSection(name);
  EXPECT_GE(index, 0) << name;
  return tables.Sections.at(index);
}

}  // namespace

TEST(SkinIni, ReadsSectionsKeysAndCommentsCaseSensitively)
{
  const TacSkinIni ini("; comment\r\n[PANEL]\r\nCOLOR = 12 \r\n;COLOR=99\r\ncolor=7\r\nCOLOR=5\r\ngarbage line\r\n"
                       "=nokey\r\n[Panel]\nCOLOR=3\n");
  EXPECT_EQ(ini.Read("PANEL", "COLOR"), "12");  // the first of duplicate keys counts
  EXPECT_EQ(ini.Read("PANEL", "color"), "7");
  EXPECT_EQ(ini.Read("Panel", "COLOR"), "3");
  EXPECT_FALSE(ini.Read("panel", "COLOR"));
  EXPECT_EQ(ini.FindSection("PANEL")->Keys.size(), 2u);
  EXPECT_EQ(ini.ReadString("NONE", "COLOR", "d"), "d");
}

TEST(SkinIni, ParsesIntegersLenientlyOrStrictly)
{
  EXPECT_EQ(StrToIntDef(" -42 ", 0), -42);
  EXPECT_EQ(StrToIntDef("$FF00FF", 0), 0xFF00FF);
  EXPECT_EQ(StrToIntDef("0x10", 0), 16);
  EXPECT_EQ(StrToIntDef("$FFFFFFFF", 0), -1);
  EXPECT_EQ(StrToIntDef("12a", 9), 9);
  EXPECT_EQ(StrToIntDef("", 9), 9);
  EXPECT_EQ(StrToIntDef("99999999999", 9), 9);
  EXPECT_EQ(StrToIntStrict("0012"), 12);
  EXPECT_THROW(StrToIntStrict("12 4"), std::exception);
  EXPECT_THROW(StrToIntStrict(""), std::exception);
}

TEST(SkinData, GlobalInfoDefaultsAndTitleHeights)
{
  TsSkinData data;
  ReadSkinData(TacSkinIni("[GLOBALINFO]\nTITLEHEIGHT=0\nBORDERWIDTH=x\nSHADOW1BLUR=3\nAUTHOR=Me\n"), data);
  EXPECT_EQ(data.TitleHeight, 30);
  EXPECT_EQ(data.MaxHeight, 30);
  EXPECT_EQ(data.BorderWidth, 4);  // a bad value keeps the default
  EXPECT_EQ(data.Shadow1Blur, 3);
  EXPECT_EQ(data.Author, "Me");
  ReadSkinData(TacSkinIni("[GLOBALINFO]\nTITLEHEIGHT=21\nMAXHEIGHT=18\n"), data);
  EXPECT_EQ(data.TitleHeight, 21);
  EXPECT_EQ(data.MaxHeight, 18);
  EXPECT_EQ(data.Shadow1Blur, -1);
  EXPECT_EQ(data.FormOffset, kSystemFrameWidth);
}

TEST(SkinData, VersionUsesDotWhateverTheText)
{
  EXPECT_DOUBLE_EQ(ReadSkinVersion(TacSkinIni("[GLOBALINFO]\nVERSION=7.5\n")), 7.5);
  EXPECT_DOUBLE_EQ(ReadSkinVersion(TacSkinIni("[GLOBALINFO]\nVERSION=7,5\n")), 0);
  EXPECT_DOUBLE_EQ(ReadSkinVersion(TacSkinIni("[OTHER]\nVERSION=7.5\n")), 0);
}

TEST(SkinSections, KeysAreInheritedFromTheParentClass)
{
  const TacSkinTables tables = Sections(
      "[PANEL]\nCOLOR=100\nFONTCOLOR=7\nGIVEOWNFONT=true\n"
      "[BUTTON]\nPARENTCLASS=PANEL\nFONTCOLOR=-1\nTRANSPARENCY=30\n"
      "[DEEP]\nPARENTCLASS=BUTTON\n[ROOT]\nPARENTCLASS=?\n");
  const TsGeneralData& button = Section(tables, "BUTTON");
  EXPECT_EQ(button.ParentClass, "PANEL");
  EXPECT_EQ(button.States[0].Color, 100);
  EXPECT_EQ(button.States[0].FontColor, 7);  // -1 counts as absent
  EXPECT_TRUE(button.GiveOwnFont);
  const TsGeneralData& deep = Section(tables, "DEEP");
  EXPECT_EQ(deep.States[0].Color, 100);
  EXPECT_EQ(deep.States[0].Transparency, 30);
  EXPECT_EQ(Section(tables, "ROOT").States[0].Color, 0xFFFFFF);
}

TEST(SkinSections, SelfParentsAndCyclesFallBackToDefaults)
{
  const TacSkinTables tables = Sections("[SELF]\nPARENTCLASS=SELF\n[A]\nPARENTCLASS=B\n[B]\nPARENTCLASS=A\nSTATES=2\n");
  const TsGeneralData& self = Section(tables, "SELF");
  EXPECT_EQ(self.States[0].Color, 0xFFFFFF);
  EXPECT_EQ(self.StateCount, 3);
  EXPECT_EQ(self.FadingIterations, 5);
  EXPECT_EQ(self.States[0].TextContour[tcLeft], -1);
  EXPECT_EQ(Section(tables, "A").StateCount, 2);
  EXPECT_EQ(Section(tables, "A").States[0].GlowColor, 0xFFFFFF);
}

TEST(SkinSections, HotStateIsACopyWithOneState)
{
  const TacSkinTables tables = Sections("[ONE]\nSTATES=1\nCOLOR=5\nHOTCOLOR=9\n[TWO]\nSTATES=2\nCOLOR=5\nHOTCOLOR=9\n");
  EXPECT_EQ(Section(tables, "ONE").States[1].Color, 5);
  EXPECT_EQ(Section(tables, "TWO").States[1].Color, 9);
  EXPECT_EQ(Section(tables, "TWO").States[1].FontColor, 0);
}

TEST(SkinSections, GradientDataAndPercent)
{
  const TacSkinTables tables =
      Sections("[G]\nGRADIENTPERCENT=40\nGRADIENTDATA=1;2;150;7;0;-5;3;-1;1;0;9\n[SHORT]\nGRADIENTPERCENT=40\n"
               "GRADIENTDATA=x\n");
  const TsGenState& state = Section(tables, "G").States[0];
  EXPECT_EQ(state.GradientPercent, 40);
  ASSERT_EQ(state.GradientArray.size(), 2u);
  EXPECT_EQ(state.GradientArray[0].Percent, 100);
  EXPECT_EQ(state.GradientArray[0].Kind, 2);
  EXPECT_EQ(state.GradientArray[1].Color1, 0);
  EXPECT_EQ(state.GradientArray[1].Percent, 0);
  EXPECT_EQ(Section(tables, "SHORT").States[0].GradientPercent, 0);
}

TEST(SkinSections, CommonSectionsOverrideOrAddSections)
{
  const TacSkinTables tables = Sections("[PANEL]\nCOLOR=100\nFONTCOLOR=7\n",
                                        "; extra\n[PANEL]\nCOLOR=200\n[MINE]\nPARENTCLASS=panel\nFONTCOLOR=3\n");
  ASSERT_EQ(tables.Sections.size(), 2u);
  EXPECT_EQ(Section(tables, "PANEL").States[0].Color, 200);
  EXPECT_EQ(Section(tables, "PANEL").States[0].FontColor, 7);
  const TsGeneralData& mine = Section(tables, "MINE");
  EXPECT_EQ(mine.States[0].Color, 200);  // copied from the parent as changed, compared upper-cased
  EXPECT_EQ(mine.States[0].FontColor, 3);
  EXPECT_EQ(mine.ParentClass, "panel");
}
