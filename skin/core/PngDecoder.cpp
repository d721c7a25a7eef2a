// PNG chunk reading: a flat driver over one function per chunk type.
#include "skin/core/PngDecoder.h"

#include "skin/core/PictureLimits.h"
#include "skin/core/PngInternal.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <string_view>
#include <zlib.h>

namespace png {

void Fail(const char* message)
{
  throw Exception(FormatText(message, "PNG"));
}

namespace {

constexpr uint8_t Signature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
constexpr const char* InvalidFormat = "Cannot load image. Invalid or unexpected %s image format.";

uint32_t ReadBE32(const uint8_t* p)
{
  return uint32_t(p[0]) << 24 | uint32_t(p[1]) << 16 | uint32_t(p[2]) << 8 | p[3];
}

uint16_t ReadBE16(const uint8_t* p)
{
  return uint16_t(p[0] << 8 | p[1]);
}

struct Chunk {
  std::string_view Type;
  const uint8_t* Data;
  uint32_t Length;
};

class Decoder {
public:
  Decoder(const uint8_t* data, size_t size) : FData(data), FSize(size) {}
  TPngImage Run();

private:
  Chunk NextChunk();
  void Process(const Chunk& chunk);
  void ProcessIHDR(const Chunk& chunk);
  void ProcessPLTE(const Chunk& chunk);
  void ProcessIDAT(const Chunk& chunk);
  void ProcessIEND();
  void ProcessTRNS(const Chunk& chunk);
  void ProcessGAMA(const Chunk& chunk);
  void ProcessBKGD(const Chunk& chunk);
  void ProcessUnknown(const Chunk& chunk);
  void CheckColourFormat() const;
  void BuildBitmap(std::vector<uint8_t>& raw);

  const uint8_t* FData;
  size_t FSize;
  size_t FPos = sizeof(Signature);
  Header FHeader;
  Colours FColours;
  std::unique_ptr<Inflater> FInflater;
  bool FEnded = false;
  TPngImage FImage;
};

TPngImage Decoder::Run()
{
  if (!IsPngSignature(FData, FSize))
    Fail(InvalidFormat);
  const Chunk first = NextChunk();
  if (first.Type != "IHDR")
    Fail(InvalidFormat);
  ProcessIHDR(first);
  while (!FEnded)
    Process(NextChunk());
  return std::move(FImage);
}

// Reads the next chunk and checks its CRC; a chunk past the end of the data means
// the file was cut short.
Chunk Decoder::NextChunk()
{
  if (FSize - FPos < 12)
    Fail(InvalidFormat);
  const uint8_t* start = FData + FPos;
  const uint32_t length = ReadBE32(start);
  if (length > 0x7FFFFFFFu || length > FSize - FPos - 12)
    Fail(InvalidFormat);
  [[maybe_unused]] const uint32_t stored = ReadBE32(start + 8 + length);
#ifndef FUZZING_BUILD_MODE_UNSAFE_FOR_PRODUCTION  // fuzzers cannot fix CRCs; let them past
  if (uint32_t(crc32(crc32(0, nullptr, 0), start + 4, length + 4)) != stored)
    Fail("Cannot load image. CRC error found in %s file.");
#endif
  FPos += size_t(length) + 12;
  return Chunk{std::string_view(reinterpret_cast<const char*>(start + 4), 4), start + 8, length};
}

void Decoder::Process(const Chunk& chunk)
{
  if (chunk.Type == "IDAT")
    ProcessIDAT(chunk);
  else if (chunk.Type == "PLTE")
    ProcessPLTE(chunk);
  else if (chunk.Type == "IEND")
    ProcessIEND();
  else if (chunk.Type == "tRNS")
    ProcessTRNS(chunk);
  else if (chunk.Type == "gAMA")
    ProcessGAMA(chunk);
  else if (chunk.Type == "bKGD")
    ProcessBKGD(chunk);
  else
    ProcessUnknown(chunk);
}

void Decoder::ProcessIHDR(const Chunk& chunk)
{
  if (chunk.Length != 13)
    Fail(InvalidFormat);
  const uint8_t* d = chunk.Data;
  FHeader.Width = ReadBE32(d);
  FHeader.Height = ReadBE32(d + 4);
  FHeader.BitDepth = d[8];
  FHeader.ColourType = d[9];
  FHeader.Interlace = d[12];
  if (FHeader.Width > 0x7FFFFFFFu || FHeader.Height > 0x7FFFFFFFu || d[11] != 0 || FHeader.Interlace > 1)
    Fail(InvalidFormat);
  if (d[10] != 0)
    throw Exception(FormatText("Cannot load image. %s not supported for %s files.", "The compression scheme is", "PNG"));
  CheckColourFormat();
  CheckPictureSize(FHeader.Width, FHeader.Height, "PNG");
  const uint64_t rawSize = RawSize(FHeader);
  CheckPictureSize(FHeader.Width, FHeader.Height, "PNG", rawSize);
  FInflater = std::make_unique<Inflater>(rawSize);
}

void Decoder::CheckColourFormat() const
{
  const uint8_t depth = FHeader.BitDepth;
  const uint8_t type = FHeader.ColourType;
  if (type != Grey && type != Rgb && type != Palette && type != GreyAlpha && type != Rgba)
    Fail("Invalid color format in %s file.");
  if (depth != 1 && depth != 2 && depth != 4 && depth != 8 && depth != 16)
    Fail("Color depth is invalid. Bits per sample must be 1, 2, 4, 8 or 16.");
  const bool allowed = type == Grey || (type == Palette ? depth <= 8 : depth >= 8);
  if (!allowed)
    Fail("Color conversion failed. Could not find a proper method.");
}

void Decoder::ProcessPLTE(const Chunk& chunk)
{
  if (chunk.Length % 3 != 0 || chunk.Length == 0 || chunk.Length > 256 * 3)
    Fail("Cannot load image. Palette in %s file is invalid.");
  std::memcpy(FColours.Palette.data(), chunk.Data, chunk.Length);
  FColours.PaletteSize = int(chunk.Length / 3);
}

void Decoder::ProcessIDAT(const Chunk& chunk)
{
  FInflater->Feed(chunk.Data, chunk.Length);
}

void Decoder::ProcessIEND()
{
  if (FHeader.ColourType == Palette && FColours.PaletteSize == 0)
    Fail("Conversion between indexed and non-indexed pixel formats is not supported.");
  BuildBitmap(FInflater->Finish());
  FEnded = true;
}

// Transparency that does not fit the colour type is ignored, as for any damaged
// ancillary chunk.
void Decoder::ProcessTRNS(const Chunk& chunk)
{
  if (FHeader.ColourType == Palette && chunk.Length <= 256) {
    FColours.PaletteAlpha.fill(255);
    std::memcpy(FColours.PaletteAlpha.data(), chunk.Data, chunk.Length);
    FColours.PaletteTransparency = true;
  } else if (FHeader.ColourType == Grey && chunk.Length == 2) {
    FColours.Key = std::array<uint16_t, 3>{ReadBE16(chunk.Data), 0, 0};
  } else if (FHeader.ColourType == Rgb && chunk.Length == 6) {
    FColours.Key = std::array<uint16_t, 3>{ReadBE16(chunk.Data), ReadBE16(chunk.Data + 2), ReadBE16(chunk.Data + 4)};
  }
}

void Decoder::ProcessGAMA(const Chunk& chunk)
{
  if (chunk.Length == 4 && ReadBE32(chunk.Data) > 0)
    FColours.Gamma = ReadBE32(chunk.Data) / 100000.0;
}

void Decoder::ProcessBKGD(const Chunk& chunk)
{
  const auto scale = [this](uint16_t value) {
    const uint32_t max = (1u << FHeader.BitDepth) - 1;
    return (std::min<uint32_t>(value, max) * 255 + max / 2) / max;
  };
  if (FHeader.ColourType == Palette && chunk.Length == 1) {
    const uint8_t* rgb = FColours.Palette.data() + size_t(chunk.Data[0]) * 3;
    FImage.BackgroundColor = uint32_t(rgb[0]) | uint32_t(rgb[1]) << 8 | uint32_t(rgb[2]) << 16;
  } else if ((FHeader.ColourType == Grey || FHeader.ColourType == GreyAlpha) && chunk.Length == 2) {
    const uint32_t grey = scale(ReadBE16(chunk.Data));
    FImage.BackgroundColor = grey | grey << 8 | grey << 16;
  } else if ((FHeader.ColourType == Rgb || FHeader.ColourType == Rgba) && chunk.Length == 6) {
    FImage.BackgroundColor =
        scale(ReadBE16(chunk.Data)) | scale(ReadBE16(chunk.Data + 2)) << 8 | scale(ReadBE16(chunk.Data + 4)) << 16;
  }
}

// Bit 5 of the first type byte clear marks a chunk a decoder must understand.
void Decoder::ProcessUnknown(const Chunk& chunk)
{
  if ((chunk.Type[0] & 0x20) == 0)
    throw Exception("Cannot load PNG image. Unexpected but critical chunk detected.");
}

void Decoder::BuildBitmap(std::vector<uint8_t>& raw)
{
  TBitmap32 bitmap(int(FHeader.Width), int(FHeader.Height));
  bitmap.HasAlpha = FHeader.ColourType == GreyAlpha || FHeader.ColourType == Rgba || FColours.Key ||
                    (FHeader.ColourType == Palette && FColours.PaletteTransparency);
  const RowConverter converter(FHeader, FColours);
  std::vector<uint8_t> line(size_t(FHeader.Width) * 4);
  size_t offset = 0;
  for (const Pass& pass : PassesOf(FHeader)) {
    const size_t rowBytes = FHeader.RowBytes(pass.Width);
    const std::vector<uint8_t> zeros(rowBytes, 0);
    const uint8_t* prior = zeros.data();
    for (uint32_t y = 0; y < pass.Height; ++y, offset += rowBytes + 1) {
      uint8_t* row = raw.data() + offset + 1;
      UnfilterRow(raw[offset], row, prior, rowBytes, FHeader.FilterStride());
      prior = row;
      uint8_t* target = bitmap.Scanline(int(pass.Y0 + y * pass.DY));
      const bool direct = pass.DX == 1;
      converter.Convert(row, pass.Width, direct ? target : line.data());
      for (uint32_t x = 0; !direct && x < pass.Width; ++x)
        std::memcpy(target + size_t(pass.X0 + x * pass.DX) * 4, line.data() + size_t(x) * 4, 4);
    }
  }
  FImage.Bitmap = std::move(bitmap);
}

}  // namespace

}  // namespace png

bool IsPngSignature(const uint8_t* data, size_t size)
{
  return size >= sizeof(png::Signature) && std::memcmp(data, png::Signature, sizeof(png::Signature)) == 0;
}

TPngImage DecodePng(const uint8_t* data, size_t size)
{
  return png::Decoder(data, size).Run();
}
