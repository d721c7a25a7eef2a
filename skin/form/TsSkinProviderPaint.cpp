// Painting of the provider (placeholder until the painting core is merged).
#include <QPainter>

#include "skin/form/TsSkinProvider.h"

void TsSkinProvider::PaintNonClient(QPainter& canvas, const QRect& dirty)
{
  canvas.fillRect(dirty, Qt::black);
}

void TsSkinProvider::PaintButton(int) {}
