#include "WindowFixture.h"

#include <QCoreApplication>
#include <dlfcn.h>
#include <filesystem>
#include <fstream>

#include "TestApplication.h"
#include "platform/Application.h"
#include "player/LibVlcUnit.h"

namespace {

const auto* const g_environment = ::testing::AddGlobalTestEnvironment(new TestApplication);

// The window-level state as a fresh program has it; the watchdog's event count is never reset.
void ResetUnitState()
{
  ProgramDir.clear();
  Stations.clear();
  CurrentStation = 0;
  Volume = 0;
  StallWatch = 0;
  Muted = false;
  AspectNext169 = false;
  AdPanelShown = false;
}

}  // namespace

void WindowTest::CreateWindow(const char* stations)
{
  ResetUnitState();
  TApplication::SetErrorBoxHook([this](const std::string& title, const std::string& text) {
    errors_.push_back(title + ": " + text);
  });
  const std::string path = ExtractFilePath(ExeName()) + "tvstations.txt";
  if (stations)
    std::ofstream(path, std::ios::binary) << stations;
  else
    std::filesystem::remove(path);
  FormTV = new TFormTV(nullptr);
}

void WindowTest::TearDown()
{
  delete FormTV;
  FormTV = nullptr;
  ProcessEvents();
  TApplication::SetErrorBoxHook(nullptr);
}

void WindowTest::ProcessEvents()
{
  QCoreApplication::processEvents();
}

FakeVlcControl& WindowTest::Fake()
{
  using Control = FakeVlcControl* (*)();
  auto control = reinterpret_cast<Control>(dlsym(LibVlcHandle, "fakevlc_control"));
  if (!control)
    throw std::runtime_error("the player did not load the fake media library");
  return *control();
}

std::vector<std::string> WindowTest::CallsOf(const std::string& prefix)
{
  std::vector<std::string> matching;
  for (const std::string& call : Fake().Calls())
    if (call.rfind(prefix, 0) == 0)
      matching.push_back(call);
  return matching;
}

void WindowTest::Raise(int type)
{
  libvlc_event_t event{};
  event.type = type;
  Fake().Raise(event);
}
