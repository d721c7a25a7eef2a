#pragma once
// A form with a skin manager over skins written to a temporary folder; the skin
// engine's window broadcast installed as in the program.

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

#include "platform/Form.h"
#include "skin/core/SkinManager.h"

class SkinFormTest : public ::testing::Test {
protected:
  // A form of width x height; every written skin's GLOBALINFO gets `globalInfo` lines too.
  SkinFormTest(int width, int height, std::string globalInfo = {});

  void SetUp() override;
  void TearDown() override;

  // Writes Skins/<name>/Options.dat with a GLOBALINFO section and the given sections.
  void WriteSkin(const std::string& name, const std::string& sections);
  // A manager owned by the form, stored inactive, then pointed at `directory`
  // (default: the written skins) and activated.
  TsSkinManager* ActivateSkin(const std::string& name, const std::string& directory = {});

  std::filesystem::path dir_;
  std::unique_ptr<TForm> form_;

private:
  int width_;
  int height_;
  std::string globalInfo_;
};
