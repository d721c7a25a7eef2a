// The entry block: the application, its title, the main window, the message loop.

#include <memory>

#include "app/DateTimeUnit.h"
#include "app/Main.h"
#include "app/MediaControls.h"
#include "platform/Application.h"
#include "skin/SkinEngineSetup.h"

int main(int argc, char** argv)
{
  TApplication application(argc, argv);
  application.SetTitle("ZadiZAPlayer");
  StartSkinEngine(argc, argv);
  application.OnSettingChange = [](TObject*) { RefreshFormatSettings(); };
  FormTV = new TFormTV(nullptr);
  FormTV->Show();
  // After the first show, where Qt's accessibility bridge joins the session bus on this
  // thread: Qt serves connection requests one at a time, and ours must not come first.
  auto mediaControls = std::make_unique<TMediaControls>(*FormTV);
  application.Run();
  mediaControls.reset();
  delete FormTV;
  FormTV = nullptr;
  return 0;
}
