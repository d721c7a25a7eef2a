#pragma once
// Pixel work on mask pictures while a skin is read.

#include "skin/core/SkinRecords.h"

// A "!" entry's picture: pixels equal to 0x00FFFFFF become 0, and for newer skins
// every other translucent pixel of a picture with alpha gets its colour channels
// multiplied by its alpha.
TBitmapRef PrepareEntryPicture(const TBitmap32& picture, bool premultiply);

// Keeps a mask's Area inside its picture, so painters never read outside it.
void ClipArea(TsMaskData& mask, const TBitmap32* picture);

// 1 when a 0xFF00FF pixel lies in a corner area of the first frame (each corner
// as large as its two adjacent effective margins), else 0.
int ComputeCornerKind(const TsMaskData& mask, const TBitmap32* picture);
