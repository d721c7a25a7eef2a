#pragma once
// The gauge without a skin: the classic look in the gauge's two colours.

#include <QRect>
#include <string>

#include "platform/Colors.h"
#include "platform/Font.h"
#include "skin/paint/GaugeFace.h"

class QPainter;
enum class TBorderStyle;

struct TacClassicGauge {
  TsGaugeKind Kind;
  TBorderStyle BorderStyle;
  TColor BackColor, ForeColor;
  int Percent;
  std::string Text;  // empty: no text
  TFont Font;
};

void PaintClassicGauge(QPainter& canvas, const QRect& area, const TacClassicGauge& gauge);
// Only the pie (outline and sector) or the needle (half-ellipse and needle), as
// the skinned face carries them.
void PaintGaugeShapes(QPainter& canvas, const QRect& inner, const TacClassicGauge& gauge);
