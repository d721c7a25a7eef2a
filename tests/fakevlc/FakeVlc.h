#pragma once
// Control interface of the fake media library (a test-only libvlc.so.5). Tests
// reach the instance the binding loaded through its exported `fakevlc_control`.
// Every method is thread-safe.

#include <string>
#include <thread>
#include <vector>

#include <vlc/vlc.h>

class FakeVlcControl {
public:
  // The calls since the last ClearCalls or Reset, as "name(arg, ...)"; handles appear as
  // "instance", "player", "events", "mediaN" (numbered from 1 after Reset) or "NULL".
  virtual std::vector<std::string> Calls() = 0;
  virtual void ClearCalls() = 0;
  // Forgets the calls, numbers media from 1 again and restores every answer below to its default.
  virtual void Reset() = 0;
  // Answer of libvlc_media_player_get_state (default 0).
  virtual void SetState(int state) = 0;
  // Answer of libvlc_errmsg; empty means none (the default).
  virtual void SetErrorMessage(const std::string& text) = 0;
  // Answer of libvlc_get_version (default "3.0.0 Fake").
  virtual void SetVersion(const std::string& text) = 0;
  // Whether libvlc_new and libvlc_media_player_new give an object (default both).
  virtual void SetGivesInstance(bool gives) = 0;
  virtual void SetGivesPlayer(bool gives) = 0;
  // Delivers `event` to the callbacks attached for its type, on a thread of the
  // fake's own, and returns that thread's id once delivery has finished.
  virtual std::thread::id Raise(const libvlc_event_t& event) = 0;
  // Raises `event` again and again on a thread of its own until StopStream.
  virtual void StartStream(const libvlc_event_t& event) = 0;
  virtual void StopStream() = 0;
  // Deliveries the stream has finished so far.
  virtual long StreamRounds() = 0;
  // Callbacks attached now.
  virtual int Listeners() = 0;
  // The working directory while the library was being loaded.
  virtual std::string LoadDirectory() = 0;

protected:
  ~FakeVlcControl() = default;
};

extern "C" FakeVlcControl* fakevlc_control();
