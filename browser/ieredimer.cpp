#include "browser/ieredimer.h"

#include <QCoreApplication>
#include <QTimer>
#include <chrono>
#include <malloc.h>
#include <utility>

#include "browser/BrowserHost.h"
#include "browser/WebEngineSetup.h"
#include "platform/Exception.h"

namespace {

// How long a page waits for the window's first paint at most.
constexpr std::chrono::milliseconds PaintWait(250);
// How long the engine takes to let go of a freed page's memory, with margin.
constexpr std::chrono::seconds HeapReturnDelay(3);

QString ToQString(const std::u16string& text)
{
  return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

// Only a plain host widget is made here. Making the web view starts the engine
// (30-150 ms of the first paint, measured), so the view waits for the first Navigate and the
// window's first paint.
TFramelessIE::TFramelessIE(TComponent* AOwner) : TComponent(AOwner), host_(new BrowserHost)
{
  host_->OnFirstPaint = [this] { StartPending(); };
}

// Deleting the view deletes its page; the engine then ends the page's renderer.
TFramelessIE::~TFramelessIE()
{
  const bool started = view_;
  delete host_.data();
  // The engine cannot be unloaded, but what the page held on the heap is free once the
  // engine has let go of it: about 12 MiB (measured) go back to the system.
  if (started)
    QTimer::singleShot(HeapReturnDelay, QCoreApplication::instance(), [] { malloc_trim(0); });
}

void TFramelessIE::SetParentWindow(uintptr_t nativeWindowId)
{
  QWidget* parent = QWidget::find(static_cast<WId>(nativeWindowId));
  if (!parent)
    throw Exception("Could not obtain OLE control window handle");
  parentWindow_ = nativeWindowId;
  host_->setParent(parent);
  host_->setGeometry(bounds_);
  host_->show();
}

void TFramelessIE::SetBoundsRect(const QRect& bounds)
{
  bounds_ = bounds;
  host_->setGeometry(bounds);
}

void TFramelessIE::StartPending()
{
  if (!pending_.isEmpty())
    Load(std::exchange(pending_, QUrl()));
}

void TFramelessIE::Load(const QUrl& url)
{
  if (!view_) {
    view_ = MakeWebView(BrowserHost::ViewsOwnWindow());
    if (!view_)
      return;
    view_->setContextMenuPolicy(Qt::NoContextMenu);
    host_->Embed(view_);
  }
  view_->setProperty("url", url);
}

void TFramelessIE::Navigate(const std::u16string& address)
{
  const QUrl url(ToQString(address), QUrl::TolerantMode);
  if (address.empty() || !url.isValid())
    throw Exception(FormatText("Invalid address \"%s\": %s", ToQString(address).toStdString().c_str(),
                               url.errorString().toStdString().c_str()));
  if (host_->isVisible() && !host_->Painted()) {
    pending_ = url;
    // A host without area is never painted; it must not hold the page back for good.
    QTimer::singleShot(PaintWait, host_, [this] { StartPending(); });
  } else {
    Load(url);
  }
}

QWidget* TFramelessIE::View() const
{
  return view_;
}

int32_t TFramelessIE::GetHostInfo(TDocHostUIInfo& info) const
{
  info.cbSize = sizeof(TDocHostUIInfo);
  info.dwFlags = DOCHOSTUIFLAG_NO3DBORDER;
  info.dwDoubleClick = DOCHOSTUIDBLCLK_DEFAULT;
  return OnGetHostInfo ? OnGetHostInfo(info) : S_OK;
}
