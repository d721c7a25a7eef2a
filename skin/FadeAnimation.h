#pragma once
// Fades a control's face from one picture into another: a 10 ms timer blends
// the previous face into the new one in a number of steps, step k with weight
// k x 255 / steps, and repaints the control at each step. User-interface thread.

#include <functional>
#include <memory>

#include "skin/core/Bitmap32.h"

class TTimer;

class TacFadeAnimation {
public:
  // `repaint` is called at every step and when the fade ends.
  explicit TacFadeAnimation(std::function<void()> repaint);
  ~TacFadeAnimation();

  // Shows `from` for `delay` ms (0: none), then fades into `to` in `steps` steps (at least 1).
  void Start(const TBitmap32& from, const TBitmap32& to, int steps, int delay = 0);
  void Stop();
  bool Running() const { return running_; }
  // The picture to show while running.
  const TBitmap32& Frame() const { return frame_; }

private:
  void Step();

  std::function<void()> repaint_;
  std::unique_ptr<TTimer> timer_;
  TBitmap32 from_, to_, frame_;
  int step_ = 0, steps_ = 1;
  bool running_ = false;
};
