#include "skin/TsLabel.h"

#include <QFontMetrics>
#include <QPainter>
#include <QWidget>

#include "platform/Screen.h"

TsLabel::TsLabel(TComponent* AOwner) : TGraphicControl(AOwner)
{
  SkinData.SetSkinSection("LABEL");
  Widget()->setAttribute(Qt::WA_TranslucentBackground);
}

void TsLabel::SetAlignment(TAlignment alignment)
{
  alignment_ = alignment;
  Invalidate();
}

void TsLabel::SetAutoSize(bool value)
{
  autoSize_ = value;
  FitToText();
}

void TsLabel::CaptionChanged()
{
  FitToText();
  Invalidate();
}

void TsLabel::FontChanged()
{
  FitToText();
  Invalidate();
}

// A right-aligned label that sizes itself keeps its right edge where it is.
void TsLabel::FitToText()
{
  if (!autoSize_)
    return;
  const QFontMetrics metrics(ToQFont(Font()));
  const QString text = QString::fromStdString(Caption());
  const int width = metrics.horizontalAdvance(text);
  const int height = metrics.height();
  const int right = Left() + Width();
  const int left = alignment_ == TAlignment::taRightJustify ? right - width : Left();
  SetBounds(left, Top(), width, height);
}

void TsLabel::Paint(QPainter& canvas)
{
  const TFont& font = ShownFont();
  canvas.setFont(ToQFont(font));
  canvas.setPen(ToQColor(font.Color));
  Qt::Alignment align = Qt::AlignTop | Qt::AlignLeft;
  if (alignment_ == TAlignment::taRightJustify)
    align = Qt::AlignTop | Qt::AlignRight;
  else if (alignment_ == TAlignment::taCenter)
    align = Qt::AlignTop | Qt::AlignHCenter;
  canvas.drawText(ClientRect(), align, QString::fromStdString(Caption()));
}

TsWebLabel::TsWebLabel(TComponent* AOwner) : TsLabel(AOwner)
{
  SkinData.SetSkinSection("WEBLABEL");
  Widget()->setCursor(Qt::PointingHandCursor);
}

void TsWebLabel::Click()
{
  if (!url_.empty())
    ShellOpen(url_);
  TsLabel::Click();
}
