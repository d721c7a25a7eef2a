// The advertisement browser with the real web engine, pages served from 127.0.0.1.

#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QMenu>
#include <QMouseEvent>
#include <QProcess>
#include <QScreen>
#include <QWebChannel>
#include <QWebEnginePage>
#include <QWebEngineView>
#include <functional>
#include <unistd.h>

#include "EngineProcesses.h"
#include "PageServer.h"
#include "browser/ieredimer.h"
#include "platform/Application.h"
#include "platform/Exception.h"
#include "platform/Form.h"
#include "platform/FormWindow.h"

namespace {

TApplication& TestApp()
{
  static int argc = 1;
  static char name[] = "browser_test";
  static char* argv[] = {name, nullptr};
  static TApplication* app = new TApplication(argc, argv);
  return *app;
}

bool WaitUntil(const std::function<bool()>& done, int ms = 10000)
{
  QElapsedTimer clock;
  clock.start();
  while (!done()) {
    if (clock.elapsed() > ms)
      return false;
    QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
  }
  return true;
}

QVariant RunJs(QWebEngineView* view, const QString& script)
{
  QVariant result;
  bool done = false;
  view->page()->runJavaScript(script, [&](const QVariant& value) {
    result = value;
    done = true;
  });
  WaitUntil([&] { return done; }, 5000);
  return result;
}

const QByteArray GreenPage =
    "<html><body style='margin:0;background:rgb(10,200,30)'></body></html>";

class BrowserTest : public ::testing::Test {
protected:
  BrowserTest()
  {
    server.AddPage("/reklama.html", GreenPage);
    form.SetBounds(0, 0, 467, 385);
    panel.SetParent(&form);
    panel.SetBounds(0, 0, 461, 297);
    panel.SetColor(clBlack);
    browser->SetParentWindow(panel.Handle());
    browser->SetBoundsRect(panel.ClientRect());
    form.Show();
  }

  // Navigates and waits until the page at url has loaded completely.
  bool Load(const QString& url)
  {
    browser->Navigate(url.toStdU16String());
    return WaitUntil([&] {
      return View() &&
             RunJs(View(), "document.readyState + ' ' + location.href").toString() == "complete " + url;
    });
  }

  QWebEngineView* View() const { return qobject_cast<QWebEngineView*>(browser->View()); }

  TApplication& app_ = TestApp();
  PageServer server;
  TForm form{nullptr};
  TCustomPanel panel{&form, TNativeWindow::Yes};
  TFramelessIE* browser = new TFramelessIE(&panel);
};

// On X what the server shows (the root window read back), elsewhere the widget's own rendering.
QImage ShotOf(QWidget* widget)
{
  if (QGuiApplication::platformName() != "xcb")
    return widget->grab().toImage();
  const QPoint origin = widget->mapToGlobal(QPoint(0, 0));
  return QGuiApplication::primaryScreen()->grabWindow(0, origin.x(), origin.y(), widget->width(), widget->height()).toImage();
}

QColor PixelAt(QWidget* widget, QPoint point)
{
  return ShotOf(widget).pixelColor(point);
}

TEST_F(BrowserTest, PageFillsItsRectangleWithoutBorder)
{
  browser->SetBoundsRect(QRect(20, 10, 300, 200));
  ASSERT_TRUE(Load(server.Url("/reklama.html")));
  const QColor green(10, 200, 30);
  ASSERT_TRUE(WaitUntil([&] { return PixelAt(panel.Widget(), {170, 110}) == green; }));
  const QImage shot = ShotOf(panel.Widget());
  for (const QPoint inside : {QPoint(20, 10), QPoint(319, 10), QPoint(20, 209), QPoint(319, 209)})
    EXPECT_EQ(shot.pixelColor(inside), green) << inside.x() << "," << inside.y();
  for (const QPoint outside : {QPoint(19, 10), QPoint(20, 9), QPoint(320, 209), QPoint(319, 210)})
    EXPECT_EQ(shot.pixelColor(outside), QColor(Qt::black)) << outside.x() << "," << outside.y();
}

bool MenuShowsAfterRightClick(QWebEngineView* view)
{
  QWidget* target = view->focusProxy() ? view->focusProxy() : view;
  const QPointF at(50, 50);
  for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
    QMouseEvent event(type, at, target->mapToGlobal(at), Qt::RightButton,
                      type == QEvent::MouseButtonPress ? Qt::RightButton : Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &event);
  }
  const auto menuShown = [] {
    for (QWidget* widget : QApplication::topLevelWidgets())
      if (qobject_cast<QMenu*>(widget) && widget->isVisible())
        return true;
    return false;
  };
  const bool shown = WaitUntil(menuShown, 1500);
  for (QWidget* widget : QApplication::topLevelWidgets())
    if (qobject_cast<QMenu*>(widget))
      widget->close();
  return shown;
}

TEST_F(BrowserTest, RightClickOpensNoMenu)
{
  ASSERT_TRUE(Load(server.Url("/reklama.html")));
  EXPECT_FALSE(MenuShowsAfterRightClick(View()));
  // The same click on a view with the engine's default policy does open one.
  View()->setContextMenuPolicy(Qt::DefaultContextMenu);
  EXPECT_TRUE(MenuShowsAfterRightClick(View()));
}

TEST_F(BrowserTest, ScriptsFindNoObjectOfTheProgram)
{
  ASSERT_TRUE(Load(server.Url("/reklama.html")));
  const QString probe = "typeof qt + ' ' + JSON.stringify(Object.keys(window.external || {}))";
  EXPECT_EQ(RunJs(View(), probe).toString(), "undefined []");
  EXPECT_EQ(View()->page()->webChannel(), nullptr);
  // With a web channel the same probe sees the transport object.
  QWebChannel channel;
  View()->page()->setWebChannel(&channel);
  ASSERT_TRUE(Load(server.Url("/reklama.html?again")));
  EXPECT_EQ(RunJs(View(), probe).toString().section(' ', 0, 0), "object");
  View()->page()->setWebChannel(nullptr);
}

TEST_F(BrowserTest, AddressIsLoadedAsGiven)
{
  const QString url = server.Url("/reklama.html?a=1&b=%C3%A1#part");
  ASSERT_TRUE(Load(url));
  EXPECT_TRUE(server.Targets().contains("/reklama.html?a=1&b=%C3%A1")) << server.Targets().join(' ').toStdString();
  EXPECT_EQ(View()->url().toString(QUrl::FullyEncoded), url);
}

// Real key presses from the X server (xdotool); needs the xcb platform on a display.
TEST_F(BrowserTest, KeysGoToThePageWhileItHasTheFocus)
{
  if (QGuiApplication::platformName() != "xcb")
    GTEST_SKIP() << "needs real key events: run under Xvfb with QT_QPA_PLATFORM=xcb";
  server.AddPage("/field.html", "<html><body><input id='field'></body></html>");
  ASSERT_TRUE(Load(server.Url("/field.html")));
  QWebEngineView* view = View();
  const QString window = QString::number(view->window()->winId());
  const QPoint field = view->mapTo(view->window(), QPoint(20, 10));
  ASSERT_EQ(QProcess::execute("xdotool", {"windowfocus", "--sync", window}), 0);
  // The engine drops input for a while after the first frame: click until the field has the focus.
  const auto fieldFocused = [&] { return RunJs(view, "document.activeElement.id").toString() == "field"; };
  for (int attempt = 0; attempt < 30 && !fieldFocused(); ++attempt) {
    QProcess::execute("xdotool", {"mousemove", "--window", window, QString::number(field.x()),
                                  QString::number(field.y()), "click", "1"});
    WaitUntil(fieldFocused, 200);
  }
  ASSERT_TRUE(fieldFocused());
  QProcess::execute("xdotool", {"type", "--delay", "20", "kun 7"});
  const auto fieldHolds = [&](const char* text) {
    return RunJs(view, "document.getElementById('field').value").toString() == text;
  };
  EXPECT_TRUE(WaitUntil([&] { return fieldHolds("kun 7"); }));
  // The page's window is the form's own part: the form still counts as active.
  EXPECT_TRUE(form.Active());
  // A click on the form outside the page takes the keyboard back.
  const QString formWindow = QString::number(form.Widget()->winId());
  QProcess::execute("xdotool", {"mousemove", "--window", formWindow, "230", "340", "click", "1"});
  WaitUntil([] { return false; }, 300);
  QProcess::execute("xdotool", {"type", "--delay", "20", "x"});
  EXPECT_FALSE(WaitUntil([&] { return !fieldHolds("kun 7"); }, 1000));
  EXPECT_TRUE(form.Active());
}

TEST_F(BrowserTest, NavigateRaisesForAnAddressThatCannotBeLoaded)
{
  EXPECT_THROW(browser->Navigate(u""), Exception);
  EXPECT_THROW(browser->Navigate(u"http://exa mple.cz/reklama.html"), Exception);
  EXPECT_EQ(View(), nullptr);  // a failed call starts nothing
  // An unreachable page is the engine's business, not an error of the call.
  EXPECT_NO_THROW(browser->Navigate(u"http://127.0.0.1:1/reklama.html"));
}

TEST_F(BrowserTest, ParentWindowMustBeOneOfThisProgram)
{
  EXPECT_THROW(browser->SetParentWindow(0x7fffffff), Exception);
  EXPECT_EQ(browser->ParentWindow(), panel.Handle());
}

TEST_F(BrowserTest, HostInfoAnswer)
{
  TDocHostUIInfo info;
  info.pchHostCss = 0xAAAA;
  info.pchHostNS = 0xBBBB;
  EXPECT_EQ(browser->GetHostInfo(info), S_OK);
  EXPECT_EQ(info.cbSize, 20u);
  EXPECT_EQ(info.dwFlags, 0x4u);
  EXPECT_EQ(info.dwDoubleClick, 0u);
  EXPECT_EQ(info.pchHostCss, 0xAAAAu);
  EXPECT_EQ(info.pchHostNS, 0xBBBBu);

  TDocHostUIInfo seen;
  browser->OnGetHostInfo = [&](TDocHostUIInfo& record) {
    seen = record;  // the hook gets the record already filled
    record.dwFlags |= 0x10;
    return int32_t(0x80004005);
  };
  TDocHostUIInfo hooked;
  EXPECT_EQ(browser->GetHostInfo(hooked), int32_t(0x80004005));
  EXPECT_EQ(seen.cbSize, 20u);
  EXPECT_EQ(seen.dwFlags, 0x4u);
  EXPECT_EQ(hooked.dwFlags, 0x14u);
}

TEST_F(BrowserTest, FreeingEndsTheRenderer)
{
  ASSERT_TRUE(Load(server.Url("/reklama.html")));
  ASSERT_GE(CountOf(EngineHelperTypes(), "renderer"), 1) << EngineHelperTypes().join(",").toStdString();
  QElapsedTimer clock;
  clock.start();
  delete browser;
  EXPECT_TRUE(WaitUntil([] { return CountOf(EngineHelperTypes(), "renderer") == 0; }, 5000));
  std::printf("renderer gone %lld ms after the browser was freed; helpers left: [%s]\n", clock.elapsed(),
              EngineHelperTypes().join(',').toStdString().c_str());
  EXPECT_TRUE(panel.Components().empty());
  // Without the sandbox (as root) there is no zygote either: nothing is left at all.
  if (geteuid() == 0) {
    EXPECT_TRUE(EngineHelperTypes().isEmpty());
  }
}

class CountedBrowser : public TFramelessIE {
public:
  CountedBrowser(TComponent* owner, int& alive) : TFramelessIE(owner), alive_(alive) { ++alive_; }
  ~CountedBrowser() override { --alive_; }

private:
  int& alive_;
};

TEST_F(BrowserTest, OwnerFreesTheBrowser)
{
  int alive = 0;
  auto* owner = new TCustomPanel(&form, TNativeWindow::Yes);
  owner->SetParent(&form);
  auto* counted = new CountedBrowser(owner, alive);
  counted->SetParentWindow(owner->Handle());
  ASSERT_TRUE(Load(server.Url("/reklama.html")));  // the engine runs
  counted->Navigate(server.Url("/reklama.html").toStdU16String());
  ASSERT_TRUE(WaitUntil([&] { return counted->View() != nullptr; }));
  EXPECT_EQ(alive, 1);
  delete owner;
  EXPECT_EQ(alive, 0);
}

// In a process of its own, so that the engine has not started before.
TEST(BrowserStartTest, EngineStartsAfterTheWindowsFirstPaint)
{
  QProcess probe;
  probe.start(qEnvironmentVariable("FIRST_PAINT_PROBE"),
              {"deferred", qEnvironmentVariable("ZZ_SOURCE_DIR") + "/resources/reklama.html"});
  ASSERT_TRUE(probe.waitForFinished(20000)) << "the probe hung; it said: " << probe.readAllStandardOutput().toStdString()
                                            << probe.readAllStandardError().right(2000).toStdString();
  const QString report = QString::fromUtf8(probe.readAllStandardOutput());
  std::printf("%s", report.toStdString().c_str());
  EXPECT_TRUE(report.contains("helpers_at_paint=0")) << report.toStdString();
  EXPECT_TRUE(report.contains(" ok=1")) << report.toStdString();
}

}  // namespace
