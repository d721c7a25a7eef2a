#include "instance/FileLock.h"

#include <cstdlib>
#include <fcntl.h>
#include <sys/file.h>
#include <thread>
#include <unistd.h>

FileLock::FileLock(const std::string& path)
    : fd_(open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600))
{
}

FileLock::~FileLock()
{
  if (fd_ >= 0)
    close(fd_);
}

bool FileLock::TryLock(LockKind kind)
{
  if (!locked_ && fd_ >= 0)
    locked_ = flock(fd_, (kind == LockKind::Shared ? LOCK_SH : LOCK_EX) | LOCK_NB) == 0;
  return locked_;
}

bool FileLock::LockUntil(std::chrono::steady_clock::time_point deadline)
{
  while (!TryLock()) {
    if (fd_ < 0 || std::chrono::steady_clock::now() >= deadline)
      return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  return true;
}

void FileLock::Unlock()
{
  if (locked_)
    flock(fd_, LOCK_UN);
  locked_ = false;
}

std::string FileLock::Folder()
{
  const char* runtime = std::getenv("XDG_RUNTIME_DIR");
  return runtime && runtime[0] == '/' ? runtime : "/tmp";
}
