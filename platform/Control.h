#pragma once
// Controls: a component with a place on a parent. Each control is drawn by its
// own Qt widget; later siblings lie above earlier ones. User-interface thread only.

#include <QRect>
#include <cstdint>
#include <string>

#include "platform/Colors.h"
#include "platform/Component.h"
#include "platform/Events.h"
#include "platform/Font.h"

class QPainter;
class QWidget;
class ControlWidget;
class TWinControl;

enum class TAlignment { taLeftJustify, taRightJustify, taCenter };

// Whether a windowed control gets a native window of its own (the video panel does).
enum class TNativeWindow { No, Yes };

class TControl : public TComponent {
public:
  explicit TControl(TComponent* AOwner);
  ~TControl() override;

  TWinControl* Parent() const { return parent_; }
  virtual void SetParent(TWinControl* parent);

  int Left() const { return bounds_.left(); }
  int Top() const { return bounds_.top(); }
  int Width() const { return bounds_.width(); }
  int Height() const { return bounds_.height(); }
  void SetLeft(int value) { SetBounds(value, Top(), Width(), Height()); }
  void SetTop(int value) { SetBounds(Left(), value, Width(), Height()); }
  void SetWidth(int value) { SetBounds(Left(), Top(), value, Height()); }
  void SetHeight(int value) { SetBounds(Left(), Top(), Width(), value); }
  virtual void SetBounds(int left, int top, int width, int height);
  QRect BoundsRect() const { return bounds_; }
  QRect ClientRect() const { return QRect(0, 0, Width(), Height()); }

  bool Visible() const { return visible_; }
  virtual void SetVisible(bool visible);
  void Show() { SetVisible(true); }
  void Hide() { SetVisible(false); }
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);

  TColor Color() const { return color_; }
  void SetColor(TColor color);
  const TFont& Font() const { return font_; }
  void SetFont(const TFont& font);
  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& caption);
  const std::string& Hint() const { return hint_; }
  void SetHint(const std::string& hint);
  bool ShowHint() const { return showHint_; }
  void SetShowHint(bool value);

  void Invalidate();
  void Repaint();
  // Gives this control a native window of its own once the event loop runs (after
  // its parent's window exists): a control that repaints often is then flushed
  // alone, not with the whole form.
  void UseOwnWindow();
  QWidget* Widget() const;

  TNotifyEvent OnClick;
  TMouseEvent OnMouseDown;
  TMouseEvent OnMouseUp;
  TMouseMoveEvent OnMouseMove;
  TNotifyEvent OnMouseEnter;
  TNotifyEvent OnMouseLeave;

protected:
  // For controls that draw themselves; the default fills the control with Color.
  virtual void Paint(QPainter& canvas);
  virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
  virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
  virtual void MouseMove(TShiftState shift, int x, int y);
  virtual void MouseEnter();
  virtual void MouseLeave();
  virtual void Click();
  virtual void KeyDown(uint16_t& /*key*/, TShiftState /*shift*/) {}
  virtual void KeyUp(uint16_t& key, TShiftState shift);
  // The native window was made anew (a new id): whoever was given the old one must get this one.
  virtual void HandleChanged(uintptr_t /*handle*/) {}
  virtual void CaptionChanged() { Invalidate(); }
  virtual void EnabledChanged() { Invalidate(); }
  virtual void FontChanged() { Invalidate(); }
  // The widget that children and content live in (the client area of a form).
  virtual QWidget* ClientWidget() const;
  bool MouseInside() const { return mouseInside_; }
  bool MousePressed() const { return mousePressed_; }

private:
  friend class ControlWidget;
  void ApplyVisibility();

  ControlWidget* widget_ = nullptr;
  TWinControl* parent_ = nullptr;
  QRect bounds_;
  bool visible_ = true;
  bool enabled_ = true;
  bool showHint_ = false;
  bool mouseInside_ = false;
  bool mousePressed_ = false;
  TColor color_ = clBtnFace;
  TFont font_;
  std::string caption_;
  std::string hint_;
};

// A control that never takes the keyboard focus (labels, images, shapes, gauges).
class TGraphicControl : public TControl {
public:
  explicit TGraphicControl(TComponent* AOwner);
};
