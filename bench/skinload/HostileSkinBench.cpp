// Loading hostile options files: a PARENTCLASS chain of 800 sections, 40,000
// keys in one section, and one large picture named by 16 keys. Each reports the
// process's peak resident memory; run one at a time (--benchmark_filter) for a
// peak of its own.
#include "skin/core/PictureLoader.h"
#include "skin/core/SkinIni.h"
#include "skin/core/SkinLoader.h"
#include "skin/core/SkinSource.h"

#include <QImage>
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <sys/resource.h>
#include <unistd.h>

namespace {

void LoadOptions(benchmark::State& state, const std::string& text, const std::string& folder = "")
{
  const TacFolderSource pictures(folder);
  for (auto _ : state) {
    const TacSkinIni ini(text);
    TacLoadedSkin skin = TacSkinLoader(ini, pictures, pictures, LoadPicture).Load();
    benchmark::DoNotOptimize(skin.Tables.Sections.data());
  }
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  state.counters["peak_MiB"] = static_cast<double>(usage.ru_maxrss) / 1024;
}

void BM_ChainOf800Sections(benchmark::State& state)
{
  std::string text = "[GLOBALINFO]\nVERSION=8\n[S0]\nCOLOR=77\n";
  for (int i = 1; i < 800; ++i)
    text += "[S" + std::to_string(i) + "]\nPARENTCLASS=S" + std::to_string(i - 1) + "\n";
  LoadOptions(state, text);
}

void BM_FortyThousandKeysInOneSection(benchmark::State& state)
{
  std::string text = "[GLOBALINFO]\nVERSION=8\n[PANEL]\n";
  for (int i = 0; i < 40000; ++i)
    text += "K" + std::to_string(i) + "=1\n";
  LoadOptions(state, text);
}

// A 4096 x 4096 PNG of one colour (a few dozen KB) named by 16 picture-file keys.
void BM_OneLargePictureNamedSixteenTimes(benchmark::State& state)
{
  const std::filesystem::path folder =
      std::filesystem::temp_directory_path() / ("zz_bench_picture_" + std::to_string(getpid()));
  std::filesystem::create_directories(folder);
  QImage picture(4096, 4096, QImage::Format_RGB32);
  picture.fill(Qt::darkCyan);
  picture.save(QString::fromStdString((folder / "big.png").string()));
  std::string text = "[GLOBALINFO]\nVERSION=8\n[PANEL]\n";
  for (int i = 0; i < 16; ++i)
    text += "K" + std::to_string(i) + "=!big.png\n";
  LoadOptions(state, text, folder.string() + "/");
  std::filesystem::remove_all(folder);
}

}  // namespace

BENCHMARK(BM_ChainOf800Sections)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FortyThousandKeysInOneSection)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OneLargePictureNamedSixteenTimes)->Unit(benchmark::kMillisecond);
