#pragma once
// The project's PNG decoder on zlib inflate: every colour type and bit depth of the
// PNG standard, Adam7, tRNS, gAMA and bKGD. Errors are Exceptions with the picture
// class' messages.

#include "skin/core/Bitmap32.h"

#include <cstddef>
#include <cstdint>
#include <optional>

struct TPngImage {
  // Held with HasAlpha when the file has an alpha channel or tRNS transparency.
  TBitmap32 Bitmap;
  // bKGD as 0x00BBGGRR, when the file names one.
  std::optional<uint32_t> BackgroundColor;
};

TPngImage DecodePng(const uint8_t* data, size_t size);

// True when data starts with the 8-byte PNG signature.
bool IsPngSignature(const uint8_t* data, size_t size);
