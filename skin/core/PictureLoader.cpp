// Picks the picture reader for a file's bytes.
#include "skin/core/PictureLoader.h"

#include "skin/core/BmpReader.h"
#include "skin/core/JpegReader.h"
#include "skin/core/PngDecoder.h"
#include "skin/core/PngGraphic.h"
#include "platform/Exception.h"

#include <algorithm>
#include <cctype>

namespace {

enum class TPictureFormat { Png, Bmp, Jpeg, Stored, Unknown };

std::string UpperExtension(const std::string& fileName)
{
  const size_t dot = fileName.find_last_of('.');
  const size_t slash = fileName.find_last_of("/\\");
  if (dot == std::string::npos || (slash != std::string::npos && dot < slash))
    return {};
  std::string extension = fileName.substr(dot + 1);
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](unsigned char c) { return char(std::toupper(c)); });
  return extension;
}

TPictureFormat FormatOf(const std::vector<uint8_t>& data, const std::string& extension)
{
  if (IsPngSignature(data.data(), data.size()))
    return TPictureFormat::Png;
  if (IsBmpSignature(data.data(), data.size()))
    return TPictureFormat::Bmp;
  if (IsJpegSignature(data.data(), data.size()))
    return TPictureFormat::Jpeg;
  if (IsStoredPicture(data.data(), data.size()))
    return TPictureFormat::Stored;
  if (extension == "PNG")
    return TPictureFormat::Png;
  if (extension == "BMP")
    return TPictureFormat::Bmp;
  if (extension == "JPG" || extension == "JPEG")
    return TPictureFormat::Jpeg;
  return TPictureFormat::Unknown;
}

TBitmap32 Decode(const std::vector<uint8_t>& data, const std::string& fileName)
{
  const std::string extension = UpperExtension(fileName);
  switch (FormatOf(data, extension)) {
  case TPictureFormat::Png: return DecodePng(data.data(), data.size()).Bitmap;
  case TPictureFormat::Bmp: return ReadBmp(data.data(), data.size());
  case TPictureFormat::Jpeg: return ReadJpeg(data.data(), data.size());
  case TPictureFormat::Stored: return ReadStoredPicture(data.data(), data.size());
  case TPictureFormat::Unknown: break;
  }
  throw Exception(FormatText("Cannot load image. Invalid or unexpected %s image format.",
                             extension.empty() ? "picture" : extension.c_str()));
}

}  // namespace

std::shared_ptr<const TBitmap32> LoadPicture(const std::vector<uint8_t>& data, const std::string& fileName)
{
  return std::make_shared<const TBitmap32>(Decode(data, fileName));
}
