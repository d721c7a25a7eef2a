// Event delivery of the player panel: the library calls PlayerEventCallback on
// its own threads; the handler runs there, synchronously, without a lock.

#include <cxxabi.h>

#include <exception>

#include "platform/Application.h"
#include "player/LibVlcPlayerUnit.h"
#include "player/LibVlcUnit.h"

namespace {

constexpr int kFirstEvent = libvlc_MediaPlayerMediaChanged;
constexpr int kLastEvent = libvlc_MediaPlayerLengthChanged;
static_assert(kFirstEvent == 256 && kLastEvent == 273);

// The handlers without payload, indexed by event type - kFirstEvent.
constexpr TNotifyEvent TLibVlcPlayer::*kNotifySlots[] = {
  &TLibVlcPlayer::OnMediaPlayerMediaChanged, &TLibVlcPlayer::OnMediaPlayerNothingSpecial,
  &TLibVlcPlayer::OnMediaPlayerOpening,      &TLibVlcPlayer::OnMediaPlayerBuffering,
  &TLibVlcPlayer::OnMediaPlayerPlaying,      &TLibVlcPlayer::OnMediaPlayerPaused,
  &TLibVlcPlayer::OnMediaPlayerStopped,      &TLibVlcPlayer::OnMediaPlayerForward,
  &TLibVlcPlayer::OnMediaPlayerBackward,     &TLibVlcPlayer::OnMediaPlayerEndReached,
  &TLibVlcPlayer::OnMediaPlayerEncounteredError,
};
static_assert(std::size(kNotifySlots) == libvlc_MediaPlayerTimeChanged - kFirstEvent);

template <typename Handler, typename... Args>
void Invoke(const Handler& handler, TObject* sender, Args... args)
{
  if (handler)
    handler(sender, args...);
}

// A failing handler must not unwind into the library. The error box is posted,
// never waited for: detaching waits for a running callback, so waiting for the
// user-interface thread here could deadlock the close.
void ReportHandlerFailure(const std::string& text)
{
  TApplication::Post([text] { TApplication::ShowError(text); });
}

}  // namespace

void TLibVlcPlayer::AttachEvents()
{
  eventManager_ = LibVlc.libvlc_media_player_event_manager(mediaPlayer_);
  for (int type = kFirstEvent; type <= kLastEvent; ++type)
    LibVlc.libvlc_event_attach(eventManager_, type, &TLibVlcPlayer::PlayerEventCallback, this);
}

// libvlc_event_detach waits for a running callback, so no handler runs after this returns.
void TLibVlcPlayer::DetachEvents()
{
  if (!eventManager_)
    return;
  for (int type = kFirstEvent; type <= kLastEvent; ++type)
    LibVlc.libvlc_event_detach(eventManager_, type, &TLibVlcPlayer::PlayerEventCallback, this);
  eventManager_ = nullptr;
}

void TLibVlcPlayer::ClearHandlers()
{
  for (auto slot : kNotifySlots)
    this->*slot = nullptr;
  OnMediaPlayerTimeChanged = nullptr;
  OnMediaPlayerPositionChanged = nullptr;
  OnMediaPlayerSeekableChanged = nullptr;
  OnMediaPlayerPausableChanged = nullptr;
  OnMediaPlayerTitleChanged = nullptr;
  OnMediaPlayerSnapshotTaken = nullptr;
  OnMediaPlayerLengthChanged = nullptr;
}

// Runs on the library's thread that delivers the event.
void TLibVlcPlayer::PlayerEventCallback(const libvlc_event_t* event, void* userData)
{
  auto* panel = static_cast<TLibVlcPlayer*>(userData);
  if (!panel || event->type < kFirstEvent || event->type > kLastEvent)
    return;
  try {
    panel->Dispatch(*event);
  } catch (const std::exception& error) {
    ReportHandlerFailure(error.what());
  } catch (abi::__forced_unwind&) {
    throw;  // the library cancels its thread: that unwinding must go on
  } catch (...) {
    ReportHandlerFailure("A media player event handler failed.");
  }
}

// Reads only the handler slot of the event's type and the event's payload.
void TLibVlcPlayer::Dispatch(const libvlc_event_t& event)
{
  const auto& u = event.u;
  switch (event.type) {
  case libvlc_MediaPlayerTimeChanged:
    return Invoke(OnMediaPlayerTimeChanged, this, int64_t{u.media_player_time_changed.new_time});
  case libvlc_MediaPlayerPositionChanged:
    return Invoke(OnMediaPlayerPositionChanged, this, u.media_player_position_changed.new_position * 100.0f);
  case libvlc_MediaPlayerSeekableChanged:
    return Invoke(OnMediaPlayerSeekableChanged, this, u.media_player_seekable_changed.new_seekable != 0);
  case libvlc_MediaPlayerPausableChanged:
    return Invoke(OnMediaPlayerPausableChanged, this, u.media_player_pausable_changed.new_pausable != 0);
  case libvlc_MediaPlayerTitleChanged:
    return Invoke(OnMediaPlayerTitleChanged, this, u.media_player_title_changed.new_title);
  case libvlc_MediaPlayerSnapshotTaken: {
    // The handler gets its own copy; it is freed on return or unwinding.
    const char* name = u.media_player_snapshot_taken.psz_filename;
    return Invoke(OnMediaPlayerSnapshotTaken, this, std::string(name ? name : ""));
  }
  case libvlc_MediaPlayerLengthChanged:
    return Invoke(OnMediaPlayerLengthChanged, this, int64_t{u.media_player_length_changed.new_length});
  default:
    return Invoke(this->*kNotifySlots[event.type - kFirstEvent], this);
  }
}
