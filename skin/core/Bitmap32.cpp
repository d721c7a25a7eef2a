// Pixel blending and drawing of 32-bit pictures onto 32-bit targets.
#include "skin/core/Bitmap32.h"

#include <algorithm>
#include <cstring>

void BlendPixel(uint8_t* target, const uint8_t* source, TAlphaFormat format)
{
  const unsigned alpha = source[3];
  const unsigned rest = 255 - alpha;
  for (int c = 0; c < 3; ++c) {
    if (format == TAlphaFormat::Straight)
      target[c] = uint8_t((source[c] * alpha + target[c] * rest + 127) / 255);
    else
      target[c] = uint8_t(std::min(255u, source[c] + (target[c] * rest + 127) / 255));
  }
  target[3] = uint8_t(alpha + (target[3] * rest + 127) / 255);
}

TBitmap32 StretchBitmap(const TBitmap32& picture, int width, int height)
{
  TBitmap32 result(std::max(width, 0), std::max(height, 0));
  result.HasAlpha = picture.HasAlpha;
  if (picture.Empty() || result.Empty())
    return result;
  std::vector<int> columns(size_t(result.Width));
  for (int x = 0; x < result.Width; ++x)
    columns[size_t(x)] = int(int64_t(x) * picture.Width / result.Width);
  for (int y = 0; y < result.Height; ++y) {
    const uint8_t* from = picture.Scanline(int(int64_t(y) * picture.Height / result.Height));
    uint8_t* to = result.Scanline(y);
    for (int x = 0; x < result.Width; ++x)
      std::memcpy(to + size_t(x) * 4, from + size_t(columns[size_t(x)]) * 4, 4);
  }
  return result;
}

namespace {

// Puts one row of width pixels at (left, y) of target, clipped to the target.
void PutRow(TBitmap32& target, int left, int y, const uint8_t* row, int width, bool blend, TAlphaFormat format)
{
  if (y < 0 || y >= target.Height)
    return;
  const int first = std::max(0, -left);
  const int last = std::min(width, target.Width - left);
  if (first >= last)
    return;
  uint8_t* to = target.Scanline(y) + size_t(left + first) * 4;
  const uint8_t* from = row + size_t(first) * 4;
  if (!blend) {
    std::memcpy(to, from, size_t(last - first) * 4);
    return;
  }
  for (int x = first; x < last; ++x, to += 4, from += 4)
    BlendPixel(to, from, format);
}

}  // namespace

void DrawPicture(TBitmap32& target, const TBitmap32& picture, const TPixelRect& rect, TReflection reflection,
                 TAlphaFormat format)
{
  if (picture.Empty() || rect.Width <= 0 || rect.Height <= 0)
    return;
  TBitmap32 stretched;
  const bool sameSize = rect.Width == picture.Width && rect.Height == picture.Height;
  if (!sameSize)
    stretched = StretchBitmap(picture, rect.Width, rect.Height);
  const TBitmap32& source = sameSize ? picture : stretched;
  const bool blend = source.HasAlpha;
  for (int y = 0; y < source.Height; ++y)
    PutRow(target, rect.Left, rect.Top + y, source.Scanline(y), source.Width, blend, format);
  if (reflection == TReflection::None)
    return;
  for (int k = 0; k < source.Height / 2; ++k)
    PutRow(target, rect.Left, rect.Top + source.Height + k, source.Scanline(source.Height - 1 - k), source.Width,
           blend, format);
}

void MakeOpaque(TBitmap32& picture)
{
  for (size_t i = 3; i < picture.Pixels.size(); i += 4)
    picture.Pixels[i] = 255;
  picture.HasAlpha = false;
}

bool IsTransparentColor(const uint8_t* pixel)
{
  return (uint32_t(pixel[0]) | uint32_t(pixel[1]) << 8 | uint32_t(pixel[2]) << 16) == TransparentColor;
}

void CopyWithTransparentColor(TBitmap32& target, int left, int top, const TBitmap32& source,
                              const TPixelRect& sourceRect)
{
  const int x0 = std::max({sourceRect.Left, 0, sourceRect.Left - left});
  const int y0 = std::max({sourceRect.Top, 0, sourceRect.Top - top});
  const int x1 = std::min({sourceRect.Left + sourceRect.Width, source.Width, sourceRect.Left + target.Width - left});
  const int y1 = std::min({sourceRect.Top + sourceRect.Height, source.Height, sourceRect.Top + target.Height - top});
  for (int y = y0; y < y1; ++y) {
    const uint8_t* from = source.Scanline(y) + size_t(x0) * 4;
    uint8_t* to = target.Scanline(top + y - sourceRect.Top) + size_t(left + x0 - sourceRect.Left) * 4;
    for (int x = x0; x < x1; ++x, from += 4, to += 4)
      if (!IsTransparentColor(from))
        std::memcpy(to, from, 4);
  }
}
