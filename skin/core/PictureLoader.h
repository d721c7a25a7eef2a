#pragma once
// The one entry point through which the skin tables read pictures.

#include "skin/core/Bitmap32.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// Decodes PNG, BMP, JPEG or stored picture data. The format comes from the data's
// signature, else from fileName's extension. Throws Exception with the reader's
// message on failure. Pictures with alpha come back with HasAlpha set; all others
// have every alpha byte 255.
std::shared_ptr<const TBitmap32> LoadPicture(const std::vector<uint8_t>& data, const std::string& fileName);
