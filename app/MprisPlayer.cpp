#include "app/MprisPlayer.h"

#include <QDBusObjectPath>
#include <algorithm>
#include <cmath>

#include "app/Main.h"
#include "skin/TsBitBtn.h"

TMprisPlayer::TMprisPlayer(QObject* parent, TFormTV& form) : QDBusAbstractAdaptor(parent), form_(form)
{
}

bool TMprisPlayer::Playing() const
{
  return form_.btnPlay->Caption() != ">";
}

void TMprisPlayer::Toggle()
{
  form_.btnPlayClick(form_.btnPlay);
}

QString TMprisPlayer::PlaybackStatus() const
{
  return Playing() ? QStringLiteral("Playing") : QStringLiteral("Stopped");
}

QVariantMap TMprisPlayer::Metadata() const
{
  QVariantMap metadata;
  const bool known = CurrentStation >= 0 && size_t(CurrentStation) < Stations.size() && Stations[CurrentStation];
  if (known)
    metadata["xesam:url"] = QString::fromStdString(Stations[CurrentStation]->Address);
  metadata["mpris:trackid"] = QVariant::fromValue(QDBusObjectPath(
      known ? "/cz/zadiza/ZadiZAPlayer/station" + QString::number(CurrentStation)
            : "/org/mpris/MediaPlayer2/TrackList/NoTrack"));
  metadata["xesam:title"] = QString::fromStdString(form_.Caption());
  return metadata;
}

double TMprisPlayer::Volume() const
{
  return std::clamp(::Volume.load(), 0, 100) / 100.0;
}

void TMprisPlayer::SetVolume(double volume)
{
  if (std::isnan(volume))
    return;
  const int target = static_cast<int>(std::lround(std::clamp(volume, 0.0, 1.0) * 100));
  // The steps stop by themselves at their limits; a step that changes nothing ends the walk.
  for (int before = ::Volume; ::Volume < target - 5; before = ::Volume) {
    form_.VolumeUp();
    if (::Volume == before)
      return;
  }
  for (int before = ::Volume; ::Volume > target + 5; before = ::Volume) {
    form_.VolumeDown();
    if (::Volume == before)
      return;
  }
}

void TMprisPlayer::PlayPause()
{
  Toggle();
}

void TMprisPlayer::Play()
{
  if (!Playing())
    Toggle();
}

void TMprisPlayer::Pause()
{
  if (Playing())
    Toggle();
}

// The toggle's stop is the only pause a live stream has.
void TMprisPlayer::Stop()
{
  Pause();
}
