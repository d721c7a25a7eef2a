// Decoding of generated PNG files in every colour type and bit depth, compared
// with the samples they were made from and with Qt's decoder.
#include "PngWriter.h"
#include "QtPeer.h"

#include "skin/core/PngDecoder.h"

#include <gtest/gtest.h>

#include <array>

namespace {

uint8_t ScaleTo8(uint16_t value, int depth)
{
  if (depth == 16)
    return uint8_t((uint32_t(value) * 255 + 32767) / 65535);
  return uint8_t(value * 255 / ((1 << depth) - 1));
}

uint16_t KeySample(const std::vector<uint8_t>& trns, size_t index)
{
  return uint16_t(trns[index * 2] << 8 | trns[index * 2 + 1]);
}

// The BGRA pixel the file should give at (x, y), gamma aside.
std::array<uint8_t, 4> ExpectedPixel(const TestPng& png, uint32_t x, uint32_t y)
{
  const int channels = ChannelsOf(png.ColourType);
  const uint16_t* s = png.Samples.data() + (size_t(y) * png.Width + x) * channels;
  const int d = png.BitDepth;
  const auto& trns = png.Transparency;
  switch (png.ColourType) {
  case 0: {
    const uint8_t g = ScaleTo8(s[0], d);
    return {g, g, g, uint8_t(trns && KeySample(*trns, 0) == s[0] ? 0 : 255)};
  }
  case 2: {
    const bool key = trns && KeySample(*trns, 0) == s[0] && KeySample(*trns, 1) == s[1] && KeySample(*trns, 2) == s[2];
    return {ScaleTo8(s[2], d), ScaleTo8(s[1], d), ScaleTo8(s[0], d), uint8_t(key ? 0 : 255)};
  }
  case 3: {
    const uint8_t* rgb = png.Palette.data() + size_t(s[0]) * 3;
    return {rgb[2], rgb[1], rgb[0], uint8_t(trns && s[0] < trns->size() ? (*trns)[s[0]] : 255)};
  }
  case 4: {
    const uint8_t g = ScaleTo8(s[0], d);
    return {g, g, g, ScaleTo8(s[1], d)};
  }
  default:
    return {ScaleTo8(s[2], d), ScaleTo8(s[1], d), ScaleTo8(s[0], d), ScaleTo8(s[3], d)};
  }
}

std::vector<uint8_t> RandomPalette(size_t entries, uint32_t seed)
{
  TestPng helper = NewTestPng(uint32_t(entries), 1, 8, 2);
  FillRandomSamples(helper, seed);
  return std::vector<uint8_t>(helper.Samples.begin(), helper.Samples.end());
}

TestPng MakePng(uint8_t colourType, uint8_t depth, bool interlaced, uint32_t width = 13, uint32_t height = 11)
{
  TestPng png = NewTestPng(width, height, depth, colourType, interlaced);
  if (colourType == 3)
    png.Palette = RandomPalette(size_t(1) << depth, depth * 7u + width);
  FillRandomSamples(png, depth * 31u + colourType * 5u + (interlaced ? 1 : 0) + width);
  png.IdatSize = 37;  // many IDAT chunks: the stream is inflated across them
  return png;
}

// Checks every pixel against the samples and against Qt's decoding of the same file.
void ExpectDecodedAsMade(const TestPng& png, bool expectAlpha)
{
  const std::vector<uint8_t> file = EncodePng(png);
  const TPngImage image = DecodePng(file.data(), file.size());
  ASSERT_EQ(image.Bitmap.Width, int(png.Width));
  ASSERT_EQ(image.Bitmap.Height, int(png.Height));
  EXPECT_EQ(image.Bitmap.HasAlpha, expectAlpha);
  for (uint32_t y = 0; y < png.Height; ++y)
    for (uint32_t x = 0; x < png.Width; ++x) {
      const std::array<uint8_t, 4> want = ExpectedPixel(png, x, y);
      const uint8_t* got = image.Bitmap.Scanline(int(y)) + x * 4;
      ASSERT_EQ(std::vector<uint8_t>(got, got + 4), std::vector<uint8_t>(want.begin(), want.end()))
          << "pixel " << x << "," << y;
    }
  EXPECT_LE(LargestDifference(image.Bitmap, DecodeWithQt(file, "PNG")), 1);
}

struct Format {
  uint8_t ColourType;
  std::vector<uint8_t> Depths;
};

const std::vector<Format> AllFormats = {
    {0, {1, 2, 4, 8, 16}}, {2, {8, 16}}, {3, {1, 2, 4, 8}}, {4, {8, 16}}, {6, {8, 16}}};

}  // namespace

TEST(PngDecoder, DecodesEveryColourTypeAndDepthPlainAndInterlaced)
{
  for (const Format& format : AllFormats)
    for (const uint8_t depth : format.Depths)
      for (const bool interlaced : {false, true}) {
        SCOPED_TRACE(testing::Message() << "type " << int(format.ColourType) << " depth " << int(depth)
                                        << (interlaced ? " interlaced" : ""));
        ExpectDecodedAsMade(MakePng(format.ColourType, depth, interlaced), format.ColourType >= 4);
      }
}

TEST(PngDecoder, InterlacedPicturesSmallerThanOnePassBlock)
{
  // Sizes where some of the seven passes are empty and carry no rows at all.
  for (const auto& [width, height] : std::vector<std::pair<uint32_t, uint32_t>>{{1, 1}, {2, 1}, {1, 3}, {5, 2}, {9, 9}})
    for (const uint8_t depth : {uint8_t(1), uint8_t(8), uint8_t(16)}) {
      SCOPED_TRACE(testing::Message() << width << "x" << height << " depth " << int(depth));
      ExpectDecodedAsMade(MakePng(0, depth, true, width, height), false);
    }
}

TEST(PngDecoder, ColourKeyTransparency)
{
  for (const bool interlaced : {false, true}) {
    TestPng grey = MakePng(0, 2, interlaced);
    grey.Transparency = std::vector<uint8_t>{0, uint8_t(grey.Samples[0])};
    ExpectDecodedAsMade(grey, true);

    TestPng grey16 = MakePng(0, 16, interlaced);
    grey16.Samples[5] = 0x1234;
    grey16.Transparency = std::vector<uint8_t>{0x12, 0x34};
    ExpectDecodedAsMade(grey16, true);

    TestPng rgb = MakePng(2, 8, interlaced);
    rgb.Samples[3] = 10, rgb.Samples[4] = 20, rgb.Samples[5] = 30;  // pixel 1 takes the key colour
    rgb.Samples[6] = 10, rgb.Samples[7] = 20, rgb.Samples[8] = 31;  // pixel 2 misses it by blue only
    rgb.Transparency = std::vector<uint8_t>{0, 10, 0, 20, 0, 30};
    ExpectDecodedAsMade(rgb, true);
  }
}

TEST(PngDecoder, PaletteTransparencyShorterThanPalette)
{
  TestPng png = MakePng(3, 4, false);
  png.Transparency = std::vector<uint8_t>{0, 128, 255, 7, 64};
  ExpectDecodedAsMade(png, true);
}

TEST(PngDecoder, TransparencyThatDoesNotFitTheColourTypeIsIgnored)
{
  TestPng png = MakePng(2, 8, false);
  png.Transparency = std::vector<uint8_t>{0, 1};  // a grey key on an RGB picture
  const std::vector<uint8_t> file = EncodePng(png);
  EXPECT_FALSE(DecodePng(file.data(), file.size()).Bitmap.HasAlpha);
}

TEST(PngDecoder, UnknownAncillaryChunkIsSkipped)
{
  TestPng png = MakePng(6, 8, false);
  png.ExtraChunks = {{"zzZz", {1, 2, 3}}, {"tEXt", {'a', 0, 'b'}}};
  ExpectDecodedAsMade(png, true);
}

TEST(PngDecoder, GammaCorrection)
{
  TestPng plain = MakePng(4, 8, false);
  plain.Samples[0] = 128;  // grey 128, alpha from the random samples
  const std::vector<uint8_t> plainFile = EncodePng(plain);
  const TBitmap32 reference = DecodePng(plainFile.data(), plainFile.size()).Bitmap;

  TestPng matching = plain;
  matching.Gamma = 45455;  // 1 / 2.2: what the display expects, nothing to correct
  const std::vector<uint8_t> matchingFile = EncodePng(matching);
  EXPECT_EQ(LargestDifference(DecodePng(matchingFile.data(), matchingFile.size()).Bitmap, reference), 0);

  TestPng linear = plain;
  linear.Gamma = 100000;  // linear samples: mid tones come out brighter
  const std::vector<uint8_t> linearFile = EncodePng(linear);
  const TBitmap32 corrected = DecodePng(linearFile.data(), linearFile.size()).Bitmap;
  EXPECT_NEAR(corrected.Pixels[0], 186, 1);  // 255 * (128 / 255)^(1 / 2.2)
  for (size_t i = 0; i < corrected.Pixels.size(); i += 4) {
    const uint8_t before = reference.Pixels[i], after = corrected.Pixels[i];
    EXPECT_TRUE(before == 0 || before == 255 ? after == before : after > before) << int(before) << " " << int(after);
    EXPECT_EQ(corrected.Pixels[i + 3], reference.Pixels[i + 3]) << "alpha is not gamma corrected";
  }
}

TEST(PngDecoder, BackgroundColour)
{
  TestPng rgb = MakePng(2, 16, false);
  rgb.Background = std::vector<uint8_t>{0xFF, 0xFF, 0x80, 0x00, 0x00, 0x00};
  std::vector<uint8_t> file = EncodePng(rgb);
  EXPECT_EQ(DecodePng(file.data(), file.size()).BackgroundColor, std::optional<uint32_t>(0x0080FF));

  TestPng grey = MakePng(0, 4, false);
  grey.Background = std::vector<uint8_t>{0, 5};
  file = EncodePng(grey);
  EXPECT_EQ(DecodePng(file.data(), file.size()).BackgroundColor, std::optional<uint32_t>(0x555555));

  TestPng indexed = MakePng(3, 8, false);
  indexed.Background = std::vector<uint8_t>{2};
  file = EncodePng(indexed);
  const uint8_t* entry = indexed.Palette.data() + 6;
  EXPECT_EQ(DecodePng(file.data(), file.size()).BackgroundColor,
            std::optional<uint32_t>(entry[0] | entry[1] << 8 | entry[2] << 16));

  file = EncodePng(MakePng(6, 8, false));
  EXPECT_FALSE(DecodePng(file.data(), file.size()).BackgroundColor.has_value());
}

TEST(PngDecoder, EveryByteInItsOwnChunk)
{
  TestPng png = MakePng(6, 16, true);
  png.IdatSize = 1;
  ExpectDecodedAsMade(png, true);
}
