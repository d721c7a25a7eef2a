#include "skin/core/HueSaturation.h"

#include "skin/core/SkinData.h"
#include "skin/core/SkinTables.h"

#include <QColor>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <map>
#include <set>
#include <string>

namespace {

constexpr int kKeyColour = 0xFF00FF;

// Shifts one pixel given as red, green and blue.
void ShiftRgb(uint8_t& red, uint8_t& green, uint8_t& blue, const TacColorShift& shift)
{
  float hue = 0, saturation = 0, lightness = 0;
  QColor::fromRgb(red, green, blue).getHslF(&hue, &saturation, &lightness);
  if (hue >= 0)
    hue = std::fmod(hue + float(shift.HueOffset % 360) / 360.0f + 1.0f, 1.0f);
  saturation = std::clamp(saturation * (1.0f + float(shift.Saturation % 101) / 100.0f), 0.0f, 1.0f);
  const QColor colour = QColor::fromHslF(std::max(hue, 0.0f), saturation, lightness);
  red = static_cast<uint8_t>(colour.red());
  green = static_cast<uint8_t>(colour.green());
  blue = static_cast<uint8_t>(colour.blue());
}

// The title-button pictures that keep their hue: the close buttons, with
// BIKEEPHUE = 1 all of them.
std::set<std::string> KeptButtons(int keepHue)
{
  if (keepHue == 0)
    return {};
  std::set<std::string> kept{"BICONCLOSE", "SICONCLOSE"};
  if (keepHue == 1)
    kept.insert({"BICONMAX", "BICONMIN", "BICONNORM", "BICONHELP", "SICONMAX", "SICONMIN", "SICONNORM"});
  return kept;
}

void CopyArea(const TBitmap32& from, TBitmap32& to, const TacRect& area)
{
  for (int y = area.Top; y < area.Bottom; ++y)
    std::memcpy(to.Scanline(y) + size_t(area.Left) * 4, from.Scanline(y) + size_t(area.Left) * 4,
                size_t(area.Width()) * 4);
}

void ShiftMaster(TacSkinTables& tables, const std::set<std::string>& kept, const TacColorShift& shift)
{
  if (!tables.MasterBitmap)
    return;
  auto shifted = std::const_pointer_cast<TBitmap32>(ShiftBitmap(*tables.MasterBitmap, shift));
  for (const TsMaskData& mask : tables.Masks)
    if (!mask.Picture && mask.SectionName == kGlobalInfo && kept.count(mask.KeyName))
      CopyArea(*tables.MasterBitmap, *shifted, mask.Area);
  tables.MasterBitmap = shifted;
}

void ShiftState(TsGenState& state, const TacColorShift& shift)
{
  state.Color = ShiftColor(state.Color, shift);
  state.FontColor = ShiftColor(state.FontColor, shift);
  state.GlowColor = ShiftColor(state.GlowColor, shift);
  for (TsGradientBand& band : state.GradientArray) {
    band.Color1 = ShiftColor(band.Color1, shift);
    band.Color2 = ShiftColor(band.Color2, shift);
  }
}

}  // namespace

int ShiftColor(int color, const TacColorShift& shift)
{
  if (color < 0 || color == kKeyColour)
    return color;
  uint8_t red = color & 0xFF, green = (color >> 8) & 0xFF, blue = (color >> 16) & 0xFF;
  ShiftRgb(red, green, blue, shift);
  return red | green << 8 | blue << 16;
}

TBitmapRef ShiftBitmap(const TBitmap32& picture, const TacColorShift& shift)
{
  auto result = std::make_shared<TBitmap32>(picture);
  uint8_t* p = result->Pixels.data();
  for (size_t i = 0; i + 4 <= result->Pixels.size(); i += 4, p += 4)
    if (!(p[0] == 0xFF && p[1] == 0 && p[2] == 0xFF))
      ShiftRgb(p[2], p[1], p[0], shift);
  return result;
}

void ShiftSkin(TacSkinTables& tables, TsSkinData& data, const TacColorShift& shift)
{
  if (shift.Empty())
    return;
  const std::set<std::string> kept = shift.HueOffset != 0 ? KeptButtons(data.BIKeepHue) : std::set<std::string>();
  ShiftMaster(tables, kept, shift);
  // Masks share pictures: each is shifted once and stays shared.
  std::map<const TBitmap32*, TBitmapRef> shifted;
  for (TsMaskData& mask : tables.Masks)
    if (mask.Picture && !(mask.SectionName == kGlobalInfo && kept.count(mask.KeyName))) {
      TBitmapRef& done = shifted[mask.Picture.get()];
      if (!done)
        done = ShiftBitmap(*mask.Picture, shift);
      mask.Picture = done;
    }
  for (TsGeneralData& section : tables.Sections)
    for (TsGenState& state : section.States)
      ShiftState(state, shift);
  data.Shadow1Color = ShiftColor(data.Shadow1Color, shift);
  data.BorderColor = ShiftColor(data.BorderColor, shift);
}
