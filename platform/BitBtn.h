#pragma once
// A push button with a glyph (TBitBtn): a picture strip of NumGlyphs pictures
// (up, disabled, down, held down) laid out beside the caption by Layout, Margin
// and Spacing; the form's default button shows a frame. Clicked by the left
// mouse button, Space or Enter. Drawn in the platform's standard look.

#include <QImage>
#include <QRect>
#include <QRegion>

#include "platform/WinControl.h"

enum class TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };

// Where the glyph and the caption go inside a button.
struct TButtonPlaces {
  QRect Glyph;    // empty without glyph
  QRect Caption;  // the rest, for the caption
};

class TBitBtn : public TWinControl {
public:
  explicit TBitBtn(TComponent* AOwner);

  const QImage& Glyph() const { return glyph_; }
  void SetGlyph(const QImage& glyph);
  int NumGlyphs() const { return numGlyphs_; }
  void SetNumGlyphs(int value);  // 1..4
  TButtonLayout Layout() const { return layout_; }
  void SetLayout(TButtonLayout value);
  int Margin() const { return margin_; }  // -1: glyph and caption centred together
  void SetMargin(int value);
  int Spacing() const { return spacing_; }
  void SetSpacing(int value);
  bool Default() const { return default_; }
  void SetDefault(bool value);

  // Picture `index` of the strip (0 up, 1 disabled, 2 down, 3 held); the up
  // picture stands in for one the strip lacks.
  QImage GlyphPicture(int index) const;
  // Places of a glyph of glyphSize and a caption of captionSize inside rect.
  TButtonPlaces Places(const QRect& rect, QSize glyphSize, QSize captionSize) const;
  // The platform reports the button pushed: held by the left mouse button or by Space.
  bool Pushed() const { return MousePressed() || spaceHeld_; }
  // Only the region's pixels belong to the button; an empty region: all of them.
  void SetWindowRegion(const QRegion& region);

protected:
  void Paint(QPainter& canvas) override;
  void KeyDown(uint16_t& key, TShiftState shift) override;
  void KeyUp(uint16_t& key, TShiftState shift) override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseEnter() override;
  void MouseLeave() override;
  // Something that changes the face happened (state, picture, layout).
  virtual void FaceChanged() { Invalidate(); }

private:
  QImage glyph_;
  int numGlyphs_ = 1;
  TButtonLayout layout_ = TButtonLayout::blGlyphLeft;
  int margin_ = -1;
  int spacing_ = 4;
  bool default_ = false;
  bool spaceHeld_ = false;
};
