#include "skin/FadeAnimation.h"

#include <algorithm>

#include "platform/Timer.h"
#include "skin/paint/PaintColors.h"

namespace {

constexpr int kStepInterval = 10;
constexpr int kMaxSteps = 100;

}  // namespace

TacFadeAnimation::TacFadeAnimation(std::function<void()> repaint)
    : repaint_(std::move(repaint)), timer_(std::make_unique<TTimer>(nullptr))
{
  timer_->SetEnabled(false);
  timer_->OnTimer = [this](TObject*) { Step(); };
}

TacFadeAnimation::~TacFadeAnimation() = default;

void TacFadeAnimation::Start(const TBitmap32& from, const TBitmap32& to, int steps, int delay)
{
  if (from.Width != to.Width || from.Height != to.Height) {
    Stop();
    return;
  }
  from_ = from;
  to_ = to;
  frame_ = from;
  steps_ = std::clamp(steps, 1, kMaxSteps);
  step_ = 0;
  running_ = true;
  timer_->SetEnabled(false);
  timer_->SetInterval(delay > 0 ? delay : kStepInterval);
  timer_->SetEnabled(true);
  repaint_();
}

void TacFadeAnimation::Stop()
{
  timer_->SetEnabled(false);
  running_ = false;
}

void TacFadeAnimation::Step()
{
  timer_->SetInterval(kStepInterval);
  ++step_;
  frame_ = from_;
  CrossFade(frame_, to_, step_ * 255 / steps_);
  if (step_ >= steps_)
    Stop();
  repaint_();
}
