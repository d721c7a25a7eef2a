#pragma once
// The application object of a test process: made before the first test, gone
// after the last (not in the exit handlers, where Qt and the web engine cannot end).

#include <gtest/gtest.h>

#include <memory>

#include "platform/Application.h"

class TestApplication : public ::testing::Environment {
public:
  void SetUp() override;
  void TearDown() override { application_.reset(); }

private:
  int argc_ = 1;
  char name_[5] = "test";
  char* argv_[2] = {name_, nullptr};
  std::unique_ptr<TApplication> application_;
};
