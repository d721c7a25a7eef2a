#pragma once
// Shared helpers of the player tests. The binary runs from one program directory
// per media library variant (tests/player/<variant>/, each with its own
// libvlc.so.5); a test for another variant skips.

#include <gtest/gtest.h>

#include <string>

#include <vlc/vlc.h>

#include "FakeVlc.h"

// The name of the program's directory: full, nofile, noerrmsg, norate, nomiddle or real.
std::string ProgramVariant();

#define REQUIRE_VARIANT(variant)                                                                  \
  do {                                                                                            \
    if (ProgramVariant() != variant)                                                              \
      GTEST_SKIP() << "runs from the program directory tests/player/" variant "/";                \
  } while (false)

// The one application object of the test process (created on first use).
void EnsureApplication();
// The fake library the binding loaded (loads it if needed).
FakeVlcControl& Fake();
// A media-player event of `type` with an empty payload.
libvlc_event_t MakeEvent(int type);
// The working directory with a trailing '/'.
std::string CurrentDirectory();
