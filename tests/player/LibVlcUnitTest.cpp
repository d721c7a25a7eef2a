// The binding's load rules, one test per library variant (each in its own program directory).

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <memory>
#include <utility>
#include <vector>

#include <sys/stat.h>
#include <unistd.h>

#include "PlayerTestSupport.h"
#include "platform/Application.h"
#include "player/LibVlcPlayerUnit.h"
#include "player/LibVlcUnit.h"

namespace {

// The table's table in resolution order, with their names.
std::vector<std::pair<std::string, bool>> SlotsFilled()
{
  std::vector<std::pair<std::string, bool>> table;
#define ZZ_SLOT_STATE(name, use) table.emplace_back(#name, LibVlc.name != nullptr);
  ZZ_LIBVLC_ENTRY_POINTS(ZZ_SLOT_STATE)
#undef ZZ_SLOT_STATE
  return table;
}

// Slots before `missing` are filled, it and every later one are empty.
void ExpectStoppedAt(const std::string& missing)
{
  bool reached = false;
  for (const auto& [name, filled] : SlotsFilled()) {
    reached = reached || name == missing;
    EXPECT_EQ(filled, !reached) << name;
  }
  EXPECT_TRUE(reached) << missing << " is not in the table";
}

// Loads in a library lacking `missing`; the load is never retried.
void CheckLoadStopsAt(const std::string& missing)
{
  const std::string before = CurrentDirectory();
  LoadLibVlc();
  EXPECT_EQ(CurrentDirectory(), before);
  EXPECT_NE(LibVlcHandle, nullptr);
  EXPECT_EQ(LibVlcLoadError, "Procedure \"" + missing + "\" not found!");
  ExpectStoppedAt(missing);

  // A retry would clear the text and resolve again.
  LibVlcLoadError = "kept";
  LoadLibVlc();
  EXPECT_EQ(LibVlcLoadError, "kept");
  ExpectStoppedAt(missing);
  LibVlcLoadError = "Procedure \"" + missing + "\" not found!";

  // The panel treats the gap as a missing library and calls nothing.
  EnsureApplication();
  Fake().Reset();
  auto panel = std::make_unique<TLibVlcPlayer>(nullptr);
  EXPECT_EQ(panel->Caption(), "libvlc_dynamic_dll_error");
  EXPECT_EQ(panel->LastError(), "");
  panel.reset();
  EXPECT_TRUE(Fake().Calls().empty());
}

}  // namespace

TEST(LibVlcUnitFull, LoadsEveryNameFromTheProgramDirectory)
{
  REQUIRE_VARIANT("full");
  const std::string programDirectory = ExtractFilePath(ExeName());
  const std::string before = CurrentDirectory();
  ASSERT_NE(before, programDirectory) << "run from another directory, or the check below cannot fail";
  LoadLibVlc();
  EXPECT_EQ(CurrentDirectory(), before);
  EXPECT_EQ(Fake().LoadDirectory(), programDirectory);
  EXPECT_EQ(LibVlcDirectory, programDirectory);
  EXPECT_EQ(LibVlcLoadError, "");
  const auto table = SlotsFilled();
  EXPECT_EQ(table.size(), 218u);
  for (const auto& [name, filled] : table)
    EXPECT_TRUE(filled) << name;

  void* const handle = LibVlcHandle;
  LoadLibVlc();
  EXPECT_EQ(LibVlcHandle, handle);
  EXPECT_EQ(LibVlcLoadError, "");
}

// The working directory from before the load comes back even when it was deleted meanwhile.
TEST(LibVlcUnitGoneCwd, RestoresADeletedWorkingDirectory)
{
  REQUIRE_VARIANT("gonecwd");
  const std::filesystem::path gone = std::filesystem::temp_directory_path() / ("zz_gone_" + std::to_string(getpid()));
  std::filesystem::create_directory(gone);
  std::filesystem::current_path(gone);
  struct stat before {};
  ASSERT_EQ(stat(".", &before), 0);
  std::filesystem::remove(gone);
  LoadLibVlc();
  EXPECT_EQ(LibVlcLoadError, "");
  EXPECT_EQ(Fake().LoadDirectory(), ExtractFilePath(ExeName()));
  struct stat after {};
  ASSERT_EQ(stat(".", &after), 0);
  EXPECT_EQ(after.st_ino, before.st_ino);
  EXPECT_EQ(after.st_dev, before.st_dev);
  EXPECT_EQ(after.st_nlink, 0u);  // still the deleted one
}

// Run with /proc hidden: the library comes from beside the program as started,
// never from the system's search path (where the real libvlc.so.5 is installed).
TEST(LibVlcUnitNoProc, LoadsBesideTheFirstArgument)
{
  REQUIRE_VARIANT("noproc");
  ASSERT_EQ(ExeName(), "");
  const std::string programDirectory = std::filesystem::path(program_invocation_name).parent_path().string() + "/";
  LoadLibVlc();
  EXPECT_EQ(LibVlcLoadError, "");
  EXPECT_EQ(LibVlcDirectory, programDirectory);
  EXPECT_EQ(Fake().LoadDirectory(), programDirectory);
}

TEST(LibVlcUnitNoErrmsg, StopsAtTheFirstNameWithEverySlotEmpty)
{
  REQUIRE_VARIANT("noerrmsg");
  CheckLoadStopsAt("libvlc_errmsg");
  for (const auto& [name, filled] : SlotsFilled())
    EXPECT_FALSE(filled) << name;
}

TEST(LibVlcUnitNoRate, ReportsTheFirstOfTwoMissingNames)
{
  REQUIRE_VARIANT("norate");
  CheckLoadStopsAt("libvlc_media_player_set_rate");
}

TEST(LibVlcUnitNoMiddle, KeepsTheSlotsBeforeTheGap)
{
  REQUIRE_VARIANT("nomiddle");
  CheckLoadStopsAt("libvlc_audio_output_set");
}

// Without the file: the errno text, every slot empty, and a retry once the file is there.
TEST(LibVlcUnitNoFile, ReportsTheMissingFileAndRetries)
{
  REQUIRE_VARIANT("nofile");
  EnsureApplication();
  const std::string programDirectory = ExtractFilePath(ExeName());
  const std::string library = programDirectory + "libvlc.so.5";
  std::filesystem::remove(library);
  const std::string before = CurrentDirectory();

  LoadLibVlc();
  EXPECT_EQ(CurrentDirectory(), before);
  EXPECT_EQ(LibVlcHandle, nullptr);
  EXPECT_EQ(LibVlcDirectory, programDirectory);
  EXPECT_EQ(LibVlcLoadError, "Library not found libvlc.so.5, GetLastError() = 2");
  for (const auto& [name, filled] : SlotsFilled())
    EXPECT_FALSE(filled) << name;

  // Every operation of a panel without library does nothing (an empty slot would crash).
  auto orphan = std::make_unique<TLibVlcPlayer>(nullptr);
  EXPECT_EQ(orphan->Caption(), "libvlc_dynamic_dll_error");
  EXPECT_EQ(orphan->LastError(), "");
  EXPECT_EQ(orphan->GetState(), 0);
  orphan->Play("http://127.0.0.1/none");
  orphan->Pause();
  orphan->SetVideoAspectRatio("16:9");
  orphan->SetAudioMute(true);
  orphan->SetAudioVolume(100);

  // A file that is there but no library: a new attempt, a new text.
  std::ofstream(library) << "not a library";
  LoadLibVlc();
  EXPECT_EQ(LibVlcHandle, nullptr);
  EXPECT_EQ(LibVlcLoadError, "Library not found libvlc.so.5, GetLastError() = 8");
  std::filesystem::remove(library);

  std::filesystem::copy_file(FAKEVLC_FULL, library);
  LoadLibVlc();
  std::filesystem::remove(library);  // the loaded library stays mapped
  EXPECT_EQ(CurrentDirectory(), before);
  EXPECT_NE(LibVlcHandle, nullptr);
  EXPECT_EQ(LibVlcLoadError, "");
  EXPECT_EQ(Fake().LoadDirectory(), programDirectory);

  // A panel now creates the instance; the panel from before holds none and releases none.
  Fake().Reset();
  auto panel = std::make_unique<TLibVlcPlayer>(nullptr);
  EXPECT_EQ(panel->Caption(), "3.0.0 Fake");
  orphan.reset();
  panel.reset();
  const auto calls = Fake().Calls();
  EXPECT_EQ(std::count(calls.begin(), calls.end(), "libvlc_release(instance)"), 1);
}
