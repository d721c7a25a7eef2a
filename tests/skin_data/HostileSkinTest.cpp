// Skins from outside, hostile or made elsewhere: pictures named many times, huge
// pictures, pictures without width, names in another case, values out of range.
#include "SkinFixture.h"

#include "platform/Exception.h"
#include "skin/core/PackedSkin.h"
#include "skin/core/PictureCache.h"
#include "skin/core/SkinEngine.h"
#include "skin/core/SkinManager.h"
#include "skin/core/SkinSource.h"
#include "skin/core/TableLimits.h"

#include <gtest/gtest.h>

#include <climits>
#include <set>

namespace {

class TacAnySource : public TacSkinSource {
public:
  std::optional<std::vector<uint8_t>> Read(const std::string&) const override { return std::vector<uint8_t>{1}; }
};

class HostileSkin : public ::testing::Test {
protected:
  void SetUp() override
  {
    SetSkinMessageHook([this](TacMessageKind, const std::string& text) { messages.push_back(text); });
    manager.SetActive(false);
    manager.SetSkinDirectory(program.Str() + "Skins");
  }
  void TearDown() override { SetSkinMessageHook(nullptr); }

  fs::path Skin(const std::string& name) const { return program.Path() / "Skins" / name; }
  void Load(const std::string& name)
  {
    manager.SetSkinName(name);
    manager.SetActive(true);
  }

  TempDir program;
  std::vector<std::string> messages;
  TsSkinManager manager;
};

TEST_F(HostileSkin, OnePictureNamedByManyKeysIsDecodedOnce)
{
  SavePicture(Filled(1024, 1024, Qt::darkGreen), Skin("Many") / "big.png");
  std::string options = "[GLOBALINFO]\nVERSION=8\n[PANEL]\n";
  for (int i = 0; i < 40; ++i)
    options += "KEY" + std::to_string(i) + "=!big.png!1!0\n";
  WriteText(Skin("Many") / "Options.dat", options);
  Load("Many");
  ASSERT_TRUE(manager.SkinData().InForce) << manager.LastError();
  std::set<const TBitmap32*> pictures;
  for (const TsMaskData& mask : manager.Tables().Masks)
    pictures.insert(mask.Picture.get());
  EXPECT_EQ(manager.Tables().Masks.size(), 40u);
  EXPECT_EQ(pictures.size(), 1u);
}

// Beyond the skin's limit a load fails with a message; a picture named again costs nothing.
TEST(PictureCache, DecodedBytesAreCapped)
{
  int decodes = 0;
  TacPictureCache cache(
      [&](const std::vector<uint8_t>&, const std::string&) {
        ++decodes;
        return std::make_shared<const TBitmap32>(512, 512);  // 1 MiB
      },
      uint64_t(5) << 19);  // 2.5 MiB
  const TacAnySource source;
  const TBitmapRef first = cache.Picture(source, "a.png");
  EXPECT_EQ(cache.Picture(source, "a.png"), first);
  EXPECT_EQ(cache.EntryPicture(first, true), cache.EntryPicture(first, true));
  EXPECT_EQ(decodes, 1);
  try {
    cache.Picture(source, "b.png");
    ADD_FAILURE() << "no limit";
  } catch (const Exception& error) {
    EXPECT_STREQ(error.what(), "The skin's pictures need more than 2 MiB of memory; the skin is not loaded.");
  }
}

// A BMP header of width 0: that entry is skipped, the rest of the skin loads.
TEST_F(HostileSkin, PictureWithoutWidthIsSkipped)
{
  QImage real = Filled(6, 3, Qt::red);
  SavePicture(real, Skin("Zero") / "real.bmp");
  std::vector<uint8_t> zero = ReadBytes(Skin("Zero") / "real.bmp");
  std::fill(zero.begin() + 18, zero.begin() + 22, 0);  // the info header's width
  WriteBytes(Skin("Zero") / "zero.bmp", zero);
  WriteText(Skin("Zero") / "Options.dat", "[GLOBALINFO]\nVERSION=8\n[PANEL]\nA=!zero.bmp\nB=!real.bmp\n");
  Load("Zero");
  ASSERT_TRUE(manager.SkinData().InForce) << manager.LastError();
  ASSERT_EQ(manager.Tables().Masks.size(), 1u);
  EXPECT_EQ(manager.Tables().Masks[0].KeyName, "B");
}

// Skins made on Windows name the options file, the folder and the packed file in any case.
TEST_F(HostileSkin, NamesMatchInAnyCase)
{
  WriteText(Skin("blackbox") / "OPTIONS.DAT", "[GLOBALINFO]\nVERSION=8\n[PANEL]\nCOLOR=255\n");
  Load("BlackBox");
  ASSERT_TRUE(manager.SkinData().InForce) << manager.LastError();
  EXPECT_EQ(manager.Tables().Sections[manager.Tables().FindSection("PANEL")].States[0].Color, 255);
  const std::string packed = "[GLOBALINFO]\nVERSION=8\n[PANEL]\nCOLOR=7\n";
  WriteBytes(program.Path() / "Skins" / "packedone.ASZ",
             WritePackedSkin({{"options.dat", false, std::vector<uint8_t>(packed.begin(), packed.end())}}));
  Load("PackedOne");
  ASSERT_TRUE(manager.SkinData().InForce) << manager.LastError();
  EXPECT_EQ(manager.Tables().Sections[manager.Tables().FindSection("PANEL")].States[0].Color, 7);
}

TEST_F(HostileSkin, TableValuesAreClampedAtLoad)
{
  SavePicture(Filled(30, 10, Qt::blue), Skin("Wild") / "m.bmp");
  const std::string big = std::to_string(INT_MAX);
  WriteText(Skin("Wild") / "Options.dat",
            "[GLOBALINFO]\nVERSION=8\nBORDERWIDTH=" + big + "\nSHADOW1TRANSPARENCY=-40\n"
            "[PANEL]\nSTATES=-3\nTRANSPARENCY=500\nGRADIENTPERCENT=-5\nIMAGEPERCENT=" + big +
            "\nGSIZE=" + big + "\nGLOW=" + big + "\nGLOWMARGIN=-9\nFADINGITERATIONS=" + big +
            "\nBORDERSMASK=!m.bmp!1!0!0!" + big + "!" + big + "!" + big + "!" + big + "\n"
            "[BUTTON]\nSTATES=0\nHOTTRANSPARENCY=300\n");
  Load("Wild");
  ASSERT_TRUE(manager.SkinData().InForce) << manager.LastError();
  const TacSkinTables& tables = manager.Tables();
  const TsGeneralData& panel = tables.Sections[tables.FindSection("PANEL")];
  EXPECT_EQ(panel.StateCount, 1);
  EXPECT_EQ(tables.Sections[tables.FindSection("BUTTON")].StateCount, 1);
  EXPECT_EQ(panel.States[0].Transparency, 100);
  EXPECT_EQ(panel.States[0].GradientPercent, 0);
  EXPECT_EQ(panel.States[0].ImagePercent, 100);
  EXPECT_EQ(panel.States[0].GlowSize, kMaxGlowSize);
  EXPECT_EQ(panel.GlowCount, kMaxGlowSize);
  EXPECT_EQ(panel.GlowMargin, 0);
  EXPECT_EQ(panel.FadingIterations, kMaxFadingSteps);
  const TsMaskData& mask = tables.Masks.at(panel.BorderMaskIndex);
  EXPECT_EQ(mask.MarginLeft, kMaxMaskExtent);
  EXPECT_GT(mask.MarginLeft + mask.MarginRight, 0);  // no overflow in a margin sum
  EXPECT_EQ(manager.SkinData().BorderWidth, kMaxSkinMetric);
  EXPECT_EQ(manager.SkinData().Shadow1Transparency, 0);
}

// Inheritance through a long chain and through a loop resolves as a walk along it would.
TEST_F(HostileSkin, LongChainsAndLoopsResolve)
{
  std::string options = "[GLOBALINFO]\nVERSION=8\n[S0]\nCOLOR=77\nFONTCOLOR=5\n";
  for (int i = 1; i < 800; ++i)
    options += "[S" + std::to_string(i) + "]\nPARENTCLASS=S" + std::to_string(i - 1) + "\n";
  options += "[LA]\nPARENTCLASS=LB\nCOLOR=1\n[LB]\nPARENTCLASS=LC\n[LC]\nPARENTCLASS=LA\nFONTCOLOR=3\n"
             "[INTO]\nPARENTCLASS=LB\n";
  WriteText(Skin("Chain") / "Options.dat", options);
  Load("Chain");
  ASSERT_TRUE(manager.SkinData().InForce) << manager.LastError();
  const TacSkinTables& tables = manager.Tables();
  const auto state = [&](const char* name) { return tables.Sections[tables.FindSection(name)].States[0]; };
  EXPECT_EQ(state("S799").Color, 77);
  EXPECT_EQ(state("S799").FontColor, 5);
  EXPECT_EQ(state("LA").FontColor, 3);
  EXPECT_EQ(state("LB").Color, 1);  // LB -> LC -> LA
  EXPECT_EQ(state("LC").Color, 1);
  EXPECT_EQ(state("INTO").Color, 1);
  EXPECT_EQ(state("INTO").FontColor, 3);
}

}  // namespace
