#pragma once
// A skinned push button with an optional glyph; Down keeps it pressed.

#include <QImage>

#include "platform/WinControl.h"
#include "skin/TsCommonData.h"

class TsBitBtn : public TWinControl {
public:
  explicit TsBitBtn(TComponent* AOwner);

  bool Down() const { return down_; }
  void SetDown(bool value);
  const QImage& Glyph() const { return glyph_; }
  void SetGlyph(const QImage& glyph);

  TsCtrlSkinData SkinData{this, nullptr, ckBitBtn};

protected:
  void Paint(QPainter& canvas) override;
  void KeyUp(uint16_t& key, TShiftState shift) override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseEnter() override { Invalidate(); }
  void MouseLeave() override { Invalidate(); }

private:
  bool down_ = false;
  QImage glyph_;
};
