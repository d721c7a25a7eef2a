#include "skin/TsGauge.h"

#include <QPainter>
#include <QWidget>
#include <algorithm>
#include <climits>

#include "platform/Exception.h"
#include "platform/Timer.h"
#include "skin/GaugeClassicLook.h"
#include "skin/GlowResource.h"
#include "skin/core/SkinManager.h"
#include "skin/paint/GaugeGeometry.h"
#include "skin/paint/GaugeGlow.h"

namespace {

constexpr const char* kLimitsError = "Value must be between %d and %d";
constexpr int cmdDropFilledCache = 33;

}  // namespace

TsGauge::TsGauge(TComponent* AOwner) : TGraphicControl(AOwner), timer_(new TTimer(this))
{
  SetBounds(0, 0, 120, 30);
  Widget()->setAttribute(Qt::WA_OpaquePaintEvent);  // it paints its whole rectangle
  // The glow repaints the gauge several times a second for as long as the program
  // runs: in a window of its own only the gauge is flushed.
  UseOwnWindow();
  timer_->SetEnabled(false);
  timer_->SetInterval(TacGlowSweep::IntervalMs);
  timer_->OnTimer = [this](TObject*) { GlowTick(); };
  // Nothing streams this control in: construction is its loading.
  SkinData.Loaded("TsGauge");
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
    if (const TsSkinManager* manager = SkinData.Manager(); !manager || manager->SkinData().InForce)
      SkinData.BGChanged = true;
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
  SkinData.Invalidate();
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
  filledCache_.Strip = TBitmap32();
}

int TsGauge::BarLength() const
{
  return kind_ == TsGaugeKind::gkVerticalBar ? Height() : Width();
}

void TsGauge::SetBounds(int left, int top, int width, int height)
{
  TGraphicControl::SetBounds(left, top, width, height);
  SkinData.BGChanged = true;
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
  if (resting_) {
    resting_ = false;
    timer_->SetInterval(TacGlowSweep::IntervalMs);
  }
  const int length = BarLength();
  if (!sweep_.Tick(length, Widget()->isVisible() && progress_ > 0)) {
    if (sweep_.Position >= length)
      RestUntilNextSweep();
    return;
  }
  // Rebuilt on every tick; copied to the screen only when it looks different.
  if (BuildFace() && (face_.Width != shownFace_.Width || face_.Pixels != shownFace_.Pixels)) {
    faceReady_ = true;
    Repaint();
    faceReady_ = false;
  }
  sweep_.Advance(length);
}

// Once the band has passed, ticks change nothing until the next sweep: one long
// interval stands for them, so the program does not wake 45 times a second for nothing.
void TsGauge::RestUntilNextSweep()
{
  const int ticks = sweep_.TicksToNextSweep();
  if (ticks <= 1)
    return;
  sweep_.Skip(ticks - 1);
  timer_->SetInterval(ticks * TacGlowSweep::IntervalMs);
  resting_ = true;
}

void TsGauge::SkinCommand(int code, int, TsSkinManager* sender)
{
  if (!SkinData.Command(code, sender))
    return;
  switch (code) {
  case cmdNewSkin:
    // A skin that replaced another finds the timer stopped by the removal.
    DropFilledCache();
    if (animated_ && !Designing() && Skinned())
      timer_->SetEnabled(true);
    break;
  case cmdRemoveSkin:
    if (animated_)
      timer_->SetEnabled(false);
    DropFilledCache();
    Invalidate();
    break;
  case cmdRefresh:
    DropFilledCache();
    Invalidate();
    if (animated_ && !Designing())
      timer_->SetEnabled(true);
    break;
  case cmdDropFilledCache: DropFilledCache(); break;
  default: break;
  }
}

TacGaugeFace TsGauge::FaceInput()
{
  TacGaugeFace face;
  face.Gauge = SkinData.FaceSource();
  face.Kind = kind_;
  face.Percent = Percent();
  face.Animated = animated_;
  face.GlowPosition = sweep_.Position;
  face.Text = showText_ ? TextToPrint() : std::string();
  face.Font = ToQFont(Font());
  face.Enabled = Enabled();
  const bool vertical = kind_ == TsGaugeKind::gkVerticalBar;
  const TsSkinManager* manager = SkinData.Manager();
  std::string name = !progressSkin_.empty() ? progressSkin_ : vertical && !animated_ ? "PROGRESSV" : "PROGRESSH";
  int section = manager->FindSection(name);
  face.UprightFill = vertical && !animated_ && section >= 0;
  if (section < 0 && vertical) {
    name = "PROGRESSH";
    section = manager->FindSection(name);
  }
  face.Progress = face.Gauge;
  face.Progress.ParentSection = face.Gauge.Section;
  face.Progress.Section = section;
  face.Progress.BorderMask = section >= 0 ? manager->Tables().Sections[size_t(section)].BorderMaskIndex : -1;
  face.Progress.Texture = section >= 0 ? manager->FindTexture(section, name, "PATTERN") : -1;
  face.Progress.HotTexture = section >= 0 ? manager->FindTexture(section, name, "HOTPATTERN") : -1;
  face.LightMask = section >= 0 ? manager->FindMask(section, name, "LRGN") : -1;
  const int thickness = vertical ? Width() : Height();
  if (glow_.Height != thickness)
    glow_ = MakeGlowPicture(GlowResource(), thickness);
  face.Glow = &glow_;
  return face;
}

bool TsGauge::BuildFace()
{
  if (!PaintGaugeFace(face_, Width(), Height(), FaceInput(), QueryParentBackground(*this), filledCache_)) {
    SkinData.Updating = true;  // the parent repaints us once it has painted
    return false;
  }
  SkinData.Updating = false;
  SkinData.BGChanged = false;
  PaintShapes(face_);
  return true;
}

// Pie and needle over the skinned face, in the fore colour.
void TsGauge::PaintShapes(TBitmap32& face) const
{
  if (kind_ != TsGaugeKind::gkPie && kind_ != TsGaugeKind::gkNeedle)
    return;
  QImage image(face.Pixels.data(), face.Width, face.Height, face.Width * 4, QImage::Format_RGB32);
  QPainter painter(&image);
  TacClassicGauge shapes{kind_, TBorderStyle::bsNone, clNone, foreColor_, Percent(), std::string(), Font()};
  PaintGaugeShapes(painter, ClientRect(), shapes);
}

void TsGauge::Paint(QPainter& canvas)
{
  if (!Skinned()) {
    const TacClassicGauge look{kind_, borderStyle_, backColor_, foreColor_, Percent(),
                               showText_ ? TextToPrint() : std::string(), Font()};
    PaintClassicGauge(canvas, ClientRect(), look);
    return;
  }
  if (!faceReady_ && !BuildFace())
    return;
  canvas.drawImage(0, 0, QImage(face_.Pixels.data(), face_.Width, face_.Height, face_.Width * 4,
                                QImage::Format_RGB32));
  shownFace_ = face_;
}

