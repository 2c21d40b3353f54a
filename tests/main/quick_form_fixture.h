#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "framework/backends/headless/headless_backend.h"
#include "framework/controls/application.h"
#include "framework/platform/window_backend.h"
#include "main/quick_form.h"
#include "support/test_data.h"
#include "test_services.h"

// The program's window on the headless backend, started as the program starts it: module
// start-up, application, the window from its stored description, shown and painted. The test
// sets the date, arguments, platform version and program path first, then drives the window by
// injected input as a user would.
class QuickFormTest : public ::testing::Test {
 protected:
  QuickFormTest();
  ~QuickFormTest() override;

  // Starts the program with these arguments on this day (month 1 to 12).
  void Start(const std::vector<std::string>& arguments = {}, int month = 6, int day = 15);

  // User actions, each followed by the message loop handling what is waiting.
  void Click(TControl* control);
  void PressKey(int key, TShiftState shift = 0);
  void CloseBox();
  void ProcessMessages() { application_->ProcessMessages(); }

  // What the user sees.
  THeadlessWindow& Window();
  std::string Caption() { return Window().Caption(); }
  int Page() const { return form_->Notebook->PageIndex(); }
  bool Ended() const { return application_->Terminated(); }
  // The message boxes shown so far, as "caption: text".
  std::vector<std::string> MessageBoxes() const;

  // The stored "ChangeTrayClock" value, if any.
  std::optional<std::string> StoredTrayClockValue() const;

  qi_test::TempDir folder_;
  std::filesystem::path registryFile_;
  TTestServices services_;
  TScopedPlatform platformScope_;
  THeadlessBackend backend_;
  TScopedWindowBackend backendScope_;
  std::unique_ptr<TApplication> application_;
  TQuickForm* form_ = nullptr;
};
