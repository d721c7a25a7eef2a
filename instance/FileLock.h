#pragma once
// A lock on a file of this user (flock). The kernel drops it when its holder
// ends in any way, so a held lock means a live holder.

#include <chrono>
#include <string>

enum class LockKind { Exclusive, Shared };

class FileLock {
public:
  // Opens (creates) the lock file; an unusable file gives a lock that is never taken.
  explicit FileLock(const std::string& path);
  ~FileLock();
  FileLock(const FileLock&) = delete;
  FileLock& operator=(const FileLock&) = delete;

  bool TryLock(LockKind kind = LockKind::Exclusive);
  // Keeps trying until the deadline; false if the lock stayed taken.
  bool LockUntil(std::chrono::steady_clock::time_point deadline);
  void Unlock();

  // The folder for lock files: $XDG_RUNTIME_DIR, else /tmp.
  static std::string Folder();

private:
  int fd_;
  bool locked_ = false;
};
