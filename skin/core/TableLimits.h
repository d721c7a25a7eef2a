#pragma once
// Ranges the painters can trust: after a load every count, percent, size and
// margin of the tables lies in a small sane range, whatever the options file
// said, so that no painting indexes outside a table, overflows or loops without end.

class TacSkinTables;
struct TsSkinData;

inline constexpr int kMaxStates = 16;
inline constexpr int kMaxGlowSize = 64;       // glow sizes, counts and margins
inline constexpr int kMaxFadingSteps = 50;
inline constexpr int kMaxSkinMetric = 1024;   // border and title sizes, offsets, spacings
inline constexpr int kMaxMaskExtent = 16384;  // margins, frame counts and mask rows: a picture side

void ClampTables(TacSkinTables& tables, TsSkinData& data);
