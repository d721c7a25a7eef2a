#pragma once
// Where the pictures of a skin come from: the skin folder or a packed container.

#include "skin/core/PackedSkin.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class TacSkinSource {
public:
  virtual ~TacSkinSource() = default;
  // The bytes of the picture `name` as the options file gives it; nullopt when missing.
  virtual std::optional<std::vector<uint8_t>> Read(const std::string& name) const = 0;
};

// Pictures of a folder skin. A name with ":" or a leading "/" is absolute, any
// other name is relative to the folder (none when the folder is empty). The
// options file was written on a case-insensitive system: when the exact name is
// missing, a file of the same name in another case is taken.
class TacFolderSource : public TacSkinSource {
public:
  explicit TacFolderSource(std::string folder) : folder_(std::move(folder)) {}
  std::optional<std::vector<uint8_t>> Read(const std::string& name) const override;

private:
  std::string folder_;  // with a trailing separator, or empty
};

// Pictures of a packed skin, found by upper-cased name. The container must outlive it.
class TacPackedSource : public TacSkinSource {
public:
  explicit TacPackedSource(const TacPackedSkin& skin) : skin_(skin) {}
  std::optional<std::vector<uint8_t>> Read(const std::string& name) const override;

private:
  const TacPackedSkin& skin_;
};

// `path` when it exists, else the entry of its folder whose name matches its last
// part ignoring case (skins made on Windows name their files in any case), else
// `path` unchanged.
std::string MatchingPath(const std::string& path);

inline constexpr size_t kMaxSkinFileSize = 256u << 20;

// The whole file, or nullopt when it is missing or not a regular file; throws
// Exception when it is larger than `limit` or cannot be read.
std::optional<std::vector<uint8_t>> ReadWholeFile(const std::string& path, size_t limit = kMaxSkinFileSize);
