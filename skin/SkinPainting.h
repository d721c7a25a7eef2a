#pragma once
// Fills a control's background from its section of the default manager's skin.

#include <string>

class QPainter;
class QRect;

// False (and nothing painted) when no skin is active or it lacks the section.
bool PaintSectionBackground(QPainter& canvas, const QRect& area, const std::string& section);
