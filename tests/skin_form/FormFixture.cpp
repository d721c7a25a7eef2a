#include "FormFixture.h"

#include <QPainter>
#include <cstdlib>

#include "skin/form/TsSkinProvider.h"

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
