// Fuzz target: the packed skin container, then the skin inside it read into
// tables with the real picture readers.
#include "platform/Exception.h"
#include "skin/core/PackedSkin.h"
#include "skin/core/PictureLoader.h"
#include "skin/core/SkinIni.h"
#include "skin/core/SkinLoader.h"
#include "skin/core/SkinSource.h"

#include <cstddef>
#include <cstdint>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
  const std::vector<uint8_t> bytes(data, data + size);
  try {
    const TacPackedSkin skin = ReadPackedSkin(bytes);
    const TacSkinIni ini(skin.Options);
    const TacPackedSource pictures(skin);
    const TacFolderSource noFolder("");
    TacSkinLoader(ini, pictures, noFolder, LoadPicture).Load();
  } catch (const Exception&) {
    // Damaged containers and pictures are reported with a message.
  }
  return 0;
}
