#include "app/Artwork.h"

#include <QFile>

#include "platform/Application.h"
#include "skin/BitmapImage.h"
#include "skin/core/PictureLoader.h"

namespace {

const char* ResourceName(TArtwork artwork)
{
  switch (artwork) {
  case TArtwork::Background: return ":/layout/background.png";
  case TArtwork::Logo: return ":/layout/logo.png";
  case TArtwork::FullScreenGlyph: return ":/layout/fullscreen.png";
  case TArtwork::MuteGlyph: return ":/layout/mute.png";
  }
  return "";
}

}  // namespace

QImage LoadArtwork(TArtwork artwork)
{
  QFile file(ResourceName(artwork));
  if (!file.open(QIODevice::ReadOnly))
    return QImage();
  const QByteArray bytes = file.readAll();
  const std::vector<uint8_t> data(bytes.begin(), bytes.end());
  try {
    return ToQImage(*LoadPicture(data, file.fileName().toStdString()));
  } catch (const std::exception& error) {
    TApplication::ShowException(error);
    return QImage();
  }
}
