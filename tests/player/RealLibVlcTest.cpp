// The real media library (the system's libvlc.so.5) under an X server: a clip made
// with ffmpeg plays into the panel's own window from a file and over HTTP.

#include <signal.h>

#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <QWidget>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <thread>

#include "PlayerTestSupport.h"
#include "platform/Application.h"
#include "player/LibVlcPlayerUnit.h"

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

// Runs the user-interface thread's messages until `condition` holds or the deadline passes.
template <typename Condition>
bool PumpUntil(Condition condition, std::chrono::seconds limit = std::chrono::seconds(15))
{
  const auto deadline = Clock::now() + limit;
  while (!condition()) {
    if (Clock::now() > deadline)
      return false;
    TApplication::Instance()->ProcessMessages();
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  return true;
}

// A five-second test picture, made once per run.
const std::string& Clip()
{
  static const std::string clip = [] {
    const fs::path directory = fs::temp_directory_path() / ("zz_player_real_" + std::to_string(getpid()));
    fs::create_directories(directory);
    const std::string path = (directory / "clip.mp4").string();
    const std::string command = "ffmpeg -loglevel error -y -f lavfi -i testsrc=size=320x240:rate=25 -t 5 "
                                "-pix_fmt yuv420p " + path;
    return std::system(command.c_str()) == 0 ? path : std::string();
  }();
  return clip;
}

// python3's file server on a free port of 127.0.0.1, serving the clip's directory.
class TLocalHttpServer {
public:
  explicit TLocalHttpServer(const std::string& directory)
  {
    const std::string command = "python3 -u -m http.server 0 --bind 127.0.0.1 --directory " + directory +
                                " 2>/dev/null & echo $!; wait";
    output_ = popen(command.c_str(), "r");
    if (output_ && std::fscanf(output_, "%d Serving HTTP on %*s port %d", &pid_, &port_) != 2)
      port_ = 0;
  }
  ~TLocalHttpServer()
  {
    if (pid_ > 0)
      kill(pid_, SIGTERM);
    if (output_)
      pclose(output_);
  }
  int Port() const { return port_; }

private:
  FILE* output_ = nullptr;
  int pid_ = 0;
  int port_ = 0;
};

// Counts the events the tests wait for; they arrive on the library's threads.
struct TPlayback {
  std::atomic<int> playing = 0;
  std::atomic<int> timeChanges = 0;

  void Watch(TLibVlcPlayer& panel)
  {
    panel.OnMediaPlayerPlaying = [this](TObject*) { ++playing; };
    panel.OnMediaPlayerTimeChanged = [this](TObject*, int64_t) { ++timeChanges; };
  }
};

// The share of the panel's screen area that is not black.
double LitShare(const TLibVlcPlayer& panel)
{
  const QPoint origin = panel.Widget()->mapToGlobal(QPoint(0, 0));
  const QImage image = QGuiApplication::primaryScreen()
                         ->grabWindow(0, origin.x(), origin.y(), panel.Width(), panel.Height())
                         .toImage();
  long lit = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      lit += qGray(image.pixel(x, y)) > 40;
  return image.isNull() ? 0.0 : static_cast<double>(lit) / (image.width() * image.height());
}

class RealLibVlc : public ::testing::Test {
protected:
  void SetUp() override
  {
    REQUIRE_VARIANT("real");
    EnsureApplication();
    ASSERT_FALSE(Clip().empty()) << "ffmpeg could not make the clip";
  }

  std::unique_ptr<TLibVlcPlayer> ShownPanel()
  {
    auto panel = std::make_unique<TLibVlcPlayer>(nullptr);
    panel->Widget()->show();
    return panel;
  }

  // Plays `address` and expects Playing, time changes and a picture in the window.
  void ExpectPlays(const std::string& address)
  {
    auto panel = ShownPanel();
    EXPECT_EQ(panel->LastError(), "");
    TPlayback playback;
    playback.Watch(*panel);
    panel->Play(address);
    EXPECT_TRUE(PumpUntil([&] { return playback.playing > 0; }));
    EXPECT_TRUE(PumpUntil([&] { return playback.timeChanges >= 3; }));
    EXPECT_TRUE(PumpUntil([&] { return LitShare(*panel) > 0.5; })) << "the window stays black";
    EXPECT_EQ(panel->GetState(), 3);
  }
};

TEST_F(RealLibVlc, PlaysAFileIntoThePanelsWindow)
{
  ExpectPlays(Clip());
}

TEST_F(RealLibVlc, PlaysOverHttpFromLocalhost)
{
  TLocalHttpServer server(fs::path(Clip()).parent_path().string());
  ASSERT_NE(server.Port(), 0) << "python3 http.server did not start";
  ExpectPlays("http://127.0.0.1:" + std::to_string(server.Port()) + "/clip.mp4");
}

TEST_F(RealLibVlc, DestroyingAPlayingPanelTwentyTimesNeitherCrashesNorHangs)
{
  for (int round = 0; round < 20; ++round) {
    SCOPED_TRACE(round);
    auto panel = ShownPanel();
    TPlayback playback;
    playback.Watch(*panel);
    panel->Play(Clip());
    ASSERT_TRUE(PumpUntil([&] { return playback.playing > 0; }));
    const auto start = Clock::now();
    panel.reset();
    EXPECT_LT(Clock::now() - start, std::chrono::seconds(10));  // a hang, not a slow stop
  }
}

}  // namespace
