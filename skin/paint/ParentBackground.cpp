#include "skin/paint/ParentBackground.h"

#include <algorithm>

void PaintParentBackground(TBitmap32& target, const TPixelRect& rect, const TacParentBackground& parent)
{
  switch (parent.Kind) {
  case TacParentBackground::TKind::None: return;
  case TacParentBackground::TKind::Color: FillColor(target, rect, parent.Color); return;
  case TacParentBackground::TKind::Picture:
    // Where the parent's picture does not reach, its colour stands in.
    FillColor(target, rect, parent.Color);
    if (parent.Picture)
      CopyRect(target, rect, *parent.Picture, parent.OffsetX + rect.Left, parent.OffsetY + rect.Top);
    return;
  }
}

bool ParentPixel(const TacParentBackground& parent, int x, int y, uint8_t* pixel)
{
  if (parent.Kind == TacParentBackground::TKind::None)
    return false;
  const TBitmap32* picture = parent.Picture;
  const int px = parent.OffsetX + x, py = parent.OffsetY + y;
  if (parent.Kind == TacParentBackground::TKind::Picture && picture && px >= 0 && py >= 0 && px < picture->Width &&
      py < picture->Height) {
    std::copy_n(picture->Scanline(py) + size_t(px) * 4, 4, pixel);
    return true;
  }
  ColorToBgra(parent.Color, pixel);
  return true;
}
