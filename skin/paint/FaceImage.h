#pragma once
// A QImage over a face bitmap's pixels, without a copy: valid while the bitmap
// keeps its size. Faces are opaque, so RGB32 (the default) blits fastest;
// ARGB32 lets QPainter draw onto the face.

#include <QImage>

#include "skin/core/Bitmap32.h"

inline QImage FaceImage(TBitmap32& bitmap, QImage::Format format = QImage::Format_RGB32)
{
  return QImage(bitmap.Pixels.data(), bitmap.Width, bitmap.Height, bitmap.Width * 4, format);
}
