// The window's timers and a real mouse click, on the X server the test runs on.

#include "WindowFixture.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QFontMetrics>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>

#include "app/DateTimeUnit.h"
#include "platform/Timer.h"
#include "platform/FormWindow.h"
#include "skin/TsBitBtn.h"
#include "skin/TsGauge.h"
#include "skin/TsLabel.h"

namespace {

constexpr const char* kStations = "http://127.0.0.1:9/live\nLive\nStream\n";

bool WaitFor(const std::function<bool()>& done, int ms)
{
  QDeadlineTimer deadline(ms);
  while (!done() && !deadline.hasExpired())
    QTest::qWait(20);
  return done();
}

}  // namespace

TEST_F(WindowTest, ClockTickFillsBothLabelsAndTheLongestWeekdayFits)
{
  CreateWindow(kStations);
  EXPECT_EQ(FormTV->lblDATE->Caption(), "date");
  EXPECT_EQ(FormTV->lblTIME->Caption(), "time");
  ASSERT_TRUE(WaitFor([] { return FormTV->lblTIME->Caption() != "time"; }, 2500)) << "no clock tick";
  EXPECT_EQ(FormTV->lblDATE->Caption(), DateText());
  EXPECT_TRUE(QRegularExpression("^\\d\\d:\\d\\d:\\d\\d$").match(QString::fromStdString(FormTV->lblTIME->Caption())).hasMatch())
      << FormTV->lblTIME->Caption();

  // With the layout's own face (fonts-wine) the widest English date fits the 113 px label.
  ASSERT_TRUE(QFile::exists("/usr/share/wine/fonts/tahoma.ttf")) << "fonts-wine is not installed";
  const QFont font = ToQFont(FormTV->lblDATE->Font());
  EXPECT_EQ(QFontInfo(font).family(), "Tahoma");
  EXPECT_LE(QFontMetrics(font).horizontalAdvance("Wednesday 09.12.2026"), FormTV->lblDATE->Width());
}

TEST_F(WindowTest, NoWatchdogTickReachesThePlayerAfterTheWindowClosed)
{
  CreateWindow(kStations);
  FormTV->Show();
  FormTV->btnPlayClick(FormTV->btnPlay);
  StallWatch = TimeTicks + 100;  // the next tick would open the stream again
  FormTV->Close();
  ProcessEvents();
  ASSERT_EQ(FormTV->Player, nullptr);
  Fake().ClearCalls();
  QTest::qWait(2200);
  EXPECT_TRUE(Fake().Calls().empty()) << Fake().Calls().front();
}

// xdotool moves the X server's pointer: the press comes from the server, through
// whatever native windows lie over the gauge.
TEST_F(WindowTest, RealMouseClickOnTheGaugeSetsTheVolume)
{
  CreateWindow(kStations);
  FormTV->Show();
  ASSERT_TRUE(WaitFor([] { return FormTV->Window()->isVisible(); }, 2000));
  QTest::qWait(300);
  const QPoint at = FormTV->gaugeVolume->Widget()->mapToGlobal(QPoint(4, 26));
  ASSERT_EQ(QProcess::execute("xdotool", {"mousemove", "--sync", QString::number(at.x()), QString::number(at.y()),
                                          "click", "1"}),
            0);
  EXPECT_TRUE(WaitFor([] { return Volume == 43; }, 3000)) << "volume " << Volume;
  EXPECT_EQ(FormTV->gaugeVolume->Progress(), 52);
}
