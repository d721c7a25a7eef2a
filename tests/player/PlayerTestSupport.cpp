#include "PlayerTestSupport.h"

#include <dlfcn.h>

#include <filesystem>

#include "platform/Application.h"
#include "player/LibVlcUnit.h"

std::string ProgramVariant()
{
  // Only the variant run with /proc hidden cannot read its own path.
  const std::string directory = ExtractFilePath(ExeName());
  return directory.empty() ? "noproc" : std::filesystem::path(directory).parent_path().filename().string();
}

void EnsureApplication()
{
  static int argc = 1;
  static char name[] = "player_tests";
  static char* argv[] = {name, nullptr};
  // Never destroyed: Qt's own statics may already be gone at exit.
  static TApplication* application = new TApplication(argc, argv);
  static_cast<void>(application);
}

FakeVlcControl& Fake()
{
  LoadLibVlc();
  auto control = reinterpret_cast<FakeVlcControl* (*)()>(dlsym(LibVlcHandle, "fakevlc_control"));
  if (!control)
    throw std::runtime_error("the loaded libvlc.so.5 is not the fake one");
  return *control();
}

libvlc_event_t MakeEvent(int type)
{
  libvlc_event_t event{};
  event.type = type;
  return event;
}

std::string CurrentDirectory()
{
  return std::filesystem::current_path().string() + "/";
}
