#include "main/program_entry.h"

#include "animation/register_animation.h"
#include "colour/nearest_level.h"
#include "cursors/cursor_registration.h"
#include "cursors/icon_list.h"
#include "cursors/not_implemented_dialog.h"
#include "framework/controls/application.h"
#include "framework/controls/register_controls.h"
#include "gif/picture/gif_registration.h"
#include "main/quick_form.h"

namespace {

constexpr const char* kTitle = "Quick Introduction";

}  // namespace

void StartModules() {
  RegisterControlClasses();
  InstallNotImplementedDialog();
  RegisterFixedCursors();
  BuildNearestLevelMaps();
  RegisterIconClipboardFormat();
  RegisterGifImage();
  RegisterAnimationClasses();
}

TQuickForm* StartQuickIntroduction(TApplication& application) {
  StartModules();
  application.Initialize();
  application.SetTitle(kTitle);
  application.CreateForm(QuickForm);
  return QuickForm;
}

int RunQuickIntroduction() {
  TApplication application;
  StartQuickIntroduction(application);
  application.Run();
  QuickForm = nullptr;  // freed with the application
  return 0;
}
