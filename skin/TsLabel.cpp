#include "skin/TsLabel.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QWidget>

#include "platform/WinControl.h"
#include "skin/SkinControl.h"
#include "skin/core/SkinListener.h"
#include "skin/core/SkinManager.h"
#include "skin/paint/FacePainting.h"
#include "skin/paint/LabelColors.h"

namespace {

// The section a parent's binding resolved; -1 when the parent is not skinned.
int ParentSection(TWinControl* parent)
{
  auto* skinned = dynamic_cast<TacSkinControl*>(parent);
  return skinned ? skinned->SkinBinding().SkinIndex : -1;
}

}  // namespace

TsLabel::TsLabel(TComponent* AOwner) : TGraphicControl(AOwner)
{
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

void TsLabel::SetUseSkinColor(bool value)
{
  useSkinColor_ = value;
  Invalidate();
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
  const QFontMetrics metrics(ToQFont(ShownFont()));
  // An empty text is measured as one space.
  const QString text = Caption().empty() ? QStringLiteral(" ") : QString::fromStdString(Caption());
  const int width = metrics.horizontalAdvance(text);
  const int height = metrics.height();
  const int right = Left() + Width();
  const int left = alignment_ == TAlignment::taRightJustify ? right - width : Left();
  SetBounds(left, Top(), width, height);
}

bool TsLabel::SkinInForce()
{
  const TsSkinManager* manager = DefaultManager();
  return manager && manager->Active() && manager->SkinData().InForce;
}

int TsLabel::OwnSection() const
{
  return SkinSection.empty() || !SkinInForce() ? -1 : DefaultManager()->FindSection(SkinSection);
}

int TsLabel::ColorSection() const
{
  std::vector<int> sections;
  for (TWinControl* parent = Parent(); parent; parent = parent->Parent())
    sections.push_back(ParentSection(parent));
  return LabelColorSection(DefaultManager()->Tables(), sections);
}

void TsLabel::SetFontColor(TColor color)
{
  if (Font().Color == color)
    return;
  TFont font = Font();
  font.Color = color;
  SetFont(font);
}

void TsLabel::ApplySkinColors()
{
  if (!useSkinColor_ || !SkinInForce())
    return;
  const TsSkinManager* manager = DefaultManager();
  const int own = OwnSection();
  const int section = own >= 0 ? own : ColorSection();
  if (const auto color = LabelFontColor(manager->Tables(), section, manager->GlobalFontColor()))
    SetFontColor(*color);
}

void TsLabel::SkinCommand(int code, int, TsSkinManager* sender)
{
  if (sender && sender != DefaultManager())
    return;
  if (code == cmdRemoveSkin && useSkinColor_)
    SetFontColor(clWindowText);
  else if (code == cmdNewSkin || code == cmdRefresh)
    Invalidate();
}

TColor TsLabel::TextColor(const TFont& font) const
{
  if (Enabled() || !SkinInForce())
    return font.Color;
  const TacBackgroundAnswer parent = QueryParentBackground(*this);
  return Mix(font.Color, parent ? parent->Color : Color(), 0.4);
}

// The label's own section paints what lies behind the text; the skin's first
// section (its global information) never does.
void TsLabel::PaintOwnBackground(QPainter& canvas, int section)
{
  if (section <= 0)
    return;
  TBitmap32 face(Width(), Height());
  TacFaceSource source;
  source.Tables = &DefaultManager()->Tables();
  source.Section = section;
  source.BorderMask = source.Tables->Sections[size_t(section)].BorderMaskIndex;
  if (!PaintFace(face, {0, 0, Width(), Height()}, source, 0, QueryParentBackground(*this)))
    return;
  canvas.drawImage(0, 0, QImage(face.Pixels.data(), face.Width, face.Height, face.Width * 4, QImage::Format_RGB32));
}

void TsLabel::Paint(QPainter& canvas)
{
  ApplySkinColors();
  PaintOwnBackground(canvas, OwnSection());
  const TFont& font = ShownFont();
  canvas.setFont(ToQFont(font));
  canvas.setPen(ToQColor(TextColor(font)));
  Qt::Alignment align = Qt::AlignTop | Qt::AlignLeft;
  if (alignment_ == TAlignment::taRightJustify)
    align = Qt::AlignTop | Qt::AlignRight;
  else if (alignment_ == TAlignment::taCenter)
    align = Qt::AlignTop | Qt::AlignHCenter;
  canvas.drawText(ClientRect(), align, QString::fromStdString(Caption()));
}
