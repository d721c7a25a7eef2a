#include "platform/Font.h"

#include <QFont>
#include <QStringList>

QFont ToQFont(const TFont& font)
{
  QFont result(QString::fromStdString(font.Name));
  // The Windows faces are missing here: map them onto the metric-compatible stand-ins.
  if (font.Name == "MS Sans Serif")
    result.setFamilies({"Liberation Sans", "DejaVu Sans"});
  else if (font.Name == "Tahoma")
    result.setFamilies({"DejaVu Sans", "Liberation Sans"});
  result.setPixelSize(font.Height > 0 ? font.Height : 11);
  result.setBold(font.Bold);
  return result;
}
