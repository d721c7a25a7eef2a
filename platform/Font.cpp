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

// "MS Sans Serif" has bitmap strikes only (cells of 13, 16 and 20 pixels): a
// larger text would be drawn in the largest strike, far too small (the play
// button's 21). Such texts take the scalable stand-in, as Windows substitutes
// its TrueType sans face there.
constexpr int MsSansSerifLargestCharHeight = 16;

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
  if (font.Name == "MS Sans Serif" && font.Height > MsSansSerifLargestCharHeight)
    result.setFamilies({"Liberation Sans", "DejaVu Sans"});
  else if (font.Name == "MS Sans Serif")
    result.setFamilies({name, "Liberation Sans", "DejaVu Sans"});
  else if (font.Name == "Tahoma")
    result.setFamilies({name, "DejaVu Sans", "Liberation Sans"});
  result.setPixelSize(font.Height > 0 ? font.Height : 11);
  result.setBold(font.Bold);
  return result;
}
