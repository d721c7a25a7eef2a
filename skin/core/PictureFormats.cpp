#include "skin/core/PictureFormats.h"

#include <algorithm>
#include <cctype>
#include <mutex>

#include "skin/core/BmpReader.h"
#include "skin/core/JpegReader.h"

namespace {

std::string Lower(std::string text)
{
  std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return char(std::tolower(c)); });
  return text;
}

struct Registry {
  std::mutex Mutex;
  std::vector<TPictureFileFormat> Formats = {
      {"bmp", "Bitmaps", &ReadBmp}, {"jpg", "JPEG Image File", &ReadJpeg}, {"jpeg", "JPEG Image File", &ReadJpeg}};
};

// Made on first use, so that formats may register from other units' static objects.
Registry& TheRegistry()
{
  static Registry registry;
  return registry;
}

}  // namespace

void RegisterFileFormat(const std::string& extension, const std::string& description, TPictureReader read)
{
  Registry& registry = TheRegistry();
  std::lock_guard lock(registry.Mutex);
  auto& formats = registry.Formats;
  formats.erase(std::remove_if(formats.begin(), formats.end(),
                               [&](const TPictureFileFormat& f) { return f.Extension == Lower(extension); }),
                formats.end());
  formats.push_back({Lower(extension), description, read});
}

void UnregisterFileFormat(TPictureReader read)
{
  Registry& registry = TheRegistry();
  std::lock_guard lock(registry.Mutex);
  auto& formats = registry.Formats;
  formats.erase(std::remove_if(formats.begin(), formats.end(), [&](const TPictureFileFormat& f) { return f.Read == read; }),
                formats.end());
}

std::optional<TPictureFileFormat> FindFileFormat(const std::string& extension)
{
  Registry& registry = TheRegistry();
  std::lock_guard lock(registry.Mutex);
  for (const TPictureFileFormat& format : registry.Formats)
    if (format.Extension == Lower(extension))
      return format;
  return std::nullopt;
}

std::vector<TPictureFileFormat> FileFormats()
{
  Registry& registry = TheRegistry();
  std::lock_guard lock(registry.Mutex);
  return registry.Formats;
}
