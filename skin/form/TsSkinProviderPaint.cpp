// The provider's painting: the whole window face into a cache (frame, title,
// caption text, items), the window buttons over a copy of it, and the window
// painted from the cache.

#include <QFontDatabase>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QIcon>
#include <QImage>
#include <QPainter>
#include <QRegion>

#include "platform/Form.h"
#include "skin/core/SkinManager.h"
#include "skin/form/SectionSource.h"
#include "skin/form/TitleItemPainting.h"
#include "skin/form/TsSkinProvider.h"
#include "skin/form/TsTitleBar.h"
#include "skin/paint/FacePainting.h"
#include "skin/paint/PaintColors.h"
#include "skin/paint/NinePart.h"
#include "skin/paint/PicturePart.h"
#include "skin/paint/SkinText.h"

namespace {

TPixelRect Pixels(const QRect& rect)
{
  return {rect.left(), rect.top(), rect.width(), rect.height()};
}

// A view of a bitmap for QPainter; valid while the bitmap is not resized.
QImage View(TBitmap32& bitmap)
{
  return QImage(bitmap.Pixels.data(), bitmap.Width, bitmap.Height, bitmap.Width * 4, QImage::Format_ARGB32);
}

// A copy of what a face holds in rect, to lie under a partly transparent face.
TBitmap32 Beneath(const TBitmap32& face, const QRect& rect)
{
  TBitmap32 copy(rect.width(), rect.height());
  CopyRect(copy, {0, 0, rect.width(), rect.height()}, face, rect.left(), rect.top());
  return copy;
}

// That copy as the background under a face painted at rect of the window face.
TacParentBackground Under(const TBitmap32& copy, const QRect& rect)
{
  return TacParentBackground::OfPicture(&copy, -rect.left(), -rect.top(), 0);
}

}  // namespace

// The desktop's title font at the height the platform's caption font has on a
// 21 pixel caption (12 pixels); in pixels, as it is measured on the screen and
// drawn on a bitmap, where a point size would come out differently.
QFont TsSkinProvider::CaptionFont()
{
  QFont font = QFontDatabase::systemFont(QFontDatabase::TitleFont);
  font.setPixelSize(12);
  return font;
}

int TsSkinProvider::ActiveState() const
{
  return form_->Active() ? 1 : 0;
}

void TsSkinProvider::PaintNonClient(QPainter& canvas, const QRect& dirty)
{
  if (dirty_)
    PaintFrame();
  // The client area belongs to the form's controls, which cover it.
  const QImage view = View(face_);
  const QRect client(form_->FrameWidth(), form_->FrameWidth() + form_->CaptionHeight(), form_->ClientWidth(),
                     form_->ClientHeight());
  for (const QRect& part : (QRegion(dirty) - QRegion(client)))
    canvas.drawImage(part, view, part);
}

void TsSkinProvider::PaintFrame()
{
  const int width = form_->Width(), height = form_->Height();
  if (base_.Width != width || base_.Height != height)
    base_ = TBitmap32(width, height);
  const int state = ActiveState();
  const TacFaceSource form = SectionSource(*manager_, formSection_);
  PaintFace(base_, {0, 0, width, height}, form, state, TacParentBackground());
  if (!layout_.Title.isEmpty()) {
    const TBitmap32 under = Beneath(base_, layout_.Title);
    PaintFace(base_, Pixels(layout_.Title), SectionSource(*manager_, titleSection_, formSection_), state,
              Under(under, layout_.Title));
    if (layout_.ButtonsWidth > 0 && titleBarMask_ >= 0) {
      const int right = layout_.Close.isEmpty() ? layout_.ButtonsLeft : layout_.Close.right() + 1;
      const QRect behind(layout_.ButtonsLeft - 3, layout_.Title.top(), right + 3 - (layout_.ButtonsLeft - 3),
                         layout_.Title.height());
      DrawNinePart(base_, Pixels(behind), state, form, titleBarMask_, TacParentBackground());
    }
    PaintIcon();
    PaintCaptionText();
    if (titleBar_)
      PaintTitleItems(base_, *titleBar_, *manager_);
  }
  face_ = base_;
  for (int hit : {HTCLOSE, HTMAXBUTTON, HTMINBUTTON, HTHELP})
    PaintButton(hit);
  dirty_ = false;
}

// TitleIcon.Glyph when it has one, else the application's icon.
void TsSkinProvider::PaintIcon()
{
  if (layout_.Icon.isEmpty())
    return;
  if (!TitleIcon.Glyph.Empty()) {
    DrawPicture(base_, TitleIcon.Glyph, Pixels(layout_.Icon));
    return;
  }
  const QIcon icon = QGuiApplication::windowIcon();
  if (icon.isNull())
    return;
  QImage view = View(base_);
  QPainter painter(&view);
  painter.drawPixmap(layout_.Icon, icon.pixmap(layout_.Icon.size()));
}

void TsSkinProvider::PaintCaptionText()
{
  const bool show = titleBar_ ? titleBar_->ShowCaption() : AddedTitle.ShowMainCaption;
  const std::string& text = show ? form_->Caption() : std::string();
  if (textArea_.width() <= 0)
    return;
  if (text.empty()) {
    PaintAddedTitle(textArea_.left());
    return;
  }
  const QFont font = CaptionFont();
  const QFontMetrics metrics(font);
  const int textWidth = std::min(metrics.horizontalAdvance(QString::fromStdString(text)), textArea_.width());
  int format = TacTextFormat::VCenter | TacTextFormat::EndEllipsis;
  int left = textArea_.left();
  if (CaptionAlignment == TAlignment::taRightJustify) {
    format |= TacTextFormat::Right;
    left = textArea_.right() + 1 - textWidth;
  } else if (CaptionAlignment == TAlignment::taCenter) {
    format |= TacTextFormat::HCenter;
    left = std::max(textArea_.left(), textArea_.left() + (textArea_.width() - textWidth) / 2);
  } else {
    format |= TacTextFormat::Left;
  }
  const int state = ActiveState();
  if (captionSection_ >= 0) {
    const int textHeight = metrics.height();
    const QRect around = QRect(left, layout_.Title.top() + (layout_.Title.height() - textHeight) / 2, textWidth,
                               textHeight).adjusted(-4, -2, 4, 2) & layout_.Title;
    const TBitmap32 under = Beneath(base_, around);
    PaintFace(base_, Pixels(around), SectionSource(*manager_, captionSection_, titleSection_), state,
              Under(under, around));
  }
  // The glow of the title section's state (HGSIZE/HGCOL while active) lies under the text.
  const TacTextLook look{true, state == 1, false};
  DrawSkinText(base_, text, look, SectionSource(*manager_, titleSection_, formSection_), font, format,
               Pixels(textArea_));
  PaintAddedTitle(left + textWidth + 4);
}

// AddedTitle.Text in its own font; its default colour follows the title section.
void TsSkinProvider::PaintAddedTitle(int left)
{
  if (AddedTitle.Text.empty() || titleSection_ < 0 || left >= textArea_.right())
    return;
  const TsGeneralData& title = manager_->Tables().Sections[size_t(titleSection_)];
  const bool active = ActiveState() == 1;
  int colour = AddedTitle.Font.Color;
  if (colour == TFont().Color)
    colour = active && title.StateCount > 1 ? title.States[1].FontColor : title.States[0].FontColor;
  if (!active)
    colour = Mix(colour, title.States[0].Color, 0.5);
  uint8_t bgra[4];
  ColorToBgra(colour, bgra);
  QImage view = View(base_);
  QPainter painter(&view);
  painter.setFont(ToQFont(AddedTitle.Font));
  painter.setPen(QColor(bgra[2], bgra[1], bgra[0]));
  const QRect area(left, textArea_.top(), textArea_.right() + 1 - left, textArea_.height());
  painter.drawText(area, Qt::AlignLeft | Qt::AlignVCenter,
                   painter.fontMetrics().elidedText(QString::fromStdString(AddedTitle.Text), Qt::ElideRight,
                                                    area.width()));
}

// Restores what lies under the button, then draws its mask's frame for its state.
void TsSkinProvider::PaintButton(int hit)
{
  const QRect rect = ButtonRect(hit);
  if (rect.isEmpty() || face_.Empty())
    return;
  CopyRect(face_, Pixels(rect), base_, rect.left(), rect.top());
  const int maskIndex = hit == HTCLOSE ? closeMask_ : hit == HTMAXBUTTON ? maxMask_ : hit == HTMINBUTTON ? minMask_ : helpMask_;
  const TacFaceSource source = SectionSource(*manager_, formSection_);
  const TsMaskData* mask = source.Mask(maskIndex);
  if (!mask)
    return;
  const int frameWidth = mask->FrameWidth(), frameHeight = mask->FrameHeight();
  const int frame = std::clamp(ButtonState(hit), 0, std::max(mask->FrameCount - 1, 0));
  const TPixelRect part{mask->Area.Left + frameWidth * frame, mask->Area.Top, frameWidth, frameHeight};
  DrawPart(face_, Pixels(rect), MaskPart(source, *mask, part, true), TacPartFit::Stretch);
}
