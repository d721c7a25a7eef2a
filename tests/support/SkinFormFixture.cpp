#include "SkinFormFixture.h"

#include <fstream>
#include <unistd.h>

#include "TestApplication.h"
#include "platform/Colors.h"
#include "skin/SkinControl.h"
#include "skin/core/SkinColors.h"

namespace {

const auto* const g_environment = ::testing::AddGlobalTestEnvironment(new TestApplication);

}  // namespace

SkinFormTest::SkinFormTest(int width, int height, std::string globalInfo)
    : width_(width), height_(height), globalInfo_(std::move(globalInfo))
{
}

void SkinFormTest::SetUp()
{
  SetSystemColorResolver(&ColorToRGB);
  StartSkinWindows();
  const std::string test = ::testing::UnitTest::GetInstance()->current_test_info()->test_suite_name();
  dir_ = std::filesystem::temp_directory_path() / ("zz_" + test + "_" + std::to_string(getpid()));
  std::filesystem::create_directories(dir_);
  form_ = std::make_unique<TForm>(nullptr);
  form_->SetBounds(0, 0, width_, height_);
}

void SkinFormTest::TearDown()
{
  form_.reset();
  std::filesystem::remove_all(dir_);
}

void SkinFormTest::WriteSkin(const std::string& name, const std::string& sections)
{
  std::filesystem::create_directories(dir_ / name);
  std::ofstream(dir_ / name / "Options.dat") << "[GLOBALINFO]\nVERSION=8.10\nCOLOR=0\n" << globalInfo_ << sections;
}

TsSkinManager* SkinFormTest::ActivateSkin(const std::string& name, const std::string& directory)
{
  auto* manager = new TsSkinManager(form_.get());
  manager->SetActive(false);
  manager->SetSkinName(name);
  manager->SetSkinDirectory(directory.empty() ? dir_.string() + "/" : directory);
  manager->SetActive(true);
  return manager;
}
