#pragma once
// Skinned labels: text over the parent's background; the web label opens its
// address in the user's browser when clicked.

#include <string>

#include "platform/Control.h"
#include "skin/TsCommonData.h"


class TsLabel : public TGraphicControl {
public:
  explicit TsLabel(TComponent* AOwner);

  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment alignment);
  bool AutoSize() const { return autoSize_; }
  void SetAutoSize(bool value);
  // False: the label keeps its own font colour under a skin.
  bool UseSkinColor() const { return useSkinColor_; }
  void SetUseSkinColor(bool value) { useSkinColor_ = value; }

  TsCommonData SkinData{this, nullptr, 0};

protected:
  void Paint(QPainter& canvas) override;
  void CaptionChanged() override;
  void FontChanged() override;
  virtual const TFont& ShownFont() const { return Font(); }

private:
  void FitToText();

  TAlignment alignment_ = TAlignment::taLeftJustify;
  bool autoSize_ = true;
  bool useSkinColor_ = true;
};

class TsWebLabel : public TsLabel {
public:
  explicit TsWebLabel(TComponent* AOwner);

  const std::string& URL() const { return url_; }
  void SetURL(const std::string& url) { url_ = url; }
  const TFont& HoverFont() const { return hoverFont_; }
  void SetHoverFont(const TFont& font) { hoverFont_ = font; }

protected:
  void Click() override;
  const TFont& ShownFont() const override { return MouseInside() ? hoverFont_ : Font(); }
  void MouseEnter() override { Invalidate(); }
  void MouseLeave() override { Invalidate(); }

private:
  std::string url_;
  TFont hoverFont_;
};
