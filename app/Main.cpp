// The main window's creation, show, activation and close, and the unit-level state.

#include "app/Main.h"

#include "browser/Addresses.h"
#include "browser/ieredimer.h"
#include "app/DateTimeUnit.h"
#include "platform/Application.h"
#include "skin/TsLabel.h"
#include "platform/Timer.h"
#include "player/LibVlcPlayerUnit.h"
#include "skin/TsGauge.h"
#include "skin/TsBitBtn.h"
#include "skin/TsPanel.h"
#include "skin/core/SkinManager.h"

TFormTV* FormTV = nullptr;
std::string ProgramDir;
TStationArray Stations;
int32_t CurrentStation = 0;
std::atomic<int32_t> Volume{0};
std::atomic<int32_t> TimeTicks{0};
std::atomic<int32_t> StallWatch{0};
bool Muted = false;
bool AspectNext169 = false;
bool AdPanelShown = false;

const char* const SkinNameBlackBox = "BlackBox";
const char* const StationFileName = "tvstations.txt";

TFormTV::TFormTV(TComponent* AOwner) : TForm(AOwner)
{
  CreateComponents();
  OnShow = [this](TObject* s) { FormShow(s); };
  OnActivate = [this](TObject* s) { FormActivate(s); };
  OnClose = [this](TObject* s) { FormClose(s); };
  OnKeyUp = [this](TObject* s, uint16_t& key, TShiftState shift) { FormKeyUp(s, key, shift); };
  // A failing step ends the handler there; the window still shows.
  TApplication::Guarded([this] { FormCreate(this); });
}

void LoadStations()
{
  LoadStationsFromFile(ProgramDir + StationFileName, Stations);
}

void TFormTV::FormCreate(TObject*)
{
  ProgramDir = ExtractFilePath(ExeName());
  sSkinManager1->SetSkinName(SkinNameBlackBox);
  sSkinManager1->SetSkinDirectory(ProgramDir + "Skins/");
  sSkinManager1->SetActive(true);
  CurrentStation = 1;
  Volume = 30;
  AspectNext169 = true;
  LoadStations();
  Muted = false;
  gaugeVolume->SetProgress(Volume);
  Player->SetVideoAspectRatio("16:9");
  AdBrowser = new TFramelessIE(pnlINFO);
  AdBrowser->SetParentWindow(pnlINFO->Handle());
  AdBrowser->SetBoundsRect(pnlINFO->ClientRect());
  AdPanelShown = true;
}

void TFormTV::FormShow(TObject*)
{
  SetActiveControl(btnPlay);
  SetActiveControl(nullptr);
}

void TFormTV::FormActivate(TObject*)
{
  OnActivate = nullptr;
  // Without a browser (a failed creation) there is nothing to load.
  if (AdBrowser)
    AdBrowser->Navigate(AdvertisementUrl);
}

void TFormTV::FormClose(TObject*)
{
  // No tick may reach the player once it is gone.
  TimerERROR->SetEnabled(false);
  delete Player;  // with it go the advertisement panel and its browser
  Player = nullptr;
  pnlINFO = nullptr;
  AdBrowser = nullptr;
  AdPanelShown = false;
}

void TFormTV::Help1Click(TObject*) {}
void TFormTV::HomePage1Click(TObject*) {}
void TFormTV::About1Click(TObject*) {}
void TFormTV::Aktualizaceprogramu1Click(TObject*) {}
void TFormTV::Nzk1Click(TObject*) {}
void TFormTV::Vysok1Click(TObject*) {}

void TFormTV::Ukonitprogram1Click(TObject*)
{
  Close();
}

void TFormTV::TimerTIMETimer(TObject*)
{
  lblDATE->SetCaption(DateText());
  lblTIME->SetCaption(TimeText());
}
