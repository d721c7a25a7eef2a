#include "skin/core/ShadowTemplates.h"

#include <algorithm>
#include <array>

namespace {

// Alpha of the ten outer rings of the active shadow, outermost first.
constexpr std::array<int, 10> kActiveRamp = {2, 5, 10, 15, 22, 31, 42, 53, 66, 81};
constexpr int kActiveMiddle = 102;
constexpr int kInactiveMiddle = 77;

TBitmapRef MakeShadow(int size, int middle)
{
  auto shadow = std::make_shared<TBitmap32>(size, size);
  shadow->HasAlpha = true;
  for (int y = 0; y < size; ++y)
    for (int x = 0; x < size; ++x) {
      const int ring = std::min({x, y, size - 1 - x, size - 1 - y});
      const int alpha = ring < int(kActiveRamp.size()) ? kActiveRamp[ring] : kActiveMiddle;
      // Black premultiplied stays 0 in the colour channels; only alpha varies.
      shadow->Scanline(y)[x * 4 + 3] = static_cast<uint8_t>(alpha * middle / kActiveMiddle);
    }
  return shadow;
}

}  // namespace

TBitmapRef ShadowTemplate(TacShadowKind kind)
{
  static const TBitmapRef active = MakeShadow(32, kActiveMiddle);
  static const TBitmapRef inactive = MakeShadow(31, kInactiveMiddle);
  return kind == TacShadowKind::Active ? active : inactive;
}
