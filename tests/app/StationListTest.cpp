#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "app/StationList.h"
#include "platform/Exception.h"

namespace {

// Fills an array from content and returns the error text ("" when none).
std::string Fill(const std::string& content, TStationArray& stations)
{
  try {
    FillStations(SplitStationLines(content), stations);
  } catch (const Exception& error) {
    return error.what();
  }
  return "";
}

void ExpectRecord(const TStationArray& stations, size_t slot, const char* address, const char* line2, const char* line3)
{
  ASSERT_LT(slot, stations.size());
  ASSERT_TRUE(stations[slot]);
  EXPECT_EQ(stations[slot]->Address, address);
  EXPECT_EQ(stations[slot]->Line2, line2);
  EXPECT_EQ(stations[slot]->Line3, line3);
}

}  // namespace

TEST(StationLines, AllLineEndsSplitAlikeAndAFinalEndAddsNoLine)
{
  const std::vector<std::string> expected = {"a", "", "c "};
  for (const char* content : {"a\n\nc ", "a\r\rc ", "a\r\n\r\nc ", "a\r\n\nc \r\n", "a\r\rc \n"})
    EXPECT_EQ(SplitStationLines(content), expected) << content;
  EXPECT_TRUE(SplitStationLines("").empty());
  EXPECT_EQ(SplitStationLines("\n").size(), 1u);
}

TEST(StationLines, NulEndsTheContentAndAByteOrderMarkStays)
{
  EXPECT_EQ(SplitStationLines(std::string("one\ntw\0o\nthree", 15)), (std::vector<std::string>{"one", "tw"}));
  EXPECT_EQ(SplitStationLines("\xEF\xBB\xBFhttp://x\n")[0], "\xEF\xBB\xBFhttp://x");
}

TEST(Stations, WholeRecordsFillSlotsFromOne)
{
  TStationArray stations;
  EXPECT_EQ(Fill("http://a \nA\nB\n", stations), "");
  ASSERT_EQ(stations.size(), 2u);
  EXPECT_FALSE(stations[0]);
  ExpectRecord(stations, 1, "http://a ", "A", "B");

  EXPECT_EQ(Fill("1\n2\n3\n4\n5\n6", stations), "");
  ASSERT_EQ(stations.size(), 3u);
  ExpectRecord(stations, 1, "1", "2", "3");
  ExpectRecord(stations, 2, "4", "5", "6");
}

TEST(Stations, IncompleteRecordFailsAtTheFirstMissingLine)
{
  TStationArray stations;
  EXPECT_EQ(Fill("1\n2\n3\n\n", stations), "List index out of bounds (4)");
  ASSERT_EQ(stations.size(), 3u);
  ExpectRecord(stations, 1, "1", "2", "3");
  ExpectRecord(stations, 2, "", "", "");

  EXPECT_EQ(Fill("1\n2\n3\n4\n5", stations), "List index out of bounds (5)");
  ExpectRecord(stations, 2, "4", "5", "");

  EXPECT_EQ(Fill(std::string("1\n2\0\n3", 6), stations), "List index out of bounds (2)");
  ExpectRecord(stations, 1, "1", "2", "");
}

TEST(Stations, EmptyContentGivesOneEmptyRecordAndIndexZero)
{
  TStationArray stations;
  EXPECT_EQ(Fill("", stations), "List index out of bounds (0)");
  ASSERT_EQ(stations.size(), 2u);
  ExpectRecord(stations, 1, "", "", "");
}

TEST(Stations, MissingFileNamesPathAndReasonAndLeavesTheArray)
{
  const auto path = std::filesystem::temp_directory_path() / "zz-no-such-dir" / "tvstations.txt";
  TStationArray stations;
  try {
    LoadStationsFromFile(path.string(), stations);
    FAIL() << "no error";
  } catch (const Exception& error) {
    EXPECT_EQ(std::string(error.what()), "Cannot open file \"" + path.string() + "\". No such file or directory");
  }
  EXPECT_TRUE(stations.empty());

  const auto folder = std::filesystem::temp_directory_path() / "zz-stations-folder" / "tvstations.txt";
  std::filesystem::create_directories(folder);
  try {
    LoadStationsFromFile(folder.string(), stations);
    FAIL() << "no error";
  } catch (const Exception& error) {
    EXPECT_EQ(std::string(error.what()), "Cannot open file \"" + folder.string() + "\". Is a directory");
  }
  std::filesystem::remove_all(folder.parent_path());
}

TEST(Stations, FileIsReadByteForByte)
{
  const auto path = std::filesystem::temp_directory_path() / "zz-stations-test.txt";
  std::ofstream(path, std::ios::binary) << "\xEF\xBB\xBF/tmp/k\xE1m.mp4\r\nN\xE1zev\r\n\r\n";
  TStationArray stations;
  LoadStationsFromFile(path.string(), stations);
  ExpectRecord(stations, 1, "\xEF\xBB\xBF/tmp/k\xE1m.mp4", "N\xE1zev", "");
  std::filesystem::remove(path);
}

TEST(Stations, HugeFileIsRefusedWithoutReadingIt)
{
  const auto path = std::filesystem::temp_directory_path() / "zz-stations-huge.txt";
  std::filesystem::remove(path);
  std::ofstream(path, std::ios::binary) << "x";
  std::filesystem::resize_file(path, 1ull << 40);  // sparse: a terabyte that takes no disk
  TStationArray stations;
  try {
    LoadStationsFromFile(path.string(), stations);
    FAIL() << "no error";
  } catch (const Exception& error) {
    EXPECT_EQ(std::string(error.what()), "Cannot open file \"" + path.string() + "\". File too large");
  }
  EXPECT_TRUE(stations.empty());
  std::filesystem::remove(path);
}
