#pragma once
// Which colour a label's text takes from the skin. A result without a value
// keeps the font's own colour.

#include <cstdint>
#include <optional>
#include <vector>

class TacSkinTables;

// The section whose font colour a label follows. `parentSections` holds the
// section numbers of the label's parents, nearest first (-1: not skinned). A
// parent more than half transparent passes the question one level up; the first
// other one gives its section when it has GIVEOWNFONT, else none (-1).
int LabelColorSection(const TacSkinTables& tables, const std::vector<int>& parentSections);

// The text colour of a label: the colour section's FONTCOLOR, else the skin's
// global font colour; 0xFF00FF keeps the font's colour.
std::optional<int32_t> LabelFontColor(const TacSkinTables& tables, int colorSection, int32_t globalFontColor);

enum class TacWebLabelState { Normal, Hover };

// The text colour of a web label. Normal: the colour section's FONTCOLOR, else
// GLOBALINFO's TCBOTTOM. Hover: GLOBALINFO's TCTOP. A missing (-1) value is pure red.
std::optional<int32_t> WebLabelFontColor(const TacSkinTables& tables, int colorSection, TacWebLabelState state);
