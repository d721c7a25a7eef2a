// Full screen and back on the screen the test runs on, and the auto-hiding panel.

#include "WindowFixture.h"

#include "platform/Screen.h"
#include "skin/TsBitBtn.h"
#include "platform/Shape.h"
#include "platform/Timer.h"
#include "player/LibVlcPlayerUnit.h"
#include "skin/TsPanel.h"

namespace {

class WindowModeTest : public WindowTest {
protected:
  void SetUp() override
  {
    CreateWindow("/nowhere.mp4\nA\nB\n");
    FormTV->Show();
  }
  void ExpectFullScreen()
  {
    const int W = ScreenWidth(), H = ScreenHeight();
    EXPECT_EQ(FormTV->WindowState(), TWindowState::wsMaximized);
    EXPECT_EQ(FormTV->Style() & WS_CAPTION, 0u);
    EXPECT_EQ(FormTV->BoundsRect(), PrimaryScreenRect());
    EXPECT_EQ(FormTV->Player->BoundsRect(), QRect(0, 0, W, H - 6));
    EXPECT_EQ(FormTV->BottomLine->BoundsRect(), QRect(0, H - 6, W, 6));
    EXPECT_EQ(FormTV->pnlControl->BoundsRect(), QRect(W / 2 - 230, H - 98, 461, 68));
    EXPECT_FALSE(FormTV->pnlControl->Visible());
    EXPECT_FALSE(FormTV->pnlINFO->Visible());
  }
  void ExpectWindowMode()
  {
    EXPECT_EQ(FormTV->WindowState(), TWindowState::wsNormal);
    EXPECT_EQ(FormTV->Style() & WS_CAPTION, WS_CAPTION);
    EXPECT_EQ(FormTV->Height(), 385);
    EXPECT_EQ(FormTV->ClientHeight(), 358);
    EXPECT_EQ(FormTV->Player->BoundsRect(), QRect(0, 0, 461, 297));
    EXPECT_EQ(FormTV->BottomLine->BoundsRect(), QRect(4, 280, 85, 6));
    EXPECT_EQ(FormTV->pnlControl->BoundsRect(), QRect(0, 296, 461, 68));
    EXPECT_TRUE(FormTV->pnlControl->Visible());
    EXPECT_FALSE(FormTV->TimerPANEL->Enabled());
  }
};

}  // namespace

TEST_F(WindowModeTest, EnterFillsTheScreenAndEscReturnsToTheWindow)
{
  uint16_t enter = VK_RETURN, escape = VK_ESCAPE;
  FormTV->FormKeyUp(FormTV, enter, 0);
  ExpectFullScreen();
  FormTV->BottomLineMouseMove(FormTV->BottomLine, 0, 10, 2);
  FormTV->FormKeyUp(FormTV, enter, 0);  // again in full screen: the layout applies anew
  ExpectFullScreen();
  FormTV->FormKeyUp(FormTV, escape, 0);
  ExpectWindowMode();
  EXPECT_FALSE(FormTV->pnlINFO->Visible());  // the advertisement does not come back
  FormTV->FormKeyUp(FormTV, escape, 0);
  ExpectWindowMode();
  EXPECT_EQ(FormTV->Width(), 467);
}

TEST_F(WindowModeTest, FullScreenButtonDecidesByTheWindowState)
{
  FormTV->sBitBtn1Click(FormTV->sBitBtn1);
  ExpectFullScreen();
  FormTV->sBitBtn1Click(FormTV->sBitBtn1);
  ExpectWindowMode();
}

TEST_F(WindowModeTest, StripShowsThePanelUntilItsTimerTicks)
{
  SetFullScreen(true);
  FormTV->BottomLineMouseMove(FormTV->BottomLine, 0, 100, 3);
  EXPECT_TRUE(FormTV->pnlControl->Visible());
  EXPECT_TRUE(FormTV->TimerPANEL->Enabled());
  EXPECT_EQ(FormTV->TimerPANEL->Interval(), 10000);
  FormTV->TimerPANELTimer(FormTV->TimerPANEL);
  EXPECT_FALSE(FormTV->pnlControl->Visible());
  EXPECT_FALSE(FormTV->TimerPANEL->Enabled());
  FormTV->BottomLineMouseMove(FormTV->BottomLine, 0, 100, 3);
  EXPECT_TRUE(FormTV->pnlControl->Visible());
}

TEST_F(WindowModeTest, FirstPlayAfterFullScreenStillRemovesTheBrowser)
{
  SetFullScreen(true);
  SetFullScreen(false);
  EXPECT_TRUE(AdPanelShown);
  FormTV->btnPlayClick(FormTV->btnPlay);
  EXPECT_EQ(FormTV->AdBrowser, nullptr);
  EXPECT_FALSE(AdPanelShown);
}
