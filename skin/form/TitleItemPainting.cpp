#include "skin/form/TitleItemPainting.h"

#include <QFont>
#include <algorithm>

#include "skin/core/SkinManager.h"
#include "skin/form/SectionSource.h"
#include "skin/form/TsTitleBar.h"
#include "skin/paint/FacePainting.h"
#include "skin/paint/PicturePart.h"
#include "skin/paint/SkinText.h"

namespace {

// Frame `frame` of a picture holding `frames` frames side by side, centred vertically at x.
void DrawFrame(TBitmap32& target, const TBitmap32& picture, int frames, int frame, int x, int height)
{
  const int width = picture.Width / std::max(frames, 1);
  if (width <= 0)
    return;
  frame = std::clamp(frame, 0, std::max(frames - 1, 0));
  TacPictureSource source;
  source.Picture = &picture;
  source.Part = {width * frame, 0, width, picture.Height};
  source.Key = picture.HasAlpha ? TacPartKey::Alpha : TacPartKey::KeyColor;
  DrawPart(target, {x, (height - picture.Height) / 2, width, picture.Height}, source, TacPartFit::Stretch);
}

void PaintItem(TBitmap32& face, const TacTitleBarItem& item, const TsTitleBar& titleBar, const TsSkinManager& manager)
{
  const QRect& r = item.Rect;
  const TPixelRect place{r.left(), r.top(), r.width(), r.height()};
  if (ClipRect(face, place).Width != r.width() || ClipRect(face, place).Height != r.height())
    return;  // outside the caption face: nothing to draw on
  TBitmap32 behind(r.width(), r.height());
  CopyRect(behind, {0, 0, r.width(), r.height()}, face, r.left(), r.top());
  TBitmap32 own = behind;
  const TacFaceSource source = SectionSource(manager, TitleItemSection(manager, item));
  const int state = item.State();
  if (source.Section >= 0)
    PaintFace(own, {0, 0, r.width(), r.height()}, source, state, TacParentBackground::OfPicture(&behind, 0, 0, 0));
  int textLeft = item.Spacing();
  const TBitmapRef picture = item.StatePicture(titleBar.Images());
  const TBitmapRef glyph = picture ? picture : item.Glyph();
  if (glyph && !glyph->Empty()) {
    const int frames = picture ? 1 : item.NumGlyphs();
    DrawFrame(own, *glyph, frames, item.Enabled() ? state : 0, textLeft, r.height());
    textLeft += glyph->Width / std::max(frames, 1) + item.Spacing();
  }
  int textRight = r.width() - item.Spacing();
  if (item.Style() == TacBtnStyle::bsMenu && titleBar.MenuArrow()) {
    const int arrowWidth = titleBar.MenuArrow()->Width / 3;
    textRight -= arrowWidth;
    DrawFrame(own, *titleBar.MenuArrow(), 3, state, textRight, r.height());
  }
  if (!item.Caption().empty()) {
    const TacTextLook look{item.Enabled(), state > 0, false};
    DrawSkinText(own, item.Caption(), look, source, ToQFont(item.FontData().Font),
                 TacTextFormat::HCenter | TacTextFormat::VCenter | TacTextFormat::EndEllipsis,
                 {textLeft, 0, std::max(0, textRight - textLeft), r.height()});
  }
  if (item.Enabled())
    CopyRect(face, place, own, 0, 0);
  else
    BlendOver(face, place, own, 128);
}

}  // namespace

int TitleItemSection(const TsSkinManager& manager, const TacTitleBarItem& item)
{
  if (!item.SkinSection().empty()) {
    if (const int own = manager.FindSection(item.SkinSection()); own >= 0)
      return own;
  }
  switch (item.Style()) {
  case TacBtnStyle::bsButton: {
    const int section = manager.FindSection("TB_BTN");
    return section >= 0 ? section : manager.FindSection("TOOLBUTTON");
  }
  case TacBtnStyle::bsMenu:
    return manager.FindSection("TB_MENUBTN");
  case TacBtnStyle::bsTab: {
    const int section = manager.FindSection("TB_TAB");
    return section >= 0 ? section : manager.FindSection("TABTOP");
  }
  default:
    return -1;
  }
}

void PaintTitleItems(TBitmap32& face, const TsTitleBar& titleBar, const TsSkinManager& manager)
{
  for (const auto& item : titleBar.Items()) {
    if (item->Visible() && !item->Rect.isEmpty())
      PaintItem(face, *item, titleBar, manager);
  }
}
