#include "browser/WebEngineSetup.h"

#include <QCoreApplication>
#include <cstdlib>
#include <unistd.h>

void PrepareWebEngine()
{
  // Chromium refuses to start its sandbox as root; only then is it switched off.
  if (geteuid() == 0)
    setenv("QTWEBENGINE_DISABLE_SANDBOX", "1", 1);
  // The engine's compositor shares its GL context with the widgets.
  QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
}
