#pragma once
// JPEG pictures through libjpeg. Damaged or truncated data raises an Exception
// instead of ending the process, as libjpeg's default error handler would.

#include "skin/core/Bitmap32.h"

#include <cstddef>
#include <cstdint>

// An opaque picture (alpha 255, HasAlpha false).
TBitmap32 ReadJpeg(const uint8_t* data, size_t size);

// True when data starts with the JPEG start-of-image marker FF D8.
bool IsJpegSignature(const uint8_t* data, size_t size);
