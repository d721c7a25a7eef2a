#pragma once
// Popup menus and their items. A caption of "-" makes a separator line.

#include <string>
#include <vector>

#include "platform/Component.h"
#include "platform/Events.h"

class TMenuItem : public TComponent {
public:
  explicit TMenuItem(TComponent* AOwner) : TComponent(AOwner) {}

  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& caption) { caption_ = caption; }
  bool IsSeparator() const { return caption_ == "-"; }
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool value) { enabled_ = value; }
  bool Visible() const { return visible_; }
  void SetVisible(bool value) { visible_ = value; }
  void Click();

  TNotifyEvent OnClick;

private:
  std::string caption_;
  bool enabled_ = true;
  bool visible_ = true;
};

class TPopupMenu : public TComponent {
public:
  explicit TPopupMenu(TComponent* AOwner) : TComponent(AOwner) {}

  // The menu lists the item; the item stays owned by its owner.
  void Add(TMenuItem* item) { items_.push_back(item); }
  const std::vector<TMenuItem*>& Items() const { return items_; }
  // Shows the menu at a screen position and runs the chosen item's click.
  void Popup(int x, int y);

private:
  std::vector<TMenuItem*> items_;
};
