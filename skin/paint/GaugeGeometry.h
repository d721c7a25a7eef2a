#pragma once
// The numbers of a gauge: its percentage, the filled length and the glow's step.

#include <cstdint>

// Round(100 x (progress - minValue) / (maxValue - minValue)), halves to even;
// 0 when the limits are equal.
int GaugePercent(int progress, int minValue, int maxValue);

// The part of length filled at percent (halves to even), never more than length.
int FillLength(int length, int percent);

// Pixels the glow moves on each tick along a bar of the given length: a sweep of
// 2222 ms in 44 ms steps, at least 15 pixels.
int GlowStep(int length);

// numerator / denominator rounded to the nearest integer, halves to even (denominator > 0).
int64_t DivideRoundingToEven(int64_t numerator, int64_t denominator);
