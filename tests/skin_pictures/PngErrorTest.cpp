// Damaged, unsupported and oversized PNG files: each gives its own message.
#include "PngWriter.h"

#include "skin/core/PngDecoder.h"
#include "skin/core/PngGraphic.h"
#include "platform/Exception.h"

#include <gtest/gtest.h>

#include <chrono>

namespace {

std::string ErrorOf(const std::vector<uint8_t>& file)
{
  try {
    DecodePng(file.data(), file.size());
  } catch (const Exception& error) {
    return error.what();
  }
  return "(loaded)";
}

TestPng SmallRgba()
{
  TestPng png = NewTestPng(6, 5, 8, 6);
  FillRandomSamples(png, 3);
  return png;
}

// A file from a header and image data given as they are, without checks.
std::vector<uint8_t> FileOf(const std::vector<uint8_t>& header, const std::vector<uint8_t>& compressed,
                            const std::vector<std::pair<std::string, std::vector<uint8_t>>>& before = {})
{
  std::vector<uint8_t> file = PngSignature();
  AppendChunk(file, "IHDR", header);
  for (const auto& [type, data] : before)
    AppendChunk(file, type, data);
  AppendChunk(file, "IDAT", compressed);
  AppendChunk(file, "IEND", {});
  return file;
}

std::vector<uint8_t> HeaderWith(size_t byte, uint8_t value)
{
  std::vector<uint8_t> header = HeaderChunkData(6, 5, 8, 6);
  header[byte] = value;
  return header;
}

const std::vector<uint8_t> SomeData = Compress(std::vector<uint8_t>(200, 0));

}  // namespace

TEST(PngErrors, HeaderProblems)
{
  const std::string invalid = "Cannot load image. Invalid or unexpected PNG image format.";
  std::vector<uint8_t> file = EncodePng(SmallRgba());
  file[1] = 'Q';
  EXPECT_EQ(ErrorOf(file), invalid) << "signature";

  file = PngSignature();
  AppendChunk(file, "IDAT", SomeData);
  EXPECT_EQ(ErrorOf(file), invalid) << "no header chunk first";

  EXPECT_EQ(ErrorOf(FileOf(std::vector<uint8_t>(12, 1), SomeData)), invalid) << "short header";
  EXPECT_EQ(ErrorOf(FileOf(HeaderChunkData(0, 5, 8, 6), SomeData)), invalid) << "zero width";
  EXPECT_EQ(ErrorOf(FileOf(HeaderWith(11, 1), SomeData)), invalid) << "filter method";
  EXPECT_EQ(ErrorOf(FileOf(HeaderWith(12, 2), SomeData)), invalid) << "interlace method";
  EXPECT_EQ(ErrorOf(FileOf(HeaderWith(10, 1), SomeData)),
            "Cannot load image. The compression scheme is not supported for PNG files.");
}

TEST(PngErrors, ColourFormatProblems)
{
  EXPECT_EQ(ErrorOf(FileOf(HeaderWith(9, 5), SomeData)), "Invalid color format in PNG file.");
  EXPECT_EQ(ErrorOf(FileOf(HeaderWith(8, 3), SomeData)),
            "Color depth is invalid. Bits per sample must be 1, 2, 4, 8 or 16.");
  EXPECT_EQ(ErrorOf(FileOf(HeaderChunkData(6, 5, 4, 2), SomeData)),
            "Color conversion failed. Could not find a proper method.");
  EXPECT_EQ(ErrorOf(FileOf(HeaderChunkData(6, 5, 16, 3), SomeData)),
            "Color conversion failed. Could not find a proper method.");
  EXPECT_EQ(ErrorOf(FileOf(HeaderChunkData(2, 2, 8, 3), Compress(std::vector<uint8_t>(6, 0)))),
            "Conversion between indexed and non-indexed pixel formats is not supported.");
}

TEST(PngErrors, PaletteLengthMustBeWholeEntries)
{
  const std::string invalid = "Cannot load image. Palette in PNG file is invalid.";
  const std::vector<uint8_t> header = HeaderChunkData(2, 2, 8, 3);
  const std::vector<uint8_t> data = Compress(std::vector<uint8_t>(6, 0));
  EXPECT_EQ(ErrorOf(FileOf(header, data, {{"PLTE", std::vector<uint8_t>(7, 1)}})), invalid);
  EXPECT_EQ(ErrorOf(FileOf(header, data, {{"PLTE", {}}})), invalid);
  EXPECT_EQ(ErrorOf(FileOf(header, data, {{"PLTE", std::vector<uint8_t>(257 * 3, 1)}})), invalid);
  EXPECT_EQ(ErrorOf(FileOf(header, data, {{"PLTE", std::vector<uint8_t>(9, 1)}})), "(loaded)");
}

TEST(PngErrors, ChunkProblems)
{
  TestPng png = SmallRgba();
  std::vector<uint8_t> file = EncodePng(png);
  file[file.size() - 20] ^= 0x40;  // inside the last IDAT's data, its CRC no longer fits
  EXPECT_EQ(ErrorOf(file), "Cannot load image. CRC error found in PNG file.");

  file = EncodePng(png);
  file[12 + 8 + 13 - 1] ^= 1;  // the header's CRC itself
  EXPECT_EQ(ErrorOf(file), "Cannot load image. CRC error found in PNG file.");

  png.ExtraChunks = {{"ABCD", {1, 2}}};
  EXPECT_EQ(ErrorOf(EncodePng(png)), "Cannot load PNG image. Unexpected but critical chunk detected.");
  png.ExtraChunks = {{"aBCD", {1, 2}}};
  EXPECT_EQ(ErrorOf(EncodePng(png)), "(loaded)");
}

TEST(PngErrors, ImageDataProblems)
{
  TestPng png = SmallRgba();
  const std::vector<uint8_t> header = HeaderChunkData(6, 5, 8, 6);
  const std::vector<uint8_t> filtered = FilteredImageData(png);

  png.ExtraImageBytes = 1;
  EXPECT_EQ(ErrorOf(EncodePng(png)), "Cannot load image. Extra compressed data found in PNG file.");

  std::vector<uint8_t> trailing = Compress(filtered);
  trailing.push_back(0);
  EXPECT_EQ(ErrorOf(FileOf(header, trailing)), "Cannot load image. Extra compressed data found in PNG file.");

  std::vector<uint8_t> extraChunk = EncodePng(SmallRgba());
  extraChunk.resize(extraChunk.size() - 12);  // IEND off, then a second stream after the first
  AppendChunk(extraChunk, "IDAT", Compress({0}));
  AppendChunk(extraChunk, "IEND", {});
  EXPECT_EQ(ErrorOf(extraChunk), "Cannot load image. Extra compressed data found in PNG file.");

  const std::vector<uint8_t> shortData(filtered.begin(), filtered.end() - 5);
  EXPECT_EQ(ErrorOf(FileOf(header, Compress(shortData))), "Cannot load image. Compression error found in PNG file.");
  EXPECT_EQ(ErrorOf(FileOf(header, {})), "Cannot load image. Compression error found in PNG file.");

  std::vector<uint8_t> badFilter = filtered;
  badFilter[0] = 5;
  EXPECT_EQ(ErrorOf(FileOf(header, Compress(badFilter))), "Cannot load image. Compression error found in PNG file.");

  EXPECT_EQ(ErrorOf(FileOf(header, {0x78, 0x9C, 0xFF, 0xFF, 0xFF, 0xFF})), "LZ77 decompression error.");
  std::vector<uint8_t> badChecksum = Compress(filtered);
  badChecksum.back() ^= 1;
  EXPECT_EQ(ErrorOf(FileOf(header, badChecksum)), "LZ77 decompression error.");
}

TEST(PngErrors, EveryTruncationFails)
{
  TestPng png = SmallRgba();
  png.Interlaced = true;
  png.IdatSize = 20;
  const std::vector<uint8_t> file = EncodePng(png);
  for (size_t length = 0; length < file.size(); ++length) {
    const std::vector<uint8_t> cut(file.begin(), file.begin() + length);
    EXPECT_NE(ErrorOf(cut), "(loaded)") << "cut at " << length;
  }
  const std::vector<uint8_t> cutInImage(file.begin(), file.begin() + 80);
  EXPECT_EQ(ErrorOf(cutInImage), "Cannot load image. Invalid or unexpected PNG image format.");
}

TEST(PngErrors, OversizedPicturesAreRefusedBeforeDecoding)
{
  const std::string tooLarge = "too large";
  for (const auto& [width, height, type] : std::vector<std::tuple<uint32_t, uint32_t, uint8_t>>{
           {16385, 1, 6}, {1, 16385, 0}, {16384, 16384, 6}, {9000, 8000, 0}, {0x7FFFFFFF, 0x7FFFFFFF, 6}}) {
    // Data for a whole picture would not fit; the refusal must come from the header.
    const auto start = std::chrono::steady_clock::now();
    const std::string error = ErrorOf(FileOf(HeaderChunkData(width, height, 8, type), SomeData));
    EXPECT_NE(error.find(tooLarge), std::string::npos) << width << "x" << height << ": " << error;
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(50));
  }
  EXPECT_EQ(ErrorOf(FileOf(HeaderChunkData(0x80000000u, 1, 8, 6), SomeData)),
            "Cannot load image. Invalid or unexpected PNG image format.");
  // 16384 x 4096 grey: 64 Mi pixels, 256 MiB as a bitmap, within bounds.
  const std::string error = ErrorOf(FileOf(HeaderChunkData(16384, 4096, 8, 0), SomeData));
  EXPECT_EQ(error.find(tooLarge), std::string::npos) << error;
}

TEST(PngErrors, FailedLoadLeavesPictureEmpty)
{
  TestPng png = SmallRgba();
  png.Background = std::vector<uint8_t>{0, 1, 0, 2, 0, 3};
  std::vector<uint8_t> file = EncodePng(png);
  TPNGGraphic graphic;
  graphic.LoadFromPng(file.data(), file.size());
  ASSERT_FALSE(graphic.Empty());
  ASSERT_TRUE(graphic.BackgroundColor().has_value());
  file[file.size() - 20] ^= 0x40;
  EXPECT_THROW(graphic.LoadFromPng(file.data(), file.size()), Exception);
  EXPECT_TRUE(graphic.Empty());
  EXPECT_FALSE(graphic.BackgroundColor().has_value());
}
