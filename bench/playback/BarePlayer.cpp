// The media library alone: a plain X window of the video area's size, one library
// instance and one media player drawing into it. A released Space plays the clip
// given as the argument, with the player panel's own sequence of calls, or pauses
// it while it plays, as the program's play toggle does. Prints
// "play <ns>" just before the play call and "playing <ns>" on the Playing event
// (CLOCK_MONOTONIC), one line each, for the benchmark that started it.

#include <X11/Xlib.h>
#include <X11/Xatom.h>
#include <X11/keysym.h>
#include <vlc/vlc.h>

#include <cstdio>
#include <unistd.h>

#include "Stamp.h"

namespace {

void OnPlaying(const libvlc_event_t*, void*)
{
  Stamp("playing");
}

Window CreateWindow(Display* display)
{
  const int screen = DefaultScreen(display);
  const Window window = XCreateSimpleWindow(display, RootWindow(display, screen), 289, 158, 465, 297, 0, 0,
                                            BlackPixel(display, screen));
  XStoreName(display, window, "bare libvlc");
  const long pid = getpid();
  XChangeProperty(display, window, XInternAtom(display, "_NET_WM_PID", False), XA_CARDINAL, 32, PropModeReplace,
                  reinterpret_cast<const unsigned char*>(&pid), 1);
  XSelectInput(display, window, KeyReleaseMask | StructureNotifyMask);
  XMapWindow(display, window);
  return window;
}

}  // namespace

int main(int argc, char** argv)
{
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s clip\n", argv[0]);
    return 2;
  }
  Display* display = XOpenDisplay(nullptr);
  if (!display)
    return 1;
  const Window window = CreateWindow(display);
  const char* const arguments[] = {"-I", "dummy"};
  libvlc_instance_t* instance = libvlc_new(2, arguments);
  if (!instance)
    return 1;
  libvlc_media_player_t* player = libvlc_media_player_new(instance);
  libvlc_media_player_set_xwindow(player, static_cast<uint32_t>(window));
  libvlc_event_attach(libvlc_media_player_event_manager(player), libvlc_MediaPlayerPlaying, OnPlaying, nullptr);
  libvlc_video_set_aspect_ratio(player, "16:9");
  XSync(display, False);
  Stamp("ready");
  for (;;) {
    XEvent event;
    XNextEvent(display, &event);
    if (event.type == DestroyNotify)
      break;
    if (event.type != KeyRelease || XLookupKeysym(&event.xkey, 0) != XK_space)
      continue;
    if (libvlc_media_player_get_state(player) == libvlc_Playing) {  // the program's toggle: a pause
      libvlc_media_player_set_pause(player, 1);
      continue;
    }
    Stamp("play");
    libvlc_media_player_stop(player);
    libvlc_media_player_set_media(player, nullptr);
    libvlc_media_t* media = libvlc_media_new_path(instance, argv[1]);
    libvlc_media_player_set_media(player, media);
    libvlc_media_player_play(player);
    libvlc_media_release(media);
  }
  return 0;
}
