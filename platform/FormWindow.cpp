#include "platform/FormWindow.h"

#include <QCloseEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWindow>

#include "platform/Application.h"
#include "platform/Form.h"
#include "platform/FormNonClient.h"

namespace {

bool IsCaptionButton(int hit)
{
  return hit == HTCLOSE || hit == HTMINBUTTON || hit == HTMAXBUTTON || hit == HTHELP;
}

}  // namespace

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

void FormWindow::ResetButtons()
{
  hotButton_ = pressedButton_ = 0;
  captionPressed_ = false;
}

void FormWindow::paintEvent(QPaintEvent* event)
{
  if (!form_)
    return;
  QPainter painter(this);
  if (TNonClientHandler* handler = form_->NonClientHandler())
    TApplication::Guarded([&] { handler->PaintNonClient(painter, event->rect()); });
  else
    PaintPlainFrame(painter);
}

// The look without a skin: a dark caption with the title and two buttons.
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
  for (const auto& [hit, area] : {std::pair{HTCLOSE, CloseButtonRect()}, std::pair{HTMINBUTTON, MinimizeButtonRect()}}) {
    if (hotButton_ == hit)
      painter.fillRect(area, pressedButton_ == hit ? QColor(0x14, 0x16, 0x19) : QColor(0x4a, 0x4e, 0x55));
  }
  painter.setPen(QPen(Qt::white, 1.5));
  const QRect close = CloseButtonRect().adjusted(5, 5, -5, -5);
  painter.drawLine(close.topLeft(), close.bottomRight());
  painter.drawLine(close.topRight(), close.bottomLeft());
  const QRect minimize = MinimizeButtonRect().adjusted(5, 5, -5, -5);
  painter.drawLine(minimize.bottomLeft(), minimize.bottomRight());
}

int FormWindow::HitTest(const QPoint& pos) const
{
  if (!form_)
    return HTNOWHERE;
  if (TNonClientHandler* handler = form_->NonClientHandler())
    return handler->HitTest(pos);
  return PlainHitTest(pos);
}

int FormWindow::PlainHitTest(const QPoint& pos) const
{
  const int frame = form_->FrameWidth();
  const int caption = form_->CaptionHeight();
  if (QRect(frame, frame + caption, form_->ClientWidth(), form_->ClientHeight()).contains(pos))
    return HTCLIENT;
  if (caption <= 0 || !QRect(frame, frame, width() - 2 * frame, caption).contains(pos))
    return HTNOWHERE;
  if (CloseButtonRect().contains(pos))
    return HTCLOSE;
  if (MinimizeButtonRect().contains(pos))
    return HTMINBUTTON;
  return HTCAPTION;
}

void FormWindow::SetButtons(int hot, int pressed)
{
  if (hot == hotButton_ && pressed == pressedButton_)
    return;
  hotButton_ = hot;
  pressedButton_ = pressed;
  if (TNonClientHandler* handler = form_ ? form_->NonClientHandler() : nullptr)
    update(handler->SetButtonStates(hot, pressed));
  else
    update(CloseButtonRect().united(MinimizeButtonRect()));
}

void FormWindow::RunButton(int hit)
{
  if (hit == HTCLOSE)
    close();
  else if (hit == HTMINBUTTON)
    showMinimized();
}

void FormWindow::StartMove(QMouseEvent* event)
{
  if (windowHandle() && windowHandle()->startSystemMove())
    return;
  dragging_ = true;
  dragOffset_ = event->globalPosition().toPoint() - frameGeometry().topLeft();
}

void FormWindow::mousePressEvent(QMouseEvent* event)
{
  if (!form_ || event->button() != Qt::LeftButton)
    return;
  const QPoint pos = event->position().toPoint();
  const int hit = HitTest(pos);
  if (IsCaptionButton(hit)) {
    SetButtons(hit, hit);
    return;
  }
  if (hit != HTCAPTION)
    return;
  QRect repaint;
  TNonClientHandler* handler = form_->NonClientHandler();
  if (handler && handler->CaptionMouseDown(pos, repaint)) {
    captionPressed_ = true;
    update(repaint);
    return;
  }
  StartMove(event);
}

void FormWindow::mouseMoveEvent(QMouseEvent* event)
{
  if (!form_)
    return;
  if (dragging_) {
    const QPoint topLeft = event->globalPosition().toPoint() - dragOffset_;
    form_->SetBounds(topLeft.x(), topLeft.y(), form_->Width(), form_->Height());
    return;
  }
  const QPoint pos = event->position().toPoint();
  const int hit = HitTest(pos);
  // A held button shows pressed only while the mouse is over it, as the platform's do.
  if (pressedButton_)
    SetButtons(hit == pressedButton_ ? hit : 0, pressedButton_);
  else
    SetButtons(IsCaptionButton(hit) ? hit : 0, 0);
  if (TNonClientHandler* handler = form_->NonClientHandler())
    update(handler->CaptionMouseMove(pos));
}

void FormWindow::mouseReleaseEvent(QMouseEvent* event)
{
  dragging_ = false;
  if (!form_ || event->button() != Qt::LeftButton)
    return;
  const QPoint pos = event->position().toPoint();
  if (captionPressed_) {
    captionPressed_ = false;
    if (TNonClientHandler* handler = form_->NonClientHandler())
      update(handler->CaptionMouseUp(pos));
  }
  const int button = pressedButton_;
  if (!button)
    return;
  const int hit = HitTest(pos);
  SetButtons(IsCaptionButton(hit) ? hit : 0, 0);
  if (hit == button)
    RunButton(button);
}

void FormWindow::leaveEvent(QEvent*)
{
  if (!form_ || pressedButton_)
    return;
  SetButtons(0, 0);
  if (TNonClientHandler* handler = form_->NonClientHandler())
    update(handler->CaptionMouseMove(QPoint(-1, -1)));
}

void FormWindow::showEvent(QShowEvent*)
{
  if (form_ && form_->OnShow)
    TApplication::Guarded([this, handler = form_->OnShow] { handler(form_); });
}

void FormWindow::changeEvent(QEvent* event)
{
  QWidget::changeEvent(event);
  if (!form_ || event->type() != QEvent::ActivationChange)
    return;
  if (isActiveWindow())
    form_->Activated();
  if (TNonClientHandler* handler = form_->NonClientHandler())
    handler->FrameChanged();
  update();
  // A copy runs, so that a handler may remove itself.
  if (isActiveWindow() && form_->OnActivate)
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
  if (!form_)
    return;
  form_->LayoutClient();
  if (TNonClientHandler* handler = form_->NonClientHandler())
    handler->FrameChanged();
}
