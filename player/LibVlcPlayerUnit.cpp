#include "player/LibVlcPlayerUnit.h"

#include <chrono>
#include <filesystem>
#include <thread>

#include "player/LibVlcUnit.h"

namespace {

// The process's one library instance, shared by every panel, and the number of
// panels holding a reference on it. User-interface thread only.
libvlc_instance_t* SharedInstance = nullptr;
int SharedInstanceUsers = 0;

// An existing file (not a directory) is opened as a path; anything else is a location.
bool IsExistingFile(const std::string& address)
{
  std::error_code error;
  const auto status = std::filesystem::status(address, error);
  return !error && std::filesystem::exists(status) && !std::filesystem::is_directory(status);
}

}  // namespace

TLibVlcPlayer::TLibVlcPlayer(TComponent* AOwner) : TCustomPanel(AOwner, TNativeWindow::Yes)
{
  SetColor(clBlack);
  SetBounds(Left(), Top(), 320, 240);
  SetCaption("");
  SetBevelOuter(TBevelCut::bvNone);
  // A panel placed on a form that is being designed is itself being designed.
  if (AOwner && AOwner->Designing())
    SetDesigning(true);
  if (Designing() || !JoinSharedInstance())
    return;
  SetCaption(LibVlc.libvlc_get_version());
  mediaPlayer_ = LibVlc.libvlc_media_player_new(SharedInstance);
  if (!mediaPlayer_)
    return;
  const uintptr_t window = Handle();
  boundWindow_ = window;
  LibVlc.libvlc_media_player_set_xwindow(mediaPlayer_, static_cast<uint32_t>(window));
  AttachEvents();
}

// True when the panel holds a reference on a usable shared instance.
bool TLibVlcPlayer::JoinSharedInstance()
{
  if (!SharedInstance)
    return CreateSharedInstance();
  LibVlc.libvlc_retain(SharedInstance);
  ++SharedInstanceUsers;
  holdsInstance_ = true;
  return true;
}

bool TLibVlcPlayer::CreateSharedInstance()
{
  LoadLibVlc();
  if (!LibVlcLoadError.empty()) {
    SetCaption("libvlc_dynamic_dll_error");
    return false;
  }
  // No program directory in front: libvlc 3 would take it for a playlist item and preparse it.
  static const char* const kArguments[] = {"-I", "dummy", nullptr};
  SharedInstance = LibVlc.libvlc_new(2, kArguments);
  if (SharedInstance) {
    ++SharedInstanceUsers;
    holdsInstance_ = true;
  }
  const char* message = LibVlc.libvlc_errmsg();
  lastError_ = message ? message : "";
  if (!lastError_.empty()) {
    SetCaption(lastError_);
    return false;
  }
  return SharedInstance != nullptr;
}

TLibVlcPlayer::~TLibVlcPlayer()
{
  DetachEvents();
  // Lets the library's threads leave its code before the handlers and the player go.
  std::this_thread::sleep_for(std::chrono::milliseconds(100));
  ClearHandlers();
  ReleasePlayer();
  ReleaseInstance();
}

void TLibVlcPlayer::ReleasePlayer()
{
  if (mediaPlayer_) {
    LibVlc.libvlc_media_player_stop(mediaPlayer_);
    LibVlc.libvlc_media_player_set_media(mediaPlayer_, nullptr);
    LibVlc.libvlc_media_player_release(mediaPlayer_);
    mediaPlayer_ = nullptr;
  }
  if (currentMedia_) {
    LibVlc.libvlc_media_release(currentMedia_);
    currentMedia_ = nullptr;
  }
}

// The last panel to go releases the instance for good, so a later panel creates a new one.
void TLibVlcPlayer::ReleaseInstance()
{
  if (!holdsInstance_)
    return;
  LibVlc.libvlc_release(SharedInstance);
  holdsInstance_ = false;
  if (--SharedInstanceUsers == 0)
    SharedInstance = nullptr;
}

void TLibVlcPlayer::Play(const std::string& address)
{
  if (!mediaPlayer_)
    return;
  LibVlc.libvlc_media_player_stop(mediaPlayer_);
  LibVlc.libvlc_media_player_set_media(mediaPlayer_, nullptr);
  if (currentMedia_)
    LibVlc.libvlc_media_release(currentMedia_);
  currentMedia_ = IsExistingFile(address) ? LibVlc.libvlc_media_new_path(SharedInstance, address.c_str())
                                          : LibVlc.libvlc_media_new_location(SharedInstance, address.c_str());
  LibVlc.libvlc_media_player_set_media(mediaPlayer_, currentMedia_);
  LibVlc.libvlc_media_player_play(mediaPlayer_);
}

void TLibVlcPlayer::Pause()
{
  if (mediaPlayer_ && GetState() == libvlc_Playing)
    LibVlc.libvlc_media_player_pause(mediaPlayer_);
}

uint8_t TLibVlcPlayer::GetState()
{
  if (!mediaPlayer_)
    return 0;
  const int state = LibVlc.libvlc_media_player_get_state(mediaPlayer_);
  return state >= libvlc_NothingSpecial && state <= libvlc_Error ? static_cast<uint8_t>(state) : 0;
}

void TLibVlcPlayer::SetVideoAspectRatio(const std::string& ratio)
{
  if (mediaPlayer_)
    LibVlc.libvlc_video_set_aspect_ratio(mediaPlayer_, ratio.c_str());
}

void TLibVlcPlayer::SetAudioMute(bool on)
{
  if (mediaPlayer_)
    LibVlc.libvlc_audio_set_mute(mediaPlayer_, on ? 1 : 0);
}

void TLibVlcPlayer::SetAudioVolume(int32_t level)
{
  if (mediaPlayer_ && level >= 0 && level <= 200)
    LibVlc.libvlc_audio_set_volume(mediaPlayer_, level);
}

void TLibVlcPlayer::HandleChanged(uintptr_t handle)
{
  // Nothing before the first binding, nothing when the id is the one bound.
  if (!mediaPlayer_ || boundWindow_ == 0 || handle == boundWindow_)
    return;
  boundWindow_ = handle;
  LibVlc.libvlc_media_player_set_xwindow(mediaPlayer_, static_cast<uint32_t>(handle));
}
