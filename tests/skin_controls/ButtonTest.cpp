// The skinned button: state rule, the frame a section paints for it, the
// default button, fading and the window region of a CornerKind 2 border.

#include "ControlsFixture.h"

#include <QImage>

#include "platform/Application.h"
#include "skin/TsBitBtn.h"
#include "skin/TsPanel.h"
#include "skin/paint/PaintColors.h"

namespace {

constexpr int kNormal = 0x0000FF, kHot = 0x00FF00, kPressed = 0xFF0000, kDefault = 0x00FFFF;

// A border picture of `frames` frames, 6 x 6 each, in the colours above, drawn whole (DrawFlags 4).
std::string Border(const std::filesystem::path& folder, int frames)
{
  const QColor colours[] = {QColor(255, 0, 0), QColor(0, 255, 0), QColor(0, 0, 255), QColor(255, 255, 0)};
  QImage picture(6 * frames, 6, QImage::Format_RGB32);
  for (int frame = 0; frame < frames; ++frame)
    for (int y = 0; y < 6; ++y)
      for (int x = 0; x < 6; ++x)
        picture.setPixelColor(frame * 6 + x, y, colours[frame]);
  picture.save(QString::fromStdString((folder / "border.png").string()));
  return "BORDERSMASK=!border.png!" + std::to_string(frames) + "!0!0!2!2!2!2!4\n";
}

int Centre(const TsBitBtn& button)
{
  const TBitmap32& cache = const_cast<TsBitBtn&>(button).SkinData.FCacheBmp;
  return cache.Empty() ? -1 : BgraToColor(cache.Scanline(cache.Height / 2) + cache.Width / 2 * 4);
}

}  // namespace

class ButtonTest : public ControlsTest {
protected:
  TsBitBtn* MakeButton(int states, int frames, const std::string& extra = "")
  {
    std::filesystem::create_directories(dir_ / "Btn");
    WriteSkin("Btn", "[PANEL]\nCOLOR=0\n[BUTTON]\nSTATES=" + std::to_string(states) + "\n" +
                         Border(dir_ / "Btn", frames) + extra);
    panel_ = new TsPanel(form_.get());
    panel_->SetBounds(0, 0, 200, 100);
    panel_->SetParent(form_.get());
    auto* button = new TsBitBtn(form_.get());
    button->SetBounds(10, 10, 40, 30);
    button->SetParent(panel_);
    manager_ = ActivateSkin("Btn");
    form_->Show();
    TApplication::Instance()->ProcessMessages();
    return button;
  }

  int Painted(TsBitBtn* button)
  {
    panel_->Repaint();
    button->Repaint();
    return Centre(*button);
  }

  TsPanel* panel_ = nullptr;
  TsSkinManager* manager_ = nullptr;
};

TEST_F(ButtonTest, DownPaintsThePressedFrameOrTheHotOneOnTwoStates)
{
  TsBitBtn* button = MakeButton(4, 4);
  ASSERT_GE(button->SkinData.SkinIndex, 0);
  EXPECT_EQ(Painted(button), kNormal);
  button->SetDown(true);
  EXPECT_EQ(button->CurrentState(), 2);
  EXPECT_EQ(Painted(button), kPressed);
  button->SetDown(false);
  button->SetDefault(true);
  EXPECT_EQ(Painted(button), kDefault);
}

TEST_F(ButtonTest, FewerStatesUseTheHotFrame)
{
  TsBitBtn* button = MakeButton(2, 4);
  button->SetDown(true);
  EXPECT_EQ(Painted(button), kHot);

  TsGeneralData three;
  three.StateCount = 3;
  EXPECT_EQ(TsBitBtn::SectionState(three, 3), 1);  // the default button
  EXPECT_EQ(TsBitBtn::SectionState(three, 2), 2);
  three.StateCount = 4;
  EXPECT_EQ(TsBitBtn::SectionState(three, 3), 3);
  three.StateCount = 0;
  EXPECT_EQ(TsBitBtn::SectionState(three, 2), 0);
}

TEST_F(ButtonTest, DisabledButtonBlendsWithTheParent)
{
  TsBitBtn* button = MakeButton(4, 4);
  button->SetEnabled(false);
  // Half the normal frame, half the panel's black: (128 x (0 - 255) + 255 x 256) / 256, rounded down.
  EXPECT_EQ(Painted(button), 0x00007F);
}

TEST_F(ButtonTest, WithoutSkinThePlatformLook)
{
  TsBitBtn* button = MakeButton(4, 4);
  manager_->SetActive(false);
  EXPECT_EQ(button->SkinData.SkinIndex, -1);
  EXPECT_TRUE(button->SkinData.FCacheBmp.Empty());
}
