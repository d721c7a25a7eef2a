#include "skin/paint/PaintColors.h"

#include <algorithm>
#include <cmath>

#include "skin/core/SkinColors.h"

namespace {

uint8_t Channel(int color, int shift)
{
  return uint8_t((uint32_t(color) >> shift) & 0xFF);
}

}  // namespace

int Mix(int a, int b, double p)
{
  p = std::clamp(p, 0.0, 1.0);
  a = ResolveSkinColor(a);
  b = ResolveSkinColor(b);
  int result = 0;
  for (int shift = 0; shift <= 16; shift += 8) {
    const long channel = std::lround(p * Channel(a, shift) + (1 - p) * Channel(b, shift));
    result |= int(std::clamp(channel, 0L, 255L)) << shift;
  }
  return result;
}

void ColorToBgra(int color, uint8_t* pixel)
{
  color = ResolveSkinColor(color);
  pixel[0] = Channel(color, 16);
  pixel[1] = Channel(color, 8);
  pixel[2] = Channel(color, 0);
  pixel[3] = 255;
}

int BgraToColor(const uint8_t* pixel)
{
  return pixel[0] << 16 | pixel[1] << 8 | pixel[2];
}

TPixelRect ClipRect(const TBitmap32& bitmap, const TPixelRect& rect)
{
  const int left = std::clamp(rect.Left, 0, std::max(bitmap.Width, 0));
  const int top = std::clamp(rect.Top, 0, std::max(bitmap.Height, 0));
  const int right = std::clamp(rect.Left + std::max(rect.Width, 0), left, std::max(bitmap.Width, 0));
  const int bottom = std::clamp(rect.Top + std::max(rect.Height, 0), top, std::max(bitmap.Height, 0));
  return {left, top, right - left, bottom - top};
}

void FillColor(TBitmap32& target, const TPixelRect& rect, int color)
{
  const TPixelRect area = ClipRect(target, rect);
  uint8_t pixel[4];
  ColorToBgra(color, pixel);
  for (int y = area.Top; y < area.Top + area.Height; ++y) {
    uint8_t* row = target.Scanline(y) + size_t(area.Left) * 4;
    for (int x = 0; x < area.Width; ++x)
      std::copy(pixel, pixel + 4, row + size_t(x) * 4);
  }
}

void BlendOver(TBitmap32& target, const TPixelRect& rect, const TBitmap32& own, int t)
{
  t = std::clamp(t, 0, 255);
  const TPixelRect area = ClipRect(target, rect);
  for (int y = area.Top; y < area.Top + area.Height; ++y) {
    const int sy = y - rect.Top;
    if (sy >= own.Height)
      break;
    uint8_t* row = target.Scanline(y);
    const uint8_t* source = own.Scanline(sy);
    for (int x = area.Left; x < area.Left + area.Width; ++x) {
      const int sx = x - rect.Left;
      if (sx >= own.Width)
        break;
      for (int c = 0; c < 3; ++c) {
        const int o = source[sx * 4 + c];
        row[x * 4 + c] = uint8_t((t * (row[x * 4 + c] - o) + o * 256) / 256);
      }
      row[x * 4 + 3] = 255;
    }
  }
}

void MixColorInto(TBitmap32& target, const TPixelRect& rect, int color, int share)
{
  const double s = std::clamp(share, 0, 100) / 100.0;
  uint8_t pixel[4];
  ColorToBgra(color, pixel);
  const TPixelRect area = ClipRect(target, rect);
  for (int y = area.Top; y < area.Top + area.Height; ++y) {
    uint8_t* row = target.Scanline(y) + size_t(area.Left) * 4;
    for (int x = 0; x < area.Width * 4; x += 4)
      for (int c = 0; c < 3; ++c)
        row[x + c] = uint8_t(std::lround(s * row[x + c] + (1 - s) * pixel[c]));
  }
}

void CopyRect(TBitmap32& target, const TPixelRect& rect, const TBitmap32& source, int sourceLeft, int sourceTop)
{
  const TPixelRect area = ClipRect(target, rect);
  for (int y = area.Top; y < area.Top + area.Height; ++y) {
    const int sy = sourceTop + y - rect.Top;
    if (sy < 0 || sy >= source.Height)
      continue;
    const int first = std::max(area.Left, rect.Left - sourceLeft);
    const int last = std::min(area.Left + area.Width, rect.Left - sourceLeft + source.Width);
    if (first < last)
      std::copy_n(source.Scanline(sy) + size_t(sourceLeft + first - rect.Left) * 4, size_t(last - first) * 4,
                  target.Scanline(y) + size_t(first) * 4);
  }
}

void CrossFade(TBitmap32& target, const TBitmap32& source, int weight)
{
  if (target.Width != source.Width || target.Height != source.Height)
    return;
  weight = std::clamp(weight, 0, 255);
  for (size_t i = 0; i < target.Pixels.size(); ++i)
    target.Pixels[i] = uint8_t((source.Pixels[i] * weight + target.Pixels[i] * (255 - weight) + 127) / 255);
}
