// Shows a form with the advertisement panel and reports when its first paint
// came, how many engine helpers ran then, and when the page had loaded.
// Modes: "none" (no browser), "deferred" (navigate once the window is showing,
// as the main window's first activation does), "eager" (navigate before it shows).

#include <QElapsedTimer>
#include <QEvent>
#include <QFile>
#include <QGuiApplication>
#include <QTimer>
#include <QWebEngineView>
#include <cstdio>
#include <cstring>

#include "EngineProcesses.h"
#include "PageServer.h"
#include "browser/ieredimer.h"
#include "platform/Application.h"
#include "platform/Form.h"
#include "platform/FormWindow.h"

namespace {

QElapsedTimer clock_;

// Reports the first paint of the window it watches.
class FirstPaint : public QObject {
public:
  bool eventFilter(QObject*, QEvent* event) override
  {
    if (event->type() == QEvent::Paint && !done_) {
      done_ = true;
      std::printf("first_paint_ms=%lld helpers_at_paint=%lld\n", clock_.elapsed(),
                  static_cast<long long>(EngineHelperTypes().size()));
      std::fflush(stdout);
    }
    return false;
  }

private:
  bool done_ = false;
};

QByteArray ReadPage(const char* path)
{
  QFile file(QString::fromLocal8Bit(path));
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<html></html>");
}

}  // namespace

int main(int argc, char** argv)
{
  clock_.start();
  const char* mode = argc > 1 ? argv[1] : "deferred";
  TApplication app(argc, argv);
  PageServer server;
  server.AddPage("/reklama.html", ReadPage(argc > 2 ? argv[2] : ""));
  TForm form(nullptr);
  form.SetBounds(0, 0, 467, 385);
  TCustomPanel panel(&form, TNativeWindow::Yes);
  panel.SetParent(&form);
  panel.SetBounds(0, 0, 461, 297);
  panel.SetColor(clBlack);
  TFramelessIE* browser = nullptr;
  if (std::strcmp(mode, "none") != 0) {
    browser = new TFramelessIE(&panel);
    browser->SetParentWindow(panel.Handle());
    browser->SetBoundsRect(panel.ClientRect());
  }
  const std::u16string address = server.Url(QStringLiteral("/reklama.html")).toStdU16String();
  // The view appears only when the engine starts; watch for it, then for the load.
  // As the program does on closing: the browser goes before the application quits.
  // Qt does not always quit while the view, a window of its own, still lives.
  const auto quit = [&] {
    delete browser;
    browser = nullptr;
    TApplication::Instance()->Terminate();
  };
  QTimer watchView;
  QObject::connect(&watchView, &QTimer::timeout, [&] {
    if (!browser || !browser->View())
      return;
    watchView.stop();
    QObject::connect(qobject_cast<QWebEngineView*>(browser->View()), &QWebEngineView::loadFinished, [&](bool ok) {
      std::printf("page_loaded_ms=%lld ok=%d\n", clock_.elapsed(), ok ? 1 : 0);
      std::fflush(stdout);
      QTimer::singleShot(0, quit);
    });
  });
  watchView.start(2);
  const auto navigate = [&] {
    std::printf("navigate_ms=%lld\n", clock_.elapsed());
    browser->Navigate(address);
  };
  const bool eager = std::strcmp(mode, "eager") == 0;
  if (browser && eager)
    navigate();
  FirstPaint watch;
  form.Window()->installEventFilter(&watch);
  form.Show();
  // Still before the first paint: that comes from the event loop.
  if (browser && !eager)
    navigate();
  QTimer::singleShot(browser ? 15000 : 500, quit);
  app.Run();
  return 0;
}
