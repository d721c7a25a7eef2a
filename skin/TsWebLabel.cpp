#include "skin/TsWebLabel.h"

#include <QWidget>

#include "platform/Screen.h"
#include "skin/core/SkinManager.h"
#include "skin/paint/LabelColors.h"

TsWebLabel::TsWebLabel(TComponent* AOwner) : TsLabel(AOwner)
{
  Widget()->setCursor(Qt::PointingHandCursor);
}

void TsWebLabel::SetHoverFont(const TFont& font)
{
  hoverFont_ = font;
  shownHoverFont_ = font;
  if (mouseAbove_)
    FontChanged();
}

void TsWebLabel::ApplySkinColors()
{
  shownHoverFont_ = hoverFont_;
  if (!UseSkinColor() || !SkinInForce())
    return;
  const TacSkinTables& tables = DefaultManager()->Tables();
  if (mouseAbove_ && !Designing()) {
    if (const auto color = WebLabelFontColor(tables, -1, TacWebLabelState::Hover))
      shownHoverFont_.Color = *color;
  } else if (const auto color = WebLabelFontColor(tables, ColorSection(), TacWebLabelState::Normal)) {
    SetFontColor(*color);
  }
}

// The platform's handling (OnMouseDown) first, then the address goes to the shell.
// A failing open is ignored: nothing is shown and the label stays as it is.
void TsWebLabel::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
  TsLabel::MouseDown(button, shift, x, y);
  if (button == TMouseButton::mbLeft && !url_.empty())
    ShellOpen(url_);
}

void TsWebLabel::SetMouseAbove(bool above)
{
  if (!Enabled())
    return;
  mouseAbove_ = above;
  FitToText();
  Invalidate();
}

void TsWebLabel::MouseEnter()
{
  SetMouseAbove(true);
  if (Enabled())
    TsLabel::MouseEnter();
}

void TsWebLabel::MouseLeave()
{
  SetMouseAbove(false);
  if (Enabled())
    TsLabel::MouseLeave();
}
