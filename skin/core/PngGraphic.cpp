// The picture class and the stored picture data of forms.
#include "skin/core/PngGraphic.h"

#include "skin/core/BmpReader.h"
#include "skin/core/PictureFormats.h"
#include "skin/core/PngDecoder.h"
#include "platform/Exception.h"

#include <cstring>

namespace {

constexpr size_t StoredHeaderSize = 1 + TPNGGraphic::ClassName.size() + 4;

TBitmap32 ReadPngPicture(const uint8_t* data, size_t size)
{
  return DecodePng(data, size).Bitmap;
}

// The class is a picture file format for as long as the engine is loaded.
struct PngFormatRegistration {
  PngFormatRegistration() { RegisterFileFormat("png", "Portable network graphics (skin engine)", &ReadPngPicture); }
  ~PngFormatRegistration() { UnregisterFileFormat(&ReadPngPicture); }
};
const PngFormatRegistration g_pngFormat;

}  // namespace

void TPNGGraphic::LoadFromPng(const uint8_t* data, size_t size)
{
  FBitmap = TBitmap32();
  FBackground.reset();
  TPngImage image = DecodePng(data, size);
  FBitmap = std::move(image.Bitmap);
  FBackground = image.BackgroundColor;
}

void TPNGGraphic::LoadFromStoredData(const uint8_t* data, size_t size)
{
  FBitmap = TBitmap32();
  FBackground.reset();
  FBitmap = ReadStoredPicture(data, size);
}

std::vector<uint8_t> TPNGGraphic::StoredData() const
{
  return WriteStoredPicture(FBitmap);
}

void TPNGGraphic::Assign(const TBitmap32& picture)
{
  FBitmap = picture;
  FBackground.reset();
}

void TPNGGraphic::Draw(TBitmap32& target, const TPixelRect& rect) const
{
  DrawPicture(target, FBitmap, rect, Reflection, TAlphaFormat::Straight);
}

bool IsStoredPicture(const uint8_t* data, size_t size)
{
  const auto name = TPNGGraphic::ClassName;
  return size >= 1 + name.size() && data[0] == name.size() && std::memcmp(data + 1, name.data(), name.size()) == 0;
}

TBitmap32 ReadStoredPicture(const uint8_t* data, size_t size)
{
  if (!IsStoredPicture(data, size) || size < StoredHeaderSize)
    throw Exception(FormatText("Cannot load image. Invalid or unexpected %s image format.", "TPNGGraphic"));
  const uint8_t* count = data + StoredHeaderSize - 4;
  const uint32_t length =
      uint32_t(count[0]) | uint32_t(count[1]) << 8 | uint32_t(count[2]) << 16 | uint32_t(count[3]) << 24;
  if (length > size - StoredHeaderSize)
    throw Exception(FormatText("Cannot load image. Invalid or unexpected %s image format.", "TPNGGraphic"));
  return ReadBmp(data + StoredHeaderSize, length);
}

std::vector<uint8_t> WriteStoredPicture(const TBitmap32& picture)
{
  const std::vector<uint8_t> bmp = WriteBmp(picture);
  std::vector<uint8_t> out;
  out.reserve(StoredHeaderSize + bmp.size());
  out.push_back(uint8_t(TPNGGraphic::ClassName.size()));
  out.insert(out.end(), TPNGGraphic::ClassName.begin(), TPNGGraphic::ClassName.end());
  for (int i = 0; i < 4; ++i)
    out.push_back(uint8_t(bmp.size() >> (8 * i)));
  out.insert(out.end(), bmp.begin(), bmp.end());
  return out;
}
