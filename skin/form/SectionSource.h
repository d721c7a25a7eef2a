#pragma once
// The painting steps' view of one section of a manager's skin, for painters that
// have no control binding (the caption, its items and buttons).

#include <string>

#include "skin/paint/FaceSource.h"

class TsSkinManager;

// Section, border mask ("BORDERSMASK" with inheritance) and textures of `section`
// (-1: an unskinned source). `parentSection` gives partly transparent sections
// their colours.
TacFaceSource SectionSource(const TsSkinManager& manager, int section, int parentSection = -1);
