#pragma once
// TsGauge: a skinned, non-windowed gauge (bar, pie, needle or text) that shows
// Progress within MinValue..MaxValue. Skinned bars carry a moving glow.
// User-interface thread only.

#include <functional>
#include <string>

#include "platform/Control.h"
#include "skin/SkinControl.h"
#include "skin/paint/GaugeFace.h"
#include "skin/paint/GlowSweep.h"

class TTimer;

enum class TBorderStyle { bsNone, bsSingle };
using TPrintTextEvent = std::function<void(TObject* Sender, std::string& TextToPrint)>;

class TsGauge : public TGraphicControl, public TacSkinControl {
public:
  explicit TsGauge(TComponent* AOwner);
  ~TsGauge() override;

  int Progress() const { return progress_; }
  // Clamped to MinValue..MaxValue; OnChange follows any change.
  void SetProgress(int value);
  int MinValue() const { return minValue_; }
  // Throws EInvalidOperation for a value above MaxValue.
  void SetMinValue(int value);
  int MaxValue() const { return maxValue_; }
  // Throws EInvalidOperation for a value below MinValue.
  void SetMaxValue(int value);
  int Percent() const;

  TsGaugeKind Kind() const { return kind_; }
  void SetKind(TsGaugeKind kind) { Store(kind_, kind); }
  bool ShowText() const { return showText_; }
  void SetShowText(bool value) { Store(showText_, value); }
  bool CalcPercents() const { return calcPercents_; }
  void SetCalcPercents(bool value) { Store(calcPercents_, value); }
  TBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TBorderStyle style) { Store(borderStyle_, style); }
  TColor BackColor() const { return backColor_; }
  void SetBackColor(TColor color) { Store(backColor_, color); }
  TColor ForeColor() const { return foreColor_; }
  void SetForeColor(TColor color) { Store(foreColor_, color); }
  const std::string& Suffix() const { return suffix_; }
  void SetSuffix(const std::string& suffix) { Store(suffix_, suffix); }
  const std::string& ProgressSkin() const { return progressSkin_; }
  void SetProgressSkin(const std::string& section);
  bool Animated() const { return animated_; }
  void SetAnimated(bool value);
  // Whether the glow timer runs.
  bool Animating() const;

  // The gauge's text as drawn: the number, the suffix, then OnPaintText.
  std::string TextToPrint();
  // One glow tick, as the 22 ms timer runs it.
  void GlowTick();
  void SkinCommand(int code, int argument, TsSkinManager* sender) override;
  TsCommonData& SkinBinding() override { return SkinData; }
  TacBackgroundAnswer ChildBackground(const TControl&) override { return TacParentBackground::OfColor(Color()); }
  void SetBounds(int left, int top, int width, int height) override;

  TsCommonData SkinData{this, this, ckGauge};
  TNotifyEvent OnChange;
  TPrintTextEvent OnPaintText;

protected:
  void Paint(QPainter& canvas) override;

private:
  template <class T>
  void Store(T& field, const T& value)
  {
    if (field == value)
      return;
    field = value;
    Invalidate();
  }
  bool Skinned() const { return SkinData.Skinned(); }
  int BarLength() const;
  void DropFilledCache();
  // Builds the skinned face into face_; false while the parent is not ready.
  bool BuildFace();
  TacGaugeFace FaceInput();
  void PaintShapes(TBitmap32& face) const;
  void RestUntilNextSweep();

  int progress_ = 47;
  int minValue_ = 0;
  int maxValue_ = 100;
  TsGaugeKind kind_ = TsGaugeKind::gkHorizontalBar;
  bool showText_ = true;
  bool calcPercents_ = true;
  bool animated_ = true;
  TBorderStyle borderStyle_ = TBorderStyle::bsSingle;
  TColor backColor_ = clWhite;
  TColor foreColor_ = clBlack;
  std::string suffix_ = "%";
  std::string progressSkin_;

  TTimer* timer_;  // owned as a component
  TacGlowSweep sweep_;
  TBitmap32 glow_;  // the glow picture for the bar's thickness
  TacFilledCache filledCache_;
  TBitmap32 face_;       // the face being shown
  TBitmap32 shownFace_;  // the face last copied to the screen
  bool resting_ = false;  // the timer waits for the next sweep in one long interval
  bool faceReady_ = false;  // face_ was built by the glow tick for the paint it asks for
};
