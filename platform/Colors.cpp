#include "platform/Colors.h"

#include <QColor>
#include <array>

namespace {

// The classic desktop palette, indexed by system colour number.
constexpr std::array<uint32_t, 31> kSystemColors = {
    0xC8D0D4, 0x984E3A, 0x6A240A, 0x808080, 0xF0F0F0, 0xFFFFFF, 0x000000, 0x000000,
    0x000000, 0xFFFFFF, 0xD4D0C8, 0xD4D0C8, 0x808080, 0x6A240A, 0xFFFFFF, 0xF0F0F0,
    0xA0A0A0, 0x6D6D6D, 0x000000, 0x000000, 0xFFFFFF, 0x404040, 0xE3E3E3, 0x000000,
    0xE1FFFF, 0x000000, 0xCC6600, 0xEAD1B9, 0xF2E4D7, 0xFF9933, 0xF0F0F0,
};

}  // namespace

uint32_t ColorToRGB(TColor color)
{
  if (color < 0) {
    const uint32_t index = static_cast<uint32_t>(color) & 0xFF;
    return index < kSystemColors.size() ? kSystemColors[index] : 0;
  }
  return static_cast<uint32_t>(color) & 0xFFFFFF;
}

QColor ToQColor(TColor color)
{
  const uint32_t rgb = ColorToRGB(color);
  return QColor(rgb & 0xFF, (rgb >> 8) & 0xFF, (rgb >> 16) & 0xFF);
}
