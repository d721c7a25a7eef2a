#pragma once
// Gradient fills of a skin section: bands laid one after the other, each taking
// its percent of the area. Kind 0 runs from top to bottom, kind 1 from left to
// right, kind 2 from the edges to the middle and back (top to bottom); the first
// band's kind decides whether the bands are stacked downwards (0, 2) or across (1).
// What the bands leave over keeps the last band's end colour.

#include <vector>

#include "skin/core/SkinRecords.h"

void PaintGradient(TBitmap32& target, const TPixelRect& rect, const std::vector<TsGradientBand>& bands);
