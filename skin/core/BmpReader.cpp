// BMP reading and writing.
#include "skin/core/BmpReader.h"

#include "skin/core/PictureLimits.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>

namespace {

constexpr const char* InvalidFormat = "Cannot load image. Invalid or unexpected %s image format.";
constexpr size_t FileHeaderSize = 14;
constexpr uint32_t BiRgb = 0;
constexpr uint32_t BiBitfields = 3;

[[noreturn]] void FailBmp(const char* message)
{
  throw Exception(FormatText(message, "BMP"));
}

uint32_t ReadLE32(const uint8_t* p)
{
  return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}

uint16_t ReadLE16(const uint8_t* p)
{
  return uint16_t(p[0] | p[1] << 8);
}

// One channel of a bit-field pixel: where it sits and how many bits it has.
struct Field {
  uint32_t Mask = 0;
  int Shift = 0;
  int Bits = 0;

  explicit Field(uint32_t mask) : Mask(mask), Shift(mask ? std::countr_zero(mask) : 0), Bits(std::popcount(mask)) {}
  uint8_t Extract(uint32_t pixel) const
  {
    if (Bits == 0)
      return 0;
    const uint32_t value = (pixel & Mask) >> Shift;
    return uint8_t(Bits >= 8 ? value >> (Bits - 8) : value * 255 / ((1u << Bits) - 1));
  }
};

struct BmpInfo {
  int64_t Width = 0;
  int64_t Height = 0;  // always positive; TopDown tells the row order
  bool TopDown = false;
  int Bits = 0;
  uint32_t Compression = BiRgb;
  std::array<uint32_t, 4> Masks{0x00FF0000, 0x0000FF00, 0x000000FF, 0xFF000000};  // R, G, B, A
  size_t PaletteOffset = 0;
  size_t PaletteEntrySize = 4;
  uint32_t PaletteCount = 0;
  size_t PixelOffset = 0;
};

// Reads the masks that follow a 40-byte header (BI_BITFIELDS) or sit inside a longer one.
void ReadMasks(const uint8_t* data, size_t size, size_t infoSize, BmpInfo& info)
{
  const size_t at = FileHeaderSize + 40;
  const size_t count = infoSize >= 56 ? 4 : 3;
  if (at + count * 4 > size)
    FailBmp(InvalidFormat);
  for (size_t i = 0; i < count; ++i)
    info.Masks[i] = ReadLE32(data + at + i * 4);
  if (count == 3)
    info.Masks[3] = 0;
}

BmpInfo ReadInfo(const uint8_t* data, size_t size)
{
  if (size < FileHeaderSize + 12 || !IsBmpSignature(data, size))
    FailBmp(InvalidFormat);
  BmpInfo info;
  info.PixelOffset = ReadLE32(data + 10);
  const uint32_t infoSize = ReadLE32(data + FileHeaderSize);
  const uint8_t* h = data + FileHeaderSize;
  if (infoSize == 12) {  // the old core header: 16-bit sizes, 3-byte palette entries
    info.Width = ReadLE16(h + 4);
    info.Height = ReadLE16(h + 6);
    info.Bits = ReadLE16(h + 10);
    info.PaletteEntrySize = 3;
  } else {
    if (infoSize < 40 || infoSize > size - FileHeaderSize)
      FailBmp(InvalidFormat);
    info.Width = int32_t(ReadLE32(h + 4));
    const int32_t height = int32_t(ReadLE32(h + 8));
    info.TopDown = height < 0;
    info.Height = info.TopDown ? -int64_t(height) : int64_t(height);
    info.Bits = ReadLE16(h + 14);
    info.Compression = ReadLE32(h + 16);
    info.PaletteCount = ReadLE32(h + 32);
    if (info.Compression == BiBitfields)
      ReadMasks(data, size, infoSize, info);
  }
  info.PaletteOffset = FileHeaderSize + infoSize;
  return info;
}

void CheckInfo(const BmpInfo& info, size_t size)
{
  const int bits = info.Bits;
  if (bits != 1 && bits != 4 && bits != 8 && bits != 24 && bits != 32)
    FailBmp("Color depth is invalid. Bits per sample must be 1, 4, 8, 24 or 32 in %s files.");
  const bool fields = info.Compression == BiBitfields && bits == 32;
  if (info.Compression != BiRgb && !fields)
    throw Exception(FormatText("Cannot load image. %s not supported for %s files.", "The compression scheme is", "BMP"));
  CheckPictureSize(info.Width, info.Height, "BMP");
  const uint64_t stride = (uint64_t(info.Width) * uint64_t(bits) + 31) / 32 * 4;
  if (info.PixelOffset > size || stride * uint64_t(info.Height) > size - info.PixelOffset)
    FailBmp(InvalidFormat);
}

// The palette as BGRA; indexes past its end read black.
std::array<uint8_t, 256 * 4> ReadPalette(const uint8_t* data, size_t size, const BmpInfo& info)
{
  std::array<uint8_t, 256 * 4> palette{};
  const uint32_t full = 1u << info.Bits;
  const uint32_t count = info.PaletteCount == 0 || info.PaletteCount > full ? full : info.PaletteCount;
  for (uint32_t i = 0; i < count; ++i) {
    const size_t at = info.PaletteOffset + i * info.PaletteEntrySize;
    if (at + 3 > size || at + 3 > info.PixelOffset)
      FailBmp(InvalidFormat);
    std::memcpy(palette.data() + i * 4, data + at, 3);
  }
  for (size_t i = 3; i < palette.size(); i += 4)
    palette[i] = 255;
  return palette;
}

void ConvertIndexedRow(const uint8_t* row, const BmpInfo& info, const std::array<uint8_t, 256 * 4>& palette,
                       uint8_t* out)
{
  const int bits = info.Bits;
  for (int64_t x = 0; x < info.Width; ++x, out += 4) {
    const size_t bit = size_t(x) * size_t(bits);
    const unsigned index = (row[bit >> 3] >> (8 - bits - (bit & 7))) & ((1u << bits) - 1);
    std::memcpy(out, palette.data() + index * 4, 4);
  }
}

void ConvertFieldRow(const uint8_t* row, const BmpInfo& info, uint8_t* out)
{
  const Field red(info.Masks[0]), green(info.Masks[1]), blue(info.Masks[2]), alpha(info.Masks[3]);
  for (int64_t x = 0; x < info.Width; ++x, out += 4) {
    const uint32_t pixel = ReadLE32(row + x * 4);
    out[0] = blue.Extract(pixel);
    out[1] = green.Extract(pixel);
    out[2] = red.Extract(pixel);
    out[3] = alpha.Extract(pixel);
  }
}

void ConvertRow(const uint8_t* row, const BmpInfo& info, const std::array<uint8_t, 256 * 4>& palette, uint8_t* out)
{
  if (info.Bits <= 8)
    return ConvertIndexedRow(row, info, palette, out);
  if (info.Bits == 32)
    return ConvertFieldRow(row, info, out);
  for (int64_t x = 0; x < info.Width; ++x, out += 4, row += 3) {
    std::memcpy(out, row, 3);
    out[3] = 255;
  }
}

// 32-bit files often leave the alpha byte 0 to mean "no alpha".
void SettleAlpha(TBitmap32& picture, const BmpInfo& info)
{
  if (info.Bits != 32 || info.Masks[3] == 0) {
    MakeOpaque(picture);
    return;
  }
  bool anyAlpha = false;
  for (size_t i = 3; i < picture.Pixels.size() && !anyAlpha; i += 4)
    anyAlpha = picture.Pixels[i] != 0;
  if (anyAlpha)
    picture.HasAlpha = true;
  else
    MakeOpaque(picture);
}

}  // namespace

bool IsBmpSignature(const uint8_t* data, size_t size)
{
  return size >= 2 && data[0] == 'B' && data[1] == 'M';
}

TBitmap32 ReadBmp(const uint8_t* data, size_t size)
{
  const BmpInfo info = ReadInfo(data, size);
  CheckInfo(info, size);
  const auto palette = info.Bits <= 8 ? ReadPalette(data, size, info) : std::array<uint8_t, 256 * 4>{};
  TBitmap32 picture(int(info.Width), int(info.Height));
  const size_t stride = (size_t(info.Width) * size_t(info.Bits) + 31) / 32 * 4;
  for (int y = 0; y < picture.Height; ++y) {
    const int fileRow = info.TopDown ? y : picture.Height - 1 - y;
    ConvertRow(data + info.PixelOffset + size_t(fileRow) * stride, info, palette, picture.Scanline(y));
  }
  SettleAlpha(picture, info);
  return picture;
}

namespace {

void PutLE32(std::vector<uint8_t>& out, uint32_t value)
{
  for (int i = 0; i < 4; ++i)
    out.push_back(uint8_t(value >> (8 * i)));
}

void PutLE16(std::vector<uint8_t>& out, uint16_t value)
{
  out.push_back(uint8_t(value));
  out.push_back(uint8_t(value >> 8));
}

}  // namespace

std::vector<uint8_t> WriteBmp(const TBitmap32& picture)
{
  const int bits = picture.HasAlpha ? 32 : 24;
  const size_t stride = (size_t(picture.Width) * size_t(bits) + 31) / 32 * 4;
  const size_t pixelOffset = FileHeaderSize + 40;
  const size_t fileSize = pixelOffset + stride * size_t(picture.Height);
  std::vector<uint8_t> out;
  out.reserve(fileSize);
  out.push_back('B');
  out.push_back('M');
  for (const uint32_t value : {uint32_t(fileSize), 0u, uint32_t(pixelOffset), 40u, uint32_t(picture.Width),
                               uint32_t(picture.Height)})
    PutLE32(out, value);
  PutLE16(out, 1);
  PutLE16(out, uint16_t(bits));
  for (const uint32_t value : {BiRgb, uint32_t(stride * size_t(picture.Height)), 2835u, 2835u, 0u, 0u})
    PutLE32(out, value);
  for (int y = picture.Height - 1; y >= 0; --y) {
    const uint8_t* row = picture.Scanline(y);
    for (int x = 0; x < picture.Width; ++x)
      out.insert(out.end(), row + size_t(x) * 4, row + size_t(x) * 4 + bits / 8);
    out.resize(out.size() + stride - size_t(picture.Width) * size_t(bits / 8), 0);
  }
  return out;
}
