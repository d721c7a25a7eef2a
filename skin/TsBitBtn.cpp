#include "skin/TsBitBtn.h"

#include <QLinearGradient>
#include <QPainter>
#include <QWidget>

TsBitBtn::TsBitBtn(TComponent* AOwner) : TWinControl(AOwner)
{
  SkinData.Loaded("TsBitBtn");
  SetTabStop(true);
  Widget()->setCursor(Qt::PointingHandCursor);
}

void TsBitBtn::SetDown(bool value)
{
  down_ = value;
  Invalidate();
}

void TsBitBtn::SetGlyph(const QImage& glyph)
{
  glyph_ = glyph;
  Invalidate();
}

// The plain look, until a skin paints the button.
void TsBitBtn::Paint(QPainter& canvas)
{
  const bool pressed = down_ || MousePressed();
  const QRect area = ClientRect().adjusted(0, 0, -1, -1);
  QLinearGradient face(area.topLeft(), area.bottomLeft());
  const int light = pressed ? 0x20 : (MouseInside() ? 0x4a : 0x3a);
  face.setColorAt(0, QColor(light, light + 2, light + 6));
  face.setColorAt(1, QColor(light / 2, light / 2 + 1, light / 2 + 3));
  canvas.setRenderHint(QPainter::Antialiasing);
  canvas.setBrush(face);
  canvas.setPen(QColor(Focused() ? 0x3d8ee6 : 0x15181c));
  canvas.drawRoundedRect(area, 4, 4);
  const int shift = pressed ? 1 : 0;
  if (!glyph_.isNull())
    canvas.drawImage((Width() - glyph_.width()) / 2 + shift, (Height() - glyph_.height()) / 2 + shift, glyph_);
  if (!Caption().empty()) {
    canvas.setPen(QColor(0xd8, 0xdc, 0xe2));
    canvas.setFont(Widget()->font());
    canvas.drawText(ClientRect().translated(shift, shift), Qt::AlignCenter, QString::fromStdString(Caption()));
  }
}

void TsBitBtn::KeyUp(uint16_t& key, TShiftState)
{
  if (key == VK_SPACE || key == VK_RETURN)
    Click();
}

void TsBitBtn::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
  Invalidate();
  TWinControl::MouseDown(button, shift, x, y);
}

void TsBitBtn::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
  Invalidate();
  TWinControl::MouseUp(button, shift, x, y);
}
