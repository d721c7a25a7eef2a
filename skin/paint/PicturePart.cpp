#include "skin/paint/PicturePart.h"

#include <algorithm>

namespace {

// The source part clipped to its picture; a mask row that leaves the picture drops to KeyColor.
TacPictureSource Checked(const TacPictureSource& source)
{
  TacPictureSource checked = source;
  checked.Part = ClipRect(*source.Picture, source.Part);
  if (checked.Key == TacPartKey::MaskRows &&
      (checked.MaskOffset <= 0 || checked.Part.Top + checked.MaskOffset + checked.Part.Height > source.Picture->Height))
    checked.Key = TacPartKey::KeyColor;
  return checked;
}

int SourceIndex(int d, int length, int sourceLength, TacPartFit fit)
{
  return fit == TacPartFit::Stretch ? int(int64_t(d) * sourceLength / length) : d % sourceLength;
}

void PutPixel(uint8_t* out, const uint8_t* image, const TacPictureSource& source, const TBitmap32& picture, int sx,
              int sy, const uint8_t* base)
{
  switch (source.Key) {
  case TacPartKey::Opaque:
    std::copy_n(image, 3, out);
    out[3] = 255;
    return;
  case TacPartKey::KeyColor:
    if (!IsTransparentColor(image)) {
      std::copy_n(image, 3, out);
      out[3] = 255;
    } else if (base != out) {
      std::copy_n(base, 4, out);
    }
    return;
  case TacPartKey::MaskRows: {
    const uint8_t* mask = picture.Scanline(sy + source.MaskOffset) + size_t(sx) * 4;
    for (int c = 0; c < 3; ++c)
      out[c] = uint8_t((image[c] * (255 - mask[c]) + base[c] * mask[c]) / 255);
    out[3] = 255;
    return;
  }
  case TacPartKey::Alpha:
    if (base != out)
      std::copy_n(base, 4, out);
    BlendPixel(out, image, source.Alpha);
    out[3] = 255;
    return;
  }
}

}  // namespace

void DrawPart(TBitmap32& target, const TPixelRect& rect, const TacPictureSource& given, TacPartFit fit,
              const TacParentBackground* under)
{
  if (!given.Picture || given.Picture->Empty())
    return;
  const TacPictureSource source = Checked(given);
  const TPixelRect area = ClipRect(target, rect);
  if (source.Part.Width <= 0 || source.Part.Height <= 0 || area.Width <= 0 || area.Height <= 0)
    return;
  const TBitmap32& picture = *source.Picture;
  uint8_t parent[4];
  for (int y = area.Top; y < area.Top + area.Height; ++y) {
    const int sy = source.Part.Top + SourceIndex(y - rect.Top, rect.Height, source.Part.Height, fit);
    uint8_t* row = target.Scanline(y);
    const uint8_t* imageRow = picture.Scanline(sy);
    for (int x = area.Left; x < area.Left + area.Width; ++x) {
      const int sx = source.Part.Left + SourceIndex(x - rect.Left, rect.Width, source.Part.Width, fit);
      uint8_t* out = row + size_t(x) * 4;
      const uint8_t* base = under && ParentPixel(*under, x, y, parent) ? parent : out;
      PutPixel(out, imageRow + size_t(sx) * 4, source, picture, sx, sy, base);
    }
  }
}
