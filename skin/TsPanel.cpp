#include "skin/TsPanel.h"

#include "skin/SkinPainting.h"

void TsPanel::Paint(QPainter& canvas)
{
  if (!PaintSectionBackground(canvas, ClientRect(), SkinData.SkinSection))
    TCustomPanel::Paint(canvas);
}
