#include "XScreen.h"

#include <X11/Xatom.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>

#include <algorithm>
#include <cstdlib>
#include <stdexcept>

namespace {

constexpr unsigned long RootColour = 0x2d8a57;  // a green none of the subjects paints

bool Lit(const uint8_t* pixel)
{
  return std::max({pixel[0], pixel[1], pixel[2]}) > 40;
}

// Windows of the subjects come and go between a query and the next request.
int IgnoreError(Display*, XErrorEvent*)
{
  return 0;
}

}  // namespace

XScreen::XScreen() : display_(XOpenDisplay(nullptr))
{
  XSetErrorHandler(IgnoreError);
  if (!display_)
    throw std::runtime_error("no X display");
  int event = 0, error = 0, major = 0, minor = 0;
  if (!XTestQueryExtension(display_, &event, &error, &major, &minor))
    throw std::runtime_error("the X server has no XTEST");
  root_ = DefaultRootWindow(display_);
}

XScreen::~XScreen()
{
  XCloseDisplay(display_);
}

void XScreen::PaintRoot()
{
  XSetWindowBackground(display_, root_, RootColour);
  XClearWindow(display_, root_);
  XSync(display_, False);
}

std::vector<uint8_t> XScreen::Pixels(const Area& area)
{
  std::vector<uint8_t> rgb;
  XImage* image = XGetImage(display_, root_, area.x, area.y, static_cast<unsigned>(area.width),
                            static_cast<unsigned>(area.height), AllPlanes, ZPixmap);
  if (!image)
    return rgb;
  rgb.reserve(static_cast<size_t>(area.width) * static_cast<size_t>(area.height) * 3);
  for (int y = 0; y < area.height; ++y) {
    for (int x = 0; x < area.width; ++x) {
      const unsigned long pixel = XGetPixel(image, x, y);
      rgb.insert(rgb.end(), {static_cast<uint8_t>(pixel >> 16), static_cast<uint8_t>(pixel >> 8),
                             static_cast<uint8_t>(pixel)});
    }
  }
  XDestroyImage(image);
  return rgb;
}

double XScreen::PaintedShare(const Area& area)
{
  size_t painted = 0, all = 0;
  for (int y = area.y; y < area.y + area.height; y += 8) {
    const auto row = Pixels({area.x, y, area.width, 1});
    for (size_t i = 0; i + 2 < row.size(); i += 3, ++all) {
      const unsigned long pixel = (static_cast<unsigned long>(row[i]) << 16) | (row[i + 1] << 8) | row[i + 2];
      painted += pixel != RootColour;
    }
  }
  return all ? static_cast<double>(painted) / static_cast<double>(all) : 0.0;
}

std::vector<uint8_t> XScreen::Rows(const Area& area)
{
  std::vector<uint8_t> rgb;
  for (int quarter = 1; quarter <= 3; ++quarter) {
    const auto row = Pixels({area.x, area.y + area.height * quarter / 4, area.width, 1});
    rgb.insert(rgb.end(), row.begin(), row.end());
  }
  return rgb;
}

std::optional<Window> XScreen::TopLevelOf(pid_t pid)
{
  const Atom pidAtom = XInternAtom(display_, "_NET_WM_PID", False);
  Window rootReturn = 0, parent = 0, *children = nullptr;
  unsigned count = 0;
  std::optional<Window> found;
  if (!XQueryTree(display_, root_, &rootReturn, &parent, &children, &count))
    return found;
  for (unsigned i = 0; i < count && !found; ++i) {
    XWindowAttributes attributes;
    if (!XGetWindowAttributes(display_, children[i], &attributes) || attributes.map_state != IsViewable)
      continue;
    Atom type = 0;
    int format = 0;
    unsigned long items = 0, after = 0;
    unsigned char* data = nullptr;
    if (XGetWindowProperty(display_, children[i], pidAtom, 0, 1, False, XA_CARDINAL, &type, &format, &items, &after,
                           &data) == Success && data && items == 1 && *reinterpret_cast<long*>(data) == pid)
      found = children[i];
    if (data)
      XFree(data);
  }
  if (children)
    XFree(children);
  return found;
}

Area XScreen::AreaOf(Window window)
{
  XWindowAttributes attributes;
  XGetWindowAttributes(display_, window, &attributes);
  int x = 0, y = 0;
  Window child = 0;
  XTranslateCoordinates(display_, window, root_, 0, 0, &x, &y, &child);
  return {x, y, attributes.width, attributes.height};
}

std::optional<Area> XScreen::FindArea(Window top, int width, int height)
{
  std::vector<Window> queue{top};
  for (size_t i = 0; i < queue.size(); ++i) {
    XWindowAttributes attributes;
    if (!XGetWindowAttributes(display_, queue[i], &attributes) || attributes.map_state != IsViewable)
      continue;
    if (attributes.width == width && attributes.height == height)
      return AreaOf(queue[i]);
    Window rootReturn = 0, parent = 0, *children = nullptr;
    unsigned count = 0;
    if (XQueryTree(display_, queue[i], &rootReturn, &parent, &children, &count) && children) {
      queue.insert(queue.end(), children, children + count);
      XFree(children);
    }
  }
  return std::nullopt;
}

void XScreen::Focus(Window window)
{
  XSetInputFocus(display_, window, RevertToParent, CurrentTime);
  XSync(display_, False);
}

void XScreen::Type(unsigned long keysym)
{
  const KeyCode code = XKeysymToKeycode(display_, keysym);
  XTestFakeKeyEvent(display_, code, True, CurrentTime);
  XTestFakeKeyEvent(display_, code, False, CurrentTime);
  XSync(display_, False);
}

double NewlyLitShare(const std::vector<uint8_t>& before, const std::vector<uint8_t>& after)
{
  size_t count = 0;
  for (size_t i = 0; i + 2 < after.size() && i + 2 < before.size(); i += 3) {
    const int change = std::max({std::abs(after[i] - before[i]), std::abs(after[i + 1] - before[i + 1]),
                                 std::abs(after[i + 2] - before[i + 2])});
    count += Lit(&after[i]) && change > 48;
  }
  return after.empty() ? 0.0 : static_cast<double>(count) / static_cast<double>(after.size() / 3);
}
