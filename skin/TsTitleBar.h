#pragma once
// The skinned title bar's items: menu buttons and buttons placed in the caption.

#include <memory>
#include <string>
#include <vector>

#include "platform/Component.h"
#include "platform/Font.h"

class TPopupMenu;

enum class TacTitleBarAlign { tbaLeft, tbaRight, tbaCenter };
enum class TacTitleBarItemStyle { bsButton, bsMenu, bsTab, bsInfo, bsSpacing };

struct TacTitleItem {
  std::string Caption;
  TacTitleBarAlign Align = TacTitleBarAlign::tbaLeft;
  TacTitleBarItemStyle Style = TacTitleBarItemStyle::bsButton;
  TPopupMenu* DropdownMenu = nullptr;
  bool Enabled = true;
  bool Visible = true;
  int Width = 0;
  int Height = 0;
  TFont Font;
  bool ShowHint = false;
};

class TsTitleBar : public TComponent {
public:
  explicit TsTitleBar(TComponent* AOwner) : TComponent(AOwner) {}

  bool ShowCaption() const { return showCaption_; }
  void SetShowCaption(bool value) { showCaption_ = value; }
  TacTitleItem& AddItem() { return items_.emplace_back(); }
  const std::vector<TacTitleItem>& Items() const { return items_; }

private:
  bool showCaption_ = true;
  std::vector<TacTitleItem> items_;
};
