// The panel's calls into the media library, checked against the fake's call log.

#include <filesystem>
#include <fstream>
#include <memory>

#include "PlayerTestSupport.h"
#include "player/LibVlcPlayerUnit.h"

namespace {

using Calls = std::vector<std::string>;

Calls AttachCalls(const std::string& verb)
{
  Calls calls;
  for (int type = 256; type <= 273; ++type)
    calls.push_back("libvlc_event_" + verb + "(events, " + std::to_string(type) + ")");
  return calls;
}

Calls operator+(Calls head, const Calls& tail)
{
  head.insert(head.end(), tail.begin(), tail.end());
  return head;
}

class PlayerPanel : public ::testing::Test {
protected:
  void SetUp() override
  {
    REQUIRE_VARIANT("full");
    EnsureApplication();
    Fake().Reset();
  }

  // The calls since the last look.
  static Calls TakeCalls()
  {
    Calls calls = Fake().Calls();
    Fake().ClearCalls();
    return calls;
  }

  static Calls ConstructionCalls(TLibVlcPlayer& panel)
  {
    return Calls{"libvlc_new(2, -I, dummy)", "libvlc_errmsg()", "libvlc_get_version()",
                 "libvlc_media_player_new(instance)",
                 "libvlc_media_player_set_xwindow(player, " + std::to_string(static_cast<uint32_t>(panel.Handle())) + ")",
                 "libvlc_media_player_event_manager(player)"} +
           AttachCalls("attach");
  }
};

TEST_F(PlayerPanel, FirstPanelCreatesTheInstanceAndBindsItsWindow)
{
  auto panel = std::make_unique<TLibVlcPlayer>(nullptr);
  EXPECT_EQ(TakeCalls(), ConstructionCalls(*panel));
  EXPECT_EQ(panel->Caption(), "3.0.0 Fake");
  EXPECT_EQ(panel->LastError(), "");
  EXPECT_EQ(panel->Color(), clBlack);
  EXPECT_EQ(panel->Width(), 320);
  EXPECT_EQ(panel->Height(), 240);
  EXPECT_EQ(panel->BevelOuter(), TBevelCut::bvNone);
  EXPECT_TRUE(panel->HasNativeWindow());

  panel.reset();
  EXPECT_EQ(TakeCalls(), (AttachCalls("detach") + Calls{"libvlc_media_player_stop(player)",
                                                        "libvlc_media_player_set_media(player, NULL)",
                                                        "libvlc_media_player_release(player)",
                                                        "libvlc_release(instance)"}));
}

TEST_F(PlayerPanel, FurtherPanelsRetainTheSharedInstanceUntilTheLastGoes)
{
  auto first = std::make_unique<TLibVlcPlayer>(nullptr);
  Fake().Reset();
  Fake().SetVersion("3.0.24 Vetinari");
  auto second = std::make_unique<TLibVlcPlayer>(nullptr);
  const Calls calls = TakeCalls();
  ASSERT_FALSE(calls.empty());
  EXPECT_EQ(calls.front(), "libvlc_retain(instance)");
  EXPECT_EQ(Calls(calls.begin() + 1, calls.begin() + 3),
            (Calls{"libvlc_get_version()", "libvlc_media_player_new(instance)"}));
  EXPECT_EQ(second->Caption(), "3.0.24 Vetinari");
  EXPECT_EQ(second->LastError(), "");

  first.reset();
  second.reset();
  const Calls released = TakeCalls();
  EXPECT_EQ(std::count(released.begin(), released.end(), "libvlc_release(instance)"), 2);

  // With every panel gone the instance is released for good, so a new panel makes a new one.
  auto third = std::make_unique<TLibVlcPlayer>(nullptr);
  EXPECT_EQ(TakeCalls(), ConstructionCalls(*third));
}

TEST_F(PlayerPanel, LibraryMessageAfterCreationLeavesThePanelWithoutPlayer)
{
  Fake().SetErrorMessage("no interface module");
  auto panel = std::make_unique<TLibVlcPlayer>(nullptr);
  EXPECT_EQ(TakeCalls(), (Calls{"libvlc_new(2, -I, dummy)", "libvlc_errmsg()"}));
  EXPECT_EQ(panel->Caption(), "no interface module");
  EXPECT_EQ(panel->LastError(), "no interface module");
  EXPECT_EQ(panel->GetState(), 0);
  panel->Play("http://127.0.0.1/stream");
  EXPECT_TRUE(TakeCalls().empty());
  // The instance it got is still the panel's to give back.
  panel.reset();
  EXPECT_EQ(TakeCalls(), Calls{"libvlc_release(instance)"});
}

TEST_F(PlayerPanel, NoInstanceAndNoMessageLeavesCaptionEmpty)
{
  Fake().SetGivesInstance(false);
  auto panel = std::make_unique<TLibVlcPlayer>(nullptr);
  EXPECT_EQ(TakeCalls(), (Calls{"libvlc_new(2, -I, dummy)", "libvlc_errmsg()"}));
  EXPECT_EQ(panel->Caption(), "");
  EXPECT_EQ(panel->LastError(), "");
  panel.reset();
  EXPECT_TRUE(TakeCalls().empty());
}

TEST_F(PlayerPanel, WithoutPlayerOperationsAndDestructionCallNothingOfThePlayer)
{
  Fake().SetGivesPlayer(false);
  auto panel = std::make_unique<TLibVlcPlayer>(nullptr);
  EXPECT_EQ(TakeCalls(), (Calls{"libvlc_new(2, -I, dummy)", "libvlc_errmsg()", "libvlc_get_version()",
                                "libvlc_media_player_new(instance)"}));
  EXPECT_EQ(panel->Caption(), "3.0.0 Fake");
  panel->Play("http://127.0.0.1/stream");
  panel->Pause();
  panel->SetVideoAspectRatio("4:3");
  panel->SetAudioMute(true);
  panel->SetAudioVolume(50);
  EXPECT_EQ(panel->GetState(), 0);
  EXPECT_TRUE(TakeCalls().empty());
  panel.reset();
  EXPECT_EQ(TakeCalls(), Calls{"libvlc_release(instance)"});
}

TEST_F(PlayerPanel, DesignedPanelCallsNothing)
{
  TComponent form(nullptr);
  form.SetDesigning(true);
  auto* panel = new TLibVlcPlayer(&form);
  EXPECT_TRUE(panel->Designing());
  EXPECT_EQ(panel->Caption(), "");
  EXPECT_EQ(panel->Color(), clBlack);
  delete panel;
  EXPECT_TRUE(TakeCalls().empty());
}

TEST_F(PlayerPanel, PlayOpensFilesAsPathsAndAddressesAsLocations)
{
  const std::string file = std::filesystem::temp_directory_path() / "zz_player_clip.ts";
  std::ofstream(file) << "x";
  auto panel = std::make_unique<TLibVlcPlayer>(nullptr);
  Fake().Reset();

  panel->Play("http://127.0.0.1:8080/live.ts");
  const Calls start{"libvlc_media_player_stop(player)", "libvlc_media_player_set_media(player, NULL)"};
  EXPECT_EQ(TakeCalls(),
            (start + Calls{"libvlc_media_new_location(instance, http://127.0.0.1:8080/live.ts) = media1",
                          "libvlc_media_player_set_media(player, media1)", "libvlc_media_player_play(player)"}));
  panel->Play(file);
  EXPECT_EQ(TakeCalls(),
            (start + Calls{"libvlc_media_release(media1)", "libvlc_media_new_path(instance, " + file + ") = media2",
                          "libvlc_media_player_set_media(player, media2)", "libvlc_media_player_play(player)"}));
  // A directory is not a file.
  const std::string directory = std::filesystem::temp_directory_path();
  panel->Play(directory);
  EXPECT_EQ(TakeCalls(),
            (start + Calls{"libvlc_media_release(media2)", "libvlc_media_new_location(instance, " + directory + ") = media3",
                          "libvlc_media_player_set_media(player, media3)", "libvlc_media_player_play(player)"}));

  panel.reset();
  const Calls end = TakeCalls();
  ASSERT_GE(end.size(), 5u);
  EXPECT_EQ(Calls(end.end() - 5, end.end()),
            (Calls{"libvlc_media_player_stop(player)", "libvlc_media_player_set_media(player, NULL)",
                   "libvlc_media_player_release(player)", "libvlc_media_release(media3)", "libvlc_release(instance)"}));
  std::filesystem::remove(file);
}

TEST_F(PlayerPanel, StateIsZeroOutsideTheLibrarysRangeAndPauseActsOnlyWhilePlaying)
{
  auto panel = std::make_unique<TLibVlcPlayer>(nullptr);
  for (int state = -1; state <= 8; ++state) {
    SCOPED_TRACE(state);
    Fake().Reset();
    Fake().SetState(state);
    EXPECT_EQ(panel->GetState(), state >= 0 && state <= 7 ? state : 0);
    panel->Pause();
    Calls expected{"libvlc_media_player_get_state(player)", "libvlc_media_player_get_state(player)"};
    if (state == 3)
      expected.push_back("libvlc_media_player_pause(player)");
    EXPECT_EQ(Fake().Calls(), expected);
  }
}

TEST_F(PlayerPanel, VolumeMuteAndAspectReachTheLibraryAsGiven)
{
  auto panel = std::make_unique<TLibVlcPlayer>(nullptr);
  Fake().Reset();
  for (int level : {0, 200, 201, -1, 100})
    panel->SetAudioVolume(level);
  panel->SetAudioMute(true);
  panel->SetAudioMute(false);
  panel->SetVideoAspectRatio("16:9");
  panel->SetVideoAspectRatio("");
  EXPECT_EQ(Fake().Calls(), (Calls{"libvlc_audio_set_volume(player, 0)", "libvlc_audio_set_volume(player, 200)",
                                   "libvlc_audio_set_volume(player, 100)", "libvlc_audio_set_mute(player, 1)",
                                   "libvlc_audio_set_mute(player, 0)",
                                   "libvlc_video_set_aspect_ratio(player, \"16:9\")",
                                   "libvlc_video_set_aspect_ratio(player, \"\")"}));
}

}  // namespace
