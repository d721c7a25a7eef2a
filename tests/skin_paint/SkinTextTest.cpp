// Skinned text: the disabled colour, contours and the look without skin.

#include <gtest/gtest.h>

#include <QFont>
#include <QGuiApplication>
#include <algorithm>
#include <cstdlib>
#include <memory>

#include "PaintFixture.h"
#include "platform/Colors.h"
#include "skin/core/SkinColors.h"
#include "skin/paint/PaintColors.h"
#include "skin/paint/SkinText.h"

namespace {

// Text needs a GUI application; it goes before the program's static data does.
class GuiEnvironment : public testing::Environment {
public:
  void SetUp() override { app_ = std::make_unique<QGuiApplication>(argc_, argv_); }
  void TearDown() override { app_.reset(); }

private:
  int argc_ = 1;
  char name_[17] = "skin_paint_tests";
  char* argv_[2] = {name_, nullptr};
  std::unique_ptr<QGuiApplication> app_;
};

[[maybe_unused]] testing::Environment* const gui = testing::AddGlobalTestEnvironment(new GuiEnvironment);

QFont BigFont()
{
  QFont font("DejaVu Sans");
  font.setPixelSize(28);
  font.setBold(true);
  return font;
}

// The colours the text left on a black bitmap, and whether one is exactly `color`.
struct Inked {
  int Brightest = 0;
  bool Has(int color) const { return std::find(Colors.begin(), Colors.end(), color) != Colors.end(); }
  // Some pixel within 24 of the colour in every channel (edges are antialiased).
  bool Near(int color) const
  {
    return std::any_of(Colors.begin(), Colors.end(), [&](int c) {
      for (int shift = 0; shift <= 16; shift += 8)
        if (std::abs((c >> shift & 0xFF) - (color >> shift & 0xFF)) > 24)
          return false;
      return true;
    });
  }
  std::vector<int> Colors;
};

Inked Draw(const TacFaceSource& source, const TacTextLook& look)
{
  TBitmap32 target(60, 40);
  FillColor(target, {0, 0, 60, 40}, 0);
  DrawSkinText(target, "HM", look, source, BigFont(), TacTextFormat::HCenter | TacTextFormat::VCenter,
               {0, 0, 60, 40});
  Inked inked;
  for (int y = 0; y < 40; ++y)
    for (int x = 0; x < 60; ++x) {
      const int color = PixelAt(target, x, y);
      inked.Colors.push_back(color);
      inked.Brightest = std::max(inked.Brightest, color & 0xFF);
    }
  return inked;
}

}  // namespace

TEST(SkinText, DisabledTextMixesFontAndGlobalColour)
{
  PaintFixture f;
  const int section = f.AddSection("BUTTON", 0);
  f.Tables.Sections[0].States[0].FontColor = 0xFFFFFF;
  TacFaceSource source = f.Source(section);
  source.GlobalColor = 0x000000;
  const Inked disabled = Draw(source, {false, false, false});
  EXPECT_TRUE(disabled.Has(0x666666));
  EXPECT_EQ(disabled.Brightest, 0x66);
  EXPECT_TRUE(Draw(source, {true, false, false}).Has(0xFFFFFF));
}

TEST(SkinText, ContoursAndPlainLooks)
{
  PaintFixture f;
  const int section = f.AddSection("BUTTON", 0);
  TsGenState& normal = f.Tables.Sections[0].States[0];
  normal.FontColor = 0x0000FF;
  normal.TextContour[tcLeft] = 0x00FF00;
  const Inked contoured = Draw(f.Source(section), {true, false, false});
  EXPECT_TRUE(contoured.Has(0x0000FF));
  EXPECT_TRUE(contoured.Near(0x00FF00));

  // Without skin: the own font colour, or highlight and shadow when disabled.
  SetSystemColorResolver([](int32_t color) -> uint32_t { return color == clBtnShadow ? 0xA0A0A0 : 0xFFFFFF; });
  TacFaceSource plain;
  plain.OwnFontColor = 0x00FFFF;
  EXPECT_TRUE(Draw(plain, {true, false, false}).Has(0x00FFFF));
  const Inked grey = Draw(plain, {false, false, false});
  EXPECT_TRUE(grey.Near(0xA0A0A0));
  EXPECT_FALSE(grey.Near(0x00FFFF));
  SetSystemColorResolver(nullptr);
}
