#include "browser/WebEngineSetup.h"

#include <QByteArray>
#include <QDir>
#include <QOpenGLContext>
#include <QStringList>
#include <cstdio>
#include <dlfcn.h>
#include <unistd.h>

#include "platform/Application.h"

// Qt's own hook for the context all OpenGL users of the process share. Qt makes it with
// the application object when asked to beforehand, which costs the start-up an OpenGL
// set-up even when no page is ever shown; here it is made right before the engine loads.
void qt_gl_set_global_share_context(QOpenGLContext* context);

namespace {

using MakeViewFunction = QWidget* (*)(bool ownWindow);

void AppendChromiumFlag(const QByteArray& flag)
{
  QByteArray flags = qgetenv("QTWEBENGINE_CHROMIUM_FLAGS");
  if (flags.split(' ').contains(flag))
    return;
  flags += (flags.isEmpty() ? "" : " ") + flag;
  qputenv("QTWEBENGINE_CHROMIUM_FLAGS", flags);
}

void PrepareEnvironment()
{
  // Chromium refuses to start its sandbox as root; only then is it switched off.
  if (geteuid() == 0) {
    qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    // Without the sandbox no zygote is needed: each renderer is then started by
    // the program itself, and no helper process outlives the freed browser.
    AppendChromiumFlag("--no-zygote");
  }
  // The engine's compositor shares its textures through this context.
  if (!QOpenGLContext::globalShareContext()) {
    auto* context = new QOpenGLContext;  // kept for the process's life, as Qt keeps its own
    if (context->create())
      qt_gl_set_global_share_context(context);
    else
      delete context;
  }
}

// Beside the program. A test or benchmark program inside the build tree also looks
// where the build put it; an installed program never loads code from a build path.
QStringList ModuleDirectories()
{
  const QString program = QDir(QString::fromStdString(ProgramDirectory())).canonicalPath();
  const QString build = QDir(QStringLiteral(ZZ_WEBVIEW_BUILD_DIR)).canonicalPath();
  if (!build.isEmpty() && (program == build || program.startsWith(build + QLatin1Char('/'))))
    return {program, build};
  return {program};
}

void* OpenModule(QByteArray& errors)
{
  const QByteArray name = "libzz_webview.so";
  for (const QString& dir : ModuleDirectories()) {
    const QByteArray path = QDir(dir).filePath(QString::fromLatin1(name)).toLocal8Bit();
    if (access(path.constData(), F_OK) != 0)
      continue;
    if (void* module = dlopen(path.constData(), RTLD_NOW | RTLD_LOCAL))
      return module;
    errors += QByteArray(dlerror()) + "; ";
  }
  if (errors.isEmpty())
    errors = name + " not found beside the program";
  return nullptr;
}

MakeViewFunction LoadEngine()
{
  PrepareEnvironment();
  QByteArray errors;
  void* module = OpenModule(errors);
  auto make = module ? reinterpret_cast<MakeViewFunction>(dlsym(module, "ZzMakeWebView")) : nullptr;
  if (!make)
    std::fprintf(stderr, "The web engine could not be loaded, no page is shown: %s\n",
                 module ? dlerror() : errors.constData());
  return make;
}

}  // namespace

QWidget* MakeWebView(bool ownWindow)
{
  static const MakeViewFunction make = LoadEngine();
  return make ? make(ownWindow) : nullptr;
}
