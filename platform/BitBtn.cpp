#include "platform/BitBtn.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionButton>
#include <QWidget>
#include <algorithm>

TBitBtn::TBitBtn(TComponent* AOwner) : TWinControl(AOwner)
{
  SetTabStop(true);
  Widget()->setCursor(Qt::PointingHandCursor);
}

void TBitBtn::SetGlyph(const QImage& glyph)
{
  glyph_ = glyph;
  FaceChanged();
}

void TBitBtn::SetNumGlyphs(int value)
{
  numGlyphs_ = std::clamp(value, 1, 4);
  FaceChanged();
}

void TBitBtn::SetLayout(TButtonLayout value)
{
  layout_ = value;
  FaceChanged();
}

void TBitBtn::SetMargin(int value)
{
  margin_ = std::max(value, -1);
  FaceChanged();
}

void TBitBtn::SetSpacing(int value)
{
  spacing_ = value;
  FaceChanged();
}

void TBitBtn::SetDefault(bool value)
{
  default_ = value;
  FaceChanged();
}

QImage TBitBtn::GlyphPicture(int index) const
{
  if (glyph_.isNull())
    return glyph_;
  const int width = glyph_.width() / numGlyphs_;
  const int picture = index < numGlyphs_ ? index : 0;
  return glyph_.copy(picture * width, 0, width, glyph_.height());
}

// Glyph and caption side by side (or stacked), Margin from the glyph's side or
// centred together; the caption takes what the glyph and Spacing leave.
TButtonPlaces TBitBtn::Places(const QRect& rect, QSize glyphSize, QSize captionSize) const
{
  const bool across = layout_ == TButtonLayout::blGlyphLeft || layout_ == TButtonLayout::blGlyphRight;
  const bool glyphFirst = layout_ == TButtonLayout::blGlyphLeft || layout_ == TButtonLayout::blGlyphTop;
  const bool both = !glyphSize.isEmpty() && !captionSize.isEmpty();
  const int spacing = both ? std::max(spacing_, 0) : 0;
  const int length = across ? rect.width() : rect.height();
  const int glyphLength = across ? glyphSize.width() : glyphSize.height();
  const int captionLength = across ? captionSize.width() : captionSize.height();
  const int block = glyphLength + spacing + captionLength;
  const int start = margin_ >= 0 ? margin_ : std::max((length - block) / 2, 0);
  const int glyphAt = glyphFirst ? start : length - start - glyphLength;
  TButtonPlaces places;
  if (!glyphSize.isEmpty())
    places.Glyph = across ? QRect(rect.left() + glyphAt, rect.top() + (rect.height() - glyphSize.height()) / 2,
                                  glyphSize.width(), glyphSize.height())
                          : QRect(rect.left() + (rect.width() - glyphSize.width()) / 2, rect.top() + glyphAt,
                                  glyphSize.width(), glyphSize.height());
  // The caption's band: the whole length less twice the margin and the glyph with its spacing.
  const int inset = std::max(margin_, 0);
  const int used = glyphSize.isEmpty() ? 0 : glyphLength + spacing;
  const int captionStart = glyphFirst ? inset + used : inset;
  const int captionLength2 = std::max(length - 2 * inset - used, 0);
  places.Caption = across ? QRect(rect.left() + captionStart, rect.top(), captionLength2, rect.height())
                          : QRect(rect.left(), rect.top() + captionStart, rect.width(), captionLength2);
  return places;
}

void TBitBtn::SetWindowRegion(const QRegion& region)
{
  if (region.isEmpty())
    Widget()->clearMask();
  else
    Widget()->setMask(region);
}

void TBitBtn::Paint(QPainter& canvas)
{
  QStyleOptionButton option;
  option.initFrom(Widget());
  option.rect = ClientRect();
  option.text = QString::fromStdString(Caption());
  if (Pushed())
    option.state |= QStyle::State_Sunken;
  if (default_)
    option.features |= QStyleOptionButton::DefaultButton;
  QStyle* style = Widget()->style();
  style->drawControl(QStyle::CE_PushButtonBevel, &option, &canvas, Widget());
  const QImage glyph = GlyphPicture(Enabled() ? (Pushed() ? 2 : 0) : 1);
  const QSize text = canvas.fontMetrics().size(0, option.text);
  const int shift = Pushed() ? 1 : 0;
  const TButtonPlaces places = Places(ClientRect().adjusted(2, 2, -2, -2), glyph.size(), option.text.isEmpty() ? QSize() : text);
  if (!glyph.isNull())
    canvas.drawImage(places.Glyph.topLeft() + QPoint(shift, shift), glyph);
  if (!option.text.isEmpty()) {
    canvas.setPen(option.palette.color(Enabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    canvas.drawText(places.Caption.translated(shift, shift), Qt::AlignCenter | Qt::TextWordWrap, option.text);
  }
  if (Focused()) {
    QStyleOptionFocusRect focus;
    focus.initFrom(Widget());
    focus.rect = ClientRect().adjusted(3, 3, -3, -3);
    style->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &canvas, Widget());
  }
}

void TBitBtn::KeyDown(uint16_t& key, TShiftState)
{
  if (key == VK_SPACE) {
    spaceHeld_ = true;
    FaceChanged();
  }
}

void TBitBtn::KeyUp(uint16_t& key, TShiftState)
{
  const bool wasHeld = spaceHeld_;
  spaceHeld_ = false;
  if (key == VK_RETURN || (key == VK_SPACE && wasHeld)) {
    FaceChanged();
    Click();
  }
}

void TBitBtn::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
  FaceChanged();
  TWinControl::MouseDown(button, shift, x, y);
}

void TBitBtn::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
  FaceChanged();
  TWinControl::MouseUp(button, shift, x, y);
}

void TBitBtn::MouseEnter()
{
  FaceChanged();
  TWinControl::MouseEnter();
}

void TBitBtn::MouseLeave()
{
  FaceChanged();
  TWinControl::MouseLeave();
}
