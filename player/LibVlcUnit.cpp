#include "player/LibVlcUnit.h"

#include <dlfcn.h>
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

#include "platform/Application.h"
#include "platform/Exception.h"

void* LibVlcHandle = nullptr;
std::string LibVlcDirectory;
std::string LibVlcLoadError;
TLibVlcEntryPoints LibVlc;

namespace {

constexpr const char* kLibraryName = "libvlc.so.5";

// Makes `directory` the working directory for its lifetime; a failure to enter it
// is ignored. The previous one is held open, so that it comes back even when it
// was deleted or renamed meanwhile (a path would not lead back to it).
class TWorkingDirectoryScope {
public:
  explicit TWorkingDirectoryScope(const std::string& directory)
      : saved_(open(".", O_PATH | O_DIRECTORY | O_CLOEXEC))
  {
    entered_ = saved_ >= 0 && chdir(directory.c_str()) == 0;
  }
  ~TWorkingDirectoryScope()
  {
    if (entered_ && fchdir(saved_) != 0)
      std::perror("libvlc: the working directory cannot be restored");
    if (saved_ >= 0)
      close(saved_);
  }
  TWorkingDirectoryScope(const TWorkingDirectoryScope&) = delete;
  TWorkingDirectoryScope& operator=(const TWorkingDirectoryScope&) = delete;

private:
  int saved_;
  bool entered_ = false;
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
  LibVlcDirectory = ProgramDirectory();
  int openError = 0;
  LibVlcHandle = OpenLibrary(LibVlcDirectory, openError);
  if (!LibVlcHandle) {
    LibVlcLoadError = FormatText("Library not found %s, GetLastError() = %u", kLibraryName,
                                 static_cast<unsigned>(openError));
    return;
  }
  ResolveAll();
}
