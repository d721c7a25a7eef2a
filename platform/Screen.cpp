#include "platform/Screen.h"

#include <QDesktopServices>
#include <QGuiApplication>
#include <QScreen>
#include <QUrl>

QRect PrimaryScreenRect()
{
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen ? screen->geometry() : QRect(0, 0, 640, 480);
}

int ScreenWidth()
{
  return PrimaryScreenRect().width();
}

int ScreenHeight()
{
  return PrimaryScreenRect().height();
}

bool ShellOpen(const std::string& url)
{
  return QDesktopServices::openUrl(QUrl(QString::fromStdString(url)));
}
