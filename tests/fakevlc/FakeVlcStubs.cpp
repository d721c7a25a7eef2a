// The listed functions that the program only requires to exist: each records
// its name when called. Deliberately without the library's declarations, whose
// signatures these stubs do not share.

#include "FakeVlcLog.h"
#include "player/LibVlcEntryPoints.h"

#define FAKEVLC_STUB_Called(name)
#define FAKEVLC_STUB_Listed(name) \
  extern "C" __attribute__((visibility("default"))) void name() { FakeVlcRecord(#name "()"); }
#define FAKEVLC_STUB(name, use) FAKEVLC_STUB_##use(name)
ZZ_LIBVLC_ENTRY_POINTS(FAKEVLC_STUB)
