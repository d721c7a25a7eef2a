// Skin directory resolution, the packed-file name and the ".asz" suffix rule.
#include "skin/core/SkinDirectory.h"

#include <gtest/gtest.h>

TEST(SkinDirectory, ResolvesRelativeToTheProgram)
{
  const std::string program = "/opt/zz/bin/";
  EXPECT_EQ(ResolveSkinDirectory("..\\Skins", program), "/opt/zz/Skins");
  EXPECT_EQ(ResolveSkinDirectory("../Skins", program), "/opt/zz/Skins");
  EXPECT_EQ(ResolveSkinDirectory("Skins", program), "/opt/zz/bin/Skins");
  EXPECT_EQ(ResolveSkinDirectory(".\\Skins", program), "/opt/zz/bin/Skins");
  EXPECT_EQ(ResolveSkinDirectory("./Skins", program), "/opt/zz/bin/Skins");
  EXPECT_EQ(ResolveSkinDirectory("c:\\Skins", program), "c:/Skins");
  EXPECT_EQ(ResolveSkinDirectory("\\\\server\\Skins", program), "//server/Skins");
  EXPECT_EQ(ResolveSkinDirectory("/srv/Skins", program), "/srv/Skins");
}

TEST(SkinDirectory, PackedSuffixIsDroppedFromLongerNamesOnly)
{
  EXPECT_EQ(StripPackedSuffix("BlackBox.asz"), "BlackBox");
  EXPECT_EQ(StripPackedSuffix("BlackBox.ASZ"), "BlackBox");
  EXPECT_EQ(StripPackedSuffix("X.asz"), "X");
  EXPECT_EQ(StripPackedSuffix(".asz"), ".asz");
  EXPECT_EQ(StripPackedSuffix("BlackBox"), "BlackBox");
}

TEST(SkinDirectory, PackedFileHasOneSeparator)
{
  EXPECT_EQ(PackedSkinPath("/a/Skins", "B"), "/a/Skins/B.asz");
  EXPECT_EQ(PackedSkinPath("/a/Skins//", "B"), "/a/Skins/B.asz");
  EXPECT_EQ(PackedSkinPath("c:\\Skins\\", "B"), "c:/Skins/B.asz");
}
