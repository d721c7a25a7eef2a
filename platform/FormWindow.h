#pragma once
// The frameless top-level window of a form: draws the non-client area (or lets
// the form's handler draw it), runs its caption buttons, moves the window by its
// caption and turns window events into the form's events.

#include <QWidget>

class TForm;

class FormWindow : public QWidget {
public:
  explicit FormWindow(TForm* form);
  void Detach() { form_ = nullptr; }
  TForm* Form() const { return form_; }
  // The plain look's caption buttons.
  QRect CloseButtonRect() const;
  QRect MinimizeButtonRect() const;
  // Forgets a hovered or held caption button (the handler changed).
  void ResetButtons();

protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void changeEvent(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

private:
  void PaintPlainFrame(QPainter& painter);
  int HitTest(const QPoint& pos) const;
  int PlainHitTest(const QPoint& pos) const;
  void SetButtons(int hot, int pressed);
  void RunButton(int hit);
  void StartMove(QMouseEvent* event);

  TForm* form_;
  QPoint dragOffset_;
  bool dragging_ = false;
  bool captionPressed_ = false;  // a press the handler took (a title-bar item)
  int hotButton_ = 0;            // TNonClientHit of the hovered caption button, 0: none
  int pressedButton_ = 0;        // the caption button held down, 0: none
};
