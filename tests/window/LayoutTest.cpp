// The window as its layout builds it, and its creation handler.

#include "WindowFixture.h"

#include <QDeadlineTimer>
#include <QTest>

#include "browser/Addresses.h"
#include "browser/ieredimer.h"

#include "instance/InstCtrl.h"
#include "platform/Application.h"
#include "platform/FormWindow.h"
#include "platform/Image.h"
#include "platform/Menus.h"
#include "platform/Shape.h"
#include "platform/Timer.h"
#include "player/LibVlcPlayerUnit.h"
#include "skin/TsBitBtn.h"
#include "skin/TsGauge.h"
#include "skin/TsLabel.h"
#include "skin/TsWebLabel.h"
#include "skin/TsPanel.h"
#include "skin/form/TsTitleBar.h"

namespace {

constexpr const char* kOneStation = "/nonexistent/clip.mp4\nDemo\nLine three\n";

struct Placement {
  const char* name;
  TControl* control;
  TWinControl* parent;
  int left, top, width, height;
};

std::vector<std::string> Captions(const TPopupMenu* menu)
{
  std::vector<std::string> captions;
  for (const TMenuItem* item : menu->Items())
    captions.push_back(item->Caption());
  return captions;
}

}  // namespace

TEST_F(WindowTest, ComponentsSitWhereTheLayoutPutsThem)
{
  CreateWindow(kOneStation);
  TFormTV& f = *FormTV;
  EXPECT_EQ(f.ClientWidth(), 461);
  EXPECT_EQ(f.ClientHeight(), 358);
  EXPECT_EQ(f.Height(), 385);
  EXPECT_EQ(f.Left(), 286);
  EXPECT_EQ(f.Top(), 134);
  EXPECT_TRUE(f.StayOnTop());
  EXPECT_EQ(f.Caption(), "ZadiZAPlayer - http://www.zadiza.cz - Hrajeme svobodnou hudbu ...");

  const Placement placements[] = {
      {"BottomLine", f.BottomLine, &f, 4, 280, 85, 13},    {"Player", f.Player, &f, 0, 0, 465, 297},
      {"pnlINFO", f.pnlINFO, f.Player, 0, 0, 461, 297},     {"pnlControl", f.pnlControl, &f, 0, 296, 461, 68},
      {"Image1", f.Image1, f.pnlControl, 0, 4, 461, 57},    {"lblDATE", f.lblDATE, f.pnlControl, 36, 5, 113, 16},
      {"Image2", f.Image2, f.pnlControl, 220, 8, 112, 50},  {"Shape1", f.Shape1, f.pnlControl, 24, 22, 130, 2},
      {"gaugeVolume", f.gaugeVolume, f.pnlControl, 160, 4, 9, 53},
      {"weblabelZADIZA", f.weblabelZADIZA, f.pnlControl, 216, 8, 121, 49},
      {"btnPlay", f.btnPlay, f.pnlControl, 352, 8, 49, 49}, {"sBitBtn1", f.sBitBtn1, f.pnlControl, 404, 8, 49, 49},
      {"btnMute", f.btnMute, f.pnlControl, 172, 28, 29, 29},
  };
  for (const Placement& p : placements) {
    SCOPED_TRACE(p.name);
    EXPECT_EQ(p.control->Parent(), p.parent);
    EXPECT_EQ(p.control->BoundsRect(), QRect(p.left, p.top, p.width, p.height));
  }
  // The time label sizes itself to its text and keeps its right edge.
  EXPECT_EQ(f.lblTIME->Parent(), f.pnlControl);
  EXPECT_EQ(f.lblTIME->Left() + f.lblTIME->Width(), 89 + 64);
  EXPECT_EQ(f.lblTIME->Top(), 21);

  // Stacking follows creation: the player lies over the hot strip.
  const auto& children = f.Controls();
  EXPECT_LT(std::find(children.begin(), children.end(), f.BottomLine),
            std::find(children.begin(), children.end(), f.Player));
}

TEST_F(WindowTest, ControlsCarryTheirDesignedProperties)
{
  CreateWindow(kOneStation);
  TFormTV& f = *FormTV;
  EXPECT_EQ(f.BottomLine->BrushColor(), clBlack);
  EXPECT_EQ(f.BottomLine->PenStyle(), TPenStyle::psClear);
  EXPECT_EQ(f.Shape1->BrushColor(), clRed);
  EXPECT_EQ(f.Shape1->PenColor(), clRed);
  EXPECT_EQ(f.pnlINFO->Color(), clBlack);
  EXPECT_EQ(f.pnlINFO->SkinData.SkinSection(), "PANEL");
  EXPECT_EQ(f.pnlControl->BevelOuter(), TBevelCut::bvNone);
  EXPECT_EQ(f.Image1->Picture().size(), QSize(545, 76));
  EXPECT_TRUE(f.Image1->Center());
  EXPECT_EQ(f.Image2->Picture().size(), QSize(112, 50));
  EXPECT_TRUE(f.Image2->Picture().hasAlphaChannel());
  EXPECT_TRUE(f.Image2->Transparent());

  EXPECT_EQ(f.lblDATE->Caption(), "date");
  EXPECT_EQ(f.lblDATE->Alignment(), TAlignment::taRightJustify);
  EXPECT_FALSE(f.lblDATE->AutoSize());
  EXPECT_EQ(f.lblDATE->Font().Name, "Tahoma");
  EXPECT_EQ(f.lblDATE->Font().Height, 11);
  EXPECT_EQ(f.lblDATE->Font().Charset, EASTEUROPE_CHARSET);
  EXPECT_EQ(f.lblTIME->Caption(), "time");
  EXPECT_EQ(f.lblTIME->Font().Height, 33);
  EXPECT_EQ(f.lblTIME->Font().Color, clGray);
  EXPECT_FALSE(f.lblTIME->UseSkinColor());

  EXPECT_EQ(f.gaugeVolume->Kind(), TsGaugeKind::gkVerticalBar);
  EXPECT_EQ(f.gaugeVolume->SkinData.SkinSection(), "GAUGE");
  EXPECT_FALSE(f.gaugeVolume->ShowText());
  EXPECT_EQ(f.weblabelZADIZA->URL(), "http://www.zadiza.cz");
  EXPECT_EQ(f.weblabelZADIZA->Hint(), "Otevřít web VUSK TV");
  EXPECT_TRUE(f.weblabelZADIZA->ShowHint());

  EXPECT_EQ(f.btnPlay->Caption(), ">");
  EXPECT_EQ(f.btnPlay->Hint(), "Začít přehrávání");
  EXPECT_EQ(f.btnPlay->Font().Height, 21);
  EXPECT_EQ(f.sBitBtn1->Hint(), "Přepnout na celou obrazovku");
  EXPECT_EQ(f.btnMute->Hint(), "Ztlumit");
  EXPECT_EQ(f.btnMute->Glyph().size(), QSize(21, 21));
  EXPECT_EQ(f.sBitBtn1->Glyph().size(), QSize(21, 21));
  EXPECT_EQ((std::vector<int>{f.btnPlay->TabOrder(), f.sBitBtn1->TabOrder(), f.btnMute->TabOrder()}),
            (std::vector<int>{0, 1, 2}));

  EXPECT_TRUE(f.TimerTIME->Enabled());
  EXPECT_EQ(f.TimerTIME->Interval(), 1000);
  EXPECT_FALSE(f.TimerPANEL->Enabled());
  EXPECT_EQ(f.TimerPANEL->Interval(), 10000);
  EXPECT_FALSE(f.TimerERROR->Enabled());
  EXPECT_EQ(f.TimerERROR->Interval(), 1000);
  EXPECT_EQ(f.OneInstance1->MaxNewInstances(), 0);
}

TEST_F(WindowTest, MenusListTheirItemsAndOnlyQuitDoesSomething)
{
  CreateWindow(kOneStation);
  TFormTV& f = *FormTV;
  EXPECT_EQ(Captions(f.DropDownMenu), (std::vector<std::string>{"Nápověda", "Aktualizace stanic",
                                                                "Aktualizace programu", "Stránky programu",
                                                                "O programu", "-", "Ukončit program"}));
  EXPECT_EQ(Captions(f.DropDownMenuKvalita), (std::vector<std::string>{"Nízká", "Vysoká"}));
  ASSERT_EQ(f.sTitleBar1->Items().size(), 2u);
  const TacTitleBarItem& quality = *f.sTitleBar1->Items()[0];
  const TacTitleBarItem& options = *f.sTitleBar1->Items()[1];
  EXPECT_EQ(quality.Caption(), "Kvalita");
  EXPECT_EQ(quality.DropdownMenu(), f.DropDownMenuKvalita);
  EXPECT_EQ(quality.Width(), 65);
  EXPECT_EQ(options.Caption(), "Možnosti");
  EXPECT_EQ(options.DropdownMenu(), f.DropDownMenu);
  EXPECT_EQ(options.Width(), 79);
  for (const TacTitleBarItem* item : {&quality, &options}) {
    EXPECT_FALSE(item->Visible());
    EXPECT_FALSE(item->Enabled());
    EXPECT_EQ(item->Align(), TacItemAlign::tbaRight);
    EXPECT_EQ(item->Style(), TacBtnStyle::bsMenu);
    EXPECT_EQ(item->Height(), 22);
  }

  f.Show();
  for (TMenuItem* item : f.DropDownMenu->Items())
    if (item != f.Ukonitprogram1)
      item->Click();
  f.Nzk1->Click();
  f.Vysok1->Click();
  ProcessEvents();
  EXPECT_TRUE(f.Window()->isVisible());
  f.Ukonitprogram1->Click();
  ProcessEvents();
  EXPECT_FALSE(f.Window()->isVisible());
  EXPECT_EQ(f.Player, nullptr);  // the close released the player panel
}

TEST_F(WindowTest, CreationSetsTheStartState)
{
  CreateWindow(kOneStation);
  EXPECT_TRUE(errors_.empty()) << errors_.front();
  EXPECT_EQ(ProgramDir, ExtractFilePath(ExeName()));
  EXPECT_EQ(CurrentStation, 1);
  EXPECT_EQ(Volume, 30);
  EXPECT_TRUE(AspectNext169);
  EXPECT_FALSE(Muted);
  EXPECT_TRUE(AdPanelShown);
  ASSERT_NE(FormTV->AdBrowser, nullptr);
  EXPECT_EQ(FormTV->gaugeVolume->Progress(), 30);
  ASSERT_EQ(Stations.size(), 2u);
  EXPECT_EQ(Stations[1]->Address, "/nonexistent/clip.mp4");
}

TEST_F(WindowTest, FailedStationListStopsCreationAndTheWindowKeepsWorking)
{
  for (const char* stations : {"a\nb\nc\n\n", "", static_cast<const char*>(nullptr)}) {
    errors_.clear();
    CreateWindow(stations);
    ASSERT_EQ(errors_.size(), 1u);
    EXPECT_EQ(errors_[0].rfind("ZadiZAPlayer: ", 0), 0u) << errors_[0];
    EXPECT_EQ(Volume, 30);
    EXPECT_EQ(FormTV->gaugeVolume->Progress(), 47);
    EXPECT_EQ(FormTV->AdBrowser, nullptr);
    EXPECT_FALSE(AdPanelShown);

    // Playing, the watchdog and the activation meet an absent browser and a short list.
    FormTV->FormActivate(FormTV);
    FormTV->btnPlayClick(FormTV->btnPlay);
    for (int tick = 0; tick < 30; ++tick)
      FormTV->TimerERRORTimer(FormTV->TimerERROR);
    FormTV->btnPlayClick(FormTV->btnPlay);
    EXPECT_EQ(FormTV->btnPlay->Caption(), ">");
    TearDown();
  }
  EXPECT_EQ(errors_.size(), 1u);
}

TEST_F(WindowTest, FirstActivationNavigatesOnceAndLaterOnesDoNothing)
{
  CreateWindow(kOneStation);
  FormTV->Show();
  QDeadlineTimer deadline(10000);
  while (!(FormTV->AdBrowser->View() && !FormTV->AdBrowser->View()->property("url").toUrl().isEmpty()) && !deadline.hasExpired())
    QTest::qWait(20);
  ASSERT_NE(FormTV->AdBrowser->View(), nullptr) << "the advertisement was never loaded";
  EXPECT_EQ(FormTV->AdBrowser->View()->property("url").toUrl().toString().toStdU16String(), std::u16string(AdvertisementUrl));
  EXPECT_FALSE(FormTV->OnActivate);  // the handler removed itself

  // Away to another window and back: nothing loads again.
  QWidget other;
  other.show();
  other.activateWindow();
  QTest::qWait(100);
  FormTV->Window()->activateWindow();
  QTest::qWait(100);
  EXPECT_FALSE(FormTV->OnActivate);
  EXPECT_TRUE(errors_.empty()) << errors_.front();
}
