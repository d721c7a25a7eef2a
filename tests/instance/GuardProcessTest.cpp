// The guard between real processes: copies of guard_probe started side by side.

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <csignal>
#include <memory>

#include "GuardProbe.h"
#include "TestApp.h"

namespace {

class GuardProcessTest : public ::testing::Test {
protected:
  void SetUp() override { ASSERT_TRUE(QFile::exists(ProbePath())) << "GUARD_PROBE not set"; }

  // The running copy: limit, then lifetime in ms.
  std::unique_ptr<Probe> StartFirst(const QString& limit, const QProcessEnvironment& environment =
                                                              QProcessEnvironment::systemEnvironment())
  {
    auto first = std::make_unique<Probe>(QStringList{limit, "20000"}, ProbePath(), environment);
    EXPECT_FALSE(first->WaitFor("running").isEmpty());
    return first;
  }

  TApplication& app_ = TestApp();
};

TEST_F(GuardProcessTest, SecondStartEndsAtOnceWithoutWindow)
{
  auto first = StartFirst("0");
  QElapsedTimer clock;
  clock.start();
  Probe second({"0"});
  ASSERT_TRUE(second.EndedWithZero(1000));
  EXPECT_LT(clock.elapsed(), 1000);
  EXPECT_EQ(second.Output(), "");  // neither running nor shown
  EXPECT_TRUE(first->WaitFor("handover", 200).isEmpty());
}

TEST_F(GuardProcessTest, SameSizeUnderAnotherNameIsTheSameProgram)
{
  QTemporaryDir folder;
  const QString sameSize = folder.filePath("other_player");
  const QString otherSize = folder.filePath("grown_player");
  ASSERT_TRUE(QFile::copy(ProbePath(), sameSize) && QFile::copy(ProbePath(), otherSize));
  QFile grown(otherSize);
  ASSERT_TRUE(grown.open(QIODevice::Append));
  grown.write("x");
  grown.close();
  auto first = StartFirst("0");
  Probe renamed({"0"}, sameSize);
  EXPECT_TRUE(renamed.EndedWithZero(1000));
  EXPECT_EQ(renamed.Output(), "");
  Probe rebuilt({"0", "20000"}, otherSize);
  EXPECT_FALSE(rebuilt.WaitFor("shown").isEmpty());
}

TEST_F(GuardProcessTest, NegativeLimitHandsTheCommandLineOver)
{
  auto first = StartFirst("-1");
  Probe second({"0", "1000", "--play", "Příliš žluťoučký kůň.mp3"});
  const QString line = first->WaitFor("handover");
  EXPECT_EQ(line, QStringLiteral("handover %1 %2 0 1000 --play \"Příliš žluťoučký kůň.mp3\"")
                      .arg(second.Pid())
                      .arg(ProbePath()));
  EXPECT_TRUE(second.EndedWithZero(1000));
  EXPECT_EQ(second.Output(), "");
}

TEST_F(GuardProcessTest, WithoutHandlerTheNewCopyIsStillReleased)
{
  auto environment = QProcessEnvironment::systemEnvironment();
  environment.insert("PROBE_NO_HANDLER", "1");
  auto first = StartFirst("-1", environment);
  QElapsedTimer clock;
  clock.start();
  Probe second({"0"});
  EXPECT_TRUE(second.EndedWithZero(2000));
  EXPECT_LT(clock.elapsed(), 1000);  // released by the reply, not by the time-out
}

// While the running copy's thread is busy with the first hand-over, later copies
// wait in hand-over; beyond the limit they end at once without handing over.
TEST_F(GuardProcessTest, LimitCapsSimultaneousHandOvers)
{
  auto environment = QProcessEnvironment::systemEnvironment();
  environment.insert("PROBE_HANDLER_SLEEP_MS", "1500");
  auto first = StartFirst("2", environment);
  Probe opener({"0", "1000", "opener"});
  ASSERT_FALSE(first->WaitFor("handover").isEmpty());
  ASSERT_TRUE(opener.EndedWithZero(1000));
  std::vector<std::unique_ptr<Probe>> late;
  for (int i = 0; i < 4; ++i)
    late.push_back(std::make_unique<Probe>(QStringList{"0", "1000", QStringLiteral("late%1").arg(i)}));
  int handedOver = 0;
  while (!first->WaitFor("handover", 2500).isEmpty())
    ++handedOver;
  EXPECT_EQ(handedOver, 2);
  for (auto& copy : late)
    EXPECT_TRUE(copy->EndedWithZero(3000));
  // The count went back down: the next copy may hand over again.
  Probe after({"0", "1000", "after"});
  EXPECT_TRUE(first->WaitFor("handover").endsWith("after"));
  EXPECT_TRUE(after.EndedWithZero(3000));
}

TEST_F(GuardProcessTest, HungRunningCopyTimesOut)
{
  auto first = StartFirst("-1");
  ::kill(static_cast<pid_t>(first->Pid()), SIGSTOP);
  QElapsedTimer clock;
  clock.start();
  Probe second({"0"});
  EXPECT_TRUE(second.EndedWithZero(6000));
  ::kill(static_cast<pid_t>(first->Pid()), SIGCONT);
  EXPECT_GE(clock.elapsed(), 2900);
  EXPECT_LT(clock.elapsed(), 4500);
  EXPECT_EQ(second.Output(), "");
}

// A copy killed in the middle of its hand-over must not use up the limit for good.
TEST_F(GuardProcessTest, CountOfAKilledHandOverIsRepaired)
{
  auto first = StartFirst("1");
  const auto pid = static_cast<pid_t>(first->Pid());
  ::kill(pid, SIGSTOP);
  auto stuck = std::make_unique<Probe>(QStringList{"0", "1000", "stuck"});
  QThread::msleep(300);  // the stuck copy now waits for the stopped one's reply
  const QString stuckBlock = QStringLiteral("/dev/shm/TOneInstance::ShareStrMapName::%1").arg(stuck->Pid());
  EXPECT_TRUE(QFile::exists(stuckBlock));
  stuck->Kill();
  ::kill(pid, SIGCONT);
  Probe next({"0", "1000", "next"});
  QString line;  // the killed copy's message may still come first
  do
    line = first->WaitFor("handover");
  while (!line.isEmpty() && !line.endsWith("next"));
  EXPECT_TRUE(line.endsWith("next"));
  EXPECT_TRUE(next.EndedWithZero(3000));
  EXPECT_FALSE(QFile::exists(stuckBlock));  // taken and removed by the running copy
}

TEST_F(GuardProcessTest, KilledFirstCopyDoesNotLockTheProgramOut)
{
  auto first = StartFirst("0");
  first->Kill();
  Probe next({"0", "20000"});
  EXPECT_FALSE(next.WaitFor("running").isEmpty());
  Probe third({"0"});
  EXPECT_TRUE(third.EndedWithZero(1000));
}

TEST_F(GuardProcessTest, TwentySimultaneousStartsLeaveOne)
{
  std::vector<std::unique_ptr<Probe>> copies;
  for (int i = 0; i < 20; ++i)
    copies.push_back(std::make_unique<Probe>(QStringList{"0", "8000"}));
  int running = 0;
  for (auto& copy : copies) {
    if (copy->EndedWithZero(3000))
      EXPECT_EQ(copy->Output(), "");
    else
      running += copy->WaitFor("running", 3000).isEmpty() ? 0 : 1;
  }
  EXPECT_EQ(running, 1);
}

}  // namespace
