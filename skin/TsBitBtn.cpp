#include "skin/TsBitBtn.h"

#include <QFontMetrics>
#include <QPainter>

#include "platform/Application.h"
#include "platform/Font.h"
#include "skin/GlyphEffects.h"
#include "skin/core/SkinManager.h"
#include "skin/paint/FaceImage.h"
#include "skin/paint/FacePainting.h"
#include "skin/paint/NinePart.h"
#include "skin/paint/SkinText.h"

namespace {

constexpr int kReleaseWait = 30;  // ms the pressed face stays when released during its fade

int TextFormat(TAlignment alignment, bool wordWrap)
{
  const int horizontal = alignment == TAlignment::taLeftJustify    ? TacTextFormat::Left
                         : alignment == TAlignment::taRightJustify ? TacTextFormat::Right
                                                                   : TacTextFormat::HCenter;
  return horizontal | TacTextFormat::VCenter | TacTextFormat::EndEllipsis | TacTextFormat::ExpandTabs |
         (wordWrap ? TacTextFormat::WordBreak : 0);
}

// Pixels of the face that are not the key colour, row by row.
QRegion OpaqueRegion(const TBitmap32& face)
{
  QRegion region;
  for (int y = 0; y < face.Height; ++y)
    for (int x = 0; x < face.Width;) {
      while (x < face.Width && IsTransparentColor(face.Scanline(y) + x * 4))
        ++x;
      const int start = x;
      while (x < face.Width && !IsTransparentColor(face.Scanline(y) + x * 4))
        ++x;
      if (x > start)
        region += QRect(start, y, x - start, 1);
    }
  return region;
}

}  // namespace

TsBitBtn::TsBitBtn(TComponent* AOwner) : TBitBtn(AOwner), fade_([this] { TControl::Invalidate(); })
{
  SkinData.Loaded("TsBitBtn");
}

TsBitBtn::~TsBitBtn()
{
  fade_.Stop();
  if (MousePressed())
    TApplication::SetHintsEnabled(hintsWereEnabled_);
}

int TsBitBtn::CurrentState() const
{
  const bool over = MouseInside() && !Designing();
  if (down_ || (Pushed() && (over || !MousePressed())))
    return 2;
  if (over)
    return 1;
  return Default() ? 3 : 0;
}

int TsBitBtn::SectionState(const TsGeneralData& section, int state)
{
  if (state == 3 && section.StateCount < 4)
    return 1;
  return ClampState(section, state);
}

void TsBitBtn::SkinCommand(int code, int, TsSkinManager* sender)
{
  if (!SkinData.Command(code, sender))
    return;
  if (code == cmdBeforeRefresh || code == cmdRemoveSkin || code == cmdNewSkin)
    fade_.Stop();
  if (code == cmdRemoveSkin)
    UpdateRegion(nullptr);
}

TacBackgroundAnswer TsBitBtn::ChildBackground(const TControl&)
{
  return TacParentBackground::OfColor(Color());
}

void TsBitBtn::SetBounds(int left, int top, int width, int height)
{
  TBitBtn::SetBounds(left, top, width, height);
  SkinData.BGChanged = true;
}

void TsBitBtn::Paint(QPainter& canvas)
{
  if (!SkinData.Skinned()) {
    TBitBtn::Paint(canvas);
    return;
  }
  if (fade_.Running()) {
    canvas.drawImage(0, 0, FaceImage(const_cast<TBitmap32&>(fade_.Frame())));
    return;
  }
  const int state = CurrentState();
  SkinData.HalfVisible = Parent() && !QRect(QPoint(0, 0), Parent()->ClientRect().size()).contains(BoundsRect());
  TBitmap32& cache = SkinData.FCacheBmp;
  if ((SkinData.BGChanged || SkinData.HalfVisible || state != cacheState_ || cache.Width != Width() ||
       cache.Height != Height()) && !RebuildCache(state))
    return;  // the parent repaints this button once its face is ready
  canvas.drawImage(0, 0, FaceImage(cache));
}

bool TsBitBtn::RebuildCache(int state)
{
  const TacBackgroundAnswer parent = QueryParentBackground(*this);
  const TacFaceSource source = SkinData.FaceSource();
  const TsGeneralData* section = source.SectionData();
  if (!parent || !section || Width() <= 0 || Height() <= 0) {
    SkinData.Updating = true;
    return false;
  }
  TBitmap32& cache = SkinData.FCacheBmp;
  if (cache.Width != Width() || cache.Height != Height())
    cache = TBitmap32(Width(), Height());
  const int shown = SectionState(*section, state);
  const TPixelRect all{0, 0, Width(), Height()};
  PaintFaceBackground(cache, all, source, shown, *parent);
  const TsMaskData* border = source.Mask(source.BorderMask);
  UpdateRegion(border);
  // With a window region the corners are cut away instead of showing the parent.
  const TacParentBackground under = border && border->CornerKind == 2 ? TacParentBackground() : *parent;
  if (drawOverBorder_)
    DrawNinePart(cache, all, shown, source, source.BorderMask, under);
  SkinData.ShiftCache(cache);
  PaintContent(cache, state);
  if (!drawOverBorder_)
    DrawNinePart(cache, all, shown, source, source.BorderMask, under);
  if (!Enabled() && (disabledKind_ & dkGrayed))
    GrayFace(cache);
  if (!Enabled() && (disabledKind_ & dkBlended)) {
    const TBitmap32 face = cache;
    PaintParentBackground(cache, all, *parent);
    BlendOver(cache, all, face, 128);
  }
  if (OnPaint)
    OnPaint(this, cache);
  SkinData.BGChanged = false;
  SkinData.Updating = false;
  cacheState_ = state;
  return true;
}

// Caption, focus rectangle and glyph, one pixel right and down when pressed.
void TsBitBtn::PaintContent(TBitmap32& cache, int state)
{
  const int shift = state == 2 ? 1 : 0;
  const QImage glyph = CurrentGlyph(state);
  const QFont font = ToQFont(Font());
  const bool caption = showCaption_ && !Caption().empty();
  const QSize textSize = caption ? QFontMetrics(font).size(0, QString::fromStdString(Caption())) : QSize();
  const TButtonPlaces places = Places(ClientRect(), glyph.size(), textSize);
  if (caption) {
    const QRect box = places.Caption.translated(textOffset_ + shift, shift);
    const TPixelRect text{box.left(), box.top(), box.width(), box.height()};
    const TacFaceSource source = SkinData.FaceSource();
    DrawSkinText(cache, Caption(), {Enabled(), state != 0, false}, source, font, TextFormat(textAlignment_, wordWrap_),
                 text);
    if (Focused() && showFocus_ && source.SectionData()->ShowFocus) {
      QImage image = FaceImage(cache, QImage::Format_ARGB32);
      QPainter painter(&image);
      painter.setPen(QPen(ToQColor(Font().Color), 1, Qt::DotLine));
      painter.drawRect(box.adjusted(-focusMargin_, -focusMargin_, focusMargin_ - 1, focusMargin_ - 1));
    }
  }
  if (!glyph.isNull())
    DrawGlyph(cache, glyph, places.Glyph.left() + shift, places.Glyph.top() + shift, reflected_);
}

QImage TsBitBtn::CurrentGlyph(int state) const
{
  const bool listed = images_ && imageIndex_ >= 0 && size_t(imageIndex_) < images_->size();
  QImage glyph = listed ? (*images_)[size_t(imageIndex_)] : GlyphPicture(!Enabled() ? 1 : state == 2 ? 2 : 0);
  if (glyph.isNull())
    return glyph;
  if (!Enabled()) {
    if (disabledGlyphKind_ & dgGrayed)
      glyph = GrayedGlyph(glyph);
    if (disabledGlyphKind_ & dgBlended)
      glyph = BlendedGlyph(glyph, 50);
  } else if (state == 0 && grayed_) {
    glyph = GrayedGlyph(glyph);
  }
  return blend_ > 0 ? BlendedGlyph(glyph, blend_) : glyph;
}

// A border of CornerKind 2 cuts its transparent corner pixels out of the window.
void TsBitBtn::UpdateRegion(const TsMaskData* border)
{
  if (!border || border->CornerKind != 2 || Width() <= 0 || Height() <= 0) {
    if (regionSet_)
      SetWindowRegion(QRegion());
    regionSet_ = false;
    return;
  }
  TBitmap32 shape(Width(), Height());
  const TacFaceSource source = SkinData.FaceSource();
  DrawNinePart(shape, {0, 0, Width(), Height()}, 0, source, source.BorderMask,
               TacParentBackground::OfColor(int(TransparentColor)));
  SetWindowRegion(OpaqueRegion(shape));
  regionSet_ = true;
}

bool TsBitBtn::FadeAllowed(TacAnimatEvent event) const
{
  const TsGeneralData* section = SkinData.FaceSource().SectionData();
  const TsSkinManager* manager = SkinData.Manager();
  if (!section || !section->FadingEnabled || !manager || !manager->SkinData().InForce)
    return false;
  const uint8_t events = (animatEvents_ & aeGlobalDef) ? manager->AnimEffects.ButtonEvents : animatEvents_;
  return (events & event) != 0;  // the bits of both sets are the same
}

void TsBitBtn::StateEvent(TacAnimatEvent event)
{
  const int state = CurrentState();
  TBitmap32& cache = SkinData.FCacheBmp;
  const bool faded = SkinData.Skinned() && cacheState_ >= 0 && cache.Width == Width() && cache.Height == Height();
  if (!faded || (state == cacheState_ && !fade_.Running()) || !FadeAllowed(event)) {
    fade_.Stop();
    TControl::Invalidate();
    return;
  }
  const TsGeneralData& section = *SkinData.FaceSource().SectionData();
  const int steps = std::max(section.FadingIterations, 1);
  if (event == aeMouseUp && fade_.Running() && cacheState_ == 2) {
    // Released during the press fade: the pressed face at once, then back.
    fade_.Stop();
    const TBitmap32 pressed = cache;
    if (RebuildCache(state))
      fade_.Start(pressed, cache, steps, kReleaseWait);
    return;
  }
  const TBitmap32 previous = fade_.Running() ? fade_.Frame() : cache;
  if (RebuildCache(state))
    fade_.Start(previous, cache, event == aeMouseDown ? std::max(steps / 2, 1) : steps);
}

void TsBitBtn::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
  if (button == TMouseButton::mbLeft && SkinData.Skinned()) {
    hintsWereEnabled_ = TApplication::HintsEnabled();
    TApplication::SetHintsEnabled(false);
  }
  TWinControl::MouseDown(button, shift, x, y);
  StateEvent(aeMouseDown);
}

void TsBitBtn::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
  if (button == TMouseButton::mbLeft && SkinData.Skinned())
    TApplication::SetHintsEnabled(hintsWereEnabled_);
  TWinControl::MouseUp(button, shift, x, y);
  StateEvent(aeMouseUp);
}

void TsBitBtn::MouseEnter()
{
  if (TsSkinManager* manager = SkinData.Manager(); manager && SkinData.Skinned())
    manager->SetActiveControl(this);
  TWinControl::MouseEnter();
  StateEvent(aeMouseEnter);
}

void TsBitBtn::MouseLeave()
{
  if (TsSkinManager* manager = SkinData.Manager(); manager && manager->ActiveControl() == this)
    manager->SetActiveControl(nullptr);
  TWinControl::MouseLeave();
  StateEvent(aeMouseLeave);
}
