#include "skin/GlowResource.h"

#include <QFile>

#include "skin/core/PngGraphic.h"

namespace {

TBitmap32 LoadGlow()
{
  QFile file(QStringLiteral(":/skin/ACGL"));
  if (!file.open(QIODevice::ReadOnly))
    return TBitmap32();
  const QByteArray data = file.readAll();
  TPNGGraphic picture;
  try {
    picture.LoadFromPng(reinterpret_cast<const uint8_t*>(data.constData()), size_t(data.size()));
  } catch (const std::exception&) {
    return TBitmap32();
  }
  return picture.Bitmap();
}

}  // namespace

// Outside any namespace, as the resource system asks; a static library keeps the
// resource only when something calls this.
static void InitGlowResource()
{
  Q_INIT_RESOURCE(gauge);
}

const TBitmap32& GlowResource()
{
  static const TBitmap32 glow = [] {
    InitGlowResource();
    return LoadGlow();
  }();
  return glow;
}
