#pragma once
// The window layout's pictures, compiled into the program.

#include <QImage>

enum class TArtwork { Background, Logo, FullScreenGlyph, MuteGlyph };

// Decoded by the skin engine's picture reader; an empty image if it cannot be read.
QImage LoadArtwork(TArtwork artwork);
