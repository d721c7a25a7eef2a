#pragma once
// The application object of a test process: made before the first test, gone
// after the last (not in the exit handlers, where Qt and the web engine cannot end).

#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "platform/Application.h"

class TestApplication : public ::testing::Environment {
public:
  // `prepare` runs before the application object is made (process-wide settings).
  explicit TestApplication(std::function<void()> prepare = {}) : prepare_(std::move(prepare)) {}

  void SetUp() override;
  void TearDown() override { application_.reset(); }

private:
  std::function<void()> prepare_;
  int argc_ = 1;
  char name_[5] = "test";
  char* argv_[2] = {name_, nullptr};
  std::unique_ptr<TApplication> application_;
};
