#pragma once
// The main window TFormTV and the window-level state that its handlers share.

#include <atomic>
#include <cstdint>
#include <string>

#include "app/StationList.h"
#include "platform/Form.h"

class TFramelessIE;
class TImage;
class TLibVlcPlayer;
class TMenuItem;
class TOneInstance;
class TPopupMenu;
class TShape;
class TTimer;
class TsBitBtn;
class TsGauge;
class TsLabel;
class TsPanel;
class TsSkinManager;
class TsTitleBar;
class TacTitleBarItem;
class TsWebLabel;

class TFormTV : public TForm {
public:
  explicit TFormTV(TComponent* AOwner);

  // Components, in declaration order; the window owns them.
  TsSkinManager* sSkinManager1 = nullptr;
  TOneInstance* OneInstance1 = nullptr;
  TsTitleBar* sTitleBar1 = nullptr;
  TsGauge* gaugeVolume = nullptr;
  TsBitBtn* btnPlay = nullptr;
  TsLabel* lblDATE = nullptr;
  TsLabel* lblTIME = nullptr;
  TTimer* TimerTIME = nullptr;
  TPopupMenu* DropDownMenu = nullptr;
  TMenuItem* Update1 = nullptr;
  TMenuItem* About1 = nullptr;
  TMenuItem* HomePage1 = nullptr;
  TMenuItem* Help1 = nullptr;
  TsBitBtn* sBitBtn1 = nullptr;
  TsPanel* pnlControl = nullptr;
  TImage* Image1 = nullptr;
  TsBitBtn* btnMute = nullptr;
  TShape* BottomLine = nullptr;
  TTimer* TimerPANEL = nullptr;
  TMenuItem* N1 = nullptr;
  TMenuItem* Ukonitprogram1 = nullptr;
  TMenuItem* Aktualizaceprogramu1 = nullptr;
  TPopupMenu* DropDownMenuKvalita = nullptr;
  TMenuItem* Nzk1 = nullptr;
  TMenuItem* Vysok1 = nullptr;
  TImage* Image2 = nullptr;
  TShape* Shape1 = nullptr;
  TsPanel* pnlINFO = nullptr;
  TLibVlcPlayer* Player = nullptr;
  TTimer* TimerERROR = nullptr;
  TsWebLabel* weblabelZADIZA = nullptr;

  void FormCreate(TObject* Sender);
  void FormShow(TObject* Sender);
  void FormActivate(TObject* Sender);
  void FormClose(TObject* Sender);
  void FormKeyUp(TObject* Sender, uint16_t& Key, TShiftState Shift);
  void btnPlayClick(TObject* Sender);
  void TimerERRORTimer(TObject* Sender);
  void PlayerMediaPlayerTimeChanged(TObject* Sender, int64_t time);
  void sBitBtn1Click(TObject* Sender);
  void BottomLineMouseMove(TObject* Sender, TShiftState Shift, int X, int Y);
  void TimerPANELTimer(TObject* Sender);
  void gaugeVolumeMouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
  void btnMuteClick(TObject* Sender);
  void PlayerMediaPlayerOpening(TObject* Sender);
  void PlayerMediaPlayerPlaying(TObject* Sender);
  void TimerTIMETimer(TObject* Sender);
  void Help1Click(TObject* Sender);
  void HomePage1Click(TObject* Sender);
  void About1Click(TObject* Sender);
  void Aktualizaceprogramu1Click(TObject* Sender);
  void Ukonitprogram1Click(TObject* Sender);
  void Nzk1Click(TObject* Sender);
  void Vysok1Click(TObject* Sender);

  // The play toggle of the button and the Space key.
  void TogglePlay();
  void VolumeUp();
  void VolumeDown();
  void ToggleAspect();

  TFramelessIE* AdBrowser = nullptr;
  // Told on the user-interface thread after the play toggle or the volume changed.
  TNotifyEvent OnStateChange;

private:
  void StateChanged()
  {
    if (OnStateChange)
      OnStateChange(this);
  }
  void CreateComponents();
  void CreateControlPanel();
  void CreateNonVisual();
  static void DescribeTitleItem(TacTitleBarItem& item, const char* caption, TPopupMenu* menu, int width);
};

// Unit-level state. The player's events run on the media library's threads:
// TimeTicks, StallWatch and Volume are atomic for that reason; everything else
// is touched on the user-interface thread only.
extern TFormTV* FormTV;
extern std::string ProgramDir;
extern TStationArray Stations;
extern int32_t CurrentStation;
extern std::atomic<int32_t> Volume;
extern std::atomic<int32_t> TimeTicks;
extern std::atomic<int32_t> StallWatch;
extern bool Muted;
extern bool AspectNext169;
extern bool AdPanelShown;

extern const char* const SkinNameBlackBox;
extern const char* const StationFileName;

void LoadStations();
void PlayCurrentStation();
void SetFullScreen(bool on);
