#pragma once
// The desktop's player interface (org.mpris.MediaPlayer2.Player) over the main window.
// Every command goes through the window's own play toggle and volume steps, so the
// advertisement, the caption, the watchdog and the level behave as with the button
// and the keys. Its calls arrive on the user-interface thread.

#include <QDBusAbstractAdaptor>
#include <QVariantMap>

class TFormTV;

class TMprisPlayer final : public QDBusAbstractAdaptor {
  Q_OBJECT
  Q_CLASSINFO("D-Bus Interface", "org.mpris.MediaPlayer2.Player")
  Q_PROPERTY(QString PlaybackStatus READ PlaybackStatus)
  Q_PROPERTY(double Rate READ Rate)
  Q_PROPERTY(double MinimumRate READ Rate)
  Q_PROPERTY(double MaximumRate READ Rate)
  Q_PROPERTY(QVariantMap Metadata READ Metadata)
  Q_PROPERTY(double Volume READ Volume WRITE SetVolume)
  Q_PROPERTY(bool CanGoNext READ Never)
  Q_PROPERTY(bool CanGoPrevious READ Never)
  Q_PROPERTY(bool CanPlay READ Always)
  Q_PROPERTY(bool CanPause READ Always)
  Q_PROPERTY(bool CanSeek READ Never)
  Q_PROPERTY(bool CanControl READ Always)

public:
  // `parent` is the object published on the bus; `form` outlives it.
  TMprisPlayer(QObject* parent, TFormTV& form);

  // "Playing" while the toggle shows "ll", otherwise "Stopped": a live stream has no pause.
  QString PlaybackStatus() const;
  double Rate() const { return 1.0; }
  // The station's address and the window's caption.
  QVariantMap Metadata() const;
  // The window's volume 0..100 as 0..1; values outside the range read as its ends.
  double Volume() const;
  // Steps the window's volume by its own steps of 10 to the nearest reachable value.
  void SetVolume(double volume);
  bool Always() const { return true; }
  bool Never() const { return false; }

public slots:
  void PlayPause();
  void Play();
  void Pause();
  void Stop();

private:
  bool Playing() const;
  void Toggle();

  TFormTV& form_;
};
