#pragma once
// The face of a skinned control: background of a state (texture, gradient and
// colour shares, blended with the parent's background by the section's
// transparency), the border mask and the four corner pictures. Every table value
// is used within a safe range: percents 0..100, states 0..StateCount - 1,
// picture parts inside their pictures.

#include "skin/paint/FaceSource.h"
#include "skin/paint/ParentBackground.h"

// Paints the background of `state` into rect of target. `parent` Kind None: no
// parent descriptor, the own fill is painted directly.
void PaintFaceBackground(TBitmap32& target, const TPixelRect& rect, const TacFaceSource& source, int state,
                         const TacParentBackground& parent);

// The whole face: background, border mask (in state 0 only without DrawFlags bit
// 1) and corner pictures. False, with nothing painted, when the target does not
// cover rect, the source has no section, or the parent's background is not ready
// (std::nullopt): the control then marks itself updating and paints later.
bool PaintFace(TBitmap32& target, const TPixelRect& rect, const TacFaceSource& source, int state,
               const TacBackgroundAnswer& parent);

// The colour a plain fill of the section shows in state 0: the section colour
// (or the own colour with CustomColor) mixed with the parent's colour by the
// transparency; Transparency 100 gives the parent's colour.
int PlainFillColor(const TacFaceSource& source, const TacParentBackground& parent);
