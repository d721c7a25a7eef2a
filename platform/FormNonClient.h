#pragma once
// What a form's self-drawn caption and frame may be handed to: the skin's form
// provider paints them and says where its caption buttons are. The window keeps
// the button interaction itself, as the platform does for its caption buttons:
// hover shows the hot face, a press the pressed face, and the command runs when
// the button is released over the same button.

class QPainter;
class QPoint;
class QRect;

// Hit-test codes of the platform's non-client area.
enum TNonClientHit : int {
  HTNOWHERE = 0,
  HTCLIENT = 1,
  HTCAPTION = 2,
  HTMINBUTTON = 8,
  HTMAXBUTTON = 9,
  HTCLOSE = 20,
  HTHELP = 21,
};

// User-interface thread only. The form does not own it; the owner removes it
// from the form (TForm::SetNonClientHandler(nullptr)) before it goes.
class TNonClientHandler {
public:
  // Paints caption and frame (window coordinates); `dirty` is what needs it.
  virtual void PaintNonClient(QPainter& canvas, const QRect& dirty) = 0;
  // The part of the window under a point in window coordinates.
  virtual int HitTest(const QPoint& pos) const = 0;
  // The caption button under the mouse and the one held down (HTNOWHERE: none)
  // changed; returns the window rectangle that needs repainting.
  virtual QRect SetButtonStates(int hot, int pressed) = 0;
  // The left button went down or up in the caption off the window buttons, or the
  // mouse moved over the caption. A press that returns true is taken: the window
  // does not start moving. Each returns the rectangle to repaint (may be empty).
  virtual bool CaptionMouseDown(const QPoint& pos, QRect& repaint) = 0;
  virtual QRect CaptionMouseUp(const QPoint& pos) = 0;
  virtual QRect CaptionMouseMove(const QPoint& pos) = 0;
  // The window was activated or deactivated, resized or retitled.
  virtual void FrameChanged() = 0;

protected:
  ~TNonClientHandler() = default;
};
