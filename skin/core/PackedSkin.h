#pragma once
// The packed skin container: "ASzf", an entry count, then entries of
// name length, name, inflated size and a zlib stream whose compressed length is
// not stored (the reader stops at the stream's end). All integers are 32-bit
// little-endian. Counts, names and sizes are checked against limits before
// anything is allocated; damaged input throws Exception.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

struct TacPackedEntry {
  std::string Name;       // as stored
  bool IsBitmap = false;  // extension ".BMP", any case
  std::vector<uint8_t> Data;
};

struct TacPackedSkin {
  std::string Options;  // the "Options.dat" entry
  std::vector<TacPackedEntry> Pictures;
  // The picture whose upper-cased name equals the upper-cased `name`, or null.
  const TacPackedEntry* Find(std::string_view name) const;
};

inline constexpr size_t kMaxPackedEntries = 4096;
inline constexpr size_t kMaxPackedNameLength = 1024;
inline constexpr size_t kMaxPackedEntrySize = 64u << 20;
inline constexpr size_t kMaxPackedTotalSize = 256u << 20;

TacPackedSkin ReadPackedSkin(const std::vector<uint8_t>& data);

// Builds a container from entries given by name and bytes (the packer's side).
std::vector<uint8_t> WritePackedSkin(const std::vector<TacPackedEntry>& entries);

inline constexpr char kOptionsFileName[] = "Options.dat";
