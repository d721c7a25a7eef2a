#include "platform/Image.h"

#include <QPainter>
#include <QWidget>

TImage::TImage(TComponent* AOwner) : TGraphicControl(AOwner)
{
  Widget()->setAttribute(Qt::WA_TranslucentBackground);
}

void TImage::SetPicture(const QImage& picture)
{
  picture_ = picture;
  FitToPicture();
  Invalidate();
}

void TImage::SetCenter(bool value)
{
  center_ = value;
  Invalidate();
}

void TImage::SetTransparent(bool value)
{
  transparent_ = value;
  Invalidate();
}

void TImage::SetAutoSize(bool value)
{
  autoSize_ = value;
  FitToPicture();
}

void TImage::FitToPicture()
{
  if (autoSize_ && !picture_.isNull())
    SetBounds(Left(), Top(), picture_.width(), picture_.height());
}

void TImage::Paint(QPainter& canvas)
{
  if (picture_.isNull())
    return;
  QImage shown = picture_;
  if (!transparent_ && shown.hasAlphaChannel())
    shown = shown.convertToFormat(QImage::Format_RGB32);
  const int x = center_ ? (Width() - shown.width()) / 2 : 0;
  const int y = center_ ? (Height() - shown.height()) / 2 : 0;
  canvas.drawImage(x, y, shown);
}
