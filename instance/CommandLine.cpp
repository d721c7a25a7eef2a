#include "instance/CommandLine.h"

#include <filesystem>
#include <fstream>
#include <iterator>

#include "platform/Application.h"

std::vector<std::string> ProcessArguments()
{
  std::ifstream file("/proc/self/cmdline", std::ios::binary);
  const std::string all((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  std::vector<std::string> arguments;
  for (size_t start = 0; start < all.size();) {
    const size_t end = all.find('\0', start);
    arguments.push_back(all.substr(start, end - start));
    start = end == std::string::npos ? all.size() : end + 1;
  }
  return arguments;
}

namespace {

// Quotes as CommandLineToArgvW reads it back: backslashes before a quote are doubled.
std::string Quote(const std::string& argument)
{
  if (!argument.empty() && argument.find_first_of(" \t\"") == std::string::npos)
    return argument;
  std::string quoted = "\"";
  size_t backslashes = 0;
  for (const char c : argument) {
    if (c == '"')
      quoted.append(backslashes + 1, '\\');
    backslashes = c == '\\' ? backslashes + 1 : 0;
    quoted += c;
  }
  quoted.append(backslashes, '\\');
  return quoted + "\"";
}

}  // namespace

std::string JoinCommandLine(const std::vector<std::string>& arguments)
{
  std::string line;
  for (const std::string& argument : arguments)
    line += (line.empty() ? "" : " ") + Quote(argument);
  return line;
}

uint32_t ProgramFileSize()
{
  const std::vector<std::string> arguments = ProcessArguments();
  std::error_code error;
  uintmax_t size = arguments.empty() ? 0 : std::filesystem::file_size(arguments.front(), error);
  if (arguments.empty() || error)
    size = std::filesystem::file_size(ExeName(), error);
  return error ? 0 : static_cast<uint32_t>(size);
}
