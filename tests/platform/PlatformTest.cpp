#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QTest>

#include "TestApplication.h"
#include "platform/Application.h"
#include "platform/Colors.h"
#include "platform/Exception.h"
#include "platform/Font.h"
#include "platform/Form.h"
#include "platform/Timer.h"

namespace {

const auto* const g_environment = ::testing::AddGlobalTestEnvironment(new TestApplication);

class PlatformTest : public ::testing::Test {
protected:
  void SetUp() override
  {
    TApplication::SetErrorBoxHook([this](const std::string& title, const std::string& text) {
      errors_.push_back(title + ": " + text);
    });
  }
  void TearDown() override { TApplication::SetErrorBoxHook(nullptr); }

  std::vector<std::string> errors_;
};

// Counts its own destruction, to see who frees it.
class Probe : public TComponent {
public:
  Probe(TComponent* owner, std::vector<int>& log, int id) : TComponent(owner), log_(log), id_(id) {}
  ~Probe() override { log_.push_back(id_); }

private:
  std::vector<int>& log_;
  int id_;
};

}  // namespace

TEST(Colors, SystemColoursResolveAndPlainOnesPassThrough)
{
  EXPECT_EQ(ColorToRGB(clRed), 0x0000FFu);
  EXPECT_EQ(ColorToRGB(0x12345678), 0x345678u);
  EXPECT_EQ(ColorToRGB(clWindowText), 0x000000u);
  EXPECT_NE(ColorToRGB(clBtnFace), static_cast<uint32_t>(clBtnFace));
  EXPECT_EQ(ToQColor(0x00336699).red(), 0x99);
}

TEST(Components, OwnerFreesLastCreatedFirstAndForgetsFreedOnes)
{
  std::vector<int> log;
  auto* owner = new TComponent(nullptr);
  new Probe(owner, log, 1);
  auto* second = new Probe(owner, log, 2);
  new Probe(owner, log, 3);
  delete second;
  EXPECT_EQ(owner->Components().size(), 2u);
  delete owner;
  EXPECT_EQ(log, (std::vector<int>{2, 3, 1}));
}

TEST_F(PlatformTest, FormHeightsFollowTheStyleBits)
{
  TForm form(nullptr);
  form.SetBounds(10, 20, 467, 385);
  EXPECT_EQ(form.ClientWidth(), 461);
  EXPECT_EQ(form.ClientHeight(), 358);
  form.SetStyle(form.Style() & 0xFF3FFFFF);
  EXPECT_EQ(form.ClientHeight(), 385);
  form.SetClientHeight(form.Height());
  EXPECT_EQ(form.Height(), 385);
  form.SetStyle(form.Style() | WS_CAPTION | WS_BORDER);
  form.SetClientHeight(358);
  EXPECT_EQ(form.Height(), 385);
}

TEST_F(PlatformTest, MaximisingTakesTheScreenAndNormalRestores)
{
  TForm form(nullptr);
  form.SetBounds(10, 20, 467, 385);
  form.SetWindowState(TWindowState::wsMaximized);
  EXPECT_EQ(form.BoundsRect(), QApplication::primaryScreen()->geometry());
  form.SetWindowState(TWindowState::wsNormal);
  EXPECT_EQ(form.BoundsRect(), QRect(10, 20, 467, 385));
}

TEST_F(PlatformTest, EnablingAnEnabledTimerKeepsItsInterval)
{
  TTimer timer(nullptr);
  timer.SetInterval(300);
  int ticks = 0;
  QElapsedTimer clock;
  qint64 firstTick = -1;
  timer.OnTimer = [&](TObject*) {
    if (++ticks == 1)
      firstTick = clock.elapsed();
  };
  clock.start();
  timer.SetEnabled(true);
  for (int i = 0; i < 5; ++i) {
    QTest::qWait(50);
    timer.SetEnabled(true);
  }
  QTest::qWait(200);
  // Re-enabled every 50 ms: a restarting timer would not have ticked yet.
  EXPECT_EQ(ticks, 1);
  EXPECT_LT(firstTick, 450);
}

TEST_F(PlatformTest, HandlerErrorsGoToTheErrorBoxAndTheProgramGoesOn)
{
  TTimer timer(nullptr);
  timer.SetInterval(10);
  int ticks = 0;
  timer.OnTimer = [&](TObject*) {
    ++ticks;
    throw Exception("broken tick");
  };
  QTest::qWait(100);
  ASSERT_GE(ticks, 2);
  EXPECT_EQ(errors_.front(), "ZadiZAPlayer: broken tick");
}

TEST_F(PlatformTest, KeyReleasesReachTheFormOnlyOnceAndOnlyWithoutAFocusedControl)
{
  TForm form(nullptr);
  form.SetBounds(0, 0, 200, 200);
  TWinControl button(&form);
  button.SetParent(&form);
  button.SetTabStop(true);
  std::vector<uint16_t> keys;
  form.OnKeyUp = [&](TObject*, uint16_t& key, TShiftState) { keys.push_back(key); };
  form.Show();
  QWidget* client = form.Widget();
  QTest::keyPress(client, Qt::Key_Up);
  QKeyEvent repeat(QEvent::KeyRelease, Qt::Key_Up, Qt::NoModifier, QString(), true);
  QApplication::sendEvent(client, &repeat);
  QTest::keyRelease(client, Qt::Key_Up);
  QTest::keyClick(client, Qt::Key_Enter);
  QTest::keyClick(client, Qt::Key_Shift);
  QTest::keyClick(client, Qt::Key_Ampersand);
  EXPECT_EQ(keys, (std::vector<uint16_t>{VK_UP, VK_RETURN, VK_SHIFT, 0}));

  // A release whose press went elsewhere (the Enter that closed a message box) does not count.
  keys.clear();
  QTest::keyRelease(client, Qt::Key_Return);
  EXPECT_TRUE(keys.empty());
  QTest::keyClick(button.Widget(), Qt::Key_Space);
  EXPECT_TRUE(keys.empty());
}

TEST_F(PlatformTest, AnnouncedSettingChangesReachTheApplication)
{
  int announced = 0;
  TApplication::Instance()->OnSettingChange = [&](TObject*) { ++announced; };
  QEvent change(QEvent::LocaleChange);
  QCoreApplication::sendEvent(QCoreApplication::instance(), &change);
  QWidget widget;
  QCoreApplication::sendEvent(&widget, &change);  // a widget's own change is not the system's
  TApplication::Instance()->OnSettingChange = nullptr;
  EXPECT_EQ(announced, 1);
}

TEST(Fonts, LayoutFacesKeepTheirSizeAtEveryHeightTheLayoutUses)
{
  AddLayoutFonts();
  // The play button's 21-pixel caption must not shrink to a bitmap strike of the small face.
  for (int height : {11, 21, 33}) {
    for (const char* face : {"MS Sans Serif", "Tahoma"}) {
      TFont font;
      font.Name = face;
      font.Height = height;
      EXPECT_GE(QFontMetrics(ToQFont(font)).height(), height) << face << " " << height;
    }
  }
}
