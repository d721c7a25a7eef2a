// skinpack: packs a skin folder (Options.dat and its pictures) into one ".asz" file.
//   skinpack <skin folder> <output.asz>
#include "platform/Exception.h"
#include "skin/core/PackedSkin.h"
#include "skin/core/SkinSource.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

namespace {

// Options.dat first, then the other files of the folder by name.
std::vector<TacPackedEntry> CollectEntries(const fs::path& folder)
{
  std::vector<fs::path> files;
  for (const fs::directory_entry& entry : fs::directory_iterator(folder))
    if (entry.is_regular_file())
      files.push_back(entry.path());
  std::sort(files.begin(), files.end(), [](const fs::path& a, const fs::path& b) {
    const bool aOptions = a.filename() == kOptionsFileName, bOptions = b.filename() == kOptionsFileName;
    return aOptions != bOptions ? aOptions : a.filename() < b.filename();
  });
  if (files.empty() || files.front().filename() != kOptionsFileName)
    throw Exception(FormatText("No %s in %s", kOptionsFileName, folder.c_str()));
  std::vector<TacPackedEntry> entries;
  for (const fs::path& file : files)
    entries.push_back({file.filename().string(), false, ReadWholeFile(file.string(), kMaxPackedEntrySize).value()});
  return entries;
}

}  // namespace

int main(int argc, char** argv)
{
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s <skin folder> <output.asz>\n", argv[0]);
    return 2;
  }
  try {
    const std::vector<uint8_t> packed = WritePackedSkin(CollectEntries(argv[1]));
    std::ofstream out(argv[2], std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(packed.data()), static_cast<std::streamsize>(packed.size()));
    if (!out.flush())
      throw Exception(FormatText("Cannot write %s", argv[2]));
  } catch (const std::exception& error) {
    std::fprintf(stderr, "skinpack: %s\n", error.what());
    return 1;
  }
  return 0;
}
