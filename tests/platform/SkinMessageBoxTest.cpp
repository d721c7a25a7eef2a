// The skin engine's messages reach the user in the box of their kind: a skin
// newer than the engine gives a warning box, a failed load an error box.

#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>
#include <fstream>

#include "TestApplication.h"
#include "skin/SkinEngineSetup.h"
#include "skin/core/SkinManager.h"

namespace {

const auto* const g_environment = ::testing::AddGlobalTestEnvironment(new TestApplication);

// Loads a folder skin whose options file is `options`; gives the icon of each box shown.
std::vector<QMessageBox::Icon> BoxesWhileLoading(const std::string& options)
{
  QTemporaryDir skins;
  QDir(skins.path()).mkdir("Newer");
  std::ofstream(skins.filePath("Newer/Options.dat").toStdString()) << options;
  std::vector<QMessageBox::Icon> icons;
  // Each box runs its own loop: answer it from there.
  QTimer answer;
  QObject::connect(&answer, &QTimer::timeout, [&] {
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
      icons.push_back(box->icon());
      box->done(0);
    }
  });
  answer.start(10);
  TsSkinManager manager;
  manager.SetActive(false);
  manager.SetSkinDirectory(skins.path().toStdString());
  manager.SetSkinName("Newer");
  manager.SetActive(true);
  return icons;
}

TEST(SkinMessageBox, NewerSkinWarnsWithTheWarningIcon)
{
  char name[] = "test";
  char* argv[] = {name, nullptr};
  StartSkinEngine(1, argv);
  EXPECT_EQ(BoxesWhileLoading("[GLOBALINFO]\nVERSION=9.5\n"), std::vector{QMessageBox::Warning});
  EXPECT_EQ(BoxesWhileLoading("[GLOBALINFO]\nVERSION=8\n[BAD]\nM=^0\n"), std::vector{QMessageBox::Critical});
}

}  // namespace
