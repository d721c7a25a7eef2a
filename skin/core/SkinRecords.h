#pragma once
// The records of the skin tables: sections with their two state records, masks
// (regions of pictures with nine-part margins) and patterns (large JPEG textures).
// Pictures are shared and immutable once decoded.

#include <cstddef>  // before Bitmap32.h, which uses size_t without it

#include "skin/core/Bitmap32.h"

#include <array>
#include <memory>
#include <string>
#include <vector>

using TBitmapRef = std::shared_ptr<const TBitmap32>;

struct TacRect {
  int Left = 0, Top = 0, Right = 0, Bottom = 0;
  int Width() const { return Right - Left; }
  int Height() const { return Bottom - Top; }
};

struct TsGradientBand {
  int Color1 = 0, Color2 = 0;
  int Percent = 0;  // 0..100
  int Kind = 0;     // 0, 1 or 2
};

enum TacContourSide { tcLeft, tcTop, tcRight, tcBottom };

struct TsGenState {
  int Color = 0xFFFFFF;
  int FontColor = 0;
  std::array<int, 4> TextContour{-1, -1, -1, -1};  // indexed by TacContourSide; -1: none
  int GradientPercent = 0;
  std::string GradientData;
  std::vector<TsGradientBand> GradientArray;
  int ImagePercent = 0;
  int TextureIndex = -1;
  int GlowColor = 0xFFFFFF;
  int GlowSize = 0;
  int Transparency = 0;
};

// One section of the options file; index 0 of States is normal, 1 hot.
struct TsGeneralData {
  std::string SectionName;
  std::string ParentClass;
  int StateCount = 3;
  std::array<TsGenState, 2> States;
  bool GiveOwnFont = false, ReservedBoolean = false, ShowFocus = false, FadingEnabled = false;
  int FadingIterations = 5;
  int GlowCount = 0, GlowMargin = 0;
  int BorderMaskIndex = -1;
  int ImgTopLeft = -1, ImgTopRight = -1, ImgBottomLeft = -1, ImgBottomRight = -1;
};

enum TacEntryKind { ekRegion = 0, ekTexture = 1, ekPlainRegion = 2 };

struct TsMaskData {
  TBitmapRef Picture;  // null: a region of the master bitmap
  std::string SectionName, KeyName;
  TacRect Area;
  int FrameCount = 1;
  int MaskRows = 0;  // 0: colour-keyed frame; n > 0: image row plus n mask rows; -1: no height
  int DefaultMargin = 0;
  int MarginLeft = 0, MarginTop = 0, MarginRight = 0, MarginBottom = 0;
  int DrawFlags = 0;
  int EntryKind = ekRegion;
  int CornerKind = 0;

  int FrameWidth() const { return FrameCount > 0 ? Area.Width() / FrameCount : 0; }
  int FrameHeight() const { return MaskRows < 0 ? 0 : Area.Height() / (MaskRows + 1); }
  int EffectiveLeft() const { return Effective(MarginLeft, FrameWidth()); }
  int EffectiveTop() const { return Effective(MarginTop, FrameHeight()); }
  int EffectiveRight() const { return Effective(MarginRight, FrameWidth()); }
  int EffectiveBottom() const { return Effective(MarginBottom, FrameHeight()); }

private:
  int Effective(int own, int frame) const { return own > 0 ? own : DefaultMargin > 0 ? DefaultMargin : frame; }
};

struct TsPatternData {
  TBitmapRef Picture;
  std::string SectionName, KeyName;
};
