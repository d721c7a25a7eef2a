// What starting the program costs before the user sees the window: building the
// main window (layout, media library instance, skin, station list, browser host)
// and showing it. Run on a display from a program directory (see CMakeLists.txt).

#include <benchmark/benchmark.h>

#include <QApplication>

#include "app/Main.h"
#include "platform/Application.h"

namespace {

TApplication& Application()
{
  static int argc = 1;
  static char name[] = "window_bench";
  static char* argv[] = {name, nullptr};
  // Never freed: the web engine cannot end from the exit handlers.
  static TApplication* application = [] {
    auto* made = new TApplication(argc, argv);
    made->SetTitle("ZadiZAPlayer");
    return made;
  }();
  return *application;
}

void BM_CreateMainWindow(benchmark::State& state)
{
  Application();
  for (auto _ : state) {
    FormTV = new TFormTV(nullptr);
    benchmark::DoNotOptimize(FormTV->Player);
    state.PauseTiming();
    delete FormTV;
    FormTV = nullptr;
    state.ResumeTiming();
  }
}
BENCHMARK(BM_CreateMainWindow)->Unit(benchmark::kMillisecond);

void BM_CreateAndShowMainWindow(benchmark::State& state)
{
  Application();
  for (auto _ : state) {
    FormTV = new TFormTV(nullptr);
    FormTV->Show();
    QApplication::processEvents();  // the first paint
    state.PauseTiming();
    delete FormTV;
    FormTV = nullptr;
    QApplication::processEvents();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_CreateAndShowMainWindow)->Unit(benchmark::kMillisecond);

}  // namespace
