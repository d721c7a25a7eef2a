#pragma once
// Draws the title bar's items onto a caption face from the skin.

#include "skin/core/Bitmap32.h"

class TsSkinManager;
class TsTitleBar;
class TacTitleBarItem;

// The item's section: its SkinSection when the skin has it, else by style
// ("TB_BTN", "TB_MENUBTN", "TB_TAB", then "TOOLBUTTON" or "TABTOP"); -1 when none.
int TitleItemSection(const TsSkinManager& manager, const TacTitleBarItem& item);

// Every visible item over what `face` holds at its rectangle: the face for its
// state, its picture, its caption and, for menu buttons, the menu arrow; a
// disabled item blended at half strength with the caption behind it.
void PaintTitleItems(TBitmap32& face, const TsTitleBar& titleBar, const TsSkinManager& manager);
