#include "app/MprisRoot.h"

#include "app/Main.h"

TMprisRoot::TMprisRoot(QObject* parent, TFormTV& form) : QDBusAbstractAdaptor(parent), form_(form)
{
}

QString TMprisRoot::Identity() const
{
  return QStringLiteral("ZadiZAPlayer");
}

QString TMprisRoot::DesktopEntry() const
{
  return QStringLiteral("zadizaplayer");
}

void TMprisRoot::Raise()
{
  form_.Show();
}

void TMprisRoot::Quit()
{
  form_.Close();
}
