#pragma once
// TsTitleBar: a row of items (menu buttons, buttons, tabs) that the form's skin
// provider lays out in the skinned caption and draws from the skin. Its owner
// must be a form. User-interface thread only.

#include <QRect>
#include <memory>
#include <vector>

#include "platform/Component.h"
#include "skin/form/TacTitleBarItem.h"

class TForm;

// Pictures the items show by their image indexes.
struct TacImageList {
  std::vector<TBitmapRef> Pictures;
};

// The skin command a title bar sends its form when it changed (lParam 1).
inline constexpr int cmdTitleBarChanged = 62;

class TsTitleBar : public TComponent {
public:
  // Raises a silent EAbort "TsTitleBar component may be used with forms only!"
  // when the owner is not a form.
  explicit TsTitleBar(TComponent* AOwner);
  ~TsTitleBar() override;

  const TacImageList* Images() const { return images_; }
  void SetImages(const TacImageList* images);
  TacTitleBarItem& AddItem();
  const std::vector<std::unique_ptr<TacTitleBarItem>>& Items() const { return items_; }
  int ItemsMargin() const { return itemsMargin_; }
  void SetItemsMargin(int value) { itemsMargin_ = value; }
  int ItemsSpacing() const { return itemsSpacing_; }
  void SetItemsSpacing(int value) { itemsSpacing_ = value; }
  bool ShowCaption() const { return showCaption_; }
  void SetShowCaption(bool value);
  TForm* Form() const { return form_; }
  // The default menu arrow, three frames side by side (normal, hot, pressed).
  const TBitmapRef& MenuArrow() const { return menuArrow_; }

  // Places the visible items in the caption rectangle (window coordinates).
  void Layout(const QRect& caption);
  const QRect& CaptionRect() const { return caption_; }
  // The summed width of the visible items of one alignment.
  int AlignWidth(TacItemAlign align) const { return sums_[size_t(align)]; }
  // The visible item under a point, or null.
  TacTitleBarItem* ItemAt(const QPoint& pos) const;

  // The mouse on an item (window coordinates). Each may open a menu and raise events.
  void MouseDown(TacTitleBarItem& item, const QPoint& pos);
  void MouseUp(TacTitleBarItem& item, const QPoint& pos);
  // The item under the mouse changed (null: none).
  void SetHotItem(TacTitleBarItem* item);
  TacTitleBarItem* HotItem() const { return hot_; }

  // Lays out again and tells the form's provider (skin command 62, lParam 1).
  void Changed();

private:
  void Notify();
  void OpenMenu(TacTitleBarItem& item);

  TForm* form_;
  const TacImageList* images_ = nullptr;
  std::vector<std::unique_ptr<TacTitleBarItem>> items_;
  int itemsMargin_ = 3;
  int itemsSpacing_ = 0;
  bool showCaption_ = false;
  TBitmapRef menuArrow_;
  QRect caption_;
  int sums_[4] = {0, 0, 0, 0};
  TacTitleBarItem* hot_ = nullptr;
};
