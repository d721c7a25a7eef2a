// Window mode and full screen, and the control panel that hides itself there.

#include "app/Main.h"
#include "platform/Screen.h"
#include "platform/Shape.h"
#include "platform/Timer.h"
#include "player/LibVlcPlayerUnit.h"
#include "skin/TsPanel.h"

namespace {

constexpr uint32_t kClearCaptionMask = 0xFF3FFFFF;

void EnterFullScreen(TFormTV& form)
{
  const int W = ScreenWidth();
  const int H = ScreenHeight();
  form.pnlINFO->Hide();
  form.SetStyle(form.Style() & kClearCaptionMask);
  form.SetClientHeight(form.Height());
  if (form.Player) {
    form.Player->SetWidth(W);
    form.Player->SetHeight(H - 6);
  }
  form.SetWindowState(TWindowState::wsMaximized);
  form.BottomLine->SetBounds(0, form.BottomLine->Top(), W, 6);
  form.BottomLine->SetTop(H - 6);
  form.BottomLine->Repaint();
  form.pnlControl->SetLeft(W / 2 - form.pnlControl->Width() / 2);
  form.pnlControl->SetTop(H - (form.pnlControl->Height() + 30));
  form.pnlControl->Hide();
}

void LeaveFullScreen(TFormTV& form)
{
  form.SetStyle(form.Style() | WS_CAPTION | WS_BORDER);
  if (form.Player) {
    form.Player->SetWidth(461);
    form.Player->SetHeight(297);
  }
  form.BottomLine->SetBounds(4, 280, 85, 6);
  form.SetWindowState(TWindowState::wsNormal);
  form.pnlControl->SetLeft(0);
  form.pnlControl->SetTop(296);
  form.TimerPANEL->SetEnabled(false);
  form.pnlControl->Show();
  form.SetHeight(385);
  form.Repaint();
}

}  // namespace

void SetFullScreen(bool on)
{
  if (on)
    EnterFullScreen(*FormTV);
  else
    LeaveFullScreen(*FormTV);
}

void TFormTV::sBitBtn1Click(TObject*)
{
  SetFullScreen(WindowState() == TWindowState::wsNormal);
  SetActiveControl(nullptr);
}

void TFormTV::BottomLineMouseMove(TObject*, TShiftState, int, int)
{
  pnlControl->Show();
  TimerPANEL->SetEnabled(true);
}

void TFormTV::TimerPANELTimer(TObject*)
{
  pnlControl->Hide();
  TimerPANEL->SetEnabled(false);
}
