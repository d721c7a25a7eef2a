// The skinned controls of the window's control strip: both panels (the video
// cover and the strip) and the three buttons, painted from BlackBox with their
// caches cold and warm; one hover repaint of a button; one fade step.
#include <benchmark/benchmark.h>

#include <QImage>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "platform/Application.h"
#include "platform/Form.h"
#include "skin/SkinEngineSetup.h"
#include "skin/TsBitBtn.h"
#include "skin/TsPanel.h"
#include "skin/core/SkinEngine.h"
#include "skin/core/SkinManager.h"
#include "skin/paint/PaintColors.h"

namespace {

std::string BuildDir()
{
  const char* dir = std::getenv("ZZ_BUILD_DIR");
  return dir ? dir : std::filesystem::current_path().parent_path().string();
}

// The main window's skinned controls at their designed places.
struct Strip {
  Strip()
  {
    form.SetBounds(0, 0, 467, 385);
    cover = Place(new TsPanel(&form), 0, 0, 461, 297, &form);
    panel = Place(new TsPanel(&form), 0, 296, 461, 68, &form);
    play = Place(new TsBitBtn(&form), 352, 8, 49, 49, panel);
    play->SetCaption(">");
    full = Place(new TsBitBtn(&form), 404, 8, 49, 49, panel);
    full->SetGlyph(Glyph(24));
    mute = Place(new TsBitBtn(&form), 172, 28, 29, 29, panel);
    mute->SetGlyph(Glyph(16));
    manager = new TsSkinManager(&form);
    manager->SetActive(false);
    manager->SetSkinName("BlackBox");
    manager->SetSkinDirectory(BuildDir() + "/Skins/");
    manager->SetActive(true);
    form.Show();
    TApplication::Instance()->ProcessMessages();
  }

  template <class Control>
  static Control* Place(Control* control, int left, int top, int width, int height, TWinControl* parent)
  {
    control->SetBounds(left, top, width, height);
    control->SetParent(parent);
    return control;
  }

  static QImage Glyph(int size)
  {
    QImage glyph(size, size, QImage::Format_ARGB32);
    glyph.fill(QColor(220, 220, 220, 200));
    return glyph;
  }

  void PaintAll(bool cold)
  {
    for (TsPanel* p : {cover, panel}) {
      if (cold)
        p->SkinData.Invalidate();
      p->Repaint();
    }
    for (TsBitBtn* b : {play, full, mute}) {
      if (cold)
        b->SkinData.Invalidate();
      b->Repaint();
    }
  }

  TForm form{nullptr};
  TsPanel* cover = nullptr;
  TsPanel* panel = nullptr;
  TsBitBtn *play = nullptr, *full = nullptr, *mute = nullptr;
  TsSkinManager* manager = nullptr;
};

std::unique_ptr<TApplication> app;
std::unique_ptr<Strip> strip;

Strip& TheStrip()
{
  if (!strip) {
    static int argc = 1;
    static char name[] = "skinpaint_bench";
    static char* argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    app = std::make_unique<TApplication>(argc, argv);
    SetSkinMessageHook([](TacMessageKind, const std::string&) {});
    StartSkinEngine(argc, argv);
    strip = std::make_unique<Strip>();
  }
  return *strip;
}

bool Skinned(benchmark::State& state, Strip& s)
{
  if (s.play->SkinData.Skinned() && s.panel->SkinData.Skinned())
    return true;
  state.SkipWithError("BlackBox did not load");
  return false;
}

void BM_StripCold(benchmark::State& state)
{
  Strip& s = TheStrip();
  if (!Skinned(state, s))
    return;
  for (auto _ : state)
    s.PaintAll(true);
}

void BM_StripWarm(benchmark::State& state)
{
  Strip& s = TheStrip();
  if (!Skinned(state, s))
    return;
  s.PaintAll(true);
  for (auto _ : state)
    s.PaintAll(false);
}

// The face of a new state built and shown: what a hover does without fading.
void BM_HoverRepaint(benchmark::State& state)
{
  Strip& s = TheStrip();
  if (!Skinned(state, s))
    return;
  for (auto _ : state) {
    s.play->SkinData.Invalidate();
    s.play->Repaint();
  }
}

// One step of a running fade: the blend of two faces and the repaint of the frame.
void BM_FadeStep(benchmark::State& state)
{
  Strip& s = TheStrip();
  if (!Skinned(state, s))
    return;
  s.play->Repaint();
  const TBitmap32 from = s.play->SkinData.FCacheBmp;
  TBitmap32 frame = from;
  int weight = 0;
  for (auto _ : state) {
    frame = from;
    CrossFade(frame, s.play->SkinData.FCacheBmp, weight = (weight + 51) % 256);
    s.play->Repaint();
    benchmark::DoNotOptimize(frame.Pixels.data());
  }
}

}  // namespace

BENCHMARK(BM_StripCold)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_StripWarm)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_HoverRepaint)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FadeStep)->Unit(benchmark::kMicrosecond);
