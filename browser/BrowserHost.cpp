#include "browser/BrowserHost.h"

#include <QApplication>
#include <QTimer>
#include <QWindow>

BrowserHost::BrowserHost() = default;

BrowserHost::~BrowserHost() = default;

void BrowserHost::Embed(QWidget* view)
{
  view_.reset(view);
  if (ViewsOwnWindow()) {
    winId();
    view->winId();
    view->windowHandle()->setParent(windowHandle());
    // Qt keeps the program's window as the one with the keyboard: see eventFilter.
    qApp->installEventFilter(this);
  } else {
    view->setParent(this);
  }
  view->setGeometry(rect());
  view->show();
}

// Qt delivers keys to the program's top-level window even while the view's window,
// a child of it, has the X focus. A click on the page makes the view the active
// widget window, so that the page's own focus follows, and a click anywhere else in
// the program gives the keyboard back to the program's window; meanwhile keys that
// reach the program's top-level window go on to the page.
bool BrowserHost::eventFilter(QObject* watched, QEvent* event)
{
  // Every event of the program passes here while the view lives: the type decides first.
  const bool press = event->type() == QEvent::MouseButtonPress;
  const bool key = event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease ||
                   event->type() == QEvent::ShortcutOverride;
  auto* window = (press || key) ? qobject_cast<QWindow*>(watched) : nullptr;
  if (!view_ || !window)
    return false;
  QWindow* viewWindow = view_->windowHandle();
  const bool pageActive = QApplication::activeWindow() == view_.get();
  if (press) {
    if (window == viewWindow && !pageActive)
      QApplication::setActiveWindow(view_.get());
    else if (window != viewWindow && pageActive)
      QApplication::setActiveWindow(this->window());
    return false;
  }
  if (!pageActive || window != this->window()->windowHandle())
    return false;
  QCoreApplication::sendEvent(viewWindow, event);
  return true;
}

bool BrowserHost::ViewsOwnWindow()
{
  return QGuiApplication::platformName() == QLatin1String("xcb");
}

void BrowserHost::paintEvent(QPaintEvent* event)
{
  QWidget::paintEvent(event);
  if (painted_)
    return;
  painted_ = true;
  // Not inside the paint: starting the engine would hold up this very frame.
  QTimer::singleShot(0, this, [this] {
    if (OnFirstPaint)
      OnFirstPaint();
  });
}

void BrowserHost::resizeEvent(QResizeEvent* event)
{
  QWidget::resizeEvent(event);
  if (view_)
    view_->setGeometry(rect());
}
