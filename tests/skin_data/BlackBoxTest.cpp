// The project's skin "BlackBox" as the build places it: the folder in Skins/ and
// the packed file made by skinpack. Both must give the same tables, holding every
// section and mask the player's window paints with.
#include "SkinFixture.h"

#include "skin/core/SkinEngine.h"
#include "skin/core/SkinManager.h"

#include <gtest/gtest.h>

namespace {

void LoadBlackBox(TsSkinManager& manager, const fs::path& directory)
{
  manager.SetActive(false);
  manager.SetSkinName("BlackBox");
  manager.SetSkinDirectory(directory.string());
  manager.SetActive(true);
  ASSERT_TRUE(manager.Active());
  ASSERT_TRUE(manager.SkinData().InForce) << manager.LastError();
}

bool SamePixels(const TBitmapRef& a, const TBitmapRef& b)
{
  return a && b ? a->Width == b->Width && a->Height == b->Height && a->Pixels == b->Pixels : a == b;
}

void ExpectSameMasks(const TacSkinTables& folder, const TacSkinTables& packed)
{
  ASSERT_EQ(folder.Masks.size(), packed.Masks.size());
  for (size_t i = 0; i < folder.Masks.size(); ++i) {
    const TsMaskData &a = folder.Masks[i], &b = packed.Masks[i];
    SCOPED_TRACE(a.SectionName + "/" + a.KeyName);
    EXPECT_EQ(a.KeyName, b.KeyName);
    EXPECT_EQ(std::tie(a.Area.Left, a.Area.Top, a.Area.Right, a.Area.Bottom),
              std::tie(b.Area.Left, b.Area.Top, b.Area.Right, b.Area.Bottom));
    EXPECT_EQ(std::tie(a.FrameCount, a.MaskRows, a.DrawFlags, a.EntryKind, a.CornerKind),
              std::tie(b.FrameCount, b.MaskRows, b.DrawFlags, b.EntryKind, b.CornerKind));
    EXPECT_EQ(std::tie(a.MarginLeft, a.MarginTop, a.MarginRight, a.MarginBottom),
              std::tie(b.MarginLeft, b.MarginTop, b.MarginRight, b.MarginBottom));
    EXPECT_TRUE(SamePixels(a.Picture, b.Picture));
  }
}

void ExpectSameSections(const TacSkinTables& folder, const TacSkinTables& packed)
{
  ASSERT_EQ(folder.Sections.size(), packed.Sections.size());
  for (size_t i = 0; i < folder.Sections.size(); ++i) {
    const TsGeneralData &a = folder.Sections[i], &b = packed.Sections[i];
    EXPECT_EQ(a.SectionName, b.SectionName);
    EXPECT_EQ(std::tie(a.StateCount, a.BorderMaskIndex, a.ParentClass), std::tie(b.StateCount, b.BorderMaskIndex, b.ParentClass));
    for (int state = 0; state < 2; ++state) {
      EXPECT_EQ(a.States[state].Color, b.States[state].Color) << a.SectionName;
      EXPECT_EQ(a.States[state].GradientData, b.States[state].GradientData) << a.SectionName;
    }
  }
}

}  // namespace

TEST(BlackBox, FolderSkinHasWhatTheWindowPaints)
{
  TsSkinManager manager;
  LoadBlackBox(manager, BuildDir() / "Skins");
  EXPECT_FALSE(manager.PackedSource());
  const TacSkinTables& tables = manager.Tables();
  ASSERT_TRUE(tables.MasterBitmap);
  for (const char* section : {"GLOBALINFO", "FORM", "FORMTITLE", "PANEL", "BUTTON", "GAUGE", "PROGRESSH",
                              "PROGRESSV", "TITLEBAR", "TITLEBUTTON", "TB_MENUBTN", "TB_BTN", "WEBBUTTON",
                              "MENULINE", "MENUITEM", "SELECTION"})
    EXPECT_GE(manager.FindSection(section), 0) << section;
  for (const char* section : {"FORM", "FORMTITLE", "PANEL", "BUTTON", "GAUGE", "PROGRESSH", "PROGRESSV", "TB_MENUBTN"})
    EXPECT_GE(tables.Sections[manager.FindSection(section)].BorderMaskIndex, 0) << section;
  for (const char* mask : {"BICONCLOSE", "BICLOSEALONE", "BICONMAX", "BICONNORM", "BICONMIN", "BICONHELP",
                           "SICONCLOSE", "SICONMAX", "SICONNORM", "SICONMIN", "SICONHELP"}) {
    const int index = tables.GlobalMask(mask);
    ASSERT_GE(index, 0) << mask;
    EXPECT_EQ(tables.Masks[index].FrameCount, 3) << mask;
    EXPECT_GT(tables.Masks[index].FrameWidth(), 10) << mask;
  }
  EXPECT_GE(manager.FindMask(manager.FindSection("FORM"), "FORM", "TITLEBAR"), 0);
  EXPECT_EQ(tables.Masks[tables.Sections[manager.FindSection("BUTTON")].BorderMaskIndex].CornerKind, 1);
  EXPECT_EQ(manager.SkinData().TitleHeight, 21);
  EXPECT_GE(manager.SkinData().Version, 7);
  EXPECT_LE(manager.SkinData().Version, 8.99);
  EXPECT_EQ(tables.WebButtonIndex(), manager.FindSection("WEBBUTTON"));
}

TEST(BlackBox, PackedFileGivesTheSameTables)
{
  TsSkinManager folder;
  LoadBlackBox(folder, BuildDir() / "Skins");
  TsSkinManager packed;
  LoadBlackBox(packed, BuildDir() / "packed");
  EXPECT_TRUE(packed.PackedSource());
  EXPECT_TRUE(SamePixels(folder.Tables().MasterBitmap, packed.Tables().MasterBitmap));
  ExpectSameSections(folder.Tables(), packed.Tables());
  ExpectSameMasks(folder.Tables(), packed.Tables());
}
