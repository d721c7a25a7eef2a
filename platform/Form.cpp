#include "platform/Form.h"

#include <QApplication>
#include <QScreen>
#include <QWindow>

#include "platform/Application.h"
#include "platform/ControlWidget.h"
#include "platform/FormNonClient.h"
#include "platform/FormWindow.h"
#include "platform/Screen.h"

namespace {

std::vector<TForm*> forms;

}  // namespace

const std::vector<TForm*>& ScreenForms()
{
  return forms;
}

TForm::TForm(TComponent* AOwner) : TWinControl(AOwner), window_(new FormWindow(this))
{
  forms.push_back(this);
  Widget()->setParent(window_);
  Widget()->setFocusPolicy(Qt::ClickFocus);
  Widget()->show();
  ApplyWindowFlags();
}

TForm::~TForm()
{
  // Leaves the list first: a half-destroyed form gets no more skin commands.
  std::erase(forms, this);
  // Controls first: their widgets live inside the window.
  DestroyComponents();
  Widget()->setParent(nullptr);
  window_->Detach();
  delete window_;
}

QWidget* TForm::ClientWidget() const
{
  return Widget();
}

void TForm::SetCaption(const std::string& caption)
{
  TControl::SetCaption(caption);
  window_->setWindowTitle(QString::fromStdString(caption));
  if (handler_)
    handler_->FrameChanged();
  window_->update();
}

void TForm::SetStyle(uint32_t style)
{
  style_ = style;
  LayoutClient();
  if (handler_)
    handler_->FrameChanged();
  window_->update();
}

int TForm::CaptionHeight() const
{
  return (style_ & WS_CAPTION) == WS_CAPTION ? metrics_.CaptionHeight : 0;
}

int TForm::FrameWidth() const
{
  return (style_ & WS_BORDER) ? metrics_.FrameWidth : 0;
}

void TForm::SetNonClientMetrics(const TNonClientMetrics& metrics)
{
  metrics_ = metrics;
  LayoutClient();
  window_->update();
}

void TForm::SetNonClientHandler(TNonClientHandler* handler)
{
  handler_ = handler;
  window_->ResetButtons();
  window_->update();
}

void TForm::InvalidateNonClient(const QRect& area)
{
  if (area.isEmpty())
    window_->update();
  else
    window_->update(area);
}

QPoint TForm::ScreenOrigin() const
{
  return window_->geometry().topLeft();
}

namespace {
TForm::ActivationHook& ActivationHookSlot()
{
  static TForm::ActivationHook hook;
  return hook;
}
}  // namespace

void TForm::SetActivationHook(ActivationHook hook)
{
  ActivationHookSlot() = std::move(hook);
}

TForm* TForm::ActiveForm()
{
  auto* window = dynamic_cast<FormWindow*>(QApplication::activeWindow());
  return window ? window->Form() : nullptr;
}

void TForm::Activated()
{
  if (ActivationHookSlot())
    TApplication::Guarded([this] { ActivationHookSlot()(this); });
}

void TForm::SetBounds(int left, int top, int width, int height)
{
  TControl::SetBounds(left, top, width, height);
  // Limits first, or the old ones would clamp the new geometry.
  ApplySizeLimits(width, height);
  window_->setGeometry(left, top, width, height);
  LayoutClient();
}

void TForm::LayoutClient()
{
  Widget()->setGeometry(FrameWidth(), FrameWidth() + CaptionHeight(), std::max(0, ClientWidth()),
                        std::max(0, ClientHeight()));
}

// Without a window manager (as under Xvfb) the states are plain geometry.
void TForm::SetWindowState(TWindowState state)
{
  if (state == state_)
    return;
  if (state_ == TWindowState::wsNormal)
    normalBounds_ = BoundsRect();
  state_ = state;
  switch (state) {
  case TWindowState::wsMaximized: {
    const QRect screen = PrimaryScreenRect();
    window_->showNormal();
    SetBounds(screen.left(), screen.top(), screen.width(), screen.height());
    break;
  }
  case TWindowState::wsNormal:
    window_->showNormal();
    SetBounds(normalBounds_.left(), normalBounds_.top(), normalBounds_.width(), normalBounds_.height());
    break;
  case TWindowState::wsMinimized:
    window_->showMinimized();
    break;
  }
}

void TForm::SetBorderStyle(TFormBorderStyle style)
{
  borderStyle_ = style;
  ApplySizeLimits(Width(), Height());
}

// A fixed window tells the window manager minimum = maximum = its outer size
// (WM_NORMAL_HINTS), so that nobody resizes it; maximised, it has no limits.
void TForm::ApplySizeLimits(int width, int height)
{
  if (borderStyle_ == TFormBorderStyle::bsSingle && state_ == TWindowState::wsNormal) {
    window_->setFixedSize(width, height);
  } else {
    window_->setMinimumSize(0, 0);
    window_->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
  }
}

void TForm::SetStayOnTop(bool value)
{
  stayOnTop_ = value;
  ApplyWindowFlags();
}

void TForm::ApplyWindowFlags()
{
  const bool wasVisible = window_->isVisible();
  Qt::WindowFlags flags = Qt::Window | Qt::FramelessWindowHint;
  if (stayOnTop_)
    flags |= Qt::WindowStaysOnTopHint;
  window_->setWindowFlags(flags);
  if (wasVisible)
    window_->show();
}

TWinControl* TForm::ActiveControl() const
{
  auto* widget = dynamic_cast<ControlWidget*>(QApplication::focusWidget());
  if (!widget || widget == Widget() || widget->window() != window_)
    return nullptr;
  return dynamic_cast<TWinControl*>(widget->Control());
}

void TForm::SetActiveControl(TWinControl* control)
{
  if (control)
    control->SetFocus();
  else
    Widget()->setFocus(Qt::OtherFocusReason);
}

bool TForm::Active() const
{
  if (window_->isActiveWindow())
    return true;
  // A window of its own laid into this one (the web view) is part of the form, as a child is.
  const QWidget* active = QApplication::activeWindow();
  const QWindow* own = window_->windowHandle();
  return active && own && active->windowHandle() && own->isAncestorOf(active->windowHandle());
}

void TForm::Show()
{
  TControl::SetVisible(true);
  window_->show();
  window_->raise();
  window_->activateWindow();
}

void TForm::Close()
{
  window_->close();
}

void TForm::KeyUp(uint16_t& key, TShiftState shift)
{
  if (OnKeyUp)
    OnKeyUp(this, key, shift);
}
