#pragma once
// The player panel: a black panel with its own native X11 window into which the
// media library draws the picture, and the library's media-player events turned
// into the panel's published events.
//
// Thread rule: construction, destruction and the operations run on the
// user-interface thread, except SetAudioVolume, which handlers may also call on a
// library thread. The 18 handlers run synchronously on the library's thread that
// delivers the event, never on the user-interface thread. Assign handlers while no
// events can arrive (before the first Play): the slots are read without a lock.

#include <cstdint>
#include <functional>
#include <string>

#include "platform/WinControl.h"

struct libvlc_event_manager_t;
struct libvlc_event_t;
struct libvlc_media_player_t;
struct libvlc_media_t;

using TNotifyTimeChanged = std::function<void(TObject* Sender, int64_t time)>;
using TNotifyPositionChanged = std::function<void(TObject* Sender, float position)>;
using TNotifySeekableChanged = std::function<void(TObject* Sender, bool val)>;
using TNotifyPausableChanged = std::function<void(TObject* Sender, bool val)>;
using TNotifyTitleChanged = std::function<void(TObject* Sender, int title)>;
using TNotifySnapshotTaken = std::function<void(TObject* Sender, const std::string& fileName)>;
using TNotifyLengthChanged = std::function<void(TObject* Sender, int64_t time)>;

class TLibVlcPlayer : public TCustomPanel {
public:
  // Loads the library if needed, joins or creates the process's one library
  // instance and binds a media player to the panel's window. Failures raise
  // nothing: they show in the caption and LastError and leave the panel without a player.
  explicit TLibVlcPlayer(TComponent* AOwner);
  // Detaches the events, waits 100 ms, then releases player, media and instance.
  ~TLibVlcPlayer() override;

  // Stops, drops the previous media and plays `address`: an existing file as a path, anything else as a location.
  void Play(const std::string& address);
  // Pauses only while the state is 3 (playing).
  void Pause();
  // The library's player state 0..7; 0 without a player or for any other value.
  uint8_t GetState();
  void SetVideoAspectRatio(const std::string& ratio);
  void SetAudioMute(bool on);
  // Applies 0..200; any other level is ignored. Callable from a handler on a library thread.
  void SetAudioVolume(int32_t level);

  // The library's message read after this panel created the instance.
  const std::string& LastError() const { return lastError_; }
  void SetLastError(const std::string& text) { lastError_ = text; }

  void AttachEvents();
  // Once it returns, no handler of this panel runs any more.
  void DetachEvents();
  // Handed to the library; `userData` is the panel.
  static void PlayerEventCallback(const libvlc_event_t* event, void* userData);

  // The published events, in the order of the library's event types 256..273.
  TNotifyEvent OnMediaPlayerMediaChanged;
  TNotifyEvent OnMediaPlayerNothingSpecial;
  TNotifyEvent OnMediaPlayerOpening;
  TNotifyEvent OnMediaPlayerBuffering;
  TNotifyEvent OnMediaPlayerPlaying;
  TNotifyEvent OnMediaPlayerPaused;
  TNotifyEvent OnMediaPlayerStopped;
  TNotifyEvent OnMediaPlayerForward;
  TNotifyEvent OnMediaPlayerBackward;
  TNotifyEvent OnMediaPlayerEndReached;
  TNotifyEvent OnMediaPlayerEncounteredError;
  TNotifyTimeChanged OnMediaPlayerTimeChanged;
  TNotifyPositionChanged OnMediaPlayerPositionChanged;
  TNotifySeekableChanged OnMediaPlayerSeekableChanged;
  TNotifyPausableChanged OnMediaPlayerPausableChanged;
  TNotifyTitleChanged OnMediaPlayerTitleChanged;
  TNotifySnapshotTaken OnMediaPlayerSnapshotTaken;
  TNotifyLengthChanged OnMediaPlayerLengthChanged;

protected:
  // The panel's native window was made anew: the library must draw into the new one.
  void HandleChanged(uintptr_t handle) override;

private:
  bool JoinSharedInstance();
  bool CreateSharedInstance();
  void ReleasePlayer();
  void ReleaseInstance();
  void ClearHandlers();
  void Dispatch(const libvlc_event_t& event);

  // Written only during construction and destruction (after DetachEvents), so
  // handlers on library threads may read it through SetAudioVolume.
  libvlc_media_player_t* mediaPlayer_ = nullptr;
  // User-interface thread only.
  libvlc_media_t* currentMedia_ = nullptr;
  // User-interface thread only; set while the callback is attached.
  libvlc_event_manager_t* eventManager_ = nullptr;
  std::string lastError_;
  uintptr_t boundWindow_ = 0;  // the native window the library draws into; UI thread only
  // Whether this panel holds a reference on the shared instance.
  bool holdsInstance_ = false;
};
