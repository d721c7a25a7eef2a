#pragma once
// The desktop's root media-player interface (org.mpris.MediaPlayer2) over the main
// window. Its calls arrive on the user-interface thread, as the window's own handlers do.

#include <QDBusAbstractAdaptor>
#include <QStringList>

class TFormTV;

class TMprisRoot final : public QDBusAbstractAdaptor {
  Q_OBJECT
  Q_CLASSINFO("D-Bus Interface", "org.mpris.MediaPlayer2")
  Q_PROPERTY(bool CanQuit READ Always)
  Q_PROPERTY(bool CanRaise READ Always)
  Q_PROPERTY(bool HasTrackList READ Never)
  Q_PROPERTY(QString Identity READ Identity)
  Q_PROPERTY(QString DesktopEntry READ DesktopEntry)
  Q_PROPERTY(QStringList SupportedUriSchemes READ None)
  Q_PROPERTY(QStringList SupportedMimeTypes READ None)

public:
  // `parent` is the object published on the bus; `form` outlives it.
  TMprisRoot(QObject* parent, TFormTV& form);

  bool Always() const { return true; }
  bool Never() const { return false; }
  QString Identity() const;
  // The base name of the package's desktop entry, zadizaplayer.desktop.
  QString DesktopEntry() const;
  QStringList None() const { return {}; }

public slots:
  void Raise();
  // Closes the window as its close button does; the program then ends.
  void Quit();

private:
  TFormTV& form_;
};
