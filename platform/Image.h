#pragma once
// An image control: shows a picture, centred or at the top left, optionally
// sized to the picture; a transparent image lets its parent show through.

#include <QImage>

#include "platform/Control.h"

class TImage : public TGraphicControl {
public:
  explicit TImage(TComponent* AOwner);

  const QImage& Picture() const { return picture_; }
  void SetPicture(const QImage& picture);
  bool Center() const { return center_; }
  void SetCenter(bool value);
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool value);
  bool AutoSize() const { return autoSize_; }
  void SetAutoSize(bool value);

protected:
  void Paint(QPainter& canvas) override;

private:
  void FitToPicture();

  QImage picture_;
  bool center_ = false;
  bool transparent_ = false;
  bool autoSize_ = false;
};
