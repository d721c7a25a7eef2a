#include "skin/core/MaskPixels.h"

#include <algorithm>

namespace {

bool IsKeyColour(const uint8_t* pixel)
{
  return pixel[0] == 0xFF && pixel[1] == 0x00 && pixel[2] == 0xFF;  // BGRA
}

bool HasKeyColour(const TBitmap32& picture, int left, int top, int width, int height)
{
  for (int y = top; y < top + height; ++y)
    for (int x = left; x < left + width; ++x)
      if (IsKeyColour(picture.Scanline(y) + size_t(x) * 4))
        return true;
  return false;
}

}  // namespace

TBitmapRef PrepareEntryPicture(const TBitmap32& picture, bool premultiply)
{
  // Only pictures with alpha are multiplied; opaque pixels keep their value, so
  // that the 0xFF00FF key colour survives.
  premultiply = premultiply && picture.HasAlpha;
  auto result = std::make_shared<TBitmap32>(picture);
  uint8_t* p = result->Pixels.data();
  for (size_t i = 0; i + 4 <= result->Pixels.size(); i += 4, p += 4) {
    if (p[0] == 0xFF && p[1] == 0xFF && p[2] == 0xFF && p[3] == 0) {
      p[0] = p[1] = p[2] = 0;
    } else if (premultiply && p[3] != 0xFF) {
      for (int c = 0; c < 3; ++c)
        p[c] = static_cast<uint8_t>(p[c] * p[3] / 256);
    }
  }
  return result;
}

void ClipArea(TsMaskData& mask, const TBitmap32* picture)
{
  const int width = picture ? picture->Width : 0, height = picture ? picture->Height : 0;
  TacRect& area = mask.Area;
  area.Left = std::clamp(area.Left, 0, width);
  area.Top = std::clamp(area.Top, 0, height);
  area.Right = std::clamp(area.Right, area.Left, width);
  area.Bottom = std::clamp(area.Bottom, area.Top, height);
}

int ComputeCornerKind(const TsMaskData& mask, const TBitmap32* picture)
{
  const int frameWidth = mask.FrameWidth(), frameHeight = mask.FrameHeight();
  if (!picture || frameWidth <= 0 || frameHeight <= 0)
    return 0;
  const int left = std::min(mask.EffectiveLeft(), frameWidth), right = std::min(mask.EffectiveRight(), frameWidth);
  const int top = std::min(mask.EffectiveTop(), frameHeight), bottom = std::min(mask.EffectiveBottom(), frameHeight);
  const int x0 = mask.Area.Left, y0 = mask.Area.Top;
  const bool found = HasKeyColour(*picture, x0, y0, left, top) ||
                     HasKeyColour(*picture, x0 + frameWidth - right, y0, right, top) ||
                     HasKeyColour(*picture, x0, y0 + frameHeight - bottom, left, bottom) ||
                     HasKeyColour(*picture, x0 + frameWidth - right, y0 + frameHeight - bottom, right, bottom);
  return found ? 1 : 0;
}
