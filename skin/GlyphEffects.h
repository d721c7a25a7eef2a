#pragma once
// The looks of a button's glyph: greyed, blended, mirrored below, and drawn on a
// face bitmap. How they are computed is ours: grey is the luminance
// (0.299 R + 0.587 G + 0.114 B), blending scales the alpha, the reflection is the
// lower half mirrored with its alpha fading from 30 % to 0.

#include <QImage>

#include "skin/core/Bitmap32.h"

QImage GrayedGlyph(const QImage& glyph);
// Percent 0: as it is; 100: invisible.
QImage BlendedGlyph(const QImage& glyph, int percent);
// Draws the glyph at (x, y) on the face; with `reflected`, its reflection right below it.
void DrawGlyph(TBitmap32& face, const QImage& glyph, int x, int y, bool reflected);
// Every pixel of the face grey (its luminance).
void GrayFace(TBitmap32& face);
