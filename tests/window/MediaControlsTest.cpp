// The desktop's media controls over a private session bus (the test runs under
// dbus-run-session): dbus-send calls reach the window's own play toggle and volume steps.

#include "WindowFixture.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QProcess>
#include <memory>

#include "app/MediaControls.h"
#include "platform/Timer.h"
#include "skin/TsBitBtn.h"
#include "skin/TsGauge.h"

namespace {

constexpr const char* kStations = "http://127.0.0.1:9/live\nLive\nStream\n";
const std::string kOpen = "libvlc_media_new_location(instance, http://127.0.0.1:9/live)";
const QString kService = "org.mpris.MediaPlayer2.zadizaplayer";
const QString kPlayer = "org.mpris.MediaPlayer2.Player";

class MediaControlsTest : public WindowTest {
protected:
  void SetUp() override
  {
    CreateWindow(kStations);
    controls_ = std::make_unique<TMediaControls>(*FormTV);
    const QDeadlineTimer deadline(10000);
    while (Run("dbus-send", {"--session", "--print-reply", "--dest=org.freedesktop.DBus", "/",
                             "org.freedesktop.DBus.NameHasOwner", "string:" + kService})
               .find("boolean true") == std::string::npos)
      ASSERT_FALSE(deadline.hasExpired()) << "the media controls never appeared on the bus";
    Fake().Reset();
  }
  void TearDown() override
  {
    controls_.reset();
    WindowTest::TearDown();
  }

  // Runs a program to its end while the user-interface thread serves the bus.
  static std::string Run(const QString& program, const QStringList& args)
  {
    QProcess process;
    process.start(program, args);
    const QDeadlineTimer deadline(10000);
    while (!process.waitForFinished(5) && !deadline.hasExpired())
      ProcessEvents();
    return process.readAllStandardOutput().toStdString();
  }
  static std::string Call(const QString& member, const QStringList& args = {}, const QString& interface = kPlayer)
  {
    return Run("dbus-send", QStringList{"--session", "--print-reply", "--dest=" + kService, "/org/mpris/MediaPlayer2",
                                        interface + "." + member} + args);
  }
  static std::string Get(const QString& interface, const QString& name)
  {
    return Call("Get", {"string:" + interface, "string:" + name}, "org.freedesktop.DBus.Properties");
  }
  static void SetVolume(const QString& value)
  {
    Call("Set", {"string:" + kPlayer, "string:Volume", "variant:double:" + value}, "org.freedesktop.DBus.Properties");
  }
  static std::string Caption() { return FormTV->btnPlay->Caption(); }

  std::unique_ptr<TMediaControls> controls_;
};

// The PropertiesChanged signals on the bus since it was made.
class SignalWatch {
public:
  SignalWatch()
  {
    monitor_.start("dbus-monitor", {"--session", "type='signal',member='PropertiesChanged'"});
    monitor_.waitForStarted();
    monitor_.waitForReadyRead(3000);  // the monitor's own greeting: it is listening
  }
  std::string Await(const std::string& text)
  {
    const QDeadlineTimer deadline(5000);
    while (seen_.find(text) == std::string::npos && !deadline.hasExpired()) {
      QCoreApplication::processEvents();
      monitor_.waitForReadyRead(5);
      seen_ += monitor_.readAllStandardOutput().toStdString();
    }
    return seen_;
  }
  ~SignalWatch()
  {
    monitor_.kill();
    monitor_.waitForFinished();
  }

private:
  QProcess monitor_;
  std::string seen_;
};

}  // namespace

TEST_F(MediaControlsTest, PlayPauseStopAndPauseGoThroughThePlayToggle)
{
  SignalWatch watch;
  Call("PlayPause");
  EXPECT_EQ(Caption(), "ll");
  EXPECT_FALSE(AdPanelShown);
  EXPECT_TRUE(FormTV->TimerERROR->Enabled());
  EXPECT_EQ(CallsOf(kOpen).size(), 1u);
  EXPECT_NE(Get(kPlayer, "PlaybackStatus").find("\"Playing\""), std::string::npos);

  Fake().ClearCalls();
  Call("Play");  // already playing: nothing
  EXPECT_EQ(Caption(), "ll");
  EXPECT_TRUE(Fake().Calls().empty());

  Fake().SetState(3);
  Call("Stop");
  EXPECT_EQ(Caption(), ">");
  EXPECT_FALSE(FormTV->TimerERROR->Enabled());
  EXPECT_EQ(CallsOf("libvlc_media_player_pause").size(), 1u);
  Call("Stop");
  Call("Pause");  // stopped already: nothing
  EXPECT_EQ(CallsOf("libvlc_media_player_pause").size(), 1u);

  Call("Play");
  EXPECT_EQ(CallsOf(kOpen).size(), 1u);  // a fresh open, as the button does
  Call("Pause");  // a live stream stops
  EXPECT_EQ(Caption(), ">");
  EXPECT_EQ(CallsOf("libvlc_media_player_pause").size(), 2u);
  EXPECT_NE(Get(kPlayer, "PlaybackStatus").find("\"Stopped\""), std::string::npos);

  const std::string seen = watch.Await("Stopped");
  const size_t playing = seen.find("\"Playing\"");
  ASSERT_NE(playing, std::string::npos) << seen;
  EXPECT_NE(seen.find("\"Stopped\"", playing), std::string::npos) << seen;
}

TEST_F(MediaControlsTest, VolumeMovesTheWindowsVolumeInItsOwnSteps)
{
  SignalWatch watch;
  SetVolume("0.55");  // 30 -> 50, the nearest step
  EXPECT_EQ(Volume, 50);
  EXPECT_EQ(FormTV->gaugeVolume->Progress(), 50);
  EXPECT_EQ(CallsOf("libvlc_audio_set_volume"), (std::vector<std::string>{
      "libvlc_audio_set_volume(player, 80)", "libvlc_audio_set_volume(player, 100)"}));
  EXPECT_NE(Get(kPlayer, "Volume").find("double 0.5"), std::string::npos);
  EXPECT_NE(watch.Await("double 0.5").find("double 0.5"), std::string::npos);

  SetVolume("1.0");
  EXPECT_EQ(Volume, 100);
  EXPECT_EQ(FormTV->gaugeVolume->Progress(), 100);
  EXPECT_EQ(CallsOf("libvlc_audio_set_volume").back(), "libvlc_audio_set_volume(player, 200)");
  SetVolume("-2");  // read as 0
  EXPECT_EQ(Volume, 0);
  EXPECT_EQ(FormTV->gaugeVolume->Progress(), 0);

  FormTV->gaugeVolumeMouseDown(FormTV->gaugeVolume, TMouseButton::mbLeft, 0, 4, 49);  // 7
  SetVolume("0");  // the window's own Down step from 7 goes to -3
  EXPECT_EQ(Volume, -3);
  EXPECT_NE(Get(kPlayer, "Volume").find("double 0\n"), std::string::npos);
}

TEST_F(MediaControlsTest, DesktopSeesTheProgramTheStationAndTheCaption)
{
  const std::string root = Call("GetAll", {"string:org.mpris.MediaPlayer2"}, "org.freedesktop.DBus.Properties");
  EXPECT_NE(root.find("\"ZadiZAPlayer\""), std::string::npos) << root;
  EXPECT_NE(root.find("\"zadizaplayer\""), std::string::npos) << root;
  const std::string metadata = Get(kPlayer, "Metadata");
  EXPECT_NE(metadata.find("\"xesam:url\""), std::string::npos) << metadata;
  EXPECT_NE(metadata.find("string \"http://127.0.0.1:9/live\""), std::string::npos) << metadata;
  EXPECT_NE(metadata.find("string \"" + FormTV->Caption() + "\""), std::string::npos) << metadata;
  EXPECT_NE(metadata.find("object path"), std::string::npos) << metadata;
  EXPECT_NE(Get(kPlayer, "CanSeek").find("boolean false"), std::string::npos);
  EXPECT_NE(Get(kPlayer, "CanControl").find("boolean true"), std::string::npos);
}
