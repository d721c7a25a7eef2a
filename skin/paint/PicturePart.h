#pragma once
// Draws one part of a skin picture (a corner, an edge, a centre, a texture) into
// a rectangle of a face, tiled or stretched, with the transparency its mask asks for.

#include "skin/paint/ParentBackground.h"

enum class TacPartFit { Tile, Stretch };

// How the part lets what lies beneath show through.
enum class TacPartKey {
  Opaque,    // copied as it is
  KeyColor,  // 0xFF00FF pixels are left out
  MaskRows,  // a mask row lies MaskOffset rows below the image: per channel, 0 shows the
             // image, 255 what lies beneath, values between mix the two
  Alpha,     // the picture's own alpha channel (TAlphaFormat tells how its colours hold it)
};

struct TacPictureSource {
  const TBitmap32* Picture = nullptr;
  TPixelRect Part;              // inside Picture; clipped to it before use
  TacPartKey Key = TacPartKey::Opaque;
  int MaskOffset = 0;           // TacPartKey::MaskRows only
  TAlphaFormat Alpha = TAlphaFormat::Straight;
};

// Draws source.Part into rect of target. With `under` set, what shows through a
// transparent pixel is the parent's background instead of the target's pixel
// (corners of a border that lets the parent show).
void DrawPart(TBitmap32& target, const TPixelRect& rect, const TacPictureSource& source, TacPartFit fit,
              const TacParentBackground* under = nullptr);
