// Loading the BlackBox skin through the manager: from the folder and from the
// packed file, as the build places them.
#include "skin/core/SkinEngine.h"
#include "skin/core/SkinManager.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

std::string BuildDir()
{
  const char* dir = std::getenv("ZZ_BUILD_DIR");
  return dir ? dir : std::filesystem::current_path().parent_path().string();
}

void LoadBlackBox(benchmark::State& state, const std::string& directory)
{
  SetSkinMessageHook([](TacMessageKind, const std::string&) {});
  TsSkinManager manager;
  manager.SetActive(false);
  manager.SetSkinDirectory(directory);
  manager.SetSkinName("BlackBox");
  manager.SetActive(true);
  for (auto _ : state) {
    manager.SetSkinName("BlackBox");  // an active manager loads the skin again
    if (!manager.SkinData().InForce) {
      state.SkipWithError("BlackBox did not load");
      break;
    }
    benchmark::DoNotOptimize(manager.Tables().Masks.size());
  }
}

void BM_LoadFolder(benchmark::State& state)
{
  LoadBlackBox(state, BuildDir() + "/Skins");
}

void BM_LoadPacked(benchmark::State& state)
{
  LoadBlackBox(state, BuildDir() + "/packed");
}

}  // namespace

BENCHMARK(BM_LoadFolder)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LoadPacked)->Unit(benchmark::kMicrosecond);
