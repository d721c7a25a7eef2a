#pragma once
// The published option groups of TsSkinManager. Plain data: the engine's
// user-interface side reads them; the data core only stores them.

#include "skin/core/SkinRecords.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

struct TacSkinEffects {
  bool AllowGlowing = true;
  bool AllowAeroBluring = true;
};

enum class TacAnimType { atFading, atAero };

struct TacAnimation {
  bool Active = true;
  int Time = 0;
  TacAnimType Mode = TacAnimType::atAero;
};

enum TacButtonEvent : uint8_t { beMouseEnter = 1, beMouseLeave = 2, beMouseDown = 4, beMouseUp = 8 };

struct TacBlendOnMoving {
  bool Active = false;
  int BlendValue = 170;
  int Time = 1000;
};

struct TacAnimEffects {
  TacBlendOnMoving BlendOnMoving;
  uint8_t ButtonEvents = beMouseEnter | beMouseLeave | beMouseDown | beMouseUp;
  TacAnimation DialogShow{true, 0, TacAnimType::atAero};
  TacAnimation FormShow;
  TacAnimation FormHide;
  TacAnimation DialogHide;
  TacAnimation Minimizing{true, 200, TacAnimType::atAero};
  TacAnimation PageChange;
  TacAnimation SkinChanging{true, 100, TacAnimType::atFading};
};

struct TacMenuSupport {
  std::string IcoLineSkin;  // "ICOLINE" when empty at load
  bool UseExtraLine = false;
  int ExtraLineWidth = 32;
  std::string ExtraLineFontName = "MS Sans Serif";
  int ExtraLineFontSize = 11;
  uint8_t AlphaBlend = 255;
};

enum TacSkinningRule : uint8_t { srStdForms = 1, srStdDialogs = 2, srThirdParty = 4 };
using TacSkinningRules = uint8_t;

// Class-name lists (one name a line) treated like the standard control of each kind.
struct TacThirdPartyList {
  static constexpr int Count = 21;
  static const std::array<const char*, Count> Names;  // "ThirdEdits", "ThirdButtons", ...
  std::array<std::string, Count> Texts;
  TacThirdPartyList();
  // Empty texts get their defaults: "TButton" for ThirdButtons, a blank elsewhere.
  void FillDefaults();
  // The case-sensitive lists the manager keeps, in the order of Names.
  std::vector<std::vector<std::string>> Lists() const;
};

struct TsStoredSkin {
  std::string Name;
  TBitmapRef MasterBitmap;
  int Shadow1Color = 0;
  int Shadow1Offset = 0;
  int Shadow1Blur = -1;
  int Shadow1Transparency = 0;
  int BorderColor = 0xFF00FF;
  double Version = 0;
  std::string Author, Description;
  std::vector<uint8_t> Data;  // the bytes of a packed skin
};
