// Event delivery: each library event type reaches its handler with the converted
// payload, on the thread the library delivers it on; none after detaching.

#include <atomic>
#include <chrono>
#include <memory>
#include <mutex>

#include "PlayerTestSupport.h"
#include "platform/Application.h"
#include "platform/Exception.h"
#include "player/LibVlcPlayerUnit.h"

namespace {

using Clock = std::chrono::steady_clock;

// Waits for a condition that the fake's own thread brings about, with a deadline.
template <typename Condition>
bool WaitFor(Condition condition)
{
  const auto deadline = Clock::now() + std::chrono::seconds(10);
  while (!condition()) {
    if (Clock::now() > deadline)
      return false;
    std::this_thread::yield();
  }
  return true;
}

class PlayerEvents : public ::testing::Test {
protected:
  void SetUp() override
  {
    REQUIRE_VARIANT("full");
    EnsureApplication();
    Fake().Reset();
    panel = std::make_unique<TLibVlcPlayer>(nullptr);
  }
  void TearDown() override
  {
    if (IsSkipped())
      return;
    Fake().StopStream();
    panel.reset();
    TApplication::SetErrorBoxHook(nullptr);
  }

  std::unique_ptr<TLibVlcPlayer> panel;
};

// What a handler saw; written on the fake's thread, read after Raise returned.
struct Seen {
  int type = 0;
  TObject* sender = nullptr;
  std::thread::id thread;
};

TEST_F(PlayerEvents, EachTypeReachesItsOwnHandlerOnTheLibrarysThread)
{
  std::vector<Seen> seen;
  auto note = [&](int type) {
    return [&seen, type](TObject* sender, auto...) { seen.push_back({type, sender, std::this_thread::get_id()}); };
  };
  TLibVlcPlayer& p = *panel;
  p.OnMediaPlayerMediaChanged = note(256);
  p.OnMediaPlayerNothingSpecial = note(257);
  p.OnMediaPlayerOpening = note(258);
  p.OnMediaPlayerBuffering = note(259);
  p.OnMediaPlayerPlaying = note(260);
  p.OnMediaPlayerPaused = note(261);
  p.OnMediaPlayerStopped = note(262);
  p.OnMediaPlayerForward = note(263);
  p.OnMediaPlayerBackward = note(264);
  p.OnMediaPlayerEndReached = note(265);
  p.OnMediaPlayerEncounteredError = note(266);
  p.OnMediaPlayerTimeChanged = note(267);
  p.OnMediaPlayerPositionChanged = note(268);
  p.OnMediaPlayerSeekableChanged = note(269);
  p.OnMediaPlayerPausableChanged = note(270);
  p.OnMediaPlayerTitleChanged = note(271);
  p.OnMediaPlayerSnapshotTaken = note(272);
  p.OnMediaPlayerLengthChanged = note(273);

  for (int type = 255; type <= 274; ++type) {
    SCOPED_TRACE(type);
    seen.clear();
    libvlc_event_t event = MakeEvent(type);
    char name[] = "";
    event.u.media_player_snapshot_taken.psz_filename = name;
    const std::thread::id library = Fake().Raise(event);
    if (type == 255 || type == 274) {
      EXPECT_TRUE(seen.empty());
      continue;
    }
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].type, type);
    EXPECT_EQ(seen[0].sender, panel.get());
    EXPECT_EQ(seen[0].thread, library);
    EXPECT_NE(seen[0].thread, std::this_thread::get_id());
  }
}

TEST_F(PlayerEvents, PanelWithoutHandlersTakesEveryType)
{
  for (int type = 256; type <= 273; ++type)
    Fake().Raise(MakeEvent(type));
  EXPECT_EQ(Fake().Listeners(), 18);
}

TEST_F(PlayerEvents, PayloadsAreConverted)
{
  int64_t time = 0, length = 0;
  float position = 0;
  std::vector<bool> seekable, pausable;
  int title = 0;
  std::string fileName;
  panel->OnMediaPlayerTimeChanged = [&](TObject*, int64_t value) { time = value; };
  panel->OnMediaPlayerLengthChanged = [&](TObject*, int64_t value) { length = value; };
  panel->OnMediaPlayerPositionChanged = [&](TObject*, float value) { position = value; };
  panel->OnMediaPlayerSeekableChanged = [&](TObject*, bool value) { seekable.push_back(value); };
  panel->OnMediaPlayerPausableChanged = [&](TObject*, bool value) { pausable.push_back(value); };
  panel->OnMediaPlayerTitleChanged = [&](TObject*, int value) { title = value; };
  char shot[] = "/tmp/vlcsnap-0001.png";
  panel->OnMediaPlayerSnapshotTaken = [&](TObject*, const std::string& value) {
    shot[0] = 'X';  // the library's buffer changes; the handler's copy must not
    fileName = value;
  };

  libvlc_event_t event = MakeEvent(libvlc_MediaPlayerTimeChanged);
  event.u.media_player_time_changed.new_time = 5000;
  Fake().Raise(event);
  event = MakeEvent(libvlc_MediaPlayerLengthChanged);
  event.u.media_player_length_changed.new_length = 0x123456789AB;
  Fake().Raise(event);
  event = MakeEvent(libvlc_MediaPlayerPositionChanged);
  event.u.media_player_position_changed.new_position = 0.5f;
  Fake().Raise(event);
  for (int value : {2, 0}) {
    event = MakeEvent(libvlc_MediaPlayerSeekableChanged);
    event.u.media_player_seekable_changed.new_seekable = value;
    Fake().Raise(event);
    event = MakeEvent(libvlc_MediaPlayerPausableChanged);
    event.u.media_player_pausable_changed.new_pausable = value;
    Fake().Raise(event);
  }
  event = MakeEvent(libvlc_MediaPlayerTitleChanged);
  event.u.media_player_title_changed.new_title = -7;
  Fake().Raise(event);
  event = MakeEvent(libvlc_MediaPlayerSnapshotTaken);
  event.u.media_player_snapshot_taken.psz_filename = shot;
  Fake().Raise(event);

  EXPECT_EQ(time, 5000);
  EXPECT_EQ(length, 0x123456789AB);
  EXPECT_FLOAT_EQ(position, 50.0f);
  EXPECT_EQ(seekable, (std::vector<bool>{true, false}));
  EXPECT_EQ(pausable, (std::vector<bool>{true, false}));
  EXPECT_EQ(title, -7);
  EXPECT_EQ(fileName, "/tmp/vlcsnap-0001.png");
}

TEST_F(PlayerEvents, HandlersMayCallThePanelFromTheLibrarysThread)
{
  panel->OnMediaPlayerOpening = [this](TObject*) { panel->SetAudioVolume(140); };
  Fake().ClearCalls();
  Fake().Raise(MakeEvent(libvlc_MediaPlayerOpening));
  EXPECT_EQ(Fake().Calls(), std::vector<std::string>{"libvlc_audio_set_volume(player, 140)"});
}

// A failing handler must not unwind into the library (the fake's thread would
// end the process); its message is posted to the error box, not shown there and then.
TEST_F(PlayerEvents, FailingHandlerIsReportedOnTheUserInterfaceThread)
{
  std::vector<std::string> shown;
  std::vector<std::thread::id> threads;
  TApplication::SetErrorBoxHook([&](const std::string&, const std::string& text) {
    shown.push_back(text);
    threads.push_back(std::this_thread::get_id());
  });
  panel->OnMediaPlayerPlaying = [](TObject*) { throw Exception("handler broke"); };
  panel->OnMediaPlayerStopped = [](TObject*) { throw 42; };
  Fake().Raise(MakeEvent(libvlc_MediaPlayerPlaying));
  Fake().Raise(MakeEvent(libvlc_MediaPlayerStopped));
  EXPECT_TRUE(shown.empty());
  TApplication::Instance()->ProcessMessages();
  EXPECT_EQ(shown, (std::vector<std::string>{"handler broke", "A media player event handler failed."}));
  EXPECT_EQ(threads, std::vector<std::thread::id>(2, std::this_thread::get_id()));
}

// Detaching while the library streams events: nothing runs once DetachEvents returned.
TEST_F(PlayerEvents, NoHandlerRunsAfterDetachEventsReturned)
{
  std::atomic<long> calls = 0, late = 0;
  std::atomic<bool> detached = false;
  panel->OnMediaPlayerTimeChanged = [&](TObject*, int64_t) {
    if (detached)
      ++late;
    ++calls;
  };
  Fake().StartStream(MakeEvent(libvlc_MediaPlayerTimeChanged));
  ASSERT_TRUE(WaitFor([&] { return calls > 200; }));
  panel->DetachEvents();
  detached = true;
  const long rounds = Fake().StreamRounds();
  ASSERT_TRUE(WaitFor([&] { return Fake().StreamRounds() > rounds + 200; }));
  Fake().StopStream();
  EXPECT_EQ(late, 0);
  EXPECT_EQ(Fake().Listeners(), 0);
}

TEST_F(PlayerEvents, NothingReachesADestroyedPanel)
{
  std::atomic<long> calls = 0;
  panel->OnMediaPlayerPositionChanged = [&](TObject*, float) { ++calls; };
  Fake().StartStream(MakeEvent(libvlc_MediaPlayerPositionChanged));
  ASSERT_TRUE(WaitFor([&] { return calls > 200; }));
  panel.reset();
  const long before = calls;
  const long rounds = Fake().StreamRounds();
  ASSERT_TRUE(WaitFor([&] { return Fake().StreamRounds() > rounds + 200; }));
  Fake().StopStream();
  EXPECT_EQ(calls, before);
  EXPECT_EQ(Fake().Listeners(), 0);
}

}  // namespace
