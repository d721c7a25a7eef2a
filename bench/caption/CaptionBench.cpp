// Painting the non-client area of a 467 x 385 window (caption, frame, buttons)
// from the BlackBox skin: all of it after a change (activation, size, caption,
// skin), and one window button when the mouse enters or leaves it.

#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>
#include <cstdlib>

#include "platform/Application.h"
#include "platform/Colors.h"
#include "platform/Form.h"
#include "skin/SkinControl.h"
#include "skin/core/SkinColors.h"
#include "skin/core/SkinManager.h"
#include "skin/form/TsSkinProvider.h"
#include "skin/form/TsTitleBar.h"

namespace {

// Made before the window: a form needs the application object.
bool StartApplication()
{
  static int argc = 1;
  static char name[] = "caption_bench";
  static char* argv[] = {name, nullptr};
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  static TApplication application(argc, argv);
  return true;
}

struct Window {
  Window()
  {
    SetSystemColorResolver(&ColorToRGB);
    StartSkinWindows();
    form.SetBounds(286, 134, 467, 385);
    form.SetCaption("ZadiZAPlayer - http://www.zadiza.cz - Hrajeme svobodnou hudbu ...");
    auto* manager = new TsSkinManager(&form);
    manager->SetActive(false);
    manager->SetSkinName("BlackBox");
    manager->SetSkinDirectory(ZZ_SKINS_DIR);
    manager->SetActive(true);
    (new TsTitleBar(&form))->SetShowCaption(true);
    provider = new TsSkinProvider(&form);
  }

  bool started = StartApplication();
  TForm form{nullptr};
  TsSkinProvider* provider = nullptr;
  QImage screen{467, 385, QImage::Format_ARGB32};
};

Window& TheWindow()
{
  static Window window;
  return window;
}

void BM_FullNonClientRepaint(benchmark::State& state)
{
  Window& w = TheWindow();
  if (!w.provider->Skinned()) {
    state.SkipWithError("BlackBox did not load");
    return;
  }
  for (auto _ : state) {
    w.provider->FrameChanged();  // as after an activation change: everything is painted again
    QPainter painter(&w.screen);
    w.provider->PaintNonClient(painter, w.screen.rect());
  }
}
BENCHMARK(BM_FullNonClientRepaint)->Unit(benchmark::kMicrosecond);

void BM_HoverRepaintOfOneButton(benchmark::State& state)
{
  Window& w = TheWindow();
  QPainter painter(&w.screen);
  w.provider->PaintNonClient(painter, w.screen.rect());
  bool hot = false;
  for (auto _ : state) {
    hot = !hot;
    const QRect dirty = w.provider->SetButtonStates(hot ? HTCLOSE : HTNOWHERE, HTNOWHERE);
    w.provider->PaintNonClient(painter, dirty);
  }
}
BENCHMARK(BM_HoverRepaintOfOneButton)->Unit(benchmark::kMicrosecond);

}  // namespace
