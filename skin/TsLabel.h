#pragma once
// TsLabel: a transparent text label whose font colour follows the skin (unless
// UseSkinColor is False). User-interface thread only.

#include <string>

#include "platform/Control.h"
#include "skin/core/SkinListener.h"


class TsLabel : public TGraphicControl, public TacSkinListener {
public:
  explicit TsLabel(TComponent* AOwner);

  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment alignment);
  bool AutoSize() const { return autoSize_; }
  void SetAutoSize(bool value);
  // False: the label keeps its own font colour under any skin.
  bool UseSkinColor() const { return useSkinColor_; }
  void SetUseSkinColor(bool value);

  // A section of the skin that gives the colour and, unless it is the first of
  // the skin, the background. Not stored with the layout; empty by default.
  std::string SkinSection;

  // The skin commands of the default manager.
  void SkinCommand(int code, int argument, TsSkinManager* sender) override;

protected:
  void Paint(QPainter& canvas) override;
  void CaptionChanged() override;
  void FontChanged() override;
  virtual const TFont& ShownFont() const { return Font(); }
  // Brings the font colours in line with the skin, before every paint.
  virtual void ApplySkinColors();
  // The section whose colour the label follows (-1: none), and the skin in force.
  int ColorSection() const;
  static bool SkinInForce();
  // Sets the colour of the normal font without repainting when it already has it.
  void SetFontColor(TColor color);
  void FitToText();

private:
  int OwnSection() const;
  // The colour the text is drawn in: disabled text under a skin fades into the parent.
  TColor TextColor(const TFont& font) const;
  void PaintOwnBackground(QPainter& canvas, int section);

  TAlignment alignment_ = TAlignment::taLeftJustify;
  bool autoSize_ = true;
  bool useSkinColor_ = true;
};
