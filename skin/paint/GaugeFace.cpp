#include "skin/paint/GaugeFace.h"

#include "skin/paint/BitmapRotation.h"
#include "skin/paint/FacePainting.h"
#include "skin/paint/GaugeGeometry.h"
#include "skin/paint/GaugeGlow.h"
#include "skin/paint/GlowSweep.h"
#include "skin/paint/NinePart.h"
#include "skin/paint/SkinText.h"

namespace {

constexpr int kTextFormat = TacTextFormat::HCenter | TacTextFormat::VCenter;

bool IsBar(TsGaugeKind kind)
{
  return kind == TsGaugeKind::gkHorizontalBar || kind == TsGaugeKind::gkVerticalBar;
}

bool Reserved(const TacFaceSource& source)
{
  const TsGeneralData* section = source.SectionData();
  return section && section->ReservedBoolean;
}

// The text centred on the whole gauge, drawn on a part of it whose top-left lies
// at (left, top) of the gauge.
void DrawText(TBitmap32& part, int left, int top, int width, int height, const TacGaugeFace& gauge,
              const TacFaceSource& colors)
{
  if (!gauge.Text.empty())
    DrawSkinText(part, gauge.Text, {gauge.Enabled, false, false}, colors, gauge.Font, kTextFormat,
                 {-left, -top, width, height});
}

// The progress section's face for a filled part of `length` x `thickness`, over background.
TBitmap32 FilledFace(const TacGaugeFace& gauge, int length, int thickness, const TBitmap32& background,
                     int offsetX, int offsetY)
{
  TBitmap32 part(length, thickness);
  const TPixelRect all{0, 0, length, thickness};
  const TacParentBackground under = TacParentBackground::OfPicture(&background, offsetX, offsetY, 0);
  if (Reserved(gauge.Gauge))
    PaintFaceBackground(part, all, gauge.Progress, 0, under);
  else
    PaintFace(part, all, gauge.Progress, 0, under);
  return part;
}

// The glow over a strip, through the "LRGN" mask when the progress section has one.
void LightStrip(TBitmap32& strip, const TacGaugeFace& gauge)
{
  if (!gauge.Animated || !gauge.Glow || gauge.GlowPosition >= strip.Width + TacGlowSweep::GlowLength)
    return;
  if (gauge.LightMask < 0 || Reserved(gauge.Gauge)) {
    DrawGlow(strip, strip.Width, *gauge.Glow, gauge.GlowPosition);
    return;
  }
  TBitmap32 allowed(strip.Width, strip.Height);
  const TPixelRect all{0, 0, strip.Width, strip.Height};
  FillColor(allowed, all, int(TransparentColor));
  DrawNinePart(allowed, all, 0, gauge.Progress, gauge.LightMask, TacParentBackground());
  DrawGlow(strip, strip.Width, *gauge.Glow, gauge.GlowPosition, &allowed);
}

void PaintUprightFill(TBitmap32& face, const TacGaugeFace& gauge)
{
  const int filled = FillLength(face.Height, gauge.Percent);
  if (filled <= 0)
    return;
  const int top = face.Height - filled;
  TBitmap32 part(face.Width, filled);
  PaintFace(part, {0, 0, face.Width, filled}, gauge.Progress, 0,
            TacParentBackground::OfPicture(&face, 0, top, 0));
  DrawText(part, 0, top, face.Width, face.Height, gauge, gauge.Progress);
  CopyRect(face, {0, top, face.Width, filled}, part, 0, 0);
}

void PaintStripFill(TBitmap32& face, const TacGaugeFace& gauge, TacFilledCache& cache)
{
  const bool vertical = gauge.Kind == TsGaugeKind::gkVerticalBar;
  const int length = vertical ? face.Height : face.Width;
  const int thickness = vertical ? face.Width : face.Height;
  const int filled = FillLength(length, gauge.Percent);
  if (filled <= 0)
    return;
  if (cache.Strip.Width != filled || cache.Strip.Height != thickness) {
    // A vertical bar's strip lies on the face turned so that its bottom comes first.
    const TBitmap32 turned = vertical ? RotateClockwise(face) : TBitmap32();
    cache.Strip = FilledFace(gauge, filled, thickness, vertical ? turned : face, 0, 0);
  }
  TBitmap32 strip = cache.Strip;
  LightStrip(strip, gauge);
  if (vertical) {
    TBitmap32 part = RotateCounterClockwise(strip);
    const int top = face.Height - filled;
    DrawText(part, 0, top, face.Width, face.Height, gauge, gauge.Progress);
    CopyRect(face, {0, top, face.Width, filled}, part, 0, 0);
  } else {
    DrawText(strip, 0, 0, face.Width, face.Height, gauge, gauge.Progress);
    CopyRect(face, {0, 0, filled, thickness}, strip, 0, 0);
  }
}

void PaintContent(TBitmap32& face, const TacGaugeFace& gauge, TacFilledCache& cache)
{
  DrawText(face, 0, 0, face.Width, face.Height, gauge, gauge.Gauge);
  if (!IsBar(gauge.Kind) || !gauge.Progress.SectionData())
    return;
  if (gauge.UprightFill)
    PaintUprightFill(face, gauge);
  else
    PaintStripFill(face, gauge, cache);
}

}  // namespace

bool PaintGaugeFace(TBitmap32& face, int width, int height, const TacGaugeFace& gauge,
                    const TacBackgroundAnswer& parent, TacFilledCache& filled)
{
  if (face.Width != width || face.Height != height)
    face = TBitmap32(width, height);
  const TPixelRect all{0, 0, width, height};
  if (!parent)
    return false;
  if (Reserved(gauge.Gauge) && IsBar(gauge.Kind)) {
    PaintFaceBackground(face, all, gauge.Gauge, 0, *parent);
    PaintContent(face, gauge, filled);
    DrawNinePart(face, all, 0, gauge.Gauge, gauge.Gauge.BorderMask, *parent);
    return true;
  }
  if (!PaintFace(face, all, gauge.Gauge, 0, parent))
    return false;
  PaintContent(face, gauge, filled);
  return true;
}
