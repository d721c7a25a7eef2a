// Fuzz target: the BMP reader, directly and as the payload of stored picture data.
#include "skin/core/BmpReader.h"
#include "skin/core/PngGraphic.h"
#include "platform/Exception.h"

#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
  try {
    ReadBmp(data, size);
  } catch (const Exception&) {
  }
  std::vector<uint8_t> stored = {11, 'T', 'P', 'N', 'G', 'G', 'r', 'a', 'p', 'h', 'i', 'c'};
  for (int i = 0; i < 4; ++i)
    stored.push_back(uint8_t(size >> (8 * i)));
  stored.insert(stored.end(), data, data + size);
  try {
    ReadStoredPicture(stored.data(), stored.size());
  } catch (const Exception&) {
  }
  return 0;
}
