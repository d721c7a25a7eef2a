#pragma once
// The frameless native child the web view is laid into. It tells when it was first
// painted, so that the engine can start after the window's first paint.
//
// The view itself is a window of its own, made a child of this one on the X server:
// it is composed through OpenGL there alone, while the program's own windows stay
// plain raster ones, which start without OpenGL and cost little to repaint.

#include <QWidget>
#include <functional>
#include <memory>

class BrowserHost : public QWidget {
public:
  BrowserHost();
  // Ends the view's window before this one, which holds it, goes.
  ~BrowserHost() override;
  bool Painted() const { return painted_; }
  // Called once, from the event loop, after the first paint.
  std::function<void()> OnFirstPaint;
  // Whether the view gets a window of its own: only X11 gives child windows;
  // elsewhere (the offscreen tests) it is drawn into this widget.
  static bool ViewsOwnWindow();
  // Takes the parentless view and shows it over this widget's whole area.
  void Embed(QWidget* view);

protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

private:
  bool painted_ = false;
  std::unique_ptr<QWidget> view_;
};
