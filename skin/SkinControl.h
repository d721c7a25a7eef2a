#pragma once
// What every skinned control is to the engine: a listener of its manager's skin
// commands with a binding, and a parent that tells its children the background
// under them. How the commands reach every control: the manager calls the
// window broadcast installed by StartSkinWindows, which walks every form of the
// application (the last one first) and each of its controls, recursively, and
// hands the command to those that are skinned. Controls therefore need no
// registration and hear the manager whatever the order in which the window
// built them (the panels of the main window exist before its manager).

#include "skin/TsCommonData.h"
#include "skin/core/SkinListener.h"
#include "skin/paint/ParentBackground.h"

class TControl;

class TacSkinControl : public TacSkinListener {
public:
  virtual TsCommonData& SkinBinding() = 0;
  // The background a child sees (skin command 36): std::nullopt while this
  // control's own face is not painted yet.
  virtual TacBackgroundAnswer ChildBackground(const TControl& child) = 0;

protected:
  ~TacSkinControl() = default;
};

// Installs the window broadcast in the skin engine (once, at start-up).
void StartSkinWindows();

// The background under a control: its skinned parent's answer, else the parent's
// colour; std::nullopt while the parent is not ready.
TacBackgroundAnswer QueryParentBackground(const TControl& control);
