#include "ControlsFixture.h"

#include <fstream>
#include <unistd.h>

#include "TestApplication.h"
#include "platform/Colors.h"
#include "skin/SkinControl.h"
#include "skin/core/SkinColors.h"

namespace {

const auto* const g_environment = ::testing::AddGlobalTestEnvironment(new TestApplication);

}  // namespace

void ControlsTest::SetUp()
{
  SetSystemColorResolver(&ColorToRGB);
  StartSkinWindows();
  dir_ = std::filesystem::temp_directory_path() / ("zz_skin_controls_" + std::to_string(getpid()));
  std::filesystem::create_directories(dir_);
  form_ = std::make_unique<TForm>(nullptr);
  form_->SetBounds(0, 0, 300, 200);
}

void ControlsTest::TearDown()
{
  form_.reset();
  std::filesystem::remove_all(dir_);
}

void ControlsTest::WriteSkin(const std::string& name, const std::string& sections)
{
  std::filesystem::create_directories(dir_ / name);
  std::ofstream(dir_ / name / "Options.dat") << "[GLOBALINFO]\nVERSION=8.10\nCOLOR=0\n" << sections;
}

TsSkinManager* ControlsTest::ActivateSkin(const std::string& name)
{
  auto* manager = new TsSkinManager(form_.get());
  manager->SetActive(false);
  manager->SetSkinName(name);
  manager->SetSkinDirectory(dir_.string() + "/");
  manager->SetActive(true);
  return manager;
}
