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
    view->windowHandle()->installEventFilter(this);
    window()->windowHandle()->installEventFilter(this);
  } else {
    view->setParent(this);
  }
  view->setGeometry(rect());
  view->show();
}

// Qt delivers keys to the program's top-level window even while the view's window,
// a child of it, has the X focus. A click on the page makes the view the active
// widget window, so that the page's own focus follows; keys then go to the page
// until a control of the program takes the focus, as they would to a child view.
bool BrowserHost::eventFilter(QObject* watched, QEvent* event)
{
  if (!view_)
    return false;
  QWindow* viewWindow = view_->windowHandle();
  if (watched == viewWindow) {
    if (event->type() == QEvent::MouseButtonPress && QApplication::activeWindow() != view_.get())
      QApplication::setActiveWindow(view_.get());
    return false;
  }
  const bool key = event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease ||
                   event->type() == QEvent::ShortcutOverride;
  QWidget* focus = QApplication::focusWidget();
  if (!key || !focus || (focus != view_.get() && !view_->isAncestorOf(focus)))
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
