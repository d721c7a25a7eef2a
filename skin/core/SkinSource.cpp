#include "skin/core/SkinSource.h"

#include "platform/Exception.h"
#include "skin/core/SkinIni.h"

#include <filesystem>
#include <fstream>
#include <system_error>

namespace fs = std::filesystem;

namespace {

// The file in `folder` whose name matches `name` ignoring case.
std::optional<fs::path> FindIgnoringCase(const fs::path& folder, const std::string& name)
{
  std::error_code error;
  const std::string wanted = UpperCase(name);
  for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error))
    if (UpperCase(it->path().filename().string()) == wanted)
      return it->path();
  return std::nullopt;
}

}  // namespace

std::optional<std::vector<uint8_t>> TacFolderSource::Read(const std::string& name) const
{
  if (name.empty())
    return std::nullopt;
  const bool absolute = name.find(':') != std::string::npos || name.front() == '/';
  if (!absolute && folder_.empty())
    return std::nullopt;
  const fs::path path = absolute ? fs::path(name) : fs::path(folder_ + name);
  if (std::optional<std::vector<uint8_t>> bytes = ReadWholeFile(path.string()))
    return bytes;
  const std::optional<fs::path> other = FindIgnoringCase(path.parent_path(), path.filename().string());
  return other ? ReadWholeFile(other->string()) : std::nullopt;
}

std::string MatchingPath(const std::string& path)
{
  std::error_code error;
  const fs::path given(path);
  const fs::path wanted = given.has_filename() ? given : given.parent_path();  // "X/" names X
  if (wanted.empty() || fs::exists(wanted, error))
    return path;
  const std::optional<fs::path> other = FindIgnoringCase(wanted.parent_path(), wanted.filename().string());
  return other ? other->string() : path;
}

std::optional<std::vector<uint8_t>> TacPackedSource::Read(const std::string& name) const
{
  const TacPackedEntry* entry = skin_.Find(name);
  return entry ? std::optional<std::vector<uint8_t>>(entry->Data) : std::nullopt;
}

std::optional<std::vector<uint8_t>> ReadWholeFile(const std::string& path, size_t limit)
{
  std::error_code error;
  if (!fs::is_regular_file(path, error))
    return std::nullopt;
  const uintmax_t size = fs::file_size(path, error);
  if (error || size > limit)
    throw Exception(FormatText("File is too large or unreadable: %s", path.c_str()));
  std::ifstream in(path, std::ios::binary);
  std::vector<uint8_t> bytes(static_cast<size_t>(size));
  if (!in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size())))
    throw Exception(FormatText("Cannot read file: %s", path.c_str()));
  return bytes;
}
