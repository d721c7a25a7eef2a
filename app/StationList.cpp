#include "app/StationList.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>

#include "platform/Exception.h"

std::vector<std::string> SplitStationLines(std::string_view content)
{
  content = content.substr(0, content.find('\0'));
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < content.size()) {
    const size_t end = content.find_first_of("\r\n", start);
    if (end == std::string_view::npos) {
      lines.emplace_back(content.substr(start));
      break;
    }
    lines.emplace_back(content.substr(start, end - start));
    start = end + 1;
    if (content[end] == '\r' && start < content.size() && content[start] == '\n')
      ++start;
  }
  return lines;
}

void FillStations(const std::vector<std::string>& lines, TStationArray& stations)
{
  const int32_t count = static_cast<int32_t>(lines.size());
  const int32_t last = (count - 1) / 3;  // truncates towards zero: no lines give 0
  stations.clear();
  stations.resize(static_cast<size_t>(last) + 2);
  auto line = [&](int32_t index) -> const std::string& {
    if (index >= count)
      throw Exception(FormatText("List index out of bounds (%d)", index));
    return lines[static_cast<size_t>(index)];
  };
  for (int32_t i = 0; i <= last; ++i) {
    auto& record = stations[static_cast<size_t>(i) + 1];
    record = std::make_unique<TPrg>();
    record->Address = line(3 * i);
    record->Line2 = line(3 * i + 1);
    record->Line3 = line(3 * i + 2);
  }
}

namespace {

// A list of a few stations is a few hundred bytes; anything near this is not one.
constexpr std::streamoff kMaxStationFileSize = 16 * 1024 * 1024;

[[noreturn]] void FailToOpen(const std::string& path, int error)
{
  throw Exception(FormatText("Cannot open file \"%s\". %s", path.c_str(), std::strerror(error)));
}

}  // namespace

void LoadStationsFromFile(const std::string& path, TStationArray& stations)
{
  std::error_code ignored;
  if (std::filesystem::is_directory(path, ignored))
    FailToOpen(path, EISDIR);
  std::ifstream file(path, std::ios::binary | std::ios::ate);
  if (!file)
    FailToOpen(path, errno);
  const std::streamoff size = file.tellg();
  if (size < 0)
    FailToOpen(path, EIO);
  if (size > kMaxStationFileSize)
    FailToOpen(path, EFBIG);
  std::string content(static_cast<size_t>(size), '\0');
  file.seekg(0);
  if (!file.read(content.data(), size))
    FailToOpen(path, EIO);
  FillStations(SplitStationLines(content), stations);
}
