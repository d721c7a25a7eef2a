#include <QImage>
#include <QWidget>
#include <fstream>

#include "ControlsFixture.h"
#include "skin/TsGauge.h"
#include "skin/TsLabel.h"
#include "skin/TsPanel.h"

namespace {

// Rows of the gauge's middle column in pure blue, the progress section's colour.
int BlueRows(TsGauge& gauge)
{
  const QImage face = gauge.Widget()->grab().toImage();
  int rows = 0;
  for (int y = 0; y < face.height(); ++y)
    rows += face.pixel(face.width() / 2, y) == qRgb(0, 0, 255);
  return rows;
}

TEST_F(ControlsTest, VerticalGaugeFillsFromTheBottom)
{
  WriteSkin("Bars", "[GAUGE]\nCOLOR=0\n[PROGRESSH]\nCOLOR=16711680\n");
  ActivateSkin("Bars");
  auto* gauge = new TsGauge(form_.get());
  gauge->SetBounds(10, 10, 9, 53);
  gauge->SetParent(form_.get());
  gauge->SetKind(TsGaugeKind::gkVerticalBar);
  gauge->SetShowText(false);
  gauge->SetProgress(30);
  ASSERT_TRUE(gauge->SkinData.Skinned());
  EXPECT_EQ(BlueRows(*gauge), 16);  // round(53 x 30 / 100)
  const QImage face = gauge->Widget()->grab().toImage();
  EXPECT_EQ(face.pixel(4, 52), qRgb(0, 0, 255));
  EXPECT_EQ(face.pixel(4, 36), qRgb(0, 0, 0));

  gauge->SetMinValue(5);
  gauge->SetMaxValue(5);
  EXPECT_EQ(BlueRows(*gauge), 0);
}

TEST_F(ControlsTest, LabelColoursFollowTheSkinUnlessTheyKeepTheirOwn)
{
  std::filesystem::create_directories(dir_ / "Ink");
  std::ofstream(dir_ / "Ink" / "Options.dat")
      << "[GLOBALINFO]\nVERSION=8.10\nCOLOR=0\nFONTCOLOR=65280\n[PANEL]\nCOLOR=0\nFONTCOLOR=255\n";
  auto* panel = new TsPanel(form_.get());
  panel->SetBounds(0, 0, 200, 100);
  panel->SetParent(form_.get());
  auto* follows = new TsLabel(form_.get());
  auto* keeps = new TsLabel(form_.get());
  TFont grey;
  grey.Color = clGray;
  for (TsLabel* label : {follows, keeps}) {
    label->SetParent(panel);
    label->SetFont(grey);
    label->SetCaption("12:00");
  }
  keeps->SetUseSkinColor(false);
  TsSkinManager* manager = ActivateSkin("Ink");
  for (TsLabel* label : {follows, keeps})
    label->Widget()->grab();  // colours are settled before every paint
  // The panel's section has no GIVEOWNFONT: the global font colour.
  EXPECT_EQ(follows->Font().Color, 0x00FF00);
  EXPECT_EQ(keeps->Font().Color, clGray);

  manager->SetActive(false);
  EXPECT_EQ(follows->Font().Color, clWindowText);
  EXPECT_EQ(keeps->Font().Color, clGray);
}

}  // namespace
