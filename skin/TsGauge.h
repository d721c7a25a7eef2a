#pragma once
// A skinned gauge: a bar that shows Progress within MinValue..MaxValue.

#include <string>

#include "platform/Control.h"
#include "skin/TsCommonData.h"

enum class TsGaugeKind { gkHorizontalBar, gkVerticalBar };

class TsGauge : public TGraphicControl {
public:
  explicit TsGauge(TComponent* AOwner);

  int Progress() const { return progress_; }
  // Clamped to the range.
  void SetProgress(int value);
  int MinValue() const { return minValue_; }
  int MaxValue() const { return maxValue_; }
  TsGaugeKind Kind() const { return kind_; }
  void SetKind(TsGaugeKind kind);
  TColor ForeColor() const { return foreColor_; }
  void SetForeColor(TColor color);
  bool ShowText() const { return showText_; }
  void SetShowText(bool value);
  const std::string& Suffix() const { return suffix_; }
  void SetSuffix(const std::string& suffix);

  TsCommonData SkinData{this, nullptr, ckGauge};

protected:
  void Paint(QPainter& canvas) override;

private:
  int progress_ = 47;
  int minValue_ = 0;
  int maxValue_ = 100;
  TsGaugeKind kind_ = TsGaugeKind::gkHorizontalBar;
  TColor foreColor_ = clBlack;
  bool showText_ = true;
  std::string suffix_ = "%";
};
