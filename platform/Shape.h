#pragma once
// A rectangle shape with a fill colour and an outline (or none).

#include "platform/Control.h"

enum class TPenStyle { psSolid, psClear };

class TShape : public TGraphicControl {
public:
  explicit TShape(TComponent* AOwner) : TGraphicControl(AOwner) {}

  TColor BrushColor() const { return brushColor_; }
  void SetBrushColor(TColor color);
  TColor PenColor() const { return penColor_; }
  void SetPenColor(TColor color);
  TPenStyle PenStyle() const { return penStyle_; }
  void SetPenStyle(TPenStyle style);

protected:
  void Paint(QPainter& canvas) override;

private:
  TColor brushColor_ = clWhite;
  TColor penColor_ = clBlack;
  TPenStyle penStyle_ = TPenStyle::psSolid;
};
