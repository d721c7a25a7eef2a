#include "platform/FormWindow.h"

#include <QCloseEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWindow>

#include "platform/Application.h"
#include "platform/Form.h"

FormWindow::FormWindow(TForm* form) : form_(form)
{
  setMouseTracking(true);
}

QRect FormWindow::CloseButtonRect() const
{
  const int frame = form_ ? form_->FrameWidth() : 0;
  const int size = form_ ? form_->CaptionHeight() - 4 : 0;
  return QRect(width() - frame - 2 - size, frame + 2, size, size);
}

QRect FormWindow::MinimizeButtonRect() const
{
  return CloseButtonRect().translated(-CloseButtonRect().width() - 2, 0);
}

void FormWindow::paintEvent(QPaintEvent*)
{
  if (!form_)
    return;
  QPainter painter(this);
  if (form_->Painter())
    TApplication::Guarded([&] { form_->Painter()(painter, *form_); });
  else
    PaintPlainFrame(painter);
}

// The look before a skin paints the window: a dark caption with the title and two buttons.
void FormWindow::PaintPlainFrame(QPainter& painter)
{
  painter.fillRect(rect(), QColor(0x3a, 0x3d, 0x42));
  const int caption = form_->CaptionHeight();
  if (caption <= 0)
    return;
  const int frame = form_->FrameWidth();
  const QRect bar(frame, frame, width() - 2 * frame, caption);
  painter.fillRect(bar, QColor(0x24, 0x27, 0x2c));
  painter.setPen(Qt::white);
  QFont font = painter.font();
  font.setPixelSize(11);
  font.setBold(true);
  painter.setFont(font);
  const QRect text = bar.adjusted(6, 0, -2 * caption - 6, 0);
  painter.drawText(text, Qt::AlignVCenter | Qt::AlignLeft,
                   painter.fontMetrics().elidedText(windowTitle(), Qt::ElideRight, text.width()));
  painter.setPen(QPen(Qt::white, 1.5));
  const QRect close = CloseButtonRect().adjusted(5, 5, -5, -5);
  painter.drawLine(close.topLeft(), close.bottomRight());
  painter.drawLine(close.topRight(), close.bottomLeft());
  const QRect minimize = MinimizeButtonRect().adjusted(5, 5, -5, -5);
  painter.drawLine(minimize.bottomLeft(), minimize.bottomRight());
}

void FormWindow::mousePressEvent(QMouseEvent* event)
{
  if (!form_ || event->button() != Qt::LeftButton)
    return;
  const QPoint pos = event->position().toPoint();
  if (form_->CaptionHeight() <= 0 || pos.y() >= form_->FrameWidth() + form_->CaptionHeight())
    return;
  if (CloseButtonRect().contains(pos)) {
    close();
  } else if (MinimizeButtonRect().contains(pos)) {
    showMinimized();
  } else if (!(windowHandle() && windowHandle()->startSystemMove())) {
    dragging_ = true;
    dragOffset_ = event->globalPosition().toPoint() - frameGeometry().topLeft();
  }
}

void FormWindow::mouseMoveEvent(QMouseEvent* event)
{
  if (dragging_ && form_) {
    const QPoint topLeft = event->globalPosition().toPoint() - dragOffset_;
    form_->SetBounds(topLeft.x(), topLeft.y(), form_->Width(), form_->Height());
  }
}

void FormWindow::mouseReleaseEvent(QMouseEvent*)
{
  dragging_ = false;
}

void FormWindow::showEvent(QShowEvent*)
{
  if (form_ && form_->OnShow)
    TApplication::Guarded([this, handler = form_->OnShow] { handler(form_); });
}

void FormWindow::changeEvent(QEvent* event)
{
  QWidget::changeEvent(event);
  // A copy runs, so that a handler may remove itself.
  if (event->type() == QEvent::ActivationChange && isActiveWindow() && form_ && form_->OnActivate)
    TApplication::Guarded([this, handler = form_->OnActivate] { handler(form_); });
}

void FormWindow::closeEvent(QCloseEvent* event)
{
  if (form_ && form_->OnClose)
    TApplication::Guarded([this, handler = form_->OnClose] { handler(form_); });
  event->accept();
}

void FormWindow::resizeEvent(QResizeEvent*)
{
  if (form_)
    form_->LayoutClient();
}
