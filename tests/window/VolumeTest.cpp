// Volume from the gauge and the keys, the level sent when a stream opens, mute and aspect.

#include "WindowFixture.h"

#include "skin/TsBitBtn.h"
#include "skin/TsGauge.h"

namespace {

class VolumeTest : public WindowTest {
protected:
  void SetUp() override
  {
    CreateWindow("/nowhere.mp4\nA\nB\n");
    Fake().Reset();
  }
  static std::string LevelCall(int level) { return "libvlc_audio_set_volume(player, " + std::to_string(level) + ")"; }
  std::vector<std::string> Levels() { return CallsOf("libvlc_audio_set_volume"); }
  void Key(uint16_t key) { FormTV->FormKeyUp(FormTV, key, 0); }
  void ClickGauge(int y) { FormTV->gaugeVolumeMouseDown(FormTV->gaugeVolume, TMouseButton::mbLeft, 0, 4, y); }
};

}  // namespace

TEST_F(VolumeTest, GaugeClickScalesTheRowToAVolume)
{
  struct Row {
    int y, volume, gauge, level;
  };
  for (const Row& row : {Row{0, 85, 100, 170}, Row{1, 83, 100, 166}, Row{10, 69, 83, 138}, Row{26, 43, 52, 86},
                         Row{40, 21, 25, 42}, Row{50, 5, 6, 10}, Row{52, 2, 2, 4}}) {
    SCOPED_TRACE(row.y);
    ClickGauge(row.y);
    EXPECT_EQ(Volume, row.volume);
    EXPECT_EQ(FormTV->gaugeVolume->Progress(), row.gauge);
    EXPECT_EQ(Levels().back(), LevelCall(row.level));
  }
}

TEST_F(VolumeTest, UpStepsByTenToAHundredAndNoFurther)
{
  EXPECT_EQ(FormTV->gaugeVolume->Progress(), 30);
  for (int step = 1; step <= 7; ++step)
    Key(VK_UP);
  EXPECT_EQ(Volume, 100);
  EXPECT_EQ(FormTV->gaugeVolume->Progress(), 100);
  EXPECT_EQ(Levels().back(), LevelCall(200));
  Key(VK_UP);
  EXPECT_EQ(Volume, 100);
  EXPECT_EQ(Levels().size(), 7u);
}

TEST_F(VolumeTest, StepsMayLeaveTheRangeAndThePlayerIgnoresTheLevel)
{
  ClickGauge(0);  // 85
  Key(VK_UP);
  EXPECT_EQ(Volume, 95);
  Key(VK_UP);
  EXPECT_EQ(Volume, 105);
  EXPECT_EQ(FormTV->gaugeVolume->Progress(), 100);
  EXPECT_EQ(Levels().back(), LevelCall(190));  // 210 never reaches the library
  Key(VK_UP);
  EXPECT_EQ(Volume, 105);

  ClickGauge(49);  // round(78.4) = 78: volume 7
  ASSERT_EQ(Volume, 7);
  Key(VK_DOWN);
  EXPECT_EQ(Volume, -3);
  EXPECT_EQ(FormTV->gaugeVolume->Progress(), 0);
  EXPECT_EQ(Levels().back(), LevelCall(14));
  Key(VK_DOWN);
  EXPECT_EQ(Volume, -3);
  Key(VK_UP);
  EXPECT_EQ(Volume, 7);
}

TEST_F(VolumeTest, OpeningAndPlayingStreamsGetTwiceTheVolumeButNotTheMute)
{
  FormTV->btnMuteClick(FormTV->btnMute);
  EXPECT_TRUE(FormTV->btnMute->Down());
  EXPECT_EQ(CallsOf("libvlc_audio_set_mute"), std::vector<std::string>{"libvlc_audio_set_mute(player, 1)"});
  EXPECT_TRUE(Levels().empty());  // the start volume only reaches a stream that opens

  FormTV->btnPlayClick(FormTV->btnPlay);
  Raise(libvlc_MediaPlayerOpening);
  Raise(libvlc_MediaPlayerPlaying);
  EXPECT_EQ(Levels(), (std::vector<std::string>{LevelCall(60), LevelCall(60)}));
  EXPECT_EQ(CallsOf("libvlc_audio_set_mute").size(), 1u);

  FormTV->btnMuteClick(FormTV->btnMute);
  EXPECT_FALSE(FormTV->btnMute->Down());
  EXPECT_EQ(CallsOf("libvlc_audio_set_mute").back(), "libvlc_audio_set_mute(player, 0)");
}

TEST_F(VolumeTest, ShiftAlternatesTheAspectStartingWithTheOneSetAtStart)
{
  for (int press = 0; press < 4; ++press)
    Key(VK_SHIFT);
  const std::vector<std::string> expected = {
      "libvlc_video_set_aspect_ratio(player, \"16:9\")", "libvlc_video_set_aspect_ratio(player, \"4:3\")",
      "libvlc_video_set_aspect_ratio(player, \"16:9\")", "libvlc_video_set_aspect_ratio(player, \"4:3\")"};
  EXPECT_EQ(CallsOf("libvlc_video_set_aspect_ratio"), expected);
}

TEST_F(VolumeTest, OtherKeysDoNothingAndClicksGiveTheFocusBackToTheWindow)
{
  for (uint16_t key : {uint16_t(0), uint16_t('A'), uint16_t(VK_SPACE + 1)})
    Key(key);
  EXPECT_TRUE(Fake().Calls().empty());

  FormTV->Show();
  FormTV->FormShow(FormTV);
  EXPECT_EQ(FormTV->ActiveControl(), nullptr);
  for (auto click : {&TFormTV::btnMuteClick, &TFormTV::sBitBtn1Click, &TFormTV::btnPlayClick}) {
    FormTV->btnMute->SetFocus();
    (FormTV->*click)(FormTV);
    EXPECT_EQ(FormTV->ActiveControl(), nullptr);
  }
}
