// Volume, mute, aspect ratio and the keys that drive the window.

#include <cmath>
#include <cstdlib>

#include "app/Main.h"
#include "player/LibVlcPlayerUnit.h"
#include "skin/TsBitBtn.h"
#include "skin/TsGauge.h"

void TFormTV::gaugeVolumeMouseDown(TObject*, TMouseButton, TShiftState, int, int Y)
{
  const int64_t scaled = std::llround(Y * 1.6);
  Volume = static_cast<int32_t>(std::llabs(scaled - 85));
  gaugeVolume->SetProgress(static_cast<int>(std::llabs(std::llround(Volume * 1.2))));
  if (Player)
    Player->SetAudioVolume(Volume * 2);
  StateChanged();
}

void TFormTV::VolumeUp()
{
  if (Volume >= 100)
    return;
  Volume += 10;
  gaugeVolume->SetProgress(Volume);
  if (Player)
    Player->SetAudioVolume(Volume * 2);
  StateChanged();
}

void TFormTV::VolumeDown()
{
  if (Volume <= 5)
    return;
  Volume -= 10;
  gaugeVolume->SetProgress(Volume);
  if (Player)
    Player->SetAudioVolume(Volume * 2);
  StateChanged();
}

// Runs on the media library's thread: reads Volume once, calls only the safe volume setter.
void TFormTV::PlayerMediaPlayerOpening(TObject* Sender)
{
  static_cast<TLibVlcPlayer*>(Sender)->SetAudioVolume(Volume * 2);
}

void TFormTV::PlayerMediaPlayerPlaying(TObject* Sender)
{
  static_cast<TLibVlcPlayer*>(Sender)->SetAudioVolume(Volume * 2);
}

void TFormTV::btnMuteClick(TObject*)
{
  Muted = !Muted;
  if (Player)
    Player->SetAudioMute(Muted);
  btnMute->SetDown(Muted);
  SetActiveControl(nullptr);
}

void TFormTV::ToggleAspect()
{
  const char* ratio = AspectNext169 ? "16:9" : "4:3";
  if (Player)
    Player->SetVideoAspectRatio(ratio);
  AspectNext169 = !AspectNext169;
}

void TFormTV::FormKeyUp(TObject*, uint16_t& Key, TShiftState)
{
  switch (Key) {
  case VK_RETURN: SetFullScreen(true); break;
  case VK_SHIFT: ToggleAspect(); break;
  case VK_ESCAPE: SetFullScreen(false); break;
  case VK_SPACE: TogglePlay(); break;
  case VK_UP: VolumeUp(); break;
  case VK_DOWN: VolumeDown(); break;
  default: break;
  }
}
