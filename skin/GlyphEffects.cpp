#include "skin/GlyphEffects.h"

#include <QPainter>
#include <algorithm>

#include "skin/paint/FaceImage.h"

namespace {

int Luminance(int red, int green, int blue)
{
  return (299 * red + 587 * green + 114 * blue + 500) / 1000;
}

QImage Argb(const QImage& glyph)
{
  return glyph.convertToFormat(QImage::Format_ARGB32);
}

}  // namespace

QImage GrayedGlyph(const QImage& glyph)
{
  QImage grey = Argb(glyph);
  for (int y = 0; y < grey.height(); ++y) {
    auto* row = reinterpret_cast<QRgb*>(grey.scanLine(y));
    for (int x = 0; x < grey.width(); ++x) {
      const int l = Luminance(qRed(row[x]), qGreen(row[x]), qBlue(row[x]));
      row[x] = qRgba(l, l, l, qAlpha(row[x]));
    }
  }
  return grey;
}

QImage BlendedGlyph(const QImage& glyph, int percent)
{
  const int keep = 100 - std::clamp(percent, 0, 100);
  QImage blended = Argb(glyph);
  for (int y = 0; y < blended.height(); ++y) {
    auto* row = reinterpret_cast<QRgb*>(blended.scanLine(y));
    for (int x = 0; x < blended.width(); ++x)
      row[x] = qRgba(qRed(row[x]), qGreen(row[x]), qBlue(row[x]), qAlpha(row[x]) * keep / 100);
  }
  return blended;
}

void DrawGlyph(TBitmap32& face, const QImage& glyph, int x, int y, bool reflected)
{
  if (glyph.isNull() || face.Empty())
    return;
  QImage target = FaceImage(face, QImage::Format_ARGB32);
  QPainter painter(&target);
  painter.drawImage(x, y, glyph);
  if (!reflected)
    return;
  const int half = glyph.height() / 2;
  QImage mirror = Argb(glyph.copy(0, glyph.height() - half, glyph.width(), half).mirrored(false, true));
  for (int row = 0; row < mirror.height(); ++row) {
    auto* line = reinterpret_cast<QRgb*>(mirror.scanLine(row));
    const int fade = 30 * (mirror.height() - row) / std::max(mirror.height(), 1);
    for (int col = 0; col < mirror.width(); ++col)
      line[col] = qRgba(qRed(line[col]), qGreen(line[col]), qBlue(line[col]), qAlpha(line[col]) * fade / 100);
  }
  painter.drawImage(x, y + glyph.height(), mirror);
}

void GrayFace(TBitmap32& face)
{
  for (size_t i = 0; i + 3 < face.Pixels.size(); i += 4) {
    uint8_t* p = &face.Pixels[i];
    const uint8_t l = uint8_t(Luminance(p[2], p[1], p[0]));
    p[0] = p[1] = p[2] = l;
  }
}
