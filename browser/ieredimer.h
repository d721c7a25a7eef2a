#pragma once
// TFramelessIE: the advertisement browser, a web view laid into a native parent
// window. Policy toward the page: no frame or border, no context menu, no object
// of the program for page scripts (no web channel), addresses loaded as given,
// keys left to the page while it has the focus. User-interface thread only.

#include <QPointer>
#include <QUrl>
#include <QRect>
#include <cstdint>
#include <functional>
#include <string>

#include "platform/Component.h"

class BrowserHost;
class QWidget;

// The host-info record the browser asks its host for (all fields 32 bits).
struct TDocHostUIInfo {
  uint32_t cbSize = 0;
  uint32_t dwFlags = 0;
  uint32_t dwDoubleClick = 0;
  uint32_t pchHostCss = 0;
  uint32_t pchHostNS = 0;
};
static_assert(sizeof(TDocHostUIInfo) == 20);

constexpr int32_t S_OK = 0;
constexpr int32_t S_FALSE = 1;
constexpr uint32_t DOCHOSTUIFLAG_NO3DBORDER = 0x4;
constexpr uint32_t DOCHOSTUIDBLCLK_DEFAULT = 0;

using TGetHostInfoEvent = std::function<int32_t(TDocHostUIInfo& Info)>;

class TFramelessIE : public TComponent {
public:
  // The owner frees the browser when it is destroyed, unless it was freed before.
  explicit TFramelessIE(TComponent* AOwner);
  // Ends the page and, with it, its renderer process.
  ~TFramelessIE() override;

  // Lays the view into the native window nativeWindowId of this program.
  void SetParentWindow(uintptr_t nativeWindowId);
  uintptr_t ParentWindow() const { return parentWindow_; }
  void SetBoundsRect(const QRect& bounds);
  QRect BoundsRect() const { return bounds_; }
  // Starts loading the address (once the window has been painted, if it is showing);
  // raises Exception when the address cannot be loaded at all.
  void Navigate(const std::u16string& address);

  // Fills size, flags (no 3-D border) and double-click, then asks the hook if set.
  int32_t GetHostInfo(TDocHostUIInfo& info) const;
  TGetHostInfoEvent OnGetHostInfo;

  // The engine's view (a QWebEngineView): made by the first Navigate; null before,
  // after its window is gone, and when the engine cannot be loaded.
  QWidget* View() const;

private:
  void StartPending();
  void Load(const QUrl& url);

  // The frameless child of the parent window; the view fills it.
  QPointer<BrowserHost> host_;
  // An address asked for before the host's first paint.
  QUrl pending_;
  QPointer<QWidget> view_;
  uintptr_t parentWindow_ = 0;
  QRect bounds_;
};
