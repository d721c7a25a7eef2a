#include "skin/TsGauge.h"

#include <QPainter>
#include <QWidget>
#include <algorithm>
#include <climits>

#include "platform/Exception.h"
#include "platform/Timer.h"
#include "skin/GaugeClassicLook.h"
#include "skin/core/SkinListener.h"
#include "skin/core/SkinManager.h"
#include "skin/paint/GaugeGeometry.h"

namespace {

constexpr const char* kLimitsError = "Value must be between %d and %d";
constexpr int cmdDropFilledCache = 33;

}  // namespace

TsGauge::TsGauge(TComponent* AOwner) : TGraphicControl(AOwner), timer_(new TTimer(this))
{
  SkinData.SkinSection = "GAUGE";
  SetBounds(0, 0, 120, 30);
  timer_->SetEnabled(false);
  timer_->SetInterval(TacGlowSweep::IntervalMs);
  timer_->OnTimer = [this](TObject*) { GlowTick(); };
  // Nothing streams this control in: construction is its loading.
  if (animated_ && !Designing())
    timer_->SetEnabled(true);
}

TsGauge::~TsGauge() = default;

int TsGauge::Percent() const
{
  return GaugePercent(progress_, minValue_, maxValue_);
}

void TsGauge::SetProgress(int value)
{
  value = std::clamp(value, minValue_, maxValue_);
  if (value == progress_)
    return;
  const int before = Percent();
  progress_ = value;
  if (Percent() != before) {
    backgroundChanged_ = true;
    Invalidate();
  }
  if (OnChange)
    OnChange(this);
}

void TsGauge::SetMinValue(int value)
{
  if (value == minValue_)
    return;
  if (value > maxValue_)
    throw EInvalidOperation(FormatText(kLimitsError, -INT_MAX, maxValue_ - 1));
  minValue_ = value;
  progress_ = std::max(progress_, minValue_);
  Invalidate();
}

void TsGauge::SetMaxValue(int value)
{
  if (value == maxValue_)
    return;
  if (value < minValue_)
    throw EInvalidOperation(FormatText(kLimitsError, minValue_ + 1, INT_MAX));
  maxValue_ = value;
  progress_ = std::min(progress_, maxValue_);
  Invalidate();
}

void TsGauge::SetProgressSkin(const std::string& section)
{
  progressSkin_ = section;
  DropFilledCache();
  backgroundChanged_ = true;
  Invalidate();
}

void TsGauge::SetAnimated(bool value)
{
  animated_ = value;
  if (Designing())
    return;
  DropFilledCache();
  timer_->SetEnabled(value);
}

bool TsGauge::Animating() const
{
  return timer_->Enabled();
}

void TsGauge::DropFilledCache()
{
  filledCache_ = TBitmap32();
}

int TsGauge::BarLength() const
{
  return kind_ == TsGaugeKind::gkVerticalBar ? Height() : Width();
}

bool TsGauge::Skinned() const
{
  const TsSkinManager* manager = DefaultManager();
  return manager && manager->Active() && manager->FindSection(SkinData.SkinSection) >= 0;
}

std::string TsGauge::TextToPrint()
{
  // The "%d%" template leaves the number alone; the suffix follows it.
  std::string text = std::to_string(calcPercents_ ? Percent() : progress_) + suffix_;
  if (OnPaintText)
    OnPaintText(this, text);
  return text;
}

void TsGauge::GlowTick()
{
  if (!Skinned()) {
    timer_->SetEnabled(false);
    return;
  }
  const int length = BarLength();
  if (!sweep_.Tick(length, Widget()->isVisible() && progress_ > 0))
    return;
  Repaint();
  sweep_.Advance(length);
}

void TsGauge::SkinCommand(int code)
{
  switch (code) {
  case cmdRemoveSkin:
    if (animated_)
      timer_->SetEnabled(false);
    DropFilledCache();
    Invalidate();
    break;
  case cmdRefresh:
    DropFilledCache();
    backgroundChanged_ = true;
    Invalidate();
    if (animated_ && !Designing())
      timer_->SetEnabled(true);
    break;
  case cmdDropFilledCache: DropFilledCache(); break;
  default: break;
  }
}

void TsGauge::Paint(QPainter& canvas)
{
  const TacClassicGauge look{kind_, borderStyle_, backColor_, foreColor_, Percent(),
                             showText_ ? TextToPrint() : std::string(), Font()};
  PaintClassicGauge(canvas, ClientRect(), look);
}
