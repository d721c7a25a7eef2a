// The session bus check against sockets that stay silent, answer, or refuse.

#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <string>
#include <thread>

#include "platform/SessionBus.h"

namespace {

using namespace std::chrono_literals;

// A listening socket; when `answers`, it replies to the first bytes of each connection.
class FakeBus {
public:
  FakeBus(const std::string& path, bool answers) : path_(path)
  {
    unlink(path.c_str());
    fd_ = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    path.copy(address.sun_path, sizeof(address.sun_path) - 1);
    EXPECT_EQ(bind(fd_, reinterpret_cast<sockaddr*>(&address), sizeof(address)), 0);
    EXPECT_EQ(listen(fd_, 4), 0);
    if (answers)
      server_ = std::thread([this] { Answer(); });
  }
  ~FakeBus()
  {
    stop_ = true;
    shutdown(fd_, SHUT_RDWR);
    if (server_.joinable())
      server_.join();
    close(fd_);
    unlink(path_.c_str());
  }

private:
  void Answer()
  {
    while (!stop_) {
      const int client = accept(fd_, nullptr, nullptr);
      if (client < 0)
        return;
      char greeting[256];
      if (read(client, greeting, sizeof greeting) > 0)
        static_cast<void>(write(client, "OK 0123\r\n", 9));
      close(client);
    }
  }

  std::string path_;
  int fd_ = -1;
  std::atomic<bool> stop_{false};
  std::thread server_;
};

std::string TempPath(const std::string& name)
{
  return testing::TempDir() + std::to_string(getpid()) + name;
}

}  // namespace

TEST(SessionBus, OnlyATakenButUnansweredConnectionHangs)
{
  const std::string silentPath = TempPath("zz-silent-");
  const std::string answeringPath = TempPath("zz-answering-");
  FakeBus silent(silentPath, false);
  FakeBus answering(answeringPath, true);

  const auto before = std::chrono::steady_clock::now();
  EXPECT_TRUE(SessionBusHangs("unix:path=" + silentPath, 300ms));
  EXPECT_GE(std::chrono::steady_clock::now() - before, 300ms);
  EXPECT_FALSE(SessionBusHangs("unix:path=" + answeringPath + ",guid=0123", 2s));

  // Entries that refuse are skipped; the first that takes the connection decides.
  EXPECT_TRUE(SessionBusHangs("unix:path=/nonexistent/bus;unix:path=" + silentPath, 300ms));
  EXPECT_FALSE(SessionBusHangs("unix:path=" + answeringPath + ";unix:path=" + silentPath, 2s));
  EXPECT_FALSE(SessionBusHangs("unix:path=/nonexistent/bus", 300ms));
  // A transport the check does not try is left to the bus's users.
  EXPECT_FALSE(SessionBusHangs("tcp:host=localhost,port=1;unix:path=" + silentPath, 300ms));

  // Escaped characters of the address, and the runtime directory's bus.
  std::string escaped = "unix:path=";
  for (char c : silentPath)
    escaped += c == '/' ? std::string("%2f") : std::string(1, c);
  EXPECT_TRUE(SessionBusHangs(escaped, 300ms));
  std::string runtime = TempPath("zz-runtime-XXXXXX");
  ASSERT_NE(mkdtemp(runtime.data()), nullptr);
  {
    FakeBus runtimeBus(runtime + "/bus", false);
    const char* saved = std::getenv("XDG_RUNTIME_DIR");
    const std::string before = saved ? saved : "";
    setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
    EXPECT_TRUE(SessionBusHangs("unix:runtime=yes", 300ms));
    saved ? setenv("XDG_RUNTIME_DIR", before.c_str(), 1) : unsetenv("XDG_RUNTIME_DIR");
  }
  rmdir(runtime.c_str());
}
