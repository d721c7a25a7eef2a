// A stand-in for the desktop's screen saver on a private session bus: owns
// org.freedesktop.ScreenSaver and prints each Inhibit and UnInhibit call as one line,
// "Inhibit <application> <cookie>" or "UnInhibit <cookie>", after "ready".

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVirtualObject>
#include <cstdio>

namespace {

class ScreenSaver final : public QDBusVirtualObject {
public:
  QString introspect(const QString&) const override
  {
    return QStringLiteral(
        "<interface name=\"org.freedesktop.ScreenSaver\">"
        "<method name=\"Inhibit\"><arg type=\"s\" direction=\"in\"/><arg type=\"s\" direction=\"in\"/>"
        "<arg type=\"u\" direction=\"out\"/></method>"
        "<method name=\"UnInhibit\"><arg type=\"u\" direction=\"in\"/></method></interface>");
  }

  bool handleMessage(const QDBusMessage& message, const QDBusConnection& bus) override
  {
    const QList<QVariant> args = message.arguments();
    if (message.member() == "Inhibit" && args.size() == 2) {
      ++cookie_;
      std::printf("Inhibit %s %u\n", qPrintable(args[0].toString()), cookie_);
      bus.send(message.createReply(QVariant::fromValue(cookie_)));
    } else if (message.member() == "UnInhibit" && args.size() == 1) {
      std::printf("UnInhibit %u\n", args[0].toUInt());
      bus.send(message.createReply());
    } else {
      std::printf("Unexpected %s\n", qPrintable(message.member()));
      return false;
    }
    std::fflush(stdout);
    return true;
  }

private:
  uint cookie_ = 0;
};

}  // namespace

int main(int argc, char** argv)
{
  QCoreApplication application(argc, argv);
  QDBusConnection bus = QDBusConnection::sessionBus();
  ScreenSaver service;
  // Desktops publish it under both paths.
  for (const char* path : {"/ScreenSaver", "/org/freedesktop/ScreenSaver"})
    if (!bus.registerVirtualObject(QString::fromLatin1(path), &service))
      return 1;
  if (!bus.registerService(QStringLiteral("org.freedesktop.ScreenSaver")))
    return 1;
  std::printf("ready\n");
  std::fflush(stdout);
  return application.exec();
}
