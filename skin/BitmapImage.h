#pragma once
// Hands decoded skin-engine pictures to Qt painting.

#include <QImage>

#include "skin/core/Bitmap32.h"

// A copy of the picture as an ARGB32 image (opaque when the picture has no alpha).
QImage ToQImage(const TBitmap32& bitmap);
