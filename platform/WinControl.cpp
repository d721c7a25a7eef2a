#include "platform/WinControl.h"

#include <QPainter>
#include <QWidget>
#include <algorithm>

TWinControl::TWinControl(TComponent* AOwner, TNativeWindow native) : TControl(AOwner), native_(native)
{
  // A native window is made for this control alone (by Handle()): the Qt-painted
  // controls around it stay in the top-level's surface, where they are composed correctly.
  Widget()->setAttribute(Qt::WA_DontCreateNativeAncestors);
  Widget()->setFocusPolicy(Qt::NoFocus);
}

void TWinControl::SetParent(TWinControl* parent)
{
  TControl::SetParent(parent);
  if (parent && native_ == TNativeWindow::Yes)
    Handle();
}

TWinControl::~TWinControl()
{
  while (!controls_.empty())
    delete controls_.back();
}

void TWinControl::AddControl(TControl* control)
{
  controls_.push_back(control);
}

void TWinControl::RemoveControl(TControl* control)
{
  controls_.erase(std::remove(controls_.begin(), controls_.end(), control), controls_.end());
}

void TWinControl::SetTabOrder(int order)
{
  tabOrder_ = order;
  if (Parent())
    Parent()->UpdateTabChain();
}

void TWinControl::SetTabStop(bool value)
{
  tabStop_ = value;
  Widget()->setFocusPolicy(value ? Qt::StrongFocus : Qt::NoFocus);
  if (Parent())
    Parent()->UpdateTabChain();
}

// Tab moves through the focusable children in tab order.
void TWinControl::UpdateTabChain()
{
  std::vector<TWinControl*> stops;
  for (TControl* control : controls_)
    if (auto* win = dynamic_cast<TWinControl*>(control); win && win->tabStop_)
      stops.push_back(win);
  std::stable_sort(stops.begin(), stops.end(), [](auto* a, auto* b) { return a->tabOrder_ < b->tabOrder_; });
  for (size_t i = 1; i < stops.size(); ++i)
    QWidget::setTabOrder(stops[i - 1]->Widget(), stops[i]->Widget());
}

void TWinControl::SetFocus()
{
  Widget()->setFocus(Qt::OtherFocusReason);
}

bool TWinControl::Focused() const
{
  return Widget()->hasFocus();
}

uintptr_t TWinControl::Handle()
{
  // A control still without a parent (being built) lives in its owner's window
  // meanwhile: a native window made as a top-level would be replaced on reparenting.
  if (!Parent())
    if (auto* owner = dynamic_cast<TWinControl*>(Owner()))
      SetParent(owner);
  // The top-level window first, as a native child needs its parent's window.
  if (QWidget* top = Widget()->window(); top != Widget())
    top->winId();
  return static_cast<uintptr_t>(Widget()->winId());
}

TCustomPanel::TCustomPanel(TComponent* AOwner, TNativeWindow native) : TWinControl(AOwner, native) {}

void TCustomPanel::SetBevelOuter(TBevelCut bevel)
{
  bevelOuter_ = bevel;
  Invalidate();
}

void TCustomPanel::Paint(QPainter& canvas)
{
  const QRect area = ClientRect();
  canvas.fillRect(area, ToQColor(Color()));
  if (bevelOuter_ != TBevelCut::bvNone) {
    const bool raised = bevelOuter_ == TBevelCut::bvRaised;
    canvas.setPen(ToQColor(raised ? clBtnHighlight : clBtnShadow));
    canvas.drawLine(area.topLeft(), area.topRight());
    canvas.drawLine(area.topLeft(), area.bottomLeft());
    canvas.setPen(ToQColor(raised ? clBtnShadow : clBtnHighlight));
    canvas.drawLine(area.bottomLeft(), area.bottomRight());
    canvas.drawLine(area.topRight(), area.bottomRight());
  }
  if (!Caption().empty()) {
    canvas.setPen(ToQColor(Font().Color));
    canvas.drawText(area, Qt::AlignCenter, QString::fromStdString(Caption()));
  }
}
