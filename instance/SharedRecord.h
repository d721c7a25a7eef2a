#pragma once
// A named block of shared memory of this user (POSIX shm; the name gets its
// leading '/'). The object that creates a block removes its name again when it
// is destroyed; an object that opens one keeps the memory alive until it goes.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

class SharedBlock {
public:
  ~SharedBlock();
  SharedBlock(const SharedBlock&) = delete;
  SharedBlock& operator=(const SharedBlock&) = delete;

  // The block of that name if it exists and belongs to this user; null otherwise.
  static std::unique_ptr<SharedBlock> Open(const std::string& name);
  // A new zero-filled block, replacing a leftover of the same name; null if the system refuses.
  static std::unique_ptr<SharedBlock> Create(const std::string& name, size_t size);
  // The block of that name, made empty if there is none. Null, with the reason, when
  // it cannot be opened or is not this user's own.
  static std::unique_ptr<SharedBlock> OpenOrCreate(const std::string& name, std::string& reason);
  static void Remove(const std::string& name);

  // Maps the first size bytes; false if the block is smaller or cannot be mapped.
  bool Map(size_t size);
  void Unmap();
  // Sets the size; new bytes are zero.
  bool Resize(size_t size);
  // False once the name no longer leads to this block.
  bool Linked() const;
  int Fd() const { return fd_; }
  uint8_t* Data() const { return data_; }
  size_t MappedSize() const { return mapped_; }

private:
  SharedBlock(int fd, std::string name, bool created);

  int fd_;
  std::string name_;
  bool created_;
  uint8_t* data_ = nullptr;
  size_t mapped_ = 0;
};
