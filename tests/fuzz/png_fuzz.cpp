// Fuzz target: the PNG decoder, and drawing whatever it decodes.
#include "skin/core/PngDecoder.h"
#include "platform/Exception.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
  try {
    const TPngImage image = DecodePng(data, size);
    TBitmap32 target(37, 23);
    DrawPicture(target, image.Bitmap, {-3, 2, 40, 9}, TReflection::Mirrored);
  } catch (const Exception&) {
  }
  return 0;
}
