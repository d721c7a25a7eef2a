#include "instance/FileLock.h"

#include <cerrno>
#include <fcntl.h>
#include <thread>

FileLock::FileLock(int fd, off_t byte) : fd_(fd), byte_(byte)
{
}

FileLock::~FileLock()
{
  Unlock();
}

bool FileLock::Apply(short type)
{
  struct flock range {};
  range.l_type = type;
  range.l_whence = SEEK_SET;
  range.l_start = byte_;
  range.l_len = 1;
  return fcntl(fd_, F_OFD_SETLK, &range) == 0;
}

LockResult FileLock::TryLock(LockKind kind)
{
  if (locked_)
    return LockResult::Taken;
  if (Apply(kind == LockKind::Shared ? F_RDLCK : F_WRLCK)) {
    locked_ = true;
    return LockResult::Taken;
  }
  return errno == EAGAIN || errno == EACCES ? LockResult::Held : LockResult::Unusable;
}

bool FileLock::LockUntil(std::chrono::steady_clock::time_point deadline)
{
  for (;;) {
    const LockResult result = TryLock();
    if (result != LockResult::Held)
      return result == LockResult::Taken;
    if (std::chrono::steady_clock::now() >= deadline)
      return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
}

void FileLock::Unlock()
{
  if (locked_)
    Apply(F_UNLCK);
  locked_ = false;
}
