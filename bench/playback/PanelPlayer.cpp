// The player panel alone: a form whose client area is the panel, at the size of
// the main window's video area. A released Space plays the clip given as the
// argument, or pauses it while it plays. Prints "play <ns>" just before Play and "playing <ns>" on the panel's
// Playing event (CLOCK_MONOTONIC), for the benchmark that started it.

#include <cstdio>
#include <string>

#include "Stamp.h"

#include "platform/Application.h"
#include "platform/Form.h"
#include "player/LibVlcPlayerUnit.h"

int main(int argc, char** argv)
{
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s clip\n", argv[0]);
    return 2;
  }
  const std::string clip = argv[1];
  TApplication application(argc, argv);
  application.SetTitle("player panel");
  TForm form(nullptr);
  form.SetCaption("player panel");
  form.SetBounds(286, 134, 0, 0);
  form.SetClientWidth(465);
  form.SetClientHeight(297);
  auto* player = new TLibVlcPlayer(&form);
  player->SetParent(&form);
  player->SetBounds(0, 0, 465, 297);
  player->SetVideoAspectRatio("16:9");
  player->OnMediaPlayerPlaying = [](TObject*) { Stamp("playing"); };
  form.OnKeyUp = [&](TObject*, uint16_t& key, TShiftState) {
    if (key != VK_SPACE)
      return;
    if (player->GetState() == 3) {  // playing: the program's toggle pauses
      player->Pause();
      return;
    }
    Stamp("play");
    player->Play(clip);
  };
  form.Show();
  form.SetActiveControl(nullptr);  // the form's key handler runs while no control has the focus
  Stamp("ready");
  application.Run();
  return 0;
}
