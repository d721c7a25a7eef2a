// The packed skin container: round trip, stream ends, damaged and hostile input.
#include "skin/core/PackedSkin.h"

#include <gtest/gtest.h>

#include <zlib.h>

namespace {

std::vector<uint8_t> Bytes(const std::string& text)
{
  return std::vector<uint8_t>(text.begin(), text.end());
}

std::vector<TacPackedEntry> SampleEntries()
{
  std::vector<uint8_t> picture(5000);
  for (size_t i = 0; i < picture.size(); ++i)
    picture[i] = static_cast<uint8_t>(i * 7);
  return {{"options.DAT", false, Bytes("[GLOBALINFO]\nVERSION=8\n")}, {"Face.Bmp", false, picture},
          {"glow.png", false, Bytes("png")}, {"empty.png", false, {}}};
}

void PutInt(std::vector<uint8_t>& out, int32_t value)
{
  for (int shift = 0; shift < 32; shift += 8)
    out.push_back(static_cast<uint8_t>(uint32_t(value) >> shift));
}

std::string ErrorOf(const std::vector<uint8_t>& data)
{
  try {
    ReadPackedSkin(data);
  } catch (const std::exception& error) {
    return error.what();
  }
  return "";
}

}  // namespace

TEST(PackedSkin, RoundTripFindsEveryStreamEnd)
{
  const std::vector<TacPackedEntry> entries = SampleEntries();
  const TacPackedSkin skin = ReadPackedSkin(WritePackedSkin(entries));
  EXPECT_EQ(skin.Options, "[GLOBALINFO]\nVERSION=8\n");
  ASSERT_EQ(skin.Pictures.size(), 3u);
  EXPECT_EQ(skin.Pictures[0].Data, entries[1].Data);
  EXPECT_TRUE(skin.Pictures[0].IsBitmap);
  EXPECT_FALSE(skin.Pictures[1].IsBitmap);
  EXPECT_EQ(skin.Find("FACE.BMP"), &skin.Pictures[0]);
  EXPECT_EQ(skin.Find("face.bmp"), &skin.Pictures[0]);
  EXPECT_EQ(skin.Find("face"), nullptr);
  EXPECT_TRUE(skin.Find("empty.png")->Data.empty());
}

TEST(PackedSkin, TakesExactlyTheDeclaredSizeOfALongerStream)
{
  const std::vector<uint8_t> text = Bytes("0123456789abcdef");
  uLongf packedSize = compressBound(text.size());
  std::vector<uint8_t> packed(packedSize);
  ASSERT_EQ(compress(packed.data(), &packedSize, text.data(), text.size()), Z_OK);
  std::vector<uint8_t> file = Bytes("ASzf");
  PutInt(file, 2);
  for (const char* name : {"a.png", "b.png"}) {
    PutInt(file, 5);
    file.insert(file.end(), name, name + 5);
    PutInt(file, 4);
    file.insert(file.end(), packed.begin(), packed.begin() + packedSize);
  }
  const TacPackedSkin skin = ReadPackedSkin(file);
  ASSERT_EQ(skin.Pictures.size(), 2u);
  EXPECT_EQ(skin.Pictures[1].Data, Bytes("0123"));
}

TEST(PackedSkin, WrongMagicIsNotAPackedSkin)
{
  EXPECT_EQ(ErrorOf(Bytes("PK\x03\x04 and more")), "Loaded data is not a packed skin file");
  EXPECT_EQ(ErrorOf({}), "Loaded data is not a packed skin file");
}

TEST(PackedSkin, EveryTruncationGivesAnErrorNotACrash)
{
  const std::vector<uint8_t> file = WritePackedSkin(SampleEntries());
  for (size_t length = 0; length < file.size(); ++length) {
    const std::vector<uint8_t> cut(file.begin(), file.begin() + length);
    EXPECT_NE(ErrorOf(cut), "") << length;
  }
}

TEST(PackedSkin, HostileCountsAndSizesAreRefusedBeforeAllocation)
{
  const auto header = [](int32_t count) {
    std::vector<uint8_t> file = Bytes("ASzf");
    PutInt(file, count);
    return file;
  };
  EXPECT_NE(ErrorOf(header(-1)), "");
  EXPECT_NE(ErrorOf(header(int32_t(kMaxPackedEntries) + 1)), "");
  std::vector<uint8_t> longName = header(1);
  PutInt(longName, 0x7FFFFFFF);
  EXPECT_NE(ErrorOf(longName), "");
  std::vector<uint8_t> bigEntry = header(1);
  PutInt(bigEntry, 1);
  bigEntry.push_back('a');
  PutInt(bigEntry, int32_t(kMaxPackedEntrySize) + 1);
  EXPECT_NE(ErrorOf(bigEntry), "");
  std::vector<uint8_t> lyingEntry = header(1);
  PutInt(lyingEntry, 1);
  lyingEntry.push_back('a');
  PutInt(lyingEntry, 1 << 20);  // a megabyte claimed from a few bytes of input
  lyingEntry.insert(lyingEntry.end(), {0x78, 0x9C, 0x03, 0x00});
  EXPECT_NE(ErrorOf(lyingEntry), "");
}

TEST(PackedSkin, CorruptStreamsAndShortOutputAreErrors)
{
  std::vector<uint8_t> file = WritePackedSkin({{"a.png", false, Bytes("some picture bytes")}});
  std::vector<uint8_t> corrupt = file;
  corrupt[corrupt.size() - 6] ^= 0xFF;
  EXPECT_NE(ErrorOf(corrupt), "");
  file[17] = 200;  // declared size larger than the stream gives
  EXPECT_NE(ErrorOf(file), "");
}
