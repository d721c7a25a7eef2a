#pragma once
// Hue rotation and saturation change of a loaded skin's pictures and colours.
// 0xFF00FF (the transparent colour) is never changed.

#include "skin/core/SkinRecords.h"

struct TsSkinData;
class TacSkinTables;

struct TacColorShift {
  int HueOffset = 0;   // degrees
  int Saturation = 0;  // percent, taken modulo 101
  bool Empty() const { return HueOffset == 0 && Saturation % 101 == 0; }
};

int ShiftColor(int color, const TacColorShift& shift);
TBitmapRef ShiftBitmap(const TBitmap32& picture, const TacColorShift& shift);

// Applies the shift to the master bitmap, the masks' own pictures, every section
// colour and the skin's shadow and border colours. With BIKEEPHUE the hue of the
// title-button pictures stays as it was.
void ShiftSkin(TacSkinTables& tables, TsSkinData& data, const TacColorShift& shift);
