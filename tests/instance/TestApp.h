#pragma once
// The one application object of the test process (guards receive on its event loop).

#include "platform/Application.h"

inline TApplication& TestApp()
{
  static int argc = 1;
  static char name[] = "instance_test";
  static char* argv[] = {name, nullptr};
  static TApplication app(argc, argv);
  return app;
}
