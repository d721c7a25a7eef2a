#pragma once
// Binding to the media library (libvlc), loaded at run time from the program's
// directory; nothing of it is linked. Every call into the library goes through
// the entry-point table `LibVlc`.
//
// Thread rule: the load runs on the user-interface thread and is the only writer
// of the state below; afterwards the table is read from any thread, including
// the library's own.

#include <string>

#include "player/LibVlcEntryPoints.h"

// The C declarations give each slot its exact type; the library itself is not linked.
// Some of the listed functions are deprecated in libvlc 3, hence the pragma.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
#include <vlc/vlc.h>

// One typed slot per library function, named as the library exports it; empty until resolved.
struct TLibVlcEntryPoints {
#define ZZ_SLOT(name, use) decltype(&::name) name = nullptr;
  ZZ_LIBVLC_ENTRY_POINTS(ZZ_SLOT)
#undef ZZ_SLOT
};
#pragma GCC diagnostic pop

// The loaded libvlc.so.5 (a dlopen handle); never cleared, never unloaded.
extern void* LibVlcHandle;
// The program's directory with its trailing '/', set by each load attempt.
extern std::string LibVlcDirectory;
// Empty after a successful load, else why it failed.
extern std::string LibVlcLoadError;
extern TLibVlcEntryPoints LibVlc;

// Loads the library and fills the table, or records the failure in LibVlcLoadError.
// Does nothing once a library is loaded, even one that lacked a name.
void LoadLibVlc();

// Looks `name` up in the loaded library; on a miss records the "not found" text.
void* LookUpEntryPoint(const char* name);

template <typename Function>
bool ResolveEntryPoint(Function*& slot, const char* name)
{
  slot = reinterpret_cast<Function*>(LookUpEntryPoint(name));
  return slot != nullptr;
}
