#include "skin/paint/FaceSource.h"

#include <algorithm>

int ClampState(const TsGeneralData& section, int state)
{
  return std::clamp(state, 0, std::max(section.StateCount, 1) - 1);
}

const TsGenState& StateRecord(const TsGeneralData& section, int state)
{
  return section.States[state == 0 ? 0 : 1];
}
