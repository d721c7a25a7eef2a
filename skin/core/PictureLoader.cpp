// Picks the picture reader for a file's bytes.
#include "skin/core/PictureLoader.h"

#include "skin/core/BmpReader.h"
#include "skin/core/JpegReader.h"
#include "skin/core/PictureFormats.h"
#include "skin/core/PngDecoder.h"
#include "skin/core/PngGraphic.h"
#include "platform/Exception.h"

#include <algorithm>
#include <cctype>

namespace {

std::string Extension(const std::string& fileName)
{
  const size_t dot = fileName.find_last_of('.');
  const size_t slash = fileName.find_last_of("/\\");
  if (dot == std::string::npos || (slash != std::string::npos && dot < slash))
    return {};
  return fileName.substr(dot + 1);
}

// The data's signature decides; without a known one, the format registered for the extension.
TBitmap32 Decode(const std::vector<uint8_t>& data, const std::string& fileName)
{
  if (IsPngSignature(data.data(), data.size()))
    return DecodePng(data.data(), data.size()).Bitmap;
  if (IsBmpSignature(data.data(), data.size()))
    return ReadBmp(data.data(), data.size());
  if (IsJpegSignature(data.data(), data.size()))
    return ReadJpeg(data.data(), data.size());
  if (IsStoredPicture(data.data(), data.size()))
    return ReadStoredPicture(data.data(), data.size());
  const std::string extension = Extension(fileName);
  if (const auto format = FindFileFormat(extension))
    return format->Read(data.data(), data.size());
  std::string shown = extension;
  std::transform(shown.begin(), shown.end(), shown.begin(), [](unsigned char c) { return char(std::toupper(c)); });
  throw Exception(FormatText("Cannot load image. Invalid or unexpected %s image format.",
                             shown.empty() ? "picture" : shown.c_str()));
}

}  // namespace

std::shared_ptr<const TBitmap32> LoadPicture(const std::vector<uint8_t>& data, const std::string& fileName)
{
  return std::make_shared<const TBitmap32>(Decode(data, fileName));
}
