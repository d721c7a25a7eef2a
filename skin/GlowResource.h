#pragma once
// The program resource "ACGL": the gauge glow, a 60 x 20 white band with alpha.

#include "skin/core/Bitmap32.h"

// Decoded once; empty if the resource could not be read.
const TBitmap32& GlowResource();
