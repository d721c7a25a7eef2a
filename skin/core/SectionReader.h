#pragma once
// Fills the section table from the options file: keys looked up through the
// PARENTCLASS chain, the manager's common sections merged in, and the border,
// corner and texture masks resolved per section.

#include "skin/core/SkinRecords.h"

#include <string>
#include <vector>

class TacSkinIni;
class TacSkinTables;

void ReadSections(const TacSkinIni& ini, TacSkinTables& tables);
void ApplyCommonSections(const TacSkinIni& common, TacSkinTables& tables);
void ResolveSectionMasks(TacSkinTables& tables);

// ";"-separated numbers in groups of five: colour 1, colour 2, percent, kind, unused.
std::vector<TsGradientBand> ParseGradientData(const std::string& data);
