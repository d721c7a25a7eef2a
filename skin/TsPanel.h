#pragma once
// A skinned panel (section "PANEL" by default).

#include "platform/WinControl.h"
#include "skin/TsCommonData.h"

class TsPanel : public TCustomPanel {
public:
  explicit TsPanel(TComponent* AOwner) : TCustomPanel(AOwner) { SkinData.SkinSection = "PANEL"; }

  TsCommonData SkinData;

protected:
  // The skin's background for the section when a skin is active, else the plain panel.
  void Paint(QPainter& canvas) override;
};
