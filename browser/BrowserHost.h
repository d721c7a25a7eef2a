#pragma once
// The frameless widget the web view lives in. It tells when it was first
// painted, so that the engine can start after the window's first paint.

#include <QWidget>
#include <functional>

class BrowserHost : public QWidget {
public:
  BrowserHost();
  bool Painted() const { return painted_; }
  // Called once, from the event loop, after the first paint.
  std::function<void()> OnFirstPaint;

protected:
  void paintEvent(QPaintEvent* event) override;

private:
  bool painted_ = false;
};
