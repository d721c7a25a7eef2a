#pragma once
// Windowed controls: containers that can take the keyboard focus and, on
// request, own a native X11 window.

#include <cstdint>
#include <vector>

#include "platform/Control.h"

class TWinControl : public TControl {
public:
  explicit TWinControl(TComponent* AOwner, TNativeWindow native = TNativeWindow::No);
  // Frees the child controls first, as their widgets live in this one.
  ~TWinControl() override;
  // A control with a native window of its own gets it as soon as it has a parent.
  void SetParent(TWinControl* parent) override;

  const std::vector<TControl*>& Controls() const { return controls_; }
  int TabOrder() const { return tabOrder_; }
  void SetTabOrder(int order);
  bool TabStop() const { return tabStop_; }
  void SetTabStop(bool value);
  void SetFocus();
  bool Focused() const;
  // The native window id; asking for it creates the native window if there is none yet.
  uintptr_t Handle();
  bool HasNativeWindow() const { return native_ == TNativeWindow::Yes; }

private:
  friend class TControl;
  void AddControl(TControl* control);
  void RemoveControl(TControl* control);
  void UpdateTabChain();

  std::vector<TControl*> controls_;
  int tabOrder_ = -1;
  bool tabStop_ = false;
  TNativeWindow native_;
};

enum class TBevelCut { bvNone, bvLowered, bvRaised };

// A panel: a windowed control that shows its caption centred and a bevel.
class TCustomPanel : public TWinControl {
public:
  explicit TCustomPanel(TComponent* AOwner, TNativeWindow native = TNativeWindow::No);

  TBevelCut BevelOuter() const { return bevelOuter_; }
  void SetBevelOuter(TBevelCut bevel);
  bool Ctl3D() const { return ctl3D_; }
  void SetCtl3D(bool value) { ctl3D_ = value; }
  bool ParentCtl3D() const { return parentCtl3D_; }
  void SetParentCtl3D(bool value) { parentCtl3D_ = value; }

protected:
  void Paint(QPainter& canvas) override;

private:
  TBevelCut bevelOuter_ = TBevelCut::bvRaised;
  bool ctl3D_ = true;
  bool parentCtl3D_ = true;
};
