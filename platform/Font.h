#pragma once
// A control's font: face name, character height in pixels, colour, character set.

#include <string>

#include "platform/Colors.h"

class QFont;

constexpr int DEFAULT_CHARSET = 1;
constexpr int EASTEUROPE_CHARSET = 238;

struct TFont {
  std::string Name = "MS Sans Serif";
  int Height = 11;  // character height in pixels
  TColor Color = clWindowText;
  int Charset = DEFAULT_CHARSET;
  bool Bold = false;

  bool operator==(const TFont&) const = default;
};

// The Qt font for a TFont; Windows face names fall back through fontconfig.
QFont ToQFont(const TFont& font);

// Registers the layout's faces with the application where their files are
// installed; called once the application object exists.
void AddLayoutFonts();
