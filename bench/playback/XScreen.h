#pragma once
// What the X server shows, read back from it: top-level windows found by the
// process that owns them, their areas, pixels of the root window, and keys typed
// through the XTEST extension as a keyboard would.

#include <X11/Xlib.h>
#include <sys/types.h>

#include <cstdint>
#include <optional>
#include <vector>

struct Area {
  int x = 0, y = 0, width = 0, height = 0;
};

class XScreen {
public:
  // The display of $DISPLAY; throws when there is none or it lacks XTEST.
  XScreen();
  ~XScreen();
  XScreen(const XScreen&) = delete;
  XScreen& operator=(const XScreen&) = delete;

  // Paints the root in a colour no subject uses, so an unpainted window shows it.
  void PaintRoot();
  // The share of the area's pixels that no longer show the root's colour, read from 1 row in 8.
  double PaintedShare(const Area& area);
  // A viewable top-level window of process `pid`, if there is one.
  std::optional<Window> TopLevelOf(pid_t pid);
  // The screen area of the first viewable window of this size in `top`'s tree, breadth first.
  std::optional<Area> FindArea(Window top, int width, int height);
  // Three rows across the area (at 1/4, 1/2, 3/4 of its height), as RGB bytes.
  std::vector<uint8_t> Rows(const Area& area);
  // The window's place and size on the screen.
  Area AreaOf(Window window);
  void Focus(Window window);
  // Presses and releases the key of `keysym` at once.
  void Type(unsigned long keysym);

private:
  std::vector<uint8_t> Pixels(const Area& area);

  Display* display_ = nullptr;
  Window root_ = 0;
};

// The share of pixels that are lit and differ clearly from `before`.
double NewlyLitShare(const std::vector<uint8_t>& before, const std::vector<uint8_t>& after);
