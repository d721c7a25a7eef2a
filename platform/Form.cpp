#include "platform/Form.h"

#include <QApplication>
#include <QGuiApplication>
#include <QOpenGLWidget>
#include <QScreen>

#include "platform/ControlWidget.h"
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
  window_->update();
}

void TForm::SetStyle(uint32_t style)
{
  style_ = style;
  LayoutClient();
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

void TForm::SetNonClientPainter(NonClientPainter painter)
{
  painter_ = std::move(painter);
  window_->update();
}

void TForm::SetBounds(int left, int top, int width, int height)
{
  TControl::SetBounds(left, top, width, height);
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
  return window_->isActiveWindow();
}

// Adding the first such view to a created window makes Qt destroy and recreate
// every native window in it, which invalidates ids already handed out (the video
// panel's). A hidden OpenGL child from the start gives the window the right kind
// of surface at once.
void TForm::HostTextureChildren()
{
  // Only X11 composes such views; offscreen (tests) has no OpenGL to give.
  if (QGuiApplication::platformName() == QLatin1String("xcb"))
    (new QOpenGLWidget(window_))->hide();
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
