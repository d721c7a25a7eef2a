#include "skin/form/TsTitleBar.h"

#include <QFile>

#include "platform/Exception.h"
#include "platform/Form.h"
#include "platform/Menus.h"
#include "skin/core/PictureLoader.h"
#include "skin/form/TsSkinProvider.h"

// Outside any namespace: the macro declares the resource's registration function.
static void RegisterTitleBarResources()
{
  Q_INIT_RESOURCE(titlebar);
}

namespace {

// The "MENUBTN" resource: a 24-bit picture, held in 32 bits.
TBitmapRef LoadMenuArrow()
{
  RegisterTitleBarResources();
  QFile file(QStringLiteral(":/skin/MENUBTN.png"));
  if (!file.open(QIODevice::ReadOnly))
    return nullptr;
  const QByteArray bytes = file.readAll();
  return LoadPicture(std::vector<uint8_t>(bytes.begin(), bytes.end()), "MENUBTN.png");
}

bool HasItems(const TPopupMenu* menu)
{
  return menu && !menu->Items().empty();
}

}  // namespace

TsTitleBar::TsTitleBar(TComponent* AOwner) : TComponent(AOwner), form_(dynamic_cast<TForm*>(AOwner))
{
  if (!form_)
    throw EAbort("TsTitleBar component may be used with forms only!");
  menuArrow_ = LoadMenuArrow();
  if (TsSkinProvider* provider = TsSkinProvider::OfForm(form_); provider && !provider->TitleBar())
    provider->SetTitleBar(this);
}

TsTitleBar::~TsTitleBar()
{
  if (TsSkinProvider* provider = TsSkinProvider::OfForm(form_))
    provider->TitleBarRemoved(this);
}

void TsTitleBar::SetImages(const TacImageList* images)
{
  if (images == images_)
    return;
  images_ = images;
  Changed();
}

void TsTitleBar::SetShowCaption(bool value)
{
  if (value == showCaption_)
    return;
  showCaption_ = value;
  Changed();
}

TacTitleBarItem& TsTitleBar::AddItem()
{
  return *items_.emplace_back(std::make_unique<TacTitleBarItem>(this, int(items_.size())));
}

void TsTitleBar::Layout(const QRect& caption)
{
  caption_ = caption;
  for (int& sum : sums_)
    sum = 0;
  for (const auto& item : items_) {
    if (item->Visible())
      sums_[size_t(item->Align())] += item->Width();
  }
  const int left = caption.left();
  const int right = caption.left() + caption.width();
  const auto sum = [this](TacItemAlign align) { return AlignWidth(align); };
  int start[4];
  start[size_t(TacItemAlign::tbaLeft)] = left;
  start[size_t(TacItemAlign::tbaRight)] = right - sum(TacItemAlign::tbaRight);
  start[size_t(TacItemAlign::tbaCenter)] = left + (right - left - sum(TacItemAlign::tbaCenter)) / 2;
  start[size_t(TacItemAlign::tbaCenterInSpace)] =
      left + sum(TacItemAlign::tbaLeft) +
      (right - left - sum(TacItemAlign::tbaRight) - sum(TacItemAlign::tbaLeft) -
       sum(TacItemAlign::tbaCenterInSpace)) / 2;
  const int centre = caption.top() + caption.height() / 2;
  for (const auto& item : items_) {
    if (!item->Visible()) {
      item->Rect = QRect();
      continue;
    }
    int& position = start[size_t(item->Align())];
    int top = centre - item->Height() / 2;
    if (item->Style() == TacBtnStyle::bsMenu)
      top = caption.top();
    else if (item->Style() == TacBtnStyle::bsTab)
      top = caption.top() + caption.height() - item->Height();
    item->Rect = QRect(position, top, item->Width(), item->Height());
    position += item->Width();
  }
}

TacTitleBarItem* TsTitleBar::ItemAt(const QPoint& pos) const
{
  for (const auto& item : items_) {
    if (item->Visible() && item->Rect.contains(pos))
      return item.get();
  }
  return nullptr;
}

void TsTitleBar::MouseDown(TacTitleBarItem& item, const QPoint& pos)
{
  if (!item.Enabled() || item.Pressed)
    return;
  item.Pressed = true;
  if (item.OnMouseDown)
    item.OnMouseDown(&item, TMouseButton::mbLeft, ssLeft, pos.x() - item.Rect.left(), pos.y() - item.Rect.top());
  switch (item.Style()) {
  case TacBtnStyle::bsTab:
    if (item.Down())
      return;
    if (item.OnClick)
      item.OnClick(&item);
    for (const auto& other : items_) {
      if (other.get() != &item && other->Visible() && other->Align() == item.Align() && other->Down())
        other->SetDown(false);
    }
    item.SetDown(true);
    return;
  case TacBtnStyle::bsSpacing:
  case TacBtnStyle::bsInfo:
    return;
  case TacBtnStyle::bsButton:
  case TacBtnStyle::bsMenu:
    if (HasItems(item.DropdownMenu()))
      OpenMenu(item);
    return;
  }
}

// The menu is modal: Popup returns once it closed.
void TsTitleBar::OpenMenu(TacTitleBarItem& item)
{
  item.MenuOpen = true;
  Notify();
  const QPoint origin = form_->ScreenOrigin();
  item.DropdownMenu()->Popup(item.Rect.left() + origin.x(), item.Rect.top() + item.Rect.height() + origin.y());
  item.MenuOpen = false;
  item.HotState = 0;
  item.Pressed = false;
  if (hot_ == &item)
    hot_ = nullptr;
  Notify();
  if (item.OnClick)
    item.OnClick(&item);
}

void TsTitleBar::MouseUp(TacTitleBarItem& item, const QPoint& pos)
{
  if (!item.Enabled())
    return;
  if (item.OnMouseUp)
    item.OnMouseUp(&item, TMouseButton::mbLeft, 0, pos.x() - item.Rect.left(), pos.y() - item.Rect.top());
  if (item.Pressed && item.Style() != TacBtnStyle::bsTab && item.OnClick)
    item.OnClick(&item);
  item.Pressed = false;
}

void TsTitleBar::SetHotItem(TacTitleBarItem* item)
{
  if (item == hot_)
    return;
  if (hot_) {
    hot_->HotState = 0;
    if (hot_->OnMouseLeave)
      hot_->OnMouseLeave(hot_);
  }
  hot_ = item;
  if (hot_) {
    hot_->HotState = 1;
    if (hot_->OnMouseEnter)
      hot_->OnMouseEnter(hot_);
  }
}

void TsTitleBar::Changed()
{
  Layout(caption_);
  Notify();
}

void TsTitleBar::Notify()
{
  if (TsSkinProvider* provider = TsSkinProvider::OfForm(form_))
    provider->Perform(cmdTitleBarChanged, 0, 1);
}
