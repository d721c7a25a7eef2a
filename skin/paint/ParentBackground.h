#pragma once
// What a parent tells a child about the background under it: a picture (the
// parent's face cache, with the child's place in it), a plain colour, or nothing.
// A parent whose face is not painted yet gives no answer (std::nullopt): the
// child marks itself updating and paints once the parent has painted.

#include <optional>

#include "skin/paint/PaintColors.h"

struct TacParentBackground {
  enum class TKind { None, Color, Picture };
  TKind Kind = TKind::None;
  int Color = 0;                       // Kind Color; also where Picture does not reach
  const TBitmap32* Picture = nullptr;  // Kind Picture: owned by the parent, valid while it paints
  int OffsetX = 0, OffsetY = 0;        // the child's top-left inside Picture

  static TacParentBackground OfColor(int color) { return {TKind::Color, color, nullptr, 0, 0}; }
  static TacParentBackground OfPicture(const TBitmap32* picture, int x, int y, int color)
  {
    return {TKind::Picture, color, picture, x, y};
  }
};

// std::nullopt: the parent's background is not ready yet.
using TacBackgroundAnswer = std::optional<TacParentBackground>;

// Paints the parent's background into rect of target (target coordinates are the
// child's). Kind None leaves the target as it is.
void PaintParentBackground(TBitmap32& target, const TPixelRect& rect, const TacParentBackground& parent);

// One pixel of the parent's background at the child's (x, y), as BGRA; false for Kind None.
bool ParentPixel(const TacParentBackground& parent, int x, int y, uint8_t* pixel);
