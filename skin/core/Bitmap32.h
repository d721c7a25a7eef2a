#pragma once
// A 32-bit picture in BGRA byte order (QImage::Format_ARGB32 on little-endian),
// rows top-down, no padding. Decoded pictures shared by the skin tables are
// immutable once made (hold them as std::shared_ptr<const TBitmap32>).

#include <cstddef>
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

// A rectangle on a bitmap, in pixels.
struct TPixelRect {
  int Left = 0;
  int Top = 0;
  int Width = 0;
  int Height = 0;
};

// Mirrored: a vertically mirrored copy of the picture's lower half is drawn right
// below it (half the picture's height), as the picture class' reflection flag asks.
enum class TReflection { None, Mirrored };

// Straight: colour channels are independent of alpha (decoded PNG pictures).
// Premultiplied: colour channels were multiplied by alpha already (newer skin pictures).
enum class TAlphaFormat { Straight, Premultiplied };

// The transparent colour of skin pictures, as 0x00BBGGRR (symmetric, so the same in BGRA).
constexpr uint32_t TransparentColor = 0xFF00FF;

// Blends one BGRA source pixel over one BGRA target pixel.
void BlendPixel(uint8_t* target, const uint8_t* source, TAlphaFormat format);

// Nearest-neighbour stretching of all four channels (colour-on-colour): rows and
// columns are dropped or repeated, never mixed.
TBitmap32 StretchBitmap(const TBitmap32& picture, int width, int height);

// Draws a picture into rect of target (clipped to the target). A picture with alpha
// is blended, any other picture is copied; a rect of another size stretches it first.
void DrawPicture(TBitmap32& target, const TBitmap32& picture, const TPixelRect& rect,
                 TReflection reflection = TReflection::None, TAlphaFormat format = TAlphaFormat::Straight);

// Sets every alpha byte to 255 and HasAlpha to false: a picture that came without
// alpha, held in 32 bits.
void MakeOpaque(TBitmap32& picture);

// True when the BGRA pixel has the colour 0xFF00FF (alpha is not looked at).
bool IsTransparentColor(const uint8_t* pixel);

// Copies sourceRect of source to (left, top) of target, skipping 0xFF00FF pixels.
void CopyWithTransparentColor(TBitmap32& target, int left, int top, const TBitmap32& source,
                              const TPixelRect& sourceRect);
