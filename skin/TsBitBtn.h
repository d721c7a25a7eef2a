#pragma once
// A skinned bitmap button (section "BUTTON" by default). Its face is built in a
// cache for the current state (normal, hot, pressed, default) and faded into
// the next one when the section asks for fading. Down keeps it pressed.

#include <functional>
#include <vector>

#include "platform/BitBtn.h"
#include "skin/FadeAnimation.h"
#include "skin/SkinControl.h"

enum TacAnimatEvent : uint8_t { aeMouseEnter = 1, aeMouseLeave = 2, aeMouseDown = 4, aeMouseUp = 8, aeGlobalDef = 16 };
enum TsDisabledGlyphKindBit : uint8_t { dgBlended = 1, dgGrayed = 2 };
enum TsDisabledKindBit : uint8_t { dkBlended = 1, dkGrayed = 2 };
using TCustomImageList = std::vector<QImage>;
// Called with the face cache after it was built.
using TBmpPaintEvent = std::function<void(TObject* Sender, TBitmap32& Bmp)>;

class TsBitBtn : public TBitBtn, public TacSkinControl {
public:
  explicit TsBitBtn(TComponent* AOwner);
  ~TsBitBtn() override;

  TsCtrlSkinData SkinData{this, this, ckBitBtn};
  TBmpPaintEvent OnPaint;

  // The published look; every setter repaints.
  uint8_t AnimatEvents() const { return animatEvents_; }
  void SetAnimatEvents(uint8_t value) { animatEvents_ = value; }
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment value) { Set(alignment_, value); }
  int Blend() const { return blend_; }
  void SetBlend(int value) { Set(blend_, value); }
  uint8_t DisabledGlyphKind() const { return disabledGlyphKind_; }
  void SetDisabledGlyphKind(uint8_t value) { Set(disabledGlyphKind_, value); }
  uint8_t DisabledKind() const { return disabledKind_; }
  void SetDisabledKind(uint8_t value) { Set(disabledKind_, value); }
  bool Down() const { return down_; }
  void SetDown(bool value) { Set(down_, value); }
  int FocusMargin() const { return focusMargin_; }
  void SetFocusMargin(int value) { Set(focusMargin_, value); }
  bool Grayed() const { return grayed_; }
  void SetGrayed(bool value) { Set(grayed_, value); }
  int ImageIndex() const { return imageIndex_; }
  void SetImageIndex(int value) { Set(imageIndex_, value); }
  const TCustomImageList* Images() const { return images_; }
  void SetImages(const TCustomImageList* value) { Set(images_, value); }  // must outlive the button
  bool Reflected() const { return reflected_; }
  void SetReflected(bool value) { Set(reflected_, value); }
  bool ShowCaption() const { return showCaption_; }
  void SetShowCaption(bool value) { Set(showCaption_, value); }
  bool ShowFocus() const { return showFocus_; }
  void SetShowFocus(bool value) { Set(showFocus_, value); }
  bool DrawOverBorder() const { return drawOverBorder_; }
  void SetDrawOverBorder(bool value) { Set(drawOverBorder_, value); }
  int TextOffset() const { return textOffset_; }
  void SetTextOffset(int value) { Set(textOffset_, value); }
  TAlignment TextAlignment() const { return textAlignment_; }
  void SetTextAlignment(TAlignment value) { Set(textAlignment_, value); }
  bool WordWrap() const { return wordWrap_; }
  void SetWordWrap(bool value) { Set(wordWrap_, value); }

  // The button state rule: 2 pressed, 1 hot, 3 default, 0 normal.
  int CurrentState() const;
  // The state a section paints: 3 becomes 1 on a section of fewer than 4 states,
  // any other is clamped to StateCount - 1.
  static int SectionState(const TsGeneralData& section, int state);

  void SkinCommand(int code, int argument, TsSkinManager* sender) override;
  TsCommonData& SkinBinding() override { return SkinData; }
  TacBackgroundAnswer ChildBackground(const TControl&) override;
  void SetBounds(int left, int top, int width, int height) override;

protected:
  void Paint(QPainter& canvas) override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseEnter() override;
  void MouseLeave() override;
  void FaceChanged() override { SkinData.Invalidate(); }
  void CaptionChanged() override { SkinData.Invalidate(); }
  void EnabledChanged() override { SkinData.Invalidate(); }
  void FontChanged() override { SkinData.Invalidate(); }

private:
  template <class T>
  void Set(T& field, const T& value)
  {
    if (field == value)
      return;
    field = value;
    SkinData.Invalidate();
  }
  // Builds the face of `state` into the cache; false when the parent is not ready.
  bool RebuildCache(int state);
  void PaintContent(TBitmap32& cache, int state);
  QImage CurrentGlyph(int state) const;
  void UpdateRegion(const TsMaskData* border);
  // A mouse event changed the state: fade into the new face when allowed, else repaint.
  void StateEvent(TacAnimatEvent event);
  bool FadeAllowed(TacAnimatEvent event) const;

  uint8_t animatEvents_ = aeGlobalDef;
  TAlignment alignment_ = TAlignment::taCenter;
  int blend_ = 0;
  uint8_t disabledGlyphKind_ = dgBlended;
  uint8_t disabledKind_ = dkBlended;
  bool down_ = false;
  int focusMargin_ = 1;
  bool grayed_ = false;
  int imageIndex_ = -1;
  const TCustomImageList* images_ = nullptr;
  bool reflected_ = false;
  bool showCaption_ = true;
  bool showFocus_ = true;
  bool drawOverBorder_ = true;
  int textOffset_ = 0;
  TAlignment textAlignment_ = TAlignment::taCenter;
  bool wordWrap_ = true;

  int cacheState_ = -1;
  bool hintsWereEnabled_ = true;
  bool regionSet_ = false;
  TacFadeAnimation fade_;
};
