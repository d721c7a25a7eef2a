#pragma once
// A lock on one byte of an open file (an open-file-description lock). The
// kernel drops it when the file is closed or its holder ends in any way, so a
// held lock means a live holder. The file and its folder play no part in who
// may take it: only holders of the same file compete.

#include <chrono>
#include <sys/types.h>

enum class LockKind { Exclusive, Shared };

enum class LockResult { Taken, Held, Unusable };

class FileLock {
public:
  // The file stays owned by the caller and must outlive the lock.
  FileLock(int fd, off_t byte);
  ~FileLock();
  FileLock(const FileLock&) = delete;
  FileLock& operator=(const FileLock&) = delete;

  // Held: another holder has it; Unusable: the system refused the lock itself.
  LockResult TryLock(LockKind kind = LockKind::Exclusive);
  // Keeps trying until the deadline; false if the lock stayed taken.
  bool LockUntil(std::chrono::steady_clock::time_point deadline);
  void Unlock();

private:
  bool Apply(short type);

  int fd_;
  off_t byte_;
  bool locked_ = false;
};
