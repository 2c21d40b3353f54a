#pragma once

#include <gtest/gtest.h>

#include "framework/backends/freetype_font_rasterizer.h"
#include "framework/backends/headless/headless_backend.h"
#include "framework/backends/posix/posix_services.h"
#include "framework/controls/application.h"
#include "framework/controls/form.h"
#include "framework/controls/register_controls.h"
#include "framework/controls/window_timers.h"
#include "framework/platform/window_backend.h"
#include "framework/platform/window_object.h"

// A fresh application on the headless backend for each test, with the POSIX services (for the
// test's own resources) and the FreeType fonts.
class HeadlessTest : public ::testing::Test {
 protected:
  HeadlessTest() : platformScope_(services_), scope_(backend_) {
    if (FontRasterizer() == nullptr) SetFontRasterizer(CreateFreeTypeFontRasterizer());
    RegisterControlClasses();
    window_timers::SetCapacity(window_timers::kDefaultCapacity);
    application_ = std::make_unique<TApplication>();
    application_->Initialize();
    application_->SetTitle("Test Program");
  }
  ~HeadlessTest() override { application_.reset(); }

  // A form owned by the application, made the main form when it is the first.
  template <typename T = TForm>
  T* NewForm(int width = 200, int height = 100) {
    auto* form = new T(application_.get());
    form->SetBounds(0, 0, width, height);
    if (application_->MainForm() == nullptr) application_->SetMainForm(form);
    return form;
  }

  static TNativeWindow* NativeOf(TForm* form) { return form->Handle()->native.get(); }
  THeadlessWindow* WindowOf(TForm* form) { return static_cast<THeadlessWindow*>(NativeOf(form)); }

  TPosixServices services_;
  TScopedPlatform platformScope_;
  THeadlessBackend backend_;
  TScopedWindowBackend scope_;
  std::unique_ptr<TApplication> application_;
};
