#pragma once
// The skinned face of a gauge on a 32-bit bitmap: the gauge section's face, the
// text, and for bars the filled part from the progress section with the glow.

#include <QFont>
#include <string>

#include "skin/paint/FaceSource.h"
#include "skin/paint/ParentBackground.h"

enum class TsGaugeKind { gkText, gkHorizontalBar, gkVerticalBar, gkPie, gkNeedle };

// Everything one paint of the face needs; made fresh for every paint.
struct TacGaugeFace {
  TacFaceSource Gauge;
  TacFaceSource Progress;  // Section -1: no filled part is drawn
  int LightMask = -1;      // the progress section's "LRGN" mask, or -1
  // True for the section "PROGRESSV" of a vertical bar that is not animated: its
  // face is painted upright at the bottom; any other filled part is a strip along the bar.
  bool UprightFill = false;
  TsGaugeKind Kind = TsGaugeKind::gkHorizontalBar;
  int Percent = 0;
  bool Animated = true;
  int GlowPosition = 0;
  const TBitmap32* Glow = nullptr;  // as thick as the bar and the band's length
  std::string Text;                 // empty: no text
  QFont Font;
  bool Enabled = true;
};

// The filled strip without the glow, kept between paints of the same size.
struct TacFilledCache {
  TBitmap32 Strip;
};

// Paints the face into face (resized to width x height). False, with the face
// unusable, when the parent's background is not ready yet.
bool PaintGaugeFace(TBitmap32& face, int width, int height, const TacGaugeFace& gauge,
                    const TacBackgroundAnswer& parent, TacFilledCache& filled);
