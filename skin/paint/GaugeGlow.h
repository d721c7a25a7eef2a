#pragma once
// The gauge glow: the program's "ACGL" picture, a soft white band with alpha,
// made as long as the sweep's band and as thick as the bar, and laid over the
// filled strip of a bar (horizontal; vertical bars are rotated first).

#include "skin/core/Bitmap32.h"

// The glow picture for a strip `thickness` pixels thick: a picture taller than that
// is cropped symmetrically, then stretched to the band's length and the thickness.
TBitmap32 MakeGlowPicture(const TBitmap32& source, int thickness);

// Lays glow over the first `filled` columns of strip with the band starting at
// `position` (may be negative). `allowed`, when given, is as large as strip: the
// glow goes only where its pixel is not 0xFF00FF.
void DrawGlow(TBitmap32& strip, int filled, const TBitmap32& glow, int position, const TBitmap32* allowed = nullptr);
