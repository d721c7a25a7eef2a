#pragma once
// The fake's call log, shared by its translation units.

#include <string>

void FakeVlcRecord(std::string call);
