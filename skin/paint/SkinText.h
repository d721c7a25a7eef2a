#pragma once
// Skinned text on a face bitmap: contours, a glow under the text, the disabled
// colour, and the plain and disabled looks without skin. Uses QPainter on the
// bitmap (Qt Gui only).

#include <string>

#include "skin/paint/FaceSource.h"

class QFont;

// Text format bits (the values of Qt::AlignmentFlag and Qt::TextFlag).
namespace TacTextFormat {
constexpr int Left = 0x1, Right = 0x2, HCenter = 0x4, Top = 0x20, Bottom = 0x40, VCenter = 0x80;
constexpr int WordBreak = 0x1000, ExpandTabs = 0x0400, RightToLeft = 0x10000000;
constexpr int EndEllipsis = 0x20000000;  // single-line text that does not fit ends with "..."
}  // namespace TacTextFormat

struct TacTextLook {
  bool Enabled = true;
  bool Hot = false;
  bool WebButton = false;  // the section is "WEBBUTTON": hot text is underlined
};

// Draws text clipped to rect, on a transparent background. Without skin (no
// section) or with CustomFont: OwnFontColor, or for disabled text once shifted by
// one pixel right and down in clBtnHighlight and once in place in clBtnShadow.
// With skin: the state record (hot when look.Hot; the parent section's for a
// partly transparent section), a glow of GlowColor and GlowSize (0..16) under the
// text, disabled text in Mix(FontColor, GlobalColor, 0.4), enabled text in its
// contour colours shifted by one pixel, then in FontColor.
void DrawSkinText(TBitmap32& target, const std::string& text, const TacTextLook& look, const TacFaceSource& source,
                  const QFont& font, int format, const TPixelRect& rect);

// The height the text takes in rect's width with the format's word breaking.
int MeasureSkinText(const std::string& text, const QFont& font, int format, int width);
