// The window layout: every component in layout order (which is also the
// stacking order among siblings), with the designed properties.

#include "app/Artwork.h"
#include "app/Main.h"
#include "browser/Addresses.h"
#include "instance/InstCtrl.h"
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
#include "skin/core/SkinManager.h"
#include "skin/form/TacProvider.h"
#include "skin/form/TsTitleBar.h"

namespace {

TFont MakeFont(const char* name, int height, TColor color, int charset = DEFAULT_CHARSET)
{
  TFont font;
  font.Name = name;
  font.Height = height;
  font.Color = color;
  font.Charset = charset;
  return font;
}

template <class Control>
Control* Place(Control* control, TWinControl* parent, int left, int top, int width, int height)
{
  control->SetBounds(left, top, width, height);
  control->SetParent(parent);
  return control;
}

void SetHintShown(TControl* control, const char* hint)
{
  control->SetHint(hint);
  control->SetShowHint(true);
}

}  // namespace

void TFormTV::CreateComponents()
{
  SetBounds(286, 134, 461 + 2 * FrameWidth(), 358 + NonClientHeight());
  SetBorderStyle(TFormBorderStyle::bsSingle);
  SetStayOnTop(true);
  SetColor(clBtnFace);
  SetFont(MakeFont("MS Sans Serif", 11, clWindowText));
  SetCaption(std::string("ZadiZAPlayer - ") + ProductUrl + " - Hrajeme svobodnou hudbu ...");

  BottomLine = Place(new TShape(this), this, 4, 280, 85, 13);
  BottomLine->SetBrushColor(clBlack);
  BottomLine->SetPenStyle(TPenStyle::psClear);
  BottomLine->OnMouseMove = [this](TObject* s, TShiftState sh, int x, int y) { BottomLineMouseMove(s, sh, x, y); };

  Player = Place(new TLibVlcPlayer(this), this, 0, 0, 465, 297);
  Player->OnMediaPlayerOpening = [this](TObject* s) { PlayerMediaPlayerOpening(s); };
  Player->OnMediaPlayerPlaying = [this](TObject* s) { PlayerMediaPlayerPlaying(s); };
  Player->OnMediaPlayerTimeChanged = [this](TObject* s, int64_t t) { PlayerMediaPlayerTimeChanged(s, t); };

  pnlINFO = Place(new TsPanel(this), Player, 0, 0, 461, 297);
  pnlINFO->SetColor(clBlack);
  pnlINFO->SetCtl3D(false);
  pnlINFO->SetParentCtl3D(false);
  pnlINFO->SetTabOrder(0);

  CreateControlPanel();

  sSkinManager1 = new TsSkinManager(this);
  sSkinManager1->SetActive(false);
  sSkinManager1->Hooks = TacProvider::Hooks();
  OneInstance1 = new TOneInstance(this);
  OneInstance1->SetMaxNewInstances(0);
  sTitleBar1 = new TsTitleBar(this);
  sTitleBar1->SetShowCaption(true);
  CreateNonVisual();
}

void TFormTV::CreateControlPanel()
{
  pnlControl = Place(new TsPanel(this), this, 0, 296, 461, 68);
  pnlControl->SetBevelOuter(TBevelCut::bvNone);
  pnlControl->SetCtl3D(true);
  pnlControl->SetParentCtl3D(false);
  pnlControl->SetTabOrder(0);
  // A native window of its own, made after the player's and so stacked above it:
  // in full screen the panel floats over the video, which a Qt-painted panel
  // under the player's native window could not.
  pnlControl->Handle();

  Image1 = Place(new TImage(this), pnlControl, 0, 4, 461, 57);
  Image1->SetCenter(true);
  Image1->SetPicture(LoadArtwork(TArtwork::Background));

  lblDATE = Place(new TsLabel(this), pnlControl, 36, 5, 113, 16);
  lblDATE->SetAutoSize(false);
  lblDATE->SetAlignment(TAlignment::taRightJustify);
  lblDATE->SetFont(MakeFont("Tahoma", 11, clGray, EASTEUROPE_CHARSET));
  lblDATE->SetUseSkinColor(false);
  lblDATE->SetCaption("date");

  lblTIME = Place(new TsLabel(this), pnlControl, 89, 21, 64, 40);
  lblTIME->SetAlignment(TAlignment::taRightJustify);
  lblTIME->SetColor(clBtnFace);
  lblTIME->SetFont(MakeFont("Tahoma", 33, clGray, EASTEUROPE_CHARSET));
  lblTIME->SetUseSkinColor(false);
  lblTIME->SetCaption("time");

  Image2 = Place(new TImage(this), pnlControl, 220, 8, 112, 50);
  Image2->SetTransparent(true);
  Image2->SetAutoSize(true);
  Image2->SetPicture(LoadArtwork(TArtwork::Logo));

  Shape1 = Place(new TShape(this), pnlControl, 24, 22, 130, 2);
  Shape1->SetBrushColor(clRed);
  Shape1->SetPenColor(clRed);

  gaugeVolume = Place(new TsGauge(this), pnlControl, 160, 4, 9, 53);
  gaugeVolume->SetKind(TsGaugeKind::gkVerticalBar);
  gaugeVolume->SetForeColor(clBlack);
  gaugeVolume->SetShowText(false);
  gaugeVolume->SetSuffix("%");
  gaugeVolume->OnMouseDown = [this](TObject* s, TMouseButton b, TShiftState sh, int x, int y) {
    gaugeVolumeMouseDown(s, b, sh, x, y);
  };

  weblabelZADIZA = Place(new TsWebLabel(this), pnlControl, 216, 8, 121, 49);
  weblabelZADIZA->SetAutoSize(false);
  weblabelZADIZA->SetURL(ProductUrl);
  SetHintShown(weblabelZADIZA, "Otevřít web VUSK TV");
  weblabelZADIZA->SetFont(MakeFont("MS Sans Serif", 11, clWhite));
  weblabelZADIZA->SetHoverFont(MakeFont("MS Sans Serif", 11, clWindowText));

  btnPlay = Place(new TsBitBtn(this), pnlControl, 352, 8, 49, 49);
  btnPlay->SetCaption(">");
  SetHintShown(btnPlay, "Začít přehrávání");
  btnPlay->SetFont(MakeFont("MS Sans Serif", 21, clWindowText));
  btnPlay->SetTabOrder(0);
  btnPlay->OnClick = [this](TObject* s) { btnPlayClick(s); };

  sBitBtn1 = Place(new TsBitBtn(this), pnlControl, 404, 8, 49, 49);
  sBitBtn1->SetGlyph(LoadArtwork(TArtwork::FullScreenGlyph));
  SetHintShown(sBitBtn1, "Přepnout na celou obrazovku");
  sBitBtn1->SetTabOrder(1);
  sBitBtn1->OnClick = [this](TObject* s) { sBitBtn1Click(s); };

  btnMute = Place(new TsBitBtn(this), pnlControl, 172, 28, 29, 29);
  btnMute->SetGlyph(LoadArtwork(TArtwork::MuteGlyph));
  SetHintShown(btnMute, "Ztlumit");
  btnMute->SetTabOrder(2);
  btnMute->OnClick = [this](TObject* s) { btnMuteClick(s); };
}

// Timers and menus, interleaved as the layout orders them.
void TFormTV::CreateNonVisual()
{
  auto timer = [this](bool enabled, int interval, void (TFormTV::*handler)(TObject*)) {
    auto* created = new TTimer(this);
    created->SetEnabled(enabled);
    created->SetInterval(interval);
    created->OnTimer = [this, handler](TObject* s) { (this->*handler)(s); };
    return created;
  };
  auto addItem = [this](TPopupMenu* menu, const char* caption, void (TFormTV::*handler)(TObject*)) {
    auto* item = new TMenuItem(this);
    item->SetCaption(caption);
    if (handler)
      item->OnClick = [this, handler](TObject* s) { (this->*handler)(s); };
    menu->Add(item);
    return item;
  };

  TimerTIME = timer(true, 1000, &TFormTV::TimerTIMETimer);

  DropDownMenu = new TPopupMenu(this);
  Help1 = addItem(DropDownMenu, "Nápověda", &TFormTV::Help1Click);
  Update1 = addItem(DropDownMenu, "Aktualizace stanic", nullptr);
  Aktualizaceprogramu1 = addItem(DropDownMenu, "Aktualizace programu", &TFormTV::Aktualizaceprogramu1Click);
  HomePage1 = addItem(DropDownMenu, "Stránky programu", &TFormTV::HomePage1Click);
  About1 = addItem(DropDownMenu, "O programu", &TFormTV::About1Click);
  N1 = addItem(DropDownMenu, "-", nullptr);
  Ukonitprogram1 = addItem(DropDownMenu, "Ukončit program", &TFormTV::Ukonitprogram1Click);

  TimerPANEL = timer(false, 10000, &TFormTV::TimerPANELTimer);

  DropDownMenuKvalita = new TPopupMenu(this);
  Nzk1 = addItem(DropDownMenuKvalita, "Nízká", &TFormTV::Nzk1Click);
  Vysok1 = addItem(DropDownMenuKvalita, "Vysoká", &TFormTV::Vysok1Click);

  TimerERROR = timer(false, 1000, &TFormTV::TimerERRORTimer);

  DescribeTitleItem(sTitleBar1->AddItem(), "Kvalita", DropDownMenuKvalita, 65);
  DescribeTitleItem(sTitleBar1->AddItem(), "Možnosti", DropDownMenu, 79);
}

// The two title-bar menu items: right-aligned, hidden and disabled.
void TFormTV::DescribeTitleItem(TacTitleBarItem& item, const char* caption, TPopupMenu* menu, int width)
{
  item.SetCaption(caption);
  item.SetAlign(TacItemAlign::tbaRight);
  item.SetStyle(TacBtnStyle::bsMenu);
  item.SetDropdownMenu(menu);
  item.SetEnabled(false);
  item.SetVisible(false);
  item.SetWidth(width);
  item.SetHeight(22);
  TacFontData font;
  font.Font = MakeFont("MS Sans Serif", 11, clWindowText);
  item.SetFontData(font);
}
