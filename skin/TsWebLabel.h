#pragma once
// TsWebLabel: a label with a hand cursor and a hover font that opens its URL
// through the desktop's opener when the left button is pressed on it.

#include <string>

#include "skin/TsLabel.h"

enum class TsWindowShowMode {
  soHide, soNormal, soShowMinimized, soMaximize, soShowNoActivate, soShow, soMinimize, soShowMinNoActive,
  soShowNA, soRestore, soDefault
};

class TsWebLabel : public TsLabel {
public:
  explicit TsWebLabel(TComponent* AOwner);

  const std::string& URL() const { return url_; }
  void SetURL(const std::string& url) { url_ = url; }
  const TFont& HoverFont() const { return hoverFont_; }
  void SetHoverFont(const TFont& font);
  // Kept for the shell's show command; the desktop's opener decides how it shows.
  TsWindowShowMode ShowMode() const { return showMode_; }
  void SetShowMode(TsWindowShowMode mode) { showMode_ = mode; }
  bool MouseAbove() const { return mouseAbove_; }

protected:
  const TFont& ShownFont() const override { return mouseAbove_ && !Designing() ? shownHoverFont_ : Font(); }
  void ApplySkinColors() override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseEnter() override;
  void MouseLeave() override;

private:
  void SetMouseAbove(bool above);

  std::string url_;
  TFont hoverFont_;
  TFont shownHoverFont_;  // HoverFont in the skin's colour
  TsWindowShowMode showMode_ = TsWindowShowMode::soDefault;
  bool mouseAbove_ = false;
};
