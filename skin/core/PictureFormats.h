#pragma once
// The picture file formats, by file extension: loading a picture by its file name
// picks the reader registered for the extension. BMP and JPEG are always there;
// the engine's PNG class registers itself while the engine is loaded.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "skin/core/Bitmap32.h"

using TPictureReader = TBitmap32 (*)(const uint8_t* data, size_t size);

struct TPictureFileFormat {
  std::string Extension;  // lower case, without the dot
  std::string Description;
  TPictureReader Read = nullptr;
};

void RegisterFileFormat(const std::string& extension, const std::string& description, TPictureReader read);
void UnregisterFileFormat(TPictureReader read);
// The format of an extension (any case), if one is registered.
std::optional<TPictureFileFormat> FindFileFormat(const std::string& extension);
std::vector<TPictureFileFormat> FileFormats();
