#include "skin/paint/GaugeGlow.h"

#include <algorithm>
#include <cstring>

#include "skin/paint/GlowSweep.h"

TBitmap32 MakeGlowPicture(const TBitmap32& source, int thickness)
{
  if (source.Empty() || thickness <= 0)
    return TBitmap32();
  const TBitmap32* picture = &source;
  TBitmap32 cropped;
  if (source.Height > thickness) {
    int top = (source.Height - thickness) / 2 + 1;
    if (top + thickness > source.Height)  // nothing left to crop from
      top = 0;
    cropped = TBitmap32(source.Width, thickness);
    cropped.HasAlpha = source.HasAlpha;
    for (int y = 0; y < thickness; ++y)
      std::memcpy(cropped.Scanline(y), source.Scanline(top + y), size_t(source.Width) * 4);
    picture = &cropped;
  }
  TBitmap32 glow = StretchBitmap(*picture, TacGlowSweep::GlowLength, thickness);
  glow.HasAlpha = true;
  return glow;
}

void DrawGlow(TBitmap32& strip, int filled, const TBitmap32& glow, int position, const TBitmap32* allowed)
{
  const int first = std::max(0, position);
  const int last = std::min({filled, strip.Width, position + glow.Width});
  const int rows = std::min(strip.Height, glow.Height);
  if (first >= last)
    return;
  if (allowed && (allowed->Width != strip.Width || allowed->Height != strip.Height))
    allowed = nullptr;
  for (int y = 0; y < rows; ++y) {
    uint8_t* to = strip.Scanline(y) + size_t(first) * 4;
    const uint8_t* from = glow.Scanline(y) + size_t(first - position) * 4;
    const uint8_t* mask = allowed ? allowed->Scanline(y) + size_t(first) * 4 : nullptr;
    for (int x = first; x < last; ++x, to += 4, from += 4) {
      if (mask) {
        const bool open = !IsTransparentColor(mask);
        mask += 4;
        if (!open)
          continue;
      }
      BlendPixel(to, from, TAlphaFormat::Straight);
    }
  }
}
