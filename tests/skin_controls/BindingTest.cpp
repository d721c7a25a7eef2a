// The skin binding: section names, the manager reaching every control whatever
// the build order, colours from the section and back.

#include "ControlsFixture.h"

#include "skin/TsBitBtn.h"
#include "skin/TsPanel.h"

TEST_F(ControlsTest, SectionIsStoredUpperCased)
{
  auto* panel = new TsPanel(form_.get());
  EXPECT_EQ(panel->SkinData.SkinSection(), "PANEL");
  panel->SkinData.SetSkinSection("panel_low");
  EXPECT_EQ(panel->SkinData.SkinSection(), "PANEL_LOW");
  panel->SkinData.BGChanged = false;
  panel->SkinData.SetSkinSection("PANEL_LOW");
  EXPECT_FALSE(panel->SkinData.BGChanged);
  panel->SkinData.SetSkinSection("");
  EXPECT_EQ(panel->SkinData.SkinSection(), "UNKNOWN");
  EXPECT_EQ(panel->SkinData.Query(cmdQuerySkinned), 1);
  EXPECT_EQ(DefaultSkinSection(ckBitBtn, "TsBitBtn"), "BUTTON");
  EXPECT_EQ(DefaultSkinSection(12345, "TsOther"), "TsOther");
}

// Controls built before the manager, nested in a panel, hear its commands.
TEST_F(ControlsTest, ManagerReachesControlsBuiltBeforeIt)
{
  WriteSkin("Dark", "[PANEL]\nCOLOR=1122867\nFONTCOLOR=16777215\n[BUTTON]\nCOLOR=4473924\n");
  auto* outer = new TsPanel(form_.get());
  outer->SetParent(form_.get());
  auto* inner = new TsPanel(form_.get());
  inner->SetParent(outer);
  inner->SetColor(clBlack);
  auto* button = new TsBitBtn(form_.get());
  button->SetParent(inner);

  TsSkinManager* manager = ActivateSkin("Dark");
  ASSERT_TRUE(manager->Active());
  EXPECT_GE(outer->SkinData.SkinIndex, 0);
  EXPECT_GE(button->SkinData.SkinIndex, 0);
  EXPECT_EQ(button->Color(), 4473924);
  EXPECT_EQ(inner->Color(), 1122867);
  EXPECT_EQ(inner->Font().Color, 16777215);

  // A section the skin lacks leaves the control unskinned.
  inner->SkinData.SetSkinSection("NOSUCH");
  EXPECT_EQ(inner->SkinData.SkinIndex, -1);
  inner->SkinData.SetSkinSection("PANEL");

  // Removing the skin gives back the colours the controls had.
  manager->SetActive(false);
  EXPECT_EQ(outer->SkinData.SkinIndex, -1);
  EXPECT_EQ(inner->Color(), clBlack);
  EXPECT_EQ(inner->Font().Color, clWindowText);
}

TEST_F(ControlsTest, CustomColourKeepsTheControlsOwn)
{
  WriteSkin("Dark", "[PANEL]\nCOLOR=1122867\n");
  auto* panel = new TsPanel(form_.get());
  panel->SetParent(form_.get());
  panel->SetColor(0x123456);
  panel->SkinData.SetCustomColor(true);
  ActivateSkin("Dark");
  EXPECT_GE(panel->SkinData.SkinIndex, 0);
  EXPECT_EQ(panel->Color(), 0x123456);
}
