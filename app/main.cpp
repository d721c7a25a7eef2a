// The entry block: the application, its title, the main window, the message loop.

#include "app/DateTimeUnit.h"
#include "app/Main.h"
#include "browser/WebEngineSetup.h"
#include "platform/Application.h"
#include "skin/SkinEngineSetup.h"

int main(int argc, char** argv)
{
  PrepareWebEngine();
  TApplication application(argc, argv);
  application.SetTitle("ZadiZAPlayer");
  StartSkinEngine(argc, argv);
  application.OnSettingChange = [](TObject*) { RefreshFormatSettings(); };
  FormTV = new TFormTV(nullptr);
  FormTV->Show();
  application.Run();
  delete FormTV;
  FormTV = nullptr;
  return 0;
}
