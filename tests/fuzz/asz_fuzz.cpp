// Fuzz target: the packed skin container and the options text inside it.
#include "platform/Exception.h"
#include "skin/core/PackedSkin.h"
#include "skin/core/SkinIni.h"

#include <cstddef>
#include <cstdint>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
  const std::vector<uint8_t> bytes(data, data + size);
  try {
    const TacPackedSkin skin = ReadPackedSkin(bytes);
    const TacSkinIni ini(skin.Options);
    for (const TacIniSection& section : ini.Sections())
      for (const TacIniKey& key : section.Keys)
        skin.Find(key.Value);
  } catch (const Exception&) {
    // Damaged containers are reported with a message.
  }
  return 0;
}
