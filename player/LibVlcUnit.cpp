#include "player/LibVlcUnit.h"

#include <dlfcn.h>

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

// Opens the library with the program's directory as working directory.
// Returns the handle, or nullptr with the errno of the failed open in `openError`.
void* OpenLibrary(const std::string& directory, int& openError)
{
  TWorkingDirectoryScope scope(directory);
  errno = 0;
  void* handle = dlopen((directory + kLibraryName).c_str(), RTLD_NOW | RTLD_LOCAL);
  openError = errno;  // read before the scope's chdir can touch it
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
