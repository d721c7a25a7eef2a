#pragma once
// The frameless top-level window of a form: draws the non-client area, moves the
// window by its caption and turns window events into the form's events.

#include <QWidget>

class TForm;

class FormWindow : public QWidget {
public:
  explicit FormWindow(TForm* form);
  void Detach() { form_ = nullptr; }
  QRect CloseButtonRect() const;
  QRect MinimizeButtonRect() const;

protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void changeEvent(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

private:
  void PaintPlainFrame(QPainter& painter);

  TForm* form_;
  QPoint dragOffset_;
  bool dragging_ = false;
};
