#include "skin/core/SkinEngine.h"

#include "skin/core/SkinDirectory.h"

#include <QString>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <system_error>

namespace {

std::vector<std::string>& Arguments()
{
  static std::vector<std::string> arguments;
  return arguments;
}

TacMessageHook& MessageHook()
{
  static TacMessageHook hook;
  return hook;
}

std::string& ProgramDirectory()
{
  static std::string directory = [] {
    std::error_code error;
    const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::string() : WithSeparator(exe.parent_path().string());
  }();
  return directory;
}

std::string LowerCase(const std::string& text)
{
  return QString::fromStdString(text).toLower().toStdString();
}

}  // namespace

void InitSkinEngine(const std::vector<std::string>& arguments)
{
  Arguments() = arguments;
  if (HasSkinParameter("/acver"))
    ShowSkinMessage(TacMessageKind::Information, std::string("Skin engine v") + kSkinEngineVersion);
}

bool HasSkinParameter(const std::string& parameter)
{
  const std::vector<std::string>& arguments = Arguments();
  return std::any_of(arguments.begin(), arguments.end(),
                     [&](const std::string& argument) { return LowerCase(argument) == parameter; });
}

bool SkinPreviewMode()
{
  return !Arguments().empty() && LowerCase(Arguments().front()) == "/acpreview";
}

void SetSkinMessageHook(TacMessageHook hook)
{
  MessageHook() = std::move(hook);
}

void ShowSkinMessage(TacMessageKind kind, const std::string& text)
{
  if (MessageHook()) {
    MessageHook()(kind, text);
    return;
  }
  static const char* const kPrefixes[] = {"", "Warning: ", "Error: "};
  std::fprintf(stderr, "%s%s\n", kPrefixes[static_cast<int>(kind)], text.c_str());
}

const std::string& SkinProgramDirectory()
{
  return ProgramDirectory();
}

void SetSkinProgramDirectory(const std::string& directory)
{
  ProgramDirectory() = WithSeparator(directory);
}
