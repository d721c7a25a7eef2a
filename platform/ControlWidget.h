#pragma once
// The Qt widget behind a control: forwards painting, mouse and key events to it.
// Key events stop here, so a key meant for a focused control never reaches the form.

#include <QWidget>
#include <set>

class TControl;

class ControlWidget : public QWidget {
public:
  explicit ControlWidget(TControl* control, QWidget* parent = nullptr);
  // The control is going away: no more forwarding.
  void Detach() { control_ = nullptr; }
  TControl* Control() const { return control_; }

protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  bool event(QEvent* event) override;

private:
  TControl* control_;
  std::set<int> pressedKeys_;  // Qt keys pressed while this widget had the focus
};

// Virtual-key code of a Qt key (0 for keys without one the program uses).
uint16_t VirtualKeyOf(int qtKey);
