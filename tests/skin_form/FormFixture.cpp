#include "FormFixture.h"

#include <QPainter>
#include <fstream>
#include <unistd.h>

#include "TestApplication.h"
#include "platform/Colors.h"
#include "skin/SkinControl.h"
#include "skin/core/SkinColors.h"
#include "skin/form/TsSkinProvider.h"

namespace {

const auto* const g_environment = ::testing::AddGlobalTestEnvironment(new TestApplication);

}  // namespace

void FormTest::SetUp()
{
  SetSystemColorResolver(&ColorToRGB);
  StartSkinWindows();
  dir_ = std::filesystem::temp_directory_path() / ("zz_skin_form_" + std::to_string(getpid()));
  std::filesystem::create_directories(dir_);
  form_ = std::make_unique<TForm>(nullptr);
  form_->SetBounds(0, 0, 467, 385);
}

void FormTest::TearDown()
{
  form_.reset();
  std::filesystem::remove_all(dir_);
}

void FormTest::WriteSkin(const std::string& name, const std::string& sections)
{
  std::filesystem::create_directories(dir_ / name);
  std::ofstream(dir_ / name / "Options.dat") << "[GLOBALINFO]\nVERSION=8.10\nCOLOR=0\nBIRIGHT=2\nBISPACE=1\n"
                                             << sections;
}

TsSkinManager* FormTest::ActivateSkin(const std::string& name, const std::string& directory)
{
  auto* manager = new TsSkinManager(form_.get());
  manager->SetActive(false);
  manager->SetSkinName(name);
  manager->SetSkinDirectory(directory.empty() ? dir_.string() + "/" : directory);
  manager->SetActive(true);
  return manager;
}

TsSkinManager* FormTest::ActivateBlackBox()
{
  return ActivateSkin("BlackBox", std::string(std::getenv("ZZ_BUILD_DIR")) + "/Skins/");
}

QImage FormTest::Paint(TsSkinProvider& provider) const
{
  QImage image(form_->Width(), form_->Height(), QImage::Format_ARGB32);
  image.fill(Qt::magenta);
  QPainter painter(&image);
  provider.PaintNonClient(painter, image.rect());
  return image;
}

unsigned PixelAt(const QImage& image, int x, int y)
{
  return image.pixel(x, y) & 0xFFFFFF;
}
