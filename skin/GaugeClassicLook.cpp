#include "skin/GaugeClassicLook.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>

#include "skin/TsGauge.h"
#include "skin/paint/GaugeGeometry.h"

namespace {

// The filled share as a shape; empty for kinds without one.
QPainterPath FilledShape(const QRect& inner, const TacClassicGauge& gauge)
{
  QPainterPath shape;
  switch (gauge.Kind) {
  case TsGaugeKind::gkHorizontalBar:
    shape.addRect(inner.left(), inner.top(), FillLength(inner.width(), gauge.Percent), inner.height());
    break;
  case TsGaugeKind::gkVerticalBar: {
    const int filled = FillLength(inner.height(), gauge.Percent);
    shape.addRect(inner.left(), inner.bottom() + 1 - filled, inner.width(), filled);
    break;
  }
  case TsGaugeKind::gkPie:
    if (gauge.Percent > 0) {
      const QRectF circle = QRectF(inner).adjusted(0, 0, -1, -1);
      shape.moveTo(circle.center());
      shape.arcTo(circle, 90, -360.0 * gauge.Percent / 100);  // clockwise from the top
      shape.closeSubpath();
    }
    break;
  default: break;
  }
  return shape;
}

void PaintOutlines(QPainter& canvas, const QRect& inner, const TacClassicGauge& gauge)
{
  const QRectF box = QRectF(inner).adjusted(0, 0, -1, -1);
  canvas.setPen(ToQColor(gauge.ForeColor));
  canvas.setBrush(Qt::NoBrush);
  if (gauge.Kind == TsGaugeKind::gkPie) {
    canvas.drawEllipse(box);
  } else if (gauge.Kind == TsGaugeKind::gkNeedle) {
    const QRectF half(box.left(), box.top(), box.width(), box.height() * 2);
    canvas.drawArc(half, 0, 180 * 16);
    canvas.drawLine(box.bottomLeft(), box.bottomRight());
    if (gauge.Percent > 0) {
      const double angle = M_PI * gauge.Percent / 100;  // from the left, a half turn at 100
      const QPointF hub(box.center().x(), box.bottom());
      canvas.drawLine(hub, hub + QPointF(-std::cos(angle) * box.width() / 2, -std::sin(angle) * box.height()));
    }
  }
}

// Text in the fore colour over the background and in the back colour over the
// filled share, so it reads over both.
void PaintText(QPainter& canvas, const QRect& area, const QPainterPath& filled, const TacClassicGauge& gauge)
{
  const QString text = QString::fromStdString(gauge.Text);
  canvas.setFont(ToQFont(gauge.Font));
  QPainterPath whole;
  whole.addRect(area);
  canvas.save();
  canvas.setClipPath(whole.subtracted(filled));
  canvas.setPen(ToQColor(gauge.ForeColor));
  canvas.drawText(area, Qt::AlignCenter | Qt::TextSingleLine, text);
  canvas.setClipPath(filled);
  canvas.setPen(ToQColor(gauge.BackColor));
  canvas.drawText(area, Qt::AlignCenter | Qt::TextSingleLine, text);
  canvas.restore();
}

}  // namespace

void PaintGaugeShapes(QPainter& canvas, const QRect& inner, const TacClassicGauge& gauge)
{
  if (gauge.Kind == TsGaugeKind::gkPie)
    canvas.fillPath(FilledShape(inner, gauge), ToQColor(gauge.ForeColor));
  PaintOutlines(canvas, inner, gauge);
}

void PaintClassicGauge(QPainter& canvas, const QRect& area, const TacClassicGauge& gauge)
{
  QRect inner = area;
  if (gauge.BorderStyle == TBorderStyle::bsSingle) {
    canvas.fillRect(area, ToQColor(clBlack));
    inner = area.adjusted(1, 1, -1, -1);
  }
  canvas.fillRect(inner, ToQColor(gauge.BackColor));
  const QPainterPath filled = FilledShape(inner, gauge);
  canvas.fillPath(filled, ToQColor(gauge.ForeColor));
  PaintOutlines(canvas, inner, gauge);
  if (!gauge.Text.empty())
    PaintText(canvas, inner, filled, gauge);
}
