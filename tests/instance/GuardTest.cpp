// The guard inside one process: owner and count errors, the record it keeps.

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <unistd.h>

#include "TestApp.h"
#include "instance/CommandLine.h"
#include "instance/InstCtrl.h"
#include "instance/SharedRecord.h"
#include "platform/Exception.h"
#include "platform/Form.h"

namespace {

std::string ErrorOf(const std::function<void()>& action)
{
  try {
    action();
  } catch (const Exception& error) {
    return error.what();
  }
  return {};
}

class GuardTest : public ::testing::Test {
protected:
  TApplication& app_ = TestApp();
  TForm form{nullptr};
};

TEST_F(GuardTest, OwnerMustBeAForm)
{
  TComponent plain(nullptr);
  EXPECT_EQ(ErrorOf([&] { new TOneInstance(&plain); }), "AOwner must be TForm or descendant");
  EXPECT_EQ(ErrorOf([&] { new TOneInstance(nullptr); }), "AOwner must be TForm or descendant");
  EXPECT_TRUE(plain.Components().empty());
  // The failed ones do not count: a guard can still be made.
  EXPECT_EQ(ErrorOf([&] { delete new TOneInstance(&form); }), "");
}

TEST_F(GuardTest, SecondGuardInOneProcessFails)
{
  auto* first = new TOneInstance(&form);
  TForm other(nullptr);
  EXPECT_EQ(ErrorOf([&] { new TOneInstance(&other); }),
            "Only one copy of TOneInstance can be used on one application");
  EXPECT_TRUE(other.Components().empty());
  delete first;
  EXPECT_EQ(ErrorOf([&] { delete new TOneInstance(&other); }), "");
}

TEST_F(GuardTest, PropertiesAndDefaults)
{
  auto* guard = new TOneInstance(&form);
  EXPECT_EQ(guard->MsgTransportTimeout(), 3000u);
  EXPECT_EQ(guard->MaxNewInstances(), 0);
  const std::u16string about = guard->About();
  EXPECT_EQ(about.rfind(u"TOneInstance\r\n\r\n", 0), 0u);
  EXPECT_GT(about.size(), std::u16string(u"TOneInstance\r\n\r\n").size());
  guard->SetAbout(u"changed");
  EXPECT_EQ(guard->About(), about);
}

// The record is named after this program file's size and holds id, limit and count.
TEST_F(GuardTest, RecordHoldsEndpointLimitAndCount)
{
  const auto size = static_cast<int32_t>(std::filesystem::file_size("/proc/self/exe"));
  auto* guard = new TOneInstance(&form);
  const std::string name = "TOneInstance::" + std::to_string(size);
  EXPECT_EQ(guard->RecordName(), name);
  EXPECT_EQ(ProgramFileSize(), static_cast<uint32_t>(size));
  auto record = SharedBlock::Open(name);
  ASSERT_TRUE(record && record->Map(6));
  EXPECT_FALSE(record->Map(7));
  ASSERT_TRUE(record->Map(6));
  uint32_t id = 0;
  std::memcpy(&id, record->Data(), 4);
  EXPECT_EQ(id, static_cast<uint32_t>(getpid()));
  EXPECT_EQ(record->Data()[4], 0);
  EXPECT_EQ(record->Data()[5], 0);
  guard->SetMaxNewInstances(-3);
  EXPECT_EQ(record->Data()[4], 0xFD);
  record->Data()[4] = 7;  // the record is where the limit lives
  EXPECT_EQ(guard->MaxNewInstances(), 7);
  delete guard;
  EXPECT_FALSE(SharedBlock::Open(name));
}

TEST(CommandLineTest, QuotesWhatWouldSplitDifferently)
{
  EXPECT_EQ(JoinCommandLine({"/opt/zz/player", "--x", "a b", ""}), "/opt/zz/player --x \"a b\" \"\"");
  EXPECT_EQ(JoinCommandLine({"say \"hi\"", "dir\\ x\\"}), "\"say \\\"hi\\\"\" \"dir\\ x\\\\\"");
  EXPECT_EQ(JoinCommandLine({"Příliš", "žluťoučký kůň"}), "Příliš \"žluťoučký kůň\"");
}

TEST(CommandLineTest, ReadsOwnArguments)
{
  const auto arguments = ProcessArguments();
  ASSERT_FALSE(arguments.empty());
  EXPECT_NE(arguments.front().find("instance_test"), std::string::npos);
}

}  // namespace
