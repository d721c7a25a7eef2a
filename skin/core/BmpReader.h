#pragma once
// Windows BMP files: reading 1, 4, 8, 24 and 32 bits per pixel (uncompressed, or
// 32 bits with bit fields), bottom-up and top-down; writing 24 or 32 bits.

#include "skin/core/Bitmap32.h"

#include <cstddef>
#include <cstdint>
#include <vector>

// Throws Exception on damaged, truncated, unsupported or oversized data. A 32-bit
// file whose alpha bytes are all 0 counts as opaque (the usual meaning of BI_RGB).
TBitmap32 ReadBmp(const uint8_t* data, size_t size);

// A bottom-up BMP file: 32 bits per pixel when the picture has alpha, else 24.
std::vector<uint8_t> WriteBmp(const TBitmap32& picture);

// True when data starts with "BM".
bool IsBmpSignature(const uint8_t* data, size_t size);
