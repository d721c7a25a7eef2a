// Reading a skin folder into tables: pictures, regions of the master bitmap,
// patterns, common sections, inherited lookups and the cached indexes.
#include "SkinFixture.h"

#include "skin/core/PictureLoader.h"
#include "skin/core/SkinIni.h"
#include "skin/core/SkinLoader.h"
#include "skin/core/SkinSource.h"

#include <gtest/gtest.h>

#include <QPainter>

namespace {

class SkinTables : public ::testing::Test {
protected:
  TacLoadedSkin Load(const std::string& options, const std::string& common = "")
  {
    const TacSkinIni ini(options);
    const TacFolderSource source(dir.Str());
    TacSkinLoader loader(ini, source, source, LoadPicture);
    loader.SetCommonSections(common);
    return loader.Load();
  }

  // 60 x 20 grey with 0xFF00FF in the top-left pixel of the first frame.
  void SaveKeyedPicture(const std::string& name)
  {
    QImage image = Filled(60, 20, QColor(80, 80, 80));
    image.setPixelColor(0, 0, QColor(255, 0, 255));
    SavePicture(image, dir.Path() / name);
  }

  const TsMaskData& Mask(const TacLoadedSkin& skin, const std::string& section, const std::string& key)
  {
    const int index = skin.Tables.FindOwnMask(section, key);
    EXPECT_GE(index, 0) << section << "/" << key;
    return skin.Tables.Masks.at(index);
  }

  TempDir dir;
};

}  // namespace

TEST_F(SkinTables, PictureEntriesComeFromTheFolderAndMissingOnesAreSkipped)
{
  SaveKeyedPicture("face.png");
  SaveKeyedPicture("Plain.bmp");
  const TacLoadedSkin skin = Load("[GLOBALINFO]\nVERSION=8\n[BUTTON]\nBORDERSMASK=!face.png!3!0\nGONE=!none.png!3\n"
                                  "OLD=plain.BMP\nTEXT=hello\n");
  ASSERT_EQ(skin.Tables.Masks.size(), 2u);
  const TsMaskData& face = Mask(skin, "BUTTON", "BORDERSMASK");
  EXPECT_EQ(face.Area.Width(), 60);
  EXPECT_EQ(face.MarginLeft, 60 / 9);
  EXPECT_EQ(face.CornerKind, 1);
  const TsMaskData& old = Mask(skin, "BUTTON", "OLD");  // found in another case
  EXPECT_EQ(old.MarginTop, 20 / 6);
  EXPECT_EQ(skin.Tables.Sections[1].BorderMaskIndex, 0);
}

TEST_F(SkinTables, EntryPicturesArePremultipliedInNewerSkinsOnly)
{
  QImage image = Filled(6, 3, QColor(200, 100, 50, 128), QImage::Format_ARGB32);
  image.setPixelColor(0, 0, QColor(255, 255, 255, 0));
  SavePicture(image, dir.Path() / "alpha.png");
  for (const auto& [version, expectedRed] : {std::pair{"7.45", 200}, std::pair{"7.5", 200 * 128 / 256}}) {
    const TacLoadedSkin skin = Load(std::string("[GLOBALINFO]\nVERSION=") + version + "\n[X]\nM=!alpha.png!1\n");
    const TBitmap32& picture = *Mask(skin, "X", "M").Picture;
    EXPECT_EQ(picture.Scanline(1)[2], expectedRed) << version;
    EXPECT_EQ(picture.Scanline(0)[0], 0) << "0x00FFFFFF becomes 0";
  }
}

TEST_F(SkinTables, RegionsOfTheMasterBitmapAreClippedAndCornerChecked)
{
  SaveKeyedPicture("master.bmp");
  const TacLoadedSkin skin = Load(
      "[GLOBALINFO]\nMASTERBITMAP=master.bmp\nBICONCLOSE=@0000 0000 0060 0020 3 0\n"
      "[BUTTON_HUGE]\nBORDERSMASK=^0020 0000 0080 0020 0002 0002 0002 0002 3 0 0 0\n"
      "[PANEL]\nBORDERSMASK=^0000 0000 0060 0020 0002 0002 0002 0002 3 0 0 0\nFAR=#(100,100,200,200)\n");
  ASSERT_TRUE(skin.Tables.MasterBitmap);
  EXPECT_EQ(skin.Tables.GlobalMask("BICONCLOSE"), 0);
  EXPECT_EQ(skin.Tables.GlobalMask("BICONMAX"), -1);
  EXPECT_EQ(Mask(skin, "BUTTON_HUGE", "BORDERSMASK").CornerKind, 2);
  EXPECT_EQ(Mask(skin, "BUTTON_HUGE", "BORDERSMASK").Area.Right, 60);
  EXPECT_EQ(Mask(skin, "PANEL", "BORDERSMASK").CornerKind, 1);
  EXPECT_EQ(Mask(skin, "PANEL", "FAR").Area.Width(), 0);
}

TEST_F(SkinTables, BadFixedColumnsEndTheLoad)
{
  EXPECT_THROW(Load("[PANEL]\nBORDERSMASK=^00a0 0000 0060 0020\n"), std::exception);
}

TEST_F(SkinTables, MasksAndTexturesAreFoundThroughParentSections)
{
  SaveKeyedPicture("face.png");
  const TacLoadedSkin skin = Load("[PANEL]\nBORDERSMASK=!face.png!3\nPATTERN=~0000 0000 0010 0010 00\n"
                                  "[BUTTON]\nPARENTCLASS=PANEL\n[LOOP]\nPARENTCLASS=LOOP2\n[LOOP2]\nPARENTCLASS=LOOP\n");
  const TacSkinTables& tables = skin.Tables;
  const int button = tables.FindSection("BUTTON");
  EXPECT_EQ(tables.FindMask(button, "BUTTON", "BORDERSMASK"), 0);
  EXPECT_EQ(tables.FindOwnMask("BUTTON", "BORDERSMASK"), -1);
  EXPECT_EQ(tables.FindTexture(button, "BUTTON", "BORDERSMASK"), -1);
  EXPECT_EQ(tables.FindTexture(button, "BUTTON", "PATTERN"), 1);
  EXPECT_EQ(tables.Sections[button].BorderMaskIndex, 0);
  EXPECT_EQ(tables.Sections[button].States[0].TextureIndex, 1);
  EXPECT_EQ(tables.FindMask(-1, "BUTTON", "BORDERSMASK"), -1);
  EXPECT_EQ(tables.FindMask(tables.FindSection("LOOP"), "LOOP", "BORDERSMASK"), -1);
  EXPECT_EQ(tables.FindSection(""), -1);
  EXPECT_EQ(tables.FrameWidth(0), 20);
  EXPECT_EQ(tables.FrameHeight(0), 20);
  EXPECT_EQ(tables.FrameWidth(7), 0);
}

TEST_F(SkinTables, CachedIndexesFollowTheLoadedSections)
{
  SaveKeyedPicture("face.png");
  const TacLoadedSkin skin = Load("[SCROLLBTNLEFT]\nBORDERSMASK=!face.png!3\nGLYPHMASK=!face.png!3\n"
                                  "[SCROLLBAR1H]\nPARENTCLASS=SCROLLBTNLEFT\n[WEBBUTTON]\nCOLOR=1\n");
  const TacSkinTables& tables = skin.Tables;
  const TacSectionIndexes left = tables.CachedSection("SCROLLBTNLEFT");
  EXPECT_EQ(left.Section, 0);
  EXPECT_EQ(left.BorderMask, 0);
  EXPECT_EQ(left.GlyphMask, 1);
  EXPECT_EQ(left.Texture, -1);
  EXPECT_EQ(tables.CachedSection("SCROLLBAR1H").BorderMask, 0);  // inherited
  EXPECT_EQ(tables.CachedSection("SCROLLBAR1H").GlyphMask, -1);  // not cached for bars
  EXPECT_EQ(tables.CachedSection("TABTOP").Section, -1);
  EXPECT_EQ(tables.WebButtonIndex(), 2);
  EXPECT_EQ(tables.GlobalInfoIndex(), -1);
}

TEST_F(SkinTables, SmallJpegPicturesBecomeTexturesLargeOnesStayPatterns)
{
  SavePicture(Filled(40, 30, Qt::darkGray), dir.Path() / "small.jpg");
  SavePicture(Filled(1000, 900, Qt::darkGray), dir.Path() / "large.jpeg");
  const TacLoadedSkin skin = Load("[PANEL]\nPATTERN=small.jpg\nHOTPATTERN=large.jpeg\n", "[MORE]\nPATTERN=small.jpg\n");
  const TacSkinTables& tables = skin.Tables;
  EXPECT_EQ(tables.FindTexture(tables.FindSection("PANEL"), "PANEL", "PATTERN"), 0);
  EXPECT_EQ(tables.Masks[0].EntryKind, ekTexture);
  ASSERT_EQ(tables.Patterns.size(), 2u);
  EXPECT_EQ(tables.FindPattern(tables.FindSection("PANEL"), "PANEL", "HOTPATTERN"), 0);
  EXPECT_EQ(tables.Patterns[1].SectionName, "MORE");
}

TEST_F(SkinTables, CommonSectionsAddBitmapFilesAndFreeRegionsOnly)
{
  SaveKeyedPicture("extra.bmp");
  const TacLoadedSkin skin = Load("[PANEL]\nCOLOR=1\n",
                                  "[PANEL]\nA=extra.bmp\nB=!extra.bmp!3\nC=#(0,0,10,10)\nD=missing.bmp\n"
                                  "[GLOBALINFO]\nE=extra.bmp\n");
  const TacSkinTables& tables = skin.Tables;
  EXPECT_GE(tables.FindOwnMask("PANEL", "A"), 0);
  EXPECT_EQ(tables.FindOwnMask("PANEL", "B"), -1);
  EXPECT_GE(tables.FindOwnMask("PANEL", "C"), 0);
  EXPECT_EQ(tables.FindOwnMask("PANEL", "D"), -1);
  EXPECT_EQ(tables.FindOwnMask("GLOBALINFO", "E"), -1);
}

TEST_F(SkinTables, HueRotationKeepsTheKeyColourAndKeptButtons)
{
  SaveKeyedPicture("master.bmp");
  const TacSkinIni ini("[GLOBALINFO]\nMASTERBITMAP=master.bmp\nBIKEEPHUE=2\nBICONCLOSE=@0000 0000 0010 0010 1 0\n"
                       "[PANEL]\nCOLOR=255\n");
  const TacFolderSource source(dir.Str());
  TacSkinLoader loader(ini, source, source, LoadPicture);
  loader.SetColorShift({120, 0});
  const TacLoadedSkin skin = loader.Load();
  EXPECT_EQ(skin.Tables.Sections[1].States[0].Color, 0x00FF00);  // red turned green
  const TBitmap32& master = *skin.Tables.MasterBitmap;
  EXPECT_EQ(master.Scanline(0)[0], 0xFF);  // 0xFF00FF stays
  EXPECT_EQ(master.Scanline(0)[1], 0x00);
  EXPECT_EQ(master.Scanline(5)[5 * 4], 80);  // inside the kept close button: grey stays grey
}
