#pragma once
// A small PNG encoder for the tests: any colour type, bit depth, Adam7, every filter
// type, and the ancillary chunks the decoder knows, so test images are made here
// rather than shipped.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

struct TestPng {
  uint32_t Width = 0;
  uint32_t Height = 0;
  uint8_t BitDepth = 8;
  uint8_t ColourType = 6;
  bool Interlaced = false;
  // Width * Height * channels samples, each below 2^BitDepth, row by row.
  std::vector<uint16_t> Samples;
  std::vector<uint8_t> Palette;  // RGB triples
  std::optional<std::vector<uint8_t>> Transparency;  // tRNS payload as stored
  std::optional<uint32_t> Gamma;  // gAMA value (gamma x 100000)
  std::optional<std::vector<uint8_t>> Background;  // bKGD payload as stored
  // Extra chunks written before the image data: type and payload.
  std::vector<std::pair<std::string, std::vector<uint8_t>>> ExtraChunks;
  // Bytes appended to the image data before compressing (to make too much data).
  size_t ExtraImageBytes = 0;
  size_t IdatSize = 1000;  // the compressed stream is split into chunks of this size
};

TestPng NewTestPng(uint32_t width, uint32_t height, uint8_t depth, uint8_t colourType, bool interlaced = false);
int ChannelsOf(uint8_t colourType);
// Random samples for every pixel of png (palette indexes stay below the palette size).
void FillRandomSamples(TestPng& png, uint32_t seed);
std::vector<uint8_t> EncodePng(const TestPng& png);

// Building blocks for damaged files.
void AppendChunk(std::vector<uint8_t>& file, const std::string& type, const std::vector<uint8_t>& data);
std::vector<uint8_t> PngSignature();
std::vector<uint8_t> HeaderChunkData(uint32_t width, uint32_t height, uint8_t depth, uint8_t colourType);
// The filtered rows of png, before compression.
std::vector<uint8_t> FilteredImageData(const TestPng& png);
std::vector<uint8_t> Compress(const std::vector<uint8_t>& data);
