#pragma once
// Colour arithmetic of the painting steps: 0x00BBGGRR colours on 32-bit BGRA
// bitmaps. Every rectangle is clipped to the bitmap; faces are opaque (alpha 255).

#include <cstddef>  // Bitmap32.h uses size_t
#include <cstdint>

#include "skin/core/Bitmap32.h"

// Every channel round(p x a + (1 - p) x b); p is clamped to 0..1, system colours are resolved.
int Mix(int a, int b, double p);

// A colour (system colours resolved) as BGRA bytes with alpha 255, and back.
void ColorToBgra(int color, uint8_t* pixel);
int BgraToColor(const uint8_t* pixel);

// The part of rect that lies on the bitmap (Width or Height 0 when none).
TPixelRect ClipRect(const TBitmap32& bitmap, const TPixelRect& rect);

void FillColor(TBitmap32& target, const TPixelRect& rect, int color);

// Blends `own` (its top-left at the rect's top-left) over what target holds in rect:
// every channel becomes (t x (target - own) + own x 256) / 256, rounded down. t is
// the weight of what lies beneath, clamped to 0..255.
void BlendOver(TBitmap32& target, const TPixelRect& rect, const TBitmap32& own, int t);

// Mixes a colour into every pixel of rect: channel = round(share / 100 x channel +
// (1 - share / 100) x colour); share is clamped to 0..100.
void MixColorInto(TBitmap32& target, const TPixelRect& rect, int color, int share);

// Copies source's pixels from (sourceLeft, sourceTop) into rect of target; what
// lies outside the source keeps the target's pixels.
void CopyRect(TBitmap32& target, const TPixelRect& rect, const TBitmap32& source, int sourceLeft, int sourceTop);

// Every channel of every pixel: round(weight / 255 x source + (1 - weight / 255) x
// target), both bitmaps of the same size (fading between two faces).
void CrossFade(TBitmap32& target, const TBitmap32& source, int weight);
