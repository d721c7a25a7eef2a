#include <gtest/gtest.h>

#include <QDesktopServices>
#include <QMouseEvent>
#include <QObject>
#include <QUrl>
#include <QWidget>
#include <QTest>

#include "skin/TsWebLabel.h"
#include "skin/core/SkinTables.h"
#include "skin/paint/LabelColors.h"

namespace {

TsGeneralData Section(const char* name, int fontColor, int transparency, bool giveOwnFont)
{
  TsGeneralData section;
  section.SectionName = name;
  section.States[0].FontColor = fontColor;
  section.States[0].Transparency = transparency;
  section.GiveOwnFont = giveOwnFont;
  return section;
}

TEST(LabelColorTest, TransparentParentsPassTheQuestionUpAndOnlyGiveOwnFontAnswers)
{
  TacSkinTables tables;
  tables.Sections = {Section("GLOBALINFO", 0x111111, 0, false), Section("PANEL", 0x222222, 0, false),
                     Section("GLASS", 0x333333, 51, true), Section("OWN", 0x444444, 50, true)};
  tables.UpdateCachedIndexes();
  EXPECT_EQ(LabelColorSection(tables, {2, 3}), 3);   // 51 asks one level up; 50 answers
  EXPECT_EQ(LabelColorSection(tables, {1, 3}), -1);  // no GIVEOWNFONT: the global colour
  EXPECT_EQ(LabelColorSection(tables, {2, -1}), -1);
  EXPECT_EQ(LabelFontColor(tables, 3, 0x999999), 0x444444);
  EXPECT_EQ(LabelFontColor(tables, -1, 0x999999), 0x999999);
  EXPECT_EQ(LabelFontColor(tables, -1, 0xFF00FF), std::nullopt);

  // Web label: GLOBALINFO's contour colours, a missing one pure red.
  EXPECT_EQ(WebLabelFontColor(tables, -1, TacWebLabelState::Hover), 255);
  tables.Sections[0].States[0].TextContour[tcTop] = 0x00AA00;
  tables.Sections[0].States[0].TextContour[tcBottom] = 0xFFFFFF;
  EXPECT_EQ(WebLabelFontColor(tables, -1, TacWebLabelState::Hover), 0x00AA00);
  EXPECT_EQ(WebLabelFontColor(tables, -1, TacWebLabelState::Normal), 0xFFFFFF);
  EXPECT_EQ(WebLabelFontColor(tables, 3, TacWebLabelState::Normal), 0x444444);
}

// Stands in for the desktop's opener: records every address the shell is asked to open.
class OpenRecorder : public QObject {
  Q_OBJECT
public:
  std::vector<std::string> opened;
public slots:
  void open(const QUrl& url) { opened.push_back(url.toString().toStdString()); }
};

TEST(WebLabelTest, PressOpensTheAddressAfterOnMouseDownAndEmptyOpensNothing)
{
  OpenRecorder recorder;
  QDesktopServices::setUrlHandler("http", &recorder, "open");
  TsWebLabel label(nullptr);
  label.SetBounds(0, 0, 50, 20);
  std::vector<std::string> order;
  label.OnMouseDown = [&](TObject*, TMouseButton, TShiftState, int, int) {
    order.push_back("down, opened " + std::to_string(recorder.opened.size()));
  };
  QTest::mousePress(label.Widget(), Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_TRUE(recorder.opened.empty());
  QTest::mouseRelease(label.Widget(), Qt::LeftButton, {}, QPoint(5, 5));

  label.SetURL("http://www.zadiza.cz");
  QTest::mousePress(label.Widget(), Qt::RightButton, {}, QPoint(5, 5));
  QTest::mouseRelease(label.Widget(), Qt::RightButton, {}, QPoint(5, 5));
  EXPECT_TRUE(recorder.opened.empty());
  QTest::mousePress(label.Widget(), Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_EQ(recorder.opened, std::vector<std::string>{"http://www.zadiza.cz"});
  EXPECT_EQ(order.back(), "down, opened 0");
  QTest::mouseRelease(label.Widget(), Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_EQ(recorder.opened.size(), 1u);
  QDesktopServices::unsetUrlHandler("http");
}

}  // namespace

#include "LabelTest.moc"
