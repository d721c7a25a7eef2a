#include "instance/SharedRecord.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace {

std::string ShmName(const std::string& name)
{
  return "/" + name;
}

}  // namespace

SharedBlock::SharedBlock(int fd, std::string name, bool created)
    : fd_(fd), name_(std::move(name)), created_(created)
{
}

SharedBlock::~SharedBlock()
{
  Unmap();
  close(fd_);
  if (created_)
    Remove(name_);
}

std::unique_ptr<SharedBlock> SharedBlock::Open(const std::string& name)
{
  const int fd = shm_open(ShmName(name).c_str(), O_RDWR | O_CLOEXEC, 0);
  if (fd < 0)
    return nullptr;
  struct stat info {};
  // Another user's block of the same name is none of ours.
  if (fstat(fd, &info) != 0 || info.st_uid != geteuid()) {
    close(fd);
    return nullptr;
  }
  return std::unique_ptr<SharedBlock>(new SharedBlock(fd, name, false));
}

std::unique_ptr<SharedBlock> SharedBlock::Create(const std::string& name, size_t size)
{
  const std::string shmName = ShmName(name);
  int fd = shm_open(shmName.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
  if (fd < 0 && errno == EEXIST) {  // left behind by a process that crashed
    shm_unlink(shmName.c_str());
    fd = shm_open(shmName.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
  }
  if (fd < 0)
    return nullptr;
  auto block = std::unique_ptr<SharedBlock>(new SharedBlock(fd, name, true));
  if (ftruncate(fd, static_cast<off_t>(size)) != 0)
    return nullptr;
  return block;
}

std::unique_ptr<SharedBlock> SharedBlock::OpenOrCreate(const std::string& name, std::string& reason)
{
  const std::string shmName = ShmName(name);
  const int fd = shm_open(shmName.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
  if (fd < 0) {
    reason = "cannot open " + shmName + ": " + std::strerror(errno);
    return nullptr;
  }
  struct stat info {};
  if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || info.st_uid != geteuid()) {
    reason = shmName + " belongs to another user";
    close(fd);
    return nullptr;
  }
  return std::unique_ptr<SharedBlock>(new SharedBlock(fd, name, false));
}

void SharedBlock::Remove(const std::string& name)
{
  shm_unlink(ShmName(name).c_str());
}

bool SharedBlock::Map(size_t size)
{
  Unmap();
  struct stat info {};
  if (size == 0 || fstat(fd_, &info) != 0 || static_cast<size_t>(info.st_size) < size)
    return false;
  void* view = mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_SHARED, fd_, 0);
  if (view == MAP_FAILED)
    return false;
  data_ = static_cast<uint8_t*>(view);
  mapped_ = size;
  return true;
}

void SharedBlock::Unmap()
{
  if (data_)
    munmap(data_, mapped_);
  data_ = nullptr;
  mapped_ = 0;
}

bool SharedBlock::Resize(size_t size)
{
  return ftruncate(fd_, static_cast<off_t>(size)) == 0;
}

bool SharedBlock::Linked() const
{
  struct stat info {};
  return fstat(fd_, &info) == 0 && info.st_nlink > 0;
}
