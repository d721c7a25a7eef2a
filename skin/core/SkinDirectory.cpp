#include "skin/core/SkinDirectory.h"

#include "skin/core/SkinIni.h"

#include <algorithm>

namespace {

std::string ForwardSlashes(std::string path)
{
  std::replace(path.begin(), path.end(), '\\', '/');
  return path;
}

}  // namespace

std::string ResolveSkinDirectory(const std::string& skinDirectory, const std::string& programDir)
{
  const std::string dir = ForwardSlashes(skinDirectory);
  if (dir.rfind("..", 0) == 0) {
    std::string parent = programDir.empty() ? std::string() : programDir.substr(0, programDir.size() - 1);
    while (!parent.empty() && parent.back() != '/')
      parent.pop_back();
    return parent + (dir.size() > 3 ? dir.substr(3) : std::string());
  }
  if (dir.rfind("./", 0) == 0)
    return programDir + dir.substr(2);
  const bool absolute = dir.find(':') != std::string::npos || dir.rfind('/', 0) == 0;
  return absolute ? dir : programDir + dir;
}

std::string StripPackedSuffix(const std::string& name)
{
  if (name.size() > 4 && UpperCase(name.substr(name.size() - 4)) == ".ASZ")
    return name.substr(0, name.size() - 4);
  return name;
}

std::string WithSeparator(const std::string& directory)
{
  std::string dir = ForwardSlashes(directory);
  while (dir.size() > 1 && dir.back() == '/')
    dir.pop_back();
  return dir.empty() || dir == "/" ? dir : dir + "/";
}

std::string PackedSkinPath(const std::string& directory, const std::string& name)
{
  return WithSeparator(directory) + name + ".asz";
}
