// A fresh Duskfall for each case, started after the program's registry has been cleared.
#pragma once

#include <gtest/gtest.h>

#include <optional>

#include "e2e/driver.h"

namespace duskfall::e2e {

class ProgramTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetProgramRegistry();
    BeforeStart();
    program_.emplace();
    window_ = program_->WaitForMainWindow();
    ASSERT_NE(window_, nullptr) << "the main window did not appear";
    view_.emplace(window_);
  }
  // Cases that need stored settings put them in place here.
  virtual void BeforeStart() {}

  Program& program() { return *program_; }
  const MainWindowView& view() const { return *view_; }
  HWND window() const { return window_; }

  // Brings the main window forward and waits until keys go to it.
  void Activate() const {
    SetForegroundWindow(window_);
    ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == window_; }));
  }

 private:
  std::optional<Program> program_;
  HWND window_ = nullptr;
  std::optional<MainWindowView> view_;
};

}  // namespace duskfall::e2e
