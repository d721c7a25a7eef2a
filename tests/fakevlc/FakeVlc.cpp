// The fake media library: the functions the program calls, with answers a test
// chooses, a call log, and events raised on threads of its own.

#include <unistd.h>

#include <atomic>
#include <memory>
#include <mutex>

#include <vlc/vlc.h>

#include "FakeVlc.h"
#include "FakeVlcLog.h"

// The library's opaque handles, here only labels for the log.
struct libvlc_instance_t {
  std::string label;
};
struct libvlc_media_player_t {
  std::string label;
};
struct libvlc_media_t {
  std::string label;
};
struct libvlc_event_manager_t {
  std::string label;
};

namespace {

template <typename Handle>
std::string Label(const Handle* handle)
{
  return handle ? handle->label : "NULL";
}

struct Listener {
  libvlc_event_type_t type;
  libvlc_callback_t callback;
  void* data;
};

class Fake final : public FakeVlcControl {
public:
  libvlc_instance_t instance{"instance"};
  libvlc_media_player_t player{"player"};
  libvlc_event_manager_t events{"events"};

  void Record(std::string call)
  {
    std::lock_guard lock(mutex_);
    calls_.push_back(std::move(call));
  }

  std::vector<std::string> Calls() override
  {
    std::lock_guard lock(mutex_);
    return calls_;
  }

  void ClearCalls() override
  {
    std::lock_guard lock(mutex_);
    calls_.clear();
  }

  void Reset() override
  {
    std::lock_guard lock(mutex_);
    calls_.clear();
    mediaNumber_ = 0;
    state_ = 0;
    error_.clear();
    version_ = "3.0.0 Fake";
    givesInstance_ = givesPlayer_ = true;
  }

  void SetState(int state) override { Set(state_, state); }
  void SetErrorMessage(const std::string& text) override { Set(error_, text); }
  void SetVersion(const std::string& text) override { Set(version_, text); }
  void SetGivesInstance(bool gives) override { Set(givesInstance_, gives); }
  void SetGivesPlayer(bool gives) override { Set(givesPlayer_, gives); }

  int State() { return Get(state_); }
  bool GivesInstance() { return Get(givesInstance_); }
  bool GivesPlayer() { return Get(givesPlayer_); }
  // The texts stay valid until the test changes them, as the library's do.
  const char* ErrorMessage()
  {
    std::lock_guard lock(mutex_);
    return error_.empty() ? nullptr : error_.c_str();
  }
  const char* Version()
  {
    std::lock_guard lock(mutex_);
    return version_.c_str();
  }

  libvlc_media_t* NewMedia()
  {
    std::lock_guard lock(mutex_);
    media_.push_back(std::make_unique<libvlc_media_t>("media" + std::to_string(++mediaNumber_)));
    return media_.back().get();
  }

  void Attach(const Listener& listener)
  {
    std::lock_guard lock(dispatchMutex_);
    listeners_.push_back(listener);
  }

  // Waits for a running delivery, as libvlc 3 does.
  void Detach(const Listener& listener)
  {
    std::lock_guard lock(dispatchMutex_);
    std::erase_if(listeners_, [&](const Listener& l) {
      return l.type == listener.type && l.callback == listener.callback && l.data == listener.data;
    });
  }

  int Listeners() override
  {
    std::lock_guard lock(dispatchMutex_);
    return static_cast<int>(listeners_.size());
  }

  std::thread::id Raise(const libvlc_event_t& event) override
  {
    std::thread::id id;
    std::thread thread([&] {
      id = std::this_thread::get_id();
      Deliver(event);
    });
    thread.join();
    return id;
  }

  void StartStream(const libvlc_event_t& event) override
  {
    streaming_ = true;
    stream_ = std::thread([this, event] {
      while (streaming_) {
        Deliver(event);
        ++rounds_;
        std::this_thread::yield();
      }
    });
  }

  void StopStream() override
  {
    streaming_ = false;
    if (stream_.joinable())
      stream_.join();
    rounds_ = 0;
  }

  long StreamRounds() override { return rounds_; }

  void SetLoadDirectory(std::string directory) { Set(loadDirectory_, std::move(directory)); }
  std::string LoadDirectory() override { return Get(loadDirectory_); }

private:
  template <typename T, typename V>
  void Set(T& field, V&& value)
  {
    std::lock_guard lock(mutex_);
    field = std::forward<V>(value);
  }
  template <typename T>
  T Get(const T& field)
  {
    std::lock_guard lock(mutex_);
    return field;
  }

  // The callbacks run with dispatchMutex_ held, so Detach waits for them.
  void Deliver(libvlc_event_t event)
  {
    event.p_obj = &events;
    std::lock_guard lock(dispatchMutex_);
    for (const Listener& listener : listeners_)
      if (listener.type == event.type)
        listener.callback(&event, listener.data);
  }

  std::mutex mutex_;  // protects the fields up to dispatchMutex_
  std::vector<std::string> calls_;
  std::vector<std::unique_ptr<libvlc_media_t>> media_;  // kept: a panel may still hold one
  int mediaNumber_ = 0;
  int state_ = 0;
  std::string error_;
  std::string version_ = "3.0.0 Fake";
  bool givesInstance_ = true;
  bool givesPlayer_ = true;
  std::string loadDirectory_;

  std::mutex dispatchMutex_;
  std::vector<Listener> listeners_;  // protected by dispatchMutex_
  std::thread stream_;               // started and joined by the test's thread
  std::atomic<bool> streaming_ = false;
  std::atomic<long> rounds_ = 0;
};

// Never destroyed: a stream thread may outlive a failed test.
Fake& TheFake()
{
  static Fake* fake = new Fake;
  return *fake;
}

__attribute__((constructor)) void RecordLoadDirectory()
{
  char directory[4096];
  TheFake().SetLoadDirectory(getcwd(directory, sizeof directory) ? std::string(directory) + "/" : "?");
}

}  // namespace

void FakeVlcRecord(std::string call)
{
  TheFake().Record(std::move(call));
}

extern "C" {

__attribute__((visibility("default"))) FakeVlcControl* fakevlc_control()
{
  return &TheFake();
}

const char* libvlc_errmsg(void)
{
  FakeVlcRecord("libvlc_errmsg()");
  return TheFake().ErrorMessage();
}

libvlc_instance_t* libvlc_new(int argc, const char* const* argv)
{
  std::string call = "libvlc_new(" + std::to_string(argc);
  for (int i = 0; i < argc; ++i)
    call += std::string(", ") + argv[i];
  FakeVlcRecord(call + (argv[argc] ? ", unterminated)" : ")"));
  return TheFake().GivesInstance() ? &TheFake().instance : nullptr;
}

void libvlc_release(libvlc_instance_t* instance)
{
  FakeVlcRecord("libvlc_release(" + Label(instance) + ")");
}

void libvlc_retain(libvlc_instance_t* instance)
{
  FakeVlcRecord("libvlc_retain(" + Label(instance) + ")");
}

const char* libvlc_get_version(void)
{
  FakeVlcRecord("libvlc_get_version()");
  return TheFake().Version();
}

int libvlc_event_attach(libvlc_event_manager_t* manager, libvlc_event_type_t type, libvlc_callback_t callback,
                        void* data)
{
  FakeVlcRecord("libvlc_event_attach(" + Label(manager) + ", " + std::to_string(type) + ")");
  TheFake().Attach({type, callback, data});
  return 0;
}

void libvlc_event_detach(libvlc_event_manager_t* manager, libvlc_event_type_t type, libvlc_callback_t callback,
                         void* data)
{
  FakeVlcRecord("libvlc_event_detach(" + Label(manager) + ", " + std::to_string(type) + ")");
  TheFake().Detach({type, callback, data});
}

libvlc_media_t* libvlc_media_new_location(libvlc_instance_t* instance, const char* location)
{
  libvlc_media_t* media = TheFake().NewMedia();
  FakeVlcRecord("libvlc_media_new_location(" + Label(instance) + ", " + location + ") = " + media->label);
  return media;
}

libvlc_media_t* libvlc_media_new_path(libvlc_instance_t* instance, const char* path)
{
  libvlc_media_t* media = TheFake().NewMedia();
  FakeVlcRecord("libvlc_media_new_path(" + Label(instance) + ", " + path + ") = " + media->label);
  return media;
}

void libvlc_media_release(libvlc_media_t* media)
{
  FakeVlcRecord("libvlc_media_release(" + Label(media) + ")");
}

libvlc_media_player_t* libvlc_media_player_new(libvlc_instance_t* instance)
{
  FakeVlcRecord("libvlc_media_player_new(" + Label(instance) + ")");
  return TheFake().GivesPlayer() ? &TheFake().player : nullptr;
}

void libvlc_media_player_release(libvlc_media_player_t* player)
{
  FakeVlcRecord("libvlc_media_player_release(" + Label(player) + ")");
}

void libvlc_media_player_set_media(libvlc_media_player_t* player, libvlc_media_t* media)
{
  FakeVlcRecord("libvlc_media_player_set_media(" + Label(player) + ", " + Label(media) + ")");
}

libvlc_event_manager_t* libvlc_media_player_event_manager(libvlc_media_player_t* player)
{
  FakeVlcRecord("libvlc_media_player_event_manager(" + Label(player) + ")");
  return &TheFake().events;
}

int libvlc_media_player_play(libvlc_media_player_t* player)
{
  FakeVlcRecord("libvlc_media_player_play(" + Label(player) + ")");
  return 0;
}

void libvlc_media_player_pause(libvlc_media_player_t* player)
{
  FakeVlcRecord("libvlc_media_player_pause(" + Label(player) + ")");
}

void libvlc_media_player_stop(libvlc_media_player_t* player)
{
  FakeVlcRecord("libvlc_media_player_stop(" + Label(player) + ")");
}

void libvlc_media_player_set_xwindow(libvlc_media_player_t* player, uint32_t drawable)
{
  FakeVlcRecord("libvlc_media_player_set_xwindow(" + Label(player) + ", " + std::to_string(drawable) + ")");
}

libvlc_state_t libvlc_media_player_get_state(libvlc_media_player_t* player)
{
  FakeVlcRecord("libvlc_media_player_get_state(" + Label(player) + ")");
  return static_cast<libvlc_state_t>(TheFake().State());
}

void libvlc_video_set_aspect_ratio(libvlc_media_player_t* player, const char* ratio)
{
  FakeVlcRecord("libvlc_video_set_aspect_ratio(" + Label(player) + ", " + (ratio ? "\"" + std::string(ratio) + "\"" : "NULL") + ")");
}

void libvlc_audio_set_mute(libvlc_media_player_t* player, int status)
{
  FakeVlcRecord("libvlc_audio_set_mute(" + Label(player) + ", " + std::to_string(status) + ")");
}

int libvlc_audio_set_volume(libvlc_media_player_t* player, int volume)
{
  FakeVlcRecord("libvlc_audio_set_volume(" + Label(player) + ", " + std::to_string(volume) + ")");
  return 0;
}

}  // extern "C"
