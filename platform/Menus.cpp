#include "platform/Menus.h"

#include <QMenu>

#include "platform/Application.h"

void TMenuItem::Click()
{
  if (OnClick)
    TApplication::Guarded([this] { OnClick(this); });
}

void TPopupMenu::Popup(int x, int y)
{
  QMenu menu;
  for (TMenuItem* item : items_) {
    if (!item->Visible())
      continue;
    if (item->IsSeparator()) {
      menu.addSeparator();
      continue;
    }
    QAction* action = menu.addAction(QString::fromStdString(item->Caption()));
    action->setEnabled(item->Enabled());
    QObject::connect(action, &QAction::triggered, [item] { item->Click(); });
  }
  menu.exec(QPoint(x, y));
}
