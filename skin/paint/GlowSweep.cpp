#include "skin/paint/GlowSweep.h"

#include "skin/paint/GaugeGeometry.h"

bool TacGlowSweep::Tick(int length, bool canShow)
{
  if (Elapsed > SweepMs) {
    Position = -GlowLength;
    Elapsed = 0;
  }
  Elapsed += IntervalMs;
  return Position < length && canShow;
}

void TacGlowSweep::Advance(int length)
{
  Position += GlowStep(length);
}

int TacGlowSweep::TicksToNextSweep() const
{
  // The tick that sees Elapsed above SweepMs before counting itself starts the sweep.
  return Elapsed > SweepMs ? 1 : (SweepMs - Elapsed) / IntervalMs + 2;
}
