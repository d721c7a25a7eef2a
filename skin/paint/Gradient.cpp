#include "skin/paint/Gradient.h"

#include <algorithm>

#include "skin/paint/PaintColors.h"

namespace {

// Colour at step i of n from a to b.
void Between(const uint8_t* a, const uint8_t* b, int i, int n, uint8_t* out)
{
  for (int c = 0; c < 3; ++c)
    out[c] = uint8_t(n <= 1 ? a[c] : a[c] + (b[c] - a[c]) * i / (n - 1));
  out[3] = 255;
}

void PaintBand(TBitmap32& target, const TPixelRect& band, const TsGradientBand& data, const TPixelRect& clip)
{
  uint8_t from[4], to[4], pixel[4];
  ColorToBgra(std::max(data.Color1, 0), from);
  ColorToBgra(std::max(data.Color2, 0), to);
  const TPixelRect area = ClipRect(target, band);
  for (int y = std::max(area.Top, clip.Top); y < std::min(area.Top + area.Height, clip.Top + clip.Height); ++y) {
    uint8_t* row = target.Scanline(y);
    const int dy = y - band.Top;
    if (data.Kind == 1) {
      for (int x = area.Left; x < area.Left + area.Width; ++x) {
        Between(from, to, x - band.Left, band.Width, pixel);
        std::copy_n(pixel, 4, row + size_t(x) * 4);
      }
      continue;
    }
    if (data.Kind == 2) {
      const int half = (band.Height + 1) / 2;
      Between(from, to, dy < half ? dy : band.Height - 1 - dy, half, pixel);
    } else {
      Between(from, to, dy, band.Height, pixel);
    }
    for (int x = area.Left; x < area.Left + area.Width; ++x)
      std::copy_n(pixel, 4, row + size_t(x) * 4);
  }
}

}  // namespace

void PaintGradient(TBitmap32& target, const TPixelRect& rect, const std::vector<TsGradientBand>& bands)
{
  if (bands.empty())
    return;
  const TPixelRect clip = ClipRect(target, rect);
  const bool across = bands.front().Kind == 1;
  const int length = across ? rect.Width : rect.Height;
  int start = 0, percent = 0;
  for (const TsGradientBand& band : bands) {
    percent = std::min(percent + std::clamp(band.Percent, 0, 100), 100);
    const int end = length * percent / 100;
    if (end > start) {
      const TPixelRect part = across ? TPixelRect{rect.Left + start, rect.Top, end - start, rect.Height}
                                     : TPixelRect{rect.Left, rect.Top + start, rect.Width, end - start};
      PaintBand(target, part, band, clip);
    }
    start = std::max(start, end);
  }
  if (start < length) {
    const TPixelRect rest = across ? TPixelRect{rect.Left + start, rect.Top, length - start, rect.Height}
                                   : TPixelRect{rect.Left, rect.Top + start, rect.Width, length - start};
    FillColor(target, rest, std::max(bands.back().Color2, 0));
  }
}
