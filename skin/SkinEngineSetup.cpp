#include "skin/SkinEngineSetup.h"

#include "platform/Application.h"
#include "platform/Colors.h"
#include "skin/SkinControl.h"
#include "skin/core/SkinColors.h"
#include "skin/core/SkinEngine.h"

void StartSkinEngine(int argc, char** argv)
{
  SetSystemColorResolver(&ColorToRGB);
  StartSkinWindows();
  SetSkinMessageHook([](TacMessageKind kind, const std::string& text) {
    if (kind == TacMessageKind::Information)
      TApplication::ShowMessage(text);
    else
      TApplication::ShowError(text);
  });
  InitSkinEngine(std::vector<std::string>(argv + (argc > 0 ? 1 : 0), argv + argc));
}
