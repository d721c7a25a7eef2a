#include "skin/TsLabel.h"

#include <QFontMetrics>
#include <QPainter>
#include <QWidget>

#include "platform/WinControl.h"
#include "skin/TsPanel.h"
#include "skin/core/SkinListener.h"
#include "skin/core/SkinManager.h"
#include "skin/paint/LabelColors.h"

namespace {

// The section a parent's binding resolved; -1 when the parent is not skinned.
int ParentSection(const TWinControl* parent)
{
  const auto* panel = dynamic_cast<const TsPanel*>(parent);
  return panel ? DefaultManager()->FindSection(panel->SkinData.SkinSection) : -1;
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
  return manager && manager->Active() && !manager->Tables().Sections.empty();
}

int TsLabel::OwnSection() const
{
  return SkinSection.empty() || !SkinInForce() ? -1 : DefaultManager()->FindSection(SkinSection);
}

int TsLabel::ColorSection() const
{
  std::vector<int> sections;
  for (const TWinControl* parent = Parent(); parent; parent = parent->Parent())
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

void TsLabel::SkinCommand(int code)
{
  if (code == cmdRemoveSkin && useSkinColor_)
    SetFontColor(clWindowText);
  else if (code == cmdNewSkin || code == cmdRefresh)
    Invalidate();
}

void TsLabel::Paint(QPainter& canvas)
{
  ApplySkinColors();
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
