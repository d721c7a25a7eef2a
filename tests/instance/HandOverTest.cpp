// The hand-over protocol against a guard in this process; the sending side runs
// on a thread of its own, as a new copy would in its own process.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <chrono>
#include <cstring>
#include <future>
#include <unistd.h>

#include "TestApp.h"
#include "instance/HandOver.h"
#include "instance/InstCtrl.h"
#include "instance/MessageEndpoint.h"
#include "instance/SharedRecord.h"
#include "platform/Form.h"

namespace {

using namespace std::chrono_literals;

struct Delivery {
  uint32_t h;
  std::u16string text;
  bool senderReleased;
};

class HandOverTest : public ::testing::Test {
protected:
  HandOverTest()
  {
    guard->OnNewInstanceLoad = [this](uint32_t h, const char16_t* text) {
      // The reply must have released the sender before the event runs.
      const bool released = pending_.valid() && pending_.wait_for(1s) == std::future_status::ready;
      deliveries.push_back({h, text, released});
    };
  }

  // Runs send on another thread and serves the guard's events until it is done.
  template <typename Send>
  auto Serve(Send send)
  {
    pending_ = std::async(std::launch::async, send).share();
    const auto deadline = std::chrono::steady_clock::now() + 5s;
    while (pending_.wait_for(1ms) != std::future_status::ready && std::chrono::steady_clock::now() < deadline)
      QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    return pending_;
  }

  static uint32_t Self() { return static_cast<uint32_t>(getpid()); }

  TApplication& app_ = TestApp();
  TForm form{nullptr};
  TOneInstance* guard = new TOneInstance(&form);
  std::vector<Delivery> deliveries;

private:
  std::shared_future<std::optional<uint32_t>> pending_;
};

TEST_F(HandOverTest, CommandLineArrivesAfterTheReply)
{
  const std::string line = "/opt/zz/player \"Příliš žluťoučký kůň.mp3\"";
  EXPECT_EQ(Serve([&] { return SendCommandLine(Self(), 777, line, 3000ms); }).get(), 1u);
  ASSERT_EQ(deliveries.size(), 1u);
  EXPECT_EQ(deliveries[0].h, 777u);
  EXPECT_EQ(deliveries[0].text, u"/opt/zz/player \"Příliš žluťoučký kůň.mp3\"");
  EXPECT_TRUE(deliveries[0].senderReleased);
  EXPECT_FALSE(SharedBlock::Open(SizeBlockName(777)));
  EXPECT_FALSE(SharedBlock::Open(TextBlockName(777)));
}

TEST_F(HandOverTest, BlockNamesCarryTheId)
{
  EXPECT_EQ(SizeBlockName(4242), "TOneInstance::ShareStrMapName::4242");
  EXPECT_EQ(TextBlockName(4242), "TOneInstance::ShareStrMapName::4242::4242");
  EXPECT_EQ(SizeBlockName(0xFFFFFFFF), "TOneInstance::ShareStrMapName::-1");
}

TEST_F(HandOverTest, OtherMessagesGetZeroAndNoEvent)
{
  const auto send = [&](TransportMessage message) {
    return Serve([=] { return MessageEndpoint::Send(Self(), message, 2000ms); }).get();
  };
  EXPECT_EQ(send({WM_NEWINSTANCE, 779, 0}), 0u);
  EXPECT_EQ(send({0x400, 779, WM_NEWINSTANCE}), 0u);
  // The right message without blocks is taken (1) but raises nothing.
  EXPECT_EQ(send({WM_NEWINSTANCE, 779, WM_NEWINSTANCE}), 1u);
  EXPECT_TRUE(deliveries.empty());
}

// Blocks written by hand: a count N beyond the block and a text without its zero.
TEST_F(HandOverTest, TextIsCutToItsBlock)
{
  const auto make = [](uint32_t h, uint32_t s, uint32_t n, const std::string& text) {
    auto sizeBlock = SharedBlock::Create(SizeBlockName(h), 4);
    auto textBlock = SharedBlock::Create(TextBlockName(h), 4 + text.size());
    EXPECT_TRUE(sizeBlock->Map(4) && textBlock->Map(4 + text.size()));
    std::memcpy(sizeBlock->Data(), &s, 4);
    std::memcpy(textBlock->Data(), &n, 4);
    std::memcpy(textBlock->Data() + 4, text.data(), text.size());
    return std::make_pair(std::move(sizeBlock), std::move(textBlock));
  };
  const auto cut = make(780, 10, 1000, "abcdef");
  const auto tooBig = make(781, 64, 6, "abcdef");
  const auto stopsAtZero = make(782, 10, 6, std::string("ab\0def", 6));
  for (uint32_t h : {780u, 781u, 782u})
    EXPECT_EQ(Serve([=] { return MessageEndpoint::Send(Self(), {WM_NEWINSTANCE, h, WM_NEWINSTANCE}, 2000ms); })
                  .get(),
              1u);
  ASSERT_EQ(deliveries.size(), 2u);
  EXPECT_EQ(deliveries[0].text, u"abcdef");
  EXPECT_EQ(deliveries[1].h, 782u);
  EXPECT_EQ(deliveries[1].text, u"ab");
}

TEST_F(HandOverTest, WithoutHandlerTheBlocksAreStillTaken)
{
  guard->OnNewInstanceLoad = nullptr;
  EXPECT_EQ(Serve([] { return SendCommandLine(Self(), 783, "prog", 2000ms); }).get(), 1u);
  EXPECT_TRUE(deliveries.empty());
}

TEST_F(HandOverTest, NoEndpointMeansNoReply)
{
  const auto started = std::chrono::steady_clock::now();
  EXPECT_FALSE(MessageEndpoint::Send(0, {WM_NEWINSTANCE, 1, WM_NEWINSTANCE}, 2000ms));
  EXPECT_LT(std::chrono::steady_clock::now() - started, 500ms);
}

}  // namespace
