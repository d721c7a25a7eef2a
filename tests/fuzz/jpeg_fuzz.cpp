// Fuzz target: the JPEG reader.
#include "skin/core/JpegReader.h"
#include "platform/Exception.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
  try {
    ReadJpeg(data, size);
  } catch (const Exception&) {
  }
  return 0;
}
