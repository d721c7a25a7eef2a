#pragma once
// A form shaped like the main window (caption, single border, system menu and
// minimise) with a skin manager over a skin folder, and the provider painted
// into a picture as the window would show it.

#include <gtest/gtest.h>

#include <QImage>
#include <filesystem>
#include <memory>
#include <string>

#include "platform/Form.h"
#include "skin/core/SkinManager.h"

class TsSkinProvider;

class FormTest : public ::testing::Test {
protected:
  void SetUp() override;
  void TearDown() override;

  // Writes Skins/<name>/Options.dat with a GLOBALINFO section and the given sections.
  void WriteSkin(const std::string& name, const std::string& sections);
  // A manager owned by the form, pointed at `directory` (default: the written skins).
  TsSkinManager* ActivateSkin(const std::string& name, const std::string& directory = {});
  // The build's BlackBox skin.
  TsSkinManager* ActivateBlackBox();
  // The provider's painting of the whole window.
  QImage Paint(TsSkinProvider& provider) const;

  std::filesystem::path dir_;
  std::unique_ptr<TForm> form_;
};

// The 0x00RRGGBB value of a pixel.
unsigned PixelAt(const QImage& image, int x, int y);
