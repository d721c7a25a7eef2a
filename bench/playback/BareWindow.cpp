// A bare Qt Widgets window of the main window's outer size at its place: what
// any Qt program pays to show a window, beside which the program's start is
// measured. Options add, one by one, what the program does on top of that:
//   --share-gl    one OpenGL context shared by all (the web engine needs it), made with the application
//   --gl-surface  an OpenGL child, so the window is composed through OpenGL (the web view is such a child)
// Built a second time as bare_window_webengine, linked to the web engine's libraries.

#include <QApplication>
#include <QOpenGLWidget>
#include <QWidget>
#include <cstring>

#ifdef ZZ_LINK_WEB_ENGINE
#include <QWebEngineView>
#endif

namespace {

bool HasOption(int argc, char** argv, const char* option)
{
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], option) == 0)
      return true;
  }
  return false;
}

}  // namespace

int main(int argc, char** argv)
{
  if (HasOption(argc, argv, "--share-gl"))
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
  QApplication application(argc, argv);
  QWidget window;
  window.setWindowTitle("bare window");
  window.setGeometry(286, 134, 467, 385);
  if (HasOption(argc, argv, "--gl-surface"))
    (new QOpenGLWidget(&window))->hide();
#ifdef ZZ_LINK_WEB_ENGINE
  if (HasOption(argc, argv, "--web-view"))  // never given: the libraries load, no engine starts
    (new QWebEngineView(&window))->hide();
#endif
  window.show();
  return application.exec();
}
