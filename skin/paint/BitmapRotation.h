#pragma once
// Quarter turns of 32-bit pictures. A vertical bar is painted as a horizontal
// strip: turned clockwise, the bottom edge of the picture becomes the left edge.

#include "skin/core/Bitmap32.h"

TBitmap32 RotateClockwise(const TBitmap32& picture);
TBitmap32 RotateCounterClockwise(const TBitmap32& picture);
