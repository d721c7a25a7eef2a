#include "skin/paint/SkinText.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <algorithm>

#include "platform/Colors.h"
#include "skin/paint/FaceImage.h"
#include "skin/paint/PaintColors.h"

namespace {

constexpr int kMaxGlow = 16;

QColor ToColor(int color)
{
  uint8_t p[4];
  ColorToBgra(color, p);
  return QColor(p[2], p[1], p[0]);
}

QRect ToQRect(const TPixelRect& rect)
{
  return QRect(rect.Left, rect.Top, rect.Width, rect.Height);
}

int QtFlags(int format)
{
  return format & ~(TacTextFormat::EndEllipsis | TacTextFormat::RightToLeft);
}

void Text(QPainter& painter, const QRect& rect, int format, const QString& text, int color, int dx, int dy)
{
  painter.setPen(ToColor(color));
  painter.drawText(rect.translated(dx, dy), QtFlags(format), text);
}

// The text's coverage, blurred by `size` pixels with a box filter run twice each way.
QImage GlowMask(const QRect& rect, int size, const QFont& font, int format, const QString& text)
{
  QImage mask(rect.width() + 2 * size, rect.height() + 2 * size, QImage::Format_Alpha8);
  mask.fill(0);
  {
    QPainter painter(&mask);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(QRect(size, size, rect.width(), rect.height()), QtFlags(format), text);
  }
  std::vector<int> line;
  for (int pass = 0; pass < 4; ++pass) {
    const bool rows = pass % 2 == 0;
    const int lines = rows ? mask.height() : mask.width(), length = rows ? mask.width() : mask.height();
    line.assign(size_t(length), 0);
    for (int l = 0; l < lines; ++l) {
      auto at = [&](int i) -> uchar& { return rows ? mask.scanLine(l)[i] : mask.scanLine(i)[l]; };
      for (int i = 0; i < length; ++i)
        line[size_t(i)] = at(i);
      int sum = 0;
      for (int i = -size; i < length + size; ++i) {
        if (i + size < length)
          sum += line[size_t(i + size)];
        if (i - size - 1 >= 0)
          sum -= line[size_t(i - size - 1)];
        if (i >= 0 && i < length)
          at(i) = uchar(std::min(255, 2 * sum / (2 * size + 1)));
      }
    }
  }
  return mask;
}

void Glow(QPainter& painter, const QRect& rect, const TsGenState& record, const QFont& font, int format,
          const QString& text)
{
  const int size = std::clamp(record.GlowSize, 0, kMaxGlow);
  if (size <= 0)
    return;
  const QImage mask = GlowMask(rect, size, font, format, text);
  QImage glow(mask.size(), QImage::Format_ARGB32_Premultiplied);
  glow.fill(ToColor(record.GlowColor));
  {
    QPainter masking(&glow);
    masking.setCompositionMode(QPainter::CompositionMode_DestinationIn);
    masking.drawImage(0, 0, mask);
  }
  painter.drawImage(rect.left() - size, rect.top() - size, glow);
}

}  // namespace

void DrawSkinText(TBitmap32& target, const std::string& text, const TacTextLook& look, const TacFaceSource& source,
                  const QFont& font, int format, const TPixelRect& rect)
{
  if (text.empty() || target.Empty() || rect.Width <= 0 || rect.Height <= 0)
    return;
  QImage image = FaceImage(target, QImage::Format_ARGB32);
  QPainter painter(&image);
  QFont shown = font;
  shown.setUnderline(font.underline() || (look.WebButton && look.Hot));
  painter.setFont(shown);
  const QRect box = ToQRect(rect);
  painter.setClipRect(box);
  QString value = QString::fromStdString(text);
  if ((format & TacTextFormat::EndEllipsis) && !(format & TacTextFormat::WordBreak))
    value = QFontMetrics(shown).elidedText(value, Qt::ElideRight, box.width());
  if (format & TacTextFormat::RightToLeft)
    painter.setLayoutDirection(Qt::RightToLeft);

  const TsGeneralData* section = source.SectionData();
  if (!section || source.CustomFont) {
    if (look.Enabled) {
      Text(painter, box, format, value, source.OwnFontColor, 0, 0);
    } else {
      Text(painter, box, format, value, clBtnHighlight, 1, 1);
      Text(painter, box, format, value, clBtnShadow, 0, 0);
    }
    return;
  }
  const TsGeneralData* colours = section;
  const int transparency = section->States[0].Transparency;
  if (transparency > 0 && transparency < 100 && source.ParentSection >= 0 &&
      size_t(source.ParentSection) < source.Tables->Sections.size())
    colours = &source.Tables->Sections[size_t(source.ParentSection)];
  const TsGenState& record = StateRecord(*colours, look.Hot ? 1 : 0);
  Glow(painter, box, record, shown, format, value);
  if (!look.Enabled) {
    Text(painter, box, format, value, Mix(record.FontColor, source.GlobalColor, 0.4), 0, 0);
    return;
  }
  static constexpr int kShift[4][2] = {{-1, 0}, {0, -1}, {1, 0}, {0, 1}};  // left, top, right, bottom
  for (int side = 0; side < 4; ++side)
    if (record.TextContour[size_t(side)] != -1)
      Text(painter, box, format, value, record.TextContour[size_t(side)], kShift[side][0], kShift[side][1]);
  painter.setClipping(false);
  Text(painter, box, format, value, record.FontColor, 0, 0);
}

int MeasureSkinText(const std::string& text, const QFont& font, int format, int width)
{
  const QRect bound = QFontMetrics(font).boundingRect(QRect(0, 0, std::max(width, 1), 100000),
                                                        QtFlags(format), QString::fromStdString(text));
  return bound.height();
}
