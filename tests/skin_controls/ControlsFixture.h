#pragma once
// A form with skinned controls and a manager over a skin written to a temporary
// folder; the skin engine's window broadcast installed as in the program.

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

#include "platform/Form.h"
#include "skin/core/SkinManager.h"

class ControlsTest : public ::testing::Test {
protected:
  void SetUp() override;
  void TearDown() override;

  // Writes Skins/<name>/Options.dat with GLOBALINFO and the given sections.
  void WriteSkin(const std::string& name, const std::string& sections);
  // A manager owned by the form, stored inactive, then pointed at the skin.
  TsSkinManager* ActivateSkin(const std::string& name);

  std::filesystem::path dir_;
  std::unique_ptr<TForm> form_;
};
