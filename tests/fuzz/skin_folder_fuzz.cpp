// Fuzz target: a skin folder loaded by the skin manager. The input is the
// options file, then any number of files, each introduced by a line
// "\n--file:NAME\n" (NAME of letters, digits, '.', '_' and '-'). The folder is
// written afresh for every input, so file look-up (any case), the options file,
// the picture readers and the tables all run as in the program.
#include "skin/core/SkinEngine.h"
#include "skin/core/SkinManager.h"

#include <cctype>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kMarker = "\n--file:";

bool SafeName(std::string_view name)
{
  if (name.empty() || name.size() > 40 || name == "." || name == "..")
    return false;
  for (char c : name)
    if (!(std::isalnum(static_cast<unsigned char>(c)) || c == '.' || c == '_' || c == '-'))
      return false;
  return true;
}

void Write(const fs::path& path, std::string_view bytes)
{
  std::ofstream(path, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// Writes the options file and the files of the input into `skin`.
void WriteSkin(const fs::path& skin, std::string_view input)
{
  size_t next = input.find(kMarker);
  Write(skin / "Options.dat", input.substr(0, next));
  while (next != std::string_view::npos) {
    const size_t nameStart = next + kMarker.size();
    const size_t nameEnd = input.find('\n', nameStart);
    if (nameEnd == std::string_view::npos)
      return;
    next = input.find(kMarker, nameEnd);
    const std::string_view name = input.substr(nameStart, nameEnd - nameStart);
    const size_t end = next == std::string_view::npos ? input.size() : next;
    if (SafeName(name))
      Write(skin / std::string(name), input.substr(nameEnd + 1, end - nameEnd - 1));
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
  static const fs::path root = fs::temp_directory_path() / ("zz_skin_folder_fuzz_" + std::to_string(getpid()));
  static const bool quiet = [] {
    SetSkinMessageHook([](TacMessageKind, const std::string&) {});
    return true;
  }();
  static_cast<void>(quiet);
  const fs::path skin = root / "Fuzzed";
  fs::remove_all(root);
  fs::create_directories(skin);
  WriteSkin(skin, std::string_view(reinterpret_cast<const char*>(data), size));
  TsSkinManager manager;
  manager.SetActive(false);
  manager.SetSkinDirectory(root.string());
  manager.SetSkinName("Fuzzed");
  manager.SetActive(true);  // a failed load reports through the hook and keeps the manager working
  for (const TsGeneralData& section : manager.Tables().Sections)
    manager.Tables().FindMask(manager.Tables().FindSection(section.SectionName), section.SectionName, "BORDERSMASK");
  manager.SetActive(false);
  fs::remove_all(root);
  return 0;
}
