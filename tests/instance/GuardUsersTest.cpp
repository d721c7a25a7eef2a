// The guard between real processes whose environment or user differ: copies of
// guard_probe started with other runtime folders and under other user ids.

#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

#include "GuardProbe.h"
#include "TestApp.h"
#include "instance/HandOver.h"

namespace {

constexpr uid_t Intruder = 4001;
constexpr uid_t Victim = 4002;

QProcessEnvironment WithRuntimeFolder(const QString& folder)
{
  auto environment = QProcessEnvironment::systemEnvironment();
  environment.remove("XDG_RUNTIME_DIR");
  if (!folder.isEmpty())
    environment.insert("XDG_RUNTIME_DIR", folder);
  return environment;
}

// The probe started under another user id (it stays readable for everyone in the build folder).
QStringList AsUser(uid_t uid, const QStringList& arguments)
{
  return QStringList{QStringLiteral("--reuid=%1").arg(uid), QStringLiteral("--regid=%1").arg(uid),
                     "--clear-groups", ProbePath()} +
         arguments;
}

// A file made by root and handed to uid, as if that user had made it.
void PlantFile(const QString& path, uid_t uid)
{
  const int fd = open(path.toLocal8Bit().constData(), O_RDWR | O_CREAT | O_TRUNC, 0600);
  ASSERT_GE(fd, 0) << path.toStdString();
  ASSERT_EQ(fchown(fd, uid, uid), 0);
  close(fd);
}

class GuardUsersTest : public ::testing::Test {
protected:
  void SetUp() override
  {
    ASSERT_TRUE(QFile::exists(ProbePath())) << "GUARD_PROBE not set";
    if (geteuid() != 0)
      GTEST_SKIP() << "other user ids need root";
  }

  QString RecordFile() const { return "/dev/shm/TOneInstance::" + QString::number(QFileInfo(ProbePath()).size()); }

  TApplication& app_ = TestApp();
};

// The guard's identity is the user's own record, not a folder named by the environment.
TEST_F(GuardUsersTest, RuntimeFolderNeitherSplitsNorStopsTheGuard)
{
  QTemporaryDir desktop;
  QTemporaryDir remote;
  Probe first({"0", "20000"}, ProbePath(), WithRuntimeFolder(desktop.path()));
  ASSERT_FALSE(first.WaitFor("running").isEmpty());
  Probe second({"0", "20000"}, ProbePath(), WithRuntimeFolder(remote.path()));
  EXPECT_TRUE(second.EndedWithZero(2000));
  EXPECT_EQ(second.Output(), "");
  Probe unset({"0", "20000"}, ProbePath(), WithRuntimeFolder(""));
  EXPECT_TRUE(unset.EndedWithZero(2000));
  first.Kill();

  // A runtime folder that does not exist does not make every start end silently.
  Probe missing({"0", "20000"}, ProbePath(), WithRuntimeFolder("/nonexistent/runtime"));
  EXPECT_FALSE(missing.WaitFor("running").isEmpty());
  Probe again({"0", "20000"}, ProbePath(), WithRuntimeFolder("/nonexistent/runtime"));
  EXPECT_TRUE(again.EndedWithZero(2000));
}

// Another user runs the program and has left files under the victim's predictable
// lock names in /tmp: the victim's program still starts, and says why it is unguarded.
TEST_F(GuardUsersTest, AnotherUserCannotLockAUserOut)
{
  Probe intruder(AsUser(Intruder, {"0", "20000"}), "setpriv", WithRuntimeFolder(""));
  ASSERT_FALSE(intruder.WaitFor("running").isEmpty()) << intruder.Errors().toStdString();
  const QString size = QString::number(QFileInfo(ProbePath()).size());
  QStringList planted;
  for (const char* role : {"gate", "owner", "handover"})
    planted << QStringLiteral("/tmp/TOneInstance::%1.%2.%3.lock").arg(size).arg(Victim).arg(role);
  for (const QString& path : planted)
    PlantFile(path, Intruder);

  Probe victim(AsUser(Victim, {"0", "20000"}), "setpriv", WithRuntimeFolder(""));
  EXPECT_FALSE(victim.WaitFor("running").isEmpty());
  EXPECT_FALSE(victim.Ended(300));
  EXPECT_TRUE(victim.Errors().contains("runs without the single-instance guard"));
  for (const QString& path : planted)
    QFile::remove(path);
}

// A stale record of another user does not count as a running copy either.
TEST_F(GuardUsersTest, RecordOfAnotherUserIsUnusableNotRunning)
{
  const QString record = RecordFile();
  QFile::remove(record);
  PlantFile(record, Intruder);
  Probe mine({"0", "20000"});
  EXPECT_FALSE(mine.WaitFor("running").isEmpty());
  EXPECT_TRUE(mine.Errors().contains(record.mid(8) + " belongs to another user"));
  QFile::remove(record);
}

// A hand-over message from another user names blocks of this user: they are neither read nor removed.
TEST_F(GuardUsersTest, HandOverFromAnotherUserIsIgnored)
{
  Probe first({"-1", "20000"});
  ASSERT_FALSE(first.WaitFor("running").isEmpty());
  constexpr uint32_t h = 987654;
  const QString sizeBlock = "/dev/shm/" + QString::fromStdString(SizeBlockName(h));
  const QString textBlock = "/dev/shm/" + QString::fromStdString(TextBlockName(h));
  QFile size(sizeBlock);
  QFile text(textBlock);
  ASSERT_TRUE(size.open(QIODevice::WriteOnly) && text.open(QIODevice::WriteOnly));
  const uint32_t s = 4 + 4, n = 4;
  size.write(reinterpret_cast<const char*>(&s), 4);
  text.write(reinterpret_cast<const char*>(&n), 4);
  text.write("abc", 4);
  size.close();
  text.close();

  const QString send = QStringLiteral(
                           "import socket, struct\n"
                           "s = socket.socket(socket.AF_UNIX, socket.SOCK_DGRAM)\n"
                           "s.sendto(struct.pack('III', 0x465, %1, 0x465), b'\\0TOneInstance::Endpoint::%2')\n")
                           .arg(h)
                           .arg(first.Pid());
  for (uid_t uid : {Intruder, uid_t(0)}) {
    QProcess sender;
    sender.start("setpriv", {QStringLiteral("--reuid=%1").arg(uid), QStringLiteral("--regid=%1").arg(uid),
                             "--clear-groups", "/usr/bin/python3", "-c", send});
    ASSERT_TRUE(sender.waitForFinished(5000) && sender.exitCode() == 0) << sender.readAllStandardError().toStdString();
    const QString line = first.WaitFor("handover", 1000);
    if (uid == Intruder) {
      EXPECT_EQ(line, "");
      EXPECT_TRUE(QFile::exists(sizeBlock) && QFile::exists(textBlock));
    } else {
      // The same message from the running copy's own user is taken: the check is real.
      EXPECT_EQ(line, QStringLiteral("handover %1 abc").arg(h));
      EXPECT_FALSE(QFile::exists(sizeBlock) || QFile::exists(textBlock));
    }
  }
  QFile::remove(sizeBlock);
  QFile::remove(textBlock);
}

}  // namespace
