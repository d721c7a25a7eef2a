#pragma once
// A skinned panel (section "PANEL" by default): a plain colour with its border
// when the section is that simple, else its face from a cache rebuilt when the
// background changed. Tells its children the background under them.

#include <functional>

#include "platform/WinControl.h"
#include "skin/SkinControl.h"

class QPainter;

// Called with the canvas after the panel's face is drawn.
using TPaintEvent = std::function<void(TObject* Sender, QPainter& Canvas)>;

class TsPanel : public TCustomPanel, public TacSkinControl {
public:
  explicit TsPanel(TComponent* AOwner);

  TsCommonData SkinData{this, this, ckPanel};
  TPaintEvent OnPaint;

  void SkinCommand(int code, int argument, TsSkinManager* sender) override;
  TsCommonData& SkinBinding() override { return SkinData; }
  TacBackgroundAnswer ChildBackground(const TControl& child) override;
  void SetBounds(int left, int top, int width, int height) override;

protected:
  void Paint(QPainter& canvas) override;
  void MouseEnter() override;
  void MouseLeave() override;
  void CaptionChanged() override { SkinData.Invalidate(); }
  void EnabledChanged() override { SkinData.Invalidate(); }
  void FontChanged() override { SkinData.Invalidate(); }

private:
  bool PlainPath() const;
  int PlainColor() const;
  // Fills the cache; false when the parent's background is not ready yet.
  bool RebuildCache();
  void PaintCaption(TBitmap32& target) const;
  void PaintOver(QPainter& canvas);
  void PaintChildrenLater();
};
