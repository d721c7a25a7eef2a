#include "player/LibVlcUnit.h"

#include <dlfcn.h>
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>

#include "platform/Application.h"
#include "platform/Exception.h"

void* LibVlcHandle = nullptr;
std::string LibVlcDirectory;
std::string LibVlcLoadError;
TLibVlcEntryPoints LibVlc;

namespace {

constexpr const char* kLibraryName = "libvlc.so.5";

// Makes `directory` the working directory for its lifetime; a failure to enter it is ignored.
class TWorkingDirectoryScope {
public:
  explicit TWorkingDirectoryScope(const std::string& directory)
  {
    std::error_code error;
    saved_ = std::filesystem::current_path(error);
    std::filesystem::current_path(directory, error);
  }
  ~TWorkingDirectoryScope()
  {
    std::error_code error;
    if (!saved_.empty())
      std::filesystem::current_path(saved_, error);
  }
  TWorkingDirectoryScope(const TWorkingDirectoryScope&) = delete;
  TWorkingDirectoryScope& operator=(const TWorkingDirectoryScope&) = delete;

private:
  std::filesystem::path saved_;
};

// Why dlopen failed, as an errno: dlopen leaves none behind, so the file is opened
// once more to learn it. A file that opens but does not load is not an executable.
int OpenError(const std::string& path)
{
  const int file = open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (file < 0)
    return errno;
  close(file);
  return ENOEXEC;
}

// Loads the library with the program's directory as the working directory.
// Returns the handle, or nullptr with the errno of the failed open in `openError`.
void* OpenLibrary(const std::string& directory, int& openError)
{
  TWorkingDirectoryScope scope(directory);
  const std::string path = directory + kLibraryName;
  void* handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (!handle)
    openError = OpenError(path);
  return handle;
}

// Resolves the names in table order; && stops at the first one missing.
void ResolveAll()
{
#define ZZ_RESOLVE(name, use) &&ResolveEntryPoint(LibVlc.name, #name)
  static_cast<void>(true ZZ_LIBVLC_ENTRY_POINTS(ZZ_RESOLVE));
#undef ZZ_RESOLVE
}

}  // namespace

void* LookUpEntryPoint(const char* name)
{
  void* address = dlsym(LibVlcHandle, name);
  if (!address)
    LibVlcLoadError = FormatText("Procedure \"%s\" not found!", name);
  return address;
}

void LoadLibVlc()
{
  if (LibVlcHandle)
    return;
  LibVlcLoadError.clear();
  LibVlcDirectory = ExtractFilePath(ExeName());
  int openError = 0;
  LibVlcHandle = OpenLibrary(LibVlcDirectory, openError);
  if (!LibVlcHandle) {
    LibVlcLoadError = FormatText("Library not found %s, GetLastError() = %u", kLibraryName,
                                 static_cast<unsigned>(openError));
    return;
  }
  ResolveAll();
}
