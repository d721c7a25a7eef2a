// The play toggle and the stall watchdog that reopens a stream whose play time
// stopped advancing.

#include "app/Main.h"
#include "browser/ieredimer.h"
#include "platform/Timer.h"
#include "player/LibVlcPlayerUnit.h"
#include "skin/TsBitBtn.h"
#include "skin/TsPanel.h"

namespace {

// After a failed start the list may hold no station to play; then nothing opens.
void PlayStationAddress()
{
  if (!FormTV->Player || CurrentStation < 0 || size_t(CurrentStation) >= Stations.size() || !Stations[CurrentStation])
    return;
  FormTV->Player->Play(Stations[CurrentStation]->Address);
}

}  // namespace

void PlayCurrentStation()
{
  FormTV->TimerERROR->SetEnabled(true);
  // The grace period counts from now, not from program start.
  StallWatch = TimeTicks - 10;
  PlayStationAddress();
}

void TFormTV::TogglePlay()
{
  if (AdPanelShown) {
    delete AdBrowser;
    AdBrowser = nullptr;
    pnlINFO->Hide();
    AdPanelShown = false;
  }
  if (btnPlay->Caption() == ">") {
    btnPlay->SetCaption("ll");
    PlayCurrentStation();
  } else {
    btnPlay->SetCaption(">");
    if (Player)
      Player->Pause();
    TimerERROR->SetEnabled(false);
  }
  StateChanged();
}

void TFormTV::btnPlayClick(TObject*)
{
  TogglePlay();
  SetActiveControl(nullptr);
}

// Runs on the media library's thread.
void TFormTV::PlayerMediaPlayerTimeChanged(TObject*, int64_t)
{
  StallWatch = TimeTicks.fetch_add(1);
}

void TFormTV::TimerERRORTimer(TObject*)
{
  if (StallWatch > TimeTicks) {
    PlayStationAddress();
    StallWatch = TimeTicks - 10;
  }
  // An atomic increment, so that a time change stored meanwhile is not lost.
  StallWatch.fetch_add(1);
}
