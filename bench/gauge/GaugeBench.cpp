// The volume gauge's glow under BlackBox: 9 x 53, vertical, volume 30, on a
// skinned panel of a shown form. One repaint is the rebuild of the face (the
// gauge section's face, the filled strip from its cache, the glow, the turn back)
// and its copy to the widget; a tick is what the 22 ms timer does.
#include <QApplication>
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "platform/Application.h"
#include "platform/Form.h"
#include "skin/SkinEngineSetup.h"
#include "skin/TsGauge.h"
#include "skin/TsPanel.h"
#include "skin/core/SkinManager.h"

namespace {

std::string BuildDir()
{
  const char* dir = std::getenv("ZZ_BUILD_DIR");
  return dir ? dir : std::filesystem::current_path().parent_path().string();
}

// Never freed: made once for the whole run.
bool StartApplication()
{
  static int argc = 1;
  static char name[] = "gauge_bench";
  static char* argv[] = {name, nullptr};
  static TApplication* application = [] {
    auto* made = new TApplication(argc, argv);
    StartSkinEngine(argc, argv);
    return made;
  }();
  return application != nullptr;
}

struct GaugeWindow {
  bool started = StartApplication();
  TForm form{nullptr};
  TsPanel* panel = new TsPanel(&form);
  TsGauge* gauge = new TsGauge(&form);

  GaugeWindow()
  {
    form.SetBounds(0, 0, 461, 68);
    panel->SetBounds(0, 0, 461, 68);
    panel->SetParent(&form);
    gauge->SetBounds(160, 4, 9, 53);
    gauge->SetParent(panel);
    gauge->SetKind(TsGaugeKind::gkVerticalBar);
    gauge->SetShowText(false);
    gauge->SetProgress(30);
    auto* manager = new TsSkinManager(&form);
    manager->SetActive(false);
    manager->SetSkinName("BlackBox");
    manager->SetSkinDirectory(BuildDir() + "/Skins/");
    manager->SetActive(true);
    form.Show();
    QApplication::processEvents();
  }
};

void BM_GlowRepaint(benchmark::State& state)
{
  GaugeWindow window;
  if (!window.gauge->SkinData.Skinned()) {
    state.SkipWithError("BlackBox did not load");
    return;
  }
  for (auto _ : state)
    window.gauge->Repaint();
}
BENCHMARK(BM_GlowRepaint);

// Ticks through whole sweeps: the average over the band's passes and the rests.
void BM_GlowTick(benchmark::State& state)
{
  GaugeWindow window;
  for (auto _ : state)
    window.gauge->GlowTick();
}
BENCHMARK(BM_GlowTick);

}  // namespace
