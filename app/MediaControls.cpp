#include "app/MediaControls.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QVariantMap>
#include <mutex>
#include <thread>

#include "app/Main.h"
#include "app/MprisPlayer.h"
#include "app/MprisRoot.h"

namespace {

const QString kConnection = QStringLiteral("zadizaplayer-media-controls");
const QString kService = QStringLiteral("org.mpris.MediaPlayer2.zadizaplayer");
const QString kPath = QStringLiteral("/org/mpris/MediaPlayer2");
const QString kPlayerInterface = QStringLiteral("org.mpris.MediaPlayer2.Player");
constexpr uint kDoNotQueue = 4;

}  // namespace

// What the joining thread shares with the owner; `owner` is cleared by its destructor.
struct TMediaControls::Link {
  std::mutex mutex;
  TMediaControls* owner;  // protected by mutex
};

TMediaControls::TMediaControls(TFormTV& form)
    : form_(form), player_(new TMprisPlayer(this, form)), link_(std::make_shared<Link>())
{
  new TMprisRoot(this, form);
  form_.OnStateChange = [this](TObject*) { StateChanged(); };
  link_->owner = this;
  // Connecting waits for the bus's answer: never on the user-interface thread. The thread
  // is detached, so a bus that never answers cannot hold up the program's end either.
  std::thread([link = link_] {
    if (!QDBusConnection::connectToBus(QDBusConnection::SessionBus, kConnection).isConnected())
      return;
    std::lock_guard lock(link->mutex);
    if (link->owner)
      QMetaObject::invokeMethod(link->owner, [owner = link->owner] { owner->Publish(); }, Qt::QueuedConnection);
  }).detach();
}

TMediaControls::~TMediaControls()
{
  form_.OnStateChange = nullptr;
  {
    std::lock_guard lock(link_->mutex);
    link_->owner = nullptr;
  }
  QDBusConnection::disconnectFromBus(kConnection);
}

void TMediaControls::Publish()
{
  QDBusConnection bus(kConnection);
  if (!bus.registerObject(kPath, this, QDBusConnection::ExportAdaptors))
    return;
  sentStatus_ = player_->PlaybackStatus();
  sentVolume_ = player_->Volume();
  published_ = true;
  // The name last, so that a desktop that sees it finds the object in place. Sent
  // without waiting: a name already taken only leaves the program off the desktop.
  QDBusMessage request = QDBusMessage::createMethodCall(
      QStringLiteral("org.freedesktop.DBus"), QStringLiteral("/org/freedesktop/DBus"),
      QStringLiteral("org.freedesktop.DBus"), QStringLiteral("RequestName"));
  request << kService << kDoNotQueue;
  bus.send(request);
}

// Volume steps come in runs; the desktop hears the result once.
void TMediaControls::StateChanged()
{
  if (changePending_)
    return;
  changePending_ = true;
  QMetaObject::invokeMethod(this, [this] {
    changePending_ = false;
    SendChanges();
  }, Qt::QueuedConnection);
}

void TMediaControls::SendChanges()
{
  if (!published_)
    return;
  QVariantMap changed;
  if (const QString status = player_->PlaybackStatus(); status != sentStatus_)
    changed["PlaybackStatus"] = sentStatus_ = status;
  if (const double volume = player_->Volume(); volume != sentVolume_)
    changed["Volume"] = sentVolume_ = volume;
  if (changed.isEmpty())
    return;
  QDBusMessage signal = QDBusMessage::createSignal(
      kPath, QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("PropertiesChanged"));
  signal << kPlayerInterface << changed << QStringList();
  QDBusConnection(kConnection).send(signal);
}
