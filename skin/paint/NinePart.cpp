#include "skin/paint/NinePart.h"

#include <algorithm>

namespace {

// Two opposite margins within `frame`, shrunk to fit `length`.
void FitPair(int& first, int& second, int frame, int length)
{
  first = std::clamp(first, 0, std::max(frame, 0));
  second = std::clamp(second, 0, std::max(frame - first, 0));
  const int excess = first + second - length;
  if (excess <= 0)
    return;
  first = std::max(first - excess / 2, 0);
  second = std::max(second - excess / 2 - excess % 2, 0);
}

}  // namespace

TacMargins NinePartMargins(const TsMaskData& mask, int width, int height)
{
  TacMargins m{mask.EffectiveLeft(), mask.EffectiveTop(), mask.EffectiveRight(), mask.EffectiveBottom()};
  FitPair(m.Left, m.Right, mask.FrameWidth(), width);
  FitPair(m.Top, m.Bottom, mask.FrameHeight(), height);
  return m;
}

TacPictureSource MaskPart(const TacFaceSource& source, const TsMaskData& mask, const TPixelRect& part,
                          bool keyedWithoutRows)
{
  TacPictureSource result;
  result.Picture = source.Tables ? source.Tables->MaskPicture(mask) : nullptr;
  result.Part = part;
  result.Alpha = source.PictureAlpha;
  if (mask.MaskRows > 0) {
    result.Key = TacPartKey::MaskRows;
    result.MaskOffset = mask.FrameHeight();
  } else if (result.Picture && result.Picture->HasAlpha) {
    result.Key = TacPartKey::Alpha;
  } else {
    result.Key = keyedWithoutRows ? TacPartKey::KeyColor : TacPartKey::Opaque;
  }
  return result;
}

void DrawNinePart(TBitmap32& target, const TPixelRect& rect, int state, const TacFaceSource& source, int maskIndex,
                  const TacParentBackground& parent)
{
  const TsMaskData* mask = source.Mask(maskIndex);
  if (!mask || (state == 0 && (mask->DrawFlags & 2)) || rect.Width < 2 || rect.Height < 2)
    return;
  const int fw = mask->FrameWidth(), fh = mask->FrameHeight();
  if (fw <= 0 || fh <= 0 || !source.Tables->MaskPicture(*mask))
    return;
  const int frame = std::clamp(state, 0, std::max(mask->FrameCount - 1, 0));
  const int sx = mask->Area.Left + fw * frame, sy = mask->Area.Top;
  const TacMargins m = NinePartMargins(*mask, rect.Width, rect.Height);
  const TacPartFit fit = (mask->DrawFlags & 1) ? TacPartFit::Stretch : TacPartFit::Tile;
  const TacParentBackground* under = mask->CornerKind > 0 ? &parent : nullptr;

  // Columns and rows of the three bands, in the frame (s*) and in the target (d*).
  const int sCol[3] = {0, m.Left, fw - m.Right}, sWidth[3] = {m.Left, fw - m.Left - m.Right, m.Right};
  const int sRow[3] = {0, m.Top, fh - m.Bottom}, sHeight[3] = {m.Top, fh - m.Top - m.Bottom, m.Bottom};
  const int dCol[3] = {0, m.Left, rect.Width - m.Right}, dWidth[3] = {m.Left, rect.Width - m.Left - m.Right, m.Right};
  const int dRow[3] = {0, m.Top, rect.Height - m.Bottom},
            dHeight[3] = {m.Top, rect.Height - m.Top - m.Bottom, m.Bottom};
  for (int row = 0; row < 3; ++row)
    for (int col = 0; col < 3; ++col) {
      const bool corner = row != 1 && col != 1;
      if ((row == 1 && col == 1 && !(mask->DrawFlags & 4)) || dWidth[col] <= 0 || dHeight[row] <= 0)
        continue;
      // A shrunk right or bottom corner takes the frame's outer pixels.
      const int fromX = col == 2 ? fw - dWidth[col] : sCol[col];
      const int fromY = row == 2 ? fh - dHeight[row] : sRow[row];
      const int partW = corner ? dWidth[col] : sWidth[col], partH = corner ? dHeight[row] : sHeight[row];
      const TacPictureSource part = MaskPart(source, *mask, {sx + fromX, sy + fromY, partW, partH}, corner);
      DrawPart(target, {rect.Left + dCol[col], rect.Top + dRow[row], dWidth[col], dHeight[row]}, part, fit,
               corner ? under : nullptr);
    }
}
