// Playing and starting, measured from outside as a user meets them, each beside
// its peer in the same run and in alternating order, so the ratios share the
// machine's noise:
// - BM_Playback: the media library alone (bare_player), the player panel alone
//   (panel_player) and the whole program play the same clip after a typed Space:
//   Play -> Playing event, Space -> first picture on the screen, CPU per second of
//   playing, memory of the process tree while playing, CPU once the play toggle has
//   stopped (paused) it; for the program also its CPU while idle with the
//   advertisement shown.
// - BM_StartUp: exec -> window visible (painted on the screen), a bare Qt Widgets
//   window (bare_window) beside the program and beside the program's ingredients.
// Run it through run.sh, which gives it its own Xvfb and prints the medians.

#include <benchmark/benchmark.h>
#include <X11/keysym.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <thread>

#include "Subject.h"
#include "XScreen.h"

namespace {

namespace fs = std::filesystem;
using std::chrono::milliseconds;
using Clock = std::chrono::steady_clock;

enum class Kind { Bare, Panel, Program };
constexpr int VideoWidth = 465, VideoHeight = 297;

double EnvSeconds(const char* name, double fallback)
{
  const char* value = std::getenv(name);
  return value ? std::atof(value) : fallback;
}

void Sleep(double seconds)
{
  std::this_thread::sleep_for(std::chrono::duration<double>(seconds));
}

// The build tree: bench/ holds the subjects, its top the program and the demo clip.
const fs::path& BuildDir()
{
  static const fs::path dir = std::getenv("ZZ_BUILD_DIR") ? fs::absolute(std::getenv("ZZ_BUILD_DIR"))
                                                          : fs::read_symlink("/proc/self/exe").parent_path().parent_path();
  return dir;
}

std::string Clip()
{
  const char* clip = std::getenv("ZZ_CLIP");
  return fs::absolute(clip ? fs::path(clip) : BuildDir() / "demo.mp4");
}

// A program directory of its own: a copy of the program, the library, the skin, and the clip as station 1.
const fs::path& ProgramDir()
{
  static const fs::path dir = [] {
    char pattern[] = "/tmp/zz-playback-XXXXXX";
    const fs::path made = mkdtemp(pattern);
    fs::copy_file(BuildDir() / "ZadiZAPlayer", made / "ZadiZAPlayer");
    fs::copy_file(BuildDir() / "libzz_webview.so", made / "libzz_webview.so");
    fs::create_symlink(fs::read_symlink(BuildDir() / "libvlc.so.5"), made / "libvlc.so.5");
    fs::create_directory_symlink(fs::canonical(BuildDir() / "Skins"), made / "Skins");
    std::ofstream(made / "tvstations.txt") << Clip() << "\nDemo\nClip\n";
    return made;
  }();
  return dir;
}

std::unique_ptr<Subject> Start(const std::vector<std::string>& argv)
{
  const std::string dir = ProgramDir();
  return std::make_unique<Subject>(argv, dir, std::vector<std::string>{"HOME=" + dir, "XDG_RUNTIME_DIR=" + dir});
}

std::unique_ptr<Subject> StartPlayer(Kind kind)
{
  switch (kind) {
    case Kind::Bare: return Start({BuildDir() / "bench/bare_player", Clip()});
    case Kind::Panel: return Start({BuildDir() / "bench/panel_player", Clip()});
    case Kind::Program: break;
  }
  return Start({ProgramDir() / "ZadiZAPlayer"});
}

template <typename Found>
auto PollFor(Found found, double seconds)
{
  const auto deadline = Clock::now() + std::chrono::duration<double>(seconds);
  for (;;) {
    if (auto value = found(); value || Clock::now() > deadline)
      return value;
    std::this_thread::sleep_for(milliseconds(3));
  }
}

double Ms(long long ns)
{
  return static_cast<double>(ns) / 1e6;
}

struct PlayFigures {
  double spaceToPicture = 0, playToPlaying = 0, playToPicture = 0;
  double cpuPercent = 0, idlePercent = 0, stoppedPercent = 0;
  TreeMemory memory, memoryWithAdvertisement;
  double webEngineMiB = 0;
};

// CPU of the tree over `seconds`, in per cent of one core.
double CpuPercent(const Subject& subject, double seconds)
{
  const double before = subject.CpuSeconds();
  const long long start = MonotonicNs();
  Sleep(seconds);
  return 100.0 * (subject.CpuSeconds() - before) / (static_cast<double>(MonotonicNs() - start) / 1e9);
}

PlayFigures Play(XScreen& screen, Kind kind)
{
  PlayFigures figures;
  auto subject = StartPlayer(kind);
  const auto top = PollFor([&] { return screen.TopLevelOf(subject->Pid()); }, 30);
  const auto area = top ? PollFor([&] { return screen.FindArea(*top, VideoWidth, VideoHeight); }, 10) : std::nullopt;
  if (!area)
    throw std::runtime_error("no video area of " + std::to_string(static_cast<int>(kind)) + " on the screen");
  if (kind == Kind::Program) {
    Sleep(EnvSeconds("ZZ_SETTLE_SECONDS", 3));  // the advertisement loads
    figures.idlePercent = CpuPercent(*subject, EnvSeconds("ZZ_IDLE_SECONDS", 5));
    figures.memoryWithAdvertisement = subject->Memory();
  } else {
    Sleep(1);
  }
  screen.Focus(*top);
  Sleep(0.3);
  const auto before = screen.Rows(*area);
  const long long typed = MonotonicNs();
  screen.Type(XK_space);
  const auto shown = PollFor(
      [&]() -> std::optional<long long> {
        if (NewlyLitShare(before, screen.Rows(*area)) > 0.3)
          return MonotonicNs();
        return std::nullopt;
      },
      10);
  if (!shown)
    throw std::runtime_error("no picture within 10 s, kind " + std::to_string(static_cast<int>(kind)));
  figures.spaceToPicture = Ms(*shown - typed);
  if (kind != Kind::Program) {
    const auto play = subject->WaitFor("play", milliseconds(2000));
    const auto playing = subject->WaitFor("playing", milliseconds(5000));
    if (!play || !playing)
      throw std::runtime_error("the player did not report Play and Playing");
    figures.playToPlaying = Ms(*playing - *play);
    figures.playToPicture = Ms(*shown - *play);
  }
  Sleep(2);
  figures.cpuPercent = CpuPercent(*subject, EnvSeconds("ZZ_PLAY_SECONDS", 8));
  figures.memory = subject->Memory();
  if (kind == Kind::Program)
    figures.webEngineMiB = subject->MappedMiB("WebEngine");
  screen.Type(XK_space);  // the play toggle's stop: a pause, the picture stays
  Sleep(2);
  figures.stoppedPercent = CpuPercent(*subject, EnvSeconds("ZZ_IDLE_SECONDS", 5));
  return figures;
}

// Sets <name>_<subject> for every subject that has the figure, and <name>_<subject>_x beside bare libvlc.
void Counter(benchmark::State& state, const std::string& name, double bare, std::optional<double> panel,
             std::optional<double> program)
{
  state.counters[name + "_bare"] = bare;
  for (const auto& [subject, value] : {std::pair{"panel", panel}, std::pair{"program", program}}) {
    if (!value)
      continue;
    state.counters[name + "_" + subject] = *value;
    state.counters[name + "_" + subject + "_x"] = *value / bare;
  }
}

void Report(benchmark::State& state, const PlayFigures& bare, const PlayFigures& panel, const PlayFigures& program)
{
  Counter(state, "picture_ms", bare.spaceToPicture, panel.spaceToPicture, program.spaceToPicture);
  Counter(state, "play_picture_ms", bare.playToPicture, panel.playToPicture, std::nullopt);
  Counter(state, "playing_ms", bare.playToPlaying, panel.playToPlaying, std::nullopt);
  Counter(state, "cpu_pct", bare.cpuPercent, panel.cpuPercent, program.cpuPercent);
  Counter(state, "rss_mib", bare.memory.rssMiB, panel.memory.rssMiB, program.memory.rssMiB);
  Counter(state, "pss_mib", bare.memory.pssMiB, panel.memory.pssMiB, program.memory.pssMiB);
  Counter(state, "stopped_pct", bare.stoppedPercent, panel.stoppedPercent, program.stoppedPercent);
  auto& c = state.counters;
  c["idle_program_pct"] = program.idlePercent;
  c["processes_program"] = program.memory.processes;
  c["rss_program_with_ad_mib"] = program.memoryWithAdvertisement.rssMiB;
  c["processes_program_with_ad"] = program.memoryWithAdvertisement.processes;
  c["webengine_lib_rss_mib"] = program.webEngineMiB;
}

XScreen& Screen()
{
  static XScreen screen;
  screen.PaintRoot();
  return screen;
}

void BM_Playback(benchmark::State& state)
{
  static int round = 0;
  for (auto _ : state) {
    PlayFigures figures[3];
    try {
      for (int i = 0; i < 3; ++i)
        figures[(i + round) % 3] = Play(Screen(), static_cast<Kind>((i + round) % 3));
    } catch (const std::exception& error) {
      state.SkipWithError(error.what());
      break;
    }
    ++round;
    state.SetIterationTime(figures[2].spaceToPicture / 1000);
    Report(state, figures[0], figures[1], figures[2]);
  }
}
BENCHMARK(BM_Playback)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);

// Milliseconds from exec to a window of the process showing what it paints first.
// A window counts as shown when the share of its pixels that no longer show the
// root reaches 95 % of the share it settles at: parts a subject never paints
// (the program's video area, an empty native window) do not hold it back.
double StartToVisible(const std::vector<std::string>& argv)
{
  XScreen& screen = Screen();
  const long long start = MonotonicNs();
  auto subject = Start(argv);
  std::vector<std::pair<long long, double>> shares;
  const auto settled = PollFor(
      [&]() -> std::optional<long long> {
        const auto top = screen.TopLevelOf(subject->Pid());
        if (!top)
          return std::nullopt;
        shares.emplace_back(MonotonicNs(), screen.PaintedShare(screen.AreaOf(*top)));
        if (MonotonicNs() - shares.front().first > 1500000000LL)
          return shares.back().first;
        return std::nullopt;
      },
      30);
  if (!settled || shares.back().second == 0)
    throw std::runtime_error("no window of " + argv[0] + " within 30 s");
  const double final = shares.back().second;
  for (const auto& [time, share] : shares) {
    if (share >= 0.95 * final)
      return Ms(time - start);
  }
  return Ms(shares.back().first - start);
}

// The program beside a bare window, and beside the bare window with the program's
// ingredients added one by one (the shared OpenGL context, the OpenGL-composed
// window, the web engine's libraries) and beside the player panel alone in a
// window (the media library loaded, its instance and player made, no OpenGL).
// All started in turn, in a rotating order.
void BM_StartUp(benchmark::State& state)
{
  static int round = 0;
  const std::string bare = BuildDir() / "bench/bare_window";
  const std::string webEngine = BuildDir() / "bench/bare_window_webengine";
  const std::vector<std::pair<std::string, std::vector<std::string>>> subjects{
      {"bare", {bare}},
      {"share_gl", {bare, "--share-gl"}},
      {"gl_surface", {bare, "--share-gl", "--gl-surface"}},
      {"web_engine_libs", {webEngine, "--share-gl", "--gl-surface"}},
      {"panel", {BuildDir() / "bench/panel_player", Clip()}},
      {"program", {ProgramDir() / "ZadiZAPlayer"}}};
  for (auto _ : state) {
    std::vector<double> ms(subjects.size());
    try {
      if (round == 0) {  // the first start of each reads its libraries from disk
        for (const auto& subject : subjects)
          StartToVisible(subject.second);
      }
      for (size_t i = 0; i < subjects.size(); ++i) {
        const size_t pick = (i + static_cast<size_t>(round)) % subjects.size();
        ms[pick] = StartToVisible(subjects[pick].second);
      }
      ++round;
    } catch (const std::exception& error) {
      state.SkipWithError(error.what());
      break;
    }
    state.SetIterationTime(ms.back() / 1000);
    for (size_t i = 0; i < subjects.size(); ++i) {
      state.counters["start_" + subjects[i].first + "_ms"] = ms[i];
      state.counters["start_" + subjects[i].first + "_x"] = ms[i] / ms[0];
    }
  }
}
BENCHMARK(BM_StartUp)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace
