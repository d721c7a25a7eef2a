#pragma once
// A form shaped like the main window (caption, single border, system menu and
// minimise) with a skin manager (see SkinFormFixture.h), and the provider painted
// into a picture as the window would show it.

#include <QImage>

#include "SkinFormFixture.h"

class TsSkinProvider;

class FormTest : public SkinFormTest {
protected:
  FormTest() : SkinFormTest(467, 385, "BIRIGHT=2\nBISPACE=1\n") {}

  // The build's BlackBox skin.
  TsSkinManager* ActivateBlackBox();
  // The provider's painting of the whole window.
  QImage Paint(TsSkinProvider& provider) const;
};

// The 0x00RRGGBB value of a pixel.
unsigned PixelAt(const QImage& image, int x, int y);
