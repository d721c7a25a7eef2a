#include "browser/WebEngineSetup.h"

#include <QByteArray>
#include <QCoreApplication>
#include <unistd.h>

namespace {

void AppendChromiumFlag(const QByteArray& flag)
{
  QByteArray flags = qgetenv("QTWEBENGINE_CHROMIUM_FLAGS");
  if (flags.split(' ').contains(flag))
    return;
  flags += (flags.isEmpty() ? "" : " ") + flag;
  qputenv("QTWEBENGINE_CHROMIUM_FLAGS", flags);
}

}  // namespace

void PrepareWebEngine()
{
  // Chromium refuses to start its sandbox as root; only then is it switched off.
  if (geteuid() == 0) {
    qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    // Without the sandbox no zygote is needed: each renderer is then started by
    // the program itself, and no helper process outlives the freed browser.
    AppendChromiumFlag("--no-zygote");
  }
  // The engine's compositor shares its GL context with the widgets.
  QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
}
