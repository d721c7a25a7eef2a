#include "platform/Control.h"

#include <QPainter>
#include <QTimer>

#include "platform/ControlWidget.h"
#include "platform/WinControl.h"

TControl::TControl(TComponent* AOwner) : TComponent(AOwner), widget_(new ControlWidget(this)) {}

TControl::~TControl()
{
  if (parent_)
    parent_->RemoveControl(this);
  if (widget_) {
    widget_->Detach();
    delete widget_;
  }
}

QWidget* TControl::Widget() const
{
  return widget_;
}

QWidget* TControl::ClientWidget() const
{
  return widget_;
}

void TControl::SetParent(TWinControl* parent)
{
  if (parent == parent_)
    return;
  if (parent_)
    parent_->RemoveControl(this);
  parent_ = parent;
  widget_->setParent(parent ? parent->ClientWidget() : nullptr);
  if (parent_)
    parent_->AddControl(this);
  widget_->setGeometry(bounds_);
  ApplyVisibility();
}

void TControl::SetBounds(int left, int top, int width, int height)
{
  bounds_ = QRect(left, top, width, height);
  widget_->setGeometry(bounds_);
}

void TControl::SetVisible(bool visible)
{
  visible_ = visible;
  ApplyVisibility();
}

void TControl::ApplyVisibility()
{
  if (parent_)
    widget_->setVisible(visible_);
}

void TControl::SetEnabled(bool enabled)
{
  enabled_ = enabled;
  widget_->setEnabled(enabled);
  EnabledChanged();
}

void TControl::SetColor(TColor color)
{
  color_ = color;
  Invalidate();
}

void TControl::SetFont(const TFont& font)
{
  font_ = font;
  widget_->setFont(ToQFont(font));
  FontChanged();
}

void TControl::SetCaption(const std::string& caption)
{
  if (caption == caption_)
    return;
  caption_ = caption;
  CaptionChanged();
}

void TControl::SetHint(const std::string& hint)
{
  hint_ = hint;
  widget_->setToolTip(showHint_ ? QString::fromStdString(hint_) : QString());
}

void TControl::SetShowHint(bool value)
{
  showHint_ = value;
  SetHint(hint_);
}

void TControl::Invalidate()
{
  widget_->update();
}

void TControl::Repaint()
{
  widget_->repaint();
}

void TControl::Paint(QPainter& canvas)
{
  canvas.fillRect(ClientRect(), ToQColor(color_));
}

void TControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
  if (OnMouseDown)
    OnMouseDown(this, button, shift, x, y);
}

void TControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
  if (OnMouseUp)
    OnMouseUp(this, button, shift, x, y);
}

void TControl::MouseMove(TShiftState shift, int x, int y)
{
  if (OnMouseMove)
    OnMouseMove(this, shift, x, y);
}

void TControl::MouseEnter()
{
  if (OnMouseEnter)
    OnMouseEnter(this);
}

void TControl::MouseLeave()
{
  if (OnMouseLeave)
    OnMouseLeave(this);
}

void TControl::Click()
{
  if (OnClick)
    OnClick(this);
}

void TControl::KeyUp(uint16_t&, TShiftState) {}

TGraphicControl::TGraphicControl(TComponent* AOwner) : TControl(AOwner)
{
  Widget()->setFocusPolicy(Qt::NoFocus);
}

void TControl::UseOwnWindow()
{
  Widget()->setAttribute(Qt::WA_DontCreateNativeAncestors);
  QTimer::singleShot(0, Widget(), [this] {
    if (QWidget* top = Widget()->window(); top != Widget())
      top->winId();
    Widget()->winId();
  });
}
