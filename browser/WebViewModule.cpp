// The only code that touches the web engine. Built as a module of its own and
// loaded when the first page is shown, so that starting the program neither loads
// nor relocates the engine's libraries before the window is painted.

#include <QOpenGLWidget>
#include <QWebEngineView>

extern "C" QWidget* ZzMakeWebView(bool ownWindow)
{
  auto* view = new QWebEngineView;
  if (ownWindow) {
    view->setWindowFlags(Qt::FramelessWindowHint);
    // The engine's output is composed through OpenGL. A hidden OpenGL child gives the
    // view's window that surface from the start; added later, with the page, it would
    // make Qt replace the window and lose its place in the program's window.
    (new QOpenGLWidget(view))->hide();
  }
  return view;
}
