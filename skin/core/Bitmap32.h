#pragma once
// A 32-bit picture in BGRA byte order (QImage::Format_ARGB32 on little-endian),
// rows top-down, no padding. Decoded pictures shared by the skin tables are
// immutable once made (hold them as std::shared_ptr<const TBitmap32>).

#include <cstdint>
#include <vector>

struct TBitmap32 {
  int Width = 0;
  int Height = 0;
  // True when the picture carries a meaningful alpha channel (held with 32 bits
  // per pixel in the original sense); false: alpha bytes are 255 and drawing copies.
  bool HasAlpha = false;
  std::vector<uint8_t> Pixels;  // Width * Height * 4 bytes

  TBitmap32() = default;
  TBitmap32(int width, int height) : Width(width), Height(height), Pixels(size_t(width) * size_t(height) * 4, 0) {}

  bool Empty() const { return Width <= 0 || Height <= 0; }
  uint8_t* Scanline(int y) { return Pixels.data() + size_t(y) * size_t(Width) * 4; }
  const uint8_t* Scanline(int y) const { return Pixels.data() + size_t(y) * size_t(Width) * 4; }
};
