#include "platform/Shape.h"

#include <QPainter>

void TShape::SetBrushColor(TColor color)
{
  brushColor_ = color;
  Invalidate();
}

void TShape::SetPenColor(TColor color)
{
  penColor_ = color;
  Invalidate();
}

void TShape::SetPenStyle(TPenStyle style)
{
  penStyle_ = style;
  Invalidate();
}

void TShape::Paint(QPainter& canvas)
{
  canvas.fillRect(ClientRect(), ToQColor(brushColor_));
  if (penStyle_ == TPenStyle::psSolid) {
    canvas.setPen(ToQColor(penColor_));
    canvas.drawRect(ClientRect().adjusted(0, 0, -1, -1));
  }
}
