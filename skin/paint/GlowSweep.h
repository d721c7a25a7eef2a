#pragma once
// The gauge glow's animation: a 300 pixel band sweeping along the bar, one sweep
// every 2222 ms, ticked every 22 ms. User-interface thread only.

struct TacGlowSweep {
  static constexpr int IntervalMs = 22;
  static constexpr int SweepMs = 2222;
  static constexpr int GlowLength = 300;

  int Position = 0;  // pixels along the bar where the glow band starts
  int Elapsed = SweepMs + 1;  // so the first tick starts a sweep

  // One timer tick along a bar of `length` pixels. `canShow`: the gauge and its
  // parent are visible and Progress > 0. True when the face must be rebuilt now,
  // with the glow at Position; call Advance once it is.
  bool Tick(int length, bool canShow);
  void Advance(int length);
  // Ticks until the one that starts the next sweep (1: the next tick does).
  int TicksToNextSweep() const;
  // Counts ticks that would change nothing, as if they had run.
  void Skip(int ticks) { Elapsed += ticks * IntervalMs; }
  // Whether a filled strip of `filled` pixels shows any of the band.
  bool Reaches(int filled) const { return Position < filled + GlowLength; }
};
