// Conversion of PNG samples (any colour type and bit depth) to BGRA pixels.
#include "skin/core/PngInternal.h"

#include <cmath>

namespace png {

namespace {

// Gamma of the display the corrected picture is meant for.
constexpr double DisplayGamma = 2.2;

template <int Depth>
uint16_t Sample(const uint8_t* row, size_t index)
{
  if constexpr (Depth == 8) {
    return row[index];
  } else if constexpr (Depth == 16) {
    return uint16_t(row[2 * index] << 8 | row[2 * index + 1]);
  } else {
    const size_t bit = index * Depth;
    return uint16_t((row[bit >> 3] >> (8 - Depth - (bit & 7))) & ((1 << Depth) - 1));
  }
}

// Scales a sample to 8 bits.
template <int Depth>
uint8_t Scale(uint16_t value)
{
  if constexpr (Depth == 16)
    return uint8_t((uint32_t(value) * 255 + 32767) / 65535);
  else
    return uint8_t(value * (255 / ((1 << Depth) - 1)));
}

inline void Put(uint8_t* out, uint8_t blue, uint8_t green, uint8_t red, uint8_t alpha)
{
  out[0] = blue;
  out[1] = green;
  out[2] = red;
  out[3] = alpha;
}

template <int Depth>
void ConvertGrey(const RowConverter& rc, const uint8_t* row, uint32_t count, uint8_t* out, bool withAlpha)
{
  const int channels = withAlpha ? 2 : 1;
  for (uint32_t x = 0; x < count; ++x, out += 4) {
    const uint16_t value = Sample<Depth>(row, size_t(x) * channels);
    const uint8_t grey = rc.Level[Scale<Depth>(value)];
    uint8_t alpha = 255;
    if (withAlpha)
      alpha = Scale<Depth>(Sample<Depth>(row, size_t(x) * 2 + 1));
    else if (rc.Key && (*rc.Key)[0] == value)
      alpha = 0;
    Put(out, grey, grey, grey, alpha);
  }
}

template <int Depth>
void ConvertRgb(const RowConverter& rc, const uint8_t* row, uint32_t count, uint8_t* out, bool withAlpha)
{
  const size_t channels = withAlpha ? 4 : 3;
  for (uint32_t x = 0; x < count; ++x, out += 4) {
    const size_t base = size_t(x) * channels;
    const uint16_t red = Sample<Depth>(row, base);
    const uint16_t green = Sample<Depth>(row, base + 1);
    const uint16_t blue = Sample<Depth>(row, base + 2);
    uint8_t alpha = 255;
    if (withAlpha)
      alpha = Scale<Depth>(Sample<Depth>(row, base + 3));
    else if (rc.Key && (*rc.Key)[0] == red && (*rc.Key)[1] == green && (*rc.Key)[2] == blue)
      alpha = 0;
    Put(out, rc.Level[Scale<Depth>(blue)], rc.Level[Scale<Depth>(green)], rc.Level[Scale<Depth>(red)], alpha);
  }
}

template <int Depth>
void ConvertPalette(const RowConverter& rc, const uint8_t* row, uint32_t count, uint8_t* out)
{
  for (uint32_t x = 0; x < count; ++x, out += 4) {
    const uint8_t* entry = rc.PaletteBgra.data() + size_t(Sample<Depth>(row, x)) * 4;
    Put(out, entry[0], entry[1], entry[2], entry[3]);
  }
}

template <int Depth>
void ConvertDepth(const RowConverter& rc, const uint8_t* row, uint32_t count, uint8_t* out)
{
  switch (rc.Head.ColourType) {
  case Grey: return ConvertGrey<Depth>(rc, row, count, out, false);
  case GreyAlpha: return ConvertGrey<Depth>(rc, row, count, out, true);
  case Rgb: return ConvertRgb<Depth>(rc, row, count, out, false);
  case Rgba: return ConvertRgb<Depth>(rc, row, count, out, true);
  default:
    if constexpr (Depth <= 8)
      return ConvertPalette<Depth>(rc, row, count, out);
  }
  Fail("Color conversion failed. Could not find a proper method.");
}

}  // namespace

RowConverter::RowConverter(const Header& header, const Colours& colours) : Head(header), Key(colours.Key)
{
  const double exponent = colours.Gamma > 0 ? 1.0 / (colours.Gamma * DisplayGamma) : 1.0;
  for (int i = 0; i < 256; ++i)
    Level[size_t(i)] = uint8_t(std::lround(255.0 * std::pow(i / 255.0, exponent)));
  for (size_t i = 0; i < 256; ++i) {
    const bool listed = int(i) < colours.PaletteSize;
    uint8_t* entry = PaletteBgra.data() + i * 4;
    entry[0] = listed ? Level[colours.Palette[i * 3 + 2]] : 0;  // indexes past the palette read black
    entry[1] = listed ? Level[colours.Palette[i * 3 + 1]] : 0;
    entry[2] = listed ? Level[colours.Palette[i * 3]] : 0;
    entry[3] = listed && colours.PaletteTransparency ? colours.PaletteAlpha[i] : 255;
  }
}

void RowConverter::Convert(const uint8_t* row, uint32_t count, uint8_t* bgra) const
{
  switch (Head.BitDepth) {
  case 1: return ConvertDepth<1>(*this, row, count, bgra);
  case 2: return ConvertDepth<2>(*this, row, count, bgra);
  case 4: return ConvertDepth<4>(*this, row, count, bgra);
  case 8: return ConvertDepth<8>(*this, row, count, bgra);
  default: return ConvertDepth<16>(*this, row, count, bgra);
  }
}

}  // namespace png
