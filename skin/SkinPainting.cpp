#include "skin/SkinPainting.h"

#include <QLinearGradient>
#include <QPainter>

#include "platform/Colors.h"
#include "skin/core/SkinColors.h"
#include "skin/core/SkinManager.h"

namespace {

QColor SkinColor(int color)
{
  return ToQColor(ResolveSkinColor(color));
}

// Top-down bands, each taking its share of the height.
void PaintGradient(QPainter& canvas, const QRect& area, const std::vector<TsGradientBand>& bands)
{
  int top = area.top();
  for (const TsGradientBand& band : bands) {
    const int height = area.height() * band.Percent / 100;
    const QRect part(area.left(), top, area.width(), height);
    QLinearGradient fill(part.topLeft(), band.Kind == 1 ? part.topRight() : part.bottomLeft());
    fill.setColorAt(0, SkinColor(band.Color1));
    fill.setColorAt(1, SkinColor(band.Color2));
    canvas.fillRect(part, fill);
    top += height;
  }
}

}  // namespace

bool PaintSectionBackground(QPainter& canvas, const QRect& area, const std::string& section)
{
  const TsSkinManager* manager = DefaultManager();
  if (!manager || !manager->Active())
    return false;
  const int index = manager->FindSection(section);
  if (index < 0 || size_t(index) >= manager->Tables().Sections.size())
    return false;
  const TsGenState& state = manager->Tables().Sections[size_t(index)].States[0];
  canvas.fillRect(area, SkinColor(state.Color));
  if (state.GradientPercent > 0 && !state.GradientArray.empty())
    PaintGradient(canvas, area, state.GradientArray);
  return true;
}
