#pragma once
// The skin binding of a control: which section of the skin paints it.

#include <string>

struct TsCommonData {
  std::string SkinSection;
};
