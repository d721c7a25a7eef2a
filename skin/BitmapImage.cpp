#include "skin/BitmapImage.h"

#include <cstring>

QImage ToQImage(const TBitmap32& bitmap)
{
  if (bitmap.Empty())
    return QImage();
  QImage image(bitmap.Width, bitmap.Height, bitmap.HasAlpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
  for (int y = 0; y < bitmap.Height; ++y)
    std::memcpy(image.scanLine(y), bitmap.Scanline(y), size_t(bitmap.Width) * 4);
  return image;
}
