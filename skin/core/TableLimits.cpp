#include "skin/core/TableLimits.h"

#include "skin/core/SkinData.h"
#include "skin/core/SkinTables.h"

#include <algorithm>

namespace {

void ClampPercent(int& value)
{
  value = std::clamp(value, 0, 100);
}

void ClampSection(TsGeneralData& section)
{
  section.StateCount = std::clamp(section.StateCount, 1, kMaxStates);
  section.FadingIterations = std::clamp(section.FadingIterations, 0, kMaxFadingSteps);
  section.GlowCount = std::clamp(section.GlowCount, 0, kMaxGlowSize);
  section.GlowMargin = std::clamp(section.GlowMargin, 0, kMaxGlowSize);
  for (TsGenState& state : section.States) {
    ClampPercent(state.Transparency);
    ClampPercent(state.GradientPercent);
    ClampPercent(state.ImagePercent);
    state.GlowSize = std::clamp(state.GlowSize, 0, kMaxGlowSize);
  }
}

void ClampMask(TsMaskData& mask)
{
  for (int* margin : {&mask.MarginLeft, &mask.MarginTop, &mask.MarginRight, &mask.MarginBottom, &mask.DefaultMargin})
    *margin = std::clamp(*margin, 0, kMaxMaskExtent);
  mask.FrameCount = std::clamp(mask.FrameCount, 0, kMaxMaskExtent);
  mask.MaskRows = std::clamp(mask.MaskRows, -1, kMaxMaskExtent);
}

void ClampSkinData(TsSkinData& data)
{
  for (int* size : {&data.BorderWidth, &data.TitleHeight, &data.FormOffset})
    *size = std::clamp(*size, 0, kMaxSkinMetric);
  data.MaxHeight = std::clamp(data.MaxHeight, 0, kMaxMaskExtent);
  for (int* offset : {&data.AlignOffset, &data.CenterOffset, &data.Shadow1Offset, &data.BISpace, &data.BIVAlign,
                      &data.BIRight, &data.BILeft, &data.BITop})
    *offset = std::clamp(*offset, -kMaxSkinMetric, kMaxSkinMetric);
  data.Shadow1Blur = std::clamp(data.Shadow1Blur, -1, kMaxGlowSize);
  ClampPercent(data.Shadow1Transparency);
  for (int* glow : {&data.BICloseGlow, &data.BIMaxGlow, &data.BIMinGlow, &data.BICloseGlowMargin,
                    &data.BIMaxGlowMargin, &data.BIMinGlowMargin})
    *glow = std::clamp(*glow, 0, kMaxGlowSize);
}

}  // namespace

void ClampTables(TacSkinTables& tables, TsSkinData& data)
{
  for (TsGeneralData& section : tables.Sections)
    ClampSection(section);
  for (TsMaskData& mask : tables.Masks)
    ClampMask(mask);
  ClampSkinData(data);
}
