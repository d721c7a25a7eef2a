#include "platform/ControlWidget.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "platform/Application.h"
#include "platform/Control.h"

namespace {

TMouseButton ButtonOf(Qt::MouseButton button)
{
  switch (button) {
  case Qt::RightButton: return TMouseButton::mbRight;
  case Qt::MiddleButton: return TMouseButton::mbMiddle;
  default: return TMouseButton::mbLeft;
  }
}

TShiftState ShiftOf(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons)
{
  TShiftState shift = 0;
  if (modifiers & Qt::ShiftModifier) shift |= ssShift;
  if (modifiers & Qt::AltModifier) shift |= ssAlt;
  if (modifiers & Qt::ControlModifier) shift |= ssCtrl;
  if (buttons & Qt::LeftButton) shift |= ssLeft;
  if (buttons & Qt::RightButton) shift |= ssRight;
  if (buttons & Qt::MiddleButton) shift |= ssMiddle;
  return shift;
}

}  // namespace

uint16_t VirtualKeyOf(int qtKey)
{
  switch (qtKey) {
  case Qt::Key_Return:
  case Qt::Key_Enter: return VK_RETURN;
  case Qt::Key_Shift: return VK_SHIFT;
  case Qt::Key_Escape: return VK_ESCAPE;
  case Qt::Key_Space: return VK_SPACE;
  case Qt::Key_Up: return VK_UP;
  case Qt::Key_Down: return VK_DOWN;
  default:
    // Letters and digits have their own codes; nothing else here has one.
    if ((qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) || (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z))
      return static_cast<uint16_t>(qtKey);
    return 0;
  }
}

ControlWidget::ControlWidget(TControl* control, QWidget* parent) : QWidget(parent), control_(control)
{
  setMouseTracking(true);
}

void ControlWidget::paintEvent(QPaintEvent*)
{
  if (!control_)
    return;
  QPainter painter(this);
  TApplication::Guarded([&] { control_->Paint(painter); });
}

void ControlWidget::mousePressEvent(QMouseEvent* event)
{
  if (!control_)
    return;
  control_->mousePressed_ = true;
  const auto pos = event->position().toPoint();
  TApplication::Guarded([&] {
    control_->MouseDown(ButtonOf(event->button()), ShiftOf(event->modifiers(), event->buttons()), pos.x(), pos.y());
  });
}

void ControlWidget::mouseReleaseEvent(QMouseEvent* event)
{
  if (!control_)
    return;
  const bool wasPressed = control_->mousePressed_;
  control_->mousePressed_ = false;
  const auto pos = event->position().toPoint();
  TControl* control = control_;
  TApplication::Guarded([&] {
    control->MouseUp(ButtonOf(event->button()), ShiftOf(event->modifiers(), event->buttons()), pos.x(), pos.y());
    if (wasPressed && event->button() == Qt::LeftButton && rect().contains(pos))
      control->Click();
  });
}

void ControlWidget::mouseMoveEvent(QMouseEvent* event)
{
  if (!control_)
    return;
  const auto pos = event->position().toPoint();
  TApplication::Guarded([&] { control_->MouseMove(ShiftOf(event->modifiers(), event->buttons()), pos.x(), pos.y()); });
}

void ControlWidget::enterEvent(QEnterEvent*)
{
  if (!control_)
    return;
  control_->mouseInside_ = true;
  TApplication::Guarded([&] { control_->MouseEnter(); });
}

void ControlWidget::leaveEvent(QEvent*)
{
  if (!control_)
    return;
  control_->mouseInside_ = false;
  TApplication::Guarded([&] { control_->MouseLeave(); });
}

void ControlWidget::keyPressEvent(QKeyEvent* event)
{
  event->accept();
  if (!control_ || event->isAutoRepeat())
    return;
  pressedKeys_.insert(event->key());
  uint16_t key = VirtualKeyOf(event->key());
  const TShiftState shift = ShiftOf(event->modifiers(), Qt::NoButton);
  TApplication::Guarded([&] { control_->KeyDown(key, shift); });
}

void ControlWidget::keyReleaseEvent(QKeyEvent* event)
{
  event->accept();
  // Only a key pressed here counts: the release of the Enter that answered a
  // message box must not reach the window that shows after it.
  if (!control_ || event->isAutoRepeat() || pressedKeys_.erase(event->key()) == 0)
    return;
  uint16_t key = VirtualKeyOf(event->key());
  const TShiftState shift = ShiftOf(event->modifiers(), Qt::NoButton);
  TApplication::Guarded([&] { control_->KeyUp(key, shift); });
}

bool ControlWidget::event(QEvent* event)
{
  if (event->type() == QEvent::ToolTip && !TApplication::HintsEnabled())
    return true;
  if (event->type() == QEvent::WinIdChange && control_ && internalWinId())
    TApplication::Guarded([this] { control_->HandleChanged(static_cast<uintptr_t>(internalWinId())); });
  return QWidget::event(event);
}
