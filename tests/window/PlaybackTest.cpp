// The play toggle and the stall watchdog, driven tick by tick.

#include "WindowFixture.h"

#include <QOpenGLWidget>
#include <QWidget>

#include "browser/ieredimer.h"
#include "platform/Timer.h"
#include "skin/TsBitBtn.h"
#include "player/LibVlcPlayerUnit.h"
#include "skin/TsPanel.h"

namespace {

constexpr const char* kStations = "http://127.0.0.1:9/live\nLive\nStream\n";
const std::string kOpen = "libvlc_media_new_location(instance, http://127.0.0.1:9/live)";

class PlaybackTest : public WindowTest {
protected:
  void SetUp() override
  {
    CreateWindow(kStations);
    Fake().Reset();
  }
  void Press() { FormTV->btnPlayClick(FormTV->btnPlay); }
  // Watchdog ticks until the stream is opened again; 0 when it is not within `limit`.
  int TicksUntilReopened(int limit)
  {
    const size_t opened = CallsOf(kOpen).size();
    for (int tick = 1; tick <= limit; ++tick) {
      FormTV->TimerERRORTimer(FormTV->TimerERROR);
      if (CallsOf(kOpen).size() > opened)
        return tick;
    }
    return 0;
  }
};

}  // namespace

TEST_F(PlaybackTest, FirstPressRemovesTheAdvertisementAndOpensTheFirstStation)
{
  ASSERT_NE(FormTV->AdBrowser, nullptr);
  Press();
  EXPECT_EQ(FormTV->AdBrowser, nullptr);
  EXPECT_FALSE(FormTV->pnlINFO->Visible());
  EXPECT_FALSE(AdPanelShown);
  EXPECT_EQ(FormTV->btnPlay->Caption(), "ll");
  EXPECT_EQ(FormTV->btnPlay->Hint(), "Začít přehrávání");
  EXPECT_TRUE(FormTV->TimerERROR->Enabled());
  const std::vector<std::string> expected = {
      "libvlc_media_player_stop(player)", "libvlc_media_player_set_media(player, NULL)",
      kOpen + " = media1", "libvlc_media_player_set_media(player, media1)", "libvlc_media_player_play(player)"};
  EXPECT_EQ(Fake().Calls(), expected);
}

TEST_F(PlaybackTest, SecondPressPausesOnlyWhilePlayingAndAThirdOpensAnew)
{
  Press();
  Fake().SetState(3);
  Fake().Reset();
  Fake().SetState(3);
  Press();
  EXPECT_EQ(FormTV->btnPlay->Caption(), ">");
  EXPECT_FALSE(FormTV->TimerERROR->Enabled());
  EXPECT_EQ(CallsOf("libvlc_media_player_pause").size(), 1u);

  Press();
  EXPECT_EQ(FormTV->btnPlay->Caption(), "ll");
  EXPECT_EQ(CallsOf(kOpen).size(), 1u);  // a fresh open, not a resume

  Fake().SetState(1);  // still opening: the stop shows ">" but cannot pause
  Press();
  EXPECT_EQ(FormTV->btnPlay->Caption(), ">");
  EXPECT_EQ(CallsOf("libvlc_media_player_pause").size(), 1u);
}

TEST_F(PlaybackTest, StalledStreamIsReopenedOnTheThirdTickAfterItsLastTimeChange)
{
  Press();
  for (int second = 0; second < 20; ++second) {
    ASSERT_EQ(TicksUntilReopened(1), 0) << "reopened while time advanced, second " << second;
    Raise(libvlc_MediaPlayerTimeChanged);
    Raise(libvlc_MediaPlayerTimeChanged);
  }
  EXPECT_EQ(TicksUntilReopened(10), 3);
  EXPECT_EQ(FormTV->btnPlay->Caption(), "ll");
  EXPECT_TRUE(FormTV->TimerERROR->Enabled());
}

TEST_F(PlaybackTest, DeadAddressIsReopenedAfterTwelveTicksThenEveryEleven)
{
  Press();
  EXPECT_EQ(TicksUntilReopened(100), 12);
  EXPECT_EQ(TicksUntilReopened(100), 11);
  EXPECT_EQ(TicksUntilReopened(100), 11);
}

TEST_F(PlaybackTest, GracePeriodDoesNotGrowWithEarlierEvents)
{
  Press();
  for (int event = 0; event < 5000; ++event)
    FormTV->PlayerMediaPlayerTimeChanged(FormTV->Player, event * 300);
  Press();
  Press();
  EXPECT_EQ(TicksUntilReopened(6000), 12);
  EXPECT_EQ(TicksUntilReopened(6000), 11);
}

TEST_F(PlaybackTest, VideoFollowsThePanelsNewNativeWindow)
{
  // A window made without OpenGL is rebuilt, with every native window in it, when an
  // OpenGL surface comes in: here the panel's own, which so gets a new native window.
  QWidget window;
  window.winId();
  QWidget* panel = FormTV->Player->Widget();
  panel->setParent(&window);
  const WId first = panel->winId();
  Fake().ClearCalls();
  (new QOpenGLWidget(&window))->show();
  const WId second = panel->winId();
  panel->setParent(FormTV->Widget());
  ASSERT_NE(second, first);
  EXPECT_EQ(CallsOf("libvlc_media_player_set_xwindow"),
            std::vector<std::string>{"libvlc_media_player_set_xwindow(player, " + std::to_string(second) + ")"});
}
