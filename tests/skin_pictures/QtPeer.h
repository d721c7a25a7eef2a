#pragma once
// Qt's own image decoders as a peer: the same file must give the same pixels.

#include "skin/core/Bitmap32.h"

#include <cstdint>
#include <vector>

// Qt's decoding of file as a TBitmap32 (ARGB32, not premultiplied); empty when Qt
// cannot read it.
TBitmap32 DecodeWithQt(const std::vector<uint8_t>& file, const char* format);

// Largest difference of any channel; colour channels of pixels whose alpha is 0 in
// both pictures are not compared (they carry no colour). -1 when sizes differ.
int LargestDifference(const TBitmap32& a, const TBitmap32& b);
