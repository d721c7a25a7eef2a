#include "skin/TsGauge.h"

#include <QLinearGradient>
#include <QPainter>
#include <algorithm>

TsGauge::TsGauge(TComponent* AOwner) : TGraphicControl(AOwner)
{
  SkinData.SetSkinSection("GAUGE");
  SetBounds(0, 0, 100, 100);
}

void TsGauge::SetProgress(int value)
{
  progress_ = std::clamp(value, minValue_, maxValue_);
  Invalidate();
}

void TsGauge::SetKind(TsGaugeKind kind)
{
  kind_ = kind;
  Invalidate();
}

void TsGauge::SetForeColor(TColor color)
{
  foreColor_ = color;
  Invalidate();
}

void TsGauge::SetShowText(bool value)
{
  showText_ = value;
  Invalidate();
}

void TsGauge::SetSuffix(const std::string& suffix)
{
  suffix_ = suffix;
  Invalidate();
}

// The plain look: a dark trough with a blue fill growing from the bottom (or the left).
void TsGauge::Paint(QPainter& canvas)
{
  const QRect area = ClientRect();
  canvas.fillRect(area, QColor(0x14, 0x16, 0x1a));
  const double share = maxValue_ > minValue_ ? double(progress_ - minValue_) / (maxValue_ - minValue_) : 0.0;
  QRect filled = area.adjusted(1, 1, -1, -1);
  if (kind_ == TsGaugeKind::gkVerticalBar)
    filled.setTop(filled.bottom() + 1 - int(filled.height() * share + 0.5));
  else
    filled.setWidth(int(filled.width() * share + 0.5));
  QLinearGradient fill(filled.topLeft(), kind_ == TsGaugeKind::gkVerticalBar ? filled.topRight() : filled.bottomLeft());
  fill.setColorAt(0, QColor(0x5a, 0xa9, 0xff));
  fill.setColorAt(1, QColor(0x1c, 0x5f, 0xb8));
  canvas.fillRect(filled, fill);
  if (showText_) {
    canvas.setPen(ToQColor(foreColor_));
    canvas.drawText(area, Qt::AlignCenter, QString::number(progress_) + QString::fromStdString(suffix_));
  }
}
