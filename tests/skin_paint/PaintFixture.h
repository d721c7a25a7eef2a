#pragma once
// Skin tables made by hand for the painting tests: one section, masks on small
// pictures drawn column by column.

#include <initializer_list>

#include "skin/core/SkinTables.h"
#include "skin/paint/FaceSource.h"

// 0x00BBGGRR of the pixel at (x, y).
int PixelAt(const TBitmap32& bitmap, int x, int y);

// A picture whose columns have the given colours, `height` rows high.
TBitmapRef Columns(std::initializer_list<int> colors, int height);

struct PaintFixture {
  TacSkinTables Tables;

  // Adds a section (StateCount states, normal colour) and returns its index.
  int AddSection(const char* name, int color, int states = 1);
  // Adds a mask over the whole picture and returns its index.
  int AddMask(TBitmapRef picture, int frames, int margin, int drawFlags = 0, int maskRows = 0);
  TacFaceSource Source(int section, int borderMask = -1) const;
};
