#pragma once
// The nine-part border of a skin mask: four corners copied unscaled, four edges
// and (with DrawFlags bit 2) the centre tiled, or stretched with DrawFlags bit 0.

#include "skin/paint/FaceSource.h"
#include "skin/paint/ParentBackground.h"
#include "skin/paint/PicturePart.h"

struct TacMargins {
  int Left = 0, Top = 0, Right = 0, Bottom = 0;
};

// The mask's effective margins for a target of width x height: each side within
// the frame, then, when the target is smaller than two opposite margins, both are
// reduced by half the excess (rounded toward zero) and the right (bottom) one by
// one more pixel when the excess is odd, neither below 0.
TacMargins NinePartMargins(const TsMaskData& mask, int width, int height);

// Draws frame min(state, FrameCount - 1) of mask `maskIndex` into rect. Nothing is
// drawn in state 0 with DrawFlags bit 1, for a target under 2 x 2 pixels, or for a
// mask whose picture is missing. Corners of a mask with CornerKind > 0 let
// `parent` show where they are transparent.
void DrawNinePart(TBitmap32& target, const TPixelRect& rect, int state, const TacFaceSource& source, int maskIndex,
                  const TacParentBackground& parent);

// How a mask's parts let what lies beneath show: mask rows, alpha, or the key colour.
TacPictureSource MaskPart(const TacFaceSource& source, const TsMaskData& mask, const TPixelRect& part,
                          bool keyedWithoutRows);
