#pragma once
// The gauge without a skin: the classic look in the gauge's two colours.

#include <QRect>
#include <string>

#include "platform/Colors.h"
#include "platform/Font.h"

class QPainter;
enum class TsGaugeKind;
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
