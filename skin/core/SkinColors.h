#pragma once
// Colours in skins are 0x00BBGGRR; negative values name system colours. The data
// core has no palette of its own: the user-interface layer installs one at
// start-up. Without it a system colour passes through unchanged.

#include <cstdint>

using TacSystemColorResolver = uint32_t (*)(int32_t color);

void SetSystemColorResolver(TacSystemColorResolver resolver);
// A system colour turned into RGB through the installed resolver; others unchanged.
int32_t ResolveSkinColor(int32_t color);
