#pragma once
// Skinned controls on a 300 x 200 form (see SkinFormFixture.h).

#include "SkinFormFixture.h"

class ControlsTest : public SkinFormTest {
protected:
  ControlsTest() : SkinFormTest(300, 200) {}
};
