#include "browser/BrowserHost.h"

#include <QTimer>
#include <QVBoxLayout>

BrowserHost::BrowserHost()
{
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
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
