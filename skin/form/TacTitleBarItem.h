#pragma once
// One button of the skinned title bar: a menu button, a button, a tab, a spacer
// or an information field placed in the form's caption. Every change of a
// property asks the title bar to lay out and repaint the caption again.

#include <QRect>
#include <string>

#include "platform/Component.h"
#include "platform/Events.h"
#include "platform/Font.h"
#include "skin/core/SkinRecords.h"

class TPopupMenu;
class TsTitleBar;
struct TacImageList;

enum class TacItemAlign { tbaLeft, tbaRight, tbaCenter, tbaCenterInSpace };
enum class TacBtnStyle { bsButton, bsMenu, bsTab, bsSpacing, bsInfo };

struct TacFontData {
  TFont Font;
  int GlowColor = 0x808080;
  int GlowSize = 0;
  bool UseSysColor = true, UseSysFontName = true, UseSysGlowing = true, UseSysSize = true, UseSysStyle = true;
  bool operator==(const TacFontData&) const = default;
};

class TacTitleBarItem : public TObject {
public:
  TacTitleBarItem(TsTitleBar* owner, int index) : owner_(owner), index_(index) {}

  TacItemAlign Align() const { return align_; }
  void SetAlign(TacItemAlign value) { Assign(align_, value); }
  bool AutoSize() const { return autoSize_; }
  void SetAutoSize(bool value) { Assign(autoSize_, value); }
  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& value) { Assign(caption_, value); }
  TPopupMenu* DropdownMenu() const { return dropdownMenu_; }
  void SetDropdownMenu(TPopupMenu* value) { Assign(dropdownMenu_, value); }
  bool Down() const { return down_; }
  void SetDown(bool value) { Assign(down_, value); }
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool value) { Assign(enabled_, value); }
  const TacFontData& FontData() const { return fontData_; }
  void SetFontData(const TacFontData& value) { Assign(fontData_, value); }
  const TBitmapRef& Glyph() const { return glyph_; }
  void SetGlyph(const TBitmapRef& value) { Assign(glyph_, value); }
  int Height() const { return height_; }
  void SetHeight(int value) { Assign(height_, value); }
  const std::string& Hint() const { return hint_; }
  void SetHint(const std::string& value) { Assign(hint_, value); }
  int DisabledImageIndex() const { return disabledImageIndex_; }
  void SetDisabledImageIndex(int value) { Assign(disabledImageIndex_, value); }
  int ImageIndex() const { return imageIndex_; }
  void SetImageIndex(int value) { Assign(imageIndex_, value); }
  int HotImageIndex() const { return hotImageIndex_; }
  void SetHotImageIndex(int value) { Assign(hotImageIndex_, value); }
  int PressedImageIndex() const { return pressedImageIndex_; }
  void SetPressedImageIndex(int value) { Assign(pressedImageIndex_, value); }
  int Index() const { return index_; }
  const std::string& Name() const;
  void SetName(const std::string& value) { Assign(name_, value); }
  int NumGlyphs() const { return numGlyphs_; }
  void SetNumGlyphs(int value) { Assign(numGlyphs_, value); }
  bool ShowHint() const { return showHint_; }
  void SetShowHint(bool value) { Assign(showHint_, value); }
  const std::string& SkinSection() const { return skinSection_; }
  void SetSkinSection(const std::string& value) { Assign(skinSection_, value); }
  int Spacing() const { return spacing_; }
  void SetSpacing(int value) { Assign(spacing_, value); }
  TacBtnStyle Style() const { return style_; }
  void SetStyle(TacBtnStyle value) { Assign(style_, value); }
  bool Visible() const { return visible_; }
  void SetVisible(bool value) { Assign(visible_, value); }
  int Width() const { return width_; }
  void SetWidth(int value) { Assign(width_, value); }

  TNotifyEvent OnClick, OnMouseEnter, OnMouseLeave;
  TMouseEvent OnMouseDown, OnMouseUp;

  // Run-time state, kept by the title bar and its provider.
  QRect Rect;           // in window coordinates, set by the layout
  bool Pressed = false;
  int HotState = 0;     // 1 while the mouse is over the item
  bool MenuOpen = false;
  // The skin state to paint: 2 while the menu is open or Down, else the hot state.
  int State() const { return MenuOpen || down_ ? 2 : HotState; }
  // The picture of the state from the title bar's images, else null.
  TBitmapRef StatePicture(const TacImageList* images) const;

private:
  template <class T>
  void Assign(T& field, const T& value)
  {
    if (field == value)
      return;
    field = value;
    Changed();
  }
  void Changed();

  TsTitleBar* owner_;
  int index_;
  TacItemAlign align_ = TacItemAlign::tbaLeft;
  bool autoSize_ = true;
  std::string caption_;
  TPopupMenu* dropdownMenu_ = nullptr;
  bool down_ = false;
  bool enabled_ = true;
  TacFontData fontData_;
  TBitmapRef glyph_;
  int height_ = 18;
  std::string hint_;
  int disabledImageIndex_ = -1, imageIndex_ = -1, hotImageIndex_ = -1, pressedImageIndex_ = -1;
  std::string name_;
  int numGlyphs_ = 1;
  bool showHint_ = false;
  std::string skinSection_;
  int spacing_ = 4;
  TacBtnStyle style_ = TacBtnStyle::bsButton;
  bool visible_ = true;
  int width_ = 22;
};
