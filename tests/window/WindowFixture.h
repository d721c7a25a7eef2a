#pragma once
// A main window built in a program directory of the test's own: the test binary's
// directory holds the fake media library, the station list is written per test,
// error boxes are recorded instead of shown.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/Main.h"
#include "FakeVlc.h"

class WindowTest : public ::testing::Test {
protected:
  // Writes tvstations.txt beside the binary (nullptr: removes it), then builds the window.
  void CreateWindow(const char* stations);
  void TearDown() override;
  // Runs queued work of the user-interface thread.
  static void ProcessEvents();

  // The fake media library the player panel loaded.
  static FakeVlcControl& Fake();
  // The fake's calls since the last Reset that start with `prefix`.
  static std::vector<std::string> CallsOf(const std::string& prefix);
  // Raises a media-player event of `type` on the fake's own thread.
  static void Raise(int type);

  std::vector<std::string> errors_;
};
