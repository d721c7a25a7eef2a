#include "QtPeer.h"

#include <QImage>

#include <algorithm>
#include <cstdlib>
#include <cstring>

TBitmap32 DecodeWithQt(const std::vector<uint8_t>& file, const char* format)
{
  QImage image;
  if (!image.loadFromData(file.data(), int(file.size()), format))
    return {};
  image = image.convertToFormat(QImage::Format_ARGB32);
  TBitmap32 result(image.width(), image.height());
  for (int y = 0; y < image.height(); ++y)
    std::memcpy(result.Scanline(y), image.constScanLine(y), size_t(image.width()) * 4);
  return result;
}

int LargestDifference(const TBitmap32& a, const TBitmap32& b)
{
  if (a.Width != b.Width || a.Height != b.Height)
    return -1;
  int largest = 0;
  for (size_t i = 0; i < a.Pixels.size(); i += 4) {
    const bool invisible = a.Pixels[i + 3] == 0 && b.Pixels[i + 3] == 0;
    for (size_t c = invisible ? 3 : 0; c < 4; ++c)
      largest = std::max(largest, std::abs(int(a.Pixels[i + c]) - int(b.Pixels[i + c])));
  }
  return largest;
}
