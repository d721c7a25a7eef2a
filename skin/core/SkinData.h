#pragma once
// The skin's global record, read from section "GLOBALINFO" of the options file.

#include <string>

class TacSkinIni;

struct TsSkinData {
  bool InForce = false;  // a skin is loaded and applied
  double Version = 0;
  std::string Author, Description;
  std::string PicturePath;  // folder the pictures come from, with a trailing separator
  std::string MasterBitmap;
  int BorderWidth = 4;
  int TitleHeight = 30;
  int MaxHeight = 0;
  int FormOffset = 0;
  int AlignOffset = 0, CenterOffset = 0;
  int BorderMode = 0;
  int Shadow1Color = 0, Shadow1Offset = 0, Shadow1Blur = -1, Shadow1Transparency = 0;
  int BISpace = 0, BIVAlign = 0, BIRight = 0, BILeft = 0, BITop = 0;
  int BorderColor = 0;
  int BIKeepHue = 0;
  int BICloseGlow = 0, BIMaxGlow = 0, BIMinGlow = 0;
  int BICloseGlowMargin = 0, BIMaxGlowMargin = 0, BIMinGlowMargin = 0;
  int AeroBlur = 0;
  int ExtShadow = 0;
};

inline constexpr char kGlobalInfo[] = "GLOBALINFO";
// The frame width the platform would give a sizeable window (FORMOFFSET's default).
inline constexpr int kSystemFrameWidth = 4;

// Fills the metrics of `data` from "GLOBALINFO"; keeps InForce and PicturePath.
void ReadSkinData(const TacSkinIni& ini, TsSkinData& data);
// VERSION with "." as decimal separator whatever the locale; 0 when absent or bad.
double ReadSkinVersion(const TacSkinIni& ini);
