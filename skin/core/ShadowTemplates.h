#pragma once
// The two window-shadow templates, black with an alpha ramp from the edges:
// "acSHDA" (active, 32 x 32, up to 102) and "acSHDI" (inactive, 31 x 31, up to 77).
// Made in code once and shared.

#include "skin/core/SkinRecords.h"

enum class TacShadowKind { Active, Inactive };

TBitmapRef ShadowTemplate(TacShadowKind kind);
