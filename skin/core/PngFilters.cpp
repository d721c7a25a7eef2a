// PNG row filters and the Adam7 pass layout.
#include "skin/core/PngInternal.h"

#include <cstdlib>

namespace png {

int Header::Channels() const
{
  switch (ColourType) {
  case Rgb: return 3;
  case GreyAlpha: return 2;
  case Rgba: return 4;
  default: return 1;
  }
}

std::vector<Pass> PassesOf(const Header& header)
{
  if (header.Interlace == 0)
    return {Pass{0, 0, 1, 1, header.Width, header.Height}};
  static constexpr uint32_t start[7][2] = {{0, 0}, {4, 0}, {0, 4}, {2, 0}, {0, 2}, {1, 0}, {0, 1}};
  static constexpr uint32_t step[7][2] = {{8, 8}, {8, 8}, {4, 8}, {4, 4}, {2, 4}, {2, 2}, {1, 2}};
  std::vector<Pass> passes;
  for (int i = 0; i < 7; ++i) {
    const auto [x0, y0] = start[i];
    const auto [dx, dy] = step[i];
    const uint32_t width = header.Width > x0 ? (header.Width - x0 + dx - 1) / dx : 0;
    const uint32_t height = header.Height > y0 ? (header.Height - y0 + dy - 1) / dy : 0;
    if (width > 0 && height > 0)  // an empty pass has no rows, not even filter bytes
      passes.push_back({x0, y0, dx, dy, width, height});
  }
  return passes;
}

uint64_t RawSize(const Header& header)
{
  uint64_t total = 0;
  for (const Pass& pass : PassesOf(header))
    total += uint64_t(pass.Height) * (header.RowBytes(pass.Width) + 1);
  return total;
}

namespace {

// The predictor's three distances, written without the estimate itself so that the
// compiler can keep the hot loop free of branches.
inline uint8_t Paeth(int left, int up, int upLeft)
{
  const int toLeft = std::abs(up - upLeft);
  const int toUp = std::abs(left - upLeft);
  const int toUpLeft = std::abs(left + up - 2 * upLeft);
  const int nearer = toUp <= toUpLeft ? up : upLeft;
  return uint8_t(toLeft <= toUp && toLeft <= toUpLeft ? left : nearer);
}

}  // namespace

void UnfilterRow(uint8_t filter, uint8_t* row, const uint8_t* prior, size_t length, size_t stride)
{
  switch (filter) {
  case 0:
    return;
  case 1:
    for (size_t i = stride; i < length; ++i)
      row[i] = uint8_t(row[i] + row[i - stride]);
    return;
  case 2:
    for (size_t i = 0; i < length; ++i)
      row[i] = uint8_t(row[i] + prior[i]);
    return;
  case 3:
    for (size_t i = 0; i < length; ++i)
      row[i] = uint8_t(row[i] + ((i >= stride ? row[i - stride] : 0) + prior[i]) / 2);
    return;
  case 4:
    for (size_t i = 0; i < stride && i < length; ++i)
      row[i] = uint8_t(row[i] + prior[i]);
    for (size_t i = stride; i < length; ++i)
      row[i] = uint8_t(row[i] + Paeth(row[i - stride], prior[i], prior[i - stride]));
    return;
  default:
    Fail("Cannot load image. Compression error found in %s file.");
  }
}

}  // namespace png
