#include "FormFixture.h"

#include <vector>

#include "platform/Component.h"
#include "platform/Exception.h"
#include "platform/Menus.h"
#include "skin/form/TsTitleBar.h"

namespace {

TacTitleBarItem& AddRight(TsTitleBar& bar, int width)
{
  TacTitleBarItem& item = bar.AddItem();
  item.SetAlign(TacItemAlign::tbaRight);
  item.SetWidth(width);
  return item;
}

// Records the item's mouse events and clicks in order.
void Record(TacTitleBarItem& item, std::vector<std::string>& events)
{
  item.OnMouseDown = [&events](TObject*, TMouseButton, TShiftState, int, int) { events.push_back("down"); };
  item.OnMouseUp = [&events](TObject*, TMouseButton, TShiftState, int, int) { events.push_back("up"); };
  item.OnClick = [&events](TObject*) { events.push_back("click"); };
}

}  // namespace

TEST_F(FormTest, RightItemsAreLaidOutFromTheCaptionsRightEnd)
{
  TsTitleBar bar(form_.get());
  TacTitleBarItem& first = AddRight(bar, 65);
  TacTitleBarItem& hidden = AddRight(bar, 50);
  TacTitleBarItem& second = AddRight(bar, 79);
  hidden.SetVisible(false);
  TacTitleBarItem& left = bar.AddItem();
  left.SetStyle(TacBtnStyle::bsMenu);
  bar.Layout(QRect(100, 3, 300, 21));  // right end 400

  EXPECT_EQ(first.Rect.left(), 256);
  EXPECT_EQ(first.Rect.left() + first.Rect.width(), 321);
  EXPECT_EQ(second.Rect.left(), 321);
  EXPECT_EQ(second.Rect.left() + second.Rect.width(), 400);
  EXPECT_TRUE(hidden.Rect.isEmpty());  // takes no room
  EXPECT_EQ(bar.AlignWidth(TacItemAlign::tbaRight), 144);
  EXPECT_EQ(left.Rect, QRect(100, 3, 22, 18));  // a menu button starts at the caption's top
  EXPECT_EQ(first.Rect.top(), 3 + 10 - 9);      // others are centred
}

TEST_F(FormTest, DisabledItemsIgnoreTheMouse)
{
  TsTitleBar bar(form_.get());
  TacTitleBarItem& item = bar.AddItem();
  item.SetEnabled(false);
  std::vector<std::string> events;
  Record(item, events);
  bar.Layout(QRect(0, 0, 200, 21));
  bar.MouseDown(item, item.Rect.center());
  bar.MouseUp(item, item.Rect.center());
  EXPECT_TRUE(events.empty());
  EXPECT_FALSE(item.Pressed);
}

TEST_F(FormTest, MenuItemWithoutAMenuOnlyRaisesItsEvents)
{
  TsTitleBar bar(form_.get());
  TPopupMenu empty(nullptr);
  for (TPopupMenu* menu : {static_cast<TPopupMenu*>(nullptr), &empty}) {
    TacTitleBarItem& item = bar.AddItem();
    item.SetStyle(TacBtnStyle::bsMenu);
    item.SetDropdownMenu(menu);
    std::vector<std::string> events;
    Record(item, events);
    bar.Layout(QRect(0, 0, 200, 21));
    bar.MouseDown(item, item.Rect.center());
    EXPECT_FALSE(item.MenuOpen);
    bar.MouseUp(item, item.Rect.center());
    EXPECT_EQ(events, (std::vector<std::string>{"down", "up", "click"}));
    EXPECT_EQ(item.State(), 0);
  }
}

TEST_F(FormTest, TabsStayDownAndReleaseTheirGroup)
{
  TsTitleBar bar(form_.get());
  TacTitleBarItem& a = bar.AddItem();
  TacTitleBarItem& b = bar.AddItem();
  int clicks = 0;
  for (TacTitleBarItem* tab : {&a, &b}) {
    tab->SetStyle(TacBtnStyle::bsTab);
    tab->OnClick = [&](TObject*) { ++clicks; };
  }
  bar.Layout(QRect(0, 0, 200, 21));
  bar.MouseDown(a, a.Rect.center());
  bar.MouseUp(a, a.Rect.center());
  bar.MouseDown(b, b.Rect.center());
  bar.MouseUp(b, b.Rect.center());
  EXPECT_FALSE(a.Down());
  EXPECT_TRUE(b.Down());
  EXPECT_EQ(b.State(), 2);
  EXPECT_EQ(clicks, 2);  // a tab clicks on the press, not again on the release
}

TEST_F(FormTest, TitleBarAndProviderNeedAForm)
{
  TComponent owner(nullptr);
  try {
    TsTitleBar bar(&owner);
    FAIL() << "a title bar was made on something that is not a form";
  } catch (const EAbort& error) {
    EXPECT_STREQ(error.what(), "TsTitleBar component may be used with forms only!");
  }
  EXPECT_TRUE(owner.Components().empty());
}
