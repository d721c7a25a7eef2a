#include "skin/TsPanel.h"

#include <QImage>
#include <QPainter>
#include <QRegion>

#include "platform/Font.h"
#include "skin/core/SkinManager.h"
#include "skin/paint/FaceImage.h"
#include "skin/paint/FacePainting.h"
#include "skin/paint/NinePart.h"
#include "skin/paint/SkinText.h"

TsPanel::TsPanel(TComponent* AOwner) : TCustomPanel(AOwner)
{
  SkinData.Loaded("TsPanel");
}

void TsPanel::SkinCommand(int code, int, TsSkinManager* sender)
{
  SkinData.Command(code, sender);
}

void TsPanel::SetBounds(int left, int top, int width, int height)
{
  TCustomPanel::SetBounds(left, top, width, height);
  SkinData.BGChanged = true;
}

bool TsPanel::PlainPath() const
{
  return SkinData.CustomColor() || (SkinData.PlainFill() && !SkinData.FMouseAbove);
}

int TsPanel::PlainColor() const
{
  if (SkinData.CustomColor())
    return Color();
  const TacBackgroundAnswer parent = QueryParentBackground(*this);
  return PlainFillColor(SkinData.FaceSource(), parent ? *parent : TacParentBackground());
}

TacBackgroundAnswer TsPanel::ChildBackground(const TControl& child)
{
  if (!SkinData.Skinned())
    return TacParentBackground::OfColor(Color());
  if (PlainPath())
    return TacParentBackground::OfColor(PlainColor());
  const TBitmap32& cache = SkinData.FCacheBmp;
  if (SkinData.BGChanged || cache.Width != Width() || cache.Height != Height())
    return std::nullopt;
  return TacParentBackground::OfPicture(&cache, child.Left(), child.Top(), Color());
}

bool TsPanel::RebuildCache()
{
  TBitmap32& cache = SkinData.FCacheBmp;
  if (cache.Width != Width() || cache.Height != Height())
    cache = TBitmap32(Width(), Height());
  const TacFaceSource source = SkinData.FaceSource();
  const TPixelRect all{0, 0, Width(), Height()};
  if (PlainPath()) {
    FillColor(cache, all, PlainColor());
    DrawNinePart(cache, all, 0, source, source.BorderMask, TacParentBackground::OfColor(PlainColor()));
  } else if (!PaintFace(cache, all, source, 0, QueryParentBackground(*this))) {
    SkinData.Updating = true;
    return false;
  }
  PaintCaption(cache);
  SkinData.Updating = false;
  SkinData.BGChanged = false;
  return true;
}

// The client rectangle inside the bevel, the text centred vertically.
void TsPanel::PaintCaption(TBitmap32& target) const
{
  if (Caption().empty())
    return;
  const int bevel = BevelOuter() == TBevelCut::bvNone ? 0 : 1;
  const TPixelRect box{bevel, bevel, Width() - 2 * bevel, Height() - 2 * bevel};
  const int format = TacTextFormat::HCenter | TacTextFormat::WordBreak;
  const QFont font = ToQFont(Font());
  const int height = MeasureSkinText(Caption(), font, format, box.Width);
  const TPixelRect text{box.Left, (Height() - height) / 2, box.Width, height};
  DrawSkinText(target, Caption(), {Enabled(), SkinData.FMouseAbove, false}, SkinData.FaceSource(), font, format, text);
}

void TsPanel::Paint(QPainter& canvas)
{
  if (!SkinData.Skinned()) {
    TCustomPanel::Paint(canvas);
    PaintOver(canvas);
    return;
  }
  const QRect bounds = BoundsRect();
  SkinData.HalfVisible = Parent() && !QRect(QPoint(0, 0), Parent()->ClientRect().size()).contains(bounds);
  if ((SkinData.BGChanged || SkinData.HalfVisible || SkinData.FCacheBmp.Width != Width() ||
       SkinData.FCacheBmp.Height != Height()) && !RebuildCache())
    return;  // painted once the parent has painted
  // Windowed children paint their whole rectangle themselves.
  QRegion shown(ClientRect());
  for (TControl* child : Controls())
    if (child->Visible() && dynamic_cast<TWinControl*>(child))
      shown -= child->BoundsRect();
  canvas.setClipRegion(shown);
  canvas.drawImage(0, 0, FaceImage(SkinData.FCacheBmp));
  canvas.setClipping(false);
  PaintOver(canvas);
  PaintChildrenLater();
}

void TsPanel::PaintOver(QPainter& canvas)
{
  if (OnPaint)
    OnPaint(this, canvas);
}

// Children that found this panel not ready paint now.
void TsPanel::PaintChildrenLater()
{
  for (TControl* child : Controls())
    if (auto* skinned = dynamic_cast<TacSkinControl*>(child); skinned && skinned->SkinBinding().Updating)
      skinned->SkinBinding().Invalidate();
}

void TsPanel::MouseEnter()
{
  if (TsSkinManager* manager = SkinData.Manager(); manager && SkinData.Skinned())
    manager->SetActiveControl(this);
  TCustomPanel::MouseEnter();
}

void TsPanel::MouseLeave()
{
  if (TsSkinManager* manager = SkinData.Manager(); manager && manager->ActiveControl() == this)
    manager->SetActiveControl(nullptr);
  TCustomPanel::MouseLeave();
}
