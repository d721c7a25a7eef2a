#include "platform/Timer.h"

#include <QTimer>

#include "platform/Application.h"

TTimer::TTimer(TComponent* AOwner) : TComponent(AOwner), timer_(std::make_unique<QTimer>())
{
  QObject::connect(timer_.get(), &QTimer::timeout, [this] {
    if (OnTimer)
      TApplication::Guarded([this] { OnTimer(this); });
  });
  Update();
}

TTimer::~TTimer() = default;

void TTimer::SetEnabled(bool enabled)
{
  if (enabled == enabled_)
    return;
  enabled_ = enabled;
  Update();
}

void TTimer::SetInterval(int milliseconds)
{
  if (milliseconds == interval_)
    return;
  interval_ = milliseconds;
  Update();
}

void TTimer::Update()
{
  timer_->stop();
  if (enabled_ && interval_ > 0)
    timer_->start(interval_);
}
