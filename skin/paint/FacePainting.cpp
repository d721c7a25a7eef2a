#include "skin/paint/FacePainting.h"

#include <algorithm>
#include <cmath>

#include "skin/paint/Gradient.h"
#include "skin/paint/NinePart.h"

namespace {

// One state's fill, every share within 0..100.
struct TFill {
  int Color = 0;
  int Transparency = 0;
  int ImagePercent = 0;
  int GradientPercent = 0;
  const std::vector<TsGradientBand>* Gradient = nullptr;
  const TsMaskData* Texture = nullptr;
  const TBitmap32* Pattern = nullptr;
};

TFill FillOf(const TacFaceSource& source, const TsGeneralData& section, int state)
{
  TFill fill;
  if (source.CustomColor) {
    fill.Color = source.OwnColor;
    return fill;
  }
  const TsGenState& record = StateRecord(section, state);
  fill.Color = record.Color;
  fill.Transparency = std::clamp(record.Transparency, 0, 100);
  fill.ImagePercent = std::clamp(record.ImagePercent, 0, 100);
  fill.GradientPercent = record.GradientArray.empty() ? 0 : std::clamp(record.GradientPercent, 0, 100);
  fill.Gradient = &record.GradientArray;
  int texture = state == 0 ? source.Texture : source.HotTexture;
  if (texture < 0)
    texture = record.TextureIndex;
  fill.Texture = source.Mask(texture);
  if (!fill.Texture && fill.ImagePercent > 0) {
    const int pattern = source.Tables->FindPattern(source.Section, section.SectionName, state ? "HOTPATTERN" : "PATTERN");
    if (pattern >= 0 && size_t(pattern) < source.Tables->Patterns.size())
      fill.Pattern = source.Tables->Patterns[size_t(pattern)].Picture.get();
  }
  if (!fill.Texture && !fill.Pattern)
    fill.ImagePercent = 0;
  return fill;
}

// Tiles or stretches the texture over rect; a pattern picture is tiled.
void PaintTexture(TBitmap32& target, const TPixelRect& rect, const TacFaceSource& source, const TFill& fill)
{
  if (fill.Pattern) {
    DrawPart(target, rect, {fill.Pattern, {0, 0, fill.Pattern->Width, fill.Pattern->Height}}, TacPartFit::Tile);
    return;
  }
  const TsMaskData& mask = *fill.Texture;
  const TPixelRect part{mask.Area.Left, mask.Area.Top, mask.FrameWidth(), mask.FrameHeight()};
  DrawPart(target, rect, MaskPart(source, mask, part, true),
           (mask.DrawFlags & 1) ? TacPartFit::Stretch : TacPartFit::Tile);
}

void PaintOwnFill(TBitmap32& target, const TPixelRect& rect, const TacFaceSource& source, const TFill& fill)
{
  const int image = fill.ImagePercent, gradient = fill.GradientPercent, sum = image + gradient;
  if (sum == 0) {
    FillColor(target, rect, fill.Color);
    return;
  }
  if (image > 0) {
    FillColor(target, rect, fill.Color);  // what the texture leaves uncovered
    PaintTexture(target, rect, source, fill);
  }
  if (gradient > 0) {
    if (image == 0) {
      PaintGradient(target, rect, *fill.Gradient);
    } else {
      TBitmap32 over(rect.Width, rect.Height);
      PaintGradient(over, {0, 0, rect.Width, rect.Height}, *fill.Gradient);
      // The texture weighs ImagePercent x 255 / 100 against the gradient; for shares adding
      // up to 100 this gives the pixels of the one-pass drawing.
      BlendOver(target, rect, over, std::min(image * 255 / 100, 255));
    }
  }
  if (sum < 100)
    MixColorInto(target, rect, fill.Color, sum);
}

}  // namespace

int PlainFillColor(const TacFaceSource& source, const TacParentBackground& parent)
{
  const TsGeneralData* section = source.SectionData();
  const int own = source.CustomColor || !section ? source.OwnColor : section->States[0].Color;
  const int transparency = source.CustomColor || !section ? 0 : std::clamp(section->States[0].Transparency, 0, 100);
  if (transparency == 0 || parent.Kind == TacParentBackground::TKind::None)
    return own;
  return Mix(parent.Color, own, transparency / 100.0);
}

void PaintFaceBackground(TBitmap32& target, const TPixelRect& rect, const TacFaceSource& source, int state,
                         const TacParentBackground& parent)
{
  const TsGeneralData* section = source.SectionData();
  if (!section) {
    PaintParentBackground(target, rect, parent);
    return;
  }
  state = ClampState(*section, state);
  const TFill fill = FillOf(source, *section, state);
  const bool hasParent = parent.Kind != TacParentBackground::TKind::None;
  if (fill.Transparency == 0 || !hasParent) {
    PaintOwnFill(target, rect, source, fill);
  } else if (fill.Transparency == 100) {
    PaintParentBackground(target, rect, parent);
  } else if (parent.Kind == TacParentBackground::TKind::Picture || fill.ImagePercent > 0 || fill.GradientPercent > 0) {
    TBitmap32 own(rect.Width, rect.Height);
    PaintOwnFill(own, {0, 0, rect.Width, rect.Height}, source, fill);
    PaintParentBackground(target, rect, parent);
    // t = round(transparency x 2.55) in integers: 50 gives 128, not 2.55's binary 127.
    BlendOver(target, rect, own, (fill.Transparency * 255 + 50) / 100);
  } else {
    FillColor(target, rect, Mix(parent.Color, fill.Color, fill.Transparency / 100.0));
  }
  // A texture meant to lie over the background with its transparency.
  if (state == 0 && fill.Texture && fill.Texture->MaskRows > 0 && fill.Texture->DrawFlags == 10)
    PaintTexture(target, rect, source, fill);
}

bool PaintFace(TBitmap32& target, const TPixelRect& rect, const TacFaceSource& source, int state,
               const TacBackgroundAnswer& parent)
{
  const TsGeneralData* section = source.SectionData();
  if (!section || !parent || rect.Left < 0 || rect.Top < 0 || rect.Width <= 0 || rect.Height <= 0 ||
      rect.Left + rect.Width > target.Width || rect.Top + rect.Height > target.Height)
    return false;
  state = ClampState(*section, state);
  PaintFaceBackground(target, rect, source, state, *parent);
  if (source.BorderMask >= 0)
    DrawNinePart(target, rect, state, source, source.BorderMask, *parent);
  struct Corner {
    int Mask;
    bool Right, Bottom;
  };
  for (const Corner corner : {Corner{section->ImgTopLeft, false, false}, Corner{section->ImgTopRight, true, false},
                              Corner{section->ImgBottomLeft, false, true}, Corner{section->ImgBottomRight, true, true}}) {
    const TsMaskData* mask = source.Mask(corner.Mask);
    if (!mask)
      continue;
    const int fw = mask->FrameWidth(), fh = mask->FrameHeight();
    const int frame = std::clamp(state, 0, std::max(mask->FrameCount - 1, 0));
    const TPixelRect at{rect.Left + (corner.Right ? rect.Width - fw : 0), rect.Top + (corner.Bottom ? rect.Height - fh : 0),
                        fw, fh};
    DrawPart(target, at, MaskPart(source, *mask, {mask->Area.Left + fw * frame, mask->Area.Top, fw, fh}, true),
             TacPartFit::Tile);
  }
  return true;
}
