#include "skin/paint/BitmapRotation.h"

#include <cstring>
#include <utility>

namespace {

// `source` maps a target pixel (x, y) to the source pixel it takes.
template <class Source>
TBitmap32 Turned(const TBitmap32& picture, Source source)
{
  TBitmap32 result(picture.Height, picture.Width);
  result.HasAlpha = picture.HasAlpha;
  for (int y = 0; y < result.Height; ++y) {
    uint8_t* to = result.Scanline(y);
    for (int x = 0; x < result.Width; ++x, to += 4) {
      const auto [sx, sy] = source(x, y);
      std::memcpy(to, picture.Scanline(sy) + size_t(sx) * 4, 4);
    }
  }
  return result;
}

}  // namespace

TBitmap32 RotateClockwise(const TBitmap32& picture)
{
  const int h = picture.Height;
  return Turned(picture, [h](int x, int y) { return std::pair{y, h - 1 - x}; });
}

TBitmap32 RotateCounterClockwise(const TBitmap32& picture)
{
  const int w = picture.Width;
  return Turned(picture, [w](int x, int y) { return std::pair{w - 1 - y, x}; });
}
