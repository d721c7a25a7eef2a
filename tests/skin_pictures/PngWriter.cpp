#include "PngWriter.h"

#include <algorithm>
#include <cstdlib>
#include <random>
#include <zlib.h>

namespace {

void PutBE32(std::vector<uint8_t>& out, uint32_t value)
{
  for (int shift = 24; shift >= 0; shift -= 8)
    out.push_back(uint8_t(value >> shift));
}

// Packs the samples of one row of the given pixels (x0, x0 + dx, ...).
std::vector<uint8_t> PackRow(const TestPng& png, uint32_t y, uint32_t x0, uint32_t dx)
{
  const int channels = ChannelsOf(png.ColourType);
  std::vector<uint8_t> row;
  uint32_t bits = 0;
  int used = 0;
  for (uint32_t x = x0; x < png.Width; x += dx)
    for (int c = 0; c < channels; ++c) {
      const uint16_t value = png.Samples[(size_t(y) * png.Width + x) * channels + c];
      if (png.BitDepth == 16) {
        row.push_back(uint8_t(value >> 8));
        row.push_back(uint8_t(value));
        continue;
      }
      bits = bits << png.BitDepth | value;
      used += png.BitDepth;
      if (used == 8) {
        row.push_back(uint8_t(bits));
        bits = 0;
        used = 0;
      }
    }
  if (used > 0)
    row.push_back(uint8_t(bits << (8 - used)));
  return row;
}

uint8_t Predict(int filter, int left, int up, int upLeft)
{
  switch (filter) {
  case 1: return uint8_t(left);
  case 2: return uint8_t(up);
  case 3: return uint8_t((left + up) / 2);
  case 4: {
    const int p = left + up - upLeft;
    const int pa = std::abs(p - left), pb = std::abs(p - up), pc = std::abs(p - upLeft);
    return uint8_t(pa <= pb && pa <= pc ? left : pb <= pc ? up : upLeft);
  }
  default: return 0;
  }
}

void AppendFiltered(std::vector<uint8_t>& out, const std::vector<uint8_t>& row, const std::vector<uint8_t>& prior,
                    int filter, size_t stride)
{
  out.push_back(uint8_t(filter));
  for (size_t i = 0; i < row.size(); ++i) {
    const int left = i >= stride ? row[i - stride] : 0;
    const int up = prior.empty() ? 0 : prior[i];
    const int upLeft = i >= stride && !prior.empty() ? prior[i - stride] : 0;
    out.push_back(uint8_t(row[i] - Predict(filter, left, up, upLeft)));
  }
}

}  // namespace

TestPng NewTestPng(uint32_t width, uint32_t height, uint8_t depth, uint8_t colourType, bool interlaced)
{
  TestPng png;
  png.Width = width;
  png.Height = height;
  png.BitDepth = depth;
  png.ColourType = colourType;
  png.Interlaced = interlaced;
  return png;
}

int ChannelsOf(uint8_t colourType)
{
  switch (colourType) {
  case 2: return 3;
  case 4: return 2;
  case 6: return 4;
  default: return 1;
  }
}

void FillRandomSamples(TestPng& png, uint32_t seed)
{
  std::mt19937 random(seed);
  const uint32_t limit = png.ColourType == 3 ? uint32_t(png.Palette.size() / 3) : 1u << png.BitDepth;
  png.Samples.resize(size_t(png.Width) * png.Height * ChannelsOf(png.ColourType));
  for (uint16_t& sample : png.Samples)
    sample = uint16_t(random() % limit);
}

std::vector<uint8_t> FilteredImageData(const TestPng& png)
{
  static constexpr uint32_t start[7][2] = {{0, 0}, {4, 0}, {0, 4}, {2, 0}, {0, 2}, {1, 0}, {0, 1}};
  static constexpr uint32_t step[7][2] = {{8, 8}, {8, 8}, {4, 8}, {4, 4}, {2, 4}, {2, 2}, {1, 2}};
  const int bitsPerPixel = ChannelsOf(png.ColourType) * png.BitDepth;
  const size_t stride = bitsPerPixel >= 8 ? size_t(bitsPerPixel / 8) : 1;
  std::vector<uint8_t> out;
  const int passes = png.Interlaced ? 7 : 1;
  int filter = 0;
  for (int p = 0; p < passes; ++p) {
    const uint32_t x0 = png.Interlaced ? start[p][0] : 0, y0 = png.Interlaced ? start[p][1] : 0;
    const uint32_t dx = png.Interlaced ? step[p][0] : 1, dy = png.Interlaced ? step[p][1] : 1;
    if (x0 >= png.Width)
      continue;
    std::vector<uint8_t> prior;
    for (uint32_t y = y0; y < png.Height; y += dy) {
      const std::vector<uint8_t> row = PackRow(png, y, x0, dx);
      AppendFiltered(out, row, prior, filter++ % 5, stride);
      prior = row;
    }
  }
  out.resize(out.size() + png.ExtraImageBytes, 0);
  return out;
}

std::vector<uint8_t> Compress(const std::vector<uint8_t>& data)
{
  uLongf size = compressBound(uLong(data.size()));
  std::vector<uint8_t> out(size);
  compress2(out.data(), &size, data.data(), uLong(data.size()), 6);
  out.resize(size);
  return out;
}

std::vector<uint8_t> PngSignature()
{
  return {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
}

void AppendChunk(std::vector<uint8_t>& file, const std::string& type, const std::vector<uint8_t>& data)
{
  PutBE32(file, uint32_t(data.size()));
  const size_t typeAt = file.size();
  file.insert(file.end(), type.begin(), type.end());
  file.insert(file.end(), data.begin(), data.end());
  PutBE32(file, uint32_t(crc32(0, file.data() + typeAt, uInt(4 + data.size()))));
}

std::vector<uint8_t> HeaderChunkData(uint32_t width, uint32_t height, uint8_t depth, uint8_t colourType)
{
  std::vector<uint8_t> data;
  PutBE32(data, width);
  PutBE32(data, height);
  data.insert(data.end(), {depth, colourType, 0, 0, 0});
  return data;
}

std::vector<uint8_t> EncodePng(const TestPng& png)
{
  std::vector<uint8_t> file = PngSignature();
  std::vector<uint8_t> header = HeaderChunkData(png.Width, png.Height, png.BitDepth, png.ColourType);
  header[12] = png.Interlaced ? 1 : 0;
  AppendChunk(file, "IHDR", header);
  if (png.Gamma) {
    std::vector<uint8_t> gamma;
    PutBE32(gamma, *png.Gamma);
    AppendChunk(file, "gAMA", gamma);
  }
  if (!png.Palette.empty())
    AppendChunk(file, "PLTE", png.Palette);
  if (png.Transparency)
    AppendChunk(file, "tRNS", *png.Transparency);
  if (png.Background)
    AppendChunk(file, "bKGD", *png.Background);
  for (const auto& [type, data] : png.ExtraChunks)
    AppendChunk(file, type, data);
  const std::vector<uint8_t> compressed = Compress(FilteredImageData(png));
  for (size_t at = 0; at < compressed.size(); at += png.IdatSize) {
    const size_t end = std::min(compressed.size(), at + png.IdatSize);
    AppendChunk(file, "IDAT", std::vector<uint8_t>(compressed.begin() + at, compressed.begin() + end));
  }
  AppendChunk(file, "IEND", {});
  return file;
}
