// BMP, JPEG and stored picture data, and the choice of reader by LoadPicture.
#include "PngWriter.h"
#include "QtPeer.h"

#include "skin/core/BmpReader.h"
#include "skin/core/JpegReader.h"
#include "skin/core/PictureFormats.h"
#include "skin/core/PictureLoader.h"
#include "skin/core/PngGraphic.h"
#include "platform/Exception.h"

#include <QBuffer>
#include <QImage>

#include <gtest/gtest.h>

#include <functional>
#include <random>

namespace {

struct TestBmp {
  int Width = 0;
  int Height = 0;
  int Bits = 24;
  bool TopDown = false;
  uint32_t Compression = 0;
  std::vector<uint32_t> Values;  // palette index, or the pixel as 0xAARRGGBB
  std::vector<uint32_t> Palette;  // 0x00RRGGBB
};

void Put32(std::vector<uint8_t>& out, uint32_t value)
{
  for (int i = 0; i < 4; ++i)
    out.push_back(uint8_t(value >> (8 * i)));
}

std::vector<uint8_t> EncodeBmp(const TestBmp& bmp)
{
  const size_t stride = (size_t(bmp.Width) * bmp.Bits + 31) / 32 * 4;
  const uint32_t offset = uint32_t(54 + bmp.Palette.size() * 4);
  std::vector<uint8_t> out = {'B', 'M'};
  Put32(out, uint32_t(offset + stride * bmp.Height));
  Put32(out, 0);
  Put32(out, offset);
  Put32(out, 40);
  Put32(out, uint32_t(bmp.Width));
  Put32(out, uint32_t(bmp.TopDown ? -bmp.Height : bmp.Height));
  Put32(out, 1u | uint32_t(bmp.Bits) << 16);
  Put32(out, bmp.Compression);
  for (const uint32_t value : {0u, 0u, 0u, uint32_t(bmp.Palette.size()), 0u})
    Put32(out, value);
  for (const uint32_t entry : bmp.Palette)
    Put32(out, entry);
  for (int row = 0; row < bmp.Height; ++row) {
    const int y = bmp.TopDown ? row : bmp.Height - 1 - row;
    std::vector<uint8_t> line(stride, 0);
    for (int x = 0; x < bmp.Width; ++x) {
      const uint32_t value = bmp.Values[size_t(y) * bmp.Width + x];
      if (bmp.Bits <= 8)
        line[size_t(x) * bmp.Bits / 8] |= uint8_t(value << (8 - bmp.Bits - (x * bmp.Bits) % 8));
      else
        for (int b = 0; b < bmp.Bits / 8; ++b)
          line[size_t(x) * bmp.Bits / 8 + b] = uint8_t(value >> (8 * b));
    }
    out.insert(out.end(), line.begin(), line.end());
  }
  return out;
}

TestBmp RandomBmp(int bits, bool topDown, uint32_t seed)
{
  std::mt19937 random(seed);
  TestBmp bmp;
  bmp.Width = 13;
  bmp.Height = 7;
  bmp.Bits = bits;
  bmp.TopDown = topDown;
  if (bits <= 8)
    for (int i = 0; i < (1 << bits) - (bits == 8 ? 56 : 0); ++i)  // 8 bits: a short palette
      bmp.Palette.push_back(random() & 0xFFFFFF);
  for (int i = 0; i < bmp.Width * bmp.Height; ++i)
    bmp.Values.push_back(bits <= 8 ? uint32_t(random() % bmp.Palette.size()) : uint32_t(random()));
  return bmp;
}

uint32_t PixelValue(const TBitmap32& picture, int x, int y)
{
  const uint8_t* p = picture.Scanline(y) + size_t(x) * 4;
  return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}

uint32_t ExpectedBmpPixel(const TestBmp& bmp, int x, int y)
{
  const uint32_t value = bmp.Values[size_t(y) * bmp.Width + x];
  if (bmp.Bits <= 8)
    return bmp.Palette[value] | 0xFF000000;
  return bmp.Bits == 24 ? (value | 0xFF000000) : value;
}

template <typename Reader>
std::string ErrorOf(Reader read, const std::vector<uint8_t>& data)
{
  try {
    read(data.data(), data.size());
  } catch (const Exception& error) {
    return error.what();
  }
  return "(loaded)";
}

void ExpectEveryTruncationFails(const std::function<TBitmap32(const uint8_t*, size_t)>& read,
                                const std::vector<uint8_t>& file)
{
  for (size_t length = 0; length < file.size(); ++length)
    ASSERT_NE(ErrorOf(read, std::vector<uint8_t>(file.begin(), file.begin() + length)), "(loaded)")
        << "cut at " << length;
}

std::vector<uint8_t> QtJpeg(const QImage& image)
{
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "JPEG", 90);
  return std::vector<uint8_t>(bytes.begin(), bytes.end());
}

QImage Gradient(QImage::Format format)
{
  QImage image(40, 24, QImage::Format_RGB32);
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      image.setPixel(x, y, qRgb(x * 6, y * 10, 255 - x * 3));
  return image.convertToFormat(format);
}

}  // namespace

TEST(BmpReader, EveryDepthBothRowOrders)
{
  for (const int bits : {1, 4, 8, 24, 32})
    for (const bool topDown : {false, true}) {
      SCOPED_TRACE(testing::Message() << bits << " bits" << (topDown ? " top-down" : ""));
      const TestBmp bmp = RandomBmp(bits, topDown, uint32_t(bits * 2 + topDown));
      const std::vector<uint8_t> file = EncodeBmp(bmp);
      const TBitmap32 picture = ReadBmp(file.data(), file.size());
      ASSERT_EQ(picture.Width, bmp.Width);
      ASSERT_EQ(picture.Height, bmp.Height);
      EXPECT_EQ(picture.HasAlpha, bits == 32);
      for (int y = 0; y < bmp.Height; ++y)
        for (int x = 0; x < bmp.Width; ++x)
          ASSERT_EQ(PixelValue(picture, x, y), ExpectedBmpPixel(bmp, x, y)) << x << "," << y;
      if (bits != 32) {  // Qt ignores the alpha byte of 32-bit files
        EXPECT_EQ(LargestDifference(picture, DecodeWithQt(file, "BMP")), 0);
      }
    }
}

TEST(BmpReader, ThirtyTwoBitsWithoutAlphaAreOpaque)
{
  TestBmp bmp = RandomBmp(32, false, 9);
  for (uint32_t& value : bmp.Values)
    value &= 0xFFFFFF;
  std::vector<uint8_t> file = EncodeBmp(bmp);
  TBitmap32 picture = ReadBmp(file.data(), file.size());
  EXPECT_FALSE(picture.HasAlpha);
  EXPECT_EQ(PixelValue(picture, 3, 2), ExpectedBmpPixel(bmp, 3, 2) | 0xFF000000);

  // Bit fields with three masks (red in the low byte here) and no alpha mask.
  bmp.Compression = 3;
  file = EncodeBmp(bmp);
  const std::vector<uint8_t> masks = {0xFF, 0, 0, 0, 0, 0xFF, 0, 0, 0, 0, 0xFF, 0};
  file.insert(file.begin() + 54, masks.begin(), masks.end());
  file[10] = uint8_t(file[10] + masks.size());
  picture = ReadBmp(file.data(), file.size());
  const uint32_t value = bmp.Values[size_t(2) * bmp.Width + 3];
  const uint32_t swapped = (value >> 16 & 0xFF) | (value & 0xFF00) | (value & 0xFF) << 16;
  EXPECT_EQ(PixelValue(picture, 3, 2), swapped | 0xFF000000);
  EXPECT_FALSE(picture.HasAlpha);
}

TEST(BmpReader, WrittenFilesReadBack)
{
  for (const bool alpha : {false, true}) {
    TBitmap32 picture(7, 5);
    std::mt19937 random(alpha);
    for (uint8_t& byte : picture.Pixels)
      byte = uint8_t(random());
    picture.HasAlpha = alpha;
    if (!alpha)
      MakeOpaque(picture);
    const std::vector<uint8_t> file = WriteBmp(picture);
    EXPECT_EQ(file[28], alpha ? 32 : 24);
    const TBitmap32 back = ReadBmp(file.data(), file.size());
    EXPECT_EQ(back.Pixels, picture.Pixels);
    EXPECT_EQ(back.HasAlpha, alpha);
    if (!alpha) {
      EXPECT_EQ(LargestDifference(back, DecodeWithQt(file, "BMP")), 0);
    }
  }
}

TEST(BmpReader, DamagedAndUnsupportedFiles)
{
  const std::vector<uint8_t> file = EncodeBmp(RandomBmp(4, false, 1));
  ExpectEveryTruncationFails(ReadBmp, file);

  std::vector<uint8_t> rle = EncodeBmp(RandomBmp(8, false, 2));
  rle[30] = 1;
  EXPECT_EQ(ErrorOf(ReadBmp, rle), "Cannot load image. The compression scheme is not supported for BMP files.");
  std::vector<uint8_t> sixteen = EncodeBmp(RandomBmp(24, false, 3));
  sixteen[28] = 16;
  EXPECT_NE(ErrorOf(ReadBmp, sixteen).find("Color depth is invalid"), std::string::npos);
  std::vector<uint8_t> huge = EncodeBmp(RandomBmp(24, false, 4));
  huge[19] = 0x50;  // width 0x500000 + 13
  EXPECT_NE(ErrorOf(ReadBmp, huge).find("too large"), std::string::npos);
  std::vector<uint8_t> notBmp = file;
  notBmp[0] = 'X';
  EXPECT_EQ(ErrorOf(ReadBmp, notBmp), "Cannot load image. Invalid or unexpected BMP image format.");
}

TEST(JpegReader, ColourAndGreyMatchQt)
{
  for (const QImage::Format format : {QImage::Format_RGB32, QImage::Format_Grayscale8}) {
    const std::vector<uint8_t> file = QtJpeg(Gradient(format));
    const TBitmap32 picture = ReadJpeg(file.data(), file.size());
    EXPECT_EQ(picture.Width, 40);
    EXPECT_EQ(picture.Height, 24);
    EXPECT_FALSE(picture.HasAlpha);
    EXPECT_LE(LargestDifference(picture, DecodeWithQt(file, "JPEG")), 2);
    // Close to the gradient it was made from, too: JPEG loses little on smooth pictures.
    const QImage source = Gradient(format).convertToFormat(QImage::Format_ARGB32);
    for (const auto& [x, y] : {std::pair{20, 12}, std::pair{5, 20}})
      EXPECT_NEAR(picture.Scanline(y)[size_t(x) * 4 + 2], qRed(source.pixel(x, y)), 6);
  }
}

TEST(JpegReader, DamagedFilesFailInsteadOfExiting)
{
  const std::vector<uint8_t> file = QtJpeg(Gradient(QImage::Format_RGB32));
  ExpectEveryTruncationFails(ReadJpeg, std::vector<uint8_t>(file.begin(), file.end() - 2));
  EXPECT_NE(ErrorOf(ReadJpeg, {0xFF, 0xD8, 0xFF, 0x00, 1, 2, 3}).find("Invalid or unexpected JPEG image format"),
            std::string::npos);

  std::vector<uint8_t> huge = file;
  for (size_t i = 0; i + 8 < huge.size(); ++i)
    if (huge[i] == 0xFF && huge[i + 1] == 0xC0) {  // baseline frame header: height, width follow the precision
      huge[i + 5] = 0x4E;
      huge[i + 7] = 0x4E;
      break;
    }
  EXPECT_NE(ErrorOf(ReadJpeg, huge).find("too large"), std::string::npos);
}

TEST(StoredPicture, TwentyFourBitPayloadLoadsAndDrawsLikePlainBitmap)
{
  const TestBmp bmp = RandomBmp(24, false, 11);
  const std::vector<uint8_t> plain = EncodeBmp(bmp);
  std::vector<uint8_t> stored = {11, 'T', 'P', 'N', 'G', 'G', 'r', 'a', 'p', 'h', 'i', 'c'};
  Put32(stored, uint32_t(plain.size()));
  stored.insert(stored.end(), plain.begin(), plain.end());

  TPNGGraphic graphic;
  graphic.LoadFromStoredData(stored.data(), stored.size());
  const TBitmap32 reference = ReadBmp(plain.data(), plain.size());
  EXPECT_EQ(graphic.Bitmap().Pixels, reference.Pixels);
  EXPECT_FALSE(graphic.Bitmap().HasAlpha);

  TBitmap32 drawn(20, 10), copied(20, 10);
  graphic.Draw(drawn, {2, 1, 13, 7});
  DrawPicture(copied, reference, {2, 1, 13, 7});
  EXPECT_EQ(drawn.Pixels, copied.Pixels);

  EXPECT_EQ(LoadPicture(stored, "logo")->Pixels, reference.Pixels);
  ExpectEveryTruncationFails(ReadStoredPicture, stored);
}

TEST(StoredPicture, WriterAndReaderAgree)
{
  TBitmap32 picture(5, 3);
  for (size_t i = 0; i < picture.Pixels.size(); ++i)
    picture.Pixels[i] = uint8_t(i * 7);
  picture.HasAlpha = true;
  const std::vector<uint8_t> stored = WriteStoredPicture(picture);
  EXPECT_EQ(stored[0], 11);
  EXPECT_EQ(std::string(stored.begin() + 1, stored.begin() + 12), "TPNGGraphic");
  EXPECT_EQ(stored[12] | stored[13] << 8, int(stored.size() - 16));
  EXPECT_EQ(stored[16], 'B');
  const TBitmap32 back = ReadStoredPicture(stored.data(), stored.size());
  EXPECT_EQ(back.Pixels, picture.Pixels);
  EXPECT_TRUE(back.HasAlpha);
}

TEST(LoadPicture, SignatureFirstThenExtension)
{
  TestPng png = NewTestPng(3, 2, 8, 6);
  FillRandomSamples(png, 1);
  const std::vector<uint8_t> pngFile = EncodePng(png);
  EXPECT_TRUE(LoadPicture(pngFile, "named wrongly.bmp")->HasAlpha);
  EXPECT_EQ(LoadPicture(QtJpeg(Gradient(QImage::Format_RGB32)), "texture.png")->Width, 40);
  EXPECT_EQ(LoadPicture(EncodeBmp(RandomBmp(8, true, 5)), "x")->Height, 7);

  const std::vector<uint8_t> junk = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16};
  const auto errorFor = [&junk](const std::string& name) {
    return ErrorOf([&name](const uint8_t* d, size_t n) { return LoadPicture({d, d + n}, name); }, junk);
  };
  EXPECT_EQ(errorFor("Skins/a.dir/PICTURE.PNG"), "Cannot load image. Invalid or unexpected PNG image format.");
  EXPECT_EQ(errorFor("b.bmp"), "Cannot load image. Invalid or unexpected BMP image format.");
  EXPECT_NE(errorFor("c.Jpeg").find("Invalid or unexpected JPEG image format"), std::string::npos);
  EXPECT_EQ(errorFor("d.txt"), "Cannot load image. Invalid or unexpected TXT image format.");
  EXPECT_EQ(errorFor("e.dir/noextension"), "Cannot load image. Invalid or unexpected picture image format.");
}

TEST(PictureFormats, PngClassIsRegisteredAndRegistrationsDecideByExtension)
{
  const auto png = FindFileFormat("PNG");
  ASSERT_TRUE(png.has_value());
  EXPECT_EQ(png->Description, "Portable network graphics (skin engine)");
  EXPECT_TRUE(FindFileFormat("bmp").has_value());
  EXPECT_FALSE(FindFileFormat("gif").has_value());

  // A reader registered for an extension serves data without a known signature.
  static const TPictureReader fake = [](const uint8_t*, size_t) { return TBitmap32(3, 2); };
  const std::vector<uint8_t> unknown = {'G', 'I', 'F', '8'};
  EXPECT_THROW(LoadPicture(unknown, "x.gif"), Exception);
  RegisterFileFormat("GIF", "test", fake);
  EXPECT_EQ(LoadPicture(unknown, "x.gif")->Width, 3);
  UnregisterFileFormat(fake);
  EXPECT_THROW(LoadPicture(unknown, "x.gif"), Exception);
}
