// The provider under the mouse: where the window buttons and the caption are,
// their hot and pressed faces, and the title-bar items' presses and hover.

#include "platform/Form.h"
#include "skin/form/TsSkinProvider.h"
#include "skin/form/TsTitleBar.h"

namespace {

bool IsWindowButton(int hit)
{
  return hit == HTCLOSE || hit == HTMAXBUTTON || hit == HTMINBUTTON || hit == HTHELP;
}

}  // namespace

int TsSkinProvider::HitTest(const QPoint& pos) const
{
  for (const auto& [hit, rect] : {std::pair{HTCLOSE, layout_.Close}, std::pair{HTMAXBUTTON, layout_.Max},
                                  std::pair{HTMINBUTTON, layout_.Min}, std::pair{HTHELP, layout_.Help}}) {
    if (!rect.isEmpty() && rect.contains(pos))
      return hit;
  }
  if (layout_.Title.contains(pos))
    return HTCAPTION;
  const int frame = form_->FrameWidth();
  if (QRect(frame, frame + form_->CaptionHeight(), form_->ClientWidth(), form_->ClientHeight()).contains(pos))
    return HTCLIENT;
  return HTNOWHERE;
}

QRect TsSkinProvider::ButtonRect(int hit) const
{
  switch (hit) {
  case HTCLOSE:
    return layout_.Close;
  case HTMAXBUTTON:
    return layout_.Max;
  case HTMINBUTTON:
    return layout_.Min;
  case HTHELP:
    return layout_.Help;
  default:
    return QRect();
  }
}

// Pressed while held and over the button, hot while over it, else normal.
int TsSkinProvider::ButtonState(int hit) const
{
  if (pressed_ == hit)
    return hot_ == hit ? 2 : 0;
  return hot_ == hit && pressed_ == HTNOWHERE ? 1 : 0;
}

QRect TsSkinProvider::SetButtonStates(int hot, int pressed)
{
  QRect repaint;
  const int before[] = {hot_, pressed_};
  hot_ = hot;
  pressed_ = pressed;
  for (int hit : {before[0], before[1], hot, pressed}) {
    if (!IsWindowButton(hit) || ButtonRect(hit).isEmpty())
      continue;
    if (!dirty_)
      PaintButton(hit);
    repaint |= ButtonRect(hit);
  }
  return repaint;
}

bool TsSkinProvider::CaptionMouseDown(const QPoint& pos, QRect& repaint)
{
  TacTitleBarItem* item = titleBar_ ? titleBar_->ItemAt(pos) : nullptr;
  if (!item || !item->Enabled())
    return false;
  titleBar_->MouseDown(*item, pos);
  repaint = item->Rect;
  dirty_ = true;
  return true;
}

QRect TsSkinProvider::CaptionMouseUp(const QPoint& pos)
{
  if (!titleBar_)
    return QRect();
  QRect repaint;
  TacTitleBarItem* item = titleBar_->ItemAt(pos);
  if (item) {
    titleBar_->MouseUp(*item, pos);
    repaint = item->Rect;
  }
  // A press released off its item clicks nothing.
  for (const auto& other : titleBar_->Items()) {
    if (other->Pressed) {
      other->Pressed = false;
      repaint |= other->Rect;
    }
  }
  dirty_ = true;
  return repaint;
}

QRect TsSkinProvider::CaptionMouseMove(const QPoint& pos)
{
  if (!titleBar_)
    return QRect();
  TacTitleBarItem* item = titleBar_->ItemAt(pos);
  if (item && !item->Enabled())
    item = nullptr;
  TacTitleBarItem* before = titleBar_->HotItem();
  if (item == before)
    return QRect();
  titleBar_->SetHotItem(item);
  dirty_ = true;
  QRect repaint;
  if (before)
    repaint |= before->Rect;
  if (item)
    repaint |= item->Rect;
  return repaint;
}
