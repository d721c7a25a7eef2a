#include "skin/paint/LabelColors.h"

#include "skin/core/SkinTables.h"

namespace {

constexpr int32_t kKeepColor = 0xFF00FF;
constexpr int32_t kMissingContour = 255;  // pure red

bool ValidSection(const TacSkinTables& tables, int section)
{
  return section >= 0 && size_t(section) < tables.Sections.size();
}

std::optional<int32_t> Kept(int32_t color)
{
  if (color == kKeepColor)
    return std::nullopt;
  return color;
}

}  // namespace

int LabelColorSection(const TacSkinTables& tables, const std::vector<int>& parentSections)
{
  for (const int section : parentSections) {
    if (!ValidSection(tables, section))
      return -1;
    const TsGeneralData& data = tables.Sections[size_t(section)];
    if (data.States[0].Transparency > 50)
      continue;
    return data.GiveOwnFont ? section : -1;
  }
  return -1;
}

std::optional<int32_t> LabelFontColor(const TacSkinTables& tables, int colorSection, int32_t globalFontColor)
{
  if (ValidSection(tables, colorSection))
    return Kept(tables.Sections[size_t(colorSection)].States[0].FontColor);
  return Kept(globalFontColor);
}

std::optional<int32_t> WebLabelFontColor(const TacSkinTables& tables, int colorSection, TacWebLabelState state)
{
  const int global = tables.GlobalInfoIndex();
  if (state == TacWebLabelState::Normal && ValidSection(tables, colorSection))
    return Kept(tables.Sections[size_t(colorSection)].States[0].FontColor);
  if (!ValidSection(tables, global))
    return std::nullopt;
  const auto& contour = tables.Sections[size_t(global)].States[0].TextContour;
  const int32_t color = state == TacWebLabelState::Hover ? contour[tcTop] : contour[tcBottom];
  if (color == -1)
    return kMissingContour;
  return state == TacWebLabelState::Hover ? color : Kept(color);
}
