#pragma once
// A timer on the user-interface thread. Enabling a timer that is already
// enabled keeps it running undisturbed: its interval is not restarted.

#include <memory>

#include "platform/Component.h"
#include "platform/Events.h"

class QTimer;

class TTimer : public TComponent {
public:
  explicit TTimer(TComponent* AOwner);
  ~TTimer() override;

  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  int Interval() const { return interval_; }
  void SetInterval(int milliseconds);

  TNotifyEvent OnTimer;

private:
  void Update();

  std::unique_ptr<QTimer> timer_;
  bool enabled_ = true;
  int interval_ = 1000;
};
