#include "skin/paint/GaugeGeometry.h"

#include <algorithm>

int64_t DivideRoundingToEven(int64_t numerator, int64_t denominator)
{
  int64_t quotient = numerator / denominator;
  int64_t rest = numerator % denominator;
  if (rest < 0) {  // floor division, so the rest lies in 0..denominator-1
    quotient -= 1;
    rest += denominator;
  }
  const int64_t twice = 2 * rest;
  if (twice > denominator || (twice == denominator && quotient % 2 != 0))
    quotient += 1;
  return quotient;
}

int GaugePercent(int progress, int minValue, int maxValue)
{
  if (maxValue == minValue)
    return 0;
  // 64 bits: the span of two 32-bit limits does not fit in 32.
  int64_t span = int64_t(maxValue) - minValue;
  int64_t offset = 100 * (int64_t(progress) - minValue);
  if (span < 0) {
    span = -span;
    offset = -offset;
  }
  return int(DivideRoundingToEven(offset, span));
}

int FillLength(int length, int percent)
{
  return int(std::min<int64_t>(length, DivideRoundingToEven(int64_t(length) * percent, 100)));
}

int GlowStep(int length)
{
  // length / (2222 / 44) = length x 44 / 2222, rounded as the sweep's timing asks.
  return int(std::max<int64_t>(15, DivideRoundingToEven(int64_t(length) * 44, 2222)));
}
