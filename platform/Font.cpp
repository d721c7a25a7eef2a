#include "platform/Font.h"

#include <QFile>
#include <QFont>
#include <QFontDatabase>
#include <QStringList>

namespace {

// Debian's fonts-wine: metric-compatible "Tahoma" and "MS Sans Serif", which
// fontconfig does not list. The layout's texts were sized for these widths.
const char* const LayoutFontFiles[] = {
    "/usr/share/wine/fonts/tahoma.ttf",
    "/usr/share/wine/fonts/tahomabd.ttf",
    "/usr/share/wine/fonts/ms_sans_serif.ttf",
};

}  // namespace

void AddLayoutFonts()
{
  for (const char* path : LayoutFontFiles)
    if (QFile::exists(QString::fromLatin1(path)))
      QFontDatabase::addApplicationFont(QString::fromLatin1(path));
}

QFont ToQFont(const TFont& font)
{
  const QString name = QString::fromStdString(font.Name);
  QFont result(name);
  // The face itself when it is there, else a stand-in through fontconfig.
  if (font.Name == "MS Sans Serif")
    result.setFamilies({name, "Liberation Sans", "DejaVu Sans"});
  else if (font.Name == "Tahoma")
    result.setFamilies({name, "DejaVu Sans", "Liberation Sans"});
  result.setPixelSize(font.Height > 0 ? font.Height : 11);
  result.setBold(font.Bold);
  return result;
}
